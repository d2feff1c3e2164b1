// The models beside the engine as the interface uses them: how the hand, the pile and the seats change (only
// where something really changed, so that views keep their items), and the move journal: its records reach the
// rows from the event loop, it comes back with the game it belongs to and only with it, and it names each game.
// Every engine here keeps its autosave in a folder of the test's own.

#include "gametext.h"
#include "handmodel.h"
#include "movejournal.h"
#include "pilemodel.h"
#include "savefiles.h"
#include "seatmodel.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

using namespace SaveFiles;

namespace {

// What a model says when it changes: "-a..b" rows removed, "+a..b" inserted, "a>b" moved, "a:role,role" data.
class ChangeLog : public QObject
{
public:
    explicit ChangeLog(QAbstractItemModel *model)
    {
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int a, int b) { add(QStringLiteral("-%1..%2").arg(a).arg(b)); });
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int a, int b) { add(QStringLiteral("+%1..%2").arg(a).arg(b)); });
        connect(model, &QAbstractItemModel::rowsMoved, this,
                [this](const QModelIndex &, int a, int, const QModelIndex &, int to) {
                    add(QStringLiteral("%1>%2").arg(a).arg(to));
                });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { add(QStringLiteral("reset")); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this, model](const QModelIndex &from, const QModelIndex &, const QVector<int> &roles) {
                    QStringList names;
                    for (int role : roles)
                        names << QString::fromLatin1(model->roleNames().value(role));
                    add(QStringLiteral("%1:%2").arg(from.row()).arg(names.join(',')));
                });
    }
    void add(const QString &line) { lines << line; }
    QString take() { return std::exchange(lines, QStringList()).join(' '); }

    QStringList lines;
};

// A model's rows by one role, and the hand's rows as "card@handIndex", "*" marking a playable card and "~" one
// still in the air.
QString column(const QAbstractItemModel &model, const QByteArray &role)
{
    QStringList out;
    const int key = model.roleNames().key(role);
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.index(row, 0).data(key).toString();
    return out.join(' ');
}

QString handRows(const HandModel &hand)
{
    QStringList out;
    for (int row = 0; row < hand.count(); ++row) {
        const QVariantMap m = hand.get(row);
        const Zavel::Card card{m["rank"].toInt(), m["suit"].toInt(), -1};
        out << QString::fromStdString(GameText::word(card)) + '@' + m["handIndex"].toString()
                + (m["playable"].toBool() ? "*" : "") + (m["arriving"].toBool() ? "~" : "");
    }
    return out.join(' ');
}

class Observer : public GameObserver
{
public:
    void recorded(const std::vector<Zavel::MoveRecord> &records) override
    {
        for (const Zavel::MoveRecord &record : records)
            lines << QString::fromStdString(Zavel::recordText(record));
    }
    QStringList lines;
};

// The saved game with its random engine one output further, as after a move the log did not get.
QByteArray aheadByOneRandomDraw(const QByteArray &saved)
{
    Zavel::GameCore core(2, 1);
    if (!core.restoreState(saved.toStdString()))
        return QByteArray();
    core.rng();
    return QByteArray::fromStdString(core.serializeState());
}

} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() { emptyFolder(m_home.path()); }

    void hand_data();
    void hand();
    void pileAndSeats();
    void newDeal();
    void shortNames_data();
    void shortNames();
    void recordsFollowTheAnimationRequest();
    void journalRows();
    void journalAcrossRestarts_data();
    void journalAcrossRestarts();

private:
    // An engine whose autosave is `words` (gametext.h), in the test's folder, started and settled.
    void start(GameEngine *engine, const QString &words)
    {
        engine->setSaveFilePath(autosave());
        engine->setAiPlayDelay(60000);
        engine->setAnimationsEnabled(false);
        if (!words.isEmpty())
            QVERIFY(writeGameTo(autosave(), words));
        engine->start();
        QVERIFY(waitUntil([&] { return engine->visualPhase() == GameEngine::Idle; }));
    }

    QString autosave() const { return m_home.filePath(QStringLiteral("autosave-v1.txt")); }

    QTemporaryDir m_home;
};

void TestModels::hand_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("rows");
    // The Ten of Acorns on the pile: the Eight of Acorns and the Upper fit.
    const QString game = "H KB 8A UH 9L H 8H 9H D TA";
    const auto row
        = [](const char *tag, const QString &words, const char *action, const char *changes, const char *rows) {
              QTest::newRow(tag) << words << QString(action) << QString(changes) << QString(rows);
          };
    // A card played from the middle: its row goes, the next ones take new hand indices.
    row("the second card leaves", game, "play 1", "-1..1 1:handIndex,playable 2:handIndex", "KB@0 UH@1 9L@2");
    // Sorting moves a row; no row is made anew.
    row("sorted, the same hand moves", game, "sort", "3>1", "KB@0 9L@3 8A@1* UH@2*");
    // A drawn card is a new row at the end.
    row("a draw comes at the end", "H KB 9L H 8H 9H D TA T 7H", "draw", "+2..2", "KB@0 9L@1 7H@2");
    // Paused, the playable marks change and nothing else.
    row("paused: the marks go", game, "pause", "1:playable 2:playable", "KB@0 8A@1 UH@2 9L@3");
    // A refresh that changes nothing tells nothing.
    row("nothing changed", game, "refresh", "", "KB@0 8A@1* UH@2* 9L@3");
    // A card told as arriving before its row comes is marked when it comes; a landing changes that row's mark alone.
    row("cards in the air", "H KB 9L H 8H 9H D TA T 7H", "arrive", "0:arriving +2..2 0:arriving", "KB@0 9L@1 7H@2~");
}

// The rows change where the hand changes and nowhere else: a card that stays keeps its row, a mark that changes
// is one dataChanged of its row and role.
void TestModels::hand()
{
    QFETCH(QString, game);
    QFETCH(QString, action);
    QFETCH(QString, changes);
    QFETCH(QString, rows);
    GameEngine engine;
    HandModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEngine(&engine);
    start(&engine, game);
    ChangeLog log(&model);
    if (action == "play 1") {
        engine.playCard(1);
    } else if (action == "sort") {
        model.setSorted(true);
    } else if (action == "draw") {
        engine.drawCard();
    } else if (action == "arrive") {
        model.setArriving({"0_13", "3_7"});
        engine.drawCard();
        model.arrived("0_13");
    } else if (action == "pause") {
        engine.setPaused(true);

    } else {
        engine.refreshInputState();
    }
    QCOMPARE(log.take(), changes);
    QCOMPARE(handRows(model), rows);
    if (action == "sort")
        QCOMPARE(QList<int>({model.positionOf(3), model.handIndexAt(1)}), QList<int>({1, 3}));
}

void TestModels::pileAndSeats()
{
    GameEngine engine;
    PileModel pile;
    SeatModel seats, opponents;
    QAbstractItemModelTester pileTester(&pile, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester seatTester(&seats, QAbstractItemModelTester::FailureReportingMode::QtTest);
    pile.setDepth(3);
    opponents.setFirstSeat(1);
    for (auto *model : std::initializer_list<QObject *>{&pile, &seats, &opponents})
        QVERIFY(model->setProperty("engine", QVariant::fromValue(&engine)));
    // Three players; the pile holds six cards, of which the model keeps three.
    start(&engine, "H 8H KB 9B H 8L 9L H 7A D 9A/1 TA/2 KA/0 7L/1 LL/2 8A/0");
    QCOMPARE(column(pile, "cardId"), QString("1_7 1_11 2_8"));
    QCOMPARE(pile.topCardId(), QString("2_8"));
    QCOMPARE(column(seats, "handCount") + " | " + column(opponents, "seat"), QString("3 2 1 | 1 2"));
    ChangeLog pileLog(&pile), seatLog(&seats);
    engine.playCard(0);
    QCOMPARE(pileLog.take() + " | " + pile.topCardId(), QString("0: 1>0 2>1 | 3_8"));
    QCOMPARE(seatLog.take(), QString("0:handCount,activeTurn 1:activeTurn"));
    engine.setName(2, "Cleo");
    QCOMPARE(seatLog.take() + " | " + opponents.name(2), QString("2:name,shortName | Cleo"));
    engine.newGame();
    QCOMPARE(column(seats, "handCount") + " | " + seats.name(0), QString("5 5 | Player"));
    QCOMPARE(QList<int>({pile.count(), opponents.count()}), QList<int>({1, 1}));
}

// A new deal, whatever it deals, gives the four rows of the old hand new cards (or keeps a card dealt again) and
// makes one row for the fifth card: no item is destroyed and made anew.
void TestModels::newDeal()
{
    GameEngine engine;
    HandModel hand;
    hand.setEngine(&engine);
    start(&engine, "H KB 8A UH 9L H 8H 9H D TA");
    ChangeLog log(&hand);
    engine.newGame();
    const QString changes = log.take();
    // One insertion of one row ("+a..a"), no removal.
    QVERIFY2(!changes.contains('-') && changes.count('+') == 1
                 && QRegularExpression("\\+(\\d+)\\.\\.\\1( |$)").match(changes).hasMatch(),
             qPrintable(changes));
    QCOMPARE(hand.count(), 5);
}

void TestModels::shortNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("short enough") << QStringList({"Player", "AI 1", "Kovács Ágnes"})
                                  << QStringList({"Player", "AI 1", "Kovács Ágnes"});
    QTest::newRow("cut where they differ")
        << QStringList({"Kovács Ágnes Mária", "Kovács Ádám István", "Alexandra Montgomery", "Alexandra Montague"})
        << QStringList({"Kovács Ágne…", "Kovács Ádám…", "Alexandra Montg…", "Alexandra Monta…"});
    QTest::newRow("no blank before the dots") << QStringList({"Bartholomew Kingsley", "Bartholomew Kingsley"})
                                              << QStringList({"Bartholomew…", "Bartholomew…"});
}

// Long names are cut on the table, each far enough to tell it from the others.
void TestModels::shortNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, shown);
    QCOMPARE(SeatModel::shortNames(names), shown);
}

// The observers hear of a move once it is saved and its animation requested, the computer's declaration with its
// play, and a new deal with its deal.
void TestModels::recordsFollowTheAnimationRequest()
{
    GameEngine engine;
    Observer observer;
    engine.addObserver(&observer);
    QStringList order;
    connect(&engine, &GameEngine::cardAnimationRequested, this, [&] { order << "card" + observer.lines.join(','); });
    start(&engine, "H 8B KB KH H 8A 9B D TA turn=1");
    engine.setAiPlayDelay(0);
    QVERIFY(waitUntil([&] { return engine.turnPlayer() == 0; }));
    QCOMPARE(order, QStringList("cardrestore -1 2 0 -1 0"));
    QCOMPARE(observer.lines.mid(1), QStringList({"declare 1 0 0 -1 0", "play 1 0 0 -1 1 2,8,1"}));
    engine.removeObserver(&observer);
    engine.newGame();
    QCOMPARE(observer.lines.size(), 3);
}

// The rows come from the event loop, never inside the engine's move; a new deal starts them anew.
void TestModels::journalRows()
{
    GameEngine engine;
    MoveJournal journal;
    QAbstractItemModelTester tester(&journal, QAbstractItemModelTester::FailureReportingMode::QtTest);
    journal.setEngine(&engine);
    start(&engine, "H 8H 9B KB H KL 9L D TH");
    QVERIFY(waitUntil([&] { return journal.count() == 1; }));
    ChangeLog log(&journal);
    engine.playCard(0);
    QCOMPARE(log.take(), QString());
    QVERIFY(waitUntil([&] { return journal.count() == 2; }));
    QCOMPARE(log.take(), QString("+1..1"));
    const QVariantMap played = journal.get(1);
    QCOMPARE(QVariantList({played["kind"], played["seat"], played["cards"]}),
             QVariantList({int(MoveJournal::Play), 0, QStringList("3_8")}));
    QCOMPARE(journal.playerTurn(), QVariantList({played}));
    QCOMPARE(journal.lastTurn(1), QVariantList());
    engine.newGame();
    QVERIFY(waitUntil([&] { return journal.get(0)["kind"] == MoveJournal::Deal; }));
    QCOMPARE(log.take(), QString("reset +0..0"));
    QCOMPARE(journal.playerTurn(), QVariantList());
}

void TestModels::journalAcrossRestarts_data()
{
    QTest::addColumn<QString>("damage"); // done to the files between the two runs
    QTest::addColumn<int>("rows"); // the journal's rows after the restart
    QTest::addColumn<bool>("sameGame"); // whether the game keeps its identity
    QTest::newRow("kept") << "" << 3 << true;
    QTest::newRow("restarted twice without a move: one restore") << "restart" << 3 << true;
    QTest::newRow("the log cut short") << "cut" << 1 << false;
    QTest::newRow("a line damaged") << "garbage" << 1 << false;
    QTest::newRow("the log of another game") << "other game" << 1 << false;
    QTest::newRow("the autosave a move ahead") << "move ahead" << 1 << false;
    QTest::newRow("no log") << "remove" << 1 << false;
}

// The journal comes back with its game after a restart, and only with its own: anything else leaves just the
// restore, and the game is then known by its table, as before there was a journal.
void TestModels::journalAcrossRestarts()
{
    QFETCH(QString, damage);
    QFETCH(int, rows);
    QFETCH(bool, sameGame);
    const QString log = m_home.filePath(QStringLiteral("moves-v1.txt"));
    QString firstId;
    {
        GameEngine engine;
        MoveJournal journal;
        journal.setEngine(&engine);
        start(&engine, "");
        firstId = journal.gameId();
        QVERIFY(journal.untouched());
        int playable = 0;
        while (playable < 5 && !engine.isPlayerCardPlayable(playable))
            ++playable;
        if (playable < 5)
            engine.playCard(playable);
        else
            engine.drawCard();
        QVERIFY(waitUntil([&] { return journal.count() == 2; }));
        QVERIFY(!journal.untouched());
        QCOMPARE(journal.filePath(), log);
    }
    QByteArray text = readFile(log);
    if (damage == "cut")
        text.chop(5);
    else if (damage == "garbage")
        text.replace("deal -1", "deal -7");
    else if (damage == "other game")
        QVERIFY(writeFile(autosave(), QByteArray::fromStdString(GameText::stateText("H 8H 9B H KL 9L 8L D TH"))));
    else if (damage == "move ahead")
        QVERIFY(writeFile(autosave(), aheadByOneRandomDraw(readFile(autosave()))));
    QVERIFY(damage == "remove" ? QFile::remove(log) : writeFile(log, text));
    if (damage == "restart") {
        GameEngine engine;
        MoveJournal journal;
        journal.setEngine(&engine);
        start(&engine, "");
        QVERIFY(waitUntil([&] { return journal.count() == 3; }));
    }

    GameEngine engine;
    MoveJournal journal;
    journal.setEngine(&engine);
    start(&engine, "");
    QVERIFY(waitUntil([&] { return journal.count() == rows; }));
    QCOMPARE(journal.get(rows - 1)["kind"].toInt(), int(MoveJournal::Restore));
    QCOMPARE(journal.gameId() == firstId, sameGame);
    QCOMPARE(journal.untouched(), false);
    if (!sameGame)
        QCOMPARE(journal.gameId().count('|'), engine.activePlayerCount() + 1);
}

QTEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
