#include "selfplay.h"

namespace Zavel {

namespace {

bool forgets(const SelfPlaySetup &setup, int seat)
{
    return seat >= 0 && static_cast<std::size_t>(seat) < setup.forgetful.size()
        && setup.forgetful[static_cast<std::size_t>(seat)];
}

// Applies one action; false when the rules refuse it or there is none.
bool apply(GameCore &core, int seat, const AiAction &action, std::ostream *trace)
{
    switch (action.type) {
    case AiActionType::Play: {
        const PlayResult result = core.playCard(seat, action.handIndex);
        if (result.ok && trace)
            *trace << seat << " play " << cardId(result.card) << '\n';
        return result.ok;
    }
    case AiActionType::Draw: {
        const DrawResult result = core.drawCard(seat);
        if (result.ok && trace)
            *trace << seat << " draw " << result.drawnCards.size() << '\n';
        return result.ok;
    }
    case AiActionType::AcceptPenalty: {
        const DrawResult result = core.acceptPenalty(seat);
        if (result.ok && trace)
            *trace << seat << " accept " << result.drawnCards.size() << '\n';
        return result.ok;
    }
    case AiActionType::ChooseSuit:
        if (!core.chooseSuit(seat, action.choice))
            return false;
        if (trace)
            *trace << seat << " suit " << action.choice << '\n';
        return true;
    case AiActionType::ChooseRank:
        if (!core.chooseRank(seat, action.choice))
            return false;
        if (trace)
            *trace << seat << " rank " << action.choice << '\n';
        return true;
    case AiActionType::None:
        break;
    }
    return false;
}

} // namespace

SelfPlayOutcome playSelf(GameCore &core, const SelfPlaySetup &setup)
{
    SelfPlayOutcome outcome;
    while (core.winner == -1 && outcome.actions < setup.maxActions) {
        const int seat = core.currentPlayer;
        if (!forgets(setup, seat) && core.pendingChoice == 0 && core.hand(seat).size() == 2 && !core.zavelDeclared(seat)
            && core.declareZavel(seat) && setup.trace)
            *setup.trace << seat << " declare\n";

        const auto seatIndex = static_cast<std::size_t>(seat);
        const int code = seatIndex < setup.levels.size() ? setup.levels[seatIndex] : int(AiDifficulty::Easy);
        const auto level = static_cast<AiDifficulty>(code);
        if (!apply(core, seat, core.chooseAiAction(seat, level), setup.trace)) {
            outcome.stalled = true;
            break;
        }
        ++outcome.actions;
    }
    if (setup.trace)
        *setup.trace << "end winner " << core.winner << " actions " << outcome.actions << '\n';
    return outcome;
}

} // namespace Zavel
