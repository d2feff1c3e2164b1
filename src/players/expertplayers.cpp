#include "expertplayers.h"

#include <QRunnable>

namespace {

// One decision of the Expert on a thread of the pool, from its own copies; the answer goes back to the owner's
// thread by a queued call, which Qt drops if the owner has gone.
class Decision : public QRunnable
{
public:
    Decision(QObject *owner, quint64 token, Zavel::SeatView view, std::vector<Zavel::MoveRecord> history,
             Zavel::ExpertSettings settings)
        : m_owner(owner)
        , m_token(token)
        , m_view(std::move(view))
        , m_history(std::move(history))
        , m_settings(std::move(settings))
    { }

    void run() override
    {
        const Zavel::AiAction action = Zavel::expertAction(m_view, m_history, m_settings);
        QMetaObject::invokeMethod(m_owner, "deliver", Qt::QueuedConnection, Q_ARG(quint64, m_token),
                                  Q_ARG(int, static_cast<int>(action.type)), Q_ARG(int, action.handIndex),
                                  Q_ARG(int, action.choice));
    }

private:
    QObject *m_owner;
    quint64 m_token;
    Zavel::SeatView m_view;
    std::vector<Zavel::MoveRecord> m_history;
    Zavel::ExpertSettings m_settings;
};

QVariantMap hintOf(const Zavel::AiAction &action)
{
    static const char *const kinds[] = {"", "card", "draw", "accept", "suit", "rank"};
    const int type = static_cast<int>(action.type);
    if (type <= 0 || type > 5)
        return QVariantMap();
    return {{QStringLiteral("kind"), QString::fromLatin1(kinds[type])},
            {QStringLiteral("handIndex"), action.handIndex},
            {QStringLiteral("choice"), action.choice}};
}

} // namespace

ExpertPlayers::ExpertPlayers(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

ExpertPlayers::~ExpertPlayers()
{
    setEngine(nullptr);
    m_pool.waitForDone();
}

void ExpertPlayers::setEngine(GameEngine *engine)
{
    if (engine == m_engine)
        return;
    if (m_engine) {
        for (int seat = 1; seat <= 3; ++seat)
            m_engine->setSeatChooser(seat, nullptr);
        disconnect(m_engine, nullptr, this, nullptr);
    }
    m_engine = engine;
    if (engine)
        connect(engine, &GameEngine::stateChanged, this, &ExpertPlayers::clearHint);
    applyLevels();
    emit engineChanged();
}

void ExpertPlayers::setJournal(MoveJournal *journal)
{
    if (journal == m_journal)
        return;
    m_journal = journal;
    emit journalChanged();
}

void ExpertPlayers::setLevels(const QVariantList &levels)
{
    if (levels == m_levels)
        return;
    m_levels = levels;
    applyLevels();
    emit levelsChanged();
}

std::vector<int> ExpertPlayers::tableLevels() const
{
    std::vector<int> levels{Zavel::UnknownLevel};
    for (int seat = 1; seat <= 3; ++seat)
        levels.push_back(m_levels.value(seat, QVariant(1)).toInt());
    return levels;
}

void ExpertPlayers::applyLevels()
{
    if (!m_engine)
        return;
    const std::vector<int> levels = tableLevels();
    for (int seat = 1; seat <= 3; ++seat)
        m_engine->setSeatChooser(seat, levels[static_cast<std::size_t>(seat)] == Zavel::ExpertLevel ? this : nullptr);
}

// The public history of the game as the journal keeps it. A restore is left out where the journal goes back to
// the deal, so that a restored game decides as the one that went on; a journal that begins with the restore is
// all there is of the game's history. A declaration the seat is about to make comes last.
std::vector<Zavel::MoveRecord> ExpertPlayers::history(int seat, bool declaring) const
{
    std::vector<Zavel::MoveRecord> kept;
    if (m_journal) {
        for (const Zavel::MoveRecord &record : m_journal->records()) {
            if (record.kind != Zavel::MoveKind::Restore || kept.empty())
                kept.push_back(Zavel::seenBy(record, -1));
        }
    }
    if (declaring)
        kept.push_back(Zavel::declarationRecord(seat));
    return kept;
}

void ExpertPlayers::think(Thought *thought, const Zavel::GameCore &game, int seat, bool declaring)
{
    thought->token = m_nextToken++;
    thought->game = game.serializeState();
    thought->ready = false;
    m_pool.start(new Decision(this, thought->token, Zavel::seatView(game, seat, tableLevels()),
                              history(seat, declaring), m_settings));
}

// The game the engine gives is the one the seat will move in: a declaration it holds that the journal has not
// heard of yet is the one the seat makes at the start of its move.
void ExpertPlayers::prepare(const Zavel::GameCore &game, int seat)
{
    const std::vector<Zavel::MoveRecord> *told = m_journal ? &m_journal->records() : nullptr;
    const bool toldAlready
        = told && !told->empty() && told->back().kind == Zavel::MoveKind::Declaration && told->back().seat == seat;
    think(&m_move, game, seat, game.zavelDeclared(seat) && !toldAlready);
}

bool ExpertPlayers::answer(const Zavel::GameCore &game, int seat, Zavel::AiAction *action)
{
    if (m_move.game != game.serializeState()) {
        prepare(game, seat);
        return false;
    }
    if (!m_move.ready)
        return false;
    *action = m_move.action;
    return true;
}

void ExpertPlayers::deliver(quint64 token, int type, int handIndex, int choice)
{
    const Zavel::AiAction action{static_cast<Zavel::AiActionType>(type), handIndex, choice};
    if (token == m_move.token) {
        m_move.ready = true;
        m_move.action = action;
        if (m_engine)
            m_engine->seatChooserReady();
        return;
    }
    if (token != m_hintThought.token || !m_engine || m_hintThought.game != m_engine->core().serializeState())
        return;
    m_hintThought.ready = true;
    m_hintThought.action = action;
    m_hint = hintOf(action);
    emit hintChanged();
}

void ExpertPlayers::askHint()
{
    if (!m_engine || !m_engine->playerInputEnabled())
        return;
    if (m_engine->canDeclareZavel()) {
        m_hint = {{QStringLiteral("kind"), QStringLiteral("zavel")}};
        emit hintChanged();
        return;
    }
    const Zavel::GameCore &game = m_engine->core();
    if (m_hintThought.game == game.serializeState()) {
        if (m_hintThought.ready && m_hint.isEmpty()) {
            m_hint = hintOf(m_hintThought.action);
            emit hintChanged();
        }
        return;
    }
    think(&m_hintThought, game, 0, false);
}

void ExpertPlayers::clearHint()
{
    if (m_hint.isEmpty())
        return;
    m_hint.clear();
    emit hintChanged();
}
