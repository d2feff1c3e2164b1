#ifndef PACING_H
#define PACING_H

// The engine's clock: the pause before each computer move, and the visual phases that hold play while the
// interface animates what a move did.
//
// A move that moves cards opens a phase (a card flight, a draw or the deal) whose animation the interface
// completes; until then no input is taken and no computer move is made. A watchdog ends a phase the interface
// never completes (5 s for a flight, 9 s otherwise), and with animations switched off each phase is completed on
// the next pass of the event loop. A completion that does not match the running phase is ignored. Cards drawn
// through a play (a forgotten declaration) are owed to the screen once the card has landed: its flight goes
// straight into a draw phase of their own.
//
// Pacing decides when; the engine (its listener) decides what: it announces the phases to the interface, and
// saves, notifies and schedules when one ends.

#include "gamecore.h"

#include <QTimer>

#include <vector>

class PacingListener
{
public:
    virtual void phaseChanged() = 0;
    // A finished card flight owes these draws to the screen; the listener opens the draw phase for them.
    virtual void followupDrawsDue(const std::vector<Zavel::DrawnCard> &draws) = 0;
    // The phase has just returned to Idle.
    virtual void phaseFinished() = 0;
    virtual void computerMoveDue() = 0;

protected:
    ~PacingListener() = default;
};

class Pacing
{
public:
    // The phases, with the codes of the engine's VisualPhase.
    enum Phase { Idle = 0, CardFlight = 1, Draw = 2, Deal = 3 };

    explicit Pacing(PacingListener *listener);

    Phase phase() const { return m_phase; }
    bool animationsEnabled() const { return m_animationsEnabled; }
    // False when unchanged. Switched off, the running phase is to be completed at once (completeRunningPhase).
    bool setAnimationsEnabled(bool enabled);
    int computerDelay() const { return m_computerDelay; }
    bool setComputerDelay(int ms); // false when unchanged
    bool computerMoveWaiting() const { return m_computerTimer.isActive(); }

    // (Re)arms the computer's timer with the full delay when a move is due; stops it in any case.
    void scheduleComputerMove(bool due);
    void stopComputerMove() { m_computerTimer.stop(); }
    // Before a restore or a new deal: no timer runs and no draw is owed.
    void reset();
    void setPhase(Phase phase);

    // Opening a phase: the phase is set (the listener hears of it) and the caller then announces it to the
    // interface and calls guard(), which starts the watchdog or posts the completion.
    void openCardFlight(const std::vector<Zavel::DrawnCard> &followupDraws);
    void openPhase(Phase phase);
    void guard();

    void completeCardFlight();
    void completeDraw();
    void completeDeal();
    void completeRunningPhase(); // whichever is running: the watchdog's and the animation switch's way

private:
    void finish();

    PacingListener *m_listener;
    QTimer m_computerTimer;
    QTimer m_watchdog;
    Phase m_phase = Idle;
    std::vector<Zavel::DrawnCard> m_followupDraws;
    bool m_animationsEnabled = true;
    int m_computerDelay = 650;
};

#endif
