// Restoring a game from its state text: all or nothing, and the restored game goes on exactly as the saved one.

#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Scripted::bytes;
using Lines = std::vector<std::string>;
using Edit = std::string (*)(Lines);

Q_DECLARE_METATYPE(Edit)

class TestRestore : public QObject
{
    Q_OBJECT

private slots:
    void restoredGamePlaysOnIdentically_data();
    void restoredGamePlaysOnIdentically();
    void rejected_data();
    void rejected();
    void accepted_data();
    void accepted();
    void largeEngineIndex();
};

static std::string join(const Lines &lines)
{
    return Scripted::joinLines(lines);
}

// Player 0: 7H TB KA UL; player 1: AH 8A LB; the pile 9B under 9L played by player 1; the engine in use.
static std::string savedText()
{
    GameCore core = Scripted::game({"7H TB KA UL", "AH 8A LB"}, "9B 9L/1");
    core.rng.discard(1000);
    return core.serializeState();
}

// One computer move for the seat on turn; the even seats declare when they hold two cards, the odd ones forget.
static void step(GameCore &core, AiDifficulty level)
{
    const int seat = core.currentPlayer;
    if (core.pendingChoice == 0 && core.hand(seat).size() == 2 && seat % 2 == 0)
        core.declareZavel(seat);
    Scripted::apply(core, seat, core.chooseAiAction(seat, level));
}

void TestRestore::restoredGamePlaysOnIdentically_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("2 players") << 2;
    QTest::newRow("3 players") << 3;
    QTest::newRow("4 players") << 4;
}

// At every step the game is written, restored into a twin and written again; then both go on with the same
// decisions, which depend on the engine through the random level and through every reshuffle.
void TestRestore::restoredGamePlaysOnIdentically()
{
    QFETCH(int, players);
    int reshuffles = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        GameCore core(players, seed);
        for (int n = 0; n < 1500 && core.winner < 0; ++n) {
            const std::string text = core.serializeState();
            GameCore twin(4 - players + 2, seed + 100);
            QVERIFY(twin.restoreState(text));
            QCOMPARE(bytes(twin.serializeState()), bytes(text));
            QVERIFY(twin.rng == core.rng);

            const AiDifficulty level = static_cast<AiDifficulty>((n + static_cast<int>(seed)) % 4);
            const std::size_t talonBefore = core.talon.size();
            step(core, level);
            step(twin, level);
            reshuffles += core.talon.size() > talonBefore ? 1 : 0;
            QCOMPARE(bytes(twin.serializeState()), bytes(core.serializeState()));
        }
        std::mt19937 a = core.rng;
        GameCore twin(2, 1);
        QVERIFY(twin.restoreState(core.serializeState()));
        for (int i = 0; i < 700; ++i)
            QCOMPARE(twin.rng(), a());
    }
    QVERIFY(reshuffles > 0);
}

void TestRestore::rejected_data()
{
    QTest::addColumn<Edit>("edit");
    // clang-format off
    QTest::newRow("empty text") << Edit([](Lines) { return std::string(); });
    QTest::newRow("header with carriage return") << Edit([](Lines l) { l[0] += '\r'; return join(l); });
    QTest::newRow("carriage returns everywhere") << Edit([](Lines l) { for (auto &s : l) s += '\r'; return join(l); });
    QTest::newRow("other version") << Edit([](Lines l) { l[0] = "ZAVEL_STATE_V2"; return join(l); });
    QTest::newRow("blank before header") << Edit([](Lines l) { l[0] = " " + l[0]; return join(l); });
    QTest::newRow("header only") << Edit([](Lines l) { return l[0] + '\n'; });
    QTest::newRow("blank line") << Edit([](Lines l) { l.insert(l.begin() + 2, ""); return join(l); });
    QTest::newRow("last hand missing") << Edit([](Lines l) { l.pop_back(); return join(l); });
    QTest::newRow("eight scalars") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 0 0"; return join(l); });
    QTest::newRow("scalar too large") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 0 0 2147483648"; return join(l); });
    QTest::newRow("player count 5") << Edit([](Lines l) { l[1] = "5 0 -1 -1 -1 0 0 0 -1"; return join(l); });
    QTest::newRow("player count 1") << Edit([](Lines l) { l[1] = "1 0 -1 -1 -1 0 0 0 -1"; return join(l); });
    QTest::newRow("skip 2") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 2 0 -1"; return join(l); });
    QTest::newRow("choice 3") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 0 3 0"; return join(l); });
    QTest::newRow("choice -1") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 0 -1 -1"; return join(l); });
    QTest::newRow("three flags for two") << Edit([](Lines l) { l[2] = "3 0 0 0"; return join(l); });
    QTest::newRow("one flag missing") << Edit([](Lines l) { l[2] = "2 0"; return join(l); });
    QTest::newRow("no flag count") << Edit([](Lines l) { l[2] = "x"; return join(l); });
    QTest::newRow("engine prefix") << Edit([](Lines l) { l[3][0] = 'r'; return join(l); });
    QTest::newRow("624 engine numbers") << Edit([](Lines l) { l[3].erase(l[3].rfind(' ')); return join(l); });
    QTest::newRow("engine word 2^32") << Edit([](Lines l) {
        l[3].replace(4, l[3].find(' ', 4) - 4, "4294967296"); return join(l); });
    QTest::newRow("engine index 2^32") << Edit([](Lines l) {
        l[3].replace(l[3].rfind(' ') + 1, std::string::npos, "4294967296"); return join(l); });
    QTest::newRow("engine word negative") << Edit([](Lines l) {
        l[3].replace(4, l[3].find(' ', 4) - 4, "-1"); return join(l); });
    QTest::newRow("talon prefix") << Edit([](Lines l) { l[4].erase(1, 1); return join(l); });
    QTest::newRow("discard prefix") << Edit([](Lines l) { l[5][0] = 'd'; return join(l); });
    QTest::newRow("hands swapped") << Edit([](Lines l) { std::swap(l[6], l[7]); return join(l); });
    QTest::newRow("hand count 33") << Edit([](Lines l) { l[7] = "H1 33 3,14,-1 2,8,-1 0,11,-1"; return join(l); });
    QTest::newRow("hand token missing") << Edit([](Lines l) { l[7] = "H1 4 3,14,-1 2,8,-1 0,11,-1"; return join(l); });
    QTest::newRow("31 cards") << Edit([](Lines l) { l[7] = "H1 2 3,14,-1 2,8,-1"; return join(l); });
    QTest::newRow("card twice") << Edit([](Lines l) { l[7] = "H1 3 3,14,-1 2,8,-1 0,10,-1"; return join(l); });
    QTest::newRow("choice owner off turn") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 0 0 1 1"; return join(l); });
    QTest::newRow("winner holds cards") << Edit([](Lines l) { l[1] = "2 0 0 -1 -1 0 0 0 -1"; return join(l); });
    QTest::newRow("draw and skip") << Edit([](Lines l) { l[1] = "2 0 -1 -1 -1 2 1 0 -1"; return join(l); });
    // clang-format on
}

// A rejected text leaves the live game exactly as it was, random engine included.
void TestRestore::rejected()
{
    QFETCH(Edit, edit);
    const std::string text = edit(Scripted::lines(savedText()));
    GameCore live(3, 555);
    QVERIFY(live.playCard(0, live.legalMoves(0).empty() ? 0 : live.legalMoves(0)[0]).ok || live.drawCard(0).ok);
    live.rng.discard(17);
    const GameCore before = live;
    QVERIFY(!live.restoreState(text));
    QCOMPARE(bytes(live.serializeState()), bytes(before.serializeState()));
    QVERIFY(live.rng == before.rng);
}

void TestRestore::accepted_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("flag0"); // player 0's declaration flag afterwards
    // clang-format off
    QTest::newRow("unchanged") << Edit([](Lines l) { return join(l); }) << 0;
    QTest::newRow("no final line feed") << Edit([](Lines l) { std::string t = join(l); t.pop_back(); return t; }) << 0;
    QTest::newRow("further lines") << Edit([](Lines l) { return join(l) + "H2 0\n\nanything\r\n"; }) << 0;
    QTest::newRow("tenth scalar") << Edit([](Lines l) { l[1] += " 7"; return join(l); }) << 0;
    QTest::newRow("wider blanks") << Edit([](Lines l) { l[1] = "2  0  -1 -1 -1 0 0 0 -1"; return join(l); }) << 0;
    QTest::newRow("flag set") << Edit([](Lines l) { l[2] = "2 1 0"; return join(l); }) << 1;
    QTest::newRow("flag 5, text after") << Edit([](Lines l) { l[2] = "2 5 0 x"; return join(l); }) << 1;
    QTest::newRow("card text after count") << Edit([](Lines l) { l[7] += " 0,7,-1"; return join(l); }) << 0;
    // clang-format on
}

void TestRestore::accepted()
{
    QFETCH(Edit, edit);
    QFETCH(int, flag0);
    const std::string saved = savedText();
    GameCore live(4, 9);
    QVERIFY(live.restoreState(edit(Scripted::lines(saved))));
    GameCore expected(2, 1);
    QVERIFY(expected.restoreState(saved));
    expected.announcements[0] = flag0 != 0;
    QCOMPARE(bytes(live.serializeState()), bytes(expected.serializeState()));
}

// The index is taken as read: above 624 the engine regenerates at its next output, just as at 624.
void TestRestore::largeEngineIndex()
{
    for (const char *index : {"700", "4294967295"}) {
        Lines lines = Scripted::lines(savedText());
        lines[3].replace(lines[3].rfind(' ') + 1, std::string::npos, "624");
        std::mt19937 at624;
        std::istringstream words(lines[3].substr(4));
        words >> at624;
        lines[3].replace(lines[3].rfind(' ') + 1, std::string::npos, index);
        GameCore core(2, 1);
        QVERIFY2(core.restoreState(join(lines)), index);
        QCOMPARE(bytes(Scripted::lines(core.serializeState())[3]), bytes(lines[3]));
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(core.rng(), at624());
    }
}

QTEST_APPLESS_MAIN(TestRestore)
#include "tst_restore.moc"
