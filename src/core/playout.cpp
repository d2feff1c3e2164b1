#include "playout.h"

#include "levelmodel.h"

namespace Zavel {

namespace {

// Far beyond a game between computer seats (about 50 actions), which a play-out that goes round in circles ends.
constexpr long long actionCap = 1000;

// GameCore deals from std::random_device for seed 0; the play-outs must never be seeded by anything but the view.
unsigned nonZero(std::uint32_t seed)
{
    return seed != 0 ? seed : 0x9E3779B9u;
}

} // namespace

Playout::Playout(const SeatView &view, std::uint32_t seed)
    : m_view(view)
    , m_core(view.playerCount, nonZero(seed))
{
    for (int seat = 0; seat < view.playerCount; ++seat) {
        const int shown = view.levels[static_cast<std::size_t>(seat)];
        m_drive.levels.push_back(seat != view.seat && knownLevel(shown) ? shown : static_cast<int>(AiDifficulty::Hard));
    }
    m_drive.maxActions = actionCap;
    m_luck = m_core.rng;
}

// The engine has gone on through the last play-out: where it stands is luck no play-out has used yet.
void Playout::nextGuess()
{
    m_luck = m_core.rng;
}

GameCore &Playout::table(const HiddenDeal &deal)
{
    const SeatView &v = m_view;
    m_core.playerCount = v.playerCount;
    m_core.hands.resize(static_cast<std::size_t>(v.playerCount));
    for (int seat = 0; seat < v.playerCount; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        m_core.hands[index] = seat == v.seat ? v.hand : deal.hands[index];
    }
    m_core.talon = deal.talon;
    m_core.discard = v.discard;
    m_core.announcements = v.declared;
    m_core.currentPlayer = v.currentPlayer;
    m_core.winner = v.winner;
    m_core.requestedSuit = v.requestedSuit;
    m_core.requestedRank = v.requestedRank;
    m_core.pendingDraw = v.pendingDraw;
    m_core.pendingSkip = v.pendingSkip;
    m_core.pendingChoice = v.pendingChoice;
    m_core.choiceOwner = v.choiceOwner;
    return m_core;
}

bool Playout::wins(const HiddenDeal &deal, const AiAction &first)
{
    GameCore &core = table(deal);
    core.rng = m_luck;
    if (!core.applyAction(m_view.seat, first).ok)
        return false;
    playSelf(core, m_drive);
    return core.winner == m_view.seat;
}

} // namespace Zavel
