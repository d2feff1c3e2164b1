#include "cardlistmodel.h"

#include "rowmap.h"

#include <algorithm>

namespace {

int indexOfCard(const std::vector<CardRow> &rows, const Zavel::Card &card, std::size_t from = 0)
{
    for (std::size_t i = from; i < rows.size(); ++i) {
        if (Zavel::sameCard(rows[i].card, card))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

CardListModel::CardListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    const CardRow &row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case CardIdRole:
        return QString::fromStdString(Zavel::cardId(row.card));
    case SuitRole:
        return row.card.suit;
    case RankRole:
        return row.card.rank;
    case PlayedByRole:
        return row.card.playedBy;
    case SpecialRole:
        return Zavel::isSpecialRank(row.card.rank);
    case HandIndexRole:
        return row.handIndex;
    case PlayableRole:
        return row.playable;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CardListModel::roleNames() const
{
    return {{CardIdRole, "cardId"},     {SuitRole, "suit"},       {RankRole, "rank"},
            {PlayedByRole, "playedBy"}, {SpecialRole, "special"}, {HandIndexRole, "handIndex"},
            {PlayableRole, "playable"}};
}

QVariantMap CardListModel::get(int row) const
{
    return rowMap(*this, row);
}

int CardListModel::rowOf(const QString &cardId) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (QString::fromStdString(Zavel::cardId(m_rows[i].card)) == cardId)
            return static_cast<int>(i);
    }
    return -1;
}

void CardListModel::sync(const std::vector<CardRow> &wanted)
{
    const int before = count();
    if (replacesAll(wanted))
        replaceAll(wanted);
    else
        syncRows(wanted);
    if (count() != before)
        emit countChanged();
}

// Nothing stays: a new deal or another game restored. No card has an item to keep, so the rows there are take the
// new cards, and the views reuse their items instead of making them anew.
bool CardListModel::replacesAll(const std::vector<CardRow> &wanted) const
{
    if (m_rows.empty())
        return false;
    for (const CardRow &row : wanted) {
        if (indexOfCard(m_rows, row.card) >= 0)
            return false;
    }
    return true;
}

void CardListModel::replaceAll(const std::vector<CardRow> &wanted)
{
    const std::size_t kept = std::min(m_rows.size(), wanted.size());
    if (m_rows.size() > kept) {
        beginRemoveRows(QModelIndex(), static_cast<int>(kept), count() - 1);
        m_rows.resize(kept);
        endRemoveRows();
    }
    if (kept > 0) {
        std::copy(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(kept), m_rows.begin());
        emit dataChanged(index(0), index(static_cast<int>(kept) - 1));
    }
    if (wanted.size() > kept) {
        beginInsertRows(QModelIndex(), static_cast<int>(kept), static_cast<int>(wanted.size()) - 1);
        m_rows.insert(m_rows.end(), wanted.begin() + static_cast<std::ptrdiff_t>(kept), wanted.end());
        endInsertRows();
    }
}

void CardListModel::syncRows(const std::vector<CardRow> &wanted)
{
    removeUnwanted(wanted);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const int row = static_cast<int>(i);
        const int found = indexOfCard(m_rows, wanted[i].card, i);
        if (found < 0) {
            beginInsertRows(QModelIndex(), row, row);
            m_rows.insert(m_rows.begin() + row, wanted[i]);
            endInsertRows();
            continue;
        }
        if (found != row) {
            beginMoveRows(QModelIndex(), found, found, QModelIndex(), row);
            const CardRow moved = m_rows[static_cast<std::size_t>(found)];
            m_rows.erase(m_rows.begin() + found);
            m_rows.insert(m_rows.begin() + row, moved);
            endMoveRows();
        }
        updateRow(row, wanted[i]);
    }
}

// Runs of unwanted rows go in one removal each, from the end so that the rows before keep their numbers.
void CardListModel::removeUnwanted(const std::vector<CardRow> &wanted)
{
    int last = count() - 1;
    while (last >= 0) {
        if (indexOfCard(wanted, m_rows[static_cast<std::size_t>(last)].card) >= 0) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && indexOfCard(wanted, m_rows[static_cast<std::size_t>(first - 1)].card) < 0)
            --first;
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        endRemoveRows();
        last = first - 1;
    }
}

void CardListModel::updateRow(int row, const CardRow &wanted)
{
    CardRow &current = m_rows[static_cast<std::size_t>(row)];
    QVector<int> roles;
    if (current.card.playedBy != wanted.card.playedBy)
        roles << PlayedByRole;
    if (current.handIndex != wanted.handIndex)
        roles << HandIndexRole;
    if (current.playable != wanted.playable)
        roles << PlayableRole;
    if (roles.isEmpty())
        return;
    current = wanted;
    emit dataChanged(index(row), index(row), roles);
}
