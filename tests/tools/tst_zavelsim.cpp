// zavel-sim as testers use it: reference outputs byte for byte, its verdicts on saved texts, and the way it
// refuses bad arguments.

#include "gamecore.h"

#include <QDir>
#include <QFile>
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

Run runSim(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(ZAVEL_SIM_PATH), args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
    const QStringList parts = name.split(QLatin1Char('-'));
    QStringList args{parts[0]};
    for (int i = 1; i < parts.size(); ++i) {
        const QString value = parts[i].mid(1);
        switch (parts[i][0].toLatin1()) {
        case 'p':
            args << QStringLiteral("--players") << value;
            break;
        case 's':
            args << QStringLiteral("--seed") << value;
            break;
        case 'l':
            args << QStringLiteral("--levels") << value;
            break;
        case 'f':
            args << QStringLiteral("--forgetful") << value;
            break;
        }
    }
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
    void help();
    void check_data();
    void check();
    void checkUnreadableFile();
    void actionCap();
    void tournamentTable_data();
    void tournamentTable();
};

void TestZavelSim::referenceOutputs_data()
{
    QTest::addColumn<QString>("name");
    const QDir dir(QStringLiteral(ZAVEL_VECTORS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 12);
    for (const QString &file : files) {
        const QString name = file.left(file.size() - 4);
        QTest::newRow(qPrintable(name)) << name;
    }
}

void TestZavelSim::referenceOutputs()
{
    QFETCH(QString, name);
    const QDir dir(QStringLiteral(ZAVEL_VECTORS_DIR));
    const Run run = runSim(argsFromName(name));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, readAll(dir.filePath(name + QStringLiteral(".txt"))));
    if (name.startsWith(QLatin1String("play")))
        QCOMPARE(run.err, readAll(dir.filePath(name + QStringLiteral(".trace"))));
    else
        QVERIFY(run.err.isEmpty());
}

void TestZavelSim::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem");

    QTest::newRow("nothing") << QStringList() << "missing subcommand";
    QTest::newRow("unknown subcommand") << QStringList{"shuffle"} << "unknown subcommand 'shuffle'";
    QTest::newRow("missing players") << QStringList{"deal", "--seed", "1"} << "missing option --players";
    QTest::newRow("missing seed") << QStringList{"deal", "--players", "2"} << "missing option --seed";
    QTest::newRow("players too many") << QStringList{"deal", "--players", "5", "--seed", "1"}
                                      << "--players expects a number from 2 to 4, not 5";
    QTest::newRow("players not a number") << QStringList{"deal", "--players", "two", "--seed", "1"}
                                          << "--players expects a number from 2 to 4, not 'two'";
    QTest::newRow("negative seed") << QStringList{"deal", "--players", "2", "--seed", "-1"}
                                   << "--seed expects a number from 0 to 4294967295, not '-1'";
    QTest::newRow("seed beyond 32 bits") << QStringList{"deal", "--players", "2", "--seed", "4294967296"}
                                         << "--seed expects a number from 0 to 4294967295, not 4294967296";
    QTest::newRow("value missing") << QStringList{"deal", "--players", "2", "--seed"} << "option --seed needs a value";
    QTest::newRow("unknown option") << QStringList{"deal", "--players", "2", "--seed", "1", "--fast"}
                                    << "unknown option --fast";
    QTest::newRow("repeated option") << QStringList{"deal", "--players", "2", "--players", "3", "--seed", "1"}
                                     << "option --players is given twice";
    QTest::newRow("stray argument") << QStringList{"deal", "--players", "2", "--seed", "1", "extra"}
                                    << "unexpected argument 'extra'";
    QTest::newRow("levels short") << QStringList{"play", "--players", "3", "--seed", "1", "--levels", "1,2"}
                                  << "--levels needs one level per player: 3 for --players 3, got 2";
    QTest::newRow("level out of range") << QStringList{"play", "--players", "2", "--seed", "1", "--levels", "1,4"}
                                        << "--levels expects a number from 0 to 3, not 4";
    QTest::newRow("forgetful seat beyond table")
        << QStringList{"play", "--players", "2", "--seed", "1", "--levels", "1,1", "--forgetful", "2"}
        << "--forgetful expects a number from 0 to 1, not 2";
    QTest::newRow("trace with value") << QStringList{"play", "--players", "2",   "--seed",
                                                     "1",    "--levels",  "1,1", "--trace=yes"}
                                      << "option --trace takes no value";
    QTest::newRow("check without file") << QStringList{"check"} << "check needs a FILE";
    QTest::newRow("check with two files")
        << QStringList{"check", "a", "b"} << "check takes exactly one FILE, got 2 arguments";
    QTest::newRow("tournament without games")
        << QStringList{"tournament", "--players", "2", "--levels", "1,1"} << "missing option --games";
}

void TestZavelSim::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, problem);
    const Run run = runSim(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    const QList<QByteArray> lines = run.err.split('\n');
    QCOMPARE(QString::fromUtf8(lines.front()), QStringLiteral("zavel-sim: ") + problem);
    QVERIFY(lines.size() > 1 && lines[1].startsWith("usage: zavel-sim"));
}

void TestZavelSim::help()
{
    const Run run = runSim({QStringLiteral("--help")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith("usage: zavel-sim deal"));
    QVERIFY(run.err.isEmpty());
}

void TestZavelSim::check_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("verdict");

    const QByteArray good = QByteArray::fromStdString(Zavel::GameCore(3, 7).serializeState());
    QTest::newRow("fresh deal") << good << 0 << QByteArray("ok\n");
    QTest::newRow("empty file") << QByteArray() << 1 << QByteArray("unreadable\n");
    QTest::newRow("other header") << QByteArray(good).replace("ZAVEL_STATE_V1", "ZAVEL_STATE_V2") << 1
                                  << QByteArray("unreadable\n");
    QTest::newRow("carriage returns") << QByteArray(good).replace("\n", "\r\n") << 1 << QByteArray("unreadable\n");
    QTest::newRow("skip value 2") << QByteArray(good).replace("\n3 0 -1 -1 -1 0 0 0 -1\n", "\n3 0 -1 -1 -1 0 2 0 -1\n")
                                  << 1 << QByteArray("unreadable\n");
    QTest::newRow("odd draw penalty") << QByteArray(good).replace("\n3 0 -1 -1 -1 0 0 0 -1\n",
                                                                  "\n3 0 -1 -1 -1 3 0 0 -1\n")
                                      << 1 << QByteArray("invalid draw penalty\n");

    // Without the talon's bottom card the text still parses, but the census misses a card.
    Zavel::GameCore short31(3, 7);
    short31.talon.erase(short31.talon.begin());
    const QByteArray missing = QByteArray::fromStdString(short31.serializeState());
    QTest::newRow("31 cards") << missing << 1 << QByteArray("card total is not 32\n");
}

void TestZavelSim::check()
{
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(QByteArray, verdict);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    const Run run = runSim({QStringLiteral("check"), path});
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, verdict);
}

void TestZavelSim::checkUnreadableFile()
{
    QTemporaryDir dir;
    const QString absent = dir.filePath(QStringLiteral("absent.txt"));
    Run run = runSim({QStringLiteral("check"), absent});
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("zavel-sim: cannot read %1: No such file or directory\n").arg(absent));

    run = runSim({QStringLiteral("check"), dir.path()});
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("zavel-sim: cannot read %1: Is a directory\n").arg(dir.path()));
}

void TestZavelSim::actionCap()
{
    const Run run
        = runSim({"play", "--players", "4", "--seed", "5", "--levels", "3,3,3,3", "--max-actions", "7", "--trace"});
    QCOMPARE(run.status, 0);
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    QCOMPARE(lines.back(), QByteArray("end winner -1 actions 7"));
    int actions = 0;
    for (const QByteArray &line : lines)
        actions += line.contains(" declare") || line.startsWith("end") ? 0 : 1;
    QCOMPARE(actions, 7);

    Zavel::GameCore core(2, 1);
    QVERIFY(core.restoreState(run.out.toStdString()));
}

// Sums the wins column of the rows that start with label ("seat" or "level").
int sumWins(const QString &table, const QString &label, int *rows)
{
    const QRegularExpression row(QStringLiteral("^%1 +\\d +(Random|Easy|Normal|Hard|\\(all\\)) +(\\d+) ").arg(label),
                                 QRegularExpression::MultilineOption);
    int wins = 0;
    *rows = 0;
    auto it = row.globalMatch(table);
    while (it.hasNext()) {
        wins += it.next().captured(2).toInt();
        ++*rows;
    }
    return wins;
}

void TestZavelSim::tournamentTable_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("levelRows");
    QTest::newRow("fixed seats") << QStringList() << 0;
    QTest::newRow("rotated") << QStringList{"--rotate"} << 3;
}

void TestZavelSim::tournamentTable()
{
    QFETCH(QStringList, extra);
    QFETCH(int, levelRows);
    const Run run = runSim(
        QStringList{"tournament", "--players", "3", "--levels", "0,1,3", "--games", "50", "--seed", "9"} + extra);
    QCOMPARE(run.status, 0);
    const QString table = QString::fromUtf8(run.out);
    QVERIFY(table.startsWith(QLatin1String("50 games, 3 players, seeds 9 to 58")));
    QVERIFY(table.contains(QLatin1String("stopped by the action cap: 0")));
    int rows = 0;
    QCOMPARE(sumWins(table, QStringLiteral("seat"), &rows), 50);
    QCOMPARE(rows, 3);
    const int levelWins = sumWins(table, QStringLiteral("level"), &rows);
    QCOMPARE(rows, levelRows);
    QCOMPARE(levelWins, levelRows ? 50 : 0);
}

QTEST_GUILESS_MAIN(TestZavelSim)
#include "tst_zavelsim.moc"
