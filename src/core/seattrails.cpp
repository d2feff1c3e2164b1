#include "seattrails.h"

#include <algorithm>

namespace Zavel {

namespace {

// The game while the history is replayed. After a restore only the counts and the talon's size are known at first;
// the table becomes known with the first play that is not a Seven, the pile at the first reshuffle.
struct Replay
{
    std::vector<int> counts;
    int talon = 0;
    bool tableKnown = false; // top, requests and pending effects
    bool topKnown = false;
    Card top;
    int requestedSuit = -1;
    int requestedRank = -1;
    int pendingDraw = 0;
    bool pendingSkip = false;
    bool pileKnown = false;
    std::vector<Card> pile;
    CardSet talonCards = AllCards; // what the talon may hold: the cards of the last reshuffle, if known
    int earlier = -1; // set by a reshuffle: the cards of the old talon the drawing record takes first
    CardSet earlierCards = AllCards;
    bool reshuffleKnown = false;
    std::vector<int> fromReshuffle; // per seat: cards held that came from the last (known) reshuffle
};

bool startsGame(MoveKind kind)
{
    return kind == MoveKind::Deal || kind == MoveKind::Restore;
}

// A request depends on the hand alone, so it can be weighed even where the table is not known.
bool isRequest(MoveKind kind)
{
    return kind == MoveKind::SuitRequested || kind == MoveKind::RankRequested;
}

int countChange(const MoveRecord &record)
{
    if (record.kind == MoveKind::Play)
        return -1;
    return drawsCards(record.kind) ? record.count : 0;
}

bool validCard(const Card &card)
{
    return validSuit(card.suit) && validRank(card.rank);
}

TableMoment momentOf(const Replay &replay, int seat)
{
    TableMoment moment;
    moment.top = replay.top;
    moment.requestedSuit = replay.requestedSuit;
    moment.requestedRank = replay.requestedRank;
    moment.pendingDraw = replay.pendingDraw;
    moment.pendingSkip = replay.pendingSkip;
    moment.nextCount = replay.counts[(static_cast<std::size_t>(seat) + 1) % replay.counts.size()];
    return moment;
}

// A play ends every request and sets the card's effect. Only a Seven adds to what was pending before it, so any
// other card makes the whole table known.
void applyPlay(Replay *replay, int seat, const Card &card)
{
    replay->top = card;
    replay->topKnown = true;
    replay->requestedSuit = -1;
    replay->requestedRank = -1;
    if (replay->pileKnown)
        replay->pile.push_back(card);
    if (replay->reshuffleKnown && (replay->talonCards & cardBit(card)) != 0)
        --replay->fromReshuffle[static_cast<std::size_t>(seat)];
    if (card.rank == Seven) {
        replay->pendingDraw += 2;
        replay->pendingSkip = false;
        return;
    }
    replay->pendingDraw = 0;
    replay->pendingSkip = card.rank == Ace;
    replay->tableKnown = true;
}

// The pile, all but its top, becomes the talon; the cards left in the old one go first to the drawing record that
// follows. False when the record's count is not the pile's.
bool applyReshuffle(Replay *replay, int count)
{
    replay->earlier = replay->talon;
    replay->earlierCards = replay->talonCards;
    replay->talon += count;
    std::fill(replay->fromReshuffle.begin(), replay->fromReshuffle.end(), 0);
    replay->reshuffleKnown = replay->pileKnown;
    replay->talonCards = AllCards;
    if (replay->pileKnown) {
        if (static_cast<int>(replay->pile.size()) != count + 1)
            return false;
        replay->talonCards = cardsOf(replay->pile.begin(), replay->pile.end() - 1);
        replay->pile.erase(replay->pile.begin(), replay->pile.end() - 1);
    } else if (replay->topKnown) {
        replay->pile.assign(1, replay->top);
        replay->pileKnown = true;
    }
    return true;
}

void applyDraw(Replay *replay, int seat, int count, TrailStep *step)
{
    const int earlier = replay->earlier >= 0 ? std::min(count, replay->earlier) : 0;
    step->earlier = earlier;
    step->earlierFrom = replay->earlierCards;
    step->count = count - earlier;
    step->from = replay->talonCards;
    replay->earlier = -1;
    replay->talon -= count;
    if (replay->reshuffleKnown)
        replay->fromReshuffle[static_cast<std::size_t>(seat)] += count - earlier;
}

// Applies one record; false when it cannot belong to the game (a seat outside it, a play without its card, a
// count gone below zero).
bool apply(const MoveRecord &record, Replay *replay, std::vector<std::vector<TrailStep>> *trails)
{
    const int players = static_cast<int>(replay->counts.size());
    if (record.kind == MoveKind::Reshuffle)
        return applyReshuffle(replay, record.count);
    if (record.seat < 0 || record.seat >= players)
        return false;
    const auto seat = static_cast<std::size_t>(record.seat);
    const bool changesHand = isAction(record.kind) || record.kind == MoveKind::ForgottenDeclaration;
    TrailStep step;
    step.kind = record.kind;
    step.choice = record.choice;
    step.judged = isRequest(record.kind) || (replay->tableKnown && isAction(record.kind));
    step.table = momentOf(*replay, record.seat);
    replay->counts[seat] += countChange(record);
    switch (record.kind) {
    case MoveKind::Play:
        if (record.cards.size() != 1 || !validCard(record.cards.front()))
            return false;
        step.card = record.cards.front();
        applyPlay(replay, record.seat, step.card);
        break;
    case MoveKind::Draw:
    case MoveKind::ForgottenDeclaration:
        applyDraw(replay, record.seat, record.count, &step);
        break;
    case MoveKind::PenaltyTaken:
        applyDraw(replay, record.seat, record.count, &step);
        replay->pendingDraw = 0;
        break;
    case MoveKind::SkipTaken:
        replay->pendingSkip = false;
        break;
    case MoveKind::SuitRequested:
        replay->requestedSuit = record.choice;
        break;
    case MoveKind::RankRequested:
        replay->requestedRank = record.choice;
        break;
    case MoveKind::Win:
        // The winning card has no effect.
        replay->pendingDraw = 0;
        replay->pendingSkip = false;
        break;
    default:
        break;
    }
    if (changesHand)
        (*trails)[seat].push_back(step);
    return replay->counts[seat] >= 0 && replay->talon >= 0 && replay->fromReshuffle[seat] >= 0;
}

// Where the replay starts: after a deal everything is known; after a restore (or at the head of a list without
// either) the counts and the talon are what the records leave of the view's, and the pile is the view's less the
// cards played since, as long as no reshuffle took it away.
bool start(const SeatView &view, const std::vector<MoveRecord> &history, std::size_t first, Replay *replay)
{
    replay->counts = view.handCounts;
    replay->fromReshuffle.assign(view.handCounts.size(), 0);
    replay->talon = view.talonSize;
    std::size_t plays = 0;
    bool reshuffled = false;
    for (std::size_t i = first; i < history.size(); ++i) {
        const MoveRecord &record = history[i];
        if (record.seat >= 0 && record.seat < view.playerCount)
            replay->counts[static_cast<std::size_t>(record.seat)] -= countChange(record);
        if (drawsCards(record.kind))
            replay->talon += record.count;
        if (record.kind == MoveKind::Reshuffle) {
            replay->talon -= record.count;
            reshuffled = true;
        }
        plays += record.kind == MoveKind::Play ? 1 : 0;
    }
    if (first > 0 && history[first - 1].kind == MoveKind::Deal) {
        const MoveRecord &deal = history[first - 1];
        const bool dealt = std::all_of(replay->counts.begin(), replay->counts.end(), [](int c) { return c == 5; });
        if (deal.cards.size() != 1 || !validCard(deal.cards.front()) || !dealt)
            return false;
        replay->tableKnown = replay->topKnown = replay->pileKnown = true;
        replay->top = deal.cards.front();
        replay->pile.assign(1, replay->top);
        return replay->talon == DeckSize - 1 - 5 * view.playerCount;
    }
    if (!reshuffled && view.discard.size() > plays) {
        replay->pileKnown = true;
        replay->pile.assign(view.discard.begin(), view.discard.end() - static_cast<std::ptrdiff_t>(plays));
    }
    return replay->talon >= 0;
}

// Whether the replayed game is the view's: the counts, the talon, and what is known of the pile and the table.
bool leadsToView(const Replay &replay, const SeatView &view)
{
    if (replay.counts != view.handCounts || replay.talon != view.talonSize)
        return false;
    if (replay.pileKnown && replay.pile != view.discard)
        return false;
    if (replay.topKnown && !sameCard(replay.top, view.discard.back()))
        return false;
    if (!replay.tableKnown)
        return true;
    return replay.requestedSuit == view.requestedSuit && replay.requestedRank == view.requestedRank
        && replay.pendingDraw == view.pendingDraw && replay.pendingSkip == view.pendingSkip;
}

} // namespace

Trails seatTrails(const SeatView &view, const std::vector<MoveRecord> &history)
{
    Trails trails;
    trails.seats.resize(static_cast<std::size_t>(std::max(0, view.playerCount)));
    if (!consistentView(view) || history.empty())
        return trails;

    // The last deal or restore begins the game the view is of; a list without one is a tail of it.
    std::size_t first = history.size();
    while (first > 0 && !startsGame(history[first - 1].kind))
        --first;
    if (first > 0 && history[first - 1].count != view.playerCount)
        return trails;

    Replay replay;
    const Trails none = trails;
    if (!start(view, history, first, &replay))
        return none;
    for (std::size_t i = first; i < history.size(); ++i) {
        if (!apply(seenBy(history[i], -1), &replay, &trails.seats))
            return none;
    }
    if (!leadsToView(replay, view))
        return none;
    trails.reshuffleKnown = replay.reshuffleKnown;
    trails.reshuffled = replay.reshuffleKnown ? replay.talonCards : 0;
    trails.heldFromReshuffle = replay.fromReshuffle;
    return trails;
}

} // namespace Zavel
