#ifndef SEATMODEL_H
#define SEATMODEL_H

// The seats of the running game, seat 0 (the player) first, or from firstSeat on (1: the computer players): the
// name the texts use, the number of cards held, whether the seat is on turn, has declared Zavél! or holds one card.
// No seat's cards are shown here.

#include "gameengine.h"

#include <QAbstractListModel>
#include <QPointer>

#include <vector>

class SeatModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(int firstSeat READ firstSeat WRITE setFirstSeat NOTIFY firstSeatChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        SeatRole = Qt::UserRole + 1,
        NameRole,
        IsHumanRole,
        HandCountRole,
        ActiveTurnRole,
        ZavelRole,
        OneCardRole
    };

    explicit SeatModel(QObject *parent = nullptr);

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    int firstSeat() const { return m_firstSeat; }
    void setFirstSeat(int seat);
    int count() const { return static_cast<int>(m_seats.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // By seat number, whichever seats the rows hold: the name as the texts write it ("" for a seat not at the
    // table) and the number of cards held.
    Q_INVOKABLE QString name(int seat) const;
    Q_INVOKABLE int handCount(int seat) const;

    void refresh();

signals:
    void engineChanged();
    void firstSeatChanged();
    void countChanged();

private:
    struct Seat
    {
        QString name;
        int handCount = 0;
        bool activeTurn = false;
        bool zavel = false;
    };

    QVector<int> changedRoles(const Seat &was, const Seat &now) const;

    const Seat *seatAt(int seat) const;

    QPointer<GameEngine> m_engine;
    int m_firstSeat = 0;
    std::vector<Seat> m_seats; // from m_firstSeat on
};

#endif
