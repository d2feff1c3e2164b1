// The state text: its exact bytes, the card list reader, the consistency checks and the all-or-nothing restore.

#include "scripted.h"

#include <QtTest>

using namespace Scripted;

class TestStateText : public QObject
{
    Q_OBJECT

private slots:
    // The whole text of a game; the engine part is what the engine's own stream operators write and read.
    void workedText()
    {
        std::mt19937 extracted;
        GameCore core = game("H 7H TB KA UL H! AH 8A LB D 9B 9L/1 turn=1 suit=2 draw=4");
        GameCore restored = core;
        for (unsigned long long used : {0ull, 1ull, 623ull, 10007ull}) {
            core.rng.seed(5489u);
            core.rng.discard(used);
            std::stringstream engine;
            engine << core.rng;
            QCOMPARE(bytes(core.serializeState()),
                     bytes("ZAVEL_STATE_V1\n2 1 -1 2 -1 4 0 0 -1\n2 0 1\nRNG " + engine.str()
                           + "\nT 23 0,7,-1 0,8,-1 0,12,-1 0,13,-1 0,14,-1 1,7,-1 1,8,-1 1,10,-1 1,11,-1 1,13,-1 "
                             "1,14,-1 2,7,-1 2,9,-1 2,10,-1 2,11,-1 2,12,-1 2,14,-1 3,8,-1 3,9,-1 3,10,-1 3,11,-1 "
                             "3,12,-1 3,13,-1\nD 2 0,9,-1 1,9,1\nH0 4 3,7,-1 0,10,-1 2,13,-1 1,12,-1\n"
                             "H1 3 3,14,-1 2,8,-1 0,11,-1\n"));
            engine >> extracted;
            QVERIFY(restored.restoreState(core.serializeState()) && restored.rng == extracted);
        }
        setSituation(core, "win=1 turn=0 rank=14 skip choice=2");
        QCOMPARE(scalars(core), QByteArray("2 0 1 -1 14 0 1 2 0"));
    }

    // The count, then that many blank-separated codes of three integers each; anything after is ignored.
    void decodeCards()
    {
        const std::vector<std::pair<std::string, QByteArray>> rows = {
            {"0 abc 3,14,1", "0"},
            {" \t2\t0,7,-1\n3,14,1", "2 0,7,-1 3,14,1"},
            {"1 3,14,1,99 0,7,-1", "1 3,14,1"},
            {"2 9,99,-5 9,99,-5", "2 9,99,-5 9,99,-5"},
            {"1 +3,+14,-2147483648", "1 3,14,-2147483648"},
            {"-1 3,14,1", ""},
            {"18446744073709551617", ""},
            {"4294967296 0,7,-1", ""}, // never reserves room for more than a deck
            {"2 0,7,-1 ", ""},
            {"1 0,7", ""},
            {"1 3,14,2147483648", ""},
        };
        for (const auto &[text, result] : rows) {
            std::vector<Card> target = cards("9A/2 KL");
            QCOMPARE(GameCore::decodeCards(text, &target), !result.isEmpty());
            QCOMPARE(bytes(GameCore::encodeCards(target)), result.isEmpty() ? QByteArray("2 2,9,2 1,13,-1") : result);
        }
    }

    // The first failed check speaks, so most rows also break a later one.
    void validate()
    {
        // clang-format off
        const std::vector<std::pair<void (*)(GameCore &), std::string>> rows = {
            {[](GameCore &c) { c.talon[0].playedBy = 9; c.winner = 2; c.talon.push_back(c.hands[2][0]); c.talon.push_back(c.hands[2][1]); c.hands[2].clear(); }, ""},
            {[](GameCore &c) { c.playerCount = 5; c.currentPlayer = 9; c.discard.clear(); }, "invalid player count"},
            {[](GameCore &c) { c.currentPlayer = 3; c.winner = 9; }, "invalid turn"},
            {[](GameCore &c) { c.winner = -2; c.requestedSuit = 4; }, "invalid winner"},
            {[](GameCore &c) { c.requestedSuit = 4; c.requestedRank = 6; }, "invalid requested suit"},
            {[](GameCore &c) { c.requestedRank = 15; }, "invalid requested rank"},
            {[](GameCore &c) { c.requestedRank = 11; c.requestedSuit = 0; }, "simultaneous suit and rank request"},
            {[](GameCore &c) { c.pendingDraw = 3; c.pendingSkip = true; }, "invalid draw penalty"},
            {[](GameCore &c) { c.pendingDraw = 2; c.pendingSkip = true; }, "simultaneous draw and skip penalty"},
            {[](GameCore &c) { c.pendingChoice = 1; c.choiceOwner = 1; }, "choice owner does not own turn"},
            {[](GameCore &c) { c.choiceOwner = 0; }, "choice player without a choice"},
            {[](GameCore &c) { c.playerCount = 2; c.talon.clear(); }, "hand vector count mismatch"},
            {[](GameCore &c) { c.announcements.pop_back(); }, "Zavel announcement vector count mismatch"},
            {[](GameCore &c) { c.talon.push_back(c.discard[0]); c.discard.clear(); }, "discard pile is empty"},
            {[](GameCore &c) { c.talon[1] = c.talon[0]; c.hands[2][0].suit = -1; }, "invalid/duplicate talon card"},
            {[](GameCore &c) { c.talon.push_back(c.hands[1][0]); }, "invalid/duplicate hand card"},
            {[](GameCore &c) { c.discard.insert(c.discard.begin(), Card{9, 4, -1}); }, "invalid/duplicate discard card"},
            {[](GameCore &c) { c.talon.pop_back(); c.winner = 1; }, "card total is not 32"},
            {[](GameCore &c) { c.winner = 1; }, "winner still has cards"},
        };
        // clang-format on
        for (const auto &[mutation, message] : rows) {
            GameCore core = game("H 9B KB 8L H 9H 7H H KH AH D TB");
            mutation(core);
            std::string error = "kept";
            QCOMPARE(core.validate(&error), message.empty());
            QCOMPARE(bytes(error), bytes(message.empty() ? "kept" : message));
            QCOMPARE(core.validate(), message.empty());
        }
    }

    // A rejected text leaves the live game as it was, engine included; a few harmless liberties are accepted.
    void restore()
    {
        GameCore saved = game("H 7H TB KA UL H AH 8A LB D 9B 9L/1");
        saved.rng.seed(5489u);
        const std::string text = saved.serializeState();
        const std::vector<std::pair<std::string, std::string>> edits = {
            {"H1 3 3,14,-1 2,8,-1 0,11,-1\n", ""},
            {"ZAVEL_STATE_V1\n", "ZAVEL_STATE_V1\r\n"},
            {"\n2 0 -1 -1 -1 0 0 0 -1\n", "\n2000000000 0 -1 -1 -1 0 0 0 -1\n"},
            {"\n2 0 -1 -1 -1 0 0 0 -1\n", "\n2 0 -1 -1 -1 0 2 0 -1\n"},
            {"\n2 0 -1 -1 -1 0 0 0 -1\n", "\n2 0 -1 -1 -1 0 0 3 0\n"},
            {"\n2 0 -1 -1 -1 0 0 0 -1\n", "\n2 0 0 -1 -1 0 0 0 -1\n"}, // the winner holds cards
            {"\n2 0 0\n", "\n3 0 0 0\n"},
            {"RNG ", "rNG "},
            {"RNG 5489 ", "RNG 4294967296 "},
            {" 624\nT", " 4294967296\nT"},
            {" 624\nT", "\nT"},
            {"\nT 23", "\nT23"},
            {"\nH0 ", "\nH2 "},
            {"H1 3 ", "H1 4 "},
            {" 0,11,-1\n", " 0,10,-1\n"}, // a card twice
        };
        for (const auto &[from, to] : edits) {
            GameCore live(3, 555);
            const std::string edited = std::string(text).replace(text.find(from), from.size(), to);
            QVERIFY2(!live.restoreState(edited), to.c_str());
            QCOMPARE(bytes(live.serializeState()), bytes(GameCore(3, 555).serializeState()));
        }
        GameCore live(4, 9);
        QVERIFY(live.restoreState(text.substr(0, text.size() - 1)) && live.restoreState(text + "H2 0\n\nx\r\n"));
        QCOMPARE(bytes(live.serializeState()), bytes(text));
        QVERIFY(live.restoreState(std::string(text).replace(text.find("\n2 0 0\n"), 7, "\n2 5 0 x\n")));
        QVERIFY(live.zavelDeclared(0));
    }
};

QTEST_APPLESS_MAIN(TestStateText)
#include "tst_statetext.moc"
