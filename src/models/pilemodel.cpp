#include "pilemodel.h"

#include "enginelink.h"

PileModel::PileModel(QObject *parent)
    : CardListModel(parent)
{ }

void PileModel::setEngine(GameEngine *engine)
{
    if (!linkEngine(this, &m_engine, engine))
        return;
    emit engineChanged();
    refresh();
}

void PileModel::setDepth(int depth)
{
    const int normalized = depth > 0 ? depth : 0;
    if (normalized == m_depth)
        return;
    m_depth = normalized;
    emit depthChanged();
    refresh();
}

void PileModel::refresh()
{
    std::vector<CardRow> wanted;
    if (m_engine) {
        const std::vector<Zavel::Card> &pile = m_engine->core().discard;
        const std::size_t shown = m_depth > 0 ? std::min(pile.size(), static_cast<std::size_t>(m_depth)) : pile.size();
        for (std::size_t i = pile.size() - shown; i < pile.size(); ++i)
            wanted.push_back({pile[i], static_cast<int>(i), false});
    }
    sync(wanted);
    const QString top = wanted.empty() ? QString() : QString::fromStdString(Zavel::cardId(wanted.back().card));
    if (top == m_topCardId)
        return;
    m_topCardId = top;
    emit topCardChanged();
}
