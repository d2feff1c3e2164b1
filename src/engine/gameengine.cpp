// Construction, settings, the input gate and its queries, state notification with the audit, and the pacing
// of computer moves.

#include "gameengine.h"

#include <QMessageLogger>

#include <algorithm>

using Zavel::AiActionType;

GameEngine::GameEngine(QObject *parent)
    : QObject(parent)
    , m_core(2, 0)
{
    m_aiTimer.setSingleShot(true);
    m_watchdog.setSingleShot(true);
    m_names[0] = QStringLiteral("Player");
    m_names[1] = QStringLiteral("AI 1");
    m_names[2] = QStringLiteral("AI 2");
    m_names[3] = QStringLiteral("AI 3");
    connect(&m_aiTimer, &QTimer::timeout, this, &GameEngine::performAiMove);
    connect(&m_watchdog, &QTimer::timeout, this, &GameEngine::recoverTimedOutVisualPhase);
    updateStatusText();
}

// --- Settings -----------------------------------------------------------------------------------------------

void GameEngine::setPlayerCount(int count)
{
    const int normalized = count >= 4 ? 4 : (count == 3 ? 3 : 2);
    if (normalized == m_playerCount)
        return;
    m_playerCount = normalized;
    emit playerCountChanged();
}

void GameEngine::setDifficulty(int player, int value)
{
    if (player < 1 || player > 3)
        return;
    const int clamped = std::clamp(value, 0, 3);
    if (m_difficulties[player] == clamped)
        return;
    m_difficulties[player] = clamped;
    emit difficultiesChanged();
}

int GameEngine::difficultyForPlayer(int player) const
{
    return player >= 1 && player <= 3 ? m_difficulties[player] : static_cast<int>(Zavel::AiDifficulty::Easy);
}

void GameEngine::setName(int index, const QString &name)
{
    if (index < 0 || index > 3 || m_names[index] == name)
        return;
    m_names[index] = name;
    updateStatusText();
    emit namesChanged();
    emit roundResultChanged();
    markStateChanged();
}

void GameEngine::setAiPlayDelay(int ms)
{
    const int normalized = std::max(ms, 0);
    if (normalized == m_aiPlayDelay)
        return;
    m_aiPlayDelay = normalized;
    emit aiPlayDelayChanged();
    if (m_aiTimer.isActive())
        scheduleAiMove();
}

void GameEngine::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused) {
        m_aiTimer.stop();
    } else {
        // Resuming re-arms the full delay before anyone hears of it.
        scheduleAiMove();
    }
    emit pausedChanged();
    markStateChanged();
}

// --- Input gate ---------------------------------------------------------------------------------------------

bool GameEngine::inputGateOpen() const
{
    return m_visualPhase == Idle && !m_paused && m_core.humanInputEnabled();
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

// --- Notification -------------------------------------------------------------------------------------------

void GameEngine::setLastEvent(const QString &text)
{
    if (text == m_lastEvent)
        return;
    m_lastEvent = text;
    emit lastEventChanged();
}

void GameEngine::markStateChanged()
{
    ++m_stateRevision;
    emit stateChanged();
}

void GameEngine::notifyState()
{
    auditState("notifyState");
    updateStatusText();
    emit roundResultChanged();
    markStateChanged();
}

void GameEngine::refreshInputState()
{
    auditState("refreshInputState");
    markStateChanged();
}

// Logs a live state that breaks the rules; play goes on, since there is nothing better to do mid-game.
void GameEngine::auditState(const char *where)
{
    std::string message;
    // A logger without file, line or function: the lines read the same in every build.
    const QMessageLogger logger;
    if (!m_core.validate(&message)) {
        logger.warning("[harbour-zavel] invalid core state at %s: %s", where, message.c_str());
        return;
    }
    if (m_core.winner == -1 && !m_core.hasProgressAction(m_core.currentPlayer))
        logger.warning("[harbour-zavel] live turn has no progress action at %s", where);
}

// --- A seat's action ----------------------------------------------------------------------------------------

// The human's actions and the computer's moves end here, once their own guards have passed. An applied action is
// saved and described, then shown: a play as a card flight, drawn cards as a draw; an action that moves no card
// (a skip, a choice) is announced at once and lets the next computer player move. A refused one changes nothing.
void GameEngine::applySeatAction(int seat, const Zavel::AiAction &action)
{
    const Zavel::ActionResult result = m_core.applyAction(seat, action);
    if (!result.ok)
        return;
    persistGame();
    const QString text = actionText(seat, action, result);
    if (!text.isNull())
        setLastEvent(text);
    if (action.type == AiActionType::Play) {
        requestCardAnimation(cardId(result.play.card), seat, action.handIndex, result.play.penaltyCards);
        return;
    }
    // A draw is shown even when no card was left to draw; a penalty with none left moves nothing, like a skip.
    if (action.type == AiActionType::Draw || !result.draw.drawnCards.empty()) {
        requestDrawAnimation(result.draw.drawnCards);
        return;
    }
    notifyState();
    scheduleAiMove();
}

// What the event line says of an applied action: in the player's own words for seat 0, by name for the others.
// A null text leaves the last one standing, as an ordinary play does.
QString GameEngine::actionText(int seat, const Zavel::AiAction &action, const Zavel::ActionResult &result) const
{
    const bool you = seat == 0;
    const QString name = playerDisplayName(seat);
    switch (action.type) {
    case AiActionType::Play:
        return you && result.play.forgotZavel ? tr("You forgot Zavél — four penalty cards") : QString();
    case AiActionType::Draw:
        return you ? tr("You drew a card") : tr("%1 draws a card").arg(name);
    case AiActionType::AcceptPenalty:
        // The name goes in first, so that a number in it is not taken for the count.
        if (result.penaltyOwed > 0)
            return you ? tr("You drew %1 penalty cards").arg(result.penaltyOwed)
                       : tr("%1 draws %2 penalty cards").arg(name).arg(result.penaltyOwed);
        if (result.draw.skipped)
            return you ? tr("You skipped your turn") : tr("%1 skips a turn").arg(name);
        return QString();
    case AiActionType::ChooseSuit:
    case AiActionType::ChooseRank: {
        const QString requested
            = action.type == AiActionType::ChooseSuit ? suitName(action.choice) : rankName(action.choice);
        return you ? tr("You requested %1").arg(requested) : tr("%1 requests %2").arg(name, requested);
    }
    case AiActionType::None:
        break;
    }
    return QString();
}

// --- Pacing -------------------------------------------------------------------------------------------------

void GameEngine::scheduleAiMove()
{
    m_aiTimer.stop();
    if (m_paused || m_visualPhase != Idle || m_core.winner != -1 || m_core.currentPlayer == 0)
        return;
    m_aiTimer.start(m_aiPlayDelay);
}
