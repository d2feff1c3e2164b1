// One computer move per tick of the pacing timer: the automatic declaration, then the action the rules engine's
// computer player picks, carried out, saved, described and shown as the human's actions are (applySeatAction).
// Moves that need no animation (a skip, a requested suit or rank) schedule the next tick at once.

#include "gameengine.h"

using Zavel::AiActionType;

void GameEngine::performAiMove()
{
    if (m_paused || m_visualPhase != Idle || m_core.winner != -1 || m_core.currentPlayer == 0)
        return;

    const int seat = m_core.currentPlayer;
    if (m_core.declareZavelIfDue(seat)) {
        setLastEvent(tr("%1 says Zavél!").arg(playerDisplayName(seat)));
        persistGame();
    }

    const auto difficulty = static_cast<Zavel::AiDifficulty>(difficultyForPlayer(seat));
    const Zavel::AiAction action = m_core.chooseAiAction(seat, difficulty);
    if (action.type == AiActionType::Play
        && (action.handIndex < 0 || action.handIndex >= static_cast<int>(m_core.hand(seat).size())))
        return;
    applySeatAction(seat, action);
}
