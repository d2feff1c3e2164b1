#ifndef ZAVEL_HANDSAMPLER_H
#define ZAVEL_HANDSAMPLER_H

// Guesses what a seat cannot see (the other seats' hands and the talon's order) at random, in proportion to how
// well each guess explains what the other seats did.
//
// The unseen cards fall into two kinds once a reshuffle is known: those the talon got then (each other seat holds
// as many of them as it drew since and did not play, and the talon holds the rest) and the others, which lie in
// the other seats' hands, each holding as many as it kept from before the reshuffle. Without one, every unseen card
// may be anywhere.
//
// Each other seat's hand is drawn from the free cards of each kind, then followed back along the seat's trail (a
// play gives its card back; a draw takes back as many of the cards held then that it may have taken, chosen at
// random) and weighed at each of its latest judged steps by its level's model. The guess is kept with a
// probability equal to that weight, so kept hands follow the weights. A seat whose guesses are all refused within the
// attempts takes one kept for it in an earlier deal whose cards are still free, or else the guess that went furthest
// back. The seats are dealt in order of the guesses they have needed
// so far, the hardest first: a seat whose steps say little about its hand is as well guessed from the leftovers,
// while one that needs particular cards would often find them gone. What is left makes the talon, in random order.
//
// A sampler depends on nothing but the view, the history and the random engine it is given.

#include "expertrandom.h"
#include "levelmodel.h"
#include "seattrails.h"
#include "seatview.h"

#include <vector>

namespace Zavel {

// The hidden part of a game: the hands of the seats other than the view's (the view's own stays empty) and the
// talon, bottom first.
struct HiddenDeal
{
    std::vector<std::vector<Card>> hands;
    std::vector<Card> talon;
};

// The hidden cards laid out in deck order, each other seat in turn, the rest in the talon: a deal that fits the
// view, though not a likely one.
HiddenDeal plainDeal(const SeatView &view);

class HandSampler
{
public:
    // depth: the judged steps weighed per seat, latest first; attempts: the guesses tried per seat and deal.
    HandSampler(const SeatView &view, const std::vector<MoveRecord> &history, int depth, int attempts);

    void sample(ExpertRandom &rng, HiddenDeal *deal);

private:
    // Cards of one kind: those before `free` are dealt.
    struct Pool
    {
        std::vector<Card> cards;
        std::size_t free = 0;

        void choose(std::size_t count, ExpertRandom &rng); // a random choice into cards[free, free + count)
        CardSet freeCards() const;
        void bringForward(const Card *chosen, std::size_t count); // makes `chosen` the choice again
    };

    struct Verdict
    {
        bool kept = false;
        int depth = 0; // the judged steps the guess passed
    };

    bool splitByReshuffle(const Trails &trails);
    void guessHand(int seat, ExpertRandom &rng);
    std::size_t takeGuess(std::size_t seat, ExpertRandom &rng);
    Verdict weigh(int seat, double threshold, ExpertRandom &rng);
    double takeBackFitting(int seat, const TrailStep &step, ExpertRandom &rng);
    bool takeBack(int count, CardSet from, ExpertRandom &rng);

    SeatView m_view;
    std::vector<std::vector<TrailStep>> m_trails;
    LevelModel m_model;
    int m_depth;
    int m_attempts;
    Pool m_kept; // cards held since before the last reshuffle, or every unseen card without one
    Pool m_reshuffled; // cards the last reshuffle gave to the talon
    std::vector<int> m_keptCounts; // per seat: how many of its cards are of each kind
    std::vector<int> m_reshuffledCounts;
    // Buffers kept from deal to deal.
    std::vector<Card> m_guess;
    std::vector<Card> m_held;
    std::vector<Card> m_furthest;
    std::vector<int> m_order; // the other seats, the hardest to guess first
    std::vector<long long> m_effort; // per seat: the guesses tried so far
    std::vector<std::vector<std::vector<Card>>> m_keptGuesses; // per seat: some of its guesses kept so far
};

} // namespace Zavel

#endif
