// Playing a card with its effect, the suit and rank choices, the one-card declaration and the win.

#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::bytes;
using Scripted::names;

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void effects_data();
    void effects();
    void lastCardWins_data();
    void lastCardWins();
    void forgottenDeclaration_data();
    void forgottenDeclaration();
    void declareZavel_data();
    void declareZavel();
    void requestBindsUntilNextPlay();
};

void TestPlay::effects_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("choice");

    // Player 0 plays from three cards; players 1 and 2 hold "8H 9H" and "KH".
    // clang-format off
    QTest::newRow("eight")                    << "8B 9L KA" << "9B" << ""        << 0 << "turn 1"               << 0;
    QTest::newRow("seven")                    << "7B 9L KA" << "9B" << ""        << 0 << "turn 1 draw 2"        << 0;
    QTest::newRow("seven on seven")           << "7B 9L KA" << "7L" << "draw 2"  << 0 << "turn 1 draw 4"        << 0;
    QTest::newRow("ace")                      << "AB 9L KA" << "9B" << ""        << 0 << "turn 1 skip"          << 0;
    QTest::newRow("ace on ace")               << "AB 9L KA" << "AL" << "skip"    << 0 << "turn 1 skip"          << 0;
    QTest::newRow("upper")                    << "UA TL KA" << "9B" << ""        << 0 << "turn 0 choice 1 by 0" << 1;
    QTest::newRow("lower")                    << "LB TL KA" << "9B" << ""        << 0 << "turn 0 choice 2 by 0" << 2;
    QTest::newRow("upper under suit request") << "UB TL KA" << "9B" << "suit 3"  << 0 << "turn 0 choice 1 by 0" << 1;
    QTest::newRow("lower under rank request") << "LA TL KA" << "9B" << "rank 13" << 0 << "turn 0 choice 2 by 0" << 2;
    QTest::newRow("requested king")           << "LA TL KA" << "9B" << "rank 13" << 2 << "turn 1"               << 0;
    QTest::newRow("seven answers suit")       << "7B TL KA" << "9L" << "suit 0"  << 0 << "turn 1 draw 2"        << 0;
    QTest::newRow("requested seven")          << "7A TL KA" << "9L" << "rank 7"  << 0 << "turn 1 draw 2"        << 0;
    QTest::newRow("requested ace")            << "AA TL KA" << "9L" << "rank 14" << 0 << "turn 1 skip"          << 0;
    // clang-format on
}

void TestPlay::effects()
{
    QFETCH(QString, hand);
    QFETCH(QString, top);
    QFETCH(QString, pending);
    QFETCH(int, index);
    QFETCH(QString, after);
    QFETCH(int, choice);

    GameCore core = Scripted::game({hand.toStdString(), "8H 9H", "KH"}, top.toStdString());
    Scripted::setSituation(core, pending);
    std::vector<Card> rest = core.hand(0);
    Card played = rest[static_cast<std::size_t>(index)];
    played.playedBy = 0;
    rest.erase(rest.begin() + index);

    const PlayResult result = core.playCard(0, index);
    QVERIFY(result.ok && !result.forgotZavel && !result.won && result.penaltyCards.empty());
    QVERIFY(result.card == played);
    QVERIFY(core.discard.back() == played);
    QCOMPARE(result.choice, choice);
    QCOMPARE(names(core.hand(0)), names(rest));
    QCOMPARE(Scripted::situation(core), after); // any request is gone
    std::string error;
    QVERIFY2(core.validate(&error), error.c_str());
}

void TestPlay::lastCardWins_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("pending");

    QTest::newRow("seven under a penalty") << "7B"
                                           << "7L"
                                           << "turn 1 draw 4";
    QTest::newRow("ace") << "AA"
                         << "9A"
                         << "turn 1";
    QTest::newRow("ace answering a skip") << "AB"
                                          << "AL"
                                          << "turn 1 skip";
    QTest::newRow("upper") << "UH"
                           << "9A"
                           << "turn 1";
    QTest::newRow("lower") << "LA"
                           << "9A"
                           << "turn 1";
    QTest::newRow("eight under a rank request") << "8H"
                                                << "9A"
                                                << "turn 1 rank 8";
}

void TestPlay::lastCardWins()
{
    QFETCH(QString, hand);
    QFETCH(QString, top);
    QFETCH(QString, pending);

    // Player 1 plays its last card, without any declaration; players 0 and 2 hold "9B KB" and "TB".
    GameCore core = Scripted::game({"9B KB", hand.toStdString(), "TB"}, top.toStdString());
    Scripted::setSituation(core, pending);
    const PlayResult result = core.playCard(1, 0);
    QVERIFY(result.ok && result.won && !result.forgotZavel && result.penaltyCards.empty());
    QCOMPARE(result.choice, 0);
    QCOMPARE(Scripted::situation(core), QString("turn 1 won by 1"));
    QVERIFY(core.validate());

    // A finished game refuses every action.
    const std::string won = core.serializeState();
    for (int p = 0; p < 3; ++p) {
        QVERIFY(!core.playCard(p, 0).ok);
        QVERIFY(!core.drawCard(p).ok);
        QVERIFY(!core.acceptPenalty(p).ok);
        QVERIFY(!core.declareZavel(p));
        QVERIFY(!core.chooseSuit(p, 0));
        QVERIFY(!core.chooseRank(p, 9));
    }
    core.advanceTurn();
    QCOMPARE(bytes(core.serializeState()), bytes(won));
}

void TestPlay::forgottenDeclaration_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<bool>("declared");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("after");
    QTest::newRow("declared") << "9B KB" << true << ""
                              << "turn 1";
    QTest::newRow("forgotten") << "9B KB" << false << "9A 8H 8L 8A"
                               << "turn 1";
    QTest::newRow("upper still owes its suit") << "UB KB" << false << "9A 8H 8L 8A"
                                               << "turn 0 choice 1 by 0";
    QTest::newRow("seven still raises the penalty") << "7B KB" << false << "9A 8H 8L 8A"
                                                    << "turn 1 draw 2";
}

void TestPlay::forgottenDeclaration()
{
    QFETCH(QString, hand);
    QFETCH(bool, declared);
    QFETCH(QString, drawn);
    QFETCH(QString, after);

    // Player 0 plays from two cards; the talon's top is 9A, then 8H, 8L, 8A, then KL.
    GameCore core = Scripted::game({hand.toStdString(), "8B 9H"}, "TB", "KL 8A 8L 8H 9A");
    if (declared)
        QVERIFY(core.declareZavel(0));
    QCOMPARE(Scripted::situation(core), QString("turn 0")); // declaring does not pass the turn
    const PlayResult result = core.playCard(0, 0);
    QVERIFY(result.ok && !result.won);
    QCOMPARE(result.forgotZavel, !declared);
    std::vector<Card> penalty;
    for (std::size_t i = 0; i < result.penaltyCards.size(); ++i) {
        QCOMPARE(result.penaltyCards[i].player, 0);
        QCOMPARE(result.penaltyCards[i].handIndex, int(i) + 1);
        penalty.push_back(result.penaltyCards[i].card);
    }
    QCOMPARE(names(penalty), drawn);
    QCOMPARE(names(core.hand(0)), ("KB " + drawn).trimmed());
    QVERIFY(!core.zavelDeclared(0));
    QCOMPARE(Scripted::situation(core), after);
    QCOMPARE(result.choice, core.pendingChoice);
    QVERIFY(core.validate());
}

void TestPlay::declareZavel_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("top");
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("two cards, one fits") << "9B 8L"
                                         << "TB" << 0 << "" << true;
    QTest::newRow("two sevens under a penalty") << "7B 7H"
                                                << "7L" << 0 << "draw 2" << true;
    QTest::newRow("one card") << "9B"
                              << "TB" << 0 << "" << false;
    QTest::newRow("three cards") << "9B 8L KB"
                                 << "TB" << 0 << "" << false;
    QTest::newRow("not on turn") << "9B 8L"
                                 << "TB" << 1 << "" << false;
    QTest::newRow("no such seat") << "9B 8L"
                                  << "TB" << 4 << "" << false;
    QTest::newRow("nothing fits") << "8L 8A"
                                  << "TB" << 0 << "" << false;
    QTest::newRow("penalty without a seven") << "9B UB"
                                             << "7B" << 0 << "draw 2" << false;
    QTest::newRow("request not met") << "9B KB"
                                     << "TB" << 0 << "suit 3" << false;
    QTest::newRow("choice owed") << "9B KB"
                                 << "UB/0" << 0 << "choice 1 by 0" << false;
    QTest::newRow("game won") << "9B KB"
                              << "TB" << 0 << "won by 1" << false;
}

void TestPlay::declareZavel()
{
    QFETCH(QString, hand);
    QFETCH(QString, top);
    QFETCH(int, player);
    QFETCH(QString, pending);
    QFETCH(bool, accepted);

    // The hand under test belongs to player 0; player 1 holds "9H KH" and is also asked when not on turn.
    GameCore core = Scripted::game({hand.toStdString(), "9H KH"}, top.toStdString());
    Scripted::setSituation(core, pending);
    GameCore expected = core;
    if (accepted)
        expected.announcements[0] = true;
    QCOMPARE(core.declareZavel(player), accepted);
    QCOMPARE(bytes(core.serializeState()), bytes(expected.serializeState()));
    if (accepted) // declaring again is allowed
        QVERIFY(core.declareZavel(player));
}

void TestPlay::requestBindsUntilNextPlay()
{
    // Player 0: UB 9L KH 8L; player 1: 9A 8A; player 2: TA TL; the Nine of Bells on top.
    GameCore core = Scripted::game({"UB 9L KH 8L", "9A 8A", "TA TL"}, "9B");
    QVERIFY(core.playCard(0, 0).ok);
    QVERIFY(core.chooseSuit(0, Hearts));
    QCOMPARE(core.currentPlayer, 1);
    QVERIFY(core.legalMoves(1).empty()); // 9A would fit the top card, but Hearts are requested
    QVERIFY(core.drawCard(1).ok); // AH, kept for later
    QVERIFY(core.drawCard(2).ok); // UH
    QCOMPARE(core.requestedSuit, int(Hearts));
    QCOMPARE(Scripted::indexes(core.legalMoves(0)), QString("1")); // the requester is bound too
    QVERIFY(core.playCard(0, 1).ok);
    QCOMPARE(core.requestedSuit, -1);
    QCOMPARE(Scripted::indexes(core.legalMoves(1)), QString("2")); // only the drawn AH fits the King of Hearts
    QVERIFY(core.validate());
}

QTEST_APPLESS_MAIN(TestPlay)
#include "tst_play.moc"
