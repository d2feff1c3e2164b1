// One computer move per tick of the pacing timer: the automatic declaration, the action the rules engine's
// computer player picks, the save, the event text and the hand-over to an animation phase. Moves that need no
// animation (a skip, a requested suit or rank) schedule the next tick at once.

#include "gameengine.h"

using Zavel::AiActionType;

void GameEngine::performAiMove()
{
    if (m_paused || m_visualPhase != Idle || m_core.winner != -1 || m_core.currentPlayer == 0)
        return;

    const int seat = m_core.currentPlayer;
    const auto difficulty = static_cast<Zavel::AiDifficulty>(difficultyForPlayer(seat));
    const QString name = playerDisplayName(seat);

    if (m_core.pendingChoice == 0 && m_core.hand(seat).size() == 2 && !m_core.zavelDeclared(seat)
        && m_core.declareZavel(seat)) {
        setLastEvent(tr("%1 says Zavél!").arg(name));
        persistGame();
    }

    const Zavel::AiAction action = m_core.chooseAiAction(seat, difficulty);
    switch (action.type) {
    case AiActionType::Play: {
        if (action.handIndex < 0 || action.handIndex >= static_cast<int>(m_core.hand(seat).size()))
            return;
        const Zavel::Card card = m_core.hand(seat)[static_cast<std::size_t>(action.handIndex)];
        const Zavel::PlayResult result = m_core.playCard(seat, action.handIndex);
        if (!result.ok)
            return;
        persistGame();
        requestCardAnimation(cardId(card), seat, action.handIndex, result.penaltyCards);
        return;
    }
    case AiActionType::Draw: {
        const Zavel::DrawResult result = m_core.drawCard(seat);
        if (!result.ok)
            return;
        persistGame();
        setLastEvent(tr("%1 draws a card").arg(name));
        requestDrawAnimation(result.drawnCards);
        return;
    }
    case AiActionType::AcceptPenalty: {
        const int penalty = m_core.pendingDraw;
        const bool skip = m_core.pendingSkip;
        const Zavel::DrawResult result = m_core.acceptPenalty(seat);
        if (!result.ok)
            return;
        persistGame();
        if (penalty > 0)
            setLastEvent(tr("%1 draws %2 penalty cards").arg(name).arg(penalty));
        else if (skip)
            setLastEvent(tr("%1 skips a turn").arg(name));
        if (!result.drawnCards.empty()) {
            requestDrawAnimation(result.drawnCards);
            return;
        }
        notifyState();
        scheduleAiMove();
        return;
    }
    case AiActionType::ChooseSuit:
    case AiActionType::ChooseRank: {
        const bool suit = action.type == AiActionType::ChooseSuit;
        if (!(suit ? m_core.chooseSuit(seat, action.choice) : m_core.chooseRank(seat, action.choice)))
            return;
        persistGame();
        setLastEvent(tr("%1 requests %2").arg(name, suit ? suitName(action.choice) : rankName(action.choice)));
        notifyState();
        scheduleAiMove();
        return;
    }
    case AiActionType::None:
        return;
    }
}
