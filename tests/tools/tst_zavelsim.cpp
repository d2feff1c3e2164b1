// zavel-sim as testers use it: reference outputs byte for byte, its verdicts on saved texts, the Expert's advice,
// and the way it refuses bad arguments.

#include "gamecore.h"
#include "gametext.h"
#include "savefiles.h"

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
    void referenceOutputs_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(QStringLiteral(ZAVEL_VECTORS_DIR)).entryList({"*.txt"}, QDir::Files);
        QVERIFY(files.size() >= 12);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file.chopped(4);
    }

    void referenceOutputs()
    {
        QFETCH(QString, name);
        const QDir dir(QStringLiteral(ZAVEL_VECTORS_DIR));
        const Run run = runSim(argsFromName(name));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, SaveFiles::readFile(dir.filePath(name + ".txt")));
        QCOMPARE(run.err, SaveFiles::readFile(dir.filePath(name + ".trace")));
    }

    void badArguments_data()
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
        QTest::newRow("level beyond the Expert")
            << QStringList{"play", "--players", "2", "--seed", "1", "--levels", "4,5"};
        QTest::newRow("no play-outs") << play + QStringList{"--playouts", "0"};
    }

    // Each is refused before anything runs: one line saying why, the usage, status 2.
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Run run = runSim(args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        const QList<QByteArray> lines = run.err.split('\n');
        QVERIFY2(lines.front().startsWith("zavel-sim: ") && lines.front().size() > 20, lines.front());
        QVERIFY(lines.value(1).startsWith("usage: zavel-sim"));
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("verdict");
        const QByteArray good = QByteArray::fromStdString(Zavel::GameCore(3, 7).serializeState());
        const QByteArray scalars = "\n3 0 -1 -1 -1 0 0 0 -1\n";
        QTest::newRow("fresh deal") << good << 0 << QByteArray("ok\n");
        QTest::newRow("empty file") << QByteArray() << 1 << QByteArray("unreadable\n");
        QTest::newRow("odd draw penalty") << QByteArray(good).replace(scalars, "\n3 0 -1 -1 -1 3 0 0 -1\n") << 1
                                          << QByteArray("invalid draw penalty\n");
        // These two name a path that cannot be read; the verdict is then the reason on stderr.
        QTest::newRow("no such file") << QByteArray("absent") << 2 << QByteArray("No such file or directory");
        QTest::newRow("a directory") << QByteArray("directory") << 2 << QByteArray("Is a directory");
    }

    void check()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, status);
        QFETCH(QByteArray, verdict);
        QTemporaryDir dir;
        const QString path = dir.filePath(status == 2 ? QString::fromLatin1(text) : QStringLiteral("state.txt"));
        if (text == "directory")
            QVERIFY(QDir().mkdir(path));
        else if (status != 2)
            QVERIFY(SaveFiles::writeFile(path, text));
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

    void play_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("end"); // a pattern of the trace's last line
        QTest::newRow("capped") << QStringList{"--players", "4",       "--seed",        "5",
                                               "--levels",  "3,3,3,3", "--max-actions", "7"}
                                << "end winner -1 actions 7";
        // Level 4 plays as the Expert.
        QTest::newRow("Expert seats") << QStringList{"--players", "3",     "--seed",     "4",
                                                     "--levels",  "4,3,4", "--playouts", "50"}
                                      << "end winner [0-2] actions \\d+";
    }

    // The trace has a line for each action (and each declaration) and then the end; the printed state restores,
    // with that winner.
    void play()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, end);
        const Run run = runSim(QStringList{"play", "--trace"} + args);
        QCOMPARE(run.status, 0);
        const QList<QByteArray> lines = run.err.trimmed().split('\n');
        const QString last = QString::fromUtf8(lines.back());
        QVERIFY2(QRegularExpression("^" + end + "$").match(last).hasMatch(), qPrintable(last));
        QCOMPARE(lines.size() - 1 - run.err.count(" declare"), last.section(' ', 4).toInt());
        Zavel::GameCore core(2, 1);
        QVERIFY(core.restoreState(run.out.toStdString()));
        QCOMPARE(core.winner, last.section(' ', 2, 2).toInt());
    }

    // With the levels rotated, both tables account for every game; level 4 is shown as the Expert.
    void tournamentTable()
    {
        const Run run = runSim({"tournament", "--players", "3", "--levels", "4,1,3", "--games", "6", "--seed", "9",
                                "--rotate", "--playouts", "50"});
        QCOMPARE(run.status, 0);
        const QString table = QString::fromUtf8(run.out);
        QVERIFY(table.startsWith(QLatin1String("6 games, 3 players, seeds 9 to 14")));
        QVERIFY(table.contains(QLatin1String("stopped by the action cap: 0")));
        QVERIFY(table.contains(QLatin1String("level 0   Expert ")) && table.contains(QLatin1String("level 2   Hard ")));
        for (const QString label : {"seat", "level"}) {
            const QRegularExpression row("^" + label + " +\\d +(\\S+) +(\\d+) ", QRegularExpression::MultilineOption);
            int wins = 0;
            int rows = 0;
            for (auto it = row.globalMatch(table); it.hasNext(); ++rows)
                wins += it.next().captured(2).toInt();
            QCOMPARE(rows, 3);
            QCOMPARE(wins, 6);
        }
    }

    void advise_data()
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
        QTest::newRow("a suit owed") << "H 8B KB 9H H 8H 9L D UA/0 choice=1" << seat0 << 0 << "suit [0-3]\n";
        QTest::newRow("not its turn") << three << QStringList{"advise", "--seat", "2"} << 0 << "none\n";
        QTest::newRow("a seat beyond the game") << "H 8B H 9B D TB" << QStringList{"advise", "--seat", "2"} << 2 << "";
        QTest::newRow("levels short") << three << seat0 + QStringList{"--levels", "3,3"} << 2 << "";
    }

    // The Expert's action for the seat, from a state text on standard input; the same on every run.
    void advise()
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
};

QTEST_GUILESS_MAIN(TestZavelSim)
#include "tst_zavelsim.moc"
