// GameEngine driven as the QML interface drives it. A test needing a particular situation saves it, written in the
// suites' notation (gametext.h), and starts from it.

#include "gameengine.h"
#include "gametext.h"
#include "savefiles.h"

#include <QtTest>

#include <csignal>
#include <random>
#include <sys/resource.h>

using namespace SaveFiles;

namespace {

// The state text of a situation (gametext.h), with the validator's message as a warning when it is not a legal state.
QByteArray stateText(const QString &situation)
{
    const Zavel::GameCore core = GameText::game(situation.toStdString());
    std::string message;
    if (!core.validate(&message))
        qWarning("%s rejected: %s", qPrintable(situation), message.c_str());
    return QByteArray::fromStdString(core.serializeState());
}

bool startFrom(GameEngine *engine, const QString &situation)
{
    const bool saved = writeFile(savePath(), stateText(situation));
    engine->start();
    return saved && engine->lastEvent() == QLatin1String("Game restored");
}

// Empty when the autosave file restores to exactly the rules state the engine shows.
QString saveMismatch(const GameEngine &live)
{
    GameEngine saved;
    saved.setPaused(true);
    saved.start();
    for (int seat = 0; seat < 4; ++seat)
        saved.setName(seat, live.playerDisplayName(seat));
    if (saved.lastEvent() != "Game restored")
        return QStringLiteral(", save does not restore");
    for (const QByteArray &name : QByteArray("activePlayerCount winnerPlayer deckSize participants discardCards "
                                             "requestedSuit requestedRank pendingDraw pendingSkip")
                                      .split(' ')) {
        if (saved.property(name) != live.property(name))
            return ", save differs in " + name;
    }
    return QString();
}

// The hand, the pile and the seats as the views show them: a card by its id ("?" when its rank and suit say
// otherwise), "/n" the seat that played it, "*" a special card, "@n" a hand position other than its place; a seat
// by its name and number of cards, "!" when it has declared, "<" when on turn.
QString views(const GameEngine &engine)
{
    auto cards = [](const QVariantList &list) {
        QStringList out;
        for (int i = 0; i < list.size(); ++i) {
            const QVariantMap m = list[i].toMap();
            const QString id = m["id"].toString();
            out << (id == m["suit"].toString() + '_' + m["rank"].toString() ? id : "?")
                    + (m["playedBy"].toInt() >= 0 ? '/' + m["playedBy"].toString() : "")
                    + (m["special"].toBool() ? "*" : "") + (m["handIndex"] == i ? "" : '@' + m["handIndex"].toString());
        }
        return out.join(' ');
    };
    QStringList seats;
    for (int i = 0; i < engine.participants().size(); ++i) {
        const QVariantMap m = engine.participants()[i].toMap();
        const bool consistent = m["index"] == i && m["isHuman"] == (i == 0) && m["oneCard"] == (m["handCount"] == 1)
            && m["handCount"] == m["hand"].toList().size() && (i > 0 || m["hand"] == engine.playerHand());
        seats << m["name"].toString() + ':' + m["handCount"].toString() + (m["zavel"].toBool() ? "!" : "")
                + (m["activeTurn"].toBool() ? "<" : "") + (consistent ? "" : "?");
    }
    return cards(engine.playerHand()) + " | " + cards(engine.discardCards()) + " | " + seats.join(", ");
}

// Logs each signal with what it says then; with checkSave, "state" also tells whether the autosave matches. The
// interface shows the status and the result line as texts, so they are logged when their text changes: a repeated
// notification is not logged, a stale or wrong text is.
class SignalLog : public QObject
{
public:
    explicit SignalLog(GameEngine *e, bool checkSave = false)
    {
        auto moves = [](const QVariantList &list) {
            QStringList out;
            for (const QVariant &entry : list) {
                const QVariantMap m = entry.toMap();
                out << m["player"].toString() + ':' + m["id"].toString() + '@' + m["handIndex"].toString() + '#'
                        + m["order"].toString();
            }
            return out.join(' ');
        };
        m_shown = {{"status", e->status()}, {"result", e->roundResult()}};
        connect(e, &GameEngine::statusChanged, this, [=] { addText("status", e->status()); });
        connect(e, &GameEngine::roundResultChanged, this, [=] { addText("result", e->roundResult()); });
        connect(e, &GameEngine::lastEventChanged, this, [=] { add("lastEvent:" + e->lastEvent()); });
        connect(e, &GameEngine::visualPhaseChanged, this, [=] { add("phase:" + QString::number(e->visualPhase())); });
        connect(e, &GameEngine::stateChanged, this, [=] { add("state" + (checkSave ? saveMismatch(*e) : QString())); });
        for (auto signal :
             {&GameEngine::aiPlayDelayChanged, &GameEngine::animationsEnabledChanged, &GameEngine::pausedChanged})
            connect(e, signal, this, [=] { add(QMetaMethod::fromSignal(signal).name().replace("Changed", "")); });
        connect(e, &GameEngine::cardAnimationRequested, this,
                [=](const QString &id, int by, int from, const QVariantList &m) {
                    add(QStringLiteral("card:%1 by %2 from %3 [%4]").arg(id).arg(by).arg(from).arg(moves(m)));
                });
        connect(e, &GameEngine::drawAnimationRequested, this,
                [=](const QVariantList &m) { add("draw:[" + moves(m) + "]"); });
        // A deal is shown one card to each seat a pass, each card flying to the place its hand holds it at.
        connect(e, &GameEngine::dealAnimationRequested, this, [=](const QVariantList &m) {
            bool right = true;
            for (int i = 0; i < m.size(); ++i) {
                const QVariantMap d = m[i].toMap();
                const int seats = e->activePlayerCount(), seat = i % seats, place = i / seats;
                const QVariantMap card = e->participants()[seat].toMap()["hand"].toList().value(place).toMap();
                right = right && d["order"] == i && d["player"] == seat && d["handIndex"] == place
                    && d["id"] == card["id"];
            }
            add("deal:" + QString::number(m.size()) + (right ? "" : " wrong"));
        });
    }

    void add(const QString &line) { lines << line; }

    QStringList lines;

private:
    void addText(const QString &name, const QString &text)
    {
        if (m_shown.value(name) != text)
            add(name + ':' + text);
        m_shown[name] = text;
    }

    QHash<QString, QString> m_shown;
};

// The boundary in order, each line listing consecutive entries that share what follows (properties: type, notify
// signal, r(ead-only) or w(ritable)) or what precedes them (methods: kind and result; the enumeration).
static const char properties[] = R"(status: QString statusChanged r
lastEvent: QString lastEventChanged r
roundResult: QString roundResultChanged r
activeRequestText penaltyText: QString stateChanged r
playerCount: int playerCountChanged w
activePlayerCount turnPlayer winnerPlayer deckSize: int stateChanged r
participants playerHand discardCards: QVariantList stateChanged r
playerName ai1Name ai2Name ai3Name: QString namesChanged w
aiPlayDelay: int aiPlayDelayChanged w
aiDifficulty ai1Difficulty ai2Difficulty ai3Difficulty: int difficultiesChanged w
animationsEnabled: bool animationsEnabledChanged w
paused: bool pausedChanged w
playerInputEnabled canDraw canAcceptPenalty canDeclareZavel: bool stateChanged r
zavelArmed needsSuitChoice needsRankChoice: bool stateChanged r
requestedSuit requestedRank pendingDraw: int stateChanged r
pendingSkip: bool stateChanged r
stateRevision: quint64 stateChanged r
visualPhase: int visualPhaseChanged r)";

static const char methods[] = R"(signal void statusChanged() lastEventChanged() roundResultChanged()
signal void playerCountChanged() namesChanged() difficultiesChanged() aiPlayDelayChanged()
signal void animationsEnabledChanged() pausedChanged()
signal void visualPhaseChanged() stateChanged()
signal void cardAnimationRequested(QString cardId, int playedBy, int oldHandIndex, QVariantList followupDrawnCards)
signal void drawAnimationRequested(QVariantList drawnCards) dealAnimationRequested(QVariantList dealtCards)
method void start() newGame() playCard(int handIndex) drawCard() acceptPenalty() declareZavel()
method void chooseSuit(int suit) chooseRank(int rank) rejectCard(int handIndex) refreshInputState()
method bool isPlayerCardPlayable(int handIndex)
method void completeCardAnimation() completeDrawAnimation() completeDealAnimation()
method QString suitName(int suit) rankName(int rank)
enum VisualPhase Idle(0) CardFlight(1) Draw(2) Deal(3))";

} // namespace

class TestGameEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QDir(dataDir()).removeRecursively(); }
    void boundary();
    void actions_data();
    void actions();
    void watchdog();
    void wholeGames();
    void start_data();
    void start();
    void setters_data();
    void setters();
};

void TestGameEngine::initTestCase()
{
    static QTemporaryDir home(QDir::tempPath() + "/zavel-XXXXXX");
    QVERIFY(home.isValid() && useTestHome(home.path()));
}

void TestGameEngine::boundary()
{
    const QMetaObject &meta = GameEngine::staticMetaObject;
    QStringList expected, actual;
    for (const QString &line : QString(properties).split('\n')) {
        for (const QString &name : line.section(": ", 0, 0).split(' '))
            expected << name + ' ' + line.section(": ", 1);
    }
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        actual << QStringLiteral("%1 %2 %3 %4%5")
                      .arg(p.name(), p.userType() == qMetaTypeId<quint64>() ? "quint64" : p.typeName(),
                           p.notifySignal().name(), p.isWritable() ? "w" : "r", p.isConstant() ? " constant" : "");
    }
    // Nothing but the table follows QObject's own methods: no extra slots, nothing redeclared.
    QCOMPARE(meta.methodOffset(), QObject::staticMetaObject.methodCount());
    for (const QString &line : QString(methods).split('\n')) {
        for (auto it = QRegularExpression("\\w+\\([^)]*\\)").globalMatch(line.section(' ', 2)); it.hasNext();)
            expected << line.section(' ', 0, 1) + ' ' + it.next().captured();
    }
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        QStringList parameters;
        for (int k = 0; k < m.parameterCount(); ++k)
            parameters << m.parameterTypes().at(k) + ' ' + m.parameterNames().at(k);
        actual << QStringLiteral("%1 %2 %3(%4)")
                      .arg(QStringList({"method", "signal", "slot", "constructor"}).value(m.methodType()), m.typeName(),
                           m.name(), parameters.join(", "));
    }
    for (int i = 0; i < meta.enumerator(0).keyCount(); ++i) {
        const QMetaEnum phases = meta.enumerator(0);
        actual << QStringLiteral("enum %1 %2(%3)").arg(phases.name(), phases.key(i)).arg(phases.value(i));
    }
    QCOMPARE(actual, expected);

    GameEngine engine;
    QCOMPARE(QStringList({engine.suitName(4), engine.suitName(-1), engine.rankName(6), engine.rankName(15),
                          engine.rankName(7), engine.suitName(0), engine.playerDisplayName(-1)}),
             QStringList({"", "", "6", "15", "Seven", "Bells", "AI -1"}));
}

void TestGameEngine::actions_data()
{
    // Each row restores a situation and logs what its ';'-separated actions emit until the engine waits. Flags: paused,
    // slow (computer moves wait a minute), off (no animations), sync (requests answered in their signal), full (disk
    // full), name= (last, every seat). Actions are invokables, property settings and: texts (logs status, request,
    // penalty and result), gate (the queries that enable the interface's controls, then the hand's playable cards),
    // lists (what the views show), wait (for a computer move) and mark (the autosave file, to show whether it is
    // rewritten).
    QTest::addColumn<QString>("situation"); // then flags after " | "
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("log");
    auto row = [](const char *tag, const QString &s, const QString &actions, const QString &log) {
        QTest::newRow(tag) << s << actions << log;
    };
    const QString free = "H 8A KB KH H 8H 9H 9L D TA", lastButOne = "H 8A KB H 8H 9H 9L D TA T 7L 8L KL AL";
    const QString seat1Draws = "H 8B KB KH H 9H 8H KL T TL D TA ", plain = "H 8B 9B KH H 8H 9H D TA ";
    const QString played = "phase:1|card:2_8 by 0 from 0 []|state";
    const QString penalty = "[0:1_14@1#0 0:1_13@2#1 0:1_8@3#2 0:1_7@4#3]";
    const QString forgot = "lastEvent:You forgot Zavél — four penalty cards|phase:1|card:2_8 by 0 from 0 " + penalty;
    const QString drawn = "|phase:2|draw:" + penalty + "|state";
    const QString idle = "|phase:0|state";
    const QString reply = "|phase:1|card:3_8 by 1 from 0 []|state|status:Your turn";
    const QString seat1Drew = "|lastEvent:AI 1 draws a card|phase:2|draw:[1:1_10@3#0]|state|status:";

    // The texts while a rank is owed: the status asks for it.
    row("rank owed", plain + "LA/0 choice=2", "texts", "Player: choose a rank|||");
    // A choice owed comes before the request and the penalty that stand.
    row("choice first", plain + "LA/0 choice=1 draw=2 rank=9", "texts",
        "Player: choose a suit|Requested rank: Nine|Draw 2 cards|");
    // A penalty to answer is named before the suit request.
    row("penalty first", plain + "7A/0 7H/1 draw=4 suit=3", "texts",
        "Player: play a seven or draw 4|Requested suit: Hearts|Draw 4 cards|");
    // A skip to answer is named before the rank request.
    row("skip first", plain + "AA/1 skip rank=14", "texts",
        "Player: play an ace or skip|Requested rank: Ace|Skip turn|");
    // A name is filled in as text, except where a number follows it: a '%' sequence in it then takes part.
    row("%2, then a number", plain + "7A/0 7H/1 draw=4 | name=%2", "texts", "4: play a seven or draw 4||Draw 4 cards|");
    // Blank names fall back to the default ones.
    row("blank names", "H 8B 9B KH H 8H 9H H KA D TA KL/0 9L/1 turn=2 | paused name= \t", "texts", "AI 2's turn|||");
    // The result of a won game, with the winner's name blank.
    row("blank name, won", "H H 8H D TA 9A/0 win=0 | name=  ", "texts", "Player won the game|||Player won the game");
    // What the interface lets the player do.
    row("gate, declaring", "H 8A KB H 8H 9H 9L D TA", "gate;declareZavel;gate",
        "gate:playerInputEnabled canDeclareZavel 0|lastEvent:Zavél!|state|gate:playerInputEnabled zavelArmed 0");
    // Nothing fits: only drawing is open.
    row("gate, draw", seat1Draws, "gate", "gate:playerInputEnabled canDraw");
    // Paused: nothing is open.
    row("gate, paused", seat1Draws + "| paused", "gate", "gate:");
    // A Seven to answer without a Seven in hand: only the penalty.
    row("gate, penalty", plain + "7A/1 7B/0 draw=4", "gate", "gate:playerInputEnabled canAcceptPenalty");
    // An Ace to answer without an Ace: only the skip.
    row("gate, skip", plain + "AA/1 skip", "gate", "gate:playerInputEnabled canAcceptPenalty");
    // After the player's Upper: only the suit choice.
    row("gate, suit owed", plain + "UA/0 choice=1", "gate", "gate:playerInputEnabled needsSuitChoice");
    // After the player's Lower: only the rank choice.
    row("gate, rank owed", plain + "LA/0 choice=2", "gate", "gate:playerInputEnabled needsRankChoice");
    // A Nine requested: only the Nine is playable.
    row("gate, rank requested", plain + "LA/1 rank=9", "gate", "gate:playerInputEnabled 1");
    // A computer seat on turn: nothing is open.
    row("gate, computer on turn", free + " turn=1 | slow", "gate", "gate:");
    // The winning card: nothing is open during its flight or after.
    row("gate, won", "H 9B H 8H 9H 9L D TB | slow", "playCard 0;gate;completeCardAnimation;gate",
        "phase:1|card:0_9 by 0 from 0 []|state|status:Player won the game|gate:|phase:0|result:Player won the game"
        "|state|gate:");
    // The hand, the pile and the seats as the views read them.
    row("views", "H 8A UB KH H! 9A KB H 9H D TA 9L/1 KL/2 turn=1 | slow", "lists",
        "lists:2_8 0_12* 3_13 | 2_10 1_9/1 1_13/2 | Player:3, AI 1:2!<, AI 2:1");
    // A name is shown without its surrounding blanks.
    row("trimmed name", plain + "turn=1 | paused name= Cleo ", "texts", "Cleo's turn|||");

    // Completions of the wrong kind, for no phase or a second time are ignored; the end of a phase saves again.
    row("play", free + " | slow",
        "completeDealAnimation;completeCardAnimation;playCard 0;completeDealAnimation;completeDrawAnimation;mark;"
        "completeCardAnimation;completeCardAnimation",
        played + "|status:AI 1's turn" + idle);
    // The flight starts from the card's place in the hand.
    row("played from the middle", "H KB 8A KH H 8H 9H 9L D TA | slow", "playCard 1",
        "phase:1|card:2_8 by 0 from 1 []|state|status:AI 1's turn");
    // Four cards owed, three left: the text names the penalty.
    row("penalty beyond the cards left",
        "H 7B 8B 9B TB LB KB AB 8L 9L TL LL UL KL AL H 8A 9A TA LA UA KA AA 7H 8H 9H TH LH KH AH D UB 7A/0 7L/1 T UH "
        "draw=4 | slow",
        "acceptPenalty",
        "lastEvent:You drew 4 penalty cards|phase:2|draw:[0:3_12@14#0 0:0_12@15#1 0:2_7@16#2]|state|status:AI 1's "
        "turn");
    // The last-but-one card without Zavél!: four penalty cards follow the flight, then the computer replies.
    row("forgotten declaration", lastButOne, "playCard 0;completeCardAnimation;completeDrawAnimation",
        forgot + "|state|status:AI 1's turn" + drawn + idle + reply);
    // The same with every request completed inside its signal.
    row("completed inside the signal", lastButOne + " | sync", "playCard 0",
        forgot + "|phase:2|draw:" + penalty + "|phase:0|status:AI 1's turn|state|state|state"
            + "|phase:1|card:3_8 by 1 from 0 []|phase:0|status:Your turn|state|state");
    // Switched off during the flight: the phases end at once.
    row("animations switched off", lastButOne, "playCard 0;animationsEnabled 0",
        forgot + "|state|status:AI 1's turn|animationsEnabled" + drawn + idle + reply + idle);
    // start() during a flight restores the saved game.
    row("start during a flight", lastButOne + " | slow", "playCard 0;start",
        forgot + "|state|status:AI 1's turn|phase:0|lastEvent:Game restored|state");
    // A new game during a flight deals at once; the old flight's completions are ignored.
    row("new game during a flight", lastButOne, "playCard 0;newGame;completeCardAnimation;completeDrawAnimation",
        forgot + "|state|status:AI 1's turn|lastEvent:|phase:3|deal:10|state|status:Your turn");
    // A draw: its card joins the hand at the end.
    row("draw", seat1Draws, "drawCard;lists",
        "lastEvent:You drew a card|phase:2|draw:[0:1_10@3#0]|state|status:AI 1's turn|lists:0_8 0_13 3_13 1_10 | 2_10 "
        "| Player:4, AI 1:3<");
    // The player takes the skip; the computer seat then draws.
    row("skip", seat1Draws + "AA/1 skip", "acceptPenalty",
        "lastEvent:You skipped your turn|status:AI 1's turn|state" + seat1Drew + "Your turn");
    // The player's requested suit, then the computer seat's draw under it.
    row("suit", seat1Draws + "UA/0 choice=1", "chooseSuit 2",
        "lastEvent:You requested Acorns|status:AI 1 — Acorns requested|state" + seat1Drew
            + "Player — Acorns requested");
    // Saves that the disk refuses half-way, after the play and at the end of its phase, leave the last one intact.
    row("saves refused", free + " | full off slow", "playCard 0",
        played + ", save differs in participants|status:AI 1's turn" + idle + ", save differs in participants");
    // Paused, a declaration still counts, once.
    row("declared twice while paused", lastButOne + " | paused", "gate;declareZavel;declareZavel;playCard 0;gate",
        "gate:|lastEvent:Zavél!|state|state|gate:zavelArmed");

    // A computer seat declares, then plays; a '%' name stays as typed.
    row("computer declares and plays", "H 8B KB KH H 8A 9B D TA turn=1 | name=%2", "",
        "lastEvent:%2 says Zavél!|phase:1|card:2_8 by 1 from 0 []|state|status:Your turn");
    // A new delay restarts the computer's timer.
    row("new delay restarts the move", "H 8B KB KH H! 8A 9B D TA turn=1 | slow", "aiPlayDelay 0",
        "aiPlayDelay|phase:1|card:2_8 by 1 from 0 []|state|status:Your turn");
    // A computer seat takes a penalty of six cards.
    row("computer takes 6",
        "H 8H 9H KH H 8A 9A TL KL LB D TA 7A/0 7H/1 7B/0 T KB TB 9B 8B 9L 8L turn=1 draw=6 | name=%2", "",
        "lastEvent:6 draws 6 penalty cards|phase:2|draw:[1:1_8@5#0 1:1_9@6#1 1:0_8@7#2 1:0_9@8#3 1:0_10@9#4 "
        "1:0_13@10#5]|state|status:Your turn");
    // A computer seat owing a suit requests one.
    row("computer requests a suit", "H 8B 9B KH H 8L 9L KL 8H D TA UA/1 turn=1 choice=1 | name=%1", "",
        "lastEvent:%1 requests Leaves|status:%1 — Leaves requested|state");

    // Actions that do not fit the situation change nothing and say nothing.
    row("refused", free,
        "playCard -1;playCard 3;playCard 1;drawCard;acceptPenalty;declareZavel;chooseSuit 1;chooseRank 9;rejectCard 0;"
        "rejectCard -1;rejectCard 3",
        "");
    // Paused: a play and a rejection are refused.
    row("refused while paused", free + " | paused", "playCard 0;rejectCard 1", "");
    // Not on turn: the penalty and a rejection are refused.
    row("refused, not on turn", free + " 7A/1 draw=2 turn=1 | paused", "acceptPenalty;rejectCard 1", "");
    // A won game takes no action.
    row("refused, game won", "H 8A KB KH H D TA 9H/1 win=1", "drawCard;playCard 0;acceptPenalty;rejectCard 1", "");
    // During the player's own flight: no choice and no rejection.
    row("refused, own flight", "H UH KB KH 9B H 8H 9H 9L D TA", "playCard 0;chooseSuit 1;rejectCard 0",
        "phase:1|card:3_12 by 0 from 0 []|state|status:Player: choose a suit");
    // During a computer seat's flight: no play, declaration or rejection.
    row("refused, computer flight", "H 8A KB H KH 9A KL D TA turn=1", "wait;playCard 0;declareZavel;rejectCard 1",
        "phase:1|card:2_9 by 1 from 1 []|state|status:Your turn");
    // During a computer seat's flight: no draw.
    row("draw refused, computer flight", "H KB 8H H 9A KH KL D TA turn=1", "wait;drawCard",
        "phase:1|card:2_9 by 1 from 0 []|state|status:Your turn");
    // During the computer's Seven in flight: taking the penalty is refused.
    row("penalty refused, computer flight", "H 8A KB H 7A KH KL D TA turn=1", "wait;acceptPenalty",
        "phase:1|card:2_7 by 1 from 0 []|state|status:Player: play a seven or draw 2");

    // Each rejection explains itself: a suit owed first,
    row("reject, suit owed", plain + "UA/0 choice=1 rank=9", "rejectCard 1",
        "lastEvent:Choose the requested suit first");
    // a rank owed,
    row("reject, rank owed", plain + "LA/0 choice=2 draw=2", "rejectCard 1",
        "lastEvent:Choose the requested rank first");
    // a Seven to answer,
    row("reject, draw penalty", plain + "7A/1 draw=2 suit=0", "rejectCard 0",
        "lastEvent:Play a Seven or accept the +2 penalty");
    // an Ace to answer,
    row("reject, skip", plain + "AA/1 skip suit=3", "rejectCard 2", "lastEvent:Play an Ace or skip the turn");
    // a requested suit (a card that fits is not explained),
    row("reject, suit requested", plain + "KL/1 suit=3", "rejectCard 2;rejectCard 0",
        "lastEvent:Requested suit: Hearts");
    // a requested rank,
    row("reject, rank requested", plain + "KL/1 rank=12", "rejectCard 2", "lastEvent:Requested rank: Upper");
    // and a card that matches nothing.
    row("reject, no match", plain, "rejectCard 0", "lastEvent:Match the suit or rank of the top card");
}

void TestGameEngine::actions()
{
    QFETCH(QString, situation);
    const QString flags = situation.section(" | ", 1);
    QFETCH(QString, actions);
    QFETCH(QString, log);
    GameEngine engine;
    engine.setAiPlayDelay(flags.contains("slow") ? 60000 : 0);
    engine.setAnimationsEnabled(!flags.contains("off"));
    for (int seat = 0; seat < 4 && flags.contains("name="); ++seat)
        engine.setName(seat, flags.section("name=", 1));
    engine.setPaused(true);
    QVERIFY(startFrom(&engine, situation.section(" | ", 0, 0)));
    const QByteArray mark = "# not rewritten\n"; // restore ignores it, and no save writes it
    QVERIFY(writeFile(savePath(), readFile() + mark));
    engine.setPaused(flags.contains("paused"));
    SignalLog signalLog(&engine, true);
    rlimit limit{}, unlimited{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0 && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR);
    limit = {flags.contains("full") ? 64 : unlimited.rlim_cur, unlimited.rlim_max}; // writes past it fail (EFBIG)
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    if (flags.contains("sync")) {
        connect(&engine, &GameEngine::cardAnimationRequested, &engine, &GameEngine::completeCardAnimation);
        connect(&engine, &GameEngine::drawAnimationRequested, &engine, &GameEngine::completeDrawAnimation);
    }
    for (const QString &action : actions.split(';')) {
        const QByteArray name = action.section(' ', 0, 0).toLatin1();
        const int argument = action.section(' ', 1).toInt();
        if (name == "texts") {
            signalLog.add(
                QStringList({engine.status(), engine.activeRequestText(), engine.penaltyText(), engine.roundResult()})
                    .join('|'));
        } else if (name == "gate") {
            QStringList open;
            for (const char *query : {"playerInputEnabled", "canDraw", "canAcceptPenalty", "canDeclareZavel",
                                      "needsSuitChoice", "needsRankChoice", "zavelArmed"})
                open << (engine.property(query).toBool() ? query : "");
            for (int i = 0; i < engine.playerHand().size(); ++i)
                open << (engine.isPlayerCardPlayable(i) ? QString::number(i) : "");
            signalLog.add("gate:" + open.filter(QRegularExpression(".")).join(' '));
        } else if (name == "lists") {
            signalLog.add("lists:" + views(engine));
        } else if (name == "mark") {
            QVERIFY(writeFile(savePath(), readFile() + mark));
        } else if (name == "wait") {
            QVERIFY(waitUntil([&] { return engine.visualPhase() != GameEngine::Idle; }));
        } else if (engine.metaObject()->indexOfProperty(name) >= 0) {
            engine.setProperty(name, argument);
        } else if (!name.isEmpty()) {
            QVERIFY(QMetaObject::invokeMethod(&engine, name,
                                              action.contains(' ') ? Q_ARG(int, argument) : QGenericArgument()));
        }
    }
    waitUntil([&] { return signalLog.lines.join('|').size() >= log.size(); }, 2000);
    QTest::qWait(20); // nothing more may follow: the engine now waits for QML or for the human
    ::setrlimit(RLIMIT_FSIZE, &unlimited); // before anything is printed: the test log may itself be a file
    QCOMPARE(signalLog.lines.join('|'), log);
    // The file is rewritten exactly when the state changes, unless the disk refuses: then it stays as it was.
    QCOMPARE(readFile().endsWith(mark), !log.contains("state") || flags.contains("full"));
    QCOMPARE(QDir(dataDir()).entryList(QDir::Files), QStringList("autosave-v1.txt"));
}

// Engines whose phases nobody completes run side by side, so the longest watchdog is waited for once.
void TestGameEngine::watchdog()
{
    GameEngine flight, draw, deal, early;
    flight.setAiPlayDelay(60000);
    early.setAiPlayDelay(60000);
    QVERIFY(startFrom(&flight, "H 8A KB KH H 8H 9H 9L D TA"));
    QVERIFY(startFrom(&draw, "H KB KH H 8H 9H 9L D TA"));
    draw.setPaused(true); // the phase ends all the same
    // Completed from inside its signal: the watchdog still runs, and later finds nothing to end.
    connect(&early, &GameEngine::cardAnimationRequested, &early, &GameEngine::completeCardAnimation);
    QVERIFY(startFrom(&early, "H 8A KB KH H 8H 9H 9L D TA"));
    early.playCard(0);
    SignalLog flightLog(&flight), drawLog(&draw), earlyLog(&early);
    QElapsedTimer clock;
    QHash<QObject *, qint64> endedAt;
    for (GameEngine *engine : {&flight, &draw, &deal}) {
        connect(engine, &GameEngine::visualPhaseChanged, this, [&, engine] {
            if (engine->visualPhase() == GameEngine::Idle)
                endedAt[engine] = clock.elapsed();
        });
    }
    clock.start();
    flight.playCard(0);
    draw.drawCard();
    deal.newGame();
    QVERIFY(waitUntil([&] { return endedAt.size() == 3; }, 12000));
    // The watchdog is a coarse timer, which may fire up to 5 % early.
    QVERIFY2(endedAt[&flight] >= 4700 && endedAt[&flight] < 6500 && endedAt[&draw] >= 8500 && endedAt[&deal] >= 8500,
             qPrintable(QStringLiteral("%1 %2 %3").arg(endedAt[&flight]).arg(endedAt[&draw]).arg(endedAt[&deal])));
    // A timed-out phase ends exactly as a completed one, silently.
    QCOMPARE(flightLog.lines.mid(4) + drawLog.lines.mid(5), QString("phase:0|state|phase:0|state").split('|'));
    QCOMPARE(earlyLog.lines, QStringList());
    QCOMPARE(saveMismatch(deal), QString());
}

// Two games each of 2, 3 and 4 players, animated or not, the first restored from a seeded deal.
void TestGameEngine::wholeGames()
{
    const QByteArrayList humanActions
        = QByteArray("playCard chooseSuit chooseRank rejectCard drawCard acceptPenalty declareZavel").split(' ');
    for (int game = 0; game < 6; ++game) {
        const int players = 2 + game % 3;
        std::mt19937 choices(static_cast<unsigned>(game));
        QVERIFY(writeFile(savePath(), QByteArray::fromStdString(Zavel::GameCore(players, choices()).serializeState())));
        GameEngine engine;
        engine.setAnimationsEnabled(game < 3); // then the interface answers every phase, at once or a little later
        engine.setAiPlayDelay(0);
        engine.setPlayerCount(players);
        SignalLog log(&engine, true);
        if (game < 3) {
            connect(&engine, &GameEngine::visualPhaseChanged, this, [&] {
                QTimer::singleShot(int(choices() % 4), &engine, [&] {
                    engine.completeCardAnimation();
                    engine.completeDrawAnimation();
                    engine.completeDealAnimation();
                });
            });
        }
        engine.start();
        for (int round = 0, actions = 0; round < 2; ++round, engine.newGame()) {
            while (waitUntil([&] { return engine.winnerPlayer() >= 0 || engine.playerInputEnabled(); })
                   && engine.winnerPlayer() < 0 && ++actions < 1000) {
                // Seat 0 tries actions at random until one is taken; a refused one must not notify anything.
                const quint64 revision = engine.stateRevision();
                for (int tries = 0; engine.stateRevision() == revision && tries < 10000; ++tries) {
                    const unsigned pick = choices() % 7, value = choices() % 17;
                    QMetaObject::invokeMethod(&engine, humanActions[int(pick)],
                                              pick < 4 ? Q_ARG(int, int(value) - 1) : QGenericArgument());
                }
                QVERIFY2(engine.stateRevision() > revision, "seat 0 finds no action");
            }
            QVERIFY2(engine.winnerPlayer() >= 0, "the game does not end");
            QVERIFY(waitUntil([&] { return engine.visualPhase() == GameEngine::Idle; }));
            QCOMPARE(engine.status(), engine.roundResult());
        }
        QCOMPARE(log.lines.filter(", save"), QStringList());
    }
}

void TestGameEngine::start_data()
{
    QTest::addColumn<QByteArray>("content"); // of the autosave file; tst_hostilestorage puts worse things there
    QTest::addColumn<QString>("shown"); // what a restore shows after "Game restored"; empty: a new game is dealt
    const QByteArray good = stateText("H 8B KB KH H 8A 9A 9L UB LB 7A AA KA D TA");
    QTest::newRow("none") << QByteArray() << "";
    QTest::newRow("good") << good << "state";
    QTest::newRow("good, then 2 MiB of junk") << good + QByteArray(2 << 20, '\x01') << "state";
    QTest::newRow("won") << stateText("H! 8B KB H 9H H D TA 9A/1 TH/2 win=2")
                         << "status:AI 2 won the game|result:AI 2 won the game|state";
    QTest::newRow("computer on turn") << stateText("H 8B KB KH H 9H 8H KL T TL D TA turn=1")
                                      << "status:AI 1's turn|state|lastEvent:AI 1 draws a card|phase:2"
                                         "|draw:[1:1_10@3#0]|state|status:Your turn";
    QTest::newRow("altered header") << QByteArray(good).replace("ZAVEL_STATE_V1", "ZAVEL_STATE_V2") << "";
    // Seat 0's Eight of Bells edited into seat 1's Eight of Acorns: one card twice, one missing.
    QTest::newRow("impossible deal") << QByteArray(good).replace("H0 3 0,8,-1", "H0 3 2,8,-1") << "";
}

void TestGameEngine::start()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    QVERIFY(content.isNull() || writeFile(savePath(), content));
    GameEngine engine;
    engine.setAiPlayDelay(0);
    SignalLog log(&engine);
    engine.start();
    QTest::qWait(20); // for a computer move; in a won game none follows
    QCOMPARE(log.lines.join('|'), shown.isEmpty() ? "phase:3|deal:10|state" : "lastEvent:Game restored|" + shown);
    // A restored file stays as it was until a move; any other is replaced by the new deal at once.
    QCOMPARE(readFile() == content, !shown.isEmpty() && !shown.contains("phase"));
    QCOMPARE(saveMismatch(engine), QString());
}

// Settings normalise what they are given and announce only a real change.
void TestGameEngine::setters_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("one player") << "playerCount" << QVariant(1) << QVariant(2);
    QTest::newRow("minus three players") << "playerCount" << QVariant(-3) << QVariant(2);
    QTest::newRow("nine players") << "playerCount" << QVariant(9) << QVariant(4);
    QTest::newRow("difficulty 7") << "ai1Difficulty" << QVariant(7) << QVariant(3);
    QTest::newRow("difficulty -1") << "ai2Difficulty" << QVariant(-1) << QVariant(0);
    QTest::newRow("alias of seat 1") << "aiDifficulty" << QVariant(0) << QVariant(0);
    QTest::newRow("negative delay") << "aiPlayDelay" << QVariant(-100) << QVariant(0);
    QTest::newRow("blank name kept") << "playerName" << QVariant("  ") << QVariant("  ");
}

void TestGameEngine::setters()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    GameEngine engine;
    const QMetaProperty meta
        = engine.metaObject()->property(engine.metaObject()->indexOfProperty(qPrintable(property)));
    QSignalSpy changed(&engine, meta.notifySignal());
    engine.setProperty(qPrintable(property), value);
    QCOMPARE(engine.property(qPrintable(property)), stored);
    engine.setProperty(qPrintable(property), value);
    // The default player count is 2: normalised to it, nothing changed.
    QCOMPARE(changed.count(), stored == QVariant(2) && property == QLatin1String("playerCount") ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestGameEngine)
#include "tst_gameengine.moc"
