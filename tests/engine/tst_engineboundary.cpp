// What QML sees of GameEngine: the registered properties, signals, invokables and the VisualPhase values, the
// settings behind the writable properties, and the card and movement lists handed to views and animations.
// The QML interface is written against these names, so any drift must fail here.

#include "enginetest.h"

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QtTest>

using namespace EngineTest;

namespace {

// Reports the first line where two listings differ, or an empty string.
QString firstDifference(const QStringList &actual, const QStringList &expected)
{
    for (int i = 0; i < qMax(actual.size(), expected.size()); ++i) {
        const QString a = actual.value(i, QStringLiteral("<missing>"));
        const QString e = expected.value(i, QStringLiteral("<missing>"));
        if (a != e)
            return QStringLiteral("entry %1: got '%2', expected '%3'").arg(i).arg(a, e);
    }
    return QString();
}

QString methodLine(const QMetaMethod &method)
{
    QStringList params;
    for (int i = 0; i < method.parameterCount(); ++i)
        params << QString::fromLatin1(method.parameterTypes().at(i) + ' ' + method.parameterNames().at(i));
    const char *kind = method.methodType() == QMetaMethod::Signal ? "signal"
        : method.methodType() == QMetaMethod::Method              ? "invokable"
                                                                  : "other";
    const char *access = method.access() == QMetaMethod::Public ? "public" : "not public";
    return QStringLiteral("%1 %2 %3 %4(%5)")
        .arg(QLatin1String(kind), QLatin1String(access), QString::fromLatin1(method.typeName()),
             QString::fromLatin1(method.name()), params.join(QStringLiteral(", ")));
}

} // namespace

class TestEngineBoundary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterSandbox(&m_home)); }
    void init() { clearDataDir(); }

    void properties();
    void methods();
    void visualPhaseEnum();
    void settings();
    void pauseStopsAndRestartsComputerTimer();
    void cardEntries();
    void participants();
    void dealAndDrawLists();

private:
    QTemporaryDir m_home{sandboxTemplate()};
};

void TestEngineBoundary::properties()
{
    const QStringList expected = {
        "status QString notify=statusChanged",
        "lastEvent QString notify=lastEventChanged",
        "roundResult QString notify=roundResultChanged",
        "activeRequestText QString notify=stateChanged",
        "penaltyText QString notify=stateChanged",
        "playerCount int writable notify=playerCountChanged",
        "activePlayerCount int notify=stateChanged",
        "turnPlayer int notify=stateChanged",
        "winnerPlayer int notify=stateChanged",
        "deckSize int notify=stateChanged",
        "participants QVariantList notify=stateChanged",
        "playerHand QVariantList notify=stateChanged",
        "discardCards QVariantList notify=stateChanged",
        "playerName QString writable notify=namesChanged",
        "ai1Name QString writable notify=namesChanged",
        "ai2Name QString writable notify=namesChanged",
        "ai3Name QString writable notify=namesChanged",
        "aiPlayDelay int writable notify=aiPlayDelayChanged",
        "aiDifficulty int writable notify=difficultiesChanged",
        "ai1Difficulty int writable notify=difficultiesChanged",
        "ai2Difficulty int writable notify=difficultiesChanged",
        "ai3Difficulty int writable notify=difficultiesChanged",
        "animationsEnabled bool writable notify=animationsEnabledChanged",
        "paused bool writable notify=pausedChanged",
        "playerInputEnabled bool notify=stateChanged",
        "canDraw bool notify=stateChanged",
        "canAcceptPenalty bool notify=stateChanged",
        "canDeclareZavel bool notify=stateChanged",
        "zavelArmed bool notify=stateChanged",
        "needsSuitChoice bool notify=stateChanged",
        "needsRankChoice bool notify=stateChanged",
        "requestedSuit int notify=stateChanged",
        "requestedRank int notify=stateChanged",
        "pendingDraw int notify=stateChanged",
        "pendingSkip bool notify=stateChanged",
        "stateRevision quint64 notify=stateChanged",
        "visualPhase int notify=visualPhaseChanged",
    };
    const QMetaObject &meta = GameEngine::staticMetaObject;
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
    QCOMPARE(meta.propertyOffset(), QObject::staticMetaObject.propertyCount());

    // moc records quint64 under its normalised name; compare types by their meta-type, not their spelling.
    QStringList normalised;
    for (QString line : expected) {
        const QByteArray type = line.section(' ', 1, 1).toLatin1();
        normalised << line.replace(1 + line.indexOf(' '), type.size(),
                                   QLatin1String(QMetaType::typeName(QMetaType::type(type))));
    }
    QStringList actual;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        QString line
            = QStringLiteral("%1 %2").arg(QLatin1String(p.name()), QLatin1String(QMetaType::typeName(p.userType())));
        if (p.isWritable())
            line += QStringLiteral(" writable");
        line += QStringLiteral(" notify=") + QString::fromLatin1(p.notifySignal().name());
        if (!p.isReadable() || p.isConstant() || p.isFinal() || p.isResettable())
            line += QStringLiteral(" (not plain readable)");
        actual << line;
    }
    QVERIFY2(actual.size() == 37, qPrintable(QStringLiteral("%1 properties").arg(actual.size())));
    const QString difference = firstDifference(actual, normalised);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestEngineBoundary::methods()
{
    const QStringList expected = {
        "signal public void statusChanged()",
        "signal public void lastEventChanged()",
        "signal public void roundResultChanged()",
        "signal public void playerCountChanged()",
        "signal public void namesChanged()",
        "signal public void difficultiesChanged()",
        "signal public void aiPlayDelayChanged()",
        "signal public void animationsEnabledChanged()",
        "signal public void pausedChanged()",
        "signal public void visualPhaseChanged()",
        "signal public void stateChanged()",
        "signal public void cardAnimationRequested(QString cardId, int playedBy, int oldHandIndex, "
        "QVariantList followupDrawnCards)",
        "signal public void drawAnimationRequested(QVariantList drawnCards)",
        "signal public void dealAnimationRequested(QVariantList dealtCards)",
        "invokable public void start()",
        "invokable public void newGame()",
        "invokable public void playCard(int handIndex)",
        "invokable public void drawCard()",
        "invokable public void acceptPenalty()",
        "invokable public void declareZavel()",
        "invokable public void chooseSuit(int suit)",
        "invokable public void chooseRank(int rank)",
        "invokable public void rejectCard(int handIndex)",
        "invokable public void refreshInputState()",
        "invokable public bool isPlayerCardPlayable(int handIndex)",
        "invokable public void completeCardAnimation()",
        "invokable public void completeDrawAnimation()",
        "invokable public void completeDealAnimation()",
        "invokable public QString suitName(int suit)",
        "invokable public QString rankName(int rank)",
    };
    const QMetaObject &meta = GameEngine::staticMetaObject;
    // Nothing of QObject's own is redeclared, and nothing but the table follows it: no extra slots.
    QCOMPARE(meta.methodOffset(), QObject::staticMetaObject.methodCount());
    QStringList actual;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        actual << methodLine(meta.method(i));
    QVERIFY2(actual.size() == 30, qPrintable(QStringLiteral("%1 methods").arg(actual.size())));
    const QString difference = firstDifference(actual, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestEngineBoundary::visualPhaseEnum()
{
    const QMetaObject &meta = GameEngine::staticMetaObject;
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 1);
    const QMetaEnum e = meta.enumerator(meta.enumeratorOffset());
    QCOMPARE(QLatin1String(e.name()), QLatin1String("VisualPhase"));
    QCOMPARE(QLatin1String(e.scope()), QLatin1String("GameEngine"));
    QVERIFY(!e.isFlag());
    QStringList keys;
    for (int i = 0; i < e.keyCount(); ++i)
        keys << QStringLiteral("%1=%2").arg(QLatin1String(e.key(i))).arg(e.value(i));
    QCOMPARE(keys, QStringList({"Idle=0", "CardFlight=1", "Draw=2", "Deal=3"}));
    QCOMPARE(QMetaEnum::fromType<GameEngine::VisualPhase>().keyToValue("Deal"), 3);
}

// Setters normalise what they get and emit only on a change; none of them touches the rules state.
void TestEngineBoundary::settings()
{
    GameEngine engine;
    SignalLog log(&engine);
    const QList<QPair<int, int>> counts{{1, 2}, {0, 2}, {-3, 2}, {3, 3}, {3, 3}, {9, 4}, {4, 4}, {2, 2}};
    for (const auto &count : counts) {
        engine.setProperty("playerCount", count.first);
        QCOMPARE(engine.playerCount(), count.second);
    }
    QCOMPARE(log.lines, QStringList({"playerCount", "playerCount", "playerCount"}));
    QCOMPARE(engine.activePlayerCount(), 2); // only the next new game takes the setting over

    // aiDifficulty is ai1Difficulty under another name; only seats 1 to 3 have one.
    log.clear();
    QCOMPARE(engine.property("aiDifficulty").toInt(), 1);
    QCOMPARE(QList<int>({engine.ai2Difficulty(), engine.ai3Difficulty()}), QList<int>({2, 3}));
    engine.setProperty("aiDifficulty", 7);
    QCOMPARE(engine.ai1Difficulty(), 3);
    engine.setProperty("ai1Difficulty", 0);
    QCOMPARE(engine.property("aiDifficulty").toInt(), 0);
    engine.setProperty("ai2Difficulty", -1);
    engine.setProperty("ai3Difficulty", 3);
    engine.setDifficulty(0, 2);
    engine.setDifficulty(4, 2);
    engine.setDifficulty(2, -5);
    QCOMPARE(log.lines, QStringList({"difficulties", "difficulties", "difficulties"}));
    QCOMPARE(QList<int>({engine.difficultyForPlayer(-1), engine.difficultyForPlayer(0), engine.difficultyForPlayer(1),
                         engine.difficultyForPlayer(2), engine.difficultyForPlayer(3), engine.difficultyForPlayer(4)}),
             QList<int>({1, 1, 0, 0, 3, 1}));

    // A name is stored as given; the texts change with it.
    log.clear();
    const quint64 revision = engine.stateRevision();
    engine.setProperty("ai2Name", QStringLiteral("  "));
    engine.setAi2Name(QStringLiteral("  "));
    engine.setName(4, QStringLiteral("Nobody"));
    engine.setName(-1, QStringLiteral("Nobody"));
    QCOMPARE(engine.ai2Name(), QStringLiteral("  "));
    QCOMPARE(log.lines, QStringList({"status:Your turn", "names", "roundResult", "state"}));
    QCOMPARE(engine.stateRevision(), revision + 1);
    QCOMPARE(QStringList({engine.playerName(), engine.ai1Name(), engine.ai3Name()}),
             QStringList({"Player", "AI 1", "AI 3"}));

    log.clear();
    QCOMPARE(engine.aiPlayDelay(), 650);
    engine.setProperty("aiPlayDelay", -100);
    QCOMPARE(engine.aiPlayDelay(), 0);
    engine.setAiPlayDelay(0);
    engine.setAiPlayDelay(12345);
    QCOMPARE(engine.aiPlayDelay(), 12345);
    engine.setAnimationsEnabled(true);
    engine.setPaused(false);
    engine.setPaused(true);
    engine.setPaused(true);
    QCOMPARE(log.lines, QStringList({"aiPlayDelay", "aiPlayDelay", "paused", "state"}));
    QVERIFY(!engine.playerInputEnabled());

    // refreshInputState only makes the interface read everything again.
    log.clear();
    engine.refreshInputState();
    QCOMPARE(log.lines, QStringList("state"));
    QCOMPARE(engine.stateRevision(), revision + 3);
}

void TestEngineBoundary::pauseStopsAndRestartsComputerTimer()
{
    // Seat 1 is on turn after a restore and would draw (nothing of its hand fits the Ten of Acorns).
    Situation s;
    s.turn = 1;
    s.hands = QStringList{"8B 9B KL 7H UH", "8H 9H KH 8L 9L"};
    s.discard = QStringLiteral("TA");
    GameEngine engine;
    engine.setAiPlayDelay(600);
    QVERIFY(startFrom(&engine, s));
    QTest::qWait(200);
    engine.setPaused(true);
    QTest::qWait(550); // past the first deadline: the paused move must not happen
    QCOMPARE(engine.turnPlayer(), 1);
    QCOMPARE(engine.lastEvent(), QStringLiteral("Game restored"));

    // A new delay while the timer is stopped arms nothing either.
    engine.setAiPlayDelay(700);
    QTest::qWait(50);
    QCOMPARE(engine.turnPlayer(), 1);

    QElapsedTimer clock;
    qint64 movedAfter = -1;
    connect(&engine, &GameEngine::drawAnimationRequested, this, [&] { movedAfter = clock.elapsed(); });
    clock.start();
    engine.setPaused(false);
    QTRY_VERIFY(movedAfter >= 0);
    // Resuming restarts the full delay, not what was left of the first one.
    QVERIFY2(movedAfter >= 600, qPrintable(QString::number(movedAfter)));
    QCOMPARE(engine.lastEvent(), QStringLiteral("AI 1 draws a card"));

    // A new delay while the timer runs restarts it with that delay.
    QVERIFY(startFrom(&engine, s));
    engine.setAiPlayDelay(60000);
    engine.setAiPlayDelay(10);
    QTRY_COMPARE_WITH_TIMEOUT(engine.lastEvent(), QStringLiteral("AI 1 draws a card"), 1000);
}

void TestEngineBoundary::cardEntries()
{
    std::vector<Zavel::Card> list = cards("KH LB/2 7B TL LA AH");
    list.push_back(Zavel::Card{15, 1, -1});
    const QVariantList entries = GameEngine::toVariantList(list);
    QStringList rows;
    for (const QVariant &entry : entries) {
        const QVariantMap m = entry.toMap();
        QCOMPARE(m.keys(), QStringList({"handIndex", "id", "playedBy", "rank", "special", "suit"}));
        QCOMPARE(QList<int>({m.value("rank").userType(), m.value("id").userType(), m.value("special").userType()}),
                 QList<int>({QMetaType::Int, QMetaType::QString, QMetaType::Bool}));
        rows << QStringLiteral("%1 %2/%3 by %4 %5 #%6")
                    .arg(m.value("id").toString())
                    .arg(m.value("suit").toInt())
                    .arg(m.value("rank").toInt())
                    .arg(m.value("playedBy").toInt())
                    .arg(m.value("special").toBool() ? "special" : "plain")
                    .arg(m.value("handIndex").toInt());
    }
    QCOMPARE(rows,
             QStringList({"3_13 3/13 by -1 plain #0", "0_11 0/11 by 2 special #1", "0_7 0/7 by -1 special #2",
                          "1_10 1/10 by -1 plain #3", "2_11 2/11 by -1 special #4", "3_14 3/14 by -1 special #5",
                          "1_15 1/15 by -1 plain #6"}));
    QSet<QString> ids;
    for (const Zavel::Card &c : Zavel::buildDeck())
        ids.insert(GameEngine::cardId(c));
    QCOMPARE(ids.size(), 32);
}

void TestEngineBoundary::participants()
{
    Situation s;
    s.players = 3;
    s.winner = s.turn = 1;
    s.hands = QStringList{"8B 9B", "", "KH"};
    s.discard = QStringLiteral("TA 9A/0 TH/1");
    s.declared = {0};
    GameEngine engine;
    engine.setName(0, QStringLiteral("  Anna "));
    QVERIFY(startFrom(&engine, s));
    const QVariantList seats = engine.participants();
    QCOMPARE(seats.value(0).toMap().keys(),
             QStringList({"activeTurn", "hand", "handCount", "index", "isHuman", "name", "oneCard", "zavel"}));
    QStringList rows;
    for (const QVariant &seat : seats) {
        const QVariantMap m = seat.toMap();
        rows << QStringLiteral("%1 %2 human=%3 count=%4 turn=%5 zavel=%6 one=%7 [%8]")
                    .arg(m.value("index").toInt())
                    .arg(m.value("name").toString())
                    .arg(m.value("isHuman").toBool())
                    .arg(m.value("handCount").toInt())
                    .arg(m.value("activeTurn").toBool())
                    .arg(m.value("zavel").toBool())
                    .arg(m.value("oneCard").toBool())
                    .arg(describeCards(m.value("hand").toList(), true));
    }
    QCOMPARE(rows,
             QStringList({"0 Anna human=1 count=2 turn=0 zavel=1 one=0 [0_8/-1 0_9/-1]",
                          "1 AI 1 human=0 count=0 turn=1 zavel=0 one=0 []",
                          "2 AI 2 human=0 count=1 turn=0 zavel=0 one=1 [3_13/-1]"}));
    QCOMPARE(engine.playerHand(), seats.value(0).toMap().value("hand").toList());
    // In the pile "handIndex" is the position from the bottom.
    const QVariantList pile = engine.discardCards();
    QCOMPARE(describeCards(pile, true).section(' ', -3), QStringLiteral("2_10/-1 2_9/0 3_10/1"));
    QCOMPARE(pile.last().toMap().value("handIndex").toInt(), pile.size() - 1);
}

// The deal is shown one card per seat and pass, five passes: a sixth card is left out, and a short hand is
// skipped without using an order number.
void TestEngineBoundary::dealAndDrawLists()
{
    Situation s;
    s.players = 3;
    s.hands = QStringList{"7B 8B 9B TB LB UB", "7L 8L", "7A 8A 9A TA LA"};
    s.discard = "KH";
    const QVariantList deal = GameEngine::initialDealList(coreFor(s));
    QCOMPARE(deal.value(0).toMap().keys(), QStringList({"handIndex", "id", "order", "player"}));
    QCOMPARE(describeMoves(deal),
             QStringLiteral("0:0_7@0#0 1:1_7@0#1 2:2_7@0#2 0:0_8@1#3 1:1_8@1#4 2:2_8@1#5 "
                            "0:0_9@2#6 2:2_9@2#7 0:0_10@3#8 2:2_10@3#9 0:0_11@4#10 2:2_11@4#11"));

    std::vector<Zavel::DrawnCard> drawn{{2, card("7B"), 3}, {2, card("AH"), 4}};
    QCOMPARE(describeMoves(GameEngine::drawList(drawn)), QStringLiteral("2:0_7@3#0 2:3_14@4#1"));
    QVERIFY(GameEngine::drawList({}).isEmpty());
}

QTEST_GUILESS_MAIN(TestEngineBoundary)
#include "tst_engineboundary.moc"
