// The settings of the next game and of the computer seats, and the pause: each normalises what it is given and
// announces only a real change.

#include "gameengine.h"

#include <algorithm>

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
    if (!m_pacing.setComputerDelay(std::max(ms, 0)))
        return;
    emit aiPlayDelayChanged();
    if (m_pacing.computerMoveWaiting())
        scheduleAiMove();
}

void GameEngine::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused) {
        m_pacing.stopComputerMove();
    } else {
        // Resuming re-arms the full delay before anyone hears of it.
        scheduleAiMove();
    }
    emit pausedChanged();
    markStateChanged();
}
