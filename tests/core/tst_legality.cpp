// Which cards may be played, and when drawing or accepting a penalty is open.

#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::indexes;

class TestLegality : public QObject
{
    Q_OBJECT

private slots:
    void legalMoves_data();
    void legalMoves();
    void owedChoiceBlocksEverything_data();
    void owedChoiceBlocksEverything();
    void wonGameBlocksEverything();
};

void TestLegality::legalMoves_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("legal");
    QTest::addColumn<bool>("canDraw");
    QTest::addColumn<bool>("canAccept");

    // clang-format off
    QTest::newRow("ten of hearts on top")      << "UB 7H TA 9B"    << "TH" << ""        << "0 1 2" << false << false;
    QTest::newRow("rank matches across suits") << "9H 7L"          << "9B" << ""        << "0"     << false << false;
    QTest::newRow("nothing fits")              << "8L TA KH"       << "9B" << ""        << ""      << true  << false;
    QTest::newRow("upper goes on a lower")     << "UB 9B LB"       << "LH" << ""        << "0 2"   << false << false;
    QTest::newRow("answered ace")              << "AH 8B KL UL"    << "AB" << ""        << "0 1 3" << false << false;
    QTest::newRow("accepted seven")            << "7L 8B 9H"       << "7B" << ""        << "0 1"   << false << false;
    QTest::newRow("suit request over hearts")  << "9H 9A UH"       << "KH" << "suit 2"  << "1 2"   << false << false;
    QTest::newRow("suit request beats rank")   << "KL 8B"          << "KH" << "suit 0"  << "1"     << false << false;
    QTest::newRow("suit request, no lower")    << "LH 8L"          << "KH" << "suit 1"  << "1"     << false << false;
    QTest::newRow("suit request, not the top") << "8B 9L KH"       << "9B" << "suit 3"  << "2"     << false << false;
    QTest::newRow("suit request, draw")        << "8B 9L"          << "9B" << "suit 3"  << ""      << true  << false;
    QTest::newRow("rank request nine")         << "9H UB LA 9L TB" << "TL" << "rank 9"  << "0 2 3" << false << false;
    QTest::newRow("rank request upper")        << "UH LB 9B UA"    << "TB" << "rank 12" << "0 1 3" << false << false;
    QTest::newRow("rank request lower")        << "LH 9B UB"       << "TB" << "rank 11" << "0"     << false << false;
    QTest::newRow("rank request ace")          << "AB 7B LA"       << "TB" << "rank 14" << "0 2"   << false << false;
    QTest::newRow("rank request seven, draw")  << "8B UB"          << "TB" << "rank 7"  << ""      << true  << false;
    QTest::newRow("draw penalty 4")            << "7H 8B UB 7A LB" << "7B" << "draw 4"  << "0 3"   << false << true;
    QTest::newRow("draw penalty, no seven")    << "8B UB AB"       << "7B" << "draw 2"  << ""      << false << true;
    QTest::newRow("skip")                      << "AH 8B UB 7B AL" << "AB" << "skip"    << "0 4"   << false << true;
    QTest::newRow("skip, no ace")              << "8B KB"          << "AB" << "skip"    << ""      << false << true;
    // clang-format on
}

void TestLegality::legalMoves()
{
    QFETCH(QString, hand);
    QFETCH(QString, top);
    QFETCH(QString, pending);
    QFETCH(QString, legal);
    QFETCH(bool, canDraw);
    QFETCH(bool, canAccept);

    GameCore core = Scripted::game({hand.toStdString(), "8H"}, top.toStdString());
    Scripted::setSituation(core, pending);
    const std::string before = core.serializeState();

    QCOMPARE(indexes(core.legalMoves(0)), legal);
    for (int i = -1; i <= static_cast<int>(core.hand(0).size()); ++i)
        QCOMPARE(core.isCardPlayable(0, i), (' ' + legal + ' ').contains(QStringLiteral(" %1 ").arg(i)));
    QCOMPARE(core.canDraw(0), canDraw);
    QCOMPARE(core.canAcceptPenalty(0), canAccept);
    QVERIFY(core.hasProgressAction(0));
    QVERIFY(core.humanInputEnabled());

    // Nobody else may act, whatever they hold: player 1's Eight of Hearts would fit several rows.
    for (int other : {-1, 1, 2}) {
        QVERIFY(core.legalMoves(other).empty());
        QVERIFY(!core.isCardPlayable(other, 0));
        QVERIFY(!core.canDraw(other));
        QVERIFY(!core.canAcceptPenalty(other));
        QVERIFY(!core.hasProgressAction(other));
    }
    core.currentPlayer = 1;
    QVERIFY(!core.humanInputEnabled());
    QVERIFY(core.legalMoves(0).empty());
    QVERIFY(!core.canDraw(0));
    QVERIFY(!core.canAcceptPenalty(0));
    core.currentPlayer = 0;
    QCOMPARE(Scripted::bytes(core.serializeState()), Scripted::bytes(before));
}

void TestLegality::owedChoiceBlocksEverything_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("suit") << 1;
    QTest::newRow("rank") << 2;
}

void TestLegality::owedChoiceBlocksEverything()
{
    QFETCH(int, choice);
    // Player 1 has just played its Upper or Lower and must choose. Player 0 holds cards that would fit.
    GameCore core = Scripted::game({"9B UH", "8B 9H", "KB"}, choice == 1 ? "9L UB/1" : "9L LB/1");
    core.currentPlayer = 1;
    core.pendingChoice = choice;
    core.choiceOwner = 1;
    QVERIFY(core.validate());
    for (int player = 0; player < 3; ++player) {
        QVERIFY(core.legalMoves(player).empty());
        QVERIFY(!core.isCardPlayable(player, 0));
        QVERIFY(!core.canDraw(player));
        QVERIFY(!core.canAcceptPenalty(player));
        QCOMPARE(core.hasProgressAction(player), player == 1);
    }
}

void TestLegality::wonGameBlocksEverything()
{
    // Player 0 won with the Nine of Bells; player 1 still holds a fitting card and sits on turn.
    GameCore core = Scripted::game({"", "8B 9H"}, "9L 9B/0");
    core.winner = 0;
    QVERIFY(core.validate());
    QVERIFY(!core.humanInputEnabled());
    for (int turn = 0; turn < 2; ++turn) {
        core.currentPlayer = turn;
        for (int player = 0; player < 2; ++player) {
            QVERIFY(core.legalMoves(player).empty());
            QVERIFY(!core.isCardPlayable(player, 0));
            QVERIFY(!core.canDraw(player));
            QVERIFY(!core.canAcceptPenalty(player));
            QVERIFY(!core.hasProgressAction(player));
        }
    }
    core.currentPlayer = 0;
    core.pendingSkip = true;
    QVERIFY(!core.canAcceptPenalty(0));
    QVERIFY(!core.zavelDeclared(-1));
    QVERIFY(!core.zavelDeclared(2));
}

QTEST_APPLESS_MAIN(TestLegality)
#include "tst_legality.moc"
