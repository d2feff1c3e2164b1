// The installed program as the phone gets it: laid out by cmake --install into a temporary prefix and started
// from there with a fresh home, the build tree out of reach. Also start-up's language handling (with a probe
// in place of the main QML file), the launcher entry, the icons, and the package recipe with the QML imports
// checked against what the phone's store accepts.

#include "savefiles.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using SaveFiles::writeFile;

namespace {

QString runTool(const QString &program, const QStringList &args, int *status)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    *status = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

// Prints what start-up gave the interface, then ends the event loop with exit code 7 once it runs.
const char probeQml[] = R"(import QtQuick 2.6
import harbour.zavel 1.0
Item {
    GameEngine { id: engine }
    Component.onCompleted: console.log("suit=" + engine.suitName(0) + " language=" + languageSettings.language)
    Timer { interval: 0; running: true; onTriggered: Qt.exit(7) }
}
)";

// From the store's own lists (allowed_requires.conf, allowed_qmlimports.conf): the few names this program may
// need. A module the store accepts only with its package installed maps to that package.
const QStringList storeRequires = {"libsailfishapp", "qt5-qtdeclarative-import-localstorageplugin",
                                   "qt5-qtgraphicaleffects", "qt5-qtdeclarative-import-multimedia"};
const QStringList storeImports
    = QStringLiteral(
          "QtQuick 2.0|QtQuick 2.1|QtQuick 2.2|QtQuick 2.3|QtQuick 2.4|QtQuick 2.5|QtQuick 2.6|QtQuick.Window 2.0|"
          "QtQuick.Window 2.1|QtQuick.Window 2.2|QtQuick.Layouts 1.0|QtQuick.Layouts 1.1|QtQuick.LocalStorage 2.0|"
          "QtQml 2.0|QtQml 2.1|QtQml 2.2|QtGraphicalEffects 1.0|QtMultimedia 5.6|harbour.zavel 1.0")
          .split('|');
const QHash<QString, QString> packageOfModule = {
    {"QtQuick.LocalStorage", "qt5-qtdeclarative-import-localstorageplugin"},
    {"QtGraphicalEffects", "qt5-qtgraphicaleffects"},
    {"QtMultimedia", "qt5-qtdeclarative-import-multimedia"},
};

// Starts a program from `prefix` with `home` as its home, the language stored there, and no display.
void startProgram(QProcess *process, const QString &prefix, const QString &language, const QString &home)
{
    writeFile(home + "/.config/org.brenvik/harbour-zavel/language.ini", "[ui]\nlanguage=" + language.toLatin1() + "\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.remove("XDG_CONFIG_HOME");
    env.remove("XDG_DATA_HOME");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(home);
    process->start(prefix + "/bin/harbour-zavel", QStringList());
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_prefix = m_root.filePath(QStringLiteral("usr"));
        int status = 0;
        const QString log = runTool(QStringLiteral(ZAVEL_CMAKE_COMMAND),
                                    {"--install", QStringLiteral(ZAVEL_BUILD_DIR), "--prefix", m_prefix}, &status);
        QVERIFY2(status == 0, qPrintable(log));
    }

    // The store accepts the binary, the data directory, the launcher entry and the icons, and nothing else; the
    // binary links no test library.
    void onlyTheAllowedPlaces()
    {
        const QRegularExpression allowed("^(bin/harbour-zavel|share/harbour-zavel/.+|share/applications/"
                                         "harbour-zavel\\.desktop|share/icons/hicolor/(86x86|108x108|128x128|172x172)/"
                                         "apps/harbour-zavel\\.png)$");
        QStringList installed;
        QDirIterator it(m_prefix, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            installed << QDir(m_prefix).relativeFilePath(it.next());
        for (const char *required : {"bin/harbour-zavel", "share/harbour-zavel/qml/harbour-zavel.qml",
                                     "share/harbour-zavel/translations/harbour-zavel-hu.qm"})
            QVERIFY2(installed.contains(QLatin1String(required)), required);
        for (const QString &path : installed)
            QVERIFY2(allowed.match(path).hasMatch(), qPrintable(path));

        int status = 0;
        const QString needed = runTool("readelf", {"-d", m_prefix + "/bin/harbour-zavel"}, &status);
        QVERIFY(status == 0 && needed.contains("libQt5Quick"));
        QVERIFY2(!needed.contains("Test"), qPrintable(needed));
    }

    void installedProgramStarts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Hungarian") << "hu";
    }

    // The interface the program found starts the engine, which writes the autosave; a loaded catalogue stays
    // mapped into the process for the whole run.
    void installedProgramStarts()
    {
        QFETCH(QString, language);
        QTemporaryDir home;
        QProcess process;
        startProgram(&process, m_prefix, language, home.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath(".local/share/org.brenvik/harbour-zavel/autosave-v1.txt")),
                                 20000);
        QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray catalogue
            = QFile::encodeName(m_prefix + "/share/harbour-zavel/translations/harbour-zavel-hu.qm");
        QCOMPARE(maps.readAll().contains(catalogue), language == QLatin1String("hu"));
        QCOMPARE(process.state(), QProcess::Running);
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
    }

    void startupLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("withCatalogue");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hu with catalogue") << "hu" << true << "suit=tök language=hu";
        QTest::newRow("hu without catalogue") << "hu" << false << "suit=Bells language=hu";
        QTest::newRow("en") << "en" << true << "suit=Bells language=en";
    }

    // The translator is installed before the interface exists, so its first texts are already translated; a
    // missing catalogue means English without a word. The exit code is the event loop's.
    void startupLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, withCatalogue);
        QFETCH(QString, expected);
        QTemporaryDir probe;
        const QString catalogue = QStringLiteral("/share/harbour-zavel/translations/harbour-zavel-hu.qm");
        QVERIFY(QDir().mkpath(probe.filePath("bin"))
                && QDir().mkpath(probe.path() + "/share/harbour-zavel/translations"));
        QVERIFY(QFile::copy(m_prefix + "/bin/harbour-zavel", probe.filePath("bin/harbour-zavel")));
        QVERIFY(writeFile(probe.filePath("share/harbour-zavel/qml/harbour-zavel.qml"), probeQml));
        if (withCatalogue)
            QVERIFY(QFile::copy(m_prefix + catalogue, probe.path() + catalogue));

        QTemporaryDir home;
        QProcess process;
        startProgram(&process, probe.path(), language, home.path());
        QVERIFY(process.waitForFinished(20000));
        const QString log = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 7);
        QVERIFY2(log.contains(expected), qPrintable(log));
        QVERIFY2(!log.contains(QLatin1String(".qm")), qPrintable(log));
    }

    void launcherEntryAndIcons()
    {
        const QString entry = m_prefix + "/share/applications/harbour-zavel.desktop";
        int status = 0;
        const QString complaints = runTool("desktop-file-validate", {entry}, &status);
        QVERIFY2(status == 0 && complaints.trimmed().isEmpty(), qPrintable(complaints));
        const QSettings desktop(entry, QSettings::IniFormat);
        QCOMPARE(desktop.value("Desktop Entry/Exec").toString(), QStringLiteral("harbour-zavel"));
        QCOMPARE(desktop.value("Desktop Entry/Icon").toString(), QStringLiteral("harbour-zavel"));
        // The sandbox grants exactly the directories the program derives from these two names.
        QCOMPARE(desktop.value("X-Sailjail/OrganizationName").toString(), QStringLiteral("org.brenvik"));
        QCOMPARE(desktop.value("X-Sailjail/ApplicationName").toString(), QStringLiteral("harbour-zavel"));

        for (int size : {86, 108, 128, 172}) {
            const QImage icon(m_prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/harbour-zavel.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
        }
    }

    // The store rejects a package that requires anything outside its list, and a QML file that imports a module
    // outside its list, by an absolute path, or from outside the program's data directory. A module the store
    // ships only as a separate package must be required by the recipe. The recipe builds no tests.
    void storeAcceptsRequiresAndImports()
    {
        int status = 0;
        const QString recipe
            = runTool("rpmspec", {"-P", QStringLiteral(ZAVEL_SOURCE_DIR "/rpm/harbour-zavel.spec")}, &status);
        QVERIFY2(status == 0 && recipe.contains("-DZAVEL_BUILD_TESTS=OFF"), qPrintable(recipe));
        QSet<QString> required;
        const QRegularExpression requiresLine("^Requires:\\s*(\\S+)", QRegularExpression::MultilineOption);
        for (auto it = requiresLine.globalMatch(recipe); it.hasNext();) {
            const QString package = it.next().captured(1);
            QVERIFY2(storeRequires.contains(package), qPrintable("the store does not allow Requires: " + package));
            required.insert(package);
        }

        const QString data = m_prefix + "/share/harbour-zavel";
        const QRegularExpression importLine("^\\s*\\.?import\\s+(\"[^\"]*\"|[\\w.]+)\\s*([\\d.]*)",
                                            QRegularExpression::MultilineOption);
        QDirIterator it(data, {"*.qml", "*.js"}, QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        for (; it.hasNext(); ++files) {
            const QString path = it.next();
            for (auto m = importLine.globalMatch(QString::fromUtf8(SaveFiles::readFile(path))); m.hasNext();) {
                const QRegularExpressionMatch match = m.next();
                const QString module = match.captured(1);
                const QString where = QDir(data).relativeFilePath(path) + ": " + match.captured(0).trimmed();
                if (module.startsWith('"')) {
                    const QString target
                        = QFileInfo(QFileInfo(path).dir(), module.mid(1, module.size() - 2)).canonicalFilePath();
                    QVERIFY2(!module.startsWith("\"/") && !target.isEmpty()
                                 && target.startsWith(QFileInfo(data).canonicalFilePath()),
                             qPrintable(where));
                    continue;
                }
                QVERIFY2(storeImports.contains(module + ' ' + match.captured(2)), qPrintable(where));
                if (packageOfModule.contains(module))
                    QVERIFY2(required.contains(packageOfModule[module]),
                             qPrintable(where + " needs Requires: " + packageOfModule[module]));
            }
        }
        QVERIFY(files > 10);
    }

private:
    QTemporaryDir m_root;
    QString m_prefix;
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
