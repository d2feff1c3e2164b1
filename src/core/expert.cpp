#include "expert.h"

#include "handsampler.h"
#include "playout.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace Zavel {

namespace {

// The judged steps weighed per seat, latest first, and the guesses tried per seat and deal.
constexpr int inferenceDepth = 8;
constexpr int guessAttempts = 20;

// FNV-1a over every number of what the seat sees: the seed of the Expert's own random streams.
class VisibleHash
{
public:
    void add(long long value)
    {
        for (int i = 0; i < 8; ++i) {
            m_hash ^= static_cast<std::uint64_t>(value >> (8 * i)) & 0xFFu;
            m_hash *= 0x100000001B3ull;
        }
    }

    void add(const std::vector<Card> &cards)
    {
        add(static_cast<long long>(cards.size()));
        for (const Card &card : cards) {
            add(card.suit);
            add(card.rank);
            add(card.playedBy);
        }
    }

    std::uint32_t seed() const { return static_cast<std::uint32_t>(m_hash ^ (m_hash >> 32)); }

private:
    std::uint64_t m_hash = 0xCBF29CE484222325ull;
};

std::uint32_t visibleSeed(const SeatView &view, const std::vector<MoveRecord> &history)
{
    VisibleHash hash;
    for (int value :
         {view.seat, view.playerCount, view.currentPlayer, view.winner, view.requestedSuit, view.requestedRank,
          view.pendingDraw, view.pendingSkip ? 1 : 0, view.pendingChoice, view.choiceOwner, view.talonSize})
        hash.add(value);
    hash.add(view.hand);
    hash.add(view.discard);
    for (int seat = 0; seat < view.playerCount; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        hash.add(view.handCounts[index]);
        hash.add(view.declared[index] ? 1 : 0);
        hash.add(view.levels[index]);
    }
    for (const MoveRecord &record : history) {
        const MoveRecord seen = seenBy(record, -1);
        for (int value : {static_cast<int>(seen.kind), seen.seat, seen.count, seen.owed, seen.choice})
            hash.add(value);
        hash.add(seen.cards);
    }
    return hash.seed();
}

// Every action the rules allow the seat at this table; the table is the view's, so any guess gives the same list.
std::vector<AiAction> candidates(const GameCore &core, int seat)
{
    std::vector<AiAction> actions;
    if (core.pendingChoice == static_cast<int>(ChoiceKind::Suit)) {
        for (int suit = Bells; suit <= Hearts; ++suit)
            actions.push_back({AiActionType::ChooseSuit, -1, suit});
        return actions;
    }
    if (core.pendingChoice == static_cast<int>(ChoiceKind::Rank)) {
        for (int rank = Seven; rank <= Ace; ++rank)
            actions.push_back({AiActionType::ChooseRank, -1, rank});
        return actions;
    }
    for (int index : core.legalMoves(seat))
        actions.push_back({AiActionType::Play, index, -1});
    // Taking a penalty is allowed even with a Seven or an Ace to answer it: keeping that card back may pay.
    if (core.canAcceptPenalty(seat))
        actions.push_back({AiActionType::AcceptPenalty, -1, -1});
    if (core.canDraw(seat))
        actions.push_back({AiActionType::Draw, -1, -1});
    return actions;
}

// The time limit on the settings' clock, counted from the construction; never reached with NoTimeLimit.
class Deadline
{
public:
    explicit Deadline(const ExpertSettings &settings)
        : m_settings(settings)
        , m_timed(settings.timeLimit != NoTimeLimit)
    {
        if (m_timed)
            m_at = now() + settings.timeLimit;
    }

    bool passed() const { return m_timed && now() >= m_at; }

private:
    std::chrono::steady_clock::time_point now() const
    {
        return m_settings.clock ? m_settings.clock() : std::chrono::steady_clock::now();
    }

    const ExpertSettings &m_settings;
    bool m_timed;
    std::chrono::steady_clock::time_point m_at;
};

// The rounds of successive halving that leave one of `count` actions.
int halvingRounds(std::size_t count)
{
    int rounds = 0;
    while ((std::size_t(1) << rounds) < count)
        ++rounds;
    return rounds;
}

// Successive halving: each round shares what is left of the budget among the actions still in the running and drops
// the worse half of them, so that the close contenders get the most play-outs. Every action in the running has been
// played out on the same guesses, so their wins compare. The index of the action that won most, ties going to the
// earlier one; none when not a single guess was played out before the deadline.
std::optional<std::size_t> mostWinning(const std::vector<AiAction> &actions, int budget, HandSampler &sampler,
                                       Playout &playout, ExpertRandom &rng, const Deadline &deadline,
                                       ExpertReport *done)
{
    HiddenDeal deal;
    std::vector<int> wins(actions.size(), 0);
    std::vector<std::size_t> alive(actions.size());
    std::iota(alive.begin(), alive.end(), std::size_t(0));
    const int rounds = halvingRounds(actions.size());
    for (int round = 0; round < rounds && !done->outOfTime; ++round) {
        const auto perDeal = static_cast<int>(alive.size());
        // The first round plays at least one guess, which the budget always affords.
        const int deals = std::max(round == 0 ? 1 : 0, (budget - done->playouts) / ((rounds - round) * perDeal));
        for (int d = 0; d < deals; ++d) {
            if (deadline.passed()) {
                done->outOfTime = true;
                break;
            }
            sampler.sample(rng, &deal);
            playout.nextGuess();
            for (std::size_t i : alive)
                wins[i] += playout.wins(deal, actions[i]) ? 1 : 0;
            ++done->deals;
            done->playouts += perDeal;
        }
        if (round + 1 < rounds && !done->outOfTime) {
            std::stable_sort(alive.begin(), alive.end(),
                             [&wins](std::size_t a, std::size_t b) { return wins[a] > wins[b]; });
            alive.resize((alive.size() + 1) / 2);
        }
    }
    if (done->deals == 0)
        return std::nullopt;
    return *std::max_element(alive.begin(), alive.end(), [&wins](std::size_t a, std::size_t b) {
        return wins[a] < wins[b] || (wins[a] == wins[b] && a > b);
    });
}

} // namespace

int defaultPlayouts(int playerCount)
{
    return 4000 / std::max(2, playerCount);
}

AiAction expertAction(const SeatView &view, const std::vector<MoveRecord> &history, const ExpertSettings &settings,
                      ExpertReport *report)
{
    const Deadline deadline(settings);
    ExpertReport local;
    ExpertReport &done = report ? *report : local;
    done = ExpertReport();

    const bool toAct = view.winner == -1 && view.currentPlayer == view.seat
        && (view.pendingChoice == 0 || view.choiceOwner == view.seat);
    if (!consistentView(view) || !toAct)
        return AiAction();

    // The table rebuilt with the hidden cards laid out plainly is the view's as far as the rules go: it gives the
    // actions allowed, and checks the view.
    const std::uint32_t seed = visibleSeed(view, history);
    Playout playout(view, seed);
    const HiddenDeal plain = plainDeal(view);
    const GameCore &table = playout.table(plain);
    if (!table.validate())
        return AiAction();
    const std::vector<AiAction> actions = candidates(table, view.seat);
    done.candidates = static_cast<int>(actions.size());
    if (actions.size() < 2)
        return actions.empty() ? AiAction() : actions.front();

    HandSampler sampler(view, history, inferenceDepth, guessAttempts);
    ExpertRandom rng(~static_cast<std::uint64_t>(seed));
    const int asked = settings.playouts > 0 ? settings.playouts : defaultPlayouts(view.playerCount);
    const int budget = std::max(asked, static_cast<int>(actions.size()));
    const std::optional<std::size_t> best = mostWinning(actions, budget, sampler, playout, rng, deadline, &done);
    // Out of time before the first guess: Hard's choice, from the seat's own hand and the table alone.
    return best ? actions[*best] : playout.table(plain).chooseAiAction(view.seat, AiDifficulty::Hard);
}

} // namespace Zavel
