// The stored interface language: where it comes from on a first start, how bad values are mended, and the
// signals the settings page relies on.

#include "languagesettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void systemLocaleIsTheExpectedOne();
    void firstStartFollowsTheSystem();
    void storedValue_data();
    void storedValue();
    void defaultStore_data();
    void defaultStore();
    void unchangedLanguageWritesNothing();
    void changesAndRestartFlag();
    void emptyValueMeansSystemLanguage();

private:
    QString languageFile() const;
    QString fileValue() const;
    void store(const QString &value);

    QTemporaryDir m_home;
    QString m_system;
};

void TestLanguageSettings::initTestCase()
{
    // Everything this test writes lives below a temporary home, in Qt's test locations.
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", QDir(m_home.path()).filePath(QStringLiteral(".config")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    m_system = QLocale::system().language() == QLocale::Hungarian ? QStringLiteral("hu") : QStringLiteral("en");
}

void TestLanguageSettings::init()
{
    QFile::remove(languageFile());
    QSettings().clear();
    QSettings().sync();
}

QString TestLanguageSettings::languageFile() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("language.ini"));
}

QString TestLanguageSettings::fileValue() const
{
    return QSettings(languageFile(), QSettings::IniFormat).value(QStringLiteral("ui/language")).toString();
}

void TestLanguageSettings::store(const QString &value)
{
    QDir().mkpath(QFileInfo(languageFile()).absolutePath());
    QSettings file(languageFile(), QSettings::IniFormat);
    file.setValue(QStringLiteral("ui/language"), value);
    file.sync();
}

void TestLanguageSettings::systemLocaleIsTheExpectedOne()
{
    const QByteArray expected = qgetenv("ZAVEL_EXPECTED_SYSTEM_LANGUAGE");
    if (expected.isEmpty())
        QSKIP("run through CTest, which sets the system locale");
    QCOMPARE(m_system, QString::fromLatin1(expected));
}

void TestLanguageSettings::firstStartFollowsTheSystem()
{
    QVERIFY(!QFile::exists(languageFile()));
    LanguageSettings settings;
    QCOMPARE(settings.language(), m_system);
    QVERIFY(!settings.restartRequired());
    QCOMPARE(fileValue(), m_system);
}

void TestLanguageSettings::storedValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hu") << "hu"
                        << "hu";
    QTest::newRow("en") << "en"
                        << "en";
    QTest::newRow("another language") << "de" << m_system;
    QTest::newRow("upper case") << "HU" << m_system;
    QTest::newRow("empty") << "" << m_system;
}

void TestLanguageSettings::storedValue()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    store(stored);
    LanguageSettings settings;
    QCOMPARE(settings.language(), expected);
    QCOMPARE(fileValue(), expected);
}

void TestLanguageSettings::defaultStore_data()
{
    QTest::addColumn<QString>("legacy");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hu") << "hu"
                        << "hu";
    QTest::newRow("en") << "en"
                        << "en";
    QTest::newRow("not a language") << "xx" << m_system;
}

// Without a language file, a value kept in the application's default settings store is taken over, and that
// store is left as it was.
void TestLanguageSettings::defaultStore()
{
    QFETCH(QString, legacy);
    QFETCH(QString, expected);
    {
        QSettings defaults;
        defaults.setValue(QStringLiteral("ui/language"), legacy);
        defaults.sync();
    }
    LanguageSettings settings;
    QCOMPARE(settings.language(), expected);
    QCOMPARE(fileValue(), expected);
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), legacy);
}

void TestLanguageSettings::unchangedLanguageWritesNothing()
{
    store(QStringLiteral("hu"));
    LanguageSettings settings;
    QSignalSpy languageSpy(&settings, &LanguageSettings::languageChanged);
    QSignalSpy restartSpy(&settings, &LanguageSettings::restartRequiredChanged);

    // Edit the file behind the object's back: a write would put "hu" back.
    store(QStringLiteral("en"));
    settings.setLanguage(QStringLiteral("hu"));
    QCOMPARE(languageSpy.count(), 0);
    QCOMPARE(restartSpy.count(), 0);
    QCOMPARE(fileValue(), QStringLiteral("en"));
}

void TestLanguageSettings::changesAndRestartFlag()
{
    store(QStringLiteral("en"));
    LanguageSettings settings;
    QStringList order;
    connect(&settings, &LanguageSettings::languageChanged, [&] { order << QStringLiteral("language"); });
    connect(&settings, &LanguageSettings::restartRequiredChanged, [&] { order << QStringLiteral("restart"); });

    settings.setLanguage(QStringLiteral("hu"));
    QCOMPARE(order, QStringList({"language", "restart"}));
    QVERIFY(settings.restartRequired());
    QCOMPARE(fileValue(), QStringLiteral("hu"));

    settings.setLanguage(QStringLiteral("en"));
    QCOMPARE(order, QStringList({"language", "restart", "language", "restart"}));
    QVERIFY(!settings.restartRequired());
    QCOMPARE(fileValue(), QStringLiteral("en"));
}

void TestLanguageSettings::emptyValueMeansSystemLanguage()
{
    const QString other = m_system == QLatin1String("hu") ? QStringLiteral("en") : QStringLiteral("hu");
    store(other);
    LanguageSettings settings;
    QSignalSpy restartSpy(&settings, &LanguageSettings::restartRequiredChanged);
    settings.setLanguage(QString());
    QCOMPARE(settings.language(), m_system);
    QCOMPARE(fileValue(), m_system);
    QVERIFY(settings.restartRequired());
    QCOMPARE(restartSpy.count(), 1);
}

QTEST_GUILESS_MAIN(TestLanguageSettings)
#include "tst_languagesettings.moc"
