// One computer move per tick of the pacing timer: the automatic declaration, then the action the rules engine's
// computer player picks, carried out, saved, described and shown as the human's actions are (applySeatAction).
// Moves that need no animation (a skip, a requested suit or rank) schedule the next tick at once.

#include "gameengine.h"

using Zavel::AiActionType;

void GameEngine::scheduleAiMove()
{
    m_pacing.scheduleComputerMove(!m_paused && m_pacing.phase() == Pacing::Idle && m_core.winner == -1
                                  && m_core.currentPlayer != 0);
}

void GameEngine::performAiMove()
{
    if (m_paused || m_pacing.phase() != Pacing::Idle || m_core.winner != -1 || m_core.currentPlayer == 0)
        return;

    const int seat = m_core.currentPlayer;
    std::vector<Zavel::MoveRecord> records;
    if (m_core.declareZavelIfDue(seat)) {
        setLastEvent(m_texts.declaration(seat));
        persistGame();
        records.push_back(Zavel::declarationRecord(seat));
    }

    const auto difficulty = static_cast<Zavel::AiDifficulty>(difficultyForPlayer(seat));
    const Zavel::AiAction action = m_core.chooseAiAction(seat, difficulty);
    if (action.type == AiActionType::Play
        && (action.handIndex < 0 || action.handIndex >= static_cast<int>(m_core.hand(seat).size()))) {
        tellObservers(records);
        return;
    }
    applySeatAction(seat, action, records);
}

// The human's actions and the computer's moves end here, once their own guards have passed. An applied action is
// saved and described, then shown: a play as a card flight, drawn cards as a draw; an action that moves no card
// (a skip, a choice) is announced at once and lets the next computer player move. A refused one changes nothing,
// but a declaration made before it is still told.
void GameEngine::applySeatAction(int seat, const Zavel::AiAction &action, std::vector<Zavel::MoveRecord> records)
{
    const Zavel::ActionResult result = m_core.applyAction(seat, action);
    if (!result.ok) {
        if (!records.empty())
            tellObservers(records);
        return;
    }
    persistGame();
    const QString text = m_texts.actionText(seat, action, result);
    if (!text.isNull())
        setLastEvent(text);
    const std::vector<Zavel::MoveRecord> made = Zavel::actionRecords(seat, action, result);
    records.insert(records.end(), made.begin(), made.end());
    if (action.type == AiActionType::Play) {
        requestCardAnimation(cardId(result.play.card), seat, action.handIndex, result.play.penaltyCards);
    } else if (action.type == AiActionType::Draw || !result.draw.drawnCards.empty()) {
        // A draw is shown even when no card was left to draw; a penalty with none left moves nothing, like a skip.
        requestDrawAnimation(result.draw.drawnCards);
    } else {
        notifyState();
        scheduleAiMove();
    }
    tellObservers(records);
}
