// The state text: the exact bytes written for a state, and the card list reader.

#include "scripted.h"

#include <QtTest>

#include <locale>

using namespace Zavel;
using Scripted::bytes;

class TestStateText : public QObject
{
    Q_OBJECT

private slots:
    void wholeTextOfATwoPlayerGame();
    void emptyListsAndWonGame();
    void globalLocaleDoesNotLeak();
    void encodeCards();
    void decodeCards_data();
    void decodeCards();
    void cardListsReadBack();
};

// The 624 words of an engine seeded with `seed`, computed by the seeding recurrence, then the index 624.
static std::string seededEngineText(std::uint32_t seed)
{
    std::string text = std::to_string(seed);
    std::uint32_t word = seed;
    for (std::uint32_t i = 1; i < 624; ++i) {
        word = 1812433253u * (word ^ (word >> 30)) + i;
        text += ' ' + std::to_string(word);
    }
    return text + " 624";
}

void TestStateText::wholeTextOfATwoPlayerGame()
{
    // Player 0: 7H TB KA UL; player 1: AH 8A LB; the pile: 9B under 9L played by player 1; the other 23 cards in
    // the talon, in deck order.
    GameCore core = Scripted::game({"7H TB KA UL", "AH 8A LB"}, "9B 9L/1");
    core.rng.seed(5489u);
    QVERIFY(core.validate());
    const std::string expected = "ZAVEL_STATE_V1\n"
                                 "2 0 -1 -1 -1 0 0 0 -1\n"
                                 "2 0 0\n"
                                 "RNG "
        + seededEngineText(5489u)
        + "\n"
          "T 23 0,7,-1 0,8,-1 0,12,-1 0,13,-1 0,14,-1 1,7,-1 1,8,-1 1,10,-1 1,11,-1 1,13,-1 1,14,-1 2,7,-1 "
          "2,9,-1 2,10,-1 2,11,-1 2,12,-1 2,14,-1 3,8,-1 3,9,-1 3,10,-1 3,11,-1 3,12,-1 3,13,-1\n"
          "D 2 0,9,-1 1,9,1\n"
          "H0 4 3,7,-1 0,10,-1 2,13,-1 1,12,-1\n"
          "H1 3 3,14,-1 2,8,-1 0,11,-1\n";
    QCOMPARE(bytes(core.serializeState()), bytes(expected));
}

void TestStateText::emptyListsAndWonGame()
{
    // Player 1 won with the Nine of Leaves; player 0 holds 9B KB; the talon is empty, the rest lies in the pile.
    GameCore core = Scripted::game({"9B KB", ""}, "9L/1", "", true);
    core.currentPlayer = 1;
    core.winner = 1;
    core.announcements = {true, false};
    QVERIFY(core.validate());
    const std::vector<std::string> lines = Scripted::lines(core.serializeState());
    QCOMPARE(bytes(lines[1]), QByteArray("2 1 1 -1 -1 0 0 0 -1"));
    QCOMPARE(bytes(lines[2]), QByteArray("2 1 0"));
    QCOMPARE(bytes(lines[4]), QByteArray("T 0"));
    QCOMPARE(bytes(lines[7]), QByteArray("H1 0"));

    core.winner = -1;
    core.currentPlayer = 0;
    core.requestedRank = 14;
    core.pendingSkip = true;
    core.pendingChoice = 2;
    core.choiceOwner = 0;
    QCOMPARE(bytes(Scripted::lines(core.serializeState())[1]), QByteArray("2 0 -1 -1 14 0 1 2 0"));
}

namespace {
struct Grouping : std::numpunct<char>
{
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
} // namespace

// Numbers are written and read in the classic form whatever the process-wide locale says.
void TestStateText::globalLocaleDoesNotLeak()
{
    GameCore core(3, 99);
    core.rng.discard(333);
    const std::string plain = core.serializeState();
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Grouping));
    const std::string grouped = core.serializeState();
    GameCore restored(2, 1);
    const bool ok = restored.restoreState(plain);
    std::locale::global(previous);
    QCOMPARE(bytes(grouped), bytes(plain));
    QVERIFY(ok);
    QVERIFY(restored.rng == core.rng);
}

void TestStateText::encodeCards()
{
    QCOMPARE(bytes(GameCore::encodeCards(Scripted::cards("7B AH/1"))), QByteArray("2 0,7,-1 3,14,1"));
    QCOMPARE(bytes(GameCore::encodeCards({})), QByteArray("0"));
    QCOMPARE(bytes(GameCore::encodeCards({Card{-7, 12, -2147483647 - 1}})), QByteArray("1 12,-7,-2147483648"));
}

void TestStateText::decodeCards_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("result"); // the list as encodeCards writes it

    QByteArray deck = "32";
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 7; rank <= 14; ++rank)
            deck += ' ' + QByteArray::number(suit) + ',' + QByteArray::number(rank) + ",-1";
    }

    QTest::newRow("count 0") << QByteArray("0") << true << QByteArray("0");
    QTest::newRow("count 0, more words") << QByteArray("0 abc 3,14,1") << true << QByteArray("0");
    QTest::newRow("whole deck") << deck << true << deck;
    QTest::newRow("two blanks") << QByteArray("1  3,14,1") << true << QByteArray("1 3,14,1");
    QTest::newRow("fourth field") << QByteArray("1 3,14,1,99") << true << QByteArray("1 3,14,1");
    QTest::newRow("junk after field") << QByteArray("1 3,14,1x") << true << QByteArray("1 3,14,1");
    QTest::newRow("empty field") << QByteArray("1 3,,14,1") << true << QByteArray("1 3,14,1");
    QTest::newRow("leading blanks") << QByteArray(" \t1 3,14,1") << true << QByteArray("1 3,14,1");
    QTest::newRow("tab and line feed") << QByteArray("2\t0,7,-1\n3,14,1") << true << QByteArray("2 0,7,-1 3,14,1");
    QTest::newRow("extra tokens") << QByteArray("1 3,14,1 0,7,-1") << true << QByteArray("1 3,14,1");
    QTest::newRow("no range checks") << QByteArray("2 9,99,-5 9,99,-5") << true << QByteArray("2 9,99,-5 9,99,-5");
    QTest::newRow("signs") << QByteArray("1 +3,+14,-0") << true << QByteArray("1 3,14,0");
    QTest::newRow("lowest int") << QByteArray("1 3,14,-2147483648") << true << QByteArray("1 3,14,-2147483648");

    QTest::newRow("empty") << QByteArray("") << false << QByteArray();
    QTest::newRow("blanks only") << QByteArray("   ") << false << QByteArray();
    QTest::newRow("letter first") << QByteArray("x 1 3,14,1") << false << QByteArray();
    QTest::newRow("count 33") << QByteArray(deck).replace(0, 2, "33").append(" 0,7,-1") << false << QByteArray();
    QTest::newRow("negative count") << QByteArray("-1 3,14,1") << false << QByteArray();
    QTest::newRow("huge count") << QByteArray("18446744073709551617 3,14,1") << false << QByteArray();
    QTest::newRow("token missing") << QByteArray("2 0,7,-1") << false << QByteArray();
    QTest::newRow("token missing, trailing blank") << QByteArray("2 0,7,-1 ") << false << QByteArray();
    QTest::newRow("field missing") << QByteArray("1 0,7") << false << QByteArray();
    QTest::newRow("letters") << QByteArray("1 a,b,c") << false << QByteArray();
    QTest::newRow("overflow") << QByteArray("1 3,14,2147483648") << false << QByteArray();
}

void TestStateText::decodeCards()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, result);

    std::vector<Card> target = Scripted::cards("9A/2 KL");
    QCOMPARE(GameCore::decodeCards(text.toStdString(), &target), ok);
    QCOMPARE(bytes(GameCore::encodeCards(target)), ok ? result : QByteArray("2 2,9,2 1,13,-1"));
    QVERIFY(!GameCore::decodeCards(text.toStdString(), nullptr));
}

// Every card list of a state reads back into the same cards, playedBy included; a four-player text has 10 lines.
void TestStateText::cardListsReadBack()
{
    GameCore core = Scripted::game({"7H TB", "AH 8A LB", "", "9A/2 KA"}, "9B 9L/1 KL/3 7L/0 AL/2", "8H/1");
    const std::vector<std::string> lines = Scripted::lines(core.serializeState());
    std::vector<const std::vector<Card> *> lists = {&core.talon, &core.discard};
    for (const auto &hand : core.hands)
        lists.push_back(&hand);
    QCOMPARE(lines.size(), std::size_t(10));
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string &line = lines[4 + i];
        std::vector<Card> decoded = Scripted::cards("UB");
        QVERIFY(GameCore::decodeCards(line.substr(line.find(' ') + 1), &decoded));
        QCOMPARE(Scripted::names(decoded), Scripted::names(*lists[i]));
    }
}

QTEST_APPLESS_MAIN(TestStateText)
#include "tst_statetext.moc"
