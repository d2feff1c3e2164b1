#include "pacing.h"

namespace {

constexpr int cardFlightWatchdogMs = 5000;
constexpr int drawWatchdogMs = 9000;
constexpr int dealWatchdogMs = 9000;

} // namespace

Pacing::Pacing(PacingListener *listener)
    : m_listener(listener)
{
    m_computerTimer.setSingleShot(true);
    m_watchdog.setSingleShot(true);
    QObject::connect(&m_computerTimer, &QTimer::timeout, [this] { m_listener->computerMoveDue(); });
    QObject::connect(&m_watchdog, &QTimer::timeout, [this] { completeRunningPhase(); });
}

bool Pacing::setAnimationsEnabled(bool enabled)
{
    if (enabled == m_animationsEnabled)
        return false;
    m_animationsEnabled = enabled;
    return true;
}

bool Pacing::setComputerDelay(int ms)
{
    if (ms == m_computerDelay)
        return false;
    m_computerDelay = ms;
    return true;
}

void Pacing::scheduleComputerMove(bool due)
{
    m_computerTimer.stop();
    if (due)
        m_computerTimer.start(m_computerDelay);
}

void Pacing::reset()
{
    m_computerTimer.stop();
    m_watchdog.stop();
    m_followupDraws.clear();
}

void Pacing::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    m_listener->phaseChanged();
}

void Pacing::openCardFlight(const std::vector<Zavel::DrawnCard> &followupDraws)
{
    m_computerTimer.stop();
    m_followupDraws = followupDraws;
    setPhase(CardFlight);
}

void Pacing::openPhase(Phase phase)
{
    setPhase(phase);
}

// Set up last, whatever the announcement's handlers did: a phase they completed at once still gets its
// watchdog, which then finds nothing to end, and a posted completion of the wrong kind is ignored. A posted
// completion dies with the watchdog, which lives as long as the engine.
void Pacing::guard()
{
    const Phase opened = m_phase;
    if (!m_animationsEnabled) {
        QTimer::singleShot(0, &m_watchdog, [this, opened] {
            if (opened == CardFlight)
                completeCardFlight();
            else if (opened == Draw)
                completeDraw();
            else if (opened == Deal)
                completeDeal();
        });
        return;
    }
    m_watchdog.start(opened == CardFlight ? cardFlightWatchdogMs : opened == Draw ? drawWatchdogMs : dealWatchdogMs);
}

void Pacing::completeCardFlight()
{
    if (m_phase != CardFlight)
        return;
    m_watchdog.stop();
    if (m_followupDraws.empty()) {
        finish();
        return;
    }
    std::vector<Zavel::DrawnCard> draws;
    draws.swap(m_followupDraws);
    m_listener->followupDrawsDue(draws);
}

void Pacing::completeDraw()
{
    if (m_phase != Draw)
        return;
    m_watchdog.stop();
    finish();
}

void Pacing::completeDeal()
{
    if (m_phase != Deal)
        return;
    m_watchdog.stop();
    finish();
}

void Pacing::completeRunningPhase()
{
    switch (m_phase) {
    case CardFlight:
        completeCardFlight();
        break;
    case Draw:
        completeDraw();
        break;
    case Deal:
        completeDeal();
        break;
    case Idle:
        break;
    }
}

void Pacing::finish()
{
    setPhase(Idle);
    m_listener->phaseFinished();
}
