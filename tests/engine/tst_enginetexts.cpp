// The texts the engine shows: the status line for every kind of situation, the request, penalty and result
// lines, player names with their fallbacks and with '%' sequences in them, suit and rank names, the explanation
// of an unplayable card, and the event texts of computer turns.

#include "enginetest.h"

#include <QtTest>

using namespace EngineTest;

class TestEngineTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterSandbox(&m_home)); }
    void init() { clearDataDir(); }

    void statusLines_data();
    void statusLines();
    void nameFallbacks();
    void namesWithPlaceholders_data();
    void namesWithPlaceholders();
    void suitAndRankNames();
    void rejectCard_data();
    void rejectCard();
    void computerTurnTexts_data();
    void computerTurnTexts();

private:
    QTemporaryDir m_home{sandboxTemplate()};
};

namespace {

Situation twoPlayers(const QString &hand0, const QString &hand1, const QString &discard)
{
    Situation s;
    s.hands = QStringList{hand0, hand1};
    s.discard = discard;
    return s;
}

void statusRow(const char *name, const Situation &s, const QString &status, const QString &request = QString(),
               const QString &penalty = QString())
{
    QTest::newRow(name) << stateText(s) << status << request << penalty;
}

} // namespace

void TestEngineTexts::statusLines_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("penalty");

    Situation s = twoPlayers("8B 9B", "", "TA 9A/1");
    s.winner = s.turn = 1;
    statusRow("won", s, "AI 1 won the game");

    s = twoPlayers("8B 9B KH", "8H 9H", "TA UA/1");
    s.turn = 1;
    s.choice = 1;
    statusRow("suit owed", s, "AI 1: choose a suit");
    s.turn = 0;
    s.choice = 2;
    s.discard = "TA LA/0";
    statusRow("rank owed", s, "Player: choose a rank");
    s.choice = 1;
    s.pendingDraw = 2;
    s.requestedRank = 9;
    statusRow("choice before penalty", s, "Player: choose a suit", "Requested rank: Nine", "Draw 2 cards");

    s = twoPlayers("8B 9B KH", "8H 9H", "TA 7A/0 7H/1");
    s.pendingDraw = 4;
    statusRow("draw penalty", s, "Player: play a seven or draw 4", "", "Draw 4 cards");
    s.requestedSuit = 3;
    statusRow("penalty before request", s, "Player: play a seven or draw 4", "Requested suit: Hearts", "Draw 4 cards");

    s = twoPlayers("8B 9B KH", "8H 9H", "TA AA/1");
    s.players = 3;
    s.hands << "KL";
    s.turn = 2;
    s.pendingSkip = true;
    statusRow("skip", s, "AI 2: play an ace or skip", "", "Skip turn");
    s.turn = 0;
    s.requestedRank = 14;
    statusRow("skip before request", s, "Player: play an ace or skip", "Requested rank: Ace", "Skip turn");

    s = twoPlayers("8B 9B KH", "8H 9H", "TA KL/0");
    s.turn = 1;
    s.requestedSuit = 1;
    statusRow("suit requested", s, QString::fromUtf8("AI 1 — Leaves requested"), "Requested suit: Leaves");
    s.turn = 0;
    s.requestedSuit = -1;
    s.requestedRank = 9;
    statusRow("rank requested", s, QString::fromUtf8("Player — Nine requested"), "Requested rank: Nine");
    s.requestedRank = -1;
    s.turn = 1;
    statusRow("computer on turn", s, "AI 1's turn");
    s.turn = 0;
    statusRow("human on turn", s, "Your turn");
}

void TestEngineTexts::statusLines()
{
    QFETCH(QByteArray, state);
    QFETCH(QString, status);
    QFETCH(QString, request);
    QFETCH(QString, penalty);
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setPaused(true);
    engine.start();
    QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));
    QCOMPARE(engine.status(), status);
    QCOMPARE(engine.activeRequestText(), request);
    QCOMPARE(engine.penaltyText(), penalty);
    QCOMPARE(engine.roundResult(), engine.winnerPlayer() >= 0 ? status : QString());
}

void TestEngineTexts::nameFallbacks()
{
    Situation s = twoPlayers("8B 9B KH", "8H 9H", "TA KL/0 9L/1");
    s.players = 3;
    s.hands << "KA";
    s.turn = 2;
    GameEngine engine;
    engine.setPaused(true);
    QVERIFY(startFrom(&engine, s));
    QCOMPARE(engine.status(), QStringLiteral("AI 2's turn"));

    engine.setPlayerName(QStringLiteral("   "));
    engine.setAi1Name(QStringLiteral("  Bob\t"));
    engine.setAi2Name(QStringLiteral("\t \n"));
    QCOMPARE(engine.playerName(), QStringLiteral("   "));
    QCOMPARE(engine.ai1Name(), QStringLiteral("  Bob\t"));
    QCOMPARE(engine.ai2Name(), QStringLiteral("\t \n"));
    QCOMPARE(engine.status(), QStringLiteral("AI 2's turn"));
    QStringList names;
    for (const QVariant &seat : engine.participants())
        names << seat.toMap().value("name").toString();
    QCOMPARE(names, QStringList({"Player", "Bob", "AI 2"}));
    QCOMPARE(engine.playerDisplayName(-1), QStringLiteral("AI -1"));
    QCOMPARE(engine.playerDisplayName(4), QStringLiteral("AI 4"));

    engine.setAi2Name(QStringLiteral(" Cleo "));
    QCOMPARE(engine.status(), QStringLiteral("Cleo's turn"));
}

void TestEngineTexts::namesWithPlaceholders_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("status");
    auto row = [](const char *tag, const Situation &s, int seat, const char *name, const char *status) {
        QTest::newRow(tag) << stateText(s) << seat << QString(name) << QString::fromUtf8(status);
    };

    // Two successive substitutions: the name is filled in first, so a '%' sequence in it takes part in the
    // substitution of the number.
    Situation s = twoPlayers("8B 9B KH", "8H 9H", "TA 7A/0 7H/1");
    s.pendingDraw = 4;
    row("%2, then a number", s, 0, "%2", "4: play a seven or draw 4");
    row("%1, then a number", s, 0, "%1", "4: play a seven or draw %2");
    // One two-argument substitution: the name stays as it is.
    s = twoPlayers("8B 9B KH", "8H 9H", "TA KL/0");
    s.turn = 1;
    s.requestedSuit = 1;
    row("%2 with a suit", s, 1, "%2", "%2 — Leaves requested");
    row("%1 with a suit", s, 1, "%1", "%1 — Leaves requested");
    // One substitution of a single text.
    s.requestedSuit = -1;
    row("%1 on turn", s, 1, "%1", "%1's turn");
    s.choice = 1;
    s.discard = "TA UL/1";
    row("%2 choosing", s, 1, "%2", "%2: choose a suit");
    s = twoPlayers("8B 9B", "", "TA 9A/1");
    s.winner = s.turn = 1;
    row("%2 winning", s, 1, "%2", "%2 won the game");
}

void TestEngineTexts::namesWithPlaceholders()
{
    QFETCH(QByteArray, state);
    QFETCH(int, seat);
    QFETCH(QString, name);
    QFETCH(QString, status);
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setPaused(true);
    engine.setName(seat, name);
    engine.start();
    QCOMPARE(engine.status(), status);
    if (engine.winnerPlayer() >= 0)
        QCOMPARE(engine.roundResult(), status);
}

void TestEngineTexts::suitAndRankNames()
{
    GameEngine engine;
    QStringList suits;
    for (int suit = -1; suit <= 4; ++suit)
        suits << engine.suitName(suit);
    QCOMPARE(suits, QStringList({"", "Bells", "Leaves", "Acorns", "Hearts", ""}));
    QStringList ranks;
    for (int rank : {-1, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 99})
        ranks << engine.rankName(rank);
    QCOMPARE(
        ranks,
        QStringList({"-1", "0", "6", "Seven", "Eight", "Nine", "Ten", "Lower", "Upper", "King", "Ace", "15", "99"}));
}

void TestEngineTexts::rejectCard_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<int>("handIndex");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("text"); // empty: the call must do nothing at all

    // Seat 0 holds 8B 9B KH; the top card is the Ten of Acorns unless a row says otherwise.
    Situation s = twoPlayers("8B 9B KH", "8H 9H", "TA UA/0");
    s.choice = 1;
    s.requestedRank = 9;
    QTest::newRow("suit owed") << stateText(s) << 1 << false << "Choose the requested suit first";
    s.choice = 2;
    s.discard = "TA LA/0";
    s.pendingDraw = 2;
    QTest::newRow("rank owed") << stateText(s) << 1 << false << "Choose the requested rank first";

    s.choice = 0;
    s.discard = "TA 7A/1";
    s.requestedRank = -1;
    s.requestedSuit = 0;
    QTest::newRow("draw penalty") << stateText(s) << 0 << false << "Play a Seven or accept the +2 penalty";
    s.pendingDraw = 0;
    s.pendingSkip = true;
    s.requestedSuit = 3;
    s.discard = "TA AA/1";
    QTest::newRow("skip") << stateText(s) << 2 << false << "Play an Ace or skip the turn";
    s.pendingSkip = false;
    s.discard = "TA KL/1";
    QTest::newRow("suit requested") << stateText(s) << 0 << false << "Requested suit: Hearts";
    QTest::newRow("requested card is playable") << stateText(s) << 2 << false << "";
    s.requestedSuit = -1;
    s.requestedRank = 12;
    QTest::newRow("rank requested") << stateText(s) << 2 << false << "Requested rank: Upper";
    s.requestedRank = -1;
    s.discard = "TA";
    QTest::newRow("no match") << stateText(s) << 0 << false << "Match the suit or rank of the top card";
    QTest::newRow("negative index") << stateText(s) << -1 << false << "";
    QTest::newRow("index past the hand") << stateText(s) << 3 << false << "";
    QTest::newRow("paused") << stateText(s) << 0 << true << "";
    s.turn = 1;
    QTest::newRow("not on turn") << stateText(s) << 0 << true << "";
}

void TestEngineTexts::rejectCard()
{
    QFETCH(QByteArray, state);
    QFETCH(int, handIndex);
    QFETCH(bool, paused);
    QFETCH(QString, text);
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setPaused(paused);
    engine.start();
    QVERIFY(markSave());
    const QString before = describe(engine);
    SignalLog log(&engine);
    engine.rejectCard(handIndex);
    QCOMPARE(log.lines, text.isEmpty() ? QStringList() : QStringList({"lastEvent:" + text}));
    QCOMPARE(engine.lastEvent(), text.isEmpty() ? QStringLiteral("Game restored") : text);
    QVERIFY(saveUntouched());
    QCOMPARE(describe(engine), before);
}

void TestEngineTexts::computerTurnTexts_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("log");

    // Seat 1 holds two cards and only the Eight of Acorns fits: it declares and plays in one move, so the
    // declaration's text is still the last event while the card flies.
    Situation s = twoPlayers("8B KB KH", "8A 9B", "TA");
    s.turn = 1;
    const QString declared = QString::fromUtf8("lastEvent:AI 1 says Zavél!");
    const QStringList flight = {"phase:1", "card:2_8 by 1 from 0 []", "state", "status:Your turn"};
    QTest::newRow("declares and plays") << stateText(s) << "" << (QStringList(declared) + flight);
    QTest::newRow("declares with %2") << stateText(s) << "%2"
                                      << (QStringList(QString::fromUtf8("lastEvent:%2 says Zavél!")) + flight);
    s.declared = {1};
    QTest::newRow("already declared") << stateText(s) << "" << flight;

    // Seat 1 loses its turn to the Ace; seat 2 then finds nothing that fits and draws the Seven of Leaves.
    s = twoPlayers("8B 9B KH", "8H 9H", "TA AA/0");
    s.players = 3;
    s.hands << "8L 9L KL TL TH";
    s.turn = 1;
    s.pendingSkip = true;
    s.talon = "7L";
    QTest::newRow("skip") << stateText(s) << ""
                          << QStringList({"lastEvent:AI 1 skips a turn", "status:AI 2's turn", "roundResult", "state",
                                          "lastEvent:AI 2 draws a card", "phase:2", "draw:[2:1_7@5#0]", "state",
                                          "status:Your turn"});

    s = twoPlayers("8H 9H KH", "8A 9A TL KL LB", "TA 7A/0 7H/1 7B/0");
    s.turn = 1;
    s.pendingDraw = 6;
    s.talon = "KB TB 9B 8B 9L 8L";
    const QStringList penaltyDraw = {"phase:2", "draw:[1:1_8@5#0 1:1_9@6#1 1:0_8@7#2 1:0_9@8#3 1:0_10@9#4 1:0_13@10#5]",
                                     "state", "status:Your turn"};
    QTest::newRow("penalty") << stateText(s) << ""
                             << (QStringList("lastEvent:AI 1 draws 6 penalty cards") + penaltyDraw);
    QTest::newRow("penalty with %2") << stateText(s) << "%2"
                                     << (QStringList("lastEvent:6 draws 6 penalty cards") + penaltyDraw);

    // At the default strength seat 1 asks for what it holds most of.
    s = twoPlayers("8B 9B KH", "8L 9L KL 8H", "TA UA/1");
    s.turn = 1;
    s.choice = 1;
    const QString leaves = QString::fromUtf8("status:Player — Leaves requested");
    QTest::newRow("suit") << stateText(s) << ""
                          << QStringList({"lastEvent:AI 1 requests Leaves", leaves, "roundResult", "state"});
    QTest::newRow("suit with %2") << stateText(s) << "%2"
                                  << QStringList({"lastEvent:%2 requests Leaves", leaves, "roundResult", "state"});
    s.hands[1] = "9A 9L 8H";
    s.choice = 2;
    s.discard = "TA LA/1";
    QTest::newRow("rank") << stateText(s) << ""
                          << QStringList({"lastEvent:AI 1 requests Nine",
                                          QString::fromUtf8("status:Player — Nine requested"), "roundResult", "state"});
}

void TestEngineTexts::computerTurnTexts()
{
    QFETCH(QByteArray, state);
    QFETCH(QString, name);
    QFETCH(QStringList, log);
    QVERIFY(!state.isEmpty());
    QVERIFY(writeSave(state));
    GameEngine engine;
    engine.setAiPlayDelay(0);
    if (!name.isEmpty())
        engine.setAi1Name(name);
    engine.setPaused(true);
    engine.start();
    engine.setPaused(false);
    SignalLog signalLog(&engine);
    QVERIFY(waitUntil([&] { return signalLog.lines.size() >= log.size(); }, 2000));
    QTest::qWait(20); // nothing more may follow: the engine now waits for QML or for the human
    QCOMPARE(signalLog.lines, log);
    QCOMPARE(saveMismatch(engine), QString());
}

QTEST_GUILESS_MAIN(TestEngineTexts)
#include "tst_enginetexts.moc"
