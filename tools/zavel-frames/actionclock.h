#ifndef ZAVEL_FRAMES_ACTIONCLOCK_H
#define ZAVEL_FRAMES_ACTIONCLOCK_H

// Per action: the interface thread's time from the action until control returns to the event loop, and the
// saves made inside it.
//
// The player's own calls are timed around the call. Everything else the engine does runs from the event loop
// (its computer-move timer, the interface's completions of animation phases, its watchdog), so each dispatch
// of the loop that advanced the engine's stateRevision is one action: a computer move when the engine was idle
// before it, the end of a phase when a phase was running. With a render thread a frame's dispatch may also
// advance the interface's timers, and with them complete a phase; such an action is timed from the moment the
// interface thread got control back after the frame's synchronisation.
//
// Dispatches that were neither an action nor a frame (animation ticks, the interface's own timers) are kept
// too, as what else holds up the interface thread.

#include "stats.h"
#include "timedapplication.h"

#include <functional>

class FrameClock;
class GameEngine;
class SaveCounter;

enum class ActionKind { OwnMove, NewGame, ComputerMove, PhaseEnd };
constexpr int actionKinds = 4;
const char *actionKindName(ActionKind kind);

class ActionClock : public DispatchObserver
{
public:
    ActionClock(const GameEngine *engine, const QObject *window, const FrameClock *frames, SaveCounter *saves);

    void setRecording(bool on) { m_recording = on; }
    // Prints each action longer than this to standard error; 0 prints none.
    void reportSlowerThan(int ms) { m_slowMs = ms; }

    // Times one of the player's own calls; the dispatch it runs in is then not taken for another action.
    void timeOwn(ActionKind kind, const std::function<void()> &call);
    // Runs one of the player's own calls that is not measured (setting the table up); its dispatch is not taken for
    // another action either.
    void runUntimed(const std::function<void()> &call);

    void dispatchBegins(QObject *receiver, QEvent *event, qint64 beginNs) override;
    void dispatchEnded(const QObject *receiver, QEvent::Type type, qint64 beginNs, qint64 endNs) override;

    struct Results
    {
        Series all;
        Series byKind[actionKinds];
        long long saves[actionKinds] = {};
        long long watchdogEnds = 0;
        Series otherDispatches;
    };
    const Results &results() const { return m_results; }

private:
    void record(ActionKind kind, qint64 ns, int saves);

    const GameEngine *m_engine;
    const QObject *m_window;
    const FrameClock *m_frames;
    SaveCounter *m_saves;
    bool m_recording = false;
    int m_slowMs = 0;
    bool m_ownCall = false;
    bool m_fromTimer = false;
    quint64 m_revision = 0;
    int m_phase = 0;
    Results m_results;
};

#endif
