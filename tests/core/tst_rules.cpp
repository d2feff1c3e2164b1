// The deal, the rules of play and the computer players. Every random draw is checked output by output.

#include "random.h"
#include "scripted.h"
#include "selfplay.h"

#include <QtTest>

using namespace Scripted;
using Outputs = std::vector<std::uint32_t>;

// Whether a card may be played now.
static bool fits(const GameCore &g, const Card &c)
{
    if (g.pendingDraw > 0 || g.pendingSkip)
        return c.rank == (g.pendingDraw > 0 ? Seven : Ace);
    if (g.requestedSuit >= 0 || g.requestedRank >= 0)
        return c.suit == g.requestedSuit || c.rank == g.requestedRank
            || c.rank == (g.requestedSuit >= 0 ? Upper : Lower);
    return c.rank == Upper || c.suit == g.discard.back().suit || c.rank == g.discard.back().rank;
}

static void situation(GameCore &core, const QString &words)
{
    setSituation(core, words.toStdString());
}

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    // Rejection sampling with a division (0..1 scales by 0x7FFFFFFF up to 0xFFFFFFFE); rejected outputs count.
    void boundedDraw()
    {
        const std::vector<std::tuple<std::uint32_t, Outputs, std::uint32_t, int>> rows = {
            {1u, {0xFFFFFFFEu, 0xFFFFFFFFu, 0x7FFFFFFEu}, 0u, 3},
            {0u, {0xFFFFFFFFu, 0xFFFFFFFEu}, 0u, 2},
            {0xFFFFFFFFu, {0xFFFFFFFFu}, 0xFFFFFFFFu, 1},
            {2u, {1431655765u}, 1u, 1}, // multiply-and-shift would give 0
        };
        for (const auto &[bound, outputs, expected, consumed] : rows) {
            std::mt19937 engine = engineWithOutputs(outputs);
            QCOMPARE(Zavel::boundedDraw(engine, bound), expected);
            QVERIFY(engine == engineWithOutputs(outputs, consumed));
        }
    }

    // Below 65536 cards a draw x in 0..(i+1)(i+2)-1 swaps i with x / (i+2) and i+1 with x % (i+2); zeros rotate.
    void shuffle()
    {
        const std::uint32_t s11 = 357913941u, s5 = 715827882u, s19 = 214748364u; // scalings of 0..11, 0..5, 0..19
        // clang-format off
        const std::vector<std::tuple<int, Outputs, QString, int>> rows = {
            {0,     {7u},               "",        0},
            {4,     {0u, 9 * s11},      "BDCA",    2},
            {5,     {2 * s5, 17 * s19}, "BAEDC",   2},
            {32,    {},                 "rotated", 16},
            {65535, {},                 "rotated", 32767},
            {65536, {},                 "rotated", 65535},
        };
        // clang-format on
        for (const auto &[size, outputs, expected, consumed] : rows) {
            std::vector<Card> deck(static_cast<std::size_t>(size));
            for (int i = 0; i < size; ++i)
                deck[std::size_t(i)].rank = i;
            std::vector<Card> rotated = deck;
            std::rotate(rotated.rbegin(), rotated.rbegin() + (size > 0), rotated.rend());
            std::mt19937 engine = engineWithOutputs(outputs);
            shuffleCards(deck, engine);
            QString order;
            for (const Card &c : deck)
                order += QChar('A' + c.rank);
            QVERIFY(expected == "rotated" ? deck == rotated : order == expected);
            QVERIFY(engine == engineWithOutputs(outputs, consumed));
        }
    }

    // A new deal keeps nothing of the game before it but the random engine's seed; the player count is clamped to
    // 2..4. The deals themselves are the simulator's reference outputs (tst_zavelsim).
    void deal()
    {
        GameCore core(2, 99);
        setSituation(core, "win=1 suit=2 rank=9 draw=4 skip choice=2");
        core.announcements.assign(2, true);
        core.setPlayerCount(3);
        core.newGame(5);
        QCOMPARE(bytes(core.serializeState()), bytes(GameCore(3, 5).serializeState()));
        QCOMPARE(bytes(GameCore(9, 5).serializeState()), bytes(GameCore(4, 5).serializeState()));
        QCOMPARE(bytes(GameCore(-1, 5).serializeState()), bytes(GameCore(2, 5).serializeState()));
        core.newGame(0); // a seed from the platform
        QVERIFY(!(core.rng == GameCore(2, 0).rng));
    }

    // Random calls, refused ones included, checked against the rules; a twin restored from the text plays along.
    void randomCalls()
    {
        for (unsigned g = 0; g < 60; ++g) {
            const int players = 2 + int(g % 3);
            GameCore core(players, 1000 + g);
            std::mt19937 pick(g * 7919u + 1u);
            for (int call = 0, afterWin = 0; afterWin < 20; ++call, afterWin += core.winner >= 0) {
                QVERIFY(call < 5000);
                const GameCore before = core;
                GameCore twin(4, 7);
                QVERIFY(twin.restoreState(core.serializeState()));
                QCOMPARE(bytes(twin.serializeState()), bytes(core.serializeState()));
                const int seat = pick() % 5 ? core.currentPlayer : int(pick() % (players + 2)) - 1;
                const int next = (seat + 1) % players, supply = int(core.talon.size() + core.discard.size()) - 1;
                const std::vector<Card> hand = core.hand(seat);
                const std::vector<int> legal = core.legalMoves(seat);
                const bool free = seat == core.currentPlayer && core.winner < 0 && core.pendingChoice == 0;
                const bool anyFits
                    = std::any_of(hand.begin(), hand.end(), [&](const Card &c) { return fits(core, c); });
                GameCore want = core;
                want.currentPlayer = next;
                bool ok = false, expected = false;
                switch (pick() % 7) {
                case 0:
                case 1: {
                    const int i = !legal.empty() && pick() % 4 ? legal[pick() % legal.size()]
                                                               : int(pick() % (hand.size() + 2)) - 1;
                    expected = free && i >= 0 && i < int(hand.size()) && fits(core, hand[std::size_t(i)]);
                    const PlayResult r = core.playCard(seat, i);
                    if (!(ok = r.ok))
                        break;
                    const int rank = hand[std::size_t(i)].rank;
                    const bool forgot = hand.size() == 2 && !before.zavelDeclared(seat);
                    QVERIFY(sameCard(r.card, hand[std::size_t(i)]) && r.card == core.discard.back()
                            && r.card.playedBy == seat);
                    QVERIFY(r.forgotZavel == forgot && r.won == (hand.size() == 1) && !core.zavelDeclared(seat));
                    // Four cards for a forgotten declaration; the win has no effect; any play ends the requests.
                    QCOMPARE(int(r.penaltyCards.size()), forgot ? std::min(4, supply + 1) : 0);
                    situation(want,
                              r.won               ? QString("win=%1").arg(seat)
                                  : rank == Seven ? QString("turn=%1 draw=%2").arg(next).arg(before.pendingDraw + 2)
                                  : rank == Ace   ? QString("turn=%1 skip").arg(next)
                                  : rank == Upper ? QString("turn=%1 choice=1").arg(seat)
                                  : rank == Lower ? QString("turn=%1 choice=2").arg(seat)
                                                  : QString("turn=%1").arg(next));
                    break;
                }
                case 2: {
                    expected = free && core.pendingDraw == 0 && !core.pendingSkip && !anyFits;
                    const DrawResult r = core.drawCard(seat);
                    ok = r.ok;
                    QVERIFY(!ok || int(r.drawnCards.size()) == std::min(1, supply));
                    break;
                }
                case 3: {
                    expected = free && (core.pendingDraw > 0 || core.pendingSkip);
                    const DrawResult r = core.acceptPenalty(seat);
                    if ((ok = r.ok)) {
                        QCOMPARE(int(r.drawnCards.size()), std::min(before.pendingDraw, supply));
                        QVERIFY(r.skipped == before.pendingSkip && !core.zavelDeclared(seat));
                        situation(want, QString("turn=%1").arg(next));
                    }
                    break;
                }
                case 4: {
                    const bool suit = pick() % 2;
                    const int value = suit ? int(pick() % 6) - 1 : int(pick() % 10) + 6;
                    expected = seat == core.currentPlayer && core.winner < 0 && core.pendingChoice == (suit ? 1 : 2)
                        && (suit ? value >= 0 && value <= 3 : value >= 7 && value <= 14);
                    ok = suit ? core.chooseSuit(seat, value) : core.chooseRank(seat, value);
                    situation(want, QString("turn=%1 %2=%3").arg(next).arg(suit ? "suit" : "rank").arg(value));
                    break;
                }
                case 5: { // a computer move for the seat on turn, made alike by the twin
                    // Code 4 stands for 5 here, a code the rules play like Easy (the self-play driver's 4 is the
                    // Expert, which has suites of its own).
                    const int level = int(pick() % 5);
                    SelfPlaySetup setup;
                    setup.levels.assign(4, level == ExpertLevel ? ExpertLevel + 1 : level);
                    setup.forgetful.assign(4, true);
                    setup.maxActions = 1;
                    ok = playSelf(core, setup).actions == 1 && playSelf(twin, setup).actions == 1;
                    expected = before.winner < 0;
                    QCOMPARE(bytes(twin.serializeState()), bytes(core.serializeState()));
                    want = core;
                    break;
                }
                default:
                    expected = free && hand.size() == 2 && anyFits;
                    ok = core.declareZavel(seat);
                    want.currentPlayer = seat;
                    QVERIFY(!ok || core.zavelDeclared(seat));
                }
                QCOMPARE(ok, expected);
                if (ok)
                    QCOMPARE(scalars(core), scalars(want));
                else
                    QCOMPARE(bytes(core.serializeState()), bytes(before.serializeState()));
                QVERIFY2(core.validate(), qPrintable(QString("game %1, call %2").arg(g).arg(call)));
            }
            core.advanceTurn(); // the winner stays on turn
            QCOMPARE(core.currentPlayer, core.winner);
        }
    }

    // The pile under its top card becomes the talon in mid-penalty; a penalty beyond the supply is cleared anyway.
    void reshuffle()
    {
        GameCore core = game("H 8L 9A H KL D 9L/1 KA/0 8H/1 7H/0 7A/1 7B/1");
        std::swap(core.talon, core.hands[1]);
        core.pendingDraw = 4;
        std::mt19937 engine = core.rng;
        std::vector<Card> rebuilt = cards("9L KA 8H 7H 7A"), hand = cards("8L 9A KL");
        shuffleCards(rebuilt, engine);
        hand.insert(hand.end(), rebuilt.rbegin(), rebuilt.rbegin() + 3);
        const DrawResult result = core.acceptPenalty(0);
        QVERIFY(result.ok && result.drawnCards.size() == 4 && result.drawnCards[3].handIndex == 5
                && core.rng == engine);
        QVERIFY(core.hand(0) == hand && core.talon == std::vector<Card>(rebuilt.begin(), rebuilt.begin() + 2));
        QVERIFY(core.discard == cards("7B/1"));
        core.discard.insert(core.discard.begin(), core.hands[1].back()); // one card under the top
        core.hands[1].pop_back();
        core.pendingDraw = 6;
        QCOMPARE(core.acceptPenalty(1).drawnCards.size(), std::size_t(3));
        QCOMPARE(scalars(core), QByteArray("2 0 -1 -1 -1 0 0 0 -1"));
    }

    // The cards each level plays from seat 0's hand, over 32 seeds: two or three where it weighs them alike and picks
    // at random. Each situation sits where a small change of one of the weights changes what is played.
    void plays()
    {
        // clang-format off
        const std::vector<std::tuple<std::string, int, QString>> rows = {
            {"H 9L LA AB UL AL H 7B 8B D LB",    0, "LA AB UL"},
            {"H 9L LA AB UL AL H 7B 8B D LB",    3, "AB UL"},
            {"H UB 7L TB 8B TA H 7B 9B LB D TL", 1, "UB 7L TB"},
            {"H 7A 9B LB H 7B 8B TB UB KB D LA", 3, "7A LB"},
            {"H UL 8A LA H 7B 8B 9B D KA",       1, "UL LA"},
            {"H LL TL UL 7B H 8B 9B TB D LB",    3, "UL 7B"},
            {"H AH KH 7L LH H 7B 8B D 7H",       1, "7L"},
            {"H UB LL AL AH 9A H 7B 8B 9B D UA", 3, "UB 9A"},
            {"H AL LL UA H 7B 8B 9B D TL",       3, "UA"},
            {"H LB UB 7A UL UH H 7B 8B D 7H",    3, "UB 7A"},
            {"H AB UL H 7B D AA",                3, "AB"},
            {"H UA LA LL H 7B 8B 9B TB LB D AA", 3, "LA"},
            {"H AH LB KH H 7B 8B 9B D LH",       1, "AH LB"},
            {"H AH AA AB 7B H 8B 9B D TB",       1, "AB"},
            {"H LL UL 9A KH H 7B D AL",          1, "UL"},
        };
        // clang-format on
        for (const auto &[words, level, expected] : rows) {
            GameCore core = game(words);
            std::vector<std::string> played;
            for (unsigned seed = 1; seed <= 32; ++seed) {
                core.rng.seed(seed);
                const AiAction action = core.chooseAiAction(0, AiDifficulty(level));
                played.push_back(GameText::word(core.hand(0).at(std::size_t(action.handIndex))));
            }
            QStringList shown; // in the order of the hand
            for (const Card &card : core.hand(0)) {
                if (std::find(played.begin(), played.end(), GameText::word(card)) != played.end())
                    shown << QString::fromStdString(GameText::word(card));
            }
            QVERIFY2(shown.join(' ') == expected, qPrintable(QString::fromStdString(words) + ": " + shown.join(' ')));
        }
    }

    // Type, card, choice and outputs taken: UA is Easy's best on TB, 9B and 9A tie on 9L at Normal and Hard.
    void chooseAiAction()
    {
        const std::vector<std::tuple<std::string, std::string, QString, int, Outputs, QString, int>> rows = {
            {"9B KB 8L UA", "TB", "", 0, {~0u, 2863311530u}, "1 3 -1", 2},
            {"9B KB 8L UA", "TB", "", 9, {~0u}, "1 3 -1", 2},
            {"8L 9B 9A KB KA", "9L", "", 2, {0x7FFFFFFEu}, "1 1 -1", 1},
            {"8L 9B 9A KB KA", "9L", "", 3, {0x80000000u}, "1 2 -1", 1},
            {"9B KB", "7B", "draw=2", 3, {}, "3 -1 -1", 0},
            {"8L 9A", "TB", "", 1, {}, "2 -1 -1", 0},
            {"9L 8L KB", "UB/0", "choice=1", 0, {4294967292u, 3221225469u}, "4 -1 3", 2},
            {"9L 9A KB", "LB/0", "choice=2", 0, {3 * 536870911u}, "5 -1 10", 1},
        };
        for (const auto &[hand, top, pending, level, outputs, action, consumed] : rows) {
            GameCore core = game("H " + hand + " H 9H 7H H KH AH D " + top + ' ' + pending.toStdString());
            core.rng = engineWithOutputs(outputs);
            const AiAction a = core.chooseAiAction(0, AiDifficulty(level));
            QCOMPARE(QString("%1 %2 %3").arg(int(a.type)).arg(a.handIndex).arg(a.choice), action);
            QVERIFY(core.rng == engineWithOutputs(outputs, consumed));
        }
    }

    // Normal and Hard weigh ordinary cards 3 (Hard: ranks, Tens and Kings 4), special 1; ties go to the lowest.
    void requests()
    {
        // clang-format off
        const std::vector<std::tuple<std::string, int, int, int>> rows = {
            {"8B 9L 7L",    2, 1, 8},
            {"8B TL",       2, 0, 8},
            {"8B TL",       3, 1, 8},
            {"UH UL UA 9B", 9, 0, 12},
            {"UH UL UA 9B", 2, 0, 9},
            {"KH 9B",       3, 3, 9},
        };
        // clang-format on
        for (const auto &[hand, level, suit, rank] : rows) {
            GameCore core = game("H " + hand + " H 9H D TA");
            QCOMPARE(core.bestSuitRequest(0, AiDifficulty(level)), suit);
            QCOMPARE(core.bestRankRequest(0, AiDifficulty(level)), rank);
            QVERIFY(core.rng == GameCore(2, 1).rng);
        }
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
