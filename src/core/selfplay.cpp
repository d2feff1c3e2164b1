#include "selfplay.h"

namespace Zavel {

namespace {

bool forgets(const SelfPlaySetup &setup, int seat)
{
    return seat >= 0 && static_cast<std::size_t>(seat) < setup.forgetful.size()
        && setup.forgetful[static_cast<std::size_t>(seat)];
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
    SelfPlayOutcome outcome;
    while (core.winner == -1 && outcome.actions < setup.maxActions) {
        const int seat = core.currentPlayer;
        if (!forgets(setup, seat) && core.declareZavelIfDue(seat)) {
            if (setup.trace)
                *setup.trace << seat << " declare\n";
            if (setup.records)
                setup.records->push_back(declarationRecord(seat));
        }

        const auto seatIndex = static_cast<std::size_t>(seat);
        const int code = seatIndex < setup.levels.size() ? setup.levels[seatIndex] : int(AiDifficulty::Easy);
        const auto level = static_cast<AiDifficulty>(code);
        const AiAction action = core.chooseAiAction(seat, level);
        const ActionResult result = core.applyAction(seat, action);
        if (!result.ok) {
            outcome.stalled = true;
            break;
        }
        if (setup.trace)
            describe(*setup.trace, seat, action, result);
        if (setup.records) {
            const std::vector<MoveRecord> records = actionRecords(seat, action, result);
            setup.records->insert(setup.records->end(), records.begin(), records.end());
        }
        ++outcome.actions;
    }
    if (setup.trace)
        *setup.trace << "end winner " << core.winner << " actions " << outcome.actions << '\n';
    return outcome;
}

} // namespace Zavel
