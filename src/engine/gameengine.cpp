// The engine's wiring: construction, the texts and the autosave handed to their collaborators, state notification
// with the audit, and the observers told of every move.

#include "gameengine.h"

#include <QMessageLogger>

#include <algorithm>

GameEngine::GameEngine(QObject *parent)
    : QObject(parent)
    , m_core(2, 0)
{
    m_names[0] = QStringLiteral("Player");
    m_names[1] = QStringLiteral("AI 1");
    m_names[2] = QStringLiteral("AI 2");
    m_names[3] = QStringLiteral("AI 3");
    updateStatusText();
}

// --- Texts ------------------------------------------------------------------------------------------------------

QString GameEngine::playerDisplayName(int seat) const
{
    return m_texts.displayName(seat);
}
QString GameEngine::suitName(int suit) const
{
    return m_texts.suitName(suit);
}
QString GameEngine::rankName(int rank) const
{
    return m_texts.rankName(rank);
}
QString GameEngine::roundResult() const
{
    return m_texts.roundResult();
}
QString GameEngine::activeRequestText() const
{
    return m_texts.activeRequest();
}
QString GameEngine::penaltyText() const
{
    return m_texts.penalty();
}

void GameEngine::updateStatusText()
{
    m_status = m_texts.status();
    emit statusChanged();
}

// --- Autosave ---------------------------------------------------------------------------------------------------

QString GameEngine::saveFilePath() const
{
    return m_autosave.path();
}
void GameEngine::setSaveFilePath(const QString &path)
{
    m_autosave.setPath(path);
}
void GameEngine::persistGame()
{
    m_autosave.save(m_core);
}
bool GameEngine::restoreGame()
{
    return m_autosave.restore(&m_core);
}

// --- Notification -----------------------------------------------------------------------------------------------

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

// --- Observers --------------------------------------------------------------------------------------------------

void GameEngine::addObserver(GameObserver *observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void GameEngine::removeObserver(GameObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void GameEngine::tellObservers(const std::vector<Zavel::MoveRecord> &records)
{
    if (records.empty())
        return;
    // A copy: an observer may leave while it is told.
    const std::vector<GameObserver *> observers = m_observers;
    for (GameObserver *observer : observers)
        observer->recorded(records);
}
