// The autosave on hostile and failing storage: a save file that is huge, binary, empty, a directory, a
// dangling link, a named pipe or unreadable; a data directory that cannot be written or created; a full disk.
// In every case start() returns at once, deals a new game exactly when there is no usable save, the game goes
// on, a failed save leaves the previous file as it was, and once the storage is back the game is saved again.
//
// Root passes permission checks, so the permission rows drop the file-access override capabilities for the
// row. The full-disk rows mount a small tmpfs in a mount namespace of the test's own, which disappears with
// the process; where that is not allowed they are skipped.

#include "gameengine.h"
#include "gametext.h"
#include "savefiles.h"
#include "withoutfileoverride.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace SaveFiles;

namespace {

// The game as the engine shows it.
QString shown(const GameEngine &engine)
{
    QString out = QStringLiteral("%1 %2 %3 %4").arg(engine.turnPlayer()).arg(engine.winnerPlayer());
    out = out.arg(engine.deckSize()).arg(engine.pendingDraw());
    for (const QVariantList &cards : {engine.discardCards(), engine.playerHand()}) {
        out += QLatin1Char('|');
        for (const QVariant &card : cards)
            out += card.toMap().value(QStringLiteral("id")).toString() + QLatin1Char(' ');
    }
    return out;
}

// Seat 0 makes a move, then the computer seats answer until seat 0 is on turn again or the game is won.
bool playOneRound(GameEngine *engine)
{
    if (!waitUntil([&] { return engine->visualPhase() == GameEngine::Idle; }))
        return false;
    const QString before = shown(*engine);
    int playable = -1;
    for (int i = 0; i < engine->playerHand().size() && playable < 0; ++i)
        playable = engine->isPlayerCardPlayable(i) ? i : -1;
    if (engine->needsSuitChoice())
        engine->chooseSuit(2);
    else if (engine->needsRankChoice())
        engine->chooseRank(9);
    else if (engine->canAcceptPenalty())
        engine->acceptPenalty();
    else if (playable >= 0)
        engine->playCard(playable);
    else
        engine->drawCard();
    return waitUntil([&] {
        return engine->visualPhase() == GameEngine::Idle && (engine->turnPlayer() == 0 || engine->winnerPlayer() != -1)
            && shown(*engine) != before;
    });
}

// The game a fresh engine resumes from the autosave; empty when it deals a new one instead.
QString resumedGame()
{
    GameEngine engine;
    engine.setPaused(true);
    engine.start();
    return engine.lastEvent() == QLatin1String("Game restored") ? shown(engine) : QString();
}

} // namespace

class TestHostileStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && useTestHome(m_home.path()));
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            m_mountError
                = QStringLiteral("no private mount namespace: ") + QString::fromLocal8Bit(std::strerror(errno));
    }

    void init() { QVERIFY(QDir().mkpath(dataDir())); }

    void cleanup()
    {
        if (!m_mount.isEmpty())
            ::umount2(QFile::encodeName(m_mount).constData(), MNT_DETACH);
        m_mount.clear();
        storageBack();
        QDir(QFileInfo(dataDir()).absolutePath()).removeRecursively();
    }

    void storage_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("restores"); // start() resumes the good save that was there
        QTest::addColumn<bool>("failing"); // saves fail until the storage is back: the file stays as it was
        QTest::addColumn<bool>("savedAgain"); // in the end the file holds the live game
        QTest::newRow("4 GiB sparse file of zeros") << "huge" << false << false << true;
        QTest::newRow("binary") << "binary" << false << false << true;
        QTest::newRow("empty") << "empty" << false << false << true;
        QTest::newRow("link to a missing file") << "dangling link" << false << false << true;
        QTest::newRow("named pipe") << "fifo" << false << false << true;
        QTest::newRow("unreadable file") << "unreadable" << false << false << true;
        QTest::newRow("directory") << "directory" << false << false << false;
        QTest::newRow("data directory not writable") << "not writable" << true << true << true;
        QTest::newRow("data directory cannot be created") << "file in the way" << false << true << true;
        QTest::newRow("disk full, a page free") << "full, a page free" << true << true << true;
        QTest::newRow("disk full before the first save") << "full" << false << true << true;
    }

    void storage()
    {
        QFETCH(QString, setup);
        QFETCH(bool, restores);
        QFETCH(bool, failing);
        QFETCH(bool, savedAgain);
        // A three-player game in progress.
        const QByteArray good
            = QByteArray::fromStdString(GameText::stateText("H 8B KB KH 9A LL H 8H 9H AH H 7A TA UH D TB"));
        const QByteArray path = QFile::encodeName(savePath());
        if (setup.startsWith(QLatin1String("full"))) {
            if (m_mountError.isEmpty()
                && ::mount("tmpfs", QFile::encodeName(dataDir()).constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
                m_mountError
                    = QStringLiteral("tmpfs cannot be mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
            if (!m_mountError.isEmpty())
                QSKIP(qPrintable(m_mountError));
            m_mount = dataDir();
        }
        if (restores || setup == "unreadable")
            QVERIFY(writeFile(savePath(), good));

        if (setup == "huge") {
            QFile file(savePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(4) << 30));
        } else if (setup == "binary" || setup == "empty") {
            QByteArray junk(setup == "binary" ? 65536 : 0, '\0');
            for (int i = 0; i < junk.size(); ++i)
                junk[i] = char((i * 7919 + 13) >> 3);
            QVERIFY(writeFile(savePath(), junk));
        } else if (setup == "dangling link") {
            QCOMPARE(::symlink(QFile::encodeName(m_home.filePath("moved.txt")).constData(), path.constData()), 0);
        } else if (setup == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (setup == "directory") {
            QVERIFY(QDir().mkpath(savePath()));
        } else if (setup == "file in the way") {
            const QString parent = QFileInfo(dataDir()).absolutePath();
            QVERIFY(QDir(parent).removeRecursively() && writeFile(parent, "not a directory"));
        } else if (setup.startsWith(QLatin1String("full"))) {
            // Fill the file system to the last byte; with a page given back, a save gets part of its text written.
            QFile fill(filler());
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (fill.write(QByteArray(1024, 'x')) == 1024) { }
            fill.close();
            if (setup == "full, a page free")
                QVERIFY(fill.resize(fill.size() - 4096));
            QVERIFY(QStorageInfo(dataDir()).bytesAvailable() <= 4096);
        }
        WithoutFileOverride permissions;
        if ((setup == "unreadable" || setup == "not writable") && !permissions.permissionsBind())
            QSKIP("root ignores file permissions here and cannot drop its override capabilities");
        if (setup == "unreadable")
            QVERIFY(QFile::setPermissions(savePath(), QFile::WriteOwner));
        if (setup == "not writable")
            QVERIFY(QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::ExeOwner));

        GameEngine engine;
        engine.setAnimationsEnabled(false);
        engine.setAiPlayDelay(0);
        engine.setPlayerCount(2);
        QElapsedTimer clock;
        clock.start();
        engine.start();
        QVERIFY2(clock.elapsed() < 3000, "start() read far more than a save, or blocked");
        QCOMPARE(engine.lastEvent() == QLatin1String("Game restored"), restores);
        QCOMPARE(engine.activePlayerCount(), restores ? 3 : 2);
        const bool played = playOneRound(&engine) && (playOneRound(&engine) || engine.winnerPlayer() != -1);
        const QByteArray during = readFile(savePath());
        const bool fileThere = QFileInfo(savePath()).isFile();

        storageBack();
        QVERIFY2(played, "the game did not go on");
        if (failing && restores)
            QVERIFY2(during == good, "a failed save destroyed the previous good save");
        else if (failing && fileThere)
            QVERIFY2(Zavel::GameCore(2, 1).restoreState(during.toStdString()), "a failed save left a broken file");
        QVERIFY(playOneRound(&engine) || engine.winnerPlayer() != -1);
        if (savedAgain) {
            QCOMPARE(resumedGame(), shown(engine));
        } else {
            QCOMPARE(resumedGame(), QString());
            QVERIFY(QFileInfo(savePath()).isDir());
        }
    }

private:
    QString filler() const { return QDir(dataDir()).filePath(QStringLiteral("filler")); }

    // The storage back to normal: the data directory writable, the disk with room, no file where it belongs.
    void storageBack()
    {
        const QString parent = QFileInfo(dataDir()).absolutePath();
        QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(filler());
        if (QFileInfo(parent).isFile())
            QFile::remove(parent);
    }

    QTemporaryDir m_home;
    QString m_mountError;
    QString m_mount;
};

QTEST_GUILESS_MAIN(TestHostileStorage)
#include "tst_hostilestorage.moc"
