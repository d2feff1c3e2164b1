// Drawing cards, accepting penalties and rebuilding an empty talon from the discard pile.

#include "random.h"
#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::bytes;
using Scripted::names;

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void drawManyAppends();
    void emptyTalonIsRebuiltFromDiscard();
    void rebuildInTheMiddleOfAPenalty();
    void nothingLeftToDraw();
    void penaltyLargerThanSupply();
    void acceptedSkip();
};

// Moves every card except the top `keep` ones from the discard pile into the hand of `player`.
static void thinDiscard(GameCore &core, std::size_t keep, int player)
{
    auto split = core.discard.end() - static_cast<std::ptrdiff_t>(keep);
    auto &hand = core.hands[static_cast<std::size_t>(player)];
    hand.insert(hand.end(), core.discard.begin(), split);
    core.discard.erase(core.discard.begin(), split);
}

void TestDrawing::drawManyAppends()
{
    // Player 0: 9B KB 8L; the talon's top is 9A, then 8A. A hand-edited text may leave history on a talon card.
    GameCore core = Scripted::game({"9B KB 8L", "9H"}, "TB", "8A 9A/1");
    core.announcements[0] = true;
    const std::vector<DrawnCard> drawn = core.drawMany(0, 2);
    QCOMPARE(drawn.size(), std::size_t(2));
    QVERIFY(drawn[0].player == 0 && drawn[0].card == Scripted::card("9A") && drawn[0].handIndex == 3);
    QVERIFY(drawn[1].player == 0 && drawn[1].card == Scripted::card("8A") && drawn[1].handIndex == 4);
    QCOMPARE(names(core.hand(0)), QString("9B KB 8L 9A 8A"));
    QVERIFY(!core.zavelDeclared(0));
    QCOMPARE(core.currentPlayer, 0); // drawMany is a step, not a turn

    // A count below 1 draws nothing, and the flag is still dropped unless the hand holds two cards.
    core.announcements = {true, true};
    const std::string before = core.serializeState();
    QVERIFY(core.drawMany(1, -3).empty());
    QVERIFY(!core.zavelDeclared(1));
    QVERIFY(core.drawMany(0, 0).empty());
    QVERIFY(!core.zavelDeclared(0));
    core.announcements = {true, true};
    QCOMPARE(bytes(core.serializeState()), bytes(before));

    // A draw that leaves exactly two cards keeps the flag.
    QCOMPARE(core.drawMany(1, 1).size(), std::size_t(1));
    QVERIFY(core.zavelDeclared(1));
    QVERIFY(!core.drawOne(2, nullptr) && !core.drawOne(-1, nullptr));
    QVERIFY(core.drawOne(1, nullptr));
}

void TestDrawing::emptyTalonIsRebuiltFromDiscard()
{
    // Player 0: 8L 9A, nothing fits the Ten of Bells; the talon is empty; the pile holds five played cards;
    // player 1 holds everything else.
    GameCore core = Scripted::game({"8L 9A", ""}, "9L/1 KA/0 8H/1 7H/0 TB/1", "", true);
    thinDiscard(core, 5, 1);
    QVERIFY(core.talon.empty());
    QVERIFY(core.validate());

    std::mt19937 engine = core.rng;
    std::vector<Card> rebuilt = Scripted::cards("9L KA 8H 7H");
    shuffleCards(rebuilt, engine);

    const DrawResult result = core.drawCard(0);
    QVERIFY(result.ok);
    QCOMPARE(result.drawnCards.size(), std::size_t(1));
    QVERIFY(result.drawnCards[0].card == rebuilt.back());
    QCOMPARE(result.drawnCards[0].handIndex, 2);
    rebuilt.pop_back();
    QCOMPARE(names(core.talon), names(rebuilt));
    QCOMPARE(names(core.discard), QString("TB/1"));
    QVERIFY(core.rng == engine);
    QCOMPARE(core.currentPlayer, 1);
    QVERIFY(core.validate());

    // Nothing is rebuilt while the talon holds a card or the pile only its top card.
    const std::string before = core.serializeState();
    core.reshuffleDiscardIntoTalon();
    QCOMPARE(bytes(core.serializeState()), bytes(before));
}

void TestDrawing::rebuildInTheMiddleOfAPenalty()
{
    // Player 0 owes 4 cards and holds 8L 9A; the talon holds only KL; the pile holds six cards, 7B/1 on top.
    GameCore core = Scripted::game({"8L 9A", ""}, "9L/1 KA/0 8H/1 7H/0 7A/1 7B/1", "KL", true);
    thinDiscard(core, 6, 1);
    core.pendingDraw = 4;
    QVERIFY(core.validate());

    std::mt19937 engine = core.rng;
    std::vector<Card> rebuilt = Scripted::cards("9L KA 8H 7H 7A");
    shuffleCards(rebuilt, engine);

    const DrawResult result = core.acceptPenalty(0);
    QVERIFY(result.ok);
    QCOMPARE(result.drawnCards.size(), std::size_t(4));
    std::vector<Card> expected = {Scripted::card("KL")};
    expected.insert(expected.end(), rebuilt.rbegin(), rebuilt.rbegin() + 3);
    for (std::size_t i = 0; i < 4; ++i) {
        QVERIFY(result.drawnCards[i].card == expected[i]);
        QCOMPARE(result.drawnCards[i].handIndex, int(i) + 2);
    }
    QCOMPARE(core.talon.size(), std::size_t(2));
    QCOMPARE(names(core.discard), QString("7B/1"));
    QVERIFY(core.rng == engine);
    QCOMPARE(core.pendingDraw, 0);
    QCOMPARE(core.currentPlayer, 1);
    QVERIFY(core.validate());
}

void TestDrawing::nothingLeftToDraw()
{
    // Player 0 holds every Leaves, Acorns and Hearts card that is not a Nine or an Upper, so nothing fits the
    // Nine of Bells, the only card on the pile; the talon is empty and player 1 holds the rest.
    GameCore core = Scripted::game({"7L 8L TL LL KL AL 7A 8A TA LA KA AA 7H 8H TH LH KH AH", ""}, "9B", "", true);
    thinDiscard(core, 1, 1);
    QVERIFY(core.validate());

    GameCore expected = core;
    expected.currentPlayer = 1;
    const DrawResult result = core.drawCard(0);
    QVERIFY(result.ok);
    QVERIFY(result.drawnCards.empty());
    QCOMPARE(bytes(core.serializeState()), bytes(expected.serializeState()));
}

void TestDrawing::penaltyLargerThanSupply()
{
    // Player 0 owes 6 cards; the talon holds 8A under 9A, the pile 9H under 7B/1; player 1 holds the rest.
    GameCore core = Scripted::game({"8L", ""}, "9H 7B/1", "8A 9A", true);
    thinDiscard(core, 2, 1);
    core.pendingDraw = 6;
    QVERIFY(core.validate());

    const DrawResult result = core.acceptPenalty(0);
    QVERIFY(result.ok && !result.skipped);
    QCOMPARE(result.drawnCards.size(), std::size_t(3));
    QCOMPARE(names(core.hand(0)), QString("8L 9A 8A 9H"));
    QCOMPARE(names(core.discard), QString("7B/1"));
    QVERIFY(core.talon.empty());
    QCOMPARE(core.pendingDraw, 0);
    QCOMPARE(core.currentPlayer, 1);
    QVERIFY(core.validate());
}

void TestDrawing::acceptedSkip()
{
    // Player 0: AB 9B under a skip, declared (the Ace fits); player 1: 8H KH.
    GameCore core = Scripted::game({"AB 9B", "8H KH"}, "AL");
    core.pendingSkip = true;
    QVERIFY(core.declareZavel(0));
    const DrawResult result = core.acceptPenalty(0);
    QVERIFY(result.ok && result.skipped && result.drawnCards.empty());
    QVERIFY(!core.pendingSkip);
    QVERIFY(!core.zavelDeclared(0)); // cleared although two cards remain
    QCOMPARE(core.hand(0).size(), std::size_t(2));
    QCOMPARE(core.currentPlayer, 1);
    QVERIFY(!core.canAcceptPenalty(1));
    QVERIFY(core.canDraw(1)); // a free turn: neither 8H nor KH fits the Ace of Leaves
    QVERIFY(core.validate());
}

QTEST_APPLESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
