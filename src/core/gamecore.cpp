#include "gamecore.h"

#include "random.h"

#include <algorithm>

namespace Zavel {

std::string cardId(const Card &card)
{
    return std::to_string(card.suit) + '_' + std::to_string(card.rank);
}

std::vector<Card> buildDeck()
{
    std::vector<Card> deck;
    deck.reserve(DeckSize);
    for (int suit = Bells; suit <= Hearts; ++suit) {
        for (int rank = Seven; rank <= Ace; ++rank)
            deck.push_back(Card{rank, suit, -1});
    }
    return deck;
}

namespace {

unsigned resolveSeed(unsigned seed)
{
    return seed != 0 ? seed : static_cast<unsigned>(std::random_device()());
}

} // namespace

// The engine is seeded once, straight with the game's seed: the neutral seed 5489 a fresh engine would hold
// is overwritten by the deal before anything could observe it, and seeding costs as much as the deal.
GameCore::GameCore(int playerCount, unsigned seed)
    : rng(resolveSeed(seed))
{
    setPlayerCount(playerCount);
    dealFromEngine();
}

void GameCore::setPlayerCount(int count)
{
    playerCount = std::clamp(count, 2, 4);
}

void GameCore::newGame(unsigned seed)
{
    rng.seed(resolveSeed(seed));
    dealFromEngine();
}

void GameCore::dealFromEngine()
{
    talon = buildDeck();
    hands.assign(static_cast<std::size_t>(playerCount), {});
    discard.clear();
    announcements.assign(static_cast<std::size_t>(playerCount), false);
    shuffleCards(talon, rng);

    // The first non-special card from the top opens the pile; special cards above it stay on top.
    auto fromTop = std::find_if(talon.rbegin(), talon.rend(), [](const Card &c) { return !isSpecialRank(c.rank); });
    Card starter = *fromTop;
    talon.erase(std::next(fromTop).base());

    for (auto &h : hands)
        h.reserve(8);
    for (int round = 0; round < 5; ++round) {
        for (auto &h : hands) {
            h.push_back(talon.back());
            talon.pop_back();
        }
    }

    starter.playedBy = -1;
    discard.push_back(starter);

    currentPlayer = 0;
    winner = -1;
    requestedSuit = -1;
    requestedRank = -1;
    pendingDraw = 0;
    pendingSkip = false;
    pendingChoice = 0;
    choiceOwner = -1;
}

int GameCore::nextPlayerHandCount() const
{
    if (playerCount < 2)
        return 0;
    return static_cast<int>(hand(nextPlayer(currentPlayer)).size());
}

void GameCore::advanceTurn()
{
    if (winner == -1)
        currentPlayer = nextPlayer(currentPlayer);
}

void GameCore::clearTransientAnnouncement(int player)
{
    if (hand(player).size() != 2)
        setAnnouncement(player, false);
}

void GameCore::setAnnouncement(int player, bool declared)
{
    if (validPlayer(player) && static_cast<std::size_t>(player) < announcements.size())
        announcements[static_cast<std::size_t>(player)] = declared;
}

} // namespace Zavel
