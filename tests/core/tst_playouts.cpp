// Whole games played by rule calls alone, with the actions (refused ones included) picked by a separate test
// engine, and whole games between computer players. After every call the invariants of a game must hold.

#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::bytes;

class TestPlayouts : public QObject
{
    Q_OBJECT

private slots:
    void randomCalls_data();
    void randomCalls();
    void computerGames_data();
    void computerGames();
};

// Every card of the deck exactly once, playedBy -1 outside the pile, a seat or -1 on it, and the validator agrees.
static QString invariantFault(const GameCore &core)
{
    std::vector<int> seen(32, 0);
    auto visit = [&seen](const std::vector<Card> &cards, bool pile, int players) -> QString {
        for (const Card &c : cards) {
            if (c.rank < 7 || c.rank > 14 || c.suit < 0 || c.suit > 3)
                return QStringLiteral("card out of range");
            ++seen[static_cast<std::size_t>(Scripted::deckIndex(c))];
            if (pile ? (c.playedBy < -1 || c.playedBy >= players) : c.playedBy != -1)
                return QStringLiteral("playedBy %1 on %2").arg(c.playedBy).arg(Scripted::names({c}));
        }
        return QString();
    };
    QString fault = visit(core.talon, false, core.playerCount);
    for (const auto &hand : core.hands)
        fault += visit(hand, false, core.playerCount);
    fault += visit(core.discard, true, core.playerCount);
    for (int count : seen) {
        if (count != 1)
            fault += QStringLiteral(" census");
    }
    std::string error;
    if (!core.validate(&error))
        fault += QString::fromStdString(" validate: " + error);
    return fault;
}

void TestPlayouts::randomCalls_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("2 players") << 2;
    QTest::newRow("3 players") << 3;
    QTest::newRow("4 players") << 4;
}

void TestPlayouts::randomCalls()
{
    QFETCH(int, players);
    const int games = 60;
    int finished = 0;
    int refused = 0;
    int forgotten = 0;
    for (int g = 0; g < games; ++g) {
        GameCore core(players, 1000u * unsigned(players) + unsigned(g));
        std::mt19937 pick(unsigned(g) * 7919u + 1u);
        auto below = [&pick](int n) {
            return static_cast<int>(pick() % static_cast<std::uint32_t>(n));
        };

        for (int call = 0; call < 4000 && core.winner < 0; ++call) {
            // Mostly the seat on turn, sometimes anyone, including seats that do not exist.
            const int seat = below(5) ? core.currentPlayer : below(players + 2) - 1;
            const std::vector<int> legal = core.legalMoves(seat);
            const std::string before = core.serializeState();
            const std::size_t handBefore = core.hand(seat).size();
            const bool declaredBefore = core.zavelDeclared(seat);
            // Cards that a draw can still reach: the talon and the pile below its top card.
            const int supply = int(core.talon.size() + core.discard.size()) - 1;
            bool expected = false;
            bool ok = false;
            switch (below(8)) {
            case 0:
            case 1: { // a card: a legal one when there is one, else any position, also outside the hand
                const int index = !legal.empty() && below(4) ? legal[std::size_t(below(int(legal.size())))]
                                                             : below(int(handBefore) + 2) - 1;
                expected = core.isCardPlayable(seat, index);
                const PlayResult r = core.playCard(seat, index);
                ok = r.ok;
                if (ok) {
                    QVERIFY(r.card == core.discard.back() && r.card.playedBy == seat);
                    QCOMPARE(r.forgotZavel, handBefore == 2 && !declaredBefore);
                    forgotten += r.forgotZavel ? 1 : 0;
                    QCOMPARE(r.won, core.hand(seat).empty());
                    QCOMPARE(r.won, core.winner == seat);
                    // The played card covers the old top card, which becomes drawable.
                    QCOMPARE(int(r.penaltyCards.size()), r.forgotZavel ? std::min(4, supply + 1) : 0);
                    for (std::size_t i = 0; i < r.penaltyCards.size(); ++i)
                        QCOMPARE(r.penaltyCards[i].handIndex, int(i) + 1);
                } else {
                    QVERIFY(r.card == Card() && r.penaltyCards.empty() && !r.forgotZavel && !r.won && r.choice == 0);
                }
                break;
            }
            case 2: {
                expected = core.canDraw(seat);
                const DrawResult r = core.drawCard(seat);
                ok = r.ok;
                if (ok) {
                    QCOMPARE(int(r.drawnCards.size()), std::min(1, supply));
                    QCOMPARE(core.currentPlayer, core.nextPlayer(seat));
                }
                QVERIFY(ok || (r.drawnCards.empty() && !r.skipped));
                break;
            }
            case 3: {
                expected = core.canAcceptPenalty(seat);
                const int owed = core.pendingDraw;
                const DrawResult r = core.acceptPenalty(seat);
                ok = r.ok;
                if (ok) {
                    QCOMPARE(int(r.drawnCards.size()), std::min(owed, supply));
                    QCOMPARE(r.skipped, owed == 0);
                    QVERIFY(core.pendingDraw == 0 && !core.pendingSkip && !core.zavelDeclared(seat));
                    QCOMPARE(core.currentPlayer, core.nextPlayer(seat));
                }
                QVERIFY(ok || (r.drawnCards.empty() && !r.skipped));
                break;
            }
            case 4:
            case 5: {
                const bool suit = core.pendingChoice == 1 ? below(4) != 0 : below(4) == 0;
                const int value = suit ? below(6) - 1 : below(10) + 6;
                expected = core.winner < 0 && core.pendingChoice == (suit ? 1 : 2) && core.choiceOwner == seat
                    && (suit ? value >= 0 && value <= 3 : value >= 7 && value <= 14);
                ok = suit ? core.chooseSuit(seat, value) : core.chooseRank(seat, value);
                break;
            }
            default:
                expected = core.validPlayer(seat) && seat == core.currentPlayer && core.pendingChoice == 0
                    && handBefore == 2 && !legal.empty();
                ok = core.declareZavel(seat);
                if (ok)
                    QVERIFY(core.zavelDeclared(seat));
                break;
            }
            QCOMPARE(ok, expected);
            if (!ok) {
                ++refused;
                QCOMPARE(bytes(core.serializeState()), bytes(before));
            }
            const QString fault = invariantFault(core);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("game %1, call %2:%3").arg(g).arg(call).arg(fault)));
        }
        finished += core.winner >= 0 ? 1 : 0;
    }
    QCOMPARE(finished, games);
    QVERIFY(refused > 1000);
    QVERIFY(forgotten > 0);
}

void TestPlayouts::computerGames_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("2 players") << 2;
    QTest::newRow("3 players") << 3;
    QTest::newRow("4 players") << 4;
}

// Computer players never pick an action the rules refuse, and their games end.
void TestPlayouts::computerGames()
{
    QFETCH(int, players);
    for (unsigned seed = 1; seed <= 100; ++seed) {
        GameCore core(players, seed);
        int actions = 0;
        while (core.winner < 0) {
            QVERIFY2(++actions < 3000, qPrintable(QStringLiteral("seed %1 does not end").arg(seed)));
            const int seat = core.currentPlayer;
            const AiDifficulty level = static_cast<AiDifficulty>((seat + int(seed)) % 4);
            if (core.pendingChoice == 0 && core.hand(seat).size() == 2 && !core.zavelDeclared(seat)
                && (seat != 1 || seed % 3)) // seat 1 sometimes forgets
                core.declareZavel(seat);
            const AiAction action = core.chooseAiAction(seat, level);
            const bool ok = Scripted::apply(core, seat, action);
            QVERIFY2(ok, qPrintable(QStringLiteral("seed %1: action %2 refused").arg(seed).arg(int(action.type))));
            const QString fault = invariantFault(core);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2:%3").arg(seed).arg(actions).arg(fault)));
        }
    }
}

QTEST_APPLESS_MAIN(TestPlayouts)
#include "tst_playouts.moc"
