pragma Singleton
import QtQuick 2.6
import harbour.zavel 1.0
import "."

// The move log's words: one line for each record of the move journal, in the reader's language. An opponent's
// drawn cards are never named, only counted; the journal does not know them.
QtObject {
    function cardName(id) {
        var parts = String(id).split("_");
        return Labels.cardName(parseInt(parts[0], 10), parseInt(parts[1], 10));
    }

    // row: a journal row ({ kind, seat, cards, count, owed, choice }); nameOf(seat) gives a seat's name.
    function line(row, nameOf) {
        var name = row.seat >= 0 ? nameOf(row.seat) : "";
        switch (row.kind) {
        case MoveJournal.Deal:
            return qsTr("New game with %1 players; the first card is %2").arg(row.count).arg(cardName(row.cards[0]));
        case MoveJournal.Restore:
            return qsTr("Game resumed where it was left");
        case MoveJournal.Play:
            return qsTr("%1 plays %2").arg(name).arg(cardName(row.cards[0]));
        case MoveJournal.Draw:
            return row.count > 0 ? qsTr("%1 draws a card").arg(name) : qsTr("%1 finds no card to draw").arg(name);
        case MoveJournal.PenaltyTaken:
            return qsTr("%1 draws penalty cards: %2").arg(name).arg(row.count);
        case MoveJournal.SkipTaken:
            return qsTr("%1 skips a turn").arg(name);
        case MoveJournal.SuitRequested:
            return qsTr("%1 requests %2").arg(name).arg(Labels.suitName(row.choice));
        case MoveJournal.RankRequested:
            return qsTr("%1 requests %2").arg(name).arg(Labels.rankName(row.choice));
        case MoveJournal.Declaration:
            return qsTr("%1 says Zavél!").arg(name);
        case MoveJournal.ForgottenDeclaration:
            return qsTr("%1 forgot to say Zavél and draws penalty cards: %2").arg(name).arg(row.count);
        case MoveJournal.Reshuffle:
            return qsTr("The talon ran out: the discard pile is shuffled into a new talon");
        case MoveJournal.Win:
            return qsTr("%1 wins the game").arg(name);
        }
        return "";
    }
}
