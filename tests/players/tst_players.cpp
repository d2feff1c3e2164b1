// The Expert at the table: seats that decide through it play whole games by the rules, a restored game decides as
// the one that went on, a wrong or late answer never stalls or breaks the game, and a hint changes nothing.

#include "expertplayers.h"
#include "savefiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace SaveFiles;

namespace {

// A chooser that answers as it is told, once asked and later: to show what the engine does with a wrong answer
// and with one that comes late.
class StubChooser : public SeatChooser
{
public:
    void prepare(const Zavel::GameCore &, int) override { ++prepared; }
    bool answer(const Zavel::GameCore &, int, Zavel::AiAction *action) override
    {
        ++asked;
        if (!ready)
            return false;
        *action = reply;
        return true;
    }
    Zavel::AiAction reply;
    bool ready = true;
    int prepared = 0;
    int asked = 0;
};

// The random engine's line of a state text.
QByteArray engineLine(const Zavel::GameCore &core)
{
    return QByteArray::fromStdString(core.serializeState()).split('\n').value(3);
}

} // namespace

class TestPlayers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { emptyFolder(m_home.path()); }

    void wholeGamesWithExperts();
    void restoredGameDecidesAsBefore();
    void wrongAnswerFallsBack();
    void lateAnswerWaits();
    void hintChangesNothing();

private:
    // An engine that plays at once, saving in the test's home.
    void quick(GameEngine *engine) const
    {
        engine->setSaveFilePath(savedAutosave());
        engine->setAnimationsEnabled(false);
        engine->setAiPlayDelay(0);
    }

    void setUp(GameEngine *engine, ExpertPlayers *experts, MoveJournal *journal, const QVariantList &levels)
    {
        quick(engine);
        journal->setEngine(engine);
        Zavel::ExpertSettings settings;
        settings.playouts = 60; // enough to decide, quick enough for the sanitizer builds
        experts->setSettings(settings);
        experts->setJournal(journal);
        experts->setEngine(engine);
        experts->setLevels(levels);
    }

    QString savedAutosave() const { return m_home.filePath(QStringLiteral("autosave-v1.txt")); }

    // Seat 1 holds the Nine and the Eight of Hearts, which fit, and the King of Leaves, and decides through the
    // stub; the engine waits, paused, until the test lets it go on.
    bool startWithStub(GameEngine *engine, StubChooser *stub)
    {
        const bool written = writeGameTo(savedAutosave(), "H 8B KB KH H 9H 8H KL D TH turn=1");
        quick(engine);
        engine->setPaused(true);
        engine->start();
        engine->setSeatChooser(1, stub);
        return written;
    }

    QTemporaryDir m_home;
};

// Three Expert seats and the player's seat driven by its first legal move: every game ends, by the rules alone
// (the audit would say otherwise), and the engine keeps Hard as the Expert seats' level.
void TestPlayers::wholeGamesWithExperts()
{
    for (int game = 0; game < 3; ++game) {
        GameEngine engine;
        MoveJournal journal;
        ExpertPlayers experts;
        setUp(&engine, &experts, &journal, {0, 4, 4, 4});
        engine.setPlayerCount(4);
        engine.setDifficulty(1, 3);
        engine.start();
        for (int moves = 0; moves < 400 && engine.winnerPlayer() < 0; ++moves) {
            QVERIFY(waitUntil([&] { return engine.winnerPlayer() >= 0 || engine.playerInputEnabled(); }, 10000));
            if (engine.winnerPlayer() >= 0)
                break;
            const Zavel::AiAction action = Zavel::GameCore(engine.core()).chooseAiAction(0, Zavel::AiDifficulty::Easy);
            if (action.type == Zavel::AiActionType::Play)
                engine.playCard(action.handIndex);
            else if (engine.needsSuitChoice())
                engine.chooseSuit(action.choice);
            else if (engine.needsRankChoice())
                engine.chooseRank(action.choice);
            else
                action.type == Zavel::AiActionType::Draw ? engine.drawCard() : engine.acceptPenalty();
        }
        QVERIFY2(engine.winnerPlayer() >= 0, "the game ends");
        QCOMPARE(engine.ai1Difficulty(), 3);
    }
}

// After a restart the Expert seat takes the move it would have taken: same view, same history, same choice.
void TestPlayers::restoredGameDecidesAsBefore()
{
    const QString game = "H 8B KB KH 9L TA H 8H 9H UB 7L LA 8A 9A TB TL H KL KA 7B LB 9B D TH/0 turn=1";
    QVERIFY(writeGameTo(savedAutosave(), game));
    QStringList decided;
    for (int run = 0; run < 2; ++run) {
        GameEngine engine;
        MoveJournal journal;
        ExpertPlayers experts;
        engine.setPaused(true);
        setUp(&engine, &experts, &journal, {0, 4, 2, 3});
        engine.setPlayerCount(3);
        engine.start();
        if (run == 0) {
            // One move of seat 1 as the game goes on, then the save is taken back to before it: the restored game
            // must make the same move.
            const QByteArray before = readFile(savedAutosave());
            const QByteArray log = readFile(journal.filePath());
            engine.setPaused(false);
            QVERIFY(waitUntil([&] { return engine.turnPlayer() != 1; }, 10000));
            decided << QString::fromStdString(Zavel::recordText(journal.records().at(1)));
            QVERIFY(writeFile(savedAutosave(), before) && writeFile(journal.filePath(), log));
            continue;
        }
        engine.setPaused(false);
        QVERIFY(waitUntil([&] { return engine.turnPlayer() != 1; }, 10000));
        decided << QString::fromStdString(Zavel::recordText(journal.records().at(1))); // after the single restore line
    }
    QCOMPARE(decided[1], decided[0]);
}

// An answer the rules refuse is replaced by a legal action, found without the game's random engine.
void TestPlayers::wrongAnswerFallsBack()
{
    GameEngine engine;
    MoveJournal journal;
    StubChooser stub;
    stub.reply = {Zavel::AiActionType::Draw}; // seat 1 holds cards that fit: it may not draw
    journal.setEngine(&engine);
    QVERIFY(startWithStub(&engine, &stub));
    const QByteArray rng = engineLine(engine.core());
    engine.setPaused(false);
    QVERIFY(waitUntil([&] { return engine.turnPlayer() == 0; }));
    QCOMPARE(QString::fromStdString(Zavel::recordText(journal.records().back())), QString("play 1 0 0 -1 1 3,9,1"));
    QCOMPARE(engineLine(engine.core()), rng);
}

// A chooser that is not ready holds the move until it calls back; one that leaves meanwhile gives the seat back to
// its level, and the game goes on.
void TestPlayers::lateAnswerWaits()
{
    for (const bool leaves : {false, true}) {
        GameEngine engine;
        StubChooser stub;
        stub.ready = false;
        stub.reply = {Zavel::AiActionType::Play, 1};
        QVERIFY(startWithStub(&engine, &stub));
        engine.setPaused(false);
        QVERIFY(waitUntil([&] { return stub.asked > 0; }));
        QTest::qWait(20);
        QCOMPARE(engine.turnPlayer(), 1);
        if (leaves) {
            engine.setSeatChooser(1, nullptr);
        } else {
            stub.ready = true;
            engine.seatChooserReady();
        }
        QVERIFY(waitUntil([&] { return engine.turnPlayer() == 0; }));
        QCOMPARE(engine.core().discard.back().playedBy, 1);
        if (!leaves)
            QCOMPARE(engine.core().discard.back().rank, int(Zavel::Eight));
        QVERIFY(stub.prepared > 0);
    }
}

// A hint names a legal action of the player and changes nothing: not the game, not its random engine, not the
// autosave.
void TestPlayers::hintChangesNothing()
{
    const QString game = "H 8B KB KH 9L TA 7H H 8H 9H UB 7L D TH 7A/1 draw=2";
    QVERIFY(writeGameTo(savedAutosave(), game));
    GameEngine engine;
    MoveJournal journal;
    ExpertPlayers experts;
    setUp(&engine, &experts, &journal, {0, 1, 2, 3});
    engine.start();
    const std::string state = engine.core().serializeState();
    const QByteArray saved = readFile(savedAutosave());
    const quint64 revision = engine.stateRevision();
    experts.askHint();
    QVERIFY(waitUntil([&] { return !experts.hint().isEmpty(); }));
    const QVariantMap hint = experts.hint();
    const bool legal = hint["kind"] == "accept"
        || (hint["kind"] == "card" && engine.isPlayerCardPlayable(hint["handIndex"].toInt()));
    QVERIFY2(legal, qPrintable(hint["kind"].toString()));
    QCOMPARE(engine.core().serializeState(), state);
    QCOMPARE(readFile(savedAutosave()), saved);
    QCOMPARE(engine.stateRevision(), revision);
    engine.acceptPenalty();
    QVERIFY(experts.hint().isEmpty());
}

QTEST_GUILESS_MAIN(TestPlayers)
#include "tst_players.moc"
