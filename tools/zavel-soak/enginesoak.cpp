// Each engine game deals through start() (no autosave yet), then the engine plays its computer seats itself
// while this driver plays seat 0 as a player would, through the QML-facing invokables. Whenever the engine
// signals a state change in phase Idle, the autosave file is restored and must be exactly a state text, and it
// must show the same game as the engine's properties.
//
// Seat 0 decides from the autosave alone (the computer players' choice for seat 0, made on a copy), so its play
// is a function of the saved game. That makes the rest of a game after any save predictable: at one checkpoint
// per game the saved text is put aside, and after the game a second engine is started on it. Its checkpoints
// from then on must be exactly those of the first, which holds only if the restored random engine continues
// where the saved one stopped.

#include "enginesoak.h"

#include "gameengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <iostream>

namespace Soak {

namespace {

constexpr int decisionCap = 5000;
constexpr long long failuresShown = 5;

QByteArray readSave(const GameEngine &engine)
{
    QFile file(engine.saveFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cardList(const QVariantList &cards)
{
    QStringList out;
    for (const QVariant &entry : cards) {
        const QVariantMap card = entry.toMap();
        out << card.value(QStringLiteral("id")).toString() + QLatin1Char('/')
                + card.value(QStringLiteral("playedBy")).toString();
    }
    return out.join(QLatin1Char(' '));
}

QString scalars(int players, int turn, int winner, int suit, int rank, int draw, bool skip, int talon)
{
    return QStringLiteral("players %1 turn %2 winner %3 suit %4 rank %5 draw %6 skip %7 talon %8")
        .arg(players)
        .arg(turn)
        .arg(winner)
        .arg(suit)
        .arg(rank)
        .arg(draw)
        .arg(int(skip))
        .arg(talon);
}

// The game as the engine's properties show it, one line per part.
QString describe(const GameEngine &engine)
{
    QStringList lines;
    lines << scalars(engine.activePlayerCount(), engine.turnPlayer(), engine.winnerPlayer(), engine.requestedSuit(),
                     engine.requestedRank(), engine.pendingDraw(), engine.pendingSkip(), engine.deckSize());
    lines << QStringLiteral("D ") + cardList(engine.discardCards());
    for (const QVariant &entry : engine.participants()) {
        const QVariantMap seat = entry.toMap();
        lines << QStringLiteral("H%1 %2 %3")
                     .arg(seat.value(QStringLiteral("index")).toInt())
                     .arg(int(seat.value(QStringLiteral("zavel")).toBool()))
                     .arg(cardList(seat.value(QStringLiteral("hand")).toList()));
    }
    lines << QStringLiteral("own ") + cardList(engine.playerHand());
    return lines.join(QLatin1Char('\n'));
}

// The same description built from a rules state.
QString describe(const Zavel::GameCore &core)
{
    QStringList lines;
    lines << scalars(core.playerCount, core.currentPlayer, core.winner, core.requestedSuit, core.requestedRank,
                     core.pendingDraw, core.pendingSkip, static_cast<int>(core.talon.size()));
    lines << QStringLiteral("D ") + cardList(GameEngine::toVariantList(core.discard));
    for (int seat = 0; seat < core.playerCount; ++seat)
        lines << QStringLiteral("H%1 %2 %3")
                     .arg(seat)
                     .arg(int(core.zavelDeclared(seat)))
                     .arg(cardList(GameEngine::toVariantList(core.hand(seat))));
    lines << QStringLiteral("own ") + cardList(GameEngine::toVariantList(core.hand(0)));
    return lines.join(QLatin1Char('\n'));
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 10000)
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

struct Policy
{
    int level = 1; // the computer level that picks seat 0's moves
    bool forgetful = false; // seat 0 never declares
};

// Seat 0's next move, decided from the saved game; false when it was not seat 0's turn.
bool playSeatZero(GameEngine *engine, const Zavel::GameCore &saved, const Policy &policy)
{
    if (saved.winner != -1 || saved.currentPlayer != 0)
        return false;
    Zavel::GameCore scratch = saved;
    if (!policy.forgetful && engine->canDeclareZavel()) {
        engine->declareZavel();
        return true;
    }
    const Zavel::AiAction action = scratch.chooseAiAction(0, static_cast<Zavel::AiDifficulty>(policy.level));
    switch (action.type) {
    case Zavel::AiActionType::Play:
        engine->playCard(action.handIndex);
        return true;
    case Zavel::AiActionType::Draw:
        engine->drawCard();
        return true;
    case Zavel::AiActionType::AcceptPenalty:
        engine->acceptPenalty();
        return true;
    case Zavel::AiActionType::ChooseSuit:
        engine->chooseSuit(action.choice);
        return true;
    case Zavel::AiActionType::ChooseRank:
        engine->chooseRank(action.choice);
        return true;
    case Zavel::AiActionType::None:
        break;
    }
    return false;
}

class GameRun
{
public:
    GameRun(int players, const int levels[4], const Policy &policy)
        : m_policy(policy)
    {
        m_engine.setAnimationsEnabled(false);
        m_engine.setAiPlayDelay(0);
        m_engine.setPlayerCount(players);
        for (int seat = 1; seat < 4; ++seat)
            m_engine.setDifficulty(seat, levels[seat]);
        QObject::connect(&m_engine, &GameEngine::stateChanged, [this] { checkpoint(); });
    }

    // Starts (from the autosave if there is one) and plays until the game is won; the first fault or empty.
    QString play()
    {
        m_engine.start();
        for (int decisions = 0; m_fault.isEmpty(); ++decisions) {
            if (!waitUntil([this] { return settled() || !m_fault.isEmpty(); }))
                return QStringLiteral("the engine stopped moving:\n") + describe(m_engine);
            if (!m_fault.isEmpty() || m_engine.winnerPlayer() != -1)
                break;
            if (decisions == decisionCap) {
                m_unfinished = true;
                break;
            }
            Zavel::GameCore saved(2, 1);
            if (!saved.restoreState(readSave(m_engine).toStdString()))
                return QStringLiteral("the autosave does not restore on seat 0's turn");
            if (!playSeatZero(&m_engine, saved, m_policy))
                return QStringLiteral("seat 0 has no move:\n") + describe(m_engine);
        }
        return m_fault;
    }

    const QList<QByteArray> &checkpoints() const { return m_texts; }
    bool unfinished() const { return m_unfinished; }

private:
    bool settled() const
    {
        return m_engine.visualPhase() == GameEngine::Idle
            && (m_engine.winnerPlayer() != -1 || m_engine.turnPlayer() == 0);
    }

    void checkpoint()
    {
        if (m_engine.visualPhase() != GameEngine::Idle || !m_fault.isEmpty())
            return;
        const QByteArray text = readSave(m_engine);
        Zavel::GameCore saved(2, 1);
        if (!saved.restoreState(text.toStdString())) {
            m_fault = QStringLiteral("the autosave does not restore:\n") + QString::fromLatin1(text);
            return;
        }
        if (QByteArray::fromStdString(saved.serializeState()) != text) {
            m_fault = QStringLiteral("the autosave is not exactly a state text");
            return;
        }
        const QString live = describe(m_engine);
        const QString file = describe(saved);
        if (live != file || saved.zavelDeclared(0) != m_engine.zavelArmed()) {
            m_fault = QStringLiteral("the autosave differs from the live game\nlive:\n%1\nsaved:\n%2").arg(live, file);
            return;
        }
        if (m_texts.isEmpty() || m_texts.last() != text)
            m_texts << text;
    }

    GameEngine m_engine;
    Policy m_policy;
    QList<QByteArray> m_texts;
    QString m_fault;
    bool m_unfinished = false;
};

bool writeSave(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

QString playChecked(long long i, bool *unfinished, bool *resumedOk, long long *checkpoints)
{
    const int players = 2 + static_cast<int>(i % 3);
    int levels[4] = {0, 0, 0, 0};
    long long mix = i / 3;
    for (int &level : levels) {
        level = static_cast<int>(mix % 4);
        mix /= 4;
    }
    Policy policy;
    policy.level = levels[0];
    policy.forgetful = i % 5 == 4;

    const QString path = GameEngine().saveFilePath();
    QFile::remove(path);
    GameRun original(players, levels, policy);
    QString fault = original.play();
    *checkpoints += original.checkpoints().size();
    if (!fault.isEmpty())
        return fault;
    *unfinished = original.unfinished();
    if (original.unfinished() || original.checkpoints().size() < 2)
        return QString();

    // Resume from a checkpoint picked by the game number; the rest must repeat exactly.
    const QList<QByteArray> &expected = original.checkpoints();
    const int from = static_cast<int>(i % (expected.size() - 1));
    if (!writeSave(path, expected.at(from)))
        return QStringLiteral("cannot write the autosave to resume from");
    GameRun resumed(players, levels, policy);
    fault = resumed.play();
    *checkpoints += resumed.checkpoints().size();
    if (!fault.isEmpty())
        return QStringLiteral("after resuming: ") + fault;
    if (resumed.checkpoints() != expected.mid(from))
        return QStringLiteral("the game resumed at checkpoint %1 of %2 went on differently")
            .arg(from)
            .arg(expected.size());
    *resumedOk = true;
    return QString();
}

} // namespace

EngineTotals soakEngine(long long games)
{
    EngineTotals totals;
    for (long long i = 0; i < games; ++i) {
        bool unfinished = false;
        bool resumed = false;
        const QString fault = playChecked(i, &unfinished, &resumed, &totals.checkpoints);
        ++totals.games;
        totals.unfinished += unfinished ? 1 : 0;
        totals.resumed += resumed ? 1 : 0;
        if (fault.isEmpty())
            continue;
        if (++totals.failures <= failuresShown)
            std::cerr << "engine game " << i << ": " << fault.toStdString() << '\n';
    }
    return totals;
}

} // namespace Soak
