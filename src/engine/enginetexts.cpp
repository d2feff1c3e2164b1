#include "enginetexts.h"

using Zavel::AiActionType;
using Zavel::ChoiceKind;

EngineTexts::EngineTexts(const Zavel::GameCore &core, const QString *names)
    : m_core(core)
    , m_names(names)
{ }

QString EngineTexts::displayName(int seat) const
{
    if (seat >= 0 && seat <= 3) {
        const QString name = m_names[seat].trimmed();
        if (!name.isEmpty())
            return name;
    }
    if (seat == 0)
        return tr("Player");
    return tr("AI %1").arg(seat);
}

QString EngineTexts::suitName(int suit) const
{
    switch (suit) {
    case Zavel::Bells:
        return tr("Bells");
    case Zavel::Leaves:
        return tr("Leaves");
    case Zavel::Acorns:
        return tr("Acorns");
    case Zavel::Hearts:
        return tr("Hearts");
    default:
        return QString();
    }
}

QString EngineTexts::rankName(int rank) const
{
    switch (rank) {
    case Zavel::Seven:
        return tr("Seven");
    case Zavel::Eight:
        return tr("Eight");
    case Zavel::Nine:
        return tr("Nine");
    case Zavel::Ten:
        return tr("Ten");
    case Zavel::Lower:
        return tr("Lower");
    case Zavel::Upper:
        return tr("Upper");
    case Zavel::King:
        return tr("King");
    case Zavel::Ace:
        return tr("Ace");
    default:
        return QString::number(rank);
    }
}

QString EngineTexts::roundResult() const
{
    if (m_core.winner < 0)
        return QString();
    return tr("%1 won the game").arg(displayName(m_core.winner));
}

QString EngineTexts::activeRequest() const
{
    if (m_core.requestedSuit >= 0)
        return tr("Requested suit: %1").arg(suitName(m_core.requestedSuit));
    if (m_core.requestedRank >= 0)
        return tr("Requested rank: %1").arg(rankName(m_core.requestedRank));
    return QString();
}

QString EngineTexts::penalty() const
{
    if (m_core.pendingDraw > 0)
        return tr("Draw %1 cards").arg(m_core.pendingDraw);
    if (m_core.pendingSkip)
        return tr("Skip turn");
    return QString();
}

QString EngineTexts::status() const
{
    const QString name = displayName(m_core.currentPlayer);
    if (m_core.winner >= 0)
        return roundResult();
    if (m_core.pendingChoice == static_cast<int>(ChoiceKind::Suit))
        return tr("%1: choose a suit").arg(name);
    if (m_core.pendingChoice != static_cast<int>(ChoiceKind::None))
        return tr("%1: choose a rank").arg(name);
    if (m_core.pendingDraw > 0)
        return tr("%1: play a seven or draw %2").arg(name).arg(m_core.pendingDraw);
    if (m_core.pendingSkip)
        return tr("%1: play an ace or skip").arg(name);
    if (m_core.requestedSuit >= 0)
        return tr("%1 — %2 requested").arg(name, suitName(m_core.requestedSuit));
    if (m_core.requestedRank >= 0)
        return tr("%1 — %2 requested").arg(name, rankName(m_core.requestedRank));
    if (m_core.currentPlayer != 0)
        return tr("%1's turn").arg(name);
    return tr("Your turn");
}

QString EngineTexts::actionText(int seat, const Zavel::AiAction &action, const Zavel::ActionResult &result) const
{
    const bool you = seat == 0;
    const QString name = displayName(seat);
    switch (action.type) {
    case AiActionType::Play:
        return you && result.play.forgotZavel ? tr("You forgot Zavél — four penalty cards") : QString();
    case AiActionType::Draw:
        return you ? tr("You drew a card") : tr("%1 draws a card").arg(name);
    case AiActionType::AcceptPenalty:
        // The name goes in first, so that a number in it is not taken for the count.
        if (result.penaltyOwed > 0)
            return you ? tr("You drew %1 penalty cards").arg(result.penaltyOwed)
                       : tr("%1 draws %2 penalty cards").arg(name).arg(result.penaltyOwed);
        if (result.draw.skipped)
            return you ? tr("You skipped your turn") : tr("%1 skips a turn").arg(name);
        return QString();
    case AiActionType::ChooseSuit:
    case AiActionType::ChooseRank: {
        const QString requested
            = action.type == AiActionType::ChooseSuit ? suitName(action.choice) : rankName(action.choice);
        return you ? tr("You requested %1").arg(requested) : tr("%1 requests %2").arg(name, requested);
    }
    case AiActionType::None:
        break;
    }
    return QString();
}

QString EngineTexts::declaration(int seat) const
{
    return seat == 0 ? tr("Zavél!") : tr("%1 says Zavél!").arg(displayName(seat));
}

QString EngineTexts::restored() const
{
    return tr("Game restored");
}

QString EngineTexts::rejection() const
{
    if (m_core.pendingChoice == static_cast<int>(ChoiceKind::Suit))
        return tr("Choose the requested suit first");
    if (m_core.pendingChoice != static_cast<int>(ChoiceKind::None))
        return tr("Choose the requested rank first");
    if (m_core.pendingDraw > 0)
        return tr("Play a Seven or accept the +%1 penalty").arg(m_core.pendingDraw);
    if (m_core.pendingSkip)
        return tr("Play an Ace or skip the turn");
    if (m_core.requestedSuit >= 0)
        return tr("Requested suit: %1").arg(suitName(m_core.requestedSuit));
    if (m_core.requestedRank >= 0)
        return tr("Requested rank: %1").arg(rankName(m_core.requestedRank));
    return tr("Match the suit or rank of the top card");
}
