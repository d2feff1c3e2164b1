#include "actionclock.h"

#include "clock.h"
#include "frameclock.h"
#include "gameengine.h"
#include "savecounter.h"

#include <QTimer>

#include <cstdio>

const char *actionKindName(ActionKind kind)
{
    switch (kind) {
    case ActionKind::OwnMove:
        return "own moves";
    case ActionKind::NewGame:
        return "new games";
    case ActionKind::ComputerMove:
        return "computer moves";
    case ActionKind::PhaseEnd:
        return "phase ends";
    }
    return "";
}

ActionClock::ActionClock(const GameEngine *engine, const QObject *window, const FrameClock *frames, SaveCounter *saves)
    : m_engine(engine)
    , m_window(window)
    , m_frames(frames)
    , m_saves(saves)
{ }

void ActionClock::timeOwn(ActionKind kind, const std::function<void()> &call)
{
    m_ownCall = true;
    m_saves->take();
    const qint64 begin = nowNs();
    call();
    const qint64 end = nowNs();
    record(kind, end - begin, m_saves->take());
}

void ActionClock::runUntimed(const std::function<void()> &call)
{
    m_ownCall = true;
    call();
    m_saves->take();
}

void ActionClock::dispatchBegins(QObject *receiver, QEvent *, qint64)
{
    m_ownCall = false;
    // The engine's watchdog is a QTimer; the interface's completions come from its animation timers.
    m_fromTimer = qobject_cast<QTimer *>(receiver) != nullptr;
    m_revision = m_engine->stateRevision();
    m_phase = m_engine->visualPhase();
    m_saves->take();
}

void ActionClock::dispatchEnded(const QObject *receiver, QEvent::Type, qint64 beginNs, qint64 endNs)
{
    if (!m_recording || m_ownCall)
        return;
    if (m_engine->stateRevision() == m_revision) {
        if (receiver != m_window)
            m_results.otherDispatches.add(nsToMs(endNs - beginNs));
        return;
    }
    const qint64 begin = receiver == m_window ? m_frames->interfaceResumedNs(beginNs, endNs) : beginNs;
    const bool phaseEnd = m_phase != GameEngine::Idle;
    if (phaseEnd && m_fromTimer)
        ++m_results.watchdogEnds;
    record(phaseEnd ? ActionKind::PhaseEnd : ActionKind::ComputerMove, endNs - begin, m_saves->take());
}

void ActionClock::record(ActionKind kind, qint64 ns, int saves)
{
    if (!m_recording)
        return;
    const double ms = nsToMs(ns);
    if (m_slowMs > 0 && ms > m_slowMs)
        std::fprintf(stderr, "slow: %s %.2f ms, %d saves; %s | %s\n", actionKindName(kind), ms, saves,
                     qPrintable(m_engine->status()), qPrintable(m_engine->lastEvent()));
    m_results.all.add(ms);
    m_results.byKind[static_cast<int>(kind)].add(ms);
    m_results.saves[static_cast<int>(kind)] += saves;
}
