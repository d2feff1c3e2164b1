// The animation handshake and the human actions around it: the fixed order of the signals of every phase,
// completions that arrive late, twice, of the wrong kind or never, animations switched off, and actions that
// the engine must refuse without a trace.

#include "enginetest.h"

#include <QtTest>

using namespace EngineTest;

class TestEnginePhases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterSandbox(&m_home)); }
    void init() { clearDataDir(); }

    void humanPlay();
    void forgottenDeclaration();
    void handlerCompletesAtOnce();
    void animationsOff();
    void interruptedFlight_data();
    void interruptedFlight();
    void acceptedActions_data();
    void acceptedActions();
    void repeatedDeclarationWhilePaused();
    void refusedActions_data();
    void refusedActions();
    void computerMovesAfterDefaultDelay();
    void watchdog();

private:
    QTemporaryDir m_home{sandboxTemplate()};
};

namespace {

// Seat 0 holds the Eight of Acorns, which fits the Ten of Acorns, and two Kings that do not.
Situation freeTurn()
{
    Situation s;
    s.hands = QStringList{"8A KB KH", "8H 9H 9L"};
    s.discard = "TA";
    return s;
}

// Seat 0 holds two cards without having declared; the four cards on top of the talon are the penalty.
Situation lastButOne()
{
    Situation s;
    s.hands = QStringList{"8A KB", "8H 9H 9L"};
    s.discard = "TA";
    s.talon = "7L 8L KL AL";
    return s;
}

const QString penaltyMoves = "0:1_14@1#0 0:1_13@2#1 0:1_8@3#2 0:1_7@4#3";

} // namespace

void TestEnginePhases::humanPlay()
{
    GameEngine engine;
    engine.setAiPlayDelay(50);
    QVERIFY(startFrom(&engine, freeTurn()));
    SignalLog log(&engine);
    QVERIFY(markSave());
    for (auto complete :
         {&GameEngine::completeCardAnimation, &GameEngine::completeDrawAnimation, &GameEngine::completeDealAnimation})
        (engine.*complete)(); // nothing runs: each is ignored
    QCOMPARE(log.lines, QStringList());
    QVERIFY(saveUntouched());
    engine.playCard(0);
    // The previous event text stays while the card flies.
    QCOMPARE(log.lines, QStringList({"phase:1", "card:2_8 by 0 from 0 []", "state", "status:AI 1's turn"}));
    QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));
    QCOMPARE(saveMismatch(engine), QString());
    QCOMPARE(describeCards(engine.discardCards(), true), QStringLiteral("2_10/-1 2_8/0"));
    QVERIFY(!engine.playerInputEnabled());
    QVERIFY(!engine.isPlayerCardPlayable(0));

    QVERIFY(markSave());
    log.clear();
    engine.completeDealAnimation();
    engine.completeDrawAnimation();
    QCOMPARE(log.lines, QStringList());
    QTimer::singleShot(30, &engine, &GameEngine::completeCardAnimation);
    QTRY_COMPARE(engine.visualPhase(), int(GameEngine::Idle));
    QCOMPARE(log.lines, QStringList({"phase:0", "status:AI 1's turn", "roundResult", "state"}));
    QVERIFY(!saveUntouched()); // the end of a phase saves again
    engine.completeCardAnimation(); // a second completion is late
    QCOMPARE(log.lines.size(), 4);
    // Seat 1 answers with the Eight of Hearts once its delay has passed.
    QTRY_COMPARE(log.matching("card:"), QStringList("card:3_8 by 1 from 0 []"));
}

void TestEnginePhases::forgottenDeclaration()
{
    GameEngine engine;
    engine.setPaused(true);
    QVERIFY(startFrom(&engine, lastButOne()));
    engine.setPaused(false);
    QVERIFY(engine.canDeclareZavel());
    SignalLog log(&engine);
    engine.playCard(0);
    const QString forgot = QString::fromUtf8("lastEvent:You forgot Zavél — four penalty cards");
    QCOMPARE(
        log.lines,
        QStringList({forgot, "phase:1", "card:2_8 by 0 from 0 [" + penaltyMoves + "]", "state", "status:AI 1's turn"}));
    QCOMPARE(describeCards(engine.playerHand(), false), QStringLiteral("0_13 1_14 1_13 1_8 1_7"));
    QCOMPARE(saveMismatch(engine), QString());

    // The cards drawn with the play are shown once the card has landed, without passing Idle.
    log.clear();
    engine.completeCardAnimation();
    QCOMPARE(log.lines, QStringList({"phase:2", "draw:[" + penaltyMoves + "]", "state", "status:AI 1's turn"}));
    log.clear();
    engine.completeDrawAnimation();
    QCOMPARE(log.lines, QStringList({"phase:0", "status:AI 1's turn", "roundResult", "state"}));
}

void TestEnginePhases::handlerCompletesAtOnce()
{
    GameEngine engine;
    engine.setAiPlayDelay(60000);
    QVERIFY(startFrom(&engine, lastButOne()));
    SignalLog log(&engine);
    auto answer = [&](void (GameEngine::*complete)()) {
        ++log.depth;
        (engine.*complete)();
        --log.depth;
    };
    connect(&engine, &GameEngine::cardAnimationRequested, this, [&] { answer(&GameEngine::completeCardAnimation); });
    connect(&engine, &GameEngine::drawAnimationRequested, this, [&] { answer(&GameEngine::completeDrawAnimation); });
    engine.playCard(0);
    // The request's own stateChanged and status follow whatever the handlers did.
    const QString forgot = QString::fromUtf8("lastEvent:You forgot Zavél — four penalty cards");
    QCOMPARE(log.lines,
             QStringList({forgot, "phase:1", "card:2_8 by 0 from 0 [" + penaltyMoves + "]", ">phase:2",
                          ">draw:[" + penaltyMoves + "]", ">>phase:0", ">>status:AI 1's turn", ">>roundResult",
                          ">>state", ">state", ">status:AI 1's turn", "state", "status:AI 1's turn"}));
    QCOMPARE(log.phaseOrderProblem(), QString());
    QCOMPARE(engine.visualPhase(), int(GameEngine::Idle));
}

// New games may be dealt while paused; their deal phases still end, and seat 0 starts each of them.
void TestEnginePhases::animationsOff()
{
    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setPaused(true);
    SignalLog log(&engine);
    for (int game = 0; game < 3; ++game) {
        const quint64 revision = engine.stateRevision();
        log.clear();
        engine.newGame();
        QCOMPARE(engine.visualPhase(), int(GameEngine::Deal));
        QCOMPARE(log.lines, QStringList({"phase:3", "deal:10", "state", "status:Your turn"}));
        QCOMPARE(saveMismatch(engine), QString());
        QTRY_COMPARE(engine.visualPhase(), int(GameEngine::Idle));
        QCOMPARE(log.lines.mid(4), QStringList({"phase:0", "status:Your turn", "roundResult", "state"}));
        QCOMPARE(engine.stateRevision(), revision + 2);
    }
}

void TestEnginePhases::interruptedFlight_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("log");
    const QString forgottenDraws = "draw:[" + penaltyMoves + "]";
    // The flight completes at once; the draw phase it owes ends on the next pass of the event loop.
    QTest::newRow("animations off") << "animationsEnabled"
                                    << QStringList(
                                           {"animations", "phase:2", forgottenDraws, "state", "status:AI 1's turn"});
    // A new deal or a restore replaces the phase; the cards drawn with the play are never shown.
    QTest::newRow("new game") << "newGame"
                              << QStringList({"lastEvent:", "phase:3", "deal:10", "state", "status:Your turn"});
    QTest::newRow("start") << "start"
                           << QStringList(
                                  {"phase:0", "lastEvent:Game restored", "status:AI 1's turn", "roundResult", "state"});
}

void TestEnginePhases::interruptedFlight()
{
    QFETCH(QString, action);
    QFETCH(QStringList, log);
    GameEngine engine;
    engine.setAiPlayDelay(60000);
    QVERIFY(startFrom(&engine, lastButOne()));
    engine.playCard(0);
    SignalLog signalLog(&engine);
    if (action == "animationsEnabled")
        QVERIFY(engine.setProperty("animationsEnabled", false));
    else
        QVERIFY(QMetaObject::invokeMethod(&engine, qPrintable(action)));
    QCOMPARE(signalLog.lines, log);
    signalLog.clear();
    engine.completeCardAnimation();
    QCOMPARE(signalLog.lines, QStringList());
    engine.completeDealAnimation();
    QTRY_COMPARE(engine.visualPhase(), int(GameEngine::Idle));
    QCOMPARE(signalLog.matching("draw:"), QStringList());
    QCOMPARE(saveMismatch(engine), QString());
}

void TestEnginePhases::acceptedActions_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("log");

    // After each action seat 1 finds nothing that fits and draws the Ten of Leaves from the talon.
    const QStringList seat1Draws = {"lastEvent:AI 1 draws a card", "phase:2", "draw:[1:1_10@3#0]", "state"};
    Situation s;
    s.hands = QStringList{"8B KB KH", "9H 8H KL"};
    s.discard = "TA";
    s.talon = "TL";
    QTest::newRow("draw") << stateText(s) << "drawCard"
                          << QStringList({"lastEvent:You drew a card", "phase:2", "draw:[0:1_10@3#0]", "state",
                                          "status:AI 1's turn"});
    // All other cards are in the hands: the draw finds nothing, and its phase runs all the same.
    Situation empty;
    empty.hands = QStringList{"7B 8B 9B KB AB 7L 8L 9L KL AL 7H 8H 9H KH AH",
                              "7A 8A 9A LA UA KA AA TB TL TH LB LL LH UB UL UH"};
    empty.discard = "TA";
    QTest::newRow("draw nothing") << stateText(empty) << "drawCard"
                                  << QStringList({"lastEvent:You drew a card", "phase:2", "draw:[]", "state",
                                                  "status:AI 1's turn"});
    s.discard = "TA 7A/1";
    s.pendingDraw = 4;
    s.talon = "9A TL 7L 8L";
    QTest::newRow("draw penalty") << stateText(s) << "acceptPenalty"
                                  << QStringList({"lastEvent:You drew 4 penalty cards", "phase:2",
                                                  "draw:[0:1_8@3#0 0:1_7@4#1 0:1_10@5#2 0:2_9@6#3]", "state",
                                                  "status:AI 1's turn"});
    s.pendingDraw = 0;
    s.pendingSkip = true;
    s.discard = "TA AA/1";
    s.talon = "TL";
    QTest::newRow("skip") << stateText(s) << "acceptPenalty"
                          << QStringList(
                                 {"lastEvent:You skipped your turn", "status:AI 1's turn", "roundResult", "state"})
            + seat1Draws + QStringList("status:Your turn");
    s.pendingSkip = false;
    s.choice = 1;
    s.discard = "TA UA/0";
    QTest::newRow("suit") << stateText(s) << "chooseSuit 2"
                          << QStringList({"lastEvent:You requested Acorns",
                                          QString::fromUtf8("status:AI 1 — Acorns requested"), "roundResult", "state"})
            + seat1Draws + QStringList(QString::fromUtf8("status:Player — Acorns requested"));
    s.choice = 2;
    s.discard = "TA LA/0";
    QTest::newRow("rank") << stateText(s) << "chooseRank 11"
                          << QStringList({"lastEvent:You requested Lower",
                                          QString::fromUtf8("status:AI 1 — Lower requested"), "roundResult", "state"})
            + seat1Draws + QStringList(QString::fromUtf8("status:Player — Lower requested"));
}

void TestEnginePhases::acceptedActions()
{
    QFETCH(QByteArray, state);
    QFETCH(QString, action);
    QFETCH(QStringList, log);
    QVERIFY(!state.isEmpty());
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setAiPlayDelay(0);
    engine.start();
    QVERIFY(markSave());
    SignalLog signalLog(&engine);
    const QStringList words = action.split(' ');
    if (words.size() == 1)
        QVERIFY(QMetaObject::invokeMethod(&engine, qPrintable(words.at(0))));
    else
        QVERIFY(QMetaObject::invokeMethod(&engine, qPrintable(words.at(0)), Q_ARG(int, words.at(1).toInt())));
    QVERIFY(!saveUntouched());
    QVERIFY(waitUntil([&] { return signalLog.lines.size() >= log.size(); }, 2000));
    QTest::qWait(20); // the engine now waits for an animation or for the human
    QCOMPARE(signalLog.lines, log);
    QCOMPARE(saveMismatch(engine), QString());
}

void TestEnginePhases::repeatedDeclarationWhilePaused()
{
    GameEngine engine;
    QVERIFY(startFrom(&engine, lastButOne()));
    engine.setPaused(true);
    QVERIFY(!engine.canDeclareZavel());
    QVERIFY(markSave());
    SignalLog log(&engine);
    engine.declareZavel();
    QCOMPARE(log.lines,
             QStringList({QString::fromUtf8("lastEvent:Zavél!"), "status:Your turn", "roundResult", "state"}));
    QVERIFY(!saveUntouched());
    QVERIFY(engine.zavelArmed());
    QCOMPARE(saveMismatch(engine), QString());

    // Declaring again is accepted by the rules: saved and announced again, with the same text.
    QVERIFY(markSave());
    log.clear();
    engine.declareZavel();
    QCOMPARE(log.lines, QStringList({"status:Your turn", "roundResult", "state"}));
    QVERIFY(!saveUntouched());

    // Playing is still closed while paused.
    log.clear();
    engine.playCard(0);
    QCOMPARE(log.lines, QStringList());
    engine.setPaused(false);
    QVERIFY(!engine.canDeclareZavel());
    engine.playCard(0);
    QCOMPARE(log.matching("card:"), QStringList("card:2_8 by 0 from 0 []"));
    QVERIFY(!engine.zavelArmed());
}

void TestEnginePhases::refusedActions_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<int>("before"); // 0 nothing, 1 seat 0 plays its first card, 2 seat 1 plays a card
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("action");

    Situation s = freeTurn();
    const QByteArray free = stateText(s);
    QTest::newRow("play at -1") << free << 0 << false << "playCard -1";
    QTest::newRow("play past the hand") << free << 0 << false << "playCard 3";
    QTest::newRow("play an unplayable card") << free << 0 << false << "playCard 1";
    QTest::newRow("play while paused") << free << 0 << true << "playCard 0";
    QTest::newRow("draw holding a playable card") << free << 0 << false << "drawCard";
    QTest::newRow("accept without a penalty") << free << 0 << false << "acceptPenalty";
    QTest::newRow("declare with three cards") << free << 0 << false << "declareZavel";
    QTest::newRow("suit without a choice") << free << 0 << false << "chooseSuit 1";
    QTest::newRow("rank without a choice") << free << 0 << false << "chooseRank 9";

    s.choice = 1;
    s.discard = "TA UA/0";
    QTest::newRow("suit 4") << stateText(s) << 0 << false << "chooseSuit 4";
    QTest::newRow("suit -1") << stateText(s) << 0 << false << "chooseSuit -1";
    QTest::newRow("rank while a suit is owed") << stateText(s) << 0 << false << "chooseRank 9";
    QTest::newRow("play while a suit is owed") << stateText(s) << 0 << false << "playCard 0";
    s.choice = 2;
    s.discard = "TA LA/0";
    QTest::newRow("rank 6") << stateText(s) << 0 << false << "chooseRank 6";
    QTest::newRow("rank 15") << stateText(s) << 0 << false << "chooseRank 15";
    QTest::newRow("suit while a rank is owed") << stateText(s) << 0 << false << "chooseSuit 1";
    s.choice = 0;
    s.pendingDraw = 2;
    s.discard = "TA 7A/1";
    QTest::newRow("draw under a penalty") << stateText(s) << 0 << false << "drawCard";
    s.turn = 1;
    QTest::newRow("accept for another seat") << stateText(s) << 0 << true << "acceptPenalty";
    s.pendingDraw = 0;
    s.winner = 1;
    s.hands[1] = "";
    s.discard = "TA 9H/1";
    QTest::newRow("draw after the win") << stateText(s) << 0 << false << "drawCard";
    QTest::newRow("play after the win") << stateText(s) << 0 << false << "playCard 0";

    // Seat 0 plays an Upper and owes the suit while the card is still flying.
    s = freeTurn();
    s.hands[0] = "UH KB KH 9B";
    QTest::newRow("suit during own flight") << stateText(s) << 1 << false << "chooseSuit 1";
    // Seat 1 plays the Nine of Acorns; seat 0, on turn during that flight, could otherwise act.
    s = freeTurn();
    s.turn = 1;
    s.hands = QStringList{"8A KB", "9A KH KL"};
    QTest::newRow("play during a flight") << stateText(s) << 2 << false << "playCard 0";
    QTest::newRow("declare during a flight") << stateText(s) << 2 << false << "declareZavel";
    QTest::newRow("reject during a flight") << stateText(s) << 2 << false << "rejectCard 1";
    s.hands[0] = "KB 8H";
    QTest::newRow("draw during a flight") << stateText(s) << 2 << false << "drawCard";
    s.hands[1] = "7A KH KL";
    QTest::newRow("accept during a flight") << stateText(s) << 2 << false << "acceptPenalty";
}

void TestEnginePhases::refusedActions()
{
    QFETCH(QByteArray, state);
    QFETCH(int, before);
    QFETCH(bool, paused);
    QFETCH(QString, action);
    QVERIFY(!state.isEmpty());
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setAiPlayDelay(0);
    engine.setPaused(true);
    engine.start();
    engine.setPaused(paused);
    if (before == 1) {
        engine.playCard(0);
        QCOMPARE(engine.visualPhase(), int(GameEngine::CardFlight));
    } else if (before == 2) {
        QTRY_COMPARE(engine.visualPhase(), int(GameEngine::CardFlight));
        QCOMPARE(engine.turnPlayer(), 0);
    }
    QVERIFY(markSave());
    const QString shown = describe(engine);
    const QString lastEvent = engine.lastEvent();
    SignalLog log(&engine);
    const QStringList words = action.split(' ');
    if (words.size() == 1)
        QVERIFY(QMetaObject::invokeMethod(&engine, qPrintable(words.at(0))));
    else
        QVERIFY(QMetaObject::invokeMethod(&engine, qPrintable(words.at(0)), Q_ARG(int, words.at(1).toInt())));
    QCOMPARE(log.lines, QStringList());
    QVERIFY(saveUntouched());
    QCOMPARE(describe(engine), shown);
    QCOMPARE(engine.lastEvent(), lastEvent);
}

void TestEnginePhases::computerMovesAfterDefaultDelay()
{
    Situation s = freeTurn();
    s.turn = 1;
    GameEngine engine;
    QVERIFY(writeSave(stateText(s)));
    QElapsedTimer clock;
    qint64 movedAt = -1;
    // Nothing of seat 1 fits the Ten of Acorns: it draws.
    connect(&engine, &GameEngine::drawAnimationRequested, this, [&] { movedAt = clock.elapsed(); });
    engine.start();
    clock.start();
    QTRY_VERIFY(movedAt >= 0);
    QVERIFY2(movedAt >= 600 && movedAt < 1500, qPrintable(QString::number(movedAt)));
}

// Three engines whose phases nobody completes run side by side, so the longest watchdog is waited for once.
void TestEnginePhases::watchdog()
{
    GameEngine flight;
    flight.setAiPlayDelay(60000);
    QVERIFY(startFrom(&flight, freeTurn()));

    // Seat 0 draws while paused: the phase still ends, and seat 1's move waits for the pause to end.
    Situation s = freeTurn();
    s.hands[0] = "KB KH";
    GameEngine draw;
    draw.setAiPlayDelay(0);
    QVERIFY(startFrom(&draw, s));
    draw.setPaused(true);

    // Completed from inside its signal: the watchdog still runs and later finds nothing to end.
    GameEngine early;
    early.setAiPlayDelay(60000);
    connect(&early, &GameEngine::cardAnimationRequested, &early, &GameEngine::completeCardAnimation);

    GameEngine deal;
    QElapsedTimer clock;
    QHash<GameEngine *, qint64> endedAt;
    for (GameEngine *engine : {&flight, &draw, &deal}) {
        connect(engine, &GameEngine::visualPhaseChanged, this, [&, engine] {
            if (engine->visualPhase() == GameEngine::Idle && !endedAt.contains(engine))
                endedAt.insert(engine, clock.elapsed());
        });
    }
    SignalLog flightLog(&flight);
    SignalLog drawLog(&draw);
    QVERIFY(startFrom(&early, freeTurn()));
    SignalLog earlyLog(&early);
    early.playCard(0);
    QCOMPARE(early.visualPhase(), int(GameEngine::Idle));
    const int earlyLines = earlyLog.lines.size();
    clock.start();
    flight.playCard(0);
    draw.drawCard();
    deal.newGame();
    QCOMPARE(flight.visualPhase(), int(GameEngine::CardFlight));
    QCOMPARE(draw.visualPhase(), int(GameEngine::Draw));
    QCOMPARE(deal.visualPhase(), int(GameEngine::Deal));

    QTRY_VERIFY_WITH_TIMEOUT(endedAt.size() == 3, 12000);
    // The watchdog is an ordinary (coarse) timer, which may fire up to 5 % early.
    const QString times = QStringLiteral("flight %1 ms, draw %2 ms, deal %3 ms")
                              .arg(endedAt.value(&flight))
                              .arg(endedAt.value(&draw))
                              .arg(endedAt.value(&deal));
    QVERIFY2(endedAt.value(&flight) >= 4700 && endedAt.value(&flight) < 6500, qPrintable(times));
    QVERIFY2(endedAt.value(&draw) >= 8500, qPrintable(times));
    QVERIFY2(endedAt.value(&deal) >= 8500, qPrintable(times));

    // A timed-out phase ends exactly as a completed one, silently.
    QCOMPARE(flightLog.lines.mid(4), QStringList({"phase:0", "status:AI 1's turn", "roundResult", "state"}));
    QCOMPARE(drawLog.lines.mid(5), QStringList({"phase:0", "status:AI 1's turn", "roundResult", "state"}));
    QCOMPARE(saveMismatch(deal), QString());
    QCOMPARE(earlyLog.lines.size(), earlyLines);

    drawLog.clear();
    draw.setPaused(false);
    QTRY_VERIFY(draw.turnPlayer() == 0 || draw.visualPhase() != GameEngine::Idle);
    QCOMPARE(drawLog.lines.mid(0, 2), QStringList({"paused", "state"}));
    QVERIFY(drawLog.lines.size() > 2);
}

QTEST_GUILESS_MAIN(TestEnginePhases)
#include "tst_enginephases.moc"
