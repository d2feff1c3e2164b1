#include "selfplay.h"

#include <algorithm>

namespace Zavel {

namespace {

bool forgets(const SelfPlaySetup &setup, int seat)
{
    return seat >= 0 && static_cast<std::size_t>(seat) < setup.forgetful.size()
        && setup.forgetful[static_cast<std::size_t>(seat)];
}

int levelOf(const SelfPlaySetup &setup, int seat)
{
    const auto index = static_cast<std::size_t>(seat);
    return index < setup.levels.size() ? setup.levels[index] : int(AiDifficulty::Easy);
}

// Nothing has happened yet in a game whose pile holds only the starting card and whose hands hold five cards each:
// a draw would have left a hand larger, a play a card on the pile.
bool freshlyDealt(const GameCore &core)
{
    return core.discard.size() == 1 && core.discard.front().playedBy == -1
        && std::all_of(core.hands.begin(), core.hands.end(), [](const std::vector<Card> &h) { return h.size() == 5; });
}

AiAction chosenAction(GameCore &core, int seat, const SelfPlaySetup &setup, const std::vector<MoveRecord> &history)
{
    const int level = levelOf(setup, seat);
    if (level == ExpertLevel)
        return expertAction(seatView(core, seat, setup.levels), history, setup.expert);
    return core.chooseAiAction(seat, static_cast<AiDifficulty>(level));
}

// The trace line of an applied action.
void describe(std::ostream &trace, int seat, const AiAction &action, const ActionResult &result)
{
    trace << seat << ' ';
    switch (action.type) {
    case AiActionType::Play:
        trace << "play " << cardId(result.play.card);
        break;
    case AiActionType::Draw:
        trace << "draw " << result.draw.drawnCards.size();
        break;
    case AiActionType::AcceptPenalty:
        trace << "accept " << result.draw.drawnCards.size();
        break;
    case AiActionType::ChooseSuit:
        trace << "suit " << action.choice;
        break;
    case AiActionType::ChooseRank:
        trace << "rank " << action.choice;
        break;
    case AiActionType::None:
        break;
    }
    trace << '\n';
}

} // namespace

SelfPlayOutcome playSelf(GameCore &core, const SelfPlaySetup &setup)
{
    std::vector<MoveRecord> kept;
    std::vector<MoveRecord> *records = setup.records;
    if (std::find(setup.levels.begin(), setup.levels.end(), ExpertLevel) != setup.levels.end()) {
        records = records ? records : &kept;
        if (records->empty())
            records->push_back(freshlyDealt(core) ? dealRecord(core) : restoreRecord(core));
    }

    SelfPlayOutcome outcome;
    while (core.winner == -1 && outcome.actions < setup.maxActions) {
        const int seat = core.currentPlayer;
        if (!forgets(setup, seat) && core.declareZavelIfDue(seat)) {
            if (setup.trace)
                *setup.trace << seat << " declare\n";
            if (records)
                records->push_back(declarationRecord(seat));
        }

        const AiAction action = chosenAction(core, seat, setup, records ? *records : kept);
        const ActionResult result = core.applyAction(seat, action);
        if (!result.ok) {
            outcome.stalled = true;
            break;
        }
        if (setup.trace)
            describe(*setup.trace, seat, action, result);
        if (records) {
            const std::vector<MoveRecord> made = actionRecords(seat, action, result);
            records->insert(records->end(), made.begin(), made.end());
        }
        ++outcome.actions;
    }
    if (setup.trace)
        *setup.trace << "end winner " << core.winner << " actions " << outcome.actions << '\n';
    return outcome;
}

} // namespace Zavel
