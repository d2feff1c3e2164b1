// The stored interface language: where it comes from on a first start, how bad values are mended, and the
// signals the settings page relies on. CTest runs it under a Hungarian and under an English system locale.

#include "languagesettings.h"
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Everything this test writes lives below a temporary home, in Qt's test locations.
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral(".config")).toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
        QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
        m_system = QLocale::system().language() == QLocale::Hungarian ? QStringLiteral("hu") : QStringLiteral("en");
        const QByteArray expected = qgetenv("ZAVEL_EXPECTED_SYSTEM_LANGUAGE");
        QVERIFY(expected.isEmpty() || m_system == QLatin1String(expected));
        m_file = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("language.ini");
    }

    void init()
    {
        QFile::remove(m_file);
        QSettings().clear();
    }

    void startingLanguage_data()
    {
        QTest::addColumn<QString>("file"); // "-" for no language file
        QTest::addColumn<QString>("defaults"); // the default settings store's value, "-" for none
        QTest::addColumn<QString>("expected");

        // Tag, then file, default store and expected language; "system" is the system's language.
        for (const char *row : {"first start,-,-,system", "file hu,hu,-,hu", "file en,en,hu,en",
                                "another language,de,-,system", "upper case,HU,-,system", "default store hu,-,hu,hu",
                                "default store en,-,en,en", "default store junk,-,xx,system"}) {
            const QStringList cells = QString(row).split(',');
            QTest::newRow(qPrintable(cells[0]))
                << cells[1] << cells[2] << QString(cells[3]).replace("system", m_system);
        }
    }

    // Whatever the start finds, the file holds a valid code afterwards; the default store is only read.
    void startingLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QString, defaults);
        QFETCH(QString, expected);
        if (file != QLatin1String("-"))
            store(file);
        if (defaults != QLatin1String("-"))
            QSettings().setValue(QStringLiteral("ui/language"), defaults);

        LanguageSettings settings;
        QCOMPARE(settings.language(), expected);
        QVERIFY(!settings.restartRequired());
        QCOMPARE(stored(), expected);
        QCOMPARE(QSettings().value(QStringLiteral("ui/language"), "-").toString(), defaults);
    }

    void changesAndRestartFlag()
    {
        store(QStringLiteral("en"));
        LanguageSettings settings;
        QStringList signals_;
        connect(&settings, &LanguageSettings::languageChanged, [&] { signals_ << "language"; });
        connect(&settings, &LanguageSettings::restartRequiredChanged, [&] { signals_ << "restart"; });

        // An unchanged language writes nothing: the file edited behind the object's back stays as edited.
        store(QStringLiteral("hu"));
        settings.setLanguage(QStringLiteral("en"));
        QCOMPARE(signals_, QStringList());
        QCOMPARE(stored(), QStringLiteral("hu"));

        settings.setLanguage(QStringLiteral("hu"));
        QCOMPARE(signals_, QStringList({"language", "restart"}));
        QVERIFY(settings.restartRequired());
        QCOMPARE(stored(), QStringLiteral("hu"));

        // Anything but a language code means the system's language.
        settings.setLanguage(QString());
        QCOMPARE(settings.language(), m_system);
        QCOMPARE(stored(), m_system);
        QCOMPARE(settings.restartRequired(), m_system != QLatin1String("en"));

        settings.setLanguage(QStringLiteral("en"));
        QVERIFY(!settings.restartRequired());
        QCOMPARE(stored(), QStringLiteral("en"));
        QCOMPARE(signals_.count("restart"), 2);
    }

private:
    // The language in the language file, and a language written there behind the settings object's back.
    QString stored() const { return QSettings(m_file, QSettings::IniFormat).value("ui/language").toString(); }
    void store(const QString &value) { QSettings(m_file, QSettings::IniFormat).setValue("ui/language", value); }

    QTemporaryDir m_home;
    QString m_system;
    QString m_file;
};

QTEST_GUILESS_MAIN(TestLanguageSettings)
#include "tst_languagesettings.moc"
