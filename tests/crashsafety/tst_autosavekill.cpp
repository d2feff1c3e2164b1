// Crash safety of the autosave: zavel-autosave-writer plays and saves without pause and is killed with SIGKILL
// at a random moment, again and again, each writer continuing the game the last one left. After every kill
// the autosave must restore, write back byte for byte, and be the state last announced in the writer's log,
// or the one before it when the kill fell inside that save. ZAVEL_KILLS sets the number of kills (200).

#include "gamecore.h"
#include "savefiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <random>

using namespace SaveFiles;

class TestAutosaveKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesACompleteSave()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid() && useTestHome(home.path()) && QDir().mkpath(dataDir()));
        const QString logPath = home.filePath(QStringLiteral("saves.log"));
        QVERIFY(writeFile(savePath(), QByteArray::fromStdString(Zavel::GameCore(3, 1).serializeState())));
        const auto hashLine = [](const QByteArray &text) {
            return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex() + '\n';
        };

        const int kills = qEnvironmentVariableIsSet("ZAVEL_KILLS") ? qEnvironmentVariableIntValue("ZAVEL_KILLS") : 200;
        const unsigned seed = std::random_device()();
        std::mt19937 random(seed);
        int insideSave = 0;
        for (int kill = 1; kill <= kills; ++kill) {
            // The log starts with the state the writer finds; it is playing once it has announced another.
            const QByteArray first = hashLine(readFile());
            QVERIFY(writeFile(logPath, first));
            QProcess writer;
            writer.setProcessChannelMode(QProcess::ForwardedChannels);
            writer.start(QStringLiteral(ZAVEL_AUTOSAVE_WRITER), {logPath});
            QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));
            QElapsedTimer clock;
            clock.start();
            while (QFileInfo(logPath).size() <= first.size() && clock.elapsed() < 20000)
                QThread::usleep(500);
            QThread::usleep(random() % 40000);
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // it was still playing when killed

            const QByteArray text = readFile();
            const QString where
                = QStringLiteral("kill %1 (random seed %2), %3 bytes").arg(kill).arg(seed).arg(text.size());
            Zavel::GameCore saved(2, 1);
            QVERIFY2(saved.restoreState(text.toStdString()), qPrintable(where + QStringLiteral(": does not restore")));
            QVERIFY2(QByteArray::fromStdString(saved.serializeState()) == text, qPrintable(where + ": not all state"));
            const QList<QByteArray> log = readFile(logPath).split('\n'); // ends with an empty piece
            QVERIFY2(log.size() >= 3, qPrintable(where + QStringLiteral(": the writer never played")));
            const QByteArray hash = hashLine(text).trimmed();
            QVERIFY2(hash == log.at(log.size() - 2) || hash == log.at(log.size() - 3),
                     qPrintable(where + QStringLiteral(": neither of the last two states saved")));
            insideSave += hash != log.at(log.size() - 2) ? 1 : 0;
        }
        qInfo("%d kills, %d of them inside a save", kills, insideSave);
        // Unless a fair share of the kills fall inside a save, the test proves little.
        QVERIFY(insideSave > kills / 10);
    }
};

QTEST_GUILESS_MAIN(TestAutosaveKill)
#include "tst_autosavekill.moc"
