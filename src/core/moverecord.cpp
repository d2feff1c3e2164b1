#include "moverecord.h"

#include "gamecore.h"

#include <sstream>

namespace Zavel {

namespace {

const char *const kindNames[MoveKindCount]
    = {"deal", "restore", "play", "draw", "penalty", "skip", "suit", "rank", "declare", "forgot", "reshuffle", "win"};

MoveRecord made(MoveKind kind, int seat)
{
    MoveRecord record;
    record.kind = kind;
    record.seat = seat;
    return record;
}

MoveRecord drew(MoveKind kind, int seat, const std::vector<DrawnCard> &drawn)
{
    MoveRecord record = made(kind, seat);
    record.count = static_cast<int>(drawn.size());
    for (const DrawnCard &d : drawn)
        record.cards.push_back(d.card);
    return record;
}

// A draw that found the talon empty turned the discard pile into a new one first.
void addReshuffle(std::vector<MoveRecord> *records, const ActionResult &result)
{
    if (result.reshuffledCards <= 0)
        return;
    MoveRecord record = made(MoveKind::Reshuffle, -1);
    record.count = result.reshuffledCards;
    records->push_back(record);
}

bool validCard(const Card &card)
{
    return validSuit(card.suit) && validRank(card.rank) && card.playedBy >= -1 && card.playedBy < 4;
}

} // namespace

bool drawsCards(MoveKind kind)
{
    return kind == MoveKind::Draw || kind == MoveKind::PenaltyTaken || kind == MoveKind::ForgottenDeclaration;
}

bool operator==(const MoveRecord &a, const MoveRecord &b)
{
    return a.kind == b.kind && a.seat == b.seat && a.cards == b.cards && a.count == b.count && a.owed == b.owed
        && a.choice == b.choice;
}

bool isAction(MoveKind kind)
{
    switch (kind) {
    case MoveKind::Play:
    case MoveKind::Draw:
    case MoveKind::PenaltyTaken:
    case MoveKind::SkipTaken:
    case MoveKind::SuitRequested:
    case MoveKind::RankRequested:
        return true;
    default:
        return false;
    }
}

std::vector<MoveRecord> actionRecords(int seat, const AiAction &action, const ActionResult &result)
{
    std::vector<MoveRecord> records;
    if (!result.ok)
        return records;
    switch (action.type) {
    case AiActionType::Play: {
        MoveRecord play = made(MoveKind::Play, seat);
        play.cards.push_back(result.play.card);
        records.push_back(play);
        if (result.play.forgotZavel) {
            addReshuffle(&records, result);
            records.push_back(drew(MoveKind::ForgottenDeclaration, seat, result.play.penaltyCards));
        }
        if (result.play.won)
            records.push_back(made(MoveKind::Win, seat));
        break;
    }
    case AiActionType::Draw:
        addReshuffle(&records, result);
        records.push_back(drew(MoveKind::Draw, seat, result.draw.drawnCards));
        break;
    case AiActionType::AcceptPenalty:
        if (result.draw.skipped) {
            records.push_back(made(MoveKind::SkipTaken, seat));
            break;
        }
        addReshuffle(&records, result);
        records.push_back(drew(MoveKind::PenaltyTaken, seat, result.draw.drawnCards));
        records.back().owed = result.penaltyOwed;
        break;
    case AiActionType::ChooseSuit:
    case AiActionType::ChooseRank:
        records.push_back(
            made(action.type == AiActionType::ChooseSuit ? MoveKind::SuitRequested : MoveKind::RankRequested, seat));
        records.back().choice = action.choice;
        break;
    case AiActionType::None:
        break;
    }
    return records;
}

MoveRecord declarationRecord(int seat)
{
    return made(MoveKind::Declaration, seat);
}

MoveRecord dealRecord(const GameCore &core)
{
    MoveRecord record = made(MoveKind::Deal, -1);
    record.count = core.playerCount;
    if (!core.discard.empty())
        record.cards.push_back(core.discard.front());
    return record;
}

MoveRecord restoreRecord(const GameCore &core)
{
    MoveRecord record = made(MoveKind::Restore, -1);
    record.count = core.playerCount;
    return record;
}

MoveRecord seenBy(const MoveRecord &record, int viewer)
{
    MoveRecord seen = record;
    if (drawsCards(record.kind) && (viewer < 0 || viewer != record.seat))
        seen.cards.clear();
    return seen;
}

std::string recordText(const MoveRecord &record)
{
    const int kind = static_cast<int>(record.kind);
    std::string text = kind >= 0 && kind < MoveKindCount ? kindNames[kind] : "?";
    for (int value : {record.seat, record.count, record.owed, record.choice})
        text += ' ' + std::to_string(value);
    return text + ' ' + GameCore::encodeCards(record.cards);
}

// Only the text recordText writes is taken: a record read back must write the very same text, so anything
// lenient (extra blanks, leading zeros, a trailing word) is refused along with what is out of range.
bool parseRecord(const std::string &text, MoveRecord *out)
{
    std::istringstream in(text);
    std::string name;
    MoveRecord record;
    if (!out || !(in >> name >> record.seat >> record.count >> record.owed >> record.choice))
        return false;
    int kind = 0;
    while (kind < MoveKindCount && name != kindNames[kind])
        ++kind;
    std::string cards;
    std::getline(in, cards);
    if (kind == MoveKindCount || !GameCore::decodeCards(cards, &record.cards))
        return false;
    record.kind = static_cast<MoveKind>(kind);
    const bool inRange = record.seat >= -1 && record.seat < 4 && record.count >= 0 && record.count <= DeckSize
        && record.owed >= 0 && record.owed <= 2 * DeckSize && record.choice >= -1 && record.choice <= Ace;
    for (const Card &card : record.cards) {
        if (!validCard(card))
            return false;
    }
    if (!inRange || recordText(record) != text)
        return false;
    *out = record;
    return true;
}

} // namespace Zavel
