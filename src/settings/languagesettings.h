#ifndef LANGUAGESETTINGS_H
#define LANGUAGESETTINGS_H

// The player's choice of interface language, "hu" or "en", kept in "language.ini" in the application's
// configuration directory. The choice takes effect at the next start: the translator is installed once, so
// restartRequired tells the interface when the stored language differs from the one it started with.

#include <QObject>
#include <QSettings>
#include <QString>

class LanguageSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(bool restartRequired READ restartRequired NOTIFY restartRequiredChanged)

public:
    explicit LanguageSettings(QObject *parent = nullptr);

    QString language() const { return m_language; }
    bool restartRequired() const { return m_language != m_startupLanguage; }
    void setLanguage(const QString &value);

    // "hu" and "en" stay; anything else, the empty string included, becomes the system's language.
    static QString normalizeLanguage(const QString &value);

signals:
    void languageChanged();
    void restartRequiredChanged();

private:
    QSettings m_settings;
    QString m_language;
    QString m_startupLanguage;
};

#endif
