// One computer move per tick of the pacing timer: the automatic declaration, then the action the seat's level
// picks (or the seat's chooser, the Expert, which thinks during the delay), carried out, saved, described and
// shown as the human's actions are (applySeatAction). Moves that need no animation (a skip, a requested suit or
// rank) schedule the next tick at once.

#include "gameengine.h"

using Zavel::AiActionType;

namespace {

bool legal(const Zavel::GameCore &core, int seat, const Zavel::AiAction &action)
{
    switch (action.type) {
    case AiActionType::Play:
        return core.isCardPlayable(seat, action.handIndex);
    case AiActionType::Draw:
        return core.canDraw(seat);
    case AiActionType::AcceptPenalty:
        return core.canAcceptPenalty(seat);
    case AiActionType::ChooseSuit:
    case AiActionType::ChooseRank: {
        const bool suit = action.type == AiActionType::ChooseSuit;
        const auto kind = suit ? Zavel::ChoiceKind::Suit : Zavel::ChoiceKind::Rank;
        return core.winner == -1 && core.pendingChoice == static_cast<int>(kind) && core.choiceOwner == seat
            && (suit ? Zavel::validSuit(action.choice) : Zavel::validRank(action.choice));
    }
    case AiActionType::None:
        break;
    }
    return false;
}

// An action the rules take, found without the game's random engine: what is owed, else the first card that fits,
// else the penalty, else a draw.
Zavel::AiAction fallback(const Zavel::GameCore &core, int seat)
{
    const std::vector<Zavel::Card> &hand = core.hand(seat);
    if (core.pendingChoice == static_cast<int>(Zavel::ChoiceKind::Suit))
        return {AiActionType::ChooseSuit, -1, hand.empty() ? int(Zavel::Bells) : hand.front().suit};
    if (core.pendingChoice == static_cast<int>(Zavel::ChoiceKind::Rank))
        return {AiActionType::ChooseRank, -1, hand.empty() ? int(Zavel::Seven) : hand.front().rank};
    const std::vector<int> moves = core.legalMoves(seat);
    if (!moves.empty())
        return {AiActionType::Play, moves.front()};
    return {core.canAcceptPenalty(seat) ? AiActionType::AcceptPenalty : AiActionType::Draw};
}

} // namespace

void GameEngine::scheduleAiMove()
{
    m_waitingForChooser = false;
    const bool due = !m_paused && m_pacing.phase() == Pacing::Idle && m_core.winner == -1 && m_core.currentPlayer != 0;
    m_pacing.scheduleComputerMove(due);
    if (due)
        prepareChooser();
}

SeatChooser *GameEngine::chooserOf(int seat) const
{
    return seat >= 1 && seat <= 3 ? m_choosers[seat] : nullptr;
}

void GameEngine::setSeatChooser(int seat, SeatChooser *chooser)
{
    if (seat < 1 || seat > 3 || m_choosers[seat] == chooser)
        return;
    m_choosers[seat] = chooser;
    // A move held up for the chooser that left, or one due for the chooser that came, starts over.
    if (m_waitingForChooser || (m_pacing.computerMoveWaiting() && m_core.currentPlayer == seat))
        scheduleAiMove();
}

void GameEngine::seatChooserReady()
{
    if (!m_waitingForChooser)
        return;
    m_waitingForChooser = false;
    performAiMove();
}

// The chooser thinks about the game as it will be when the seat moves: after its automatic declaration, which
// only sets a flag and draws nothing from the game's random engine.
void GameEngine::prepareChooser()
{
    const int seat = m_core.currentPlayer;
    SeatChooser *chooser = chooserOf(seat);
    if (!chooser)
        return;
    Zavel::GameCore ahead = m_core;
    ahead.declareZavelIfDue(seat);
    chooser->prepare(ahead, seat);
}

// The seat's level decides at once; a chooser may not be ready, and then the move waits for it. What a chooser
// answers is checked against the rules, which it must never get wrong; should it, a legal action is taken.
Zavel::AiAction GameEngine::chosenAction(int seat, bool *waiting)
{
    SeatChooser *chooser = chooserOf(seat);
    if (!chooser) {
        const auto difficulty = static_cast<Zavel::AiDifficulty>(difficultyForPlayer(seat));
        return m_core.chooseAiAction(seat, difficulty);
    }
    Zavel::AiAction action;
    *waiting = !chooser->answer(m_core, seat, &action);
    if (!*waiting && !legal(m_core, seat, action))
        action = fallback(m_core, seat);
    return action;
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

    bool waiting = false;
    const Zavel::AiAction action = chosenAction(seat, &waiting);
    m_waitingForChooser = waiting;
    if (waiting
        || (action.type == AiActionType::Play
            && (action.handIndex < 0 || action.handIndex >= static_cast<int>(m_core.hand(seat).size())))) {
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
