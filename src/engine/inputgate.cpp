// What the player may do now. Every query goes through the gate first: no phase running, not paused, seat 0 on
// turn in a running game; only then is the rules engine asked.

#include "gameengine.h"

bool GameEngine::inputGateOpen() const
{
    return m_pacing.phase() == Pacing::Idle && !m_paused && m_core.humanInputEnabled();
}

bool GameEngine::playerInputEnabled() const
{
    return inputGateOpen();
}

bool GameEngine::canDraw() const
{
    return inputGateOpen() && m_core.canDraw(0);
}

bool GameEngine::canAcceptPenalty() const
{
    return inputGateOpen() && m_core.canAcceptPenalty(0);
}

bool GameEngine::canDeclareZavel() const
{
    return inputGateOpen() && m_core.hand(0).size() == 2 && !m_core.zavelDeclared(0)
        && m_core.pendingChoice == static_cast<int>(Zavel::ChoiceKind::None) && !m_core.legalMoves(0).empty();
}

bool GameEngine::needsSuitChoice() const
{
    return inputGateOpen() && m_core.pendingChoice == static_cast<int>(Zavel::ChoiceKind::Suit)
        && m_core.choiceOwner == 0;
}

bool GameEngine::needsRankChoice() const
{
    return inputGateOpen() && m_core.pendingChoice == static_cast<int>(Zavel::ChoiceKind::Rank)
        && m_core.choiceOwner == 0;
}

bool GameEngine::isPlayerCardPlayable(int handIndex) const
{
    return inputGateOpen() && m_core.isCardPlayable(0, handIndex);
}
