// What the player does through QML: start or resume, deal anew, and the actions of seat 0. Each accepted action
// is saved before anything is shown; a refused one changes nothing at all, text included.

#include "gameengine.h"

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
    if (!isPlayerCardPlayable(handIndex))
        return;
    const Zavel::Card card = m_core.hand(0)[static_cast<std::size_t>(handIndex)];
    const Zavel::PlayResult result = m_core.playCard(0, handIndex);
    if (!result.ok)
        return;
    persistGame();
    if (result.forgotZavel)
        setLastEvent(tr("You forgot Zavél — four penalty cards"));
    requestCardAnimation(cardId(card), 0, handIndex, result.penaltyCards);
}

void GameEngine::drawCard()
{
    if (m_visualPhase != Idle || !m_core.canDraw(0))
        return;
    const Zavel::DrawResult result = m_core.drawCard(0);
    if (!result.ok)
        return;
    persistGame();
    setLastEvent(tr("You drew a card"));
    requestDrawAnimation(result.drawnCards);
}

void GameEngine::acceptPenalty()
{
    if (m_visualPhase != Idle || !m_core.canAcceptPenalty(0))
        return;
    const int penalty = m_core.pendingDraw;
    const bool skip = m_core.pendingSkip;
    const Zavel::DrawResult result = m_core.acceptPenalty(0);
    if (!result.ok)
        return;
    persistGame();
    if (penalty > 0)
        setLastEvent(tr("You drew %1 penalty cards").arg(penalty));
    else if (skip)
        setLastEvent(tr("You skipped your turn"));
    if (result.drawnCards.empty()) {
        notifyState();
        scheduleAiMove();
        return;
    }
    requestDrawAnimation(result.drawnCards);
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

void GameEngine::chooseSuit(int suit)
{
    if (m_visualPhase != Idle || !m_core.chooseSuit(0, suit))
        return;
    announceRequest(suitName(suit));
}

void GameEngine::chooseRank(int rank)
{
    if (m_visualPhase != Idle || !m_core.chooseRank(0, rank))
        return;
    announceRequest(rankName(rank));
}

// The choice has passed the turn on: save, say what was requested, and let the next computer player move.
void GameEngine::announceRequest(const QString &requested)
{
    persistGame();
    setLastEvent(tr("You requested %1").arg(requested));
    notifyState();
    scheduleAiMove();
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
