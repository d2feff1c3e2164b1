// The deck, a new game's deal and the turn order.

#include "random.h"
#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::names;

class TestNewGame : public QObject
{
    Q_OBJECT

private slots:
    void deckOrder();
    void specialRanks_data();
    void specialRanks();
    void dealFollowsShuffle_data();
    void dealFollowsShuffle();
    void sameSeedSameDeal();
    void playerCountAndSeats();
};

void TestNewGame::deckOrder()
{
    QCOMPARE(QByteArray::fromStdString(GameCore::encodeCards(buildDeck())),
             QByteArray("32 0,7,-1 0,8,-1 0,9,-1 0,10,-1 0,11,-1 0,12,-1 0,13,-1 0,14,-1"
                        " 1,7,-1 1,8,-1 1,9,-1 1,10,-1 1,11,-1 1,12,-1 1,13,-1 1,14,-1"
                        " 2,7,-1 2,8,-1 2,9,-1 2,10,-1 2,11,-1 2,12,-1 2,13,-1 2,14,-1"
                        " 3,7,-1 3,8,-1 3,9,-1 3,10,-1 3,11,-1 3,12,-1 3,13,-1 3,14,-1"));
}

void TestNewGame::specialRanks_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<bool>("special");
    for (int rank : {-40, -1, 0, 1, 6, 8, 9, 10, 13, 15, 16, 23, 30, 31, 32, 39, 64, 1000})
        QTest::newRow(qPrintable(QString::number(rank))) << rank << false;
    for (int rank : {7, 11, 12, 14})
        QTest::newRow(qPrintable(QString::number(rank))) << rank << true;
}

void TestNewGame::specialRanks()
{
    QFETCH(int, rank);
    QFETCH(bool, special);
    QCOMPARE(isSpecialRank(rank), special);
}

void TestNewGame::dealFollowsShuffle_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("2 players") << 2;
    QTest::newRow("3 players") << 3;
    QTest::newRow("4 players") << 4;
}

// The deal worked out from the shuffled deck: the first non-special card from the top opens the pile, the
// special cards above it stay on top and are dealt first, one card per player per round.
void TestNewGame::dealFollowsShuffle()
{
    QFETCH(int, players);
    int specialsOnTop = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        GameCore core(players, seed);

        std::mt19937 engine(seed);
        std::vector<Card> talon = buildDeck();
        shuffleCards(talon, engine);
        std::size_t start = talon.size() - 1;
        while (isSpecialRank(talon[start].rank))
            --start;
        if (talon.size() - 1 - start >= 2)
            ++specialsOnTop;
        const Card starter = talon[start];
        talon.erase(talon.begin() + static_cast<std::ptrdiff_t>(start));
        std::vector<std::vector<Card>> hands(static_cast<std::size_t>(players));
        for (int round = 0; round < 5; ++round) {
            for (auto &hand : hands) {
                hand.push_back(talon.back());
                talon.pop_back();
            }
        }

        QCOMPARE(core.playerCount, players);
        QCOMPARE(names(core.talon), names(talon));
        QCOMPARE(core.talon.size(), std::size_t(32 - 1 - 5 * players));
        QCOMPARE(names(core.discard), names({starter}));
        QVERIFY(!isSpecialRank(core.discard.back().rank));
        QCOMPARE(core.hands.size(), std::size_t(players));
        for (int p = 0; p < players; ++p)
            QCOMPARE(names(core.hands[static_cast<std::size_t>(p)]), names(hands[static_cast<std::size_t>(p)]));
        QCOMPARE(core.announcements, std::vector<bool>(static_cast<std::size_t>(players), false));
        QCOMPARE(Scripted::situation(core), QString("turn 0"));
        QVERIFY(core.rng == engine);
        std::string error;
        QVERIFY2(core.validate(&error), error.c_str());
    }
    // The seeds above must include deals that skip special cards on the way to the starting card.
    QVERIFY(specialsOnTop > 5);
}

void TestNewGame::sameSeedSameDeal()
{
    // A used game, reset by a deal with the same seed, equals a fresh one; so does an unclamped player count.
    GameCore a(3, 4711);
    GameCore b(2, 99);
    Scripted::setSituation(b, "turn 1 won by 1 suit 2 rank 9 draw 4 skip choice 2 by 1");
    b.announcements = {true, true};
    b.setPlayerCount(3);
    QCOMPARE(b.hands.size(), std::size_t(2)); // resized only by the next deal
    b.newGame(4711);
    QCOMPARE(Scripted::bytes(a.serializeState()), Scripted::bytes(b.serializeState()));
    QCOMPARE(Scripted::bytes(GameCore(9, 5).serializeState()), Scripted::bytes(GameCore(4, 5).serializeState()));

    // Seed 0 draws a fresh seed from the platform: two such games differ (a clash has probability 2^-32).
    a.newGame(0);
    b.newGame(0);
    QVERIFY(a.validate());
    QVERIFY(!(a.rng == b.rng));
}

void TestNewGame::playerCountAndSeats()
{
    // The count is clamped at once; the hands follow at the next deal.
    const int counts[][2] = {{-3, 2}, {1, 2}, {2, 2}, {3, 3}, {4, 4}, {9, 4}, {std::numeric_limits<int>::min(), 2}};
    for (const auto &c : counts) {
        GameCore core(2, 3);
        core.setPlayerCount(c[0]);
        QCOMPARE(core.playerCount, c[1]);
        QCOMPARE(core.hands.size(), std::size_t(2));
        core.newGame(3);
        QCOMPARE(core.hands.size(), std::size_t(c[1]));
    }

    for (int players = 2; players <= 4; ++players) {
        GameCore core(players, 11);
        QCOMPARE(core.nextPlayer(players - 1), 0);
        for (int turn = 1; turn <= 2 * players; ++turn) {
            core.advanceTurn();
            QCOMPARE(core.currentPlayer, turn % players);
            QCOMPARE(core.nextPlayerHandCount(), 5);
        }
        QVERIFY(core.hand(-1).empty());
        QVERIFY(core.hand(players).empty());
        QVERIFY(!core.validPlayer(players) && !core.validPlayer(-1));
    }

    GameCore won(3, 11);
    won.currentPlayer = 2;
    won.winner = 2;
    won.advanceTurn();
    QCOMPARE(won.currentPlayer, 2);
    QCOMPARE(won.topCard(), &won.discard.back());
    won.discard.clear();
    QCOMPARE(won.topCard(), static_cast<const Card *>(nullptr));
}

QTEST_APPLESS_MAIN(TestNewGame)
#include "tst_newgame.moc"
