#include "handmodel.h"

#include "enginelink.h"

#include <algorithm>

HandModel::HandModel(QObject *parent)
    : CardListModel(parent)
{ }

void HandModel::setEngine(GameEngine *engine)
{
    if (!linkEngine(this, &m_engine, engine))
        return;
    emit engineChanged();
    refresh();
}

void HandModel::setSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    emit sortedChanged();
    refresh();
}

int HandModel::positionOf(int handIndex) const
{
    for (std::size_t i = 0; i < rows().size(); ++i) {
        if (rows()[i].handIndex == handIndex)
            return static_cast<int>(i);
    }
    return -1;
}

int HandModel::handIndexAt(int position) const
{
    return position >= 0 && position < count() ? rows()[static_cast<std::size_t>(position)].handIndex : -1;
}

void HandModel::refresh()
{
    std::vector<CardRow> wanted;
    if (m_engine) {
        const std::vector<Zavel::Card> &hand = m_engine->core().hand(0);
        for (std::size_t i = 0; i < hand.size(); ++i) {
            const int handIndex = static_cast<int>(i);
            wanted.push_back({hand[i], handIndex, m_engine->isPlayerCardPlayable(handIndex)});
        }
    }
    if (m_sorted) {
        std::stable_sort(wanted.begin(), wanted.end(), [](const CardRow &a, const CardRow &b) {
            return a.card.suit != b.card.suit ? a.card.suit < b.card.suit : a.card.rank < b.card.rank;
        });
    }
    sync(wanted);
}
