#include "languagesettings.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace {

const QString languageKey = QStringLiteral("ui/language");

QString supportedSystemLanguage()
{
    return QLocale::system().language() == QLocale::Hungarian ? QStringLiteral("hu") : QStringLiteral("en");
}

// The language file's path; its directory is created here, so that the file can be written at once.
QString settingsFilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        dir = QDir(QDir::homePath()).filePath(QStringLiteral(".config/org.brenvik/harbour-zavel"));
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("language.ini"));
}

// What the language file holds, or failing that what an earlier version kept in the default settings store.
QString storedLanguage(const QSettings &settings)
{
    if (settings.contains(languageKey))
        return settings.value(languageKey).toString();
    const QString legacy = QSettings().value(languageKey).toString();
    if (legacy == QLatin1String("en") || legacy == QLatin1String("hu"))
        return legacy;
    return supportedSystemLanguage();
}

} // namespace

LanguageSettings::LanguageSettings(QObject *parent)
    : QObject(parent)
    , m_settings(settingsFilePath(), QSettings::IniFormat)
{
    m_language = normalizeLanguage(storedLanguage(m_settings));
    m_startupLanguage = m_language;
    // Written back at every start, so that the file always exists and holds a valid code.
    m_settings.setValue(languageKey, m_language);
    m_settings.sync();
}

QString LanguageSettings::normalizeLanguage(const QString &value)
{
    if (value == QLatin1String("hu") || value == QLatin1String("en"))
        return value;
    return supportedSystemLanguage();
}

void LanguageSettings::setLanguage(const QString &value)
{
    const QString code = normalizeLanguage(value);
    if (code == m_language)
        return;
    const bool wasRequired = restartRequired();
    m_language = code;
    m_settings.setValue(languageKey, m_language);
    m_settings.sync();
    emit languageChanged();
    if (restartRequired() != wasRequired)
        emit restartRequiredChanged();
}
