// Start-up of the real program, installed into a temporary layout (bin/ beside share/harbour-zavel/) with a
// probe in place of the main QML file: the probe reads what start-up gave it and quits with a chosen code.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Prints the engine's texts and the language settings, then ends the event loop with exit code 7.
const char probeQml[] = R"(import QtQuick 2.6
import harbour.zavel 1.0
Item {
    GameEngine { id: engine }
    Component.onCompleted: {
        console.log("suit=" + engine.suitName(0) + " language=" + languageSettings.language
                    + " restart=" + languageSettings.restartRequired)
    }
    // Once the event loop runs: an exit requested before it starts would be lost.
    Timer { interval: 0; running: true; onTriggered: Qt.exit(7) }
}
)";

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void languages_data();
    void languages();
};

void TestStartup::languages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("withCatalogue");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hu with catalogue") << "hu" << true << "suit=Tök language=hu restart=false";
    QTest::newRow("hu without catalogue") << "hu" << false << "suit=Bells language=hu restart=false";
    QTest::newRow("en") << "en" << true << "suit=Bells language=en restart=false";
}

void TestStartup::languages()
{
    QFETCH(QString, language);
    QFETCH(bool, withCatalogue);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString prefix = root.filePath(QStringLiteral("prefix"));
    const QString home = root.filePath(QStringLiteral("home"));
    const QString program = prefix + QStringLiteral("/bin/harbour-zavel");
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    QVERIFY(QFile::copy(QStringLiteral(ZAVEL_APP_PATH), program));
    QVERIFY(writeFile(prefix + QStringLiteral("/share/harbour-zavel/qml/harbour-zavel.qml"), probeQml));
    if (withCatalogue) {
        QFile catalogue(QStringLiteral(ZAVEL_QM_PATH));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(prefix + QStringLiteral("/share/harbour-zavel/translations/harbour-zavel-hu.qm"),
                          catalogue.readAll()));
    }
    QVERIFY(writeFile(home + QStringLiteral("/.config/org.brenvik/harbour-zavel/language.ini"),
                      "[ui]\nlanguage=" + language.toLatin1() + "\n"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, QStringList());
    QVERIFY(process.waitForFinished(20000));

    const QString log = QString::fromUtf8(process.readAllStandardError());

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 7);
    QVERIFY2(log.contains(expected), qPrintable(log));
    QVERIFY2(!log.contains(QLatin1String("harbour-zavel-hu.qm")), qPrintable(log));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
