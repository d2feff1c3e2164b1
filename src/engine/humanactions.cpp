// What the player does through QML: start or resume, deal anew, and the actions of seat 0. Each accepted action
// is saved before anything is shown; a refused one changes nothing at all, text included.

#include "gameengine.h"

using Zavel::AiActionType;
using Zavel::ChoiceKind;

void GameEngine::start()
{
    m_aiTimer.stop();
    m_watchdog.stop();
    m_pendingFollowupDraws.clear();
    if (!restoreGame()) {
        newGame();
        return;
    }
    setVisualPhase(Idle);
    setLastEvent(tr("Game restored"));
    notifyState();
    scheduleAiMove();
}

void GameEngine::newGame()
{
    m_aiTimer.stop();
    m_watchdog.stop();
    m_pendingFollowupDraws.clear();
    m_core.setPlayerCount(m_playerCount);
    m_core.newGame(0);
    persistGame();
    setLastEvent(QString());
    requestDealAnimation(initialDealList(m_core));
}

void GameEngine::playCard(int handIndex)
{
    if (isPlayerCardPlayable(handIndex))
        applySeatAction(0, {AiActionType::Play, handIndex});
}

void GameEngine::drawCard()
{
    if (m_visualPhase == Idle && m_core.canDraw(0))
        applySeatAction(0, {AiActionType::Draw});
}

void GameEngine::acceptPenalty()
{
    if (m_visualPhase == Idle && m_core.canAcceptPenalty(0))
        applySeatAction(0, {AiActionType::AcceptPenalty});
}

void GameEngine::declareZavel()
{
    if (m_visualPhase != Idle || !m_core.declareZavel(0))
        return;
    persistGame();
    setLastEvent(tr("Zavél!"));
    // The turn stays with the player, who goes on to play: no computer move is due.
    notifyState();
}

// The rules engine refuses a choice the player does not owe.
void GameEngine::chooseSuit(int suit)
{
    if (m_visualPhase == Idle)
        applySeatAction(0, {AiActionType::ChooseSuit, -1, suit});
}

void GameEngine::chooseRank(int rank)
{
    if (m_visualPhase == Idle)
        applySeatAction(0, {AiActionType::ChooseRank, -1, rank});
}

void GameEngine::rejectCard(int handIndex)
{
    const int handSize = static_cast<int>(m_core.hand(0).size());
    if (!inputGateOpen() || handIndex < 0 || handIndex >= handSize || m_core.isCardPlayable(0, handIndex))
        return;

    QString text;
    if (m_core.pendingChoice == static_cast<int>(ChoiceKind::Suit))
        text = tr("Choose the requested suit first");
    else if (m_core.pendingChoice != static_cast<int>(ChoiceKind::None))
        text = tr("Choose the requested rank first");
    else if (m_core.pendingDraw > 0)
        text = tr("Play a Seven or accept the +%1 penalty").arg(m_core.pendingDraw);
    else if (m_core.pendingSkip)
        text = tr("Play an Ace or skip the turn");
    else if (m_core.requestedSuit >= 0)
        text = tr("Requested suit: %1").arg(suitName(m_core.requestedSuit));
    else if (m_core.requestedRank >= 0)
        text = tr("Requested rank: %1").arg(rankName(m_core.requestedRank));
    else
        text = tr("Match the suit or rank of the top card");
    setLastEvent(text);
}
