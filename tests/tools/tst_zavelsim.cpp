// zavel-sim as testers use it: reference outputs byte for byte, its verdicts on saved texts, the Expert's advice,
// and the way it refuses bad arguments.

#include "gamecore.h"
#include "gametext.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runSim(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(ZAVEL_SIM_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "deal-p3-s2" and "play-p3-s13-l2,3,3-f0" name the arguments that produced them.
QStringList argsFromName(const QString &name)
{
    static const QMap<QChar, QString> options{
        {'p', "--players"}, {'s', "--seed"}, {'l', "--levels"}, {'f', "--forgetful"}};
    const QStringList parts = name.split(QLatin1Char('-'));
    QStringList args{parts[0]};
    for (const QString &part : parts.mid(1))
        args << options.value(part[0]) << part.mid(1);
    if (args.front() == QLatin1String("play"))
        args << QStringLiteral("--trace");
    return args;
}

} // namespace

class TestZavelSim : public QObject
{
    Q_OBJECT

private slots:
    void referenceOutputs_data();
    void referenceOutputs();
    void badArguments_data();
    void badArguments();
    void check_data();
    void check();
    void actionCap();
    void tournamentTable();
    void advise_data();
    void advise();
    void expertGames();
};

void TestZavelSim::referenceOutputs_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(QStringLiteral(ZAVEL_VECTORS_DIR)).entryList({"*.txt"}, QDir::Files);
    QVERIFY(files.size() >= 12);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file.chopped(4);
}

void TestZavelSim::referenceOutputs()
{
    QFETCH(QString, name);
    const QDir dir(QStringLiteral(ZAVEL_VECTORS_DIR));
    const Run run = runSim(argsFromName(name));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, readAll(dir.filePath(name + ".txt")));
    QCOMPARE(run.err, readAll(dir.filePath(name + ".trace")));
}

// Each is refused before anything runs: one line saying why, the usage, status 2.
void TestZavelSim::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    const QStringList deal{"deal", "--players", "2", "--seed", "1"};
    const QStringList play{"play", "--players", "2", "--seed", "1", "--levels", "1,1"};
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown subcommand") << QStringList{"shuffle"};
    QTest::newRow("missing option") << QStringList{"deal", "--seed", "1"};
    QTest::newRow("out of range") << QStringList{"deal", "--players", "5", "--seed", "1"};
    QTest::newRow("not a number") << QStringList{"deal", "--players", "2", "--seed", "-1"};
    QTest::newRow("seed beyond 32 bits") << QStringList{"deal", "--players", "2", "--seed", "4294967296"};
    QTest::newRow("value missing") << QStringList{"deal", "--players", "2", "--seed"};
    QTest::newRow("unknown option") << deal + QStringList{"--fast"};
    QTest::newRow("repeated option") << deal + QStringList{"--players", "3"};
    QTest::newRow("stray argument") << deal + QStringList{"extra"};
    QTest::newRow("levels short") << QStringList{"play", "--players", "3", "--seed", "1", "--levels", "1,2"};
    QTest::newRow("forgetful seat beyond table") << play + QStringList{"--forgetful", "2"};
    QTest::newRow("flag with value") << play + QStringList{"--trace=yes"};
    QTest::newRow("check with two files") << QStringList{"check", "a", "b"};
    QTest::newRow("advise without a seat") << QStringList{"advise"};
    QTest::newRow("level beyond the Expert") << QStringList{"play", "--players", "2", "--seed", "1", "--levels", "4,5"};
    QTest::newRow("no play-outs") << play + QStringList{"--playouts", "0"};
}

void TestZavelSim::badArguments()
{
    QFETCH(QStringList, args);
    const Run run = runSim(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    const QList<QByteArray> lines = run.err.split('\n');
    QVERIFY2(lines.front().startsWith("zavel-sim: ") && lines.front().size() > 20, lines.front());
    QVERIFY(lines.value(1).startsWith("usage: zavel-sim"));
}

void TestZavelSim::check_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("verdict");

    const QByteArray good = QByteArray::fromStdString(Zavel::GameCore(3, 7).serializeState());
    const QByteArray scalars = "\n3 0 -1 -1 -1 0 0 0 -1\n";
    Zavel::GameCore missingCard(3, 7);
    missingCard.talon.erase(missingCard.talon.begin());

    QTest::newRow("fresh deal") << good << 0 << QByteArray("ok\n");
    QTest::newRow("empty file") << QByteArray() << 1 << QByteArray("unreadable\n");
    QTest::newRow("carriage returns") << QByteArray(good).replace("\n", "\r\n") << 1 << QByteArray("unreadable\n");
    QTest::newRow("skip value 2") << QByteArray(good).replace(scalars, "\n3 0 -1 -1 -1 0 2 0 -1\n") << 1
                                  << QByteArray("unreadable\n");
    QTest::newRow("odd draw penalty") << QByteArray(good).replace(scalars, "\n3 0 -1 -1 -1 3 0 0 -1\n") << 1
                                      << QByteArray("invalid draw penalty\n");
    QTest::newRow("31 cards") << QByteArray::fromStdString(missingCard.serializeState()) << 1
                              << QByteArray("card total is not 32\n");
    QTest::newRow("no header") << good.mid(good.indexOf('\n') + 1) << 1 << QByteArray("unreadable\n");
    QTest::newRow("turn beyond the table")
        << QByteArray(good).replace(scalars, "\n3 5 -1 -1 -1 0 0 0 -1\n") << 1 << QByteArray("invalid turn\n");
    QTest::newRow("no such file") << QByteArray("absent") << 2 << QByteArray("No such file or directory");
    QTest::newRow("a directory") << QByteArray("directory") << 2 << QByteArray("Is a directory");
}

// The last two rows name a path that cannot be read; the verdict is then the reason on stderr.
void TestZavelSim::check()
{
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(QByteArray, verdict);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("state.txt"));
    if (status == 2) {
        path = dir.filePath(QString::fromLatin1(text));
        if (text == "directory")
            QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }

    const Run run = runSim({QStringLiteral("check"), path});
    QCOMPARE(run.status, status);
    if (status == 2) {
        QCOMPARE(run.err, "zavel-sim: cannot read " + path.toUtf8() + ": " + verdict + "\n");
        return;
    }
    QCOMPARE(run.out, verdict);
    // advise refuses what check refuses, in check's words and with its status.
    const Run advised = runSim({"advise", "--seat", "0"}, text);
    QCOMPARE(QList<QByteArray>({QByteArray::number(advised.status), advised.out, advised.err}),
             QList<QByteArray>({QByteArray::number(run.status), status ? run.out : advised.out, run.err}));
}

void TestZavelSim::actionCap()
{
    const Run run
        = runSim({"play", "--players", "4", "--seed", "5", "--levels", "3,3,3,3", "--max-actions", "7", "--trace"});
    QCOMPARE(run.status, 0);
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    QCOMPARE(lines.back(), QByteArray("end winner -1 actions 7"));
    QCOMPARE(lines.size() - 1 - run.err.count(" declare"), 7);
    Zavel::GameCore core(2, 1);
    QVERIFY(core.restoreState(run.out.toStdString()));
}

// With the levels rotated, both tables account for every game.
void TestZavelSim::tournamentTable()
{
    const Run run
        = runSim({"tournament", "--players", "3", "--levels", "0,1,3", "--games", "50", "--seed", "9", "--rotate"});
    QCOMPARE(run.status, 0);
    const QString table = QString::fromUtf8(run.out);
    QVERIFY(table.startsWith(QLatin1String("50 games, 3 players, seeds 9 to 58")));
    QVERIFY(table.contains(QLatin1String("stopped by the action cap: 0")));
    for (const QString label : {"seat", "level"}) {
        const QRegularExpression row("^" + label + " +\\d +(\\S+) +(\\d+) ", QRegularExpression::MultilineOption);
        int wins = 0;
        int rows = 0;
        for (auto it = row.globalMatch(table); it.hasNext(); ++rows)
            wins += it.next().captured(2).toInt();
        QCOMPARE(rows, 3);
        QCOMPARE(wins, 50);
    }
}

void TestZavelSim::advise_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("advice"); // a pattern of the whole output
    const QStringList seat0{"advise", "--seat", "0"};
    const QString three = "H 8B KB 9H TL UB H 8H 9L 7A H KH KL D TB";

    QTest::newRow("a card") << three << seat0 << 0 << "play (0_8|0_13|1_10|0_12)\n";
    QTest::newRow("a card, levels shown")
        << three << seat0 + QStringList{"--levels", "0,3,4"} << 0 << "play (0_8|0_13|1_10|0_12)\n";
    QTest::newRow("nothing fits") << "H 8L KL 9H H 8H 9L D TB" << seat0 << 0 << "draw\n";
    QTest::newRow("a penalty without a Seven") << "H 8B KB H 8H 9L D 7B/1 draw=2" << seat0 << 0 << "accept\n";
    QTest::newRow("a skip with an Ace") << "H 8B AH H 8H 9L D AB/1 skip" << seat0 << 0 << "(play 3_14|accept)\n";
    QTest::newRow("a suit owed") << "H 8B KB 9H H 8H 9L D UA/0 choice=1" << seat0 << 0 << "suit [0-3]\n";
    QTest::newRow("a rank owed") << "H 8B KB 9H H 8H 9L D LA/0 choice=2" << seat0 << 0 << "rank ([7-9]|1[0-4])\n";
    QTest::newRow("not its turn") << three << QStringList{"advise", "--seat", "2"} << 0 << "none\n";
    QTest::newRow("game over") << "H 8B KB 9H H D TB 9B/1 win=1" << QStringList{"advise", "--seat", "1"} << 0
                               << "none\n";
    QTest::newRow("a seat beyond the game") << "H 8B H 9B D TB" << QStringList{"advise", "--seat", "2"} << 2 << "";
    QTest::newRow("levels short") << three << seat0 + QStringList{"--levels", "3,3"} << 2 << "";
}

// The Expert's action for the seat, from a state text on standard input; the same on every run.
void TestZavelSim::advise()
{
    QFETCH(QString, words);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, advice);
    const QByteArray text = QByteArray::fromStdString(GameText::stateText(words.toStdString()));
    const Run run = runSim(args, text);
    QCOMPARE(run.status, status);
    QVERIFY2(QRegularExpression("^" + advice + "$").match(QString::fromUtf8(run.out)).hasMatch(), run.out);
    QCOMPARE(runSim(args, text).out, run.out);
    if (status == 2)
        QVERIFY(run.err.startsWith("zavel-sim: "));
}

// Level 4 plays as the Expert in whole games and tournaments.
void TestZavelSim::expertGames()
{
    const Run game
        = runSim({"play", "--players", "3", "--seed", "4", "--levels", "4,3,4", "--playouts", "50", "--trace"});
    QCOMPARE(game.status, 0);
    QVERIFY(game.err.contains("\n0 play ") && game.err.contains("end winner "));
    Zavel::GameCore core(2, 1);
    QVERIFY(core.restoreState(game.out.toStdString()) && core.winner >= 0);

    const Run table
        = runSim({"tournament", "--players", "2", "--levels", "4,3", "--games", "6", "--rotate", "--playouts", "50"});
    QCOMPARE(table.status, 0);
    QVERIFY(table.out.contains("level 0   Expert "));
    QVERIFY(table.out.contains("level 1   Hard "));
}

QTEST_GUILESS_MAIN(TestZavelSim)
#include "tst_zavelsim.moc"
