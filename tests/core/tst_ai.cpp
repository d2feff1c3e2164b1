// The computer players: card scores per level, the choice of action, tie-breaking, and exactly how many engine
// outputs every decision consumes.

#include "scripted.h"

#include <QtTest>

#include <climits>

using namespace Zavel;
using Outputs = std::vector<std::uint32_t>;

Q_DECLARE_METATYPE(Outputs)

class TestAi : public QObject
{
    Q_OBJECT

private slots:
    void scoreMove_data();
    void scoreMove();
    void chooseAiAction_data();
    void chooseAiAction();
    void requests_data();
    void requests();
    void randomRequests_data();
    void randomRequests();
};

static std::mt19937 advanced(std::mt19937 engine, int count)
{
    engine.discard(static_cast<unsigned long long>(count));
    return engine;
}

void TestAi::scoreMove_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<int>("next"); // cards held by the next player
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("easy");
    QTest::addColumn<int>("normal");
    QTest::addColumn<int>("hard");

    // clang-format off
    QTest::newRow("seven pair, next on 1")     << "7B 7L 9A"       << 1 << 0 << 65 << 115 << 195;
    QTest::newRow("seven, long hands")         << "7B 7L 9B KB 8A" << 3 << 0 << 44 << 70  << 70;
    QTest::newRow("seven, next on 1, own 4")   << "7B 9L KA 8H"    << 1 << 0 << 49 << 95  << 175;
    QTest::newRow("ace, next on 1")            << "AB 9B AL"       << 1 << 0 << 49 << 91  << 171;
    QTest::newRow("ace, next on 2")            << "AB 9B AL"       << 2 << 0 << 49 << 91  << 91;
    QTest::newRow("ace, next on 3")            << "AB 9B AL"       << 3 << 0 << 37 << 57  << 57;
    QTest::newRow("upper, short hand")         << "UB 9B KL"       << 4 << 0 << 39 << 69  << 69;
    QTest::newRow("upper, long hands")         << "UB 9B KL 8A TH" << 3 << 0 << 31 << 44  << 26;
    QTest::newRow("upper, next on 2")          << "UB 9B KL 8A TH" << 2 << 0 << 31 << 44  << 79;
    QTest::newRow("lower, short hand")         << "LB LL 9B"       << 5 << 0 << 40 << 70  << 70;
    QTest::newRow("lower, next on 1")          << "LB LL 9B 8A"    << 1 << 0 << 34 << 50  << 85;
    QTest::newRow("nine with neighbours")      << "9B KB 8B 9L"    << 3 << 0 << 34 << 44  << 44;
    QTest::newRow("eight, next on 1")          << "8B 7B"          << 1 << 0 << 25 << 28  << 28;
    QTest::newRow("king alone")                << "KA"             << 1 << 0 << 20 << 20  << 20;
    QTest::newRow("position -1")               << "9B KB"          << 1 << -1 << INT_MIN << INT_MIN << INT_MIN;
    QTest::newRow("position = size")           << "9B KB"          << 1 << 2 << INT_MIN << INT_MIN << INT_MIN;
    // clang-format on
}

void TestAi::scoreMove()
{
    QFETCH(QString, hand);
    QFETCH(int, next);
    QFETCH(int, index);
    QFETCH(int, easy);
    QFETCH(int, normal);
    QFETCH(int, hard);

    const std::string nextHand = std::string("7H 9H LH UH AH").substr(0, std::size_t(3 * next - 1));
    // Player 2 sits after the next player and must not count.
    const GameCore core = Scripted::game({hand.toStdString(), nextHand, "TA"}, "TL");
    QCOMPARE(core.scoreMove(0, index, AiDifficulty::Easy), easy);
    QCOMPARE(core.scoreMove(0, index, AiDifficulty::Normal), normal);
    QCOMPARE(core.scoreMove(0, index, AiDifficulty::Hard), hard);
    // Random and unknown codes use the light weights without look-ahead.
    QCOMPARE(core.scoreMove(0, index, AiDifficulty::Random), easy);
    QCOMPARE(core.scoreMove(0, index, static_cast<AiDifficulty>(7)), easy);
    QCOMPARE(core.scoreMove(0, index, static_cast<AiDifficulty>(-1)), easy);
}

void TestAi::chooseAiAction_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<int>("level");
    QTest::addColumn<Outputs>("outputs");
    QTest::addColumn<QString>("action"); // type, hand index, choice
    QTest::addColumn<int>("consumed");

    // Player 0 asks; players 1 and 2 hold "9H 7H" and "KH AH". On the Ten of Bells, 9B, KB and UA fit, and UA
    // scores best at Easy. With "8L 9B 9A KB KA" on the Nine of Leaves, 9B and 9A tie at Normal and Hard (36)
    // above 8L (20), so the draw 0..1 picks between them.
    const Outputs none;
    const Outputs high{~0u};
    // clang-format off
    QTest::newRow("random: any legal card") << "9B KB 8L UA" << "TB" << "" << 0 << Outputs{2863311530u}
                                            << "play 3 -1" << 1;
    QTest::newRow("random: rejection")       << "9B KB 8L UA" << "TB" << "" << 0 << high << "play 0 -1" << 2;
    QTest::newRow("unknown level like easy") << "9B KB 8L UA" << "TB" << "" << 9 << none << "play 3 -1" << 1;
    QTest::newRow("easy: one best draws")    << "9B KB 8L UA" << "TB" << "" << 1 << high << "play 3 -1" << 2;
    QTest::newRow("normal: tie, first")      << "8L 9B 9A KB KA" << "9L" << "" << 2 << Outputs{0x7FFFFFFEu}
                                             << "play 1 -1" << 1;
    QTest::newRow("hard: tie, second")       << "8L 9B 9A KB KA" << "9L" << "" << 3 << Outputs{0x80000000u}
                                             << "play 2 -1" << 1;
    QTest::newRow("seven answers a penalty")  << "9B 7L" << "7B" << "draw 2"        << 2 << none << "play 1 -1"   << 1;
    QTest::newRow("penalty, no seven")        << "9B KB" << "7B" << "draw 2"        << 3 << none << "accept -1 -1" << 0;
    QTest::newRow("skip, no ace")             << "9B KB" << "AB" << "skip"          << 0 << none << "accept -1 -1" << 0;
    QTest::newRow("nothing fits")             << "8L 9A" << "TB" << ""              << 1 << none << "draw -1 -1"   << 0;
    QTest::newRow("suit owed")             << "9L 8L KB" << "UB/0" << "choice 1 by 0" << 1 << none << "suit -1 1" << 0;
    QTest::newRow("suit owed, random")     << "9L 8L KB" << "UB/0" << "choice 1 by 0" << 0 << Outputs{3221225469u}
                                           << "suit -1 3" << 1;
    QTest::newRow("rank owed")             << "9L 9A KB" << "LB/0" << "choice 2 by 0" << 2 << none << "rank -1 9" << 0;
    QTest::newRow("choice owed elsewhere") << "9L 9A KB" << "LB/1" << "choice 2 by 1" << 0 << none << "none -1 -1" << 0;
    QTest::newRow("not on turn")           << "9B KB" << "TB" << "turn 1"   << 0 << none << "none -1 -1" << 0;
    QTest::newRow("won")                   << "9B KB" << "TB" << "won by 2" << 0 << none << "none -1 -1" << 0;
    // clang-format on
}

void TestAi::chooseAiAction()
{
    QFETCH(QString, hand);
    QFETCH(QString, top);
    QFETCH(QString, pending);
    QFETCH(int, level);
    QFETCH(Outputs, outputs);
    QFETCH(QString, action);
    QFETCH(int, consumed);

    GameCore core = Scripted::game({hand.toStdString(), "9H 7H", "KH AH"}, top.toStdString());
    Scripted::setSituation(core, pending);
    core.rng = Scripted::engineWithOutputs(outputs);
    GameCore expected = core;
    expected.rng.discard(static_cast<unsigned long long>(consumed));

    const AiAction chosen = core.chooseAiAction(0, static_cast<AiDifficulty>(level));
    static const char *types[] = {"none", "play", "draw", "accept", "suit", "rank"};
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(types[int(chosen.type)]).arg(chosen.handIndex).arg(chosen.choice), action);
    QVERIFY(core.chooseAiAction(-1, AiDifficulty::Random).type == AiActionType::None);
    QVERIFY(core.chooseAiAction(5, AiDifficulty::Hard).type == AiActionType::None);
    QCOMPARE(core.chooseRandom({}), -1);
    QCOMPARE(core.chooseBestMove(0, {}, AiDifficulty::Hard), -1);
    QCOMPARE(Scripted::bytes(core.serializeState()), Scripted::bytes(expected.serializeState()));
}

void TestAi::requests_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("rank");

    // clang-format off
    QTest::newRow("easy: most cards")              << "8B 9L 7L"    << 1 << 1 << 7;
    QTest::newRow("normal: ordinary cards weigh 3") << "8B 9L 7L"   << 2 << 1 << 8;
    QTest::newRow("hard: ten weighs 4 for suits")  << "8B TL"       << 3 << 1 << 8;
    QTest::newRow("normal: tie to lowest code")    << "8B TL"       << 2 << 0 << 8;
    QTest::newRow("normal: king over ace")         << "AH KA"       << 2 << 2 << 13;
    QTest::newRow("easy: two sevens")              << "7L 7B 8A"    << 1 << 0 << 7;
    QTest::newRow("easy: uppers requested")        << "UH UL UA 9B" << 1 << 0 << 12;
    QTest::newRow("normal: uppers weigh 1")        << "UH UL UA 9B" << 2 << 0 << 9;
    QTest::newRow("normal: three aces")            << "AA AB AL 7H" << 2 << 0 << 14;
    QTest::newRow("normal: hearts tie bells")      << "KH TH 9B 8B" << 2 << 0 << 8;
    QTest::newRow("hard: ten and king weigh 4")    << "KH TH 9B 8B" << 3 << 3 << 8;
    QTest::newRow("hard: king over nine")          << "KH 9B"       << 3 << 3 << 9;
    QTest::newRow("unknown level plays easy")      << "UH UL UA 9B" << 9 << 0 << 12;
    QTest::newRow("easy: empty hand")              << ""            << 1 << 0 << 7;
    QTest::newRow("hard: empty hand")              << ""            << 3 << 0 << 7;
    // clang-format on
}

void TestAi::requests()
{
    QFETCH(QString, hand);
    QFETCH(int, difficulty);
    QFETCH(int, suit);
    QFETCH(int, rank);

    GameCore core = Scripted::game({hand.toStdString(), "9H"}, "TA");
    const std::mt19937 engine = core.rng;
    QCOMPARE(core.bestSuitRequest(0, static_cast<AiDifficulty>(difficulty)), suit);
    QCOMPARE(core.bestRankRequest(0, static_cast<AiDifficulty>(difficulty)), rank);
    QVERIFY(core.rng == engine);
    if (hand.isEmpty()) { // a seat that does not exist has no cards either
        QCOMPARE(core.bestSuitRequest(6, static_cast<AiDifficulty>(difficulty)), 0);
        QCOMPARE(core.bestRankRequest(-1, static_cast<AiDifficulty>(difficulty)), 7);
    }
}

void TestAi::randomRequests_data()
{
    QTest::addColumn<bool>("suits");
    QTest::addColumn<Outputs>("outputs");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("consumed");
    QTest::newRow("suit") << true << Outputs{1073741823u} << 1 << 1;
    QTest::newRow("suit after a rejection") << true << Outputs{4294967292u, 4294967291u} << 3 << 2;
    QTest::newRow("rank") << false << Outputs{0u} << 7 << 1;
    QTest::newRow("rank after a rejection") << false << Outputs{4294967288u, 3 * 536870911u} << 10 << 2;
    QTest::newRow("rank, top value") << false << Outputs{4294967287u} << 14 << 1;
}

void TestAi::randomRequests()
{
    QFETCH(bool, suits);
    QFETCH(Outputs, outputs);
    QFETCH(int, expected);
    QFETCH(int, consumed);

    // The hand does not matter at Random: a hand of Hearts Sevens and an empty hand give the same answer.
    for (const char *hand : {"7H KH AH", ""}) {
        GameCore core = Scripted::game({hand, "9L"}, "TA");
        core.rng = Scripted::engineWithOutputs(outputs);
        const std::mt19937 start = core.rng;
        const int value
            = suits ? core.bestSuitRequest(0, AiDifficulty::Random) : core.bestRankRequest(0, AiDifficulty::Random);
        QCOMPARE(value, expected);
        QVERIFY(core.rng == advanced(start, consumed));
    }
}

QTEST_APPLESS_MAIN(TestAi)
#include "tst_ai.moc"
