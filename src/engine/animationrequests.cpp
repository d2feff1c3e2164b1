// The animations the engine asks of QML, and the ends of the phases they open, kept by Pacing. The order of a request
// is fixed: the phase is set, the animation signal is delivered, and only then are stateChanged and the status emitted,
// so that QML can start the animation from the old picture before its bindings show the new state.

#include "gameengine.h"

void GameEngine::requestCardAnimation(const QString &cardId, int playedBy, int oldHandIndex,
                                      const std::vector<Zavel::DrawnCard> &followupDraws)
{
    m_pacing.openCardFlight(followupDraws);
    emit cardAnimationRequested(cardId, playedBy, oldHandIndex, drawList(followupDraws));
    announcePhase();
}

void GameEngine::requestDrawAnimation(const std::vector<Zavel::DrawnCard> &draws)
{
    m_pacing.openPhase(Pacing::Draw);
    emit drawAnimationRequested(drawList(draws));
    announcePhase();
}

void GameEngine::requestDealAnimation(const QVariantList &dealtCards)
{
    m_pacing.openPhase(Pacing::Deal);
    emit dealAnimationRequested(dealtCards);
    announcePhase();
}

void GameEngine::announcePhase()
{
    markStateChanged();
    updateStatusText();
    m_pacing.guard();
}

void GameEngine::completeCardAnimation()
{
    m_pacing.completeCardFlight();
}
void GameEngine::completeDrawAnimation()
{
    m_pacing.completeDraw();
}
void GameEngine::completeDealAnimation()
{
    m_pacing.completeDeal();
}

void GameEngine::phaseChanged()
{
    emit visualPhaseChanged();
}
void GameEngine::followupDrawsDue(const std::vector<Zavel::DrawnCard> &draws)
{
    requestDrawAnimation(draws);
}
void GameEngine::computerMoveDue()
{
    performAiMove();
}

void GameEngine::phaseFinished()
{
    persistGame();
    notifyState();
    scheduleAiMove();
}

void GameEngine::setAnimationsEnabled(bool enabled)
{
    if (!m_pacing.setAnimationsEnabled(enabled))
        return;
    emit animationsEnabledChanged();
    if (!enabled)
        m_pacing.completeRunningPhase();
}
