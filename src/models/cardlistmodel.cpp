#include "cardlistmodel.h"

#include "rowmap.h"

#include <algorithm>
#include <utility>

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
    case ArrivingRole:
        return m_arriving.contains(QString::fromStdString(Zavel::cardId(row.card)));
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CardListModel::roleNames() const
{
    return {{CardIdRole, "cardId"},     {SuitRole, "suit"},        {RankRole, "rank"},
            {PlayedByRole, "playedBy"}, {SpecialRole, "special"},  {HandIndexRole, "handIndex"},
            {PlayableRole, "playable"}, {ArrivingRole, "arriving"}};
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

void CardListModel::setArriving(const QStringList &cardIds)
{
    QSet<QString> now;
    for (const QString &id : cardIds)
        now.insert(id);
    const QSet<QString> before = std::exchange(m_arriving, now);
    for (const QString &id : before + m_arriving) {
        if (before.contains(id) != m_arriving.contains(id))
            arrivingChanged(id);
    }
}

void CardListModel::arrived(const QString &cardId)
{
    if (m_arriving.remove(cardId))
        arrivingChanged(cardId);
}

void CardListModel::arrivingChanged(const QString &cardId)
{
    const int row = rowOf(cardId);
    if (row >= 0)
        emit dataChanged(index(row), index(row), {ArrivingRole});
}

void CardListModel::sync(const std::vector<CardRow> &wanted)
{
    const int before = count();
    recycleLeavingRows(wanted);
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
    if (count() != before)
        emit countChanged();
}

// A row whose card leaves takes a card that arrives, where it is, so that a view hands the item of a card that went
// to one that came instead of destroying one item and making another: a new deal changes the rows' cards and
// makes no item, and a pile that loses its bottom card as one comes on top keeps its number of items.
void CardListModel::recycleLeavingRows(const std::vector<CardRow> &wanted)
{
    std::size_t row = 0;
    for (const CardRow &arriving : wanted) {
        if (indexOfCard(m_rows, arriving.card) >= 0)
            continue;
        while (row < m_rows.size() && indexOfCard(wanted, m_rows[row].card) >= 0)
            ++row;
        if (row == m_rows.size())
            return;
        m_rows[row] = arriving;
        emit dataChanged(index(static_cast<int>(row)), index(static_cast<int>(row)));
        ++row;
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
