#include "handsampler.h"

#include <algorithm>

namespace Zavel {

namespace {

// At most this many kept guesses per seat are remembered as stand-ins.
constexpr std::size_t keptGuessLimit = 32;

void shuffle(Card *cards, std::size_t count, ExpertRandom &rng)
{
    for (std::size_t i = count; i > 1; --i)
        std::swap(cards[i - 1], cards[rng.below(i)]);
}

} // namespace

HiddenDeal plainDeal(const SeatView &view)
{
    HiddenDeal deal;
    deal.hands.resize(static_cast<std::size_t>(view.playerCount));
    std::vector<Card> unseen = unseenCards(view);
    auto next = unseen.begin();
    for (int seat = 0; seat < view.playerCount; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        if (seat == view.seat || index >= view.handCounts.size())
            continue;
        const auto count = std::min<std::ptrdiff_t>(view.handCounts[index], unseen.end() - next);
        deal.hands[index].assign(next, next + count);
        next += count;
    }
    deal.talon.assign(next, unseen.end());
    return deal;
}

void HandSampler::Pool::choose(std::size_t count, ExpertRandom &rng)
{
    const std::size_t left = cards.size() - free;
    for (std::size_t i = 0; i < count; ++i)
        std::swap(cards[free + i], cards[free + i + rng.below(left - i)]);
}

CardSet HandSampler::Pool::freeCards() const
{
    return cardsOf(cards.begin() + static_cast<std::ptrdiff_t>(free), cards.end());
}

void HandSampler::Pool::bringForward(const Card *chosen, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto at = std::find_if(cards.begin() + static_cast<std::ptrdiff_t>(free + i), cards.end(),
                                     [&](const Card &c) { return sameCard(c, chosen[i]); });
        if (at != cards.end())
            std::swap(cards[free + i], *at);
    }
}

HandSampler::HandSampler(const SeatView &view, const std::vector<MoveRecord> &history, int depth, int attempts)
    : m_view(view)
    , m_model(view.playerCount)
    , m_depth(depth)
    , m_attempts(std::max(1, attempts))
{
    const Trails trails = seatTrails(view, history);
    m_trails = trails.seats;
    if (!splitByReshuffle(trails)) {
        m_kept.cards = unseenCards(view);
        m_reshuffled.cards.clear();
        m_keptCounts = view.handCounts;
        m_reshuffledCounts.assign(view.handCounts.size(), 0);
    }
    for (int seat = 0; seat < view.playerCount; ++seat) {
        if (seat != view.seat)
            m_order.push_back(seat);
    }
    m_effort.assign(static_cast<std::size_t>(view.playerCount), 0);
    m_keptGuesses.resize(static_cast<std::size_t>(view.playerCount));
}

// The two kinds of unseen cards after a known reshuffle; false when the counts do not add up (nothing known, or a
// history that does not fit), and the cards are then all of one kind.
bool HandSampler::splitByReshuffle(const Trails &trails)
{
    if (!trails.reshuffleKnown)
        return false;
    for (const Card &card : unseenCards(m_view))
        ((trails.reshuffled & cardBit(card)) != 0 ? m_reshuffled : m_kept).cards.push_back(card);
    m_reshuffledCounts = trails.heldFromReshuffle;
    m_keptCounts = m_view.handCounts;
    int kept = 0;
    int reshuffled = 0;
    for (int seat = 0; seat < m_view.playerCount; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        m_keptCounts[index] -= m_reshuffledCounts[index];
        if (m_keptCounts[index] < 0)
            return false;
        if (seat != m_view.seat) {
            kept += m_keptCounts[index];
            reshuffled += m_reshuffledCounts[index];
        }
    }
    return kept == static_cast<int>(m_kept.cards.size())
        && reshuffled + m_view.talonSize == static_cast<int>(m_reshuffled.cards.size());
}

void HandSampler::sample(ExpertRandom &rng, HiddenDeal *deal)
{
    m_kept.free = 0;
    m_reshuffled.free = 0;
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) {
        return m_effort[static_cast<std::size_t>(a)] > m_effort[static_cast<std::size_t>(b)];
    });

    deal->hands.resize(static_cast<std::size_t>(m_view.playerCount));
    deal->hands[static_cast<std::size_t>(m_view.seat)].clear();
    for (int seat : m_order) {
        guessHand(seat, rng);
        deal->hands[static_cast<std::size_t>(seat)] = m_guess;
    }
    // The talon is what is left: of the reshuffled cards after one, of all unseen cards otherwise.
    Pool &rest = m_reshuffled.cards.empty() ? m_kept : m_reshuffled;
    deal->talon.assign(rest.cards.begin() + static_cast<std::ptrdiff_t>(rest.free), rest.cards.end());
    shuffle(deal->talon.data(), deal->talon.size(), rng);
}

// Leaves the guessed hand in m_guess and takes its cards out of the pools.
void HandSampler::guessHand(int seat, ExpertRandom &rng)
{
    const auto index = static_cast<std::size_t>(seat);
    std::size_t kept = 0;
    int furthest = -1;
    bool found = false;
    for (int attempt = 0; attempt < m_attempts && !found; ++attempt) {
        kept = takeGuess(index, rng);
        ++m_effort[index];
        const Verdict verdict = weigh(seat, rng.unit(), rng);
        found = verdict.kept;
        if (!found && verdict.depth > furthest) {
            furthest = verdict.depth;
            m_furthest = m_guess;
        }
    }
    std::vector<std::vector<Card>> &earlier = m_keptGuesses[index];
    if (found) {
        if (earlier.size() < keptGuessLimit)
            earlier.push_back(m_guess);
        else
            earlier[rng.below(keptGuessLimit)] = m_guess;
    } else {
        // A guess kept for an earlier deal is a sounder stand-in than the furthest refused one, if its cards are free.
        m_guess = m_furthest;
        const CardSet free = m_kept.freeCards() | m_reshuffled.freeCards();
        const std::size_t start = earlier.empty() ? 0 : rng.below(earlier.size());
        for (std::size_t i = 0; i < earlier.size(); ++i) {
            const std::vector<Card> &guess = earlier[(start + i) % earlier.size()];
            if ((cardsOf(guess.begin(), guess.end()) & ~free) == 0) {
                m_guess = guess;
                break;
            }
        }
        m_kept.bringForward(m_guess.data(), kept);
        m_reshuffled.bringForward(m_guess.data() + kept, m_guess.size() - kept);
    }
    m_kept.free += kept;
    m_reshuffled.free += m_guess.size() - kept;
}

// A fresh guess of the seat's hand in m_guess: its kept cards first, then those from the reshuffle, whose start it
// returns.
std::size_t HandSampler::takeGuess(std::size_t seat, ExpertRandom &rng)
{
    const auto fitting = [](const Pool &pool, int wanted) {
        return std::min(static_cast<std::size_t>(std::max(0, wanted)), pool.cards.size() - pool.free);
    };
    const std::size_t kept = fitting(m_kept, m_keptCounts[seat]);
    const std::size_t reshuffled = fitting(m_reshuffled, m_reshuffledCounts[seat]);
    m_kept.choose(kept, rng);
    m_reshuffled.choose(reshuffled, rng);
    const auto keptFrom = m_kept.cards.begin() + static_cast<std::ptrdiff_t>(m_kept.free);
    const auto reshuffledFrom = m_reshuffled.cards.begin() + static_cast<std::ptrdiff_t>(m_reshuffled.free);
    m_guess.assign(keptFrom, keptFrom + static_cast<std::ptrdiff_t>(kept));
    m_guess.insert(m_guess.end(), reshuffledFrom, reshuffledFrom + static_cast<std::ptrdiff_t>(reshuffled));
    return kept;
}

HandSampler::Verdict HandSampler::weigh(int seat, double threshold, ExpertRandom &rng)
{
    const std::vector<TrailStep> &trail = m_trails[static_cast<std::size_t>(seat)];
    const int level = m_view.levels[static_cast<std::size_t>(seat)];
    Verdict verdict;
    m_held = m_guess;
    double weight = 1.0;
    for (auto step = trail.rbegin(); step != trail.rend() && verdict.depth < m_depth; ++step) {
        // A draw for want of a fitting card is weighed as its cards are taken back; every other judged step by
        // how likely its choice was.
        const bool fittingDraw = drewForWant(*step, level) && step->earlier == 0;
        // Going back in time: the played card returns to the hand, drawn cards leave it, the later part first.
        if (step->kind == MoveKind::Play) {
            m_held.push_back(step->card);
        } else if (fittingDraw) {
            weight *= takeBackFitting(seat, *step, rng);
        } else if (!takeBack(step->count, step->from, rng) || !takeBack(step->earlier, step->earlierFrom, rng)) {
            return verdict;
        }
        if (!step->judged)
            continue;
        if (!fittingDraw)
            weight *= m_model.likelihood(seat, level, *step, m_held.data(), static_cast<int>(m_held.size()));
        if (weight <= threshold)
            return verdict;
        ++verdict.depth;
    }
    verdict.kept = true;
    return verdict;
}

// A seat that drew for want of a fitting card drew every fitting card it held after the draw. Those leave the hand
// together with as many others as the draw brought, chosen at random; the weight is the chance that a choice of
// the draw's cards at random would have taken them all, 0 where it cannot.
double HandSampler::takeBackFitting(int seat, const TrailStep &step, ExpertRandom &rng)
{
    const CardSet fitting = m_model.fittingCards(seat, step.table, m_held.data(), static_cast<int>(m_held.size()));
    std::size_t eligible = 0;
    std::size_t forced = 0;
    for (const Card &card : m_held) {
        const CardSet bit = cardBit(card);
        if ((fitting & bit) != 0 && (step.from & bit) == 0)
            return 0.0;
        eligible += (step.from & bit) != 0 ? 1 : 0;
        forced += (fitting & bit) != 0 ? 1 : 0;
    }
    if (forced > static_cast<std::size_t>(step.count))
        return 0.0;
    double chance = 1.0;
    for (std::size_t i = 0; i < forced; ++i)
        chance *= static_cast<double>(step.count - static_cast<int>(i)) / static_cast<double>(eligible - i);
    m_held.erase(
        std::remove_if(m_held.begin(), m_held.end(), [&](const Card &c) { return (fitting & cardBit(c)) != 0; }),
        m_held.end());
    return takeBack(step.count - static_cast<int>(forced), step.from, rng) ? chance : 0.0;
}

// Removes `count` cards of the set `from` from m_held, chosen at random; false when it holds fewer.
bool HandSampler::takeBack(int count, CardSet from, ExpertRandom &rng)
{
    if (count <= 0)
        return true;
    std::size_t eligible = 0;
    for (std::size_t i = 0; i < m_held.size(); ++i) {
        if ((from & cardBit(m_held[i])) != 0)
            std::swap(m_held[eligible++], m_held[i]);
    }
    if (eligible < static_cast<std::size_t>(count))
        return false;
    for (int i = 0; i < count; ++i) {
        std::swap(m_held[rng.below(eligible)], m_held[eligible - 1]);
        --eligible;
        std::swap(m_held[eligible], m_held.back());
        m_held.pop_back();
    }
    return true;
}

} // namespace Zavel
