#ifndef ZAVEL_TESTS_ENGINETEST_H
#define ZAVEL_TESTS_ENGINETEST_H

// Shared helpers of the GameEngine tests.
//
// The engine is driven only as QML drives it: properties, invokables, signals and the public setters. A test
// that needs a particular situation writes it as a state text into the autosave file and calls start(), which
// restores it. Situations are written as short card codes: rank then suit, optionally "/" and the seat that
// played the card onto the discard pile.
//   ranks 7 8 9 T(en) L(ower) U(pper) K(ing) A(ce); suits B(ells) L(eaves) A(corns) H(earts)
// "UB" is the Upper of Bells, "9L/1" a Nine of Leaves that seat 1 played.
//
// Every test runs with HOME pointing into a temporary directory and Qt's test mode on, so the autosave lands in
// a throw-away data directory that init() empties before each test.

#include "gameengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace EngineTest {

// --- Sandbox ------------------------------------------------------------------------------------------------

// Where the sandbox lives. Every save of the engine is synced to disk, which costs milliseconds on a disk file
// system; a memory file system, where there is one, keeps whole games fast.
inline QString sandboxTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/zavel-enginetest-XXXXXX");
}

// Points HOME at a temporary directory for the whole test executable. Call from initTestCase().
inline bool enterSandbox(QTemporaryDir *home)
{
    if (!home->isValid())
        return false;
    qputenv("HOME", QFile::encodeName(home->path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("harbour-zavel"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).startsWith(home->path());
}

inline QString dataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

inline QString savePath()
{
    return QDir(dataDir()).filePath(QStringLiteral("autosave-v1.txt"));
}

// Call from init(): every test starts without a saved game.
inline void clearDataDir()
{
    QDir dir(dataDir());
    if (dir.exists()) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dir.removeRecursively();
    }
}

inline QByteArray readSave()
{
    QFile file(savePath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeSave(const QByteArray &bytes)
{
    QDir().mkpath(dataDir());
    QFile file(savePath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A save that the engine has not rewritten since: the text stays a valid state (nothing after the last hand line
// is read) but no save of the engine produces the trailing line.
const QByteArray untouchedMark = "# not rewritten\n";

inline bool markSave()
{
    return writeSave(readSave() + untouchedMark);
}

inline bool saveUntouched()
{
    return readSave().endsWith(untouchedMark);
}

// Waits, processing events, until the condition holds; false on timeout. Prints nothing, so it may run while
// writes to files are being made to fail. Every event wakes the loop, so chained zero-delay moves run at full
// speed; the guard timer wakes it at the deadline when nothing else happens.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(timeoutMs + 1);
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// --- Cards and crafted states -------------------------------------------------------------------------------

inline Zavel::Card card(const QString &code)
{
    static const QString ranks = QStringLiteral("789TLUKA");
    static const QString suits = QStringLiteral("BLAH");
    Zavel::Card c;
    c.rank = 7 + ranks.indexOf(code.at(0));
    c.suit = suits.indexOf(code.at(1));
    const int slash = code.indexOf(QLatin1Char('/'));
    if (slash > 0)
        c.playedBy = code.mid(slash + 1).toInt();
    return c;
}

inline std::vector<Zavel::Card> cards(const QString &codes)
{
    std::vector<Zavel::Card> out;
    for (const QString &code : codes.split(' '))
        if (!code.isEmpty())
            out.push_back(card(code));
    return out;
}

// One game situation. Cards not named anywhere go into the talon in deck order, or, with restUnderDiscard,
// under the discard pile's named cards, leaving the talon empty.
struct Situation
{
    int players = 2;
    int turn = 0;
    int winner = -1;
    int requestedSuit = -1;
    int requestedRank = -1;
    int pendingDraw = 0;
    bool pendingSkip = false;
    int choice = 0; // 1 suit, 2 rank, owed by the seat on turn
    QStringList hands;
    QString discard; // bottom first, top last
    QString talon; // named talon cards, bottom first, placed on top of the unnamed ones
    QList<int> declared; // seats whose declaration flag is set
    bool restUnderDiscard = false;
};

inline Zavel::GameCore coreFor(const Situation &s)
{
    Zavel::GameCore core(s.players, 1);
    core.hands.assign(static_cast<std::size_t>(s.players), {});
    for (int seat = 0; seat < s.hands.size() && seat < s.players; ++seat)
        core.hands[static_cast<std::size_t>(seat)] = cards(s.hands.at(seat));
    core.discard = cards(s.discard);
    const std::vector<Zavel::Card> namedTalon = cards(s.talon);

    std::vector<Zavel::Card> named = core.discard;
    named.insert(named.end(), namedTalon.begin(), namedTalon.end());
    for (const auto &hand : core.hands)
        named.insert(named.end(), hand.begin(), hand.end());
    std::vector<Zavel::Card> rest;
    for (const Zavel::Card &c : Zavel::buildDeck()) {
        if (std::none_of(named.begin(), named.end(), [&](const Zavel::Card &n) { return Zavel::sameCard(c, n); }))
            rest.push_back(c);
    }
    if (s.restUnderDiscard) {
        core.talon = namedTalon;
        core.discard.insert(core.discard.begin(), rest.begin(), rest.end());
    } else {
        core.talon = rest;
        core.talon.insert(core.talon.end(), namedTalon.begin(), namedTalon.end());
    }
    core.currentPlayer = s.turn;
    core.winner = s.winner;
    core.requestedSuit = s.requestedSuit;
    core.requestedRank = s.requestedRank;
    core.pendingDraw = s.pendingDraw;
    core.pendingSkip = s.pendingSkip;
    core.pendingChoice = s.choice;
    core.choiceOwner = s.choice != 0 ? s.turn : -1;
    core.announcements.assign(static_cast<std::size_t>(s.players), false);
    for (int seat : s.declared)
        core.announcements[static_cast<std::size_t>(seat)] = true;
    return core;
}

// The state text of a situation; empty, with the validator's message as a warning, when it is not a legal state.
inline QByteArray stateText(const Situation &s)
{
    const Zavel::GameCore core = coreFor(s);
    std::string message;
    if (!core.validate(&message)) {
        qWarning("crafted state rejected: %s", message.c_str());
        return QByteArray();
    }
    return QByteArray::fromStdString(core.serializeState());
}

inline bool loadSaved(Zavel::GameCore *core, const QByteArray &text)
{
    return core->restoreState(text.toStdString());
}

// --- What the engine shows ----------------------------------------------------------------------------------

inline QString describeCards(const QVariantList &list, bool withPlayedBy)
{
    QStringList out;
    for (const QVariant &entry : list) {
        const QVariantMap map = entry.toMap();
        const int playedBy = map.value("playedBy").toInt();
        out << map.value("id").toString() + (withPlayedBy || playedBy != -1 ? "/" + QString::number(playedBy) : "");
    }
    return out.join(' ');
}

inline QString numbers(std::initializer_list<qint64> values)
{
    QStringList out;
    for (qint64 v : values)
        out << QString::number(v);
    return out.join(' ');
}

// The rules state as far as the engine's properties show it: the scalars, the discard pile and every hand, with
// "!" after a seat that has declared.
inline QString describe(const GameEngine &e)
{
    QStringList lines{numbers({e.activePlayerCount(), e.turnPlayer(), e.winnerPlayer(), e.requestedSuit(),
                               e.requestedRank(), e.pendingDraw(), e.pendingSkip(), e.deckSize()}),
                      "D " + describeCards(e.discardCards(), true)};
    for (const QVariant &seat : e.participants()) {
        const QVariantMap map = seat.toMap();
        lines << QStringLiteral("H%1%2 %3")
                     .arg(map.value("index").toInt())
                     .arg(map.value("zavel").toBool() ? "!" : "")
                     .arg(describeCards(map.value("hand").toList(), false));
    }
    return lines.join('\n');
}

// The same description, made from a rules state.
inline QString describe(const Zavel::GameCore &c)
{
    QStringList lines{numbers({c.playerCount, c.currentPlayer, c.winner, c.requestedSuit, c.requestedRank,
                               c.pendingDraw, c.pendingSkip, qint64(c.talon.size())}),
                      "D " + describeCards(GameEngine::toVariantList(c.discard), true)};
    for (int seat = 0; seat < c.playerCount; ++seat)
        lines << QStringLiteral("H%1%2 %3")
                     .arg(seat)
                     .arg(c.zavelDeclared(seat) ? "!" : "")
                     .arg(describeCards(GameEngine::toVariantList(c.hand(seat)), false));
    return lines.join('\n');
}

// Empty when the autosave file holds exactly the state the engine shows; otherwise what differs.
inline QString saveMismatch(const GameEngine &engine)
{
    const QByteArray text = readSave();
    Zavel::GameCore saved(2, 1);
    if (!loadSaved(&saved, text))
        return "the autosave file does not restore";
    if (QByteArray::fromStdString(saved.serializeState()) != text)
        return "the autosave file is not exactly a state text";
    const QString live = describe(engine);
    const QString file = describe(saved);
    return live == file ? QString() : QStringLiteral("live:\n%1\nsaved:\n%2").arg(live, file);
}

inline QString describeMoves(const QVariantList &moves)
{
    QStringList out;
    for (const QVariant &move : moves) {
        const QVariantMap m = move.toMap();
        out << QStringLiteral("%1:%2@%3#%4")
                   .arg(m.value("player").toInt())
                   .arg(m.value("id").toString())
                   .arg(m.value("handIndex").toInt())
                   .arg(m.value("order").toInt());
    }
    return out.join(' ');
}

// --- Signal log ---------------------------------------------------------------------------------------------

// Records every signal of one engine as a line of text, with what it says at that moment. Lines emitted while a
// test handler runs inside another signal carry one '>' per level of nesting (the handler raises depth).
class SignalLog : public QObject
{
public:
    explicit SignalLog(GameEngine *e)
        : m_revision(e->stateRevision())
    {
        auto text = [this](const QString &line) {
            return [this, line] {
                add(line);
            };
        };
        connect(e, &GameEngine::statusChanged, this, [this, e] { add("status:" + e->status()); });
        connect(e, &GameEngine::lastEventChanged, this, [this, e] { add("lastEvent:" + e->lastEvent()); });
        connect(e, &GameEngine::roundResultChanged, this, text("roundResult"));
        connect(e, &GameEngine::playerCountChanged, this, text("playerCount"));
        connect(e, &GameEngine::namesChanged, this, text("names"));
        connect(e, &GameEngine::difficultiesChanged, this, text("difficulties"));
        connect(e, &GameEngine::aiPlayDelayChanged, this, text("aiPlayDelay"));
        connect(e, &GameEngine::animationsEnabledChanged, this, text("animations"));
        connect(e, &GameEngine::pausedChanged, this, text("paused"));
        connect(e, &GameEngine::visualPhaseChanged, this,
                [this, e] { add("phase:" + QString::number(e->visualPhase())); });
        connect(e, &GameEngine::stateChanged, this, [this, e] {
            revisionJumps += e->stateRevision() == m_revision + 1 ? 0 : 1;
            m_revision = e->stateRevision();
            add("state");
            if (onState)
                onState();
        });
        connect(e, &GameEngine::cardAnimationRequested, this,
                [this](const QString &id, int by, int from, const QVariantList &followups) {
                    add(QStringLiteral("card:%1 by %2 from %3 [%4]")
                            .arg(id)
                            .arg(by)
                            .arg(from)
                            .arg(describeMoves(followups)));
                });
        connect(e, &GameEngine::drawAnimationRequested, this,
                [this](const QVariantList &moves) { add("draw:[" + describeMoves(moves) + "]"); });
        connect(e, &GameEngine::dealAnimationRequested, this,
                [this](const QVariantList &moves) { add("deal:" + QString::number(moves.size())); });
    }

    void clear() { lines.clear(); }

    // Lines that start with the prefix, nesting marks removed.
    QStringList matching(const QString &prefix) const
    {
        QStringList out;
        for (const QString &line : lines) {
            const QString bare = line.mid(level(line));
            if (bare.startsWith(prefix))
                out << bare;
        }
        return out;
    }

    // Every animation request must come right after its phase and be followed by stateChanged and the status, at
    // its own level of nesting. Returns the first violation.
    QString phaseOrderProblem() const
    {
        static const QStringList requests{"card:", "draw:", "deal:"};
        for (int i = 0; i < lines.size(); ++i) {
            const int depth = level(lines.at(i));
            const QString line = lines.at(i).mid(depth);
            const int kind = requests.indexOf(line.left(5));
            if (kind < 0)
                continue;
            QStringList around{QString()}; // the line before, then the two after, at the same level
            for (int j = i - 1; j >= 0 && level(lines.at(j)) >= depth && around.first().isEmpty(); --j) {
                if (level(lines.at(j)) == depth)
                    around.first() = lines.at(j).mid(depth);
            }
            for (int j = i + 1; j < lines.size() && level(lines.at(j)) >= depth && around.size() < 3; ++j) {
                if (level(lines.at(j)) == depth)
                    around << lines.at(j).mid(depth);
            }
            if (around.value(0) != "phase:" + QString::number(kind + 1) || around.value(1) != "state"
                || !around.value(2).startsWith("status:"))
                return QStringLiteral("line %1 '%2' between %3").arg(i).arg(line, around.join(" | "));
        }
        return QString();
    }

    QStringList lines;
    int depth = 0;
    int revisionJumps = 0;
    std::function<void()> onState;

private:
    static int level(const QString &line)
    {
        int n = 0;
        while (n < line.size() && line.at(n) == '>')
            ++n;
        return n;
    }
    void add(const QString &line) { lines << QString(depth, '>') + line; }

    quint64 m_revision;
};

// Writes a situation into the autosave file and starts an engine from it; true when the engine restored it.
inline bool startFrom(GameEngine *engine, const Situation &s)
{
    const QByteArray text = stateText(s);
    if (text.isEmpty() || !writeSave(text))
        return false;
    engine->start();
    return engine->visualPhase() == GameEngine::Idle && readSave() == text;
}

} // namespace EngineTest

#endif
