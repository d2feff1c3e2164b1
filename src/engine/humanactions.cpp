// What the player does through QML: start or resume, deal anew, and the actions of seat 0. Each accepted action
// is saved before anything is shown; a refused one changes nothing at all, text included.

#include "gameengine.h"

using Zavel::AiActionType;

void GameEngine::start()
{
    m_pacing.reset();
    if (!restoreGame()) {
        newGame();
        return;
    }
    m_pacing.setPhase(Pacing::Idle);
    setLastEvent(m_texts.restored());
    notifyState();
    tellObservers({Zavel::restoreRecord(m_core)});
    scheduleAiMove();
}

void GameEngine::newGame()
{
    m_pacing.reset();
    m_core.setPlayerCount(m_playerCount);
    m_core.newGame(0);
    persistGame();
    setLastEvent(QString());
    requestDealAnimation(initialDealList(m_core));
    tellObservers({Zavel::dealRecord(m_core)});
}

void GameEngine::playCard(int handIndex)
{
    if (isPlayerCardPlayable(handIndex))
        applySeatAction(0, {AiActionType::Play, handIndex});
}

void GameEngine::drawCard()
{
    if (m_pacing.phase() == Pacing::Idle && m_core.canDraw(0))
        applySeatAction(0, {AiActionType::Draw});
}

void GameEngine::acceptPenalty()
{
    if (m_pacing.phase() == Pacing::Idle && m_core.canAcceptPenalty(0))
        applySeatAction(0, {AiActionType::AcceptPenalty});
}

void GameEngine::declareZavel()
{
    if (m_pacing.phase() != Pacing::Idle || !m_core.declareZavel(0))
        return;
    persistGame();
    setLastEvent(m_texts.declaration(0));
    // The turn stays with the player, who goes on to play: no computer move is due.
    notifyState();
    tellObservers({Zavel::declarationRecord(0)});
}

// The rules engine refuses a choice the player does not owe.
void GameEngine::chooseSuit(int suit)
{
    if (m_pacing.phase() == Pacing::Idle)
        applySeatAction(0, {AiActionType::ChooseSuit, -1, suit});
}

void GameEngine::chooseRank(int rank)
{
    if (m_pacing.phase() == Pacing::Idle)
        applySeatAction(0, {AiActionType::ChooseRank, -1, rank});
}

void GameEngine::rejectCard(int handIndex)
{
    const int handSize = static_cast<int>(m_core.hand(0).size());
    if (!inputGateOpen() || handIndex < 0 || handIndex >= handSize || m_core.isCardPlayable(0, handIndex))
        return;
    setLastEvent(m_texts.rejection());
}
