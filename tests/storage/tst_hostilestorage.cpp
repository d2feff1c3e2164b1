// The autosave on hostile and failing storage. Reading: a save file that is huge, binary, empty, a directory, a
// dangling or looping link, a named pipe or unreadable. Writing: a data directory that is read-only (by its
// permissions or its file system), that cannot be created, or that sits on a full disk. In every case start()
// must return without crashing or blocking, deal a new game exactly when there is no usable save, the game must
// go on, and a good save that was there must not be destroyed by a save that failed.
//
// Root passes permission checks, so for the permission rows the test drops its file-access override
// capabilities for the duration of the row. The file-system rows mount small tmpfs file systems in a mount
// namespace of the test's own, which disappears with the process; without the right to do so they are skipped.

#include "gameengine.h"
#include "selfplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Drops the capabilities that let root read and write whatever the permissions say, from the effective set
// only, so that they come back at the end of the scope.
class PermissionsApply
{
public:
    PermissionsApply()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_header.pid = 0;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, m_saved, sizeof reduced);
        const unsigned mask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        reduced[0].effective &= ~mask;
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~PermissionsApply()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsApply(const PermissionsApply &) = delete;
    PermissionsApply &operator=(const PermissionsApply &) = delete;

    // True when permissions now bind this process: it is not root, or root without the override.
    static bool bind(bool dropped) { return ::geteuid() != 0 || dropped; }
    bool active() const { return m_active; }

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

QString dataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString savePath()
{
    return QDir(dataDir()).filePath(QStringLiteral("autosave-v1.txt"));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    QTimer guard;
    guard.start(20);
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A three-player game in progress with seat 0 on turn.
QByteArray goodSave()
{
    Zavel::GameCore core(3, 4711);
    Zavel::SelfPlaySetup setup;
    setup.levels = {1, 2, 3};
    setup.maxActions = 1;
    for (int i = 0; i < 4 || core.currentPlayer != 0; ++i)
        Zavel::playSelf(core, setup);
    return QByteArray::fromStdString(core.serializeState());
}

// The game as the engine shows it, for telling whether it moved on.
QString shown(const GameEngine &engine)
{
    QString out = QStringLiteral("%1 %2 %3 %4|")
                      .arg(engine.turnPlayer())
                      .arg(engine.winnerPlayer())
                      .arg(engine.deckSize())
                      .arg(engine.pendingDraw());
    for (const QVariant &card : engine.discardCards())
        out += card.toMap().value(QStringLiteral("id")).toString() + QLatin1Char(' ');
    out += QLatin1Char('|');
    for (const QVariant &card : engine.playerHand())
        out += card.toMap().value(QStringLiteral("id")).toString() + QLatin1Char(' ');
    return out;
}

// Seat 0 makes one move, as the interface would offer it; then the computer seats answer until seat 0 is on
// turn again. True when the game moved on and settled.
bool playOneRound(GameEngine *engine)
{
    if (!waitUntil([&] { return engine->visualPhase() == GameEngine::Idle; }))
        return false;
    const QString before = shown(*engine);
    if (engine->needsSuitChoice()) {
        engine->chooseSuit(2);
    } else if (engine->needsRankChoice()) {
        engine->chooseRank(9);
    } else if (engine->canAcceptPenalty()) {
        engine->acceptPenalty();
    } else {
        int playable = -1;
        for (int i = 0; i < engine->playerHand().size() && playable < 0; ++i)
            playable = engine->isPlayerCardPlayable(i) ? i : -1;
        if (playable >= 0)
            engine->playCard(playable);
        else if (engine->canDraw())
            engine->drawCard();
        else
            return false;
    }
    return waitUntil([&] {
        return engine->visualPhase() == GameEngine::Idle && (engine->turnPlayer() == 0 || engine->winnerPlayer() != -1)
            && shown(*engine) != before;
    });
}

// The game that a fresh engine resumes from the autosave, or an empty string when it deals a new one.
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
    void initTestCase();
    void init();
    void cleanup();

    void unusableSaveFile_data();
    void unusableSaveFile();
    void failingStorage_data();
    void failingStorage();

private:
    bool mountTmpfs(const QString &where, const QByteArray &options);

    QTemporaryDir m_home;
    QString m_mountError;
    QStringList m_mounts;
};

void TestHostileStorage::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    QVERIFY(dataDir().startsWith(m_home.path()));

    // A mount namespace of our own: the tmpfs mounts below are invisible to the rest of the machine and vanish
    // with this process, even if it dies.
    if (::unshare(CLONE_NEWNS) != 0)
        m_mountError = QStringLiteral("no mount namespace of our own: ") + QString::fromLocal8Bit(std::strerror(errno));
    else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        m_mountError = QStringLiteral("mounts cannot be made private: ") + QString::fromLocal8Bit(std::strerror(errno));
}

void TestHostileStorage::init()
{
    QVERIFY(QDir().mkpath(dataDir()));
}

void TestHostileStorage::cleanup()
{
    while (!m_mounts.isEmpty())
        ::umount2(QFile::encodeName(m_mounts.takeLast()).constData(), MNT_DETACH);
    const QString parent = QFileInfo(dataDir()).absolutePath();
    QFile::setPermissions(parent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo(parent).isFile())
        QFile::remove(parent);
    QDir(parent).removeRecursively();
}

bool TestHostileStorage::mountTmpfs(const QString &where, const QByteArray &options)
{
    if (!m_mountError.isEmpty() || !QDir().mkpath(where))
        return false;
    if (::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options.constData()) != 0) {
        m_mountError = QStringLiteral("tmpfs cannot be mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_mounts << where;
    return true;
}

void TestHostileStorage::unusableSaveFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("restores"); // start() resumes the saved game rather than dealing a new one
    QTest::addColumn<bool>("saves"); // the game is saved again once play goes on
    QTest::newRow("4 GiB sparse file of zeros") << "huge" << false << true;
    QTest::newRow("good save, then 8 MiB of junk") << "good then junk" << true << true;
    QTest::newRow("binary") << "binary" << false << true;
    QTest::newRow("empty") << "empty" << false << true;
    QTest::newRow("good save with its last line cut") << "cut" << false << true;
    QTest::newRow("link to a good save") << "link to good" << true << true;
    QTest::newRow("link to a missing file") << "dangling link" << false << true;
    // The save is written where the link points, and that folder is missing: saves fail, silently, and the
    // link stays as the user made it.
    QTest::newRow("link into a missing folder") << "link into nowhere" << false << false;
    QTest::newRow("link to itself") << "link loop" << false << true;
    QTest::newRow("named pipe") << "fifo" << false << true;
    // A file the engine cannot read is replaced by the next save like any unusable one.
    QTest::newRow("unreadable file") << "unreadable" << false << true;
    QTest::newRow("directory") << "directory" << false << false;
}

void TestHostileStorage::unusableSaveFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, restores);
    QFETCH(bool, saves);
    const QByteArray good = goodSave();
    const QByteArray path = QFile::encodeName(savePath());
    if (kind == "huge") {
        QFile file(savePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(4) << 30));
    } else if (kind == "good then junk") {
        QVERIFY(writeFile(savePath(), good + QByteArray(8 << 20, '\x07')));
    } else if (kind == "binary") {
        QByteArray junk(65536, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 7919 + 13) >> 3);
        QVERIFY(writeFile(savePath(), junk));
    } else if (kind == "empty") {
        QVERIFY(writeFile(savePath(), QByteArray()));
    } else if (kind == "cut") {
        QVERIFY(writeFile(savePath(), good.left(good.lastIndexOf(' '))));
    } else if (kind == "directory") {
        QVERIFY(QDir().mkpath(savePath()));
    } else if (kind == "dangling link") {
        QCOMPARE(::symlink(QFile::encodeName(m_home.filePath("moved.txt")).constData(), path.constData()), 0);
    } else if (kind == "link into nowhere") {
        QCOMPARE(::symlink(QFile::encodeName(m_home.filePath("gone/autosave")).constData(), path.constData()), 0);
    } else if (kind == "link loop") {
        QCOMPARE(::symlink(path.constData(), path.constData()), 0);
    } else if (kind == "link to good") {
        QVERIFY(writeFile(m_home.filePath("elsewhere.txt"), good));
        QCOMPARE(::symlink(QFile::encodeName(m_home.filePath("elsewhere.txt")).constData(), path.constData()), 0);
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (kind == "unreadable") {
        QVERIFY(writeFile(savePath(), good));
        QVERIFY(QFile::setPermissions(savePath(), QFile::WriteOwner));
    }

    PermissionsApply permissions;
    if (kind == "unreadable" && !PermissionsApply::bind(permissions.active()))
        QSKIP("root ignores file permissions here and its override capability cannot be dropped");

    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(0);
    engine.setPlayerCount(2);
    QElapsedTimer clock;
    clock.start();
    engine.start();
    QVERIFY2(clock.elapsed() < 3000, "start() took seconds: it read far more than a save");
    if (restores) {
        QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));
        QCOMPARE(engine.activePlayerCount(), 3);
    } else {
        QCOMPARE(engine.visualPhase(), int(GameEngine::Deal)); // a new game, dealt with the configured count
        QCOMPARE(engine.activePlayerCount(), 2);
    }
    QVERIFY(playOneRound(&engine));
    QVERIFY(playOneRound(&engine) || engine.winnerPlayer() != -1);

    const QFileInfo before(savePath());
    if (saves) {
        QCOMPARE(resumedGame(), shown(engine));
    } else {
        QCOMPARE(resumedGame(), QString());
        QCOMPARE(QFileInfo(savePath()).isSymLink(), before.isSymLink());
        QCOMPARE(QFileInfo(savePath()).isDir(), before.isDir());
    }
}

void TestHostileStorage::failingStorage_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("withSave"); // a good save is there before the storage fails
    QTest::newRow("data directory not writable (permissions)") << "permissions" << true;
    QTest::newRow("data directory on a read-only file system") << "read-only" << true;
    QTest::newRow("data directory cannot be created (a file in the way)") << "file in the way" << false;
    QTest::newRow("data directory cannot be created (read-only parent)") << "read-only parent" << false;
    QTest::newRow("disk full, a page free") << "full, a page free" << true;
    QTest::newRow("disk full, nothing free") << "full" << true;
    QTest::newRow("disk full before the first save") << "full" << false;
}

void TestHostileStorage::failingStorage()
{
    QFETCH(QString, cause);
    QFETCH(bool, withSave);
    const QString parent = QFileInfo(dataDir()).absolutePath();
    if (cause == "read-only" || cause.startsWith("full")) {
        if (!mountTmpfs(dataDir(), "size=64k,mode=0700"))
            QSKIP(qPrintable(m_mountError));
    } else if (cause == "read-only parent") {
        QDir(dataDir()).removeRecursively();
        if (!mountTmpfs(parent, "size=64k,mode=0700"))
            QSKIP(qPrintable(m_mountError));
    }
    const QByteArray good = goodSave();
    if (withSave)
        QVERIFY(writeFile(savePath(), good));

    // Make the storage fail.
    const QString filler = QDir(dataDir()).filePath(QStringLiteral("filler"));
    PermissionsApply permissions;
    if (cause == "permissions") {
        if (!PermissionsApply::bind(permissions.active()))
            QSKIP("root ignores file permissions here and its override capability cannot be dropped");
        QVERIFY(QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::ExeOwner));
    } else if (cause == "read-only") {
        QCOMPARE(
            ::mount(nullptr, QFile::encodeName(dataDir()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    } else if (cause == "file in the way") {
        QVERIFY(QDir(parent).removeRecursively());
        QVERIFY(writeFile(parent, "not a directory"));
    } else if (cause == "read-only parent") {
        QCOMPARE(::mount(nullptr, QFile::encodeName(parent).constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k"),
                 0);
    } else if (cause.startsWith("full")) {
        // Fill the file system to the last byte, then give back one page where asked: a save then gets part of
        // its text written before the disk is full.
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(1024, 'x');
        while (fill.write(chunk) == chunk.size()) { }
        fill.close();
        if (cause == "full, a page free")
            QVERIFY(QFile::resize(filler, QFileInfo(filler).size() - 4096));
        QVERIFY(QStorageInfo(dataDir()).bytesAvailable() <= 4096);
    }

    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(0);
    engine.setPlayerCount(2);
    engine.start();
    if (withSave) {
        QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));
        QCOMPARE(engine.activePlayerCount(), 3);
    } else {
        QCOMPARE(engine.visualPhase(), int(GameEngine::Deal));
    }
    const bool played = playOneRound(&engine) && (playOneRound(&engine) || engine.winnerPlayer() != -1);
    const QByteArray after = readFile(savePath());
    const bool saveExists = QFileInfo::exists(savePath());

    // Storage back to normal: the next move saves the game again.
    if (cause == "permissions")
        QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    else if (cause == "read-only")
        ::mount(nullptr, QFile::encodeName(dataDir()).constData(), nullptr, MS_REMOUNT, "size=64k");
    else if (cause == "file in the way")
        QFile::remove(parent);
    else if (cause == "read-only parent")
        ::mount(nullptr, QFile::encodeName(parent).constData(), nullptr, MS_REMOUNT, "size=64k");
    else if (cause.startsWith("full"))
        QFile::remove(filler);

    QVERIFY2(played, "the game did not go on while saving failed");
    if (withSave) {
        QCOMPARE(after.size(), good.size());
        QVERIFY2(after == good, "a failed save destroyed the previous good save");
    } else if (saveExists) {
        Zavel::GameCore saved(2, 1);
        QVERIFY2(saved.restoreState(after.toStdString()), "a failed first save left a broken file behind");
    }
    QVERIFY(playOneRound(&engine) || engine.winnerPlayer() != -1);
    QCOMPARE(resumedGame(), shown(engine));
}

QTEST_GUILESS_MAIN(TestHostileStorage)
#include "tst_hostilestorage.moc"
