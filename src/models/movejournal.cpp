#include "movejournal.h"

#include "rowmap.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// How the statistics of earlier versions named a finished game: the player count, the discard pile and every
// hand by their card ids. A game restored without its journal goes by it, so that one counted before an upgrade
// is known again.
QString tableFingerprint(const Zavel::GameCore &core)
{
    const auto ids = [](const std::vector<Zavel::Card> &cards) {
        QStringList list;
        for (const Zavel::Card &card : cards)
            list << QString::fromStdString(Zavel::cardId(card));
        return list.join(QLatin1Char(','));
    };
    QStringList parts{QString::number(core.playerCount), ids(core.discard)};
    for (int seat = 0; seat < core.playerCount; ++seat)
        parts << ids(core.hand(seat));
    return parts.join(QLatin1Char('|'));
}

// A table as it is dealt: the starting card alone on the pile and five cards in every hand.
bool looksDealt(const Zavel::GameCore &core)
{
    if (core.discard.size() != 1)
        return false;
    for (int seat = 0; seat < core.playerCount; ++seat) {
        if (core.hand(seat).size() != 5)
            return false;
    }
    return true;
}

bool anyAction(const std::vector<Zavel::MoveRecord> &records)
{
    return std::any_of(records.begin(), records.end(),
                       [](const Zavel::MoveRecord &r) { return Zavel::isAction(r.kind); });
}

} // namespace

MoveJournal::MoveJournal(QObject *parent)
    : QAbstractListModel(parent)
{
    m_show.setSingleShot(true);
    m_show.setInterval(0);
    connect(&m_show, &QTimer::timeout, this, &MoveJournal::showPending);
}

MoveJournal::~MoveJournal()
{
    if (m_engine)
        m_engine->removeObserver(this);
}

void MoveJournal::setEngine(GameEngine *engine)
{
    if (engine == m_engine)
        return;
    if (m_engine)
        m_engine->removeObserver(this);
    m_engine = engine;
    if (engine)
        engine->addObserver(this);
    emit engineChanged();
}

QString MoveJournal::filePath() const
{
    if (!m_engine)
        return QString();
    return QFileInfo(m_engine->saveFilePath()).dir().filePath(QStringLiteral("moves-v1.txt"));
}

int MoveJournal::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant MoveJournal::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    const Zavel::MoveRecord &record = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case KindRole:
        return static_cast<int>(record.kind);
    case SeatRole:
        return record.seat;
    case CardsRole: {
        QStringList ids;
        for (const Zavel::Card &card : record.cards)
            ids << QString::fromStdString(Zavel::cardId(card));
        return ids;
    }
    case CountRole:
        return record.count;
    case OwedRole:
        return record.owed;
    case ChoiceRole:
        return record.choice;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> MoveJournal::roleNames() const
{
    return {{KindRole, "kind"},   {SeatRole, "seat"}, {CardsRole, "cards"},
            {CountRole, "count"}, {OwedRole, "owed"}, {ChoiceRole, "choice"}};
}

QVariantMap MoveJournal::get(int row) const
{
    return rowMap(*this, row);
}

QVariantList MoveJournal::lastTurn(int seat) const
{
    QVariantList turn;
    for (int row = count() - 1; row >= 0; --row) {
        const Zavel::MoveRecord &record = m_rows[static_cast<std::size_t>(row)];
        if (record.kind == Zavel::MoveKind::Deal || (record.seat >= 0 && record.seat != seat && !turn.isEmpty()))
            break;
        if (record.seat == seat)
            turn.prepend(get(row));
    }
    return turn;
}

// Told inside the engine's move: the file is written at once, after the autosave, and the rows follow from the
// event loop. The player's view of each record is what is kept: the cards others drew are only counted.
void MoveJournal::recorded(const std::vector<Zavel::MoveRecord> &made)
{
    std::vector<Zavel::MoveRecord> records;
    for (const Zavel::MoveRecord &record : made)
        records.push_back(Zavel::seenBy(record, 0));
    m_file.setPath(filePath());
    const std::string state = m_engine->core().serializeState();
    if (records.front().kind == Zavel::MoveKind::Deal) {
        startGame(QString::fromLatin1(JournalFile::check(state)), records, true);
        m_file.start(m_gameId, records, state);
    } else if (records.front().kind == Zavel::MoveKind::Restore) {
        QString id;
        std::vector<Zavel::MoveRecord> kept;
        if (m_file.read(state, &id, &kept)) {
            const bool untouched = !anyAction(kept);
            // A restart with no move since the last says nothing new: the log keeps one restore line.
            const bool again = !kept.empty() && kept.back().kind == Zavel::MoveKind::Restore;
            if (!again) {
                kept.insert(kept.end(), records.begin(), records.end());
                m_file.append(records, state);
            }
            startGame(id, kept, untouched);
        } else {
            const Zavel::GameCore &core = m_engine->core();
            startGame(tableFingerprint(core), records, looksDealt(core));
            m_file.start(m_gameId, records, state);
        }
    } else {
        resume(records);
        m_file.append(records, state);
    }
}

void MoveJournal::startGame(const QString &gameId, std::vector<Zavel::MoveRecord> records, bool untouched)
{
    m_records = std::move(records);
    m_resetPending = true;
    m_show.start();
    if (gameId == m_gameId && untouched == m_untouched)
        return;
    m_gameId = gameId;
    m_untouched = untouched;
    emit gameChanged();
}

void MoveJournal::resume(const std::vector<Zavel::MoveRecord> &records)
{
    m_records.insert(m_records.end(), records.begin(), records.end());
    m_show.start();
    if (m_untouched && anyAction(records)) {
        m_untouched = false;
        emit gameChanged();
    }
}

// A new game empties the rows before its own come, so that whatever reads the last rows hears of the change
// even when the new game has as many rows as the old one.
void MoveJournal::showPending()
{
    if (m_resetPending && !m_rows.empty()) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
        emit countChanged();
    }
    m_resetPending = false;
    if (m_records.size() <= m_rows.size())
        return;
    beginInsertRows(QModelIndex(), count(), static_cast<int>(m_records.size()) - 1);
    m_rows.insert(m_rows.end(), m_records.begin() + count(), m_records.end());
    endInsertRows();
    emit countChanged();
    const QVariantList turn = lastTurn(0);
    if (turn == m_playerTurn)
        return;
    m_playerTurn = turn;
    emit playerTurnChanged();
}
