// The records of applied actions: what each kind of action says, what other seats may see of it, and the text
// form a record is kept in.

#include "moverecord.h"
#include "scripted.h"

#include <QtTest>

using namespace Scripted;

namespace {

// A seat's action written as "play N", "draw", "accept", "suit S" or "rank R".
AiAction actionOf(const QString &words)
{
    const QString verb = words.section(' ', 0, 0);
    const int value = words.section(' ', 1).toInt();
    if (verb == "play")
        return {AiActionType::Play, value};
    if (verb == "suit" || verb == "rank")
        return {verb == "suit" ? AiActionType::ChooseSuit : AiActionType::ChooseRank, -1, value};
    return {verb == "draw" ? AiActionType::Draw : AiActionType::AcceptPenalty};
}

QString texts(const std::vector<MoveRecord> &records, int viewer)
{
    QStringList lines;
    for (const MoveRecord &record : records)
        lines << QString::fromStdString(recordText(viewer == -2 ? record : seenBy(record, viewer)));
    return lines.join(" | ");
}

} // namespace

class TestMoveRecord : public QObject
{
    Q_OBJECT

private slots:
    void actions_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("action"); // of the seat on turn
        QTest::addColumn<QString>("records"); // as the acting seat sees them
        QTest::addColumn<QString>("others"); // as any other seat sees them
        const auto row = [](const char *tag, const QString &situation, const char *action, const QString &records,
                            const QString &others) {
            QTest::newRow(tag) << situation << QString(action) << records << others;
        };
        // A play names its card to everybody; the cards drawn with it only to its player.
        row("play", "H 8A KB KH H 8H 9H D TA", "play 0", "play 0 0 0 -1 1 2,8,0", "play 0 0 0 -1 1 2,8,0");
        // The forgotten declaration's four cards: named to the player, counted to the others.
        row("forgotten declaration", "H 8A KB H 8H 9H D TA T 7L 8L KL AL", "play 0",
            "play 0 0 0 -1 1 2,8,0 | forgot 0 4 0 -1 4 1,14,-1 1,13,-1 1,8,-1 1,7,-1",
            "play 0 0 0 -1 1 2,8,0 | forgot 0 4 0 -1 0");
        // One card left in the talon: the other three come from the pile turned over, less its new top.
        row("forgotten, reshuffled", "H 8H KB H * D 8B/1 9B/0 TH T 7B", "play 0",
            "play 0 0 0 -1 1 3,8,0 | reshuffle -1 3 0 -1 0 | forgot 0 4 0 -1 4 0,7,-1 3,10,-1 0,8,-1 0,9,-1",
            "play 0 0 0 -1 1 3,8,0 | reshuffle -1 3 0 -1 0 | forgot 0 4 0 -1 0");
        // The last card: a play and the win.
        row("win", "H 9H H 8H 9L D TH", "play 0", "play 0 0 0 -1 1 3,9,0 | win 0 0 0 -1 0",
            "play 0 0 0 -1 1 3,9,0 | win 0 0 0 -1 0");
        // A computer seat draws: the card named to it alone.
        row("draw", "H 8B KB H 9H 8H KL T TL D TA turn=1", "draw", "draw 1 1 0 -1 1 1,10,-1", "draw 1 1 0 -1 0");
        // Nothing left to draw: a draw of no card.
        row("draw, nothing left", "H 8H KB H * D 9L", "draw", "draw 0 0 0 -1 0", "draw 0 0 0 -1 0");
        // Six cards owed, two in the talon and two under the pile's top: four are drawn.
        row("penalty beyond the cards left", "H 8H KB H * D 7B/1 7L/0 7A/1 T AH 9H draw=6", "accept",
            "reshuffle -1 2 0 -1 0 | penalty 0 4 6 -1 4 3,9,-1 3,14,-1 0,7,-1 1,7,-1",
            "reshuffle -1 2 0 -1 0 | penalty 0 4 6 -1 0");
        // The skip taken.
        row("skip", "H 8H KB H 9H D AH/1 skip", "accept", "skip 0 0 0 -1 0", "skip 0 0 0 -1 0");
        // A suit requested after an Upper.
        row("suit", "H 8H KB H 9H D UH/0 choice=1", "suit 2", "suit 0 0 0 2 0", "suit 0 0 0 2 0");
        // A rank requested after a Lower.
        row("rank", "H 8H KB H 9H D LH/0 choice=2", "rank 14", "rank 0 0 0 14 0", "rank 0 0 0 14 0");
        // An action the rules refuse makes no record.
        row("refused", "H 8H KB H 9H D LH/0 choice=2", "suit 2", "", "");
    }

    void actions()
    {
        QFETCH(QString, situation);
        QFETCH(QString, action);
        QFETCH(QString, records);
        QFETCH(QString, others);
        GameCore core = game(situation.toStdString());
        std::string error;
        QVERIFY2(core.validate(&error), error.c_str());
        const int seat = core.currentPlayer;
        const AiAction move = actionOf(action);
        const std::vector<MoveRecord> made = actionRecords(seat, move, core.applyAction(seat, move));
        QCOMPARE(texts(made, seat), records);
        QCOMPARE(texts(made, (seat + 1) % core.playerCount), others);
        QCOMPARE(texts(made, -1), others);
    }

    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("deal") << "deal -1 3 0 -1 1 2,10,-1" << true;
        QTest::newRow("restore") << "restore -1 4 0 -1 0" << true;
        QTest::newRow("penalty") << "penalty 2 3 4 -1 3 1,14,-1 1,13,-1 1,8,-1" << true;
        QTest::newRow("request") << "rank 3 0 0 14 0" << true;
        QTest::newRow("unknown kind") << "jump 1 0 0 -1 0" << false;
        QTest::newRow("field missing") << "draw 1 1 0 1,10,-1" << false;
        QTest::newRow("seat 4") << "win 4 0 0 -1 0" << false;
        QTest::newRow("33 cards") << "draw 1 33 0 -1 0" << false;
        QTest::newRow("card out of range") << "play 1 0 0 -1 1 4,8,1" << false;
        QTest::newRow("card list short") << "play 1 0 0 -1 2 3,8,1" << false;
        QTest::newRow("word after it") << "play 1 0 0 -1 1 3,8,1 x" << false;
        QTest::newRow("two blanks") << "play 1  0 0 -1 1 3,8,1" << false;
        QTest::newRow("leading zero") << "play 01 0 0 -1 1 3,8,1" << false;
        QTest::newRow("empty") << "" << false;
    }

    // Kept records are read back only as written; anything else leaves the target untouched.
    void text()
    {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        const MoveRecord untouched = declarationRecord(2);
        MoveRecord read = untouched;
        QCOMPARE(parseRecord(text.toStdString(), &read), taken);
        if (taken)
            QCOMPARE(QString::fromStdString(recordText(read)), text);
        else
            QCOMPARE(read, untouched);
    }
};

QTEST_GUILESS_MAIN(TestMoveRecord)
#include "tst_moverecord.moc"
