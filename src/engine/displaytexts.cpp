// The texts the interface shows. Every fixed text is an English source text of the translation context
// "GameEngine", looked up before its placeholders are filled. How the placeholders are filled matters when a
// player's name itself holds a "%" sequence, so each text keeps its own way: one substitution, a number, two
// successive substitutions, or one two-argument substitution.

#include "gameengine.h"

using Zavel::ChoiceKind;

QString GameEngine::playerDisplayName(int seat) const
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

QString GameEngine::suitName(int suit) const
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

QString GameEngine::rankName(int rank) const
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

QString GameEngine::roundResult() const
{
    if (m_core.winner < 0)
        return QString();
    return tr("%1 won the game").arg(playerDisplayName(m_core.winner));
}

QString GameEngine::activeRequestText() const
{
    if (m_core.requestedSuit >= 0)
        return tr("Requested suit: %1").arg(suitName(m_core.requestedSuit));
    if (m_core.requestedRank >= 0)
        return tr("Requested rank: %1").arg(rankName(m_core.requestedRank));
    return QString();
}

QString GameEngine::penaltyText() const
{
    if (m_core.pendingDraw > 0)
        return tr("Draw %1 cards").arg(m_core.pendingDraw);
    if (m_core.pendingSkip)
        return tr("Skip turn");
    return QString();
}

void GameEngine::updateStatusText()
{
    const QString name = playerDisplayName(m_core.currentPlayer);
    if (m_core.winner >= 0)
        m_status = roundResult();
    else if (m_core.pendingChoice == static_cast<int>(ChoiceKind::Suit))
        m_status = tr("%1: choose a suit").arg(name);
    else if (m_core.pendingChoice != static_cast<int>(ChoiceKind::None))
        m_status = tr("%1: choose a rank").arg(name);
    else if (m_core.pendingDraw > 0)
        m_status = tr("%1: play a seven or draw %2").arg(name).arg(m_core.pendingDraw);
    else if (m_core.pendingSkip)
        m_status = tr("%1: play an ace or skip").arg(name);
    else if (m_core.requestedSuit >= 0)
        m_status = tr("%1 — %2 requested").arg(name, suitName(m_core.requestedSuit));
    else if (m_core.requestedRank >= 0)
        m_status = tr("%1 — %2 requested").arg(name, rankName(m_core.requestedRank));
    else if (m_core.currentPlayer != 0)
        m_status = tr("%1's turn").arg(name);
    else
        m_status = tr("Your turn");
    emit statusChanged();
}
