// Visual phases: after a move that moves cards the engine asks QML to animate it and holds play until QML
// answers with the matching completion. The order of a request is fixed: the phase is set, the animation
// signal is delivered, and only then are stateChanged and the status emitted, so that QML can start the
// animation from the old picture before its bindings show the new state. The watchdog (or, with animations
// off, a completion posted to the event loop) is set up last, whatever the signal's handlers did.

#include "gameengine.h"

namespace {

constexpr int cardFlightWatchdogMs = 5000;
constexpr int drawWatchdogMs = 9000;
constexpr int dealWatchdogMs = 9000;

} // namespace

void GameEngine::setVisualPhase(VisualPhase phase)
{
    if (phase == m_visualPhase)
        return;
    m_visualPhase = phase;
    emit visualPhaseChanged();
}

void GameEngine::startWatchdog(int ms)
{
    m_watchdog.start(ms);
}

void GameEngine::requestCardAnimation(const QString &cardId, int playedBy, int oldHandIndex,
                                      const std::vector<Zavel::DrawnCard> &followupDraws)
{
    m_aiTimer.stop();
    m_pendingFollowupDraws = followupDraws;
    setVisualPhase(CardFlight);
    emit cardAnimationRequested(cardId, playedBy, oldHandIndex, drawList(followupDraws));
    announcePhase(cardFlightWatchdogMs, &GameEngine::completeCardAnimation);
}

void GameEngine::requestDrawAnimation(const std::vector<Zavel::DrawnCard> &draws)
{
    setVisualPhase(Draw);
    emit drawAnimationRequested(drawList(draws));
    announcePhase(drawWatchdogMs, &GameEngine::completeDrawAnimation);
}

void GameEngine::requestDealAnimation(const QVariantList &dealtCards)
{
    setVisualPhase(Deal);
    emit dealAnimationRequested(dealtCards);
    announcePhase(dealWatchdogMs, &GameEngine::completeDealAnimation);
}

// What follows every animation request once its signal is delivered: the state and the status are announced,
// then the phase is guarded by the watchdog, or, with animations off, completed on the next pass of the event
// loop (a completion posted to this object is dropped if the object goes first).
void GameEngine::announcePhase(int watchdogMs, void (GameEngine::*complete)())
{
    markStateChanged();
    updateStatusText();
    if (!m_animationsEnabled)
        QTimer::singleShot(0, this, complete);
    else
        startWatchdog(watchdogMs);
}

void GameEngine::completeCardAnimation()
{
    if (m_visualPhase != CardFlight)
        return;
    m_watchdog.stop();
    if (m_pendingFollowupDraws.empty()) {
        finishVisualPhase();
        return;
    }
    // Cards drawn through the play (a forgotten declaration) are shown once the card has landed, as a draw
    // phase of their own: the phase goes from CardFlight straight to Draw.
    std::vector<Zavel::DrawnCard> draws;
    draws.swap(m_pendingFollowupDraws);
    requestDrawAnimation(draws);
}

void GameEngine::completeDrawAnimation()
{
    if (m_visualPhase != Draw)
        return;
    m_watchdog.stop();
    finishVisualPhase();
}

void GameEngine::completeDealAnimation()
{
    if (m_visualPhase != Deal)
        return;
    m_watchdog.stop();
    finishVisualPhase();
}

void GameEngine::finishVisualPhase()
{
    setVisualPhase(Idle);
    persistGame();
    notifyState();
    scheduleAiMove();
}

// A phase QML never completes ends exactly as a completed one, silently.
void GameEngine::recoverTimedOutVisualPhase()
{
    switch (m_visualPhase) {
    case CardFlight:
        completeCardAnimation();
        break;
    case Draw:
        completeDrawAnimation();
        break;
    case Deal:
        completeDealAnimation();
        break;
    case Idle:
        break;
    }
}

void GameEngine::setAnimationsEnabled(bool enabled)
{
    if (enabled == m_animationsEnabled)
        return;
    m_animationsEnabled = enabled;
    emit animationsEnabledChanged();
    if (!enabled)
        recoverTimedOutVisualPhase();
}
