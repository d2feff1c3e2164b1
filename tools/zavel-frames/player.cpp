#include "player.h"

#include "actionclock.h"
#include "clock.h"
#include "gameengine.h"

#include <QCoreApplication>
#include <QVariantMap>

#include <cstdio>

namespace {

constexpr qint64 stallNs = 20LL * 1000 * 1000 * 1000;

int firstCardValue(const QVariantList &hand, const char *key, int fallback)
{
    return hand.isEmpty() ? fallback : hand.first().toMap().value(QLatin1String(key)).toInt();
}

} // namespace

Player::Player(GameEngine *engine, ActionClock *actions, int games, int extraDeals, int delayMs)
    : m_engine(engine)
    , m_actions(actions)
    , m_games(games)
    , m_extraDeals(extraDeals)
{
    m_thinkTimer.setSingleShot(true);
    m_thinkTimer.setInterval(delayMs);
    m_actTimer.setSingleShot(true);
    m_actTimer.setInterval(0);
    m_watch.setInterval(1000);
    connect(&m_thinkTimer, &QTimer::timeout, this, &Player::think);
    connect(&m_actTimer, &QTimer::timeout, this, &Player::act);
    connect(&m_watch, &QTimer::timeout, this, &Player::checkProgress);
    connect(engine, &GameEngine::stateChanged, this, &Player::engineChanged);
    connect(engine, &GameEngine::visualPhaseChanged, this, &Player::engineChanged);
}

void Player::start(const std::function<void()> &beforeFirstGame)
{
    if (m_started)
        return;
    m_started = true;
    m_engine->setPlayerCount(4);
    m_engine->setAnimationsEnabled(true);
    m_engine->setAiPlayDelay(m_thinkTimer.interval());
    beforeFirstGame();
    m_lastChangeNs = nowNs();
    m_watch.start();
    // The table is brought to four seats by a deal of its own, untimed: the seats that the start left out are made
    // then, once, as when a player changes the number of players. Every timed deal is one at an unchanged table.
    m_dealsLeft = m_extraDeals + 1;
    m_actions->runUntimed([this] { m_engine->newGame(); });
}

void Player::engineChanged()
{
    m_lastChangeNs = nowNs();
    if (m_started && !m_thinkTimer.isActive() && readyToAct())
        m_thinkTimer.start();
}

bool Player::readyToAct() const
{
    return m_engine->visualPhase() == GameEngine::Idle && !m_engine->paused()
        && (m_engine->winnerPlayer() >= 0 || m_engine->playerInputEnabled());
}

void Player::think()
{
    if (!readyToAct())
        return;
    if (m_engine->winnerPlayer() >= 0) {
        ++m_gamesPlayed;
        std::fprintf(stderr, "zavel-frames: game %d of %d won by seat %d\n", m_gamesPlayed, m_games,
                     m_engine->winnerPlayer());
        if (m_gamesPlayed >= m_games) {
            finish(QString());
            return;
        }
        m_dealsLeft = m_extraDeals;
        m_actions->timeOwn(ActionKind::NewGame, [this] { m_engine->newGame(); });
        return;
    }
    if (m_dealsLeft > 0) {
        --m_dealsLeft;
        m_actions->timeOwn(ActionKind::NewGame, [this] { m_engine->newGame(); });
        return;
    }
    // A save of the same state, timed alone while nothing animates; the move follows on the next pass.
    const qint64 begin = nowNs();
    m_engine->persistGame();
    m_saveTimes.add(nsToMs(nowNs() - begin));
    m_actTimer.start();
}

void Player::act()
{
    if (!readyToAct() || m_engine->winnerPlayer() >= 0)
        return;
    GameEngine *engine = m_engine;
    const QVariantList hand = engine->playerHand();
    ++m_moves;
    if (engine->needsSuitChoice()) {
        const int suit = firstCardValue(hand, "suit", 0);
        m_actions->timeOwn(ActionKind::OwnMove, [engine, suit] { engine->chooseSuit(suit); });
    } else if (engine->needsRankChoice()) {
        const int rank = firstCardValue(hand, "rank", 7);
        m_actions->timeOwn(ActionKind::OwnMove, [engine, rank] { engine->chooseRank(rank); });
    } else if (engine->canDeclareZavel()) {
        m_actions->timeOwn(ActionKind::OwnMove, [engine] { engine->declareZavel(); });
    } else {
        for (int i = 0; i < hand.size(); ++i) {
            if (engine->isPlayerCardPlayable(i)) {
                m_actions->timeOwn(ActionKind::OwnMove, [engine, i] { engine->playCard(i); });
                return;
            }
        }
        if (engine->canAcceptPenalty())
            m_actions->timeOwn(ActionKind::OwnMove, [engine] { engine->acceptPenalty(); });
        else if (engine->canDraw())
            m_actions->timeOwn(ActionKind::OwnMove, [engine] { engine->drawCard(); });
        else
            --m_moves; // Nothing to do: the watch reports the stall.
    }
}

void Player::checkProgress()
{
    if (nowNs() - m_lastChangeNs <= stallNs)
        return;
    finish(QStringLiteral("the game stalled: no change of state for 20 s (game %1, seat %2 on turn, phase %3, "
                          "input %4)")
               .arg(m_gamesPlayed + 1)
               .arg(m_engine->turnPlayer())
               .arg(m_engine->visualPhase())
               .arg(m_engine->playerInputEnabled() ? QStringLiteral("open") : QStringLiteral("closed")));
}

void Player::finish(const QString &failure)
{
    m_failure = failure;
    m_watch.stop();
    m_thinkTimer.stop();
    m_actTimer.stop();
    QCoreApplication::exit(failure.isEmpty() ? 0 : 1);
}
