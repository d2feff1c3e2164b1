#include "seatmodel.h"

#include "enginelink.h"

#include <algorithm>

namespace {

// A game seats two to four players.
constexpr int seatsAtMost = 4;

} // namespace

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

void SeatModel::setJournal(MoveJournal *journal)
{
    if (journal == m_journal)
        return;
    if (m_journal)
        disconnect(m_journal, nullptr, this, nullptr);
    m_journal = journal;
    if (journal) {
        connect(journal, &QAbstractItemModel::rowsInserted, this, &SeatModel::readLastTurns);
        connect(journal, &QAbstractItemModel::modelReset, this, &SeatModel::readLastTurns);
    }
    emit journalChanged();
    readLastTurns();
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
    case ShortNameRole:
        return seat.shortName;
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
    case LastTurnRole:
        return seat.lastTurn;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> SeatModel::roleNames() const
{
    return {{SeatRole, "seat"},       {NameRole, "name"},           {ShortNameRole, "shortName"},
            {IsHumanRole, "isHuman"}, {HandCountRole, "handCount"}, {ActiveTurnRole, "activeTurn"},
            {ZavelRole, "zavel"},     {OneCardRole, "oneCard"},     {LastTurnRole, "lastTurn"}};
}

// The invokables read the engine as it is now, not the rows: a script may ask in the middle of a change, before
// the rows have followed it.
QStringList SeatModel::currentNames() const
{
    QStringList names;
    for (int seat = 0; m_engine && seat < m_engine->core().playerCount; ++seat)
        names << m_engine->playerDisplayName(seat);
    return names;
}

QString SeatModel::name(int seat) const
{
    return currentNames().value(seat);
}

QString SeatModel::shortName(int seat) const
{
    return shortNames(currentNames()).value(seat);
}

QStringList SeatModel::shortNames(const QStringList &names)
{
    QStringList cut;
    for (const QString &name : names) {
        if (name.size() <= shortNameLength) {
            cut << name;
            continue;
        }
        int length = shortNameLength - 1;
        const auto sharesPrefix = [&](const QString &other) {
            return other != name && other.left(length) == name.left(length);
        };
        while (length < name.size() && std::any_of(names.begin(), names.end(), sharesPrefix))
            ++length;
        cut << (length < name.size() ? name.left(length).trimmed() + QChar(0x2026) : name);
    }
    return cut;
}

int SeatModel::handCount(int seat) const
{
    return m_engine ? static_cast<int>(m_engine->core().hand(seat).size()) : 0;
}

QVector<int> SeatModel::changedRoles(const Seat &was, const Seat &now) const
{
    QVector<int> roles;
    if (was.name != now.name)
        roles << NameRole;
    if (was.shortName != now.shortName)
        roles << ShortNameRole;
    if (was.handCount != now.handCount)
        roles << HandCountRole;
    if ((was.handCount == 1) != (now.handCount == 1))
        roles << OneCardRole;
    if (was.activeTurn != now.activeTurn)
        roles << ActiveTurnRole;
    if (was.zavel != now.zavel)
        roles << ZavelRole;
    if (was.lastTurn != now.lastTurn)
        roles << LastTurnRole;
    return roles;
}

void SeatModel::readLastTurns()
{
    m_lastTurns.clear();
    for (int seat = 0; m_journal && seat < seatsAtMost; ++seat)
        m_lastTurns << m_journal->lastTurn(seat);
    refresh();
}

void SeatModel::refresh()
{
    std::vector<Seat> wanted;
    if (m_engine) {
        const Zavel::GameCore &core = m_engine->core();
        const QStringList names = currentNames();
        const QStringList cut = shortNames(names);
        for (int seat = m_firstSeat; seat < core.playerCount; ++seat) {
            wanted.push_back({names[seat], cut[seat], static_cast<int>(core.hand(seat).size()),
                              seat == core.currentPlayer, core.zavelDeclared(seat), m_lastTurns.value(seat)});
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
    const int choice = m_engine && m_engine->core().winner < 0 ? m_engine->core().pendingChoice : 0;
    if (choice != m_choiceOwed) {
        m_choiceOwed = choice;
        emit choiceOwedChanged();
    }
}
