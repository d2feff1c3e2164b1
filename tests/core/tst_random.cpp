// The random source: the engine itself, the bounded draw and the shuffle, checked output by output on engines
// whose next outputs are fixed, counting every consumed output, rejected ones included.

#include "enginestate.h"
#include "random.h"
#include "scripted.h"

#include <QtTest>

using namespace Zavel;
using Outputs = std::vector<std::uint32_t>;

Q_DECLARE_METATYPE(Outputs)

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void engineState_data();
    void engineState();
    void boundedDraw_data();
    void boundedDraw();
    void shuffle_data();
    void shuffle();
    void shuffleSwitchesProcedureAt65536();
};

static std::mt19937 advanced(std::mt19937 engine, unsigned long long count)
{
    engine.discard(count);
    return engine;
}

void TestRandom::engineState_data()
{
    QTest::addColumn<int>("used");
    QTest::newRow("fresh") << 0;
    QTest::newRow("one output") << 1;
    QTest::newRow("at regeneration") << 624;
    QTest::newRow("deep") << 10007;
}

// The state text copies the numbers straight out of the engine: they must be the stream's numbers, and loading
// them must give back an engine that continues the same sequence.
void TestRandom::engineState()
{
    QFETCH(int, used);
    std::mt19937 standard;
    standard.discard(9999);
    QCOMPARE(static_cast<std::uint32_t>(standard()), 4123659995u);

    std::mt19937 engine(20240611u);
    engine.discard(static_cast<unsigned long long>(used));
    std::stringstream numbers;
    numbers << engine;
    EngineState state;
    saveEngine(engine, &state);
    for (std::uint32_t word : state.words) {
        std::uint32_t streamed = 0;
        numbers >> streamed;
        QCOMPARE(word, streamed);
    }
    std::uint64_t index = 0;
    numbers >> index;
    QCOMPARE(state.index, index);
    std::mt19937 loaded(5u);
    loadEngine(state, &loaded);
    QVERIFY(loaded == engine);
    for (int i = 0; i < 1300; ++i)
        QCOMPARE(loaded(), engine());

    // The scripted engines of these tests really produce what they are told to.
    std::mt19937 scripted = Scripted::engineWithOutputs({0xFFFFFFFFu, 0u, 0x80000000u, 12345u});
    for (std::uint32_t expected : {0xFFFFFFFFu, 0u, 0x80000000u, 12345u})
        QCOMPARE(static_cast<std::uint32_t>(scripted()), expected);
}

void TestRandom::boundedDraw_data()
{
    QTest::addColumn<quint32>("bound");
    QTest::addColumn<Outputs>("outputs");
    QTest::addColumn<quint32>("expected");
    QTest::addColumn<int>("consumed");

    // 0..1: scaling 0x7FFFFFFF, limit 0xFFFFFFFE.
    QTest::newRow("0..1 low") << 1u << Outputs{0x7FFFFFFEu} << 0u << 1;
    QTest::newRow("0..1 high") << 1u << Outputs{0x7FFFFFFFu} << 1u << 1;
    QTest::newRow("0..1 last accepted") << 1u << Outputs{0xFFFFFFFDu} << 1u << 1;
    QTest::newRow("0..1 discards two") << 1u << Outputs{0xFFFFFFFEu, 0xFFFFFFFFu, 3u} << 0u << 3;
    // 0..0: limit 0xFFFFFFFF, so even a single value can cost two outputs.
    QTest::newRow("0..0") << 0u << Outputs{0xFFFFFFFFu, 0xFFFFFFFEu} << 0u << 2;
    QTest::newRow("full range") << 0xFFFFFFFFu << Outputs{0xFFFFFFFFu} << 0xFFFFFFFFu << 1;
    // 0..2: scaling 1431655765. Multiply-and-shift would give 0 here.
    QTest::newRow("0..2 divides") << 2u << Outputs{1431655765u} << 1u << 1;
    // 0..3 (suit requests): limit 4294967292, scaling 1073741823.
    QTest::newRow("0..3") << 3u << Outputs{4294967292u, 4294967291u} << 3u << 2;
    // 0..7 (rank requests): limit 4294967288, scaling 536870911.
    QTest::newRow("0..7") << 7u << Outputs{4294967288u, 536870911u * 5u} << 5u << 2;
    // 0..5 (three-card shuffle): limit 4294967292, scaling 715827882.
    QTest::newRow("0..5 just below limit") << 5u << Outputs{4294967291u} << 5u << 1;
    // 0..2^31: scaling 1, limit 0x80000001; about half of all outputs are discarded.
    QTest::newRow("0..2^31") << 0x80000000u << Outputs{0x80000001u, 0xFFFFFFFFu, 0x80000000u} << 0x80000000u << 3;
}

void TestRandom::boundedDraw()
{
    QFETCH(quint32, bound);
    QFETCH(Outputs, outputs);
    QFETCH(quint32, expected);
    QFETCH(int, consumed);

    const std::mt19937 start = Scripted::engineWithOutputs(outputs);
    std::mt19937 engine = start;
    QCOMPARE(Zavel::boundedDraw(engine, bound), expected);
    QVERIFY(engine == advanced(start, static_cast<unsigned long long>(consumed)));
}

void TestRandom::shuffle_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<Outputs>("outputs");
    QTest::addColumn<QString>("expected"); // positions of the original cards, as letters
    QTest::addColumn<int>("consumed");

    const std::uint32_t s5 = 715827882u; // scaling of 0..5
    const std::uint32_t s11 = 357913941u; // scaling of 0..11
    const std::uint32_t s19 = 214748364u; // scaling of 0..19

    QTest::newRow("empty") << 0 << Outputs{7u} << "" << 0;
    QTest::newRow("one card") << 1 << Outputs{7u} << "A" << 0;
    QTest::newRow("two, swapped") << 2 << Outputs{0x7FFFFFFEu} << "BA" << 1;
    QTest::newRow("two, kept after a rejection") << 2 << Outputs{0xFFFFFFFFu, 0x80000000u} << "AB" << 2;
    // Three cards: one draw x in 0..5 swaps position 1 with x / 3, then position 2 with x % 3.
    QTest::newRow("three, x=0") << 3 << Outputs{0u} << "CAB" << 1;
    QTest::newRow("three, x=3") << 3 << Outputs{3 * s5 + 9} << "CBA" << 1;
    QTest::newRow("three, x=4") << 3 << Outputs{4 * s5} << "ACB" << 1;
    QTest::newRow("three, x=5") << 3 << Outputs{5 * s5} << "ABC" << 1;
    // Four cards: 0..1 for position 1, then x in 0..11 for positions 2 (x / 4) and 3 (x % 4).
    QTest::newRow("four") << 4 << Outputs{0u, 9 * s11} << "BDCA" << 2;
    QTest::newRow("four with rejections")
        << 4 << Outputs{0xFFFFFFFFu, 0x80000000u, 0xFFFFFFFDu, 7 * s11 + 1} << "ACBD" << 4;
    // Five cards: x in 0..5 for positions 1 and 2, then x in 0..19 for positions 3 (x / 5) and 4 (x % 5).
    QTest::newRow("five") << 5 << Outputs{2 * s5, 17 * s19} << "BAEDC" << 2;
}

void TestRandom::shuffle()
{
    QFETCH(int, size);
    QFETCH(Outputs, outputs);
    QFETCH(QString, expected);
    QFETCH(int, consumed);

    std::vector<Card> list;
    for (int i = 0; i < size; ++i)
        list.push_back(Card{7 + i, 0, -1});
    const std::mt19937 start = Scripted::engineWithOutputs(outputs);
    std::mt19937 engine = start;
    shuffleCards(list, engine);

    QString order;
    for (const Card &c : list)
        order += QChar('A' + (c.rank - 7));
    QCOMPARE(order, expected);
    QVERIFY(engine == advanced(start, static_cast<unsigned long long>(consumed)));
}

// With every draw 0, both procedures rotate the list right by one; they differ in the number of draws: one per
// pair up to 65,535 cards, one per position from 65,536 on. A 32-card deck takes 1 + 15 draws, plus one more
// output for every rejected one.
void TestRandom::shuffleSwitchesProcedureAt65536()
{
    struct Case
    {
        int size;
        Outputs outputs;
        unsigned long long consumed;
    };
    Outputs deckWithRejections(16, 0u);
    deckWithRejections.insert(deckWithRejections.begin() + 5, 0xFFFFFFFFu);
    const Case cases[] = {{32, {}, 16}, {32, deckWithRejections, 17}, {65535, {}, 32767}, {65536, {}, 65535}};
    for (const Case &c : cases) {
        std::vector<Card> list;
        for (int i = 0; i < c.size; ++i)
            list.push_back(Card{i, 0, -1});
        // Past the scripted outputs the words are zero, and an all-zero state regenerates to zeros.
        const std::mt19937 start = Scripted::engineWithOutputs(c.outputs);
        std::mt19937 engine = start;
        shuffleCards(list, engine);
        QCOMPARE(list.front().rank, c.size - 1);
        for (int i = 1; i < c.size; ++i) {
            if (list[static_cast<std::size_t>(i)].rank != i - 1)
                QFAIL(qPrintable(QStringLiteral("size %1: position %2 holds %3").arg(c.size).arg(i).arg(list[i].rank)));
        }
        QVERIFY2(engine == advanced(start, c.consumed), qPrintable(QString::number(c.size)));
    }
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
