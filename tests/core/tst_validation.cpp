// The consistency checks of a game state, each with its message, in their order.

#include "scripted.h"

#include <QtTest>

using namespace Zavel;

using Mutation = void (*)(GameCore &);
Q_DECLARE_METATYPE(Mutation)

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void messageTarget();
};

// Player 0: 9B KB 8L; player 1: 9H 7H; player 2: KH AH; the Ten of Bells on top; the rest in the talon.
static GameCore base()
{
    return Scripted::game({"9B KB 8L", "9H 7H", "KH AH"}, "TB");
}

static void moveHandToTalon(GameCore &c, int player)
{
    auto &hand = c.hands[static_cast<std::size_t>(player)];
    c.talon.insert(c.talon.begin(), hand.begin(), hand.end());
    hand.clear();
}

void TestValidation::checks_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<QString>("message"); // empty when the state passes

    // clang-format off
    QTest::newRow("dealt state") << Mutation([](GameCore &) {}) << "";
    QTest::newRow("skip without draw") << Mutation([](GameCore &c) { c.pendingSkip = true; }) << "";
    QTest::newRow("suit choice owed") << Mutation([](GameCore &c) { c.pendingChoice = 1; c.choiceOwner = 0; }) << "";
    QTest::newRow("rank request 7") << Mutation([](GameCore &c) { c.requestedRank = 7; }) << "";
    QTest::newRow("playedBy and flags unchecked") << Mutation([](GameCore &c) {
        c.talon[0].playedBy = 9; c.hands[1][0].playedBy = -5; c.announcements = {true, true, true}; }) << "";
    QTest::newRow("won, any turn") << Mutation([](GameCore &c) {
        moveHandToTalon(c, 1); c.winner = 1; c.currentPlayer = 2; c.pendingSkip = true; }) << "";

    QTest::newRow("player count 5") << Mutation([](GameCore &c) {
        c.playerCount = 5; c.currentPlayer = 9; c.requestedSuit = 7; c.discard.clear(); }) << "invalid player count";
    QTest::newRow("player count 1") << Mutation([](GameCore &c) { c.playerCount = 1; }) << "invalid player count";
    QTest::newRow("turn -1") << Mutation([](GameCore &c) { c.currentPlayer = -1; c.winner = 9; }) << "invalid turn";
    QTest::newRow("turn = player count") << Mutation([](GameCore &c) { c.currentPlayer = 3; }) << "invalid turn";
    QTest::newRow("winner -2") << Mutation([](GameCore &c) { c.winner = -2; c.requestedSuit = 4; }) << "invalid winner";
    QTest::newRow("winner = player count") << Mutation([](GameCore &c) { c.winner = 3; }) << "invalid winner";
    QTest::newRow("suit 4 before rank 6") << Mutation([](GameCore &c) { c.requestedSuit = 4; c.requestedRank = 6; })
                                          << "invalid requested suit";
    QTest::newRow("suit -2") << Mutation([](GameCore &c) { c.requestedSuit = -2; }) << "invalid requested suit";
    QTest::newRow("rank 6") << Mutation([](GameCore &c) { c.requestedRank = 6; }) << "invalid requested rank";
    QTest::newRow("rank 15") << Mutation([](GameCore &c) { c.requestedRank = 15; }) << "invalid requested rank";
    QTest::newRow("rank -2") << Mutation([](GameCore &c) { c.requestedRank = -2; }) << "invalid requested rank";
    QTest::newRow("both requests") << Mutation([](GameCore &c) { c.requestedRank = 11; c.requestedSuit = 2; })
                                   << "simultaneous suit and rank request";
    QTest::newRow("draw 3") << Mutation([](GameCore &c) { c.pendingDraw = 3; c.pendingSkip = true; })
                            << "invalid draw penalty";
    QTest::newRow("draw -2") << Mutation([](GameCore &c) { c.pendingDraw = -2; }) << "invalid draw penalty";
    QTest::newRow("draw and skip") << Mutation([](GameCore &c) { c.pendingDraw = 2; c.pendingSkip = true; })
                                   << "simultaneous draw and skip penalty";
    QTest::newRow("owner not on turn") << Mutation([](GameCore &c) { c.pendingChoice = 1; c.choiceOwner = 1; })
                                       << "choice owner does not own turn";
    QTest::newRow("choice without owner") << Mutation([](GameCore &c) { c.pendingChoice = 2; })
                                          << "choice owner does not own turn";
    QTest::newRow("owner without choice") << Mutation([](GameCore &c) { c.choiceOwner = 0; })
                                          << "choice player without a choice";
    QTest::newRow("three hands for two") << Mutation([](GameCore &c) { c.playerCount = 2; c.talon.clear(); })
                                         << "hand vector count mismatch";
    QTest::newRow("two flags for three") << Mutation([](GameCore &c) {
        c.announcements.pop_back(); c.discard.clear(); }) << "Zavel announcement vector count mismatch";
    QTest::newRow("empty discard") << Mutation([](GameCore &c) {
        c.talon.push_back(c.discard.back()); c.discard.clear(); c.talon[0].rank = 99; }) << "discard pile is empty";
    QTest::newRow("rank 6 in talon") << Mutation([](GameCore &c) { c.talon[3].rank = 6; })
                                     << "invalid/duplicate talon card";
    QTest::newRow("twice in talon, bad hand card") << Mutation([](GameCore &c) {
        c.talon[1] = c.talon[0]; c.hands[2][0].suit = -1; }) << "invalid/duplicate talon card";
    QTest::newRow("ace of hearts in talon and hand") << Mutation([](GameCore &c) {
        c.talon.push_back(Scripted::card("AH")); }) << "invalid/duplicate hand card";
    QTest::newRow("rank 15 in a hand") << Mutation([](GameCore &c) { c.hands[1][1].rank = 15; })
                                       << "invalid/duplicate hand card";
    QTest::newRow("suit 4 on the pile") << Mutation([](GameCore &c) {
        c.discard.insert(c.discard.begin(), Card{9, 4, -1}); }) << "invalid/duplicate discard card";
    QTest::newRow("hand card on the pile") << Mutation([](GameCore &c) {
        c.discard.insert(c.discard.begin(), Scripted::card("9B/1")); }) << "invalid/duplicate discard card";
    QTest::newRow("31 cards") << Mutation([](GameCore &c) { c.talon.pop_back(); }) << "card total is not 32";
    QTest::newRow("31 cards, winner holds cards") << Mutation([](GameCore &c) { c.talon.pop_back(); c.winner = 1; })
                                                  << "card total is not 32";
    QTest::newRow("winner holds cards") << Mutation([](GameCore &c) { c.winner = 1; }) << "winner still has cards";
    // clang-format on
}

void TestValidation::checks()
{
    QFETCH(Mutation, mutation);
    QFETCH(QString, message);

    GameCore core = base();
    mutation(core);
    const std::string before = core.serializeState();
    std::string error = "previous";
    const bool ok = core.validate(&error);
    QCOMPARE(QString::fromStdString(error), message.isEmpty() ? QString("previous") : message);
    QCOMPARE(ok, message.isEmpty());
    QCOMPARE(core.validate(nullptr), ok);
    QCOMPARE(core.validate(), ok);
    QCOMPARE(Scripted::bytes(core.serializeState()), Scripted::bytes(before));
}

void TestValidation::messageTarget()
{
    GameCore core = base();
    core.winner = 2;
    std::string error = "an older message that is longer than the new one";
    QVERIFY(!core.validate(&error));
    QCOMPARE(QString::fromStdString(error), QString("winner still has cards"));
    for (int players = 2; players <= 4; ++players) {
        error = "kept";
        QVERIFY(GameCore(players, 17).validate(&error));
        QCOMPARE(QString::fromStdString(error), QString("kept"));
    }
}

QTEST_APPLESS_MAIN(TestValidation)
#include "tst_validation.moc"
