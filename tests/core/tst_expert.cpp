// The Expert: that it decides from its seat's view and the public history alone, the same way every time and
// without touching the game, that it answers every situation with an action the rules take, that its guesses of
// the hidden hands follow the game's own bookkeeping and levels, and that it beats Hard.

#include "expert.h"
#include "levelmodel.h"
#include "scripted.h"
#include "seattrails.h"
#include "selfplay.h"

#include <QtTest>

#include <thread>

using namespace Scripted;

namespace {

// A seat's position in a game between computer seats: the game, the records of all of it, and the levels shown.
struct Position
{
    GameCore core{2, 1};
    std::vector<MoveRecord> records;
    std::vector<int> levels;
};

// A small budget, and no time limit, so that a slow build decides alike: what is tested holds for any budget, and
// the file must stay fast under the sanitizers.
ExpertSettings quick(int playouts = 120)
{
    ExpertSettings settings;
    settings.playouts = playouts;
    settings.timeLimit = NoTimeLimit;
    return settings;
}

AiAction decide(const Position &p, const std::vector<MoveRecord> &history, int playouts = 120)
{
    return expertAction(seatView(p.core, p.core.currentPlayer, p.levels), history, quick(playouts));
}

QString describe(const AiAction &action)
{
    static const char *const names[] = {"none", "play", "draw", "accept", "suit", "rank"};
    return QString("%1 %2 %3").arg(names[int(action.type)]).arg(action.handIndex).arg(action.choice);
}

// Every position of seeded games among the levels 0 to 3, taken every few actions, while nobody has won.
std::vector<Position> positions(int players, unsigned firstSeed, int games, int every)
{
    std::vector<Position> out;
    for (unsigned seed = firstSeed; seed < firstSeed + unsigned(games); ++seed) {
        Position p;
        p.core = GameCore(players, seed);
        p.records = {dealRecord(p.core)};
        p.levels = {3, 2, 1, 0};
        p.levels.resize(std::size_t(players));
        SelfPlaySetup setup;
        setup.levels = p.levels;
        setup.records = &p.records;
        setup.maxActions = 1;
        for (int action = 0; p.core.winner < 0 && action < 400; ++action) {
            if (action % every == every - 1)
                out.push_back(p);
            playSelf(p.core, setup);
        }
    }
    return out;
}

// The game with the cards `seat` cannot see dealt again at random, each hand and the talon keeping its size, and
// the random engine given other words.
GameCore dealtAgain(const GameCore &core, int seat, std::mt19937 &pick)
{
    GameCore other = core;
    std::vector<Card> hidden = other.talon;
    for (int s = 0; s < other.playerCount; ++s) {
        if (s != seat)
            hidden.insert(hidden.end(), other.hands[std::size_t(s)].begin(), other.hands[std::size_t(s)].end());
    }
    std::shuffle(hidden.begin(), hidden.end(), pick);
    auto next = hidden.begin();
    for (int s = 0; s < other.playerCount; ++s) {
        if (s == seat)
            continue;
        std::vector<Card> &hand = other.hands[std::size_t(s)];
        std::copy(next, next + std::ptrdiff_t(hand.size()), hand.begin());
        next += std::ptrdiff_t(hand.size());
    }
    std::copy(next, hidden.end(), other.talon.begin());
    other.rng.seed(pick());
    return other;
}

// The history with every drawn card that `seat` did not draw named as some other card.
std::vector<MoveRecord> drawnCardsChanged(std::vector<MoveRecord> records, int seat, std::mt19937 &pick)
{
    const std::vector<Card> deck = buildDeck();
    for (MoveRecord &record : records) {
        const bool drawn = drawsCards(record.kind);
        for (Card &card : record.cards) {
            if (drawn && record.seat != seat)
                card = deck[pick() % deck.size()];
        }
    }
    return records;
}

bool legal(const GameCore &core, int seat, const AiAction &action)
{
    GameCore copy = core;
    return copy.applyAction(seat, action).ok;
}

} // namespace

class TestExpert : public QObject
{
    Q_OBJECT

private slots:
    void honesty_data()
    {
        QTest::addColumn<int>("players");
        QTest::newRow("two players") << 2;
        QTest::newRow("three players") << 3;
        QTest::newRow("four players") << 4;
    }

    // Whatever lies in the cards the seat cannot see, in the game's random engine, and in the drawn cards the
    // records name, the decision is the same; and it is the same for the history as the simulator keeps it and as
    // the person's move log does, and in any order of calls on another thread.
    void honesty()
    {
        QFETCH(int, players);
        std::mt19937 pick(static_cast<unsigned>(players));
        const std::vector<Position> all = positions(players, 100, 6, 5);
        QVERIFY(all.size() >= 20);
        std::vector<AiAction> decided(all.size()), threaded(all.size());
        std::thread worker([&] {
            for (std::size_t i = all.size(); i-- > 0;)
                threaded[i] = decide(all[i], all[i].records);
        });
        for (std::size_t i = 0; i < all.size(); ++i)
            decided[i] = decide(all[i], all[i].records);
        worker.join();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Position &p = all[i];
            const int seat = p.core.currentPlayer;
            QVERIFY(legal(p.core, seat, decided[i]));
            QCOMPARE(describe(threaded[i]), describe(decided[i]));
            std::vector<MoveRecord> logged; // as seat 0's move log keeps them
            for (const MoveRecord &record : p.records)
                logged.push_back(seenBy(record, 0));
            QCOMPARE(describe(decide(p, logged)), describe(decided[i]));
            for (int variant = 0; variant < 3; ++variant) {
                Position other = p;
                other.core = dealtAgain(p.core, seat, pick);
                other.records = drawnCardsChanged(p.records, seat, pick);
                QCOMPARE(describe(decide(other, other.records)), describe(decided[i]));
            }
        }
    }

    void situations_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("allowed"); // the kinds of action that fit the situation
        QTest::addColumn<int>("actions"); // how many actions the rules allow
        const auto row = [](const char *tag, const char *words, const char *allowed, int actions) {
            QTest::newRow(tag) << QString(words) << QString(allowed) << actions;
        };
        row("free turn", "H 8B KB 9H AL H 8H 9L 7A D TB", "play", 2);
        row("nothing fits", "H 8L KL 9H H 8H 9L 7A D TB", "draw", 1);
        row("draw penalty, no Seven", "H 8B KB 9H H 8H 9L D 7B/1 draw=2", "accept", 1);
        row("draw penalty with a Seven", "H 8B 7L 9H H 8H 9L D 7B/1 draw=2", "play accept", 2);
        row("skip, no Ace", "H 8B KB 9H H 8H 9L D AB/1 skip", "accept", 1);
        row("skip with an Ace", "H 8B AH 9H H 8H 9L D AB/1 skip", "play accept", 2);
        row("suit request standing", "H 8B KB 9H UL H 8H 9L D UA/1 suit=3", "play", 2);
        row("suit request, nothing fits", "H 8B KB 9A H 8H 9L D UA/1 suit=3", "draw", 1);
        row("rank request standing", "H 8B KB 9H LL H 8H 9L D LA/1 rank=9", "play", 2);
        row("suit choice owed", "H 8B KB 9H H 8H 9L D UA/0 choice=1", "suit", 4);
        row("rank choice owed", "H 8B KB 9H H 8H 9L D LA/0 choice=2", "rank", 8);
        row("three seats, penalty grown", "H 7B 7L 9H H 8H 9L H KA UB D 7A/1 7H/2 draw=4", "play accept", 3);
        row("another seat's turn", "H 8B KB 9H H 8H 9L D TB turn=1", "none", 0);
        row("another seat's choice", "H 8B KB 9H H 8H 9L D UB/1 turn=1 choice=1", "none", 0);
        row("game over", "H 8B KB 9H H D TB 9B/1 win=1", "none", 0);
    }

    // Seat 0 weighs exactly the actions the rules allow it and answers with one of them, of a kind that fits the
    // situation, or with None when it has nothing to do.
    void situations()
    {
        QFETCH(QString, words);
        QFETCH(QString, allowed);
        QFETCH(int, actions);
        const GameCore core = game(words.toStdString());
        QVERIFY(core.validate());
        const std::vector<int> levels(std::size_t(core.playerCount), 3);
        ExpertReport report;
        const AiAction action = expertAction(seatView(core, 0, levels), {}, quick(), &report);
        const QString kind = describe(action).section(' ', 0, 0);
        QVERIFY2(allowed.split(' ').contains(kind), qPrintable(describe(action)));
        QVERIFY(action.type == AiActionType::None || legal(core, 0, action));
        QCOMPARE(report.candidates, actions);
    }

    void timeLimit_data()
    {
        QTest::addColumn<int>("limit"); // in clock steps
        QTest::addColumn<int>("deals"); // the guesses played out before the limit; -1: the budget ends the search
        QTest::newRow("past at the first look") << 0 << 0;
        QTest::newRow("one step") << 1 << 0;
        QTest::newRow("five steps") << 5 << 4;
        QTest::newRow("beyond the budget") << 100000 << -1;
    }

    // A clock that moves one millisecond each time it is read: the search stops at the limit, or within the budget,
    // and still answers with an action the rules take.
    void timeLimit()
    {
        QFETCH(int, limit);
        QFETCH(int, deals);
        const GameCore core = game("H 8B KB 9H TL UB H 8H 9L 7A H KH KL D TB");
        std::chrono::steady_clock::time_point now;
        ExpertSettings settings = quick(300);
        settings.timeLimit = std::chrono::milliseconds(limit);
        settings.clock = [&now] {
            return now += std::chrono::milliseconds(1);
        };
        ExpertReport report;
        const AiAction action = expertAction(seatView(core, 0, {3, 3, 3}), {}, settings, &report);
        QVERIFY(legal(core, 0, action));
        QCOMPARE(report.candidates, 4);
        QCOMPARE(report.outOfTime, deals >= 0);
        if (deals >= 0)
            QCOMPARE(report.deals, deals);
        else
            QVERIFY(report.playouts <= 300 && report.playouts > 250);
    }

    // The history the hands are guessed from agrees with the game: after a reshuffle, how many of each seat's
    // cards came from it and that the talon holds only such cards; and every step that is weighed gets a weight
    // above zero for the hand the seat really held, under its real level. Games are followed from their deal and
    // from a restore in their middle.
    void trailsAgreeWithTheGame()
    {
        int reshuffles = 0;
        int weighed = 0;
        for (unsigned seed = 1; seed <= 45; ++seed) {
            const int players = 2 + int(seed % 3);
            GameCore core(players, seed);
            std::vector<MoveRecord> records{dealRecord(core)};
            const std::size_t restoredAt = 10 + seed % 20;
            std::vector<MoveRecord> restored;
            SelfPlaySetup setup;
            setup.levels = {3, 2, 1, 0};
            setup.levels.resize(std::size_t(players));
            setup.forgetful = {seed % 4 == 0, false, false, false};
            setup.records = &records;
            setup.maxActions = 1;
            std::vector<std::vector<std::vector<Card>>> held(static_cast<std::size_t>(players)); // per step of a seat
            for (std::size_t action = 0; core.winner < 0; ++action) {
                if (action == restoredAt)
                    restored = {restoreRecord(core)};
                const std::size_t recorded = records.size();
                const int seat = core.currentPlayer;
                const std::vector<Card> hand = core.hand(seat);
                playSelf(core, setup);
                for (std::size_t i = recorded; i < records.size(); ++i) {
                    if (isAction(records[i].kind) || records[i].kind == MoveKind::ForgottenDeclaration)
                        held[std::size_t(records[i].seat)].push_back(hand);
                }
                if (!restored.empty())
                    restored.insert(restored.end(), records.begin() + std::ptrdiff_t(recorded), records.end());
                for (const auto *history : {&records, &restored}) {
                    const Trails trails = seatTrails(seatView(core, core.currentPlayer, setup.levels), *history);
                    QVERIFY2(
                        history->empty() || !trails.seats[std::size_t(seat)].empty(),
                        qPrintable(
                            QString("seed %1 action %2 restored %3").arg(seed).arg(action).arg(history == &restored)));
                    if (!trails.reshuffleKnown)
                        continue;
                    ++reshuffles;
                    for (int s = 0; s < players; ++s) {
                        int fromReshuffle = 0;
                        for (const Card &card : core.hand(s))
                            fromReshuffle += (trails.reshuffled & cardBit(card)) != 0;
                        QCOMPARE(fromReshuffle, trails.heldFromReshuffle[std::size_t(s)]);
                    }
                    for (const Card &card : core.talon)
                        QVERIFY((trails.reshuffled & cardBit(card)) != 0);
                }
            }
            // The whole game from the deal: step k of a seat was taken holding held[seat][k] (a request: after
            // the Upper or Lower left the hand, which is the hand on turn then as well).
            const Trails trails = seatTrails(seatView(core, 0, setup.levels), records);
            LevelModel model(players);
            for (int s = 0; s < players; ++s) {
                const std::vector<TrailStep> &trail = trails.seats[std::size_t(s)];
                QCOMPARE(trail.size(), held[std::size_t(s)].size());
                for (std::size_t k = 0; k < trail.size(); ++k) {
                    const std::vector<Card> &hand = held[std::size_t(s)][k];
                    if (!trail[k].judged)
                        continue;
                    ++weighed;
                    QVERIFY2(model.likelihood(s, setup.levels[std::size_t(s)], trail[k], hand.data(), int(hand.size()))
                                 > 0,
                             qPrintable(QString("seed %1 seat %2 step %3").arg(seed).arg(s).arg(k)));
                }
            }
        }
        QVERIFY(reshuffles > 100);
        QVERIFY(weighed > 1000);
    }

    void historyNotOfTheView_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("a record missing") << "drop";
        QTest::newRow("a play of another card") << "card";
        QTest::newRow("another game's history") << "game";
        QTest::newRow("a seat beyond the table") << "seat";
    }

    // A history that cannot lead to the view is not used: every trail is empty, and the decision is still taken.
    void historyNotOfTheView()
    {
        QFETCH(QString, change);
        const std::vector<Position> all = positions(3, 7, 1, 23);
        QVERIFY(!all.empty());
        const Position &p = all.front();
        std::vector<MoveRecord> history = p.records;
        const auto isPlay = [](const MoveRecord &r) {
            return r.kind == MoveKind::Play;
        };
        const auto firstPlay = std::find_if(history.begin(), history.end(), isPlay);
        const auto lastPlay = std::find_if(history.rbegin(), history.rend(), isPlay);
        if (change == "drop") {
            history.erase(firstPlay);
        } else if (change == "card") {
            Card &card = lastPlay->cards.front();
            card.rank = card.rank == Ace ? Seven : card.rank + 1;
        } else if (change == "game") {
            history = positions(3, 8, 1, 23).front().records;
        } else {
            lastPlay->seat = 3;
        }
        QVERIFY(!seatTrails(seatView(p.core, p.core.currentPlayer, p.levels), p.records).seats[0].empty());
        const Trails trails = seatTrails(seatView(p.core, p.core.currentPlayer, p.levels), history);
        for (const std::vector<TrailStep> &trail : trails.seats)
            QVERIFY(trail.empty());
        QVERIFY(legal(p.core, p.core.currentPlayer, decide(p, history)));
    }

    // Against Hard in two-player games, seats alternating, the Expert at a small budget wins far more than half
    // the games; a player choosing at random among the same actions wins about two in five. Each move the self-play
    // driver makes for the Expert is exactly expertAction's action applied: nothing else in the game moves, its
    // random engine included.
    void beatsHard()
    {
        int wins = 0;
        const int games = 200;
        for (int g = 0; g < games; ++g) {
            GameCore core(2, unsigned(5000 + g));
            std::vector<MoveRecord> records{dealRecord(core)};
            SelfPlaySetup setup;
            setup.levels = g % 2 ? std::vector<int>{3, ExpertLevel} : std::vector<int>{ExpertLevel, 3};
            setup.expert = quick(60);
            setup.records = &records;
            setup.maxActions = 1;
            while (core.winner < 0) {
                const int seat = core.currentPlayer;
                GameCore twin = core;
                const bool expert = setup.levels[std::size_t(seat)] == ExpertLevel;
                if (expert) {
                    // The driver records a declaration before it asks.
                    std::vector<MoveRecord> history = records;
                    if (twin.declareZavelIfDue(seat))
                        history.push_back(declarationRecord(seat));
                    const AiAction action = expertAction(seatView(twin, seat, setup.levels), history, setup.expert);
                    QVERIFY(twin.applyAction(seat, action).ok);
                }
                QCOMPARE(playSelf(core, setup).actions, 1);
                if (expert)
                    QCOMPARE(bytes(core.serializeState()), bytes(twin.serializeState()));
            }
            wins += core.winner == (g % 2 ? 1 : 0);
        }
        QVERIFY2(wins >= 120, qPrintable(QString("%1 of %2").arg(wins).arg(games)));
    }
};

QTEST_GUILESS_MAIN(TestExpert)
#include "tst_expert.moc"
