#include "seatmodel.h"

#include "enginelink.h"

#include <algorithm>

SeatModel::SeatModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void SeatModel::setEngine(GameEngine *engine)
{
    if (!linkEngine(this, &m_engine, engine))
        return;
    if (engine)
        connect(engine, &GameEngine::namesChanged, this, &SeatModel::refresh);
    emit engineChanged();
    refresh();
}

void SeatModel::setFirstSeat(int seat)
{
    const int normalized = std::max(0, seat);
    if (normalized == m_firstSeat)
        return;
    // The rows stand for other seats now: they are made anew.
    beginResetModel();
    m_firstSeat = normalized;
    m_seats.clear();
    endResetModel();
    emit firstSeatChanged();
    refresh();
}

int SeatModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SeatModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    const Seat &seat = m_seats[static_cast<std::size_t>(index.row())];
    switch (role) {
    case SeatRole:
        return m_firstSeat + index.row();
    case NameRole:
        return seat.name;
    case IsHumanRole:
        return m_firstSeat + index.row() == 0;
    case HandCountRole:
        return seat.handCount;
    case ActiveTurnRole:
        return seat.activeTurn;
    case ZavelRole:
        return seat.zavel;
    case OneCardRole:
        return seat.handCount == 1;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> SeatModel::roleNames() const
{
    return {{SeatRole, "seat"},
            {NameRole, "name"},
            {IsHumanRole, "isHuman"},
            {HandCountRole, "handCount"},
            {ActiveTurnRole, "activeTurn"},
            {ZavelRole, "zavel"},
            {OneCardRole, "oneCard"}};
}

const SeatModel::Seat *SeatModel::seatAt(int seat) const
{
    const int row = seat - m_firstSeat;
    return row >= 0 && row < count() ? &m_seats[static_cast<std::size_t>(row)] : nullptr;
}

QString SeatModel::name(int seat) const
{
    const Seat *found = seatAt(seat);
    return found ? found->name : QString();
}

int SeatModel::handCount(int seat) const
{
    const Seat *found = seatAt(seat);
    return found ? found->handCount : 0;
}

QVector<int> SeatModel::changedRoles(const Seat &was, const Seat &now) const
{
    QVector<int> roles;
    if (was.name != now.name)
        roles << NameRole;
    if (was.handCount != now.handCount)
        roles << HandCountRole;
    if ((was.handCount == 1) != (now.handCount == 1))
        roles << OneCardRole;
    if (was.activeTurn != now.activeTurn)
        roles << ActiveTurnRole;
    if (was.zavel != now.zavel)
        roles << ZavelRole;
    return roles;
}

void SeatModel::refresh()
{
    std::vector<Seat> wanted;
    if (m_engine) {
        const Zavel::GameCore &core = m_engine->core();
        for (int seat = m_firstSeat; seat < core.playerCount; ++seat) {
            wanted.push_back({m_engine->playerDisplayName(seat), static_cast<int>(core.hand(seat).size()),
                              seat == core.currentPlayer, core.zavelDeclared(seat)});
        }
    }
    const int before = count();
    const int kept = std::min(before, static_cast<int>(wanted.size()));
    for (int row = 0; row < kept; ++row) {
        const QVector<int> roles = changedRoles(m_seats[std::size_t(row)], wanted[std::size_t(row)]);
        if (roles.isEmpty())
            continue;
        m_seats[std::size_t(row)] = wanted[std::size_t(row)];
        emit dataChanged(index(row), index(row), roles);
    }
    if (before > kept) {
        beginRemoveRows(QModelIndex(), kept, before - 1);
        m_seats.resize(std::size_t(kept));
        endRemoveRows();
    } else if (static_cast<int>(wanted.size()) > kept) {
        beginInsertRows(QModelIndex(), kept, static_cast<int>(wanted.size()) - 1);
        m_seats.insert(m_seats.end(), wanted.begin() + kept, wanted.end());
        endInsertRows();
    }
    if (count() != before)
        emit countChanged();
}
