// The autosave: where it lives, what start() makes of it (a missing, damaged or hostile file gives a new game; a
// good one resumes exactly, random engine included; a won game stays won), and what happens when it cannot be
// written.

#include "enginetest.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace EngineTest;

class TestEngineAutosave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterSandbox(&m_home)); }
    void init() { clearDataDir(); }

    void firstStart();
    void restoredRandomEngineContinues();
    void unusableFiles_data();
    void unusableFiles();
    void wonGameStaysWon();
    void failingSave_data();
    void failingSave();

private:
    QTemporaryDir m_home{sandboxTemplate()};
};

namespace {

// Seat 0 has nothing that fits the Ten of Acorns; the talon is empty, so its draw reshuffles the pile.
Situation reshuffleDue()
{
    Situation s;
    s.hands = QStringList{"8B KB KH", "8A 9A 9L UB LB 7A AA KA"};
    s.discard = "TA";
    s.restUnderDiscard = true;
    return s;
}

QByteArray replaceLine(QByteArray text, int index, const QByteArray &line)
{
    QList<QByteArray> lines = text.split('\n');
    lines[index] = line;
    return lines.join('\n');
}

} // namespace

void TestEngineAutosave::firstStart()
{
    GameEngine engine;
    QCOMPARE(engine.saveFilePath(), QDir(dataDir()).filePath("autosave-v1.txt"));
    QVERIFY(!QFileInfo::exists(dataDir())); // neither the constructor nor the path query creates anything

    engine.setPlayerCount(3);
    SignalLog log(&engine);
    engine.start();
    QCOMPARE(engine.visualPhase(), int(GameEngine::Deal));
    QCOMPARE(log.matching("deal:"), QStringList("deal:15"));
    QCOMPARE(engine.lastEvent(), QString());
    QCOMPARE(engine.activePlayerCount(), 3);
    QVERIFY(QFileInfo(savePath()).isFile());
    QCOMPARE(saveMismatch(engine), QString());
    QVERIFY(readSave().startsWith("ZAVEL_STATE_V1\n3 0 -1 -1 -1 0 0 0 -1\n3 0 0 0\nRNG "));
}

void TestEngineAutosave::restoredRandomEngineContinues()
{
    const QByteArray text = stateText(reshuffleDue());
    QVERIFY(!text.isEmpty());
    QVERIFY(writeSave(text));
    Zavel::GameCore expected(2, 1);
    QVERIFY(loadSaved(&expected, text));

    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(0);
    engine.setAi1Difficulty(0); // seat 1 picks among its legal cards at random
    engine.start();
    engine.drawCard();
    QVERIFY(expected.drawCard(0).ok);
    QCOMPARE(readSave(), QByteArray::fromStdString(expected.serializeState()));

    // Seat 1's random pick and everything after it follow the restored engine's outputs.
    const Zavel::AiAction action = expected.chooseAiAction(1, Zavel::AiDifficulty::Random);
    QCOMPARE(int(action.type), int(Zavel::AiActionType::Play));
    const QString id = GameEngine::cardId(expected.hands[1][action.handIndex]);
    QVERIFY(expected.playCard(1, action.handIndex).ok);
    QVERIFY(waitUntil([&] { return engine.turnPlayer() != 1 && engine.visualPhase() == GameEngine::Idle; }));
    QCOMPARE(engine.discardCards().last().toMap().value("id").toString(), id);
    if (expected.pendingChoice == 0)
        QCOMPARE(readSave(), QByteArray::fromStdString(expected.serializeState()));
}

void TestEngineAutosave::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // "file", "directory" or "fifo"
    QTest::addColumn<bool>("restored");

    const QByteArray good = stateText(reshuffleDue());
    QTest::newRow("good") << good << "file" << true;
    QTest::newRow("good, then 2 MiB of junk") << good + QByteArray(2 << 20, '\x01') << "file" << true;
    QTest::newRow("altered header") << replaceLine(good, 0, "ZAVEL_STATE_V2") << "file" << false;
    QTest::newRow("five players") << replaceLine(good, 1, "5 0 -1 -1 -1 0 0 0 -1") << "file" << false;
    // Seat 0's Eight of Bells edited into seat 1's Eight of Acorns: one card twice, one missing.
    QTest::newRow("impossible deal") << replaceLine(good, 5, "H0 3 2,8,-1 0,13,-1 3,13,-1") << "file" << false;
    QTest::newRow("truncated") << good.left(good.indexOf("\nT ")) << "file" << false;
    QTest::newRow("empty") << QByteArray() << "file" << false;
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) % 256);
    QTest::newRow("binary junk") << junk << "file" << false;
    QTest::newRow("directory") << QByteArray() << "directory" << false;
    QTest::newRow("named pipe") << QByteArray() << "fifo" << false;
}

void TestEngineAutosave::unusableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(bool, restored);
    QVERIFY(QDir().mkpath(dataDir()));
    if (kind == "directory")
        QVERIFY(QDir().mkpath(savePath()));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(savePath()).constData(), 0600), 0);
    else
        QVERIFY(writeSave(content));

    GameEngine engine;
    SignalLog log(&engine);
    engine.start(); // must neither block nor crash
    if (restored) {
        // Shown as it was saved, without a deal and without being saved again.
        QCOMPARE(log.lines, QStringList({"lastEvent:Game restored", "status:Your turn", "roundResult", "state"}));
        QCOMPARE(readSave(), content);
        Zavel::GameCore saved(2, 1);
        QVERIFY(loadSaved(&saved, content));
        QCOMPARE(describe(engine), describe(saved));
        return;
    }
    QCOMPARE(engine.visualPhase(), int(GameEngine::Deal));
    QCOMPARE(log.matching("deal:"), QStringList("deal:10"));
    QCOMPARE(engine.lastEvent(), QString());
    if (kind == "directory") {
        QVERIFY(QFileInfo(savePath()).isDir());
        return;
    }
    QVERIFY(QFileInfo(savePath()).isFile());
    QCOMPARE(saveMismatch(engine), QString()); // the fresh deal replaced the file at once
}

void TestEngineAutosave::wonGameStaysWon()
{
    Situation s;
    s.players = 3;
    s.winner = 2;
    s.turn = 2;
    s.hands = QStringList{"8B KB", "9H", ""};
    s.discard = "TA 9A/1 TH/2";
    s.declared = {0};
    const QByteArray text = stateText(s);
    QVERIFY(writeSave(text));
    GameEngine engine;
    engine.setAiPlayDelay(0);
    engine.start();
    const quint64 revision = engine.stateRevision();
    QCOMPARE(engine.winnerPlayer(), 2);
    QCOMPARE(engine.status(), QStringLiteral("AI 2 won the game"));
    QCOMPARE(engine.roundResult(), engine.status());
    QCOMPARE(engine.activeRequestText(), QString());
    QCOMPARE(engine.penaltyText(), QString());
    QVERIFY(!engine.playerInputEnabled());
    QVERIFY(!engine.canDraw());
    QVERIFY(!engine.canAcceptPenalty());
    QVERIFY(!engine.canDeclareZavel());
    QVERIFY(!engine.needsSuitChoice());
    QVERIFY(!engine.needsRankChoice());
    QVERIFY(!engine.isPlayerCardPlayable(0));
    QVERIFY(engine.zavelArmed()); // not gated: seat 0's flag as saved
    QTest::qWait(30); // no computer move follows a finished game
    QCOMPARE(engine.stateRevision(), revision);
    QCOMPARE(readSave(), text);
}

void TestEngineAutosave::failingSave_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only directory") << "read-only directory";
    QTest::newRow("file size limit") << "file size limit";
}

void TestEngineAutosave::failingSave()
{
    QFETCH(QString, cause);
    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(60000);
    Situation s;
    s.hands = QStringList{"8A KB KH", "8H 9H 9L"};
    s.discard = "TA";
    QVERIFY(startFrom(&engine, s));
    const QByteArray before = readSave();

    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit saved = limit;
    if (cause == "read-only directory") {
        QVERIFY(QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(QDir(dataDir()).filePath("probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only directories (root); the file size limit row covers the failure");
        }
    } else {
        // Writes past 64 bytes fail with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 64;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }

    // Nothing is printed until the limit is lifted: the test log may itself be a file.
    engine.playCard(0);
    const bool finished = waitUntil([&] { return engine.visualPhase() == GameEngine::Idle; });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray after = readSave();
    const QStringList files = QDir(dataDir()).entryList(QDir::Files | QDir::NoDotAndDotDot);

    QVERIFY(finished);
    QCOMPARE(engine.turnPlayer(), 1);
    QCOMPARE(describeCards(engine.discardCards(), true), QStringLiteral("2_10/-1 2_8/0"));
    // Play goes on, and the next save succeeds again.
    engine.setAiPlayDelay(0);
    QTRY_COMPARE(engine.turnPlayer(), 0);
    QTRY_COMPARE(engine.visualPhase(), int(GameEngine::Idle));
    QCOMPARE(saveMismatch(engine), QString());

    // Both failed saves (after the play and at the end of its phase) left the previous game intact.
    QCOMPARE(files, QStringList("autosave-v1.txt"));
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after, before);
}

QTEST_GUILESS_MAIN(TestEngineAutosave)
#include "tst_engineautosave.moc"
