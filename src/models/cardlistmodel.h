#ifndef CARDLISTMODEL_H
#define CARDLISTMODEL_H

// A list of cards for a QML view, changed by row removals, moves and insertions only where the cards really
// came, went or moved, so that a view keeps the item (and the painted face) of every card that stays. A role
// changes with a dataChanged of that row and role alone. A card that arrives takes the row of one that leaves,
// if any, so that a view reuses that item rather than make one anew.

#include "card.h"

#include <QAbstractListModel>
#include <QSet>
#include <QVariantMap>

#include <vector>

struct CardRow
{
    Zavel::Card card;
    int handIndex = -1; // the position the engine knows the card by in its list
    bool playable = false;
};

class CardListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        CardIdRole = Qt::UserRole + 1,
        SuitRole,
        RankRole,
        PlayedByRole,
        SpecialRole,
        HandIndexRole,
        PlayableRole,
        ArrivingRole
    };

    explicit CardListModel(QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_rows.size()); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // A row as a map of its roles ({} outside the list), for scripts and tests.
    Q_INVOKABLE QVariantMap get(int row) const;
    // The row of the card with this id, or -1.
    Q_INVOKABLE int rowOf(const QString &cardId) const;
    // Cards still on their way here (drawn or dealt, in the air), which a view leaves out until they land: the
    // arriving role. The ids may come before their rows do. A landing changes that one row, not every row.
    Q_INVOKABLE void setArriving(const QStringList &cardIds);
    Q_INVOKABLE void arrived(const QString &cardId);

signals:
    void countChanged();

protected:
    const std::vector<CardRow> &rows() const { return m_rows; }
    // Brings the rows to `wanted`, in its order, with as few changes as the views need to see.
    void sync(const std::vector<CardRow> &wanted);

private:
    void recycleLeavingRows(const std::vector<CardRow> &wanted);
    void removeUnwanted(const std::vector<CardRow> &wanted);
    void updateRow(int row, const CardRow &wanted);

    void arrivingChanged(const QString &cardId);

    std::vector<CardRow> m_rows;
    QSet<QString> m_arriving;
};

#endif
