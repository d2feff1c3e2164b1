// The installed program as the phone gets it: laid out by cmake --install into a temporary prefix, started
// from there with a fresh home, and checked for what the store accepts. Also the launcher entry, the icons
// and the package recipe.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString output;
};

Run run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(120000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

QString sourceFile(const QString &name)
{
    return QDir(QStringLiteral(ZAVEL_SOURCE_DIR)).filePath(name);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyTheAllowedPlaces();
    void noTestLibraryLinked();
    void installedProgramStarts_data();
    void installedProgramStarts();
    void launcherEntry();
    void iconSizes_data();
    void iconSizes();
    void packageRecipeParses();

private:
    QTemporaryDir m_root;
    QString m_prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_prefix = m_root.filePath(QStringLiteral("usr"));
    const Run install
        = run(QStringLiteral(ZAVEL_CMAKE_COMMAND),
              {QStringLiteral("--install"), QStringLiteral(ZAVEL_BUILD_DIR), QStringLiteral("--prefix"), m_prefix});
    QVERIFY2(install.status == 0, qPrintable(install.output));
}

// The store accepts the binary, the data directory, the launcher entry and the icons, and nothing else.
void TestInstall::onlyTheAllowedPlaces()
{
    const QRegularExpression allowed(QStringLiteral("^(bin/harbour-zavel|share/harbour-zavel/.+|"
                                                    "share/applications/harbour-zavel\\.desktop|"
                                                    "share/icons/hicolor/(86x86|108x108|128x128|172x172)/apps/"
                                                    "harbour-zavel\\.png)$"));
    QStringList installed;
    QDirIterator it(m_prefix, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        installed << QDir(m_prefix).relativeFilePath(it.next());
    installed.sort();

    QVERIFY(installed.contains(QStringLiteral("bin/harbour-zavel")));
    QVERIFY(installed.contains(QStringLiteral("share/harbour-zavel/qml/harbour-zavel.qml")));
    QVERIFY(installed.contains(QStringLiteral("share/harbour-zavel/translations/harbour-zavel-hu.qm")));
    QVERIFY(installed.contains(QStringLiteral("share/applications/harbour-zavel.desktop")));
    for (const QString &path : installed)
        QVERIFY2(allowed.match(path).hasMatch(), qPrintable(path));
}

void TestInstall::noTestLibraryLinked()
{
    const Run readelf
        = run(QStringLiteral("readelf"), {QStringLiteral("-d"), m_prefix + QStringLiteral("/bin/harbour-zavel")});
    QCOMPARE(readelf.status, 0);
    QVERIFY(readelf.output.contains(QLatin1String("libQt5Quick")));
    QVERIFY2(!readelf.output.contains(QLatin1String("Test")), qPrintable(readelf.output));
}

void TestInstall::installedProgramStarts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("catalogueLoaded");
    QTest::newRow("English") << "en" << false;
    QTest::newRow("Hungarian") << "hu" << true;
}

// The running program proves both lookups: the interface it found starts the engine, which writes the
// autosave; the catalogue, once loaded, stays mapped into the process for the whole run.
void TestInstall::installedProgramStarts()
{
    QFETCH(QString, language);
    QFETCH(bool, catalogueLoaded);

    QTemporaryDir home;
    QVERIFY(writeFile(home.filePath(QStringLiteral(".config/org.brenvik/harbour-zavel/language.ini")),
                      "[ui]\nlanguage=" + language.toLatin1() + "\n"));
    const QString autosave = home.filePath(QStringLiteral(".local/share/org.brenvik/harbour-zavel/autosave-v1.txt"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home.path());
    process.start(m_prefix + QStringLiteral("/bin/harbour-zavel"), QStringList());
    QVERIFY(process.waitForStarted());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(autosave), 20000);
    QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QCOMPARE(mapped.contains(QFile::encodeName(m_prefix + "/share/harbour-zavel/translations/harbour-zavel-hu.qm")),
             catalogueLoaded);
    QCOMPARE(process.state(), QProcess::Running);
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
}

void TestInstall::launcherEntry()
{
    const QString entry = m_prefix + QStringLiteral("/share/applications/harbour-zavel.desktop");
    const Run validate = run(QStringLiteral("desktop-file-validate"), {entry});
    QVERIFY2(validate.status == 0 && validate.output.trimmed().isEmpty(), qPrintable(validate.output));

    QSettings desktop(entry, QSettings::IniFormat);
    QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/Exec")).toString(), QStringLiteral("harbour-zavel"));
    QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/Icon")).toString(), QStringLiteral("harbour-zavel"));
    QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/X-Nemo-Application-Type")).toString(),
             QStringLiteral("silica-qt5"));
    // The sandbox grants exactly the directories the program derives from these two names.
    QCOMPARE(desktop.value(QStringLiteral("X-Sailjail/OrganizationName")).toString(), QStringLiteral("org.brenvik"));
    QCOMPARE(desktop.value(QStringLiteral("X-Sailjail/ApplicationName")).toString(), QStringLiteral("harbour-zavel"));
}

void TestInstall::iconSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {86, 108, 128, 172})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestInstall::iconSizes()
{
    QFETCH(int, size);
    const QImage icon(m_prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/harbour-zavel.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
}

void TestInstall::packageRecipeParses()
{
    if (QStandardPaths::findExecutable(QStringLiteral("rpmspec")).isEmpty())
        QFAIL("rpmspec is missing (Debian package rpm)");
    const Run parse
        = run(QStringLiteral("rpmspec"), {QStringLiteral("-P"), sourceFile(QStringLiteral("rpm/harbour-zavel.spec"))});
    QVERIFY2(parse.status == 0, qPrintable(parse.output));
    QVERIFY(parse.output.contains(QLatin1String("Name:       harbour-zavel")));
    QVERIFY(parse.output.contains(QLatin1String("-DZAVEL_BUILD_TESTS=OFF")));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
