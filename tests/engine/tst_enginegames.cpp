// Whole games driven through the engine as the interface drives it: seat 0 acts through the invokables on what
// the properties offer, animation requests are answered at once, a little later or (with animations off) not at
// all, and completions of the wrong kind are thrown in. After every state notification the autosave file must
// restore to exactly what the engine shows, and the view lists must be consistent.

#include "enginetest.h"

#include <QtTest>

#include <random>

using namespace EngineTest;

namespace {

// Empty when the lists the engine shows agree with each other and with the scalar properties.
QString viewProblem(const GameEngine &engine)
{
    const QVariantList seats = engine.participants();
    if (seats.size() != engine.activePlayerCount())
        return QStringLiteral("participants: %1 entries").arg(seats.size());
    int total = engine.deckSize() + engine.discardCards().size();
    int onTurn = 0;
    for (int i = 0; i < seats.size(); ++i) {
        const QVariantMap seat = seats.at(i).toMap();
        const QVariantList hand = seat.value("hand").toList();
        total += hand.size();
        onTurn += seat.value("activeTurn").toBool() ? 1 : 0;
        if (seat.value("index").toInt() != i || seat.value("isHuman").toBool() != (i == 0)
            || seat.value("handCount").toInt() != hand.size() || seat.value("oneCard").toBool() != (hand.size() == 1)
            || seat.value("activeTurn").toBool() != (i == engine.turnPlayer()))
            return QStringLiteral("participant %1 is inconsistent").arg(i);
        for (int k = 0; k < hand.size(); ++k) {
            const QVariantMap c = hand.at(k).toMap();
            const int rank = c.value("rank").toInt();
            const bool special = rank == 7 || rank == 11 || rank == 12 || rank == 14;
            if (c.value("handIndex").toInt() != k || c.value("playedBy").toInt() != -1
                || c.value("special").toBool() != special
                || c.value("id").toString() != QStringLiteral("%1_%2").arg(c.value("suit").toInt()).arg(rank))
                return QStringLiteral("card %1 of seat %2 is inconsistent").arg(k).arg(i);
        }
    }
    if (onTurn != 1)
        return QStringLiteral("%1 seats on turn").arg(onTurn);
    if (engine.playerHand() != seats.value(0).toMap().value("hand").toList())
        return QStringLiteral("playerHand differs from seat 0's hand");
    if (total != 32)
        return QStringLiteral("%1 cards in view").arg(total);
    return QString();
}

} // namespace

class TestEngineGames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterSandbox(&m_home)); }
    void init() { clearDataDir(); }

    void wholeGames_data();
    void wholeGames();

private:
    void playToTheEnd(GameEngine &engine, std::mt19937 &choices, SignalLog &log);

    QTemporaryDir m_home{sandboxTemplate()};
};

void TestEngineGames::wholeGames_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<uint>("seed");
    QTest::addColumn<bool>("animations");
    QTest::addColumn<QList<int>>("difficulties");

    QTest::newRow("2 players, answered") << 2 << 11u << true << QList<int>{1};
    QTest::newRow("3 players, answered") << 3 << 12u << true << QList<int>{0, 2};
    QTest::newRow("4 players, answered") << 4 << 13u << true << QList<int>{3, 1, 0};
    QTest::newRow("2 players, no animations") << 2 << 14u << false << QList<int>{3};
    QTest::newRow("3 players, no animations") << 3 << 15u << false << QList<int>{2, 3};
    QTest::newRow("4 players, no animations") << 4 << 16u << false << QList<int>{0, 0, 0};
    QTest::newRow("2 players, random seat") << 2 << 17u << true << QList<int>{0};
    QTest::newRow("3 players, strong seats") << 3 << 18u << false << QList<int>{3, 3};
    QTest::newRow("4 players, mixed seats") << 4 << 19u << true << QList<int>{2, 0, 1};
}

void TestEngineGames::wholeGames()
{
    QFETCH(int, players);
    QFETCH(uint, seed);
    QFETCH(bool, animations);
    QFETCH(QList<int>, difficulties);

    // The first game is dealt from a fixed seed and reaches the engine through the autosave; the second one is
    // an ordinary new game.
    const Zavel::GameCore dealt(players, seed);
    QVERIFY(writeSave(QByteArray::fromStdString(dealt.serializeState())));

    GameEngine engine;
    engine.setAnimationsEnabled(animations);
    engine.setAiPlayDelay(0);
    engine.setPlayerCount(players);
    for (int seat = 1; seat <= difficulties.size(); ++seat)
        engine.setDifficulty(seat, difficulties.at(seat - 1));
    std::mt19937 choices(seed);
    SignalLog log(&engine);

    QString firstProblem;
    int checks = 0;
    log.onState = [&] {
        ++checks;
        const QString problem = saveMismatch(engine) + viewProblem(engine);
        if (!problem.isEmpty() && firstProblem.isEmpty())
            firstProblem = QStringLiteral("after %1 notifications: %2").arg(checks).arg(problem);
    };

    // The interface's side of the handshake: answer at once, a little later, or after a wrong completion that
    // must be ignored.
    auto answer = [&](void (GameEngine::*complete)(), void (GameEngine::*wrong)()) {
        if (!animations)
            return;
        const unsigned how = choices() % 10;
        if (how == 9) {
            const quint64 revision = engine.stateRevision();
            const int phase = engine.visualPhase();
            ++log.depth;
            (engine.*wrong)();
            --log.depth;
            if (engine.stateRevision() != revision || engine.visualPhase() != phase)
                firstProblem = QStringLiteral("a completion of the wrong kind was taken");
        }
        if (how < 3) {
            ++log.depth;
            (engine.*complete)();
            --log.depth;
        } else {
            QTimer::singleShot(int(choices() % 4), &engine, complete);
        }
    };
    connect(&engine, &GameEngine::cardAnimationRequested, this,
            [&] { answer(&GameEngine::completeCardAnimation, &GameEngine::completeDrawAnimation); });
    connect(&engine, &GameEngine::drawAnimationRequested, this,
            [&] { answer(&GameEngine::completeDrawAnimation, &GameEngine::completeDealAnimation); });
    connect(&engine, &GameEngine::dealAnimationRequested, this,
            [&] { answer(&GameEngine::completeDealAnimation, &GameEngine::completeCardAnimation); });

    engine.start();
    QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));
    QCOMPARE(engine.activePlayerCount(), players);
    playToTheEnd(engine, choices, log);
    if (QTest::currentTestFailed())
        return;

    const quint64 revision = engine.stateRevision();
    engine.newGame();
    QVERIFY(engine.stateRevision() > revision);
    QCOMPARE(engine.winnerPlayer(), -1);
    playToTheEnd(engine, choices, log);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(firstProblem, QString());
    QCOMPARE(log.phaseOrderProblem(), QString());
    QCOMPARE(log.revisionJumps, 0);
    QVERIFY(checks > 20);
}

void TestEngineGames::playToTheEnd(GameEngine &engine, std::mt19937 &choices, SignalLog &log)
{
    const QString forgot = QString::fromUtf8("You forgot Zavél — four penalty cards");
    for (int actions = 0;; ++actions) {
        QVERIFY2(actions < 500, "the game does not end");
        QVERIFY(waitUntil([&] { return engine.winnerPlayer() >= 0 || engine.playerInputEnabled(); }, 5000));
        if (engine.winnerPlayer() >= 0)
            break;

        // What the properties offer must be exactly what the rules allow in the saved state.
        Zavel::GameCore saved(2, 1);
        QVERIFY(loadSaved(&saved, readSave()));
        QList<int> playable;
        const int handSize = engine.playerHand().size();
        for (int i = -1; i <= handSize; ++i) {
            if (engine.isPlayerCardPlayable(i))
                playable << i;
        }
        const std::vector<int> legal = saved.legalMoves(0);
        QCOMPARE(playable, QList<int>(legal.begin(), legal.end()));
        QCOMPARE(engine.canDraw(), saved.canDraw(0));
        QCOMPARE(engine.canAcceptPenalty(), saved.canAcceptPenalty(0));
        QCOMPARE(engine.needsSuitChoice(), saved.pendingChoice == 1);
        QCOMPARE(engine.needsRankChoice(), saved.pendingChoice == 2);

        const quint64 revision = engine.stateRevision();
        const QString lastEvent = engine.lastEvent();
        if (engine.needsSuitChoice()) {
            const int suit = int(choices() % 4);
            engine.chooseSuit(suit);
            QCOMPARE(engine.lastEvent(), QStringLiteral("You requested ") + engine.suitName(suit));
        } else if (engine.needsRankChoice()) {
            const int rank = 7 + int(choices() % 8);
            engine.chooseRank(rank);
            QCOMPARE(engine.lastEvent(), QStringLiteral("You requested ") + engine.rankName(rank));
        } else if (engine.canDeclareZavel() && choices() % 3 != 0) {
            engine.declareZavel();
            QVERIFY(engine.zavelArmed());
            QVERIFY(!engine.canDeclareZavel());
            QCOMPARE(engine.lastEvent(), QString::fromUtf8("Zavél!"));
        } else if (engine.canAcceptPenalty() && (playable.isEmpty() || choices() % 4 == 0)) {
            const int penalty = engine.pendingDraw();
            engine.acceptPenalty();
            QCOMPARE(engine.lastEvent(),
                     penalty > 0 ? QStringLiteral("You drew %1 penalty cards").arg(penalty)
                                 : QStringLiteral("You skipped your turn"));
        } else if (!playable.isEmpty()) {
            if (playable.size() < handSize && choices() % 4 == 0) {
                // A tap on a card the interface shows as unplayable, and a draw the rules refuse.
                int unplayable = 0;
                while (playable.contains(unplayable))
                    ++unplayable;
                QVERIFY(markSave());
                const int lines = log.lines.size();
                engine.rejectCard(unplayable);
                engine.drawCard();
                QVERIFY(saveUntouched());
                QCOMPARE(engine.stateRevision(), revision);
                QVERIFY(log.lines.size() <= lines + 1);
                QVERIFY(!engine.lastEvent().isEmpty());
            }
            const bool forgets = handSize == 2 && !engine.zavelArmed();
            const QString before = engine.lastEvent();
            const int index = playable.at(int(choices() % unsigned(playable.size())));
            const QString id = engine.playerHand().at(index).toMap().value("id").toString();
            engine.playCard(index);
            QCOMPARE(engine.lastEvent(), forgets ? forgot : before);
            if (engine.visualPhase() == GameEngine::CardFlight)
                QCOMPARE(log.matching("card:").last().section(' ', 0, 4),
                         QStringLiteral("card:%1 by 0 from %2").arg(id).arg(index));
        } else {
            QVERIFY2(engine.canDraw(), "seat 0 has no action");
            engine.drawCard();
            QCOMPARE(engine.lastEvent(), QStringLiteral("You drew a card"));
        }
        QVERIFY2(engine.stateRevision() > revision, qPrintable("no notification after: " + lastEvent));
    }

    // A won game stays on screen, closed to input, and is saved as won.
    QVERIFY(waitUntil([&] { return engine.visualPhase() == GameEngine::Idle; }, 5000));
    QCOMPARE(engine.status(), engine.roundResult());
    QVERIFY(engine.roundResult().endsWith(QLatin1String(" won the game")));
    QVERIFY(!engine.playerInputEnabled() && !engine.canDraw() && !engine.canAcceptPenalty());
    QVERIFY(!engine.canDeclareZavel() && !engine.needsSuitChoice() && !engine.needsRankChoice());
    QCOMPARE(saveMismatch(engine), QString());
    const QVariantMap winner = engine.participants().at(engine.winnerPlayer()).toMap();
    QCOMPARE(winner.value("handCount").toInt(), 0);
    QVERIFY(winner.value("activeTurn").toBool());
}

QTEST_GUILESS_MAIN(TestEngineGames)
#include "tst_enginegames.moc"
