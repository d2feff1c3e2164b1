pragma Singleton
import QtQuick 2.6
import harbour.zavel 1.0
import "."

// The sentences the table writes itself, in the reader's language, speaking to the player as "you": the headline
// over the table, the move log's lines (one a journal row), a seat's last turn in short, and the result. Names
// come from nameOf(seat), the seats' short names. An opponent's drawn cards are never named, only counted; the
// journal does not know them.
QtObject {
    // A card id ("3_12") as its suit and rank.
    function parts(id) {
        var codes = String(id).split("_");
        return { suit: parseInt(codes[0], 10), rank: parseInt(codes[1], 10) };
    }

    function cardName(id) {
        var card = parts(id);
        return Labels.cardName(card.suit, card.rank);
    }

    function cardObject(id) {
        var card = parts(id);
        return Labels.cardObject(card.suit, card.rank);
    }

    function shortCard(id) {
        var card = parts(id);
        return Labels.shortCardName(card.suit, card.rank);
    }

    // What was asked for after an Upper or a Lower.
    function asked(row) {
        return row.kind === MoveJournal.SuitRequested ? Labels.askedSuit(row.choice) : Labels.askedRank(row.choice);
    }

    // The state: { winner, turn, choice (owed by the seat on turn: 1 a suit, 2 a rank), pendingDraw, pendingSkip,
    // suit, rank } as the engine and the seats give them.
    function headline(state, nameOf) {
        var name = nameOf(state.turn);
        var you = state.turn === 0;
        var request = state.suit >= 0 ? Labels.suitName(state.suit) : state.rank >= 0 ? Labels.rankName(state.rank) : "";
        if (state.winner >= 0)
            return state.winner === 0 ? qsTr("You won!") : qsTr("%1 won the game").arg(nameOf(state.winner));
        if (state.choice === 1)
            return you ? qsTr("Your turn — choose a suit") : qsTr("%1 is choosing a suit").arg(name);
        if (state.choice === 2)
            return you ? qsTr("Your turn — choose a rank") : qsTr("%1 is choosing a rank").arg(name);
        if (state.pendingDraw > 0)
            return you ? qsTr("Your turn — play a Seven or draw %1 cards").arg(state.pendingDraw)
                       : qsTr("%1's turn — a Seven or %2 cards").arg(name).arg(state.pendingDraw);
        if (state.pendingSkip)
            return you ? qsTr("Your turn — play an Ace or skip your turn") : qsTr("%1's turn — an Ace or a skip").arg(name);
        if (request.length > 0)
            return you ? qsTr("Your turn — %1 requested").arg(request)
                       : qsTr("%1's turn — %2 requested").arg(name).arg(request);
        return you ? qsTr("Your turn") : qsTr("%1's turn").arg(name);
    }

    // row: a journal row ({ kind, seat, cards, count, owed, choice }).
    function line(row, nameOf) {
        return Labels.capitalized(row.seat === 0 ? yourLine(row) : seatLine(row, nameOf(row.seat)));
    }

    function yourLine(row) {
        switch (row.kind) {
        case MoveJournal.Play:
            return qsTr("You play %1").arg(cardObject(row.cards[0]));
        case MoveJournal.Draw:
            return row.count > 0 ? qsTr("You draw a card") : qsTr("You find no card to draw");
        case MoveJournal.PenaltyTaken:
            return qsTr("You draw %1 penalty cards").arg(row.count);
        case MoveJournal.SkipTaken:
            return qsTr("You skip your turn");
        case MoveJournal.SuitRequested:
        case MoveJournal.RankRequested:
            return qsTr("You asked for %1").arg(asked(row));
        case MoveJournal.Declaration:
            return qsTr("You say Zavél!");
        case MoveJournal.ForgottenDeclaration:
            return qsTr("You forgot to say Zavél, so you draw %1 penalty cards").arg(row.count);
        case MoveJournal.Win:
            return qsTr("You won the game!");
        }
        return tableLine(row);
    }

    function seatLine(row, name) {
        switch (row.kind) {
        case MoveJournal.Play:
            return qsTr("%1 plays %2").arg(name).arg(cardObject(row.cards[0]));
        case MoveJournal.Draw:
            return row.count > 0 ? qsTr("%1 draws a card").arg(name) : qsTr("%1 finds no card to draw").arg(name);
        case MoveJournal.PenaltyTaken:
            return qsTr("%1 draws %2 penalty cards").arg(name).arg(row.count);
        case MoveJournal.SkipTaken:
            return qsTr("%1 skips a turn").arg(name);
        case MoveJournal.SuitRequested:
        case MoveJournal.RankRequested:
            return qsTr("%1 asked for %2").arg(name).arg(asked(row));
        case MoveJournal.Declaration:
            return qsTr("%1 says Zavél!").arg(name);
        case MoveJournal.ForgottenDeclaration:
            return qsTr("%1 forgot to say Zavél and draws %2 penalty cards").arg(name).arg(row.count);
        case MoveJournal.Win:
            return qsTr("%1 wins the game").arg(name);
        }
        return tableLine(row);
    }

    function tableLine(row) {
        switch (row.kind) {
        case MoveJournal.Deal:
            return qsTr("New game with %1 players; the first card is the %2").arg(row.count).arg(cardName(row.cards[0]));
        case MoveJournal.Restore:
            return qsTr("Game resumed where you left it");
        case MoveJournal.Reshuffle:
            return qsTr("The talon ran out: the discard pile is shuffled into a new talon");
        }
        return "";
    }

    // A seat's last turn in short, its actions in order: "Zavél! · played 7 of Hearts". you: the player's own.
    function turn(rows, you) {
        var said = [];
        for (var i = 0; i < rows.length; ++i) {
            var part = you ? yourPart(rows[i]) : seatPart(rows[i]);
            if (part.length > 0)
                said.push(part);
        }
        return said.join(" · ");
    }

    function seatPart(row) {
        switch (row.kind) {
        case MoveJournal.Declaration:
            return qsTr("Zavél!");
        case MoveJournal.Play:
            return qsTr("played %1").arg(shortCard(row.cards[0]));
        case MoveJournal.Draw:
            return row.count > 0 ? qsTr("drew a card") : qsTr("found no card");
        case MoveJournal.PenaltyTaken:
            return qsTr("drew %1").arg(row.count);
        case MoveJournal.SkipTaken:
            return qsTr("skipped");
        case MoveJournal.SuitRequested:
        case MoveJournal.RankRequested:
            return qsTr("asked for %1").arg(asked(row));
        case MoveJournal.ForgottenDeclaration:
            return qsTr("forgot Zavél, drew %1").arg(row.count);
        case MoveJournal.Win:
            return qsTr("won!");
        }
        return "";
    }

    function yourPart(row) {
        switch (row.kind) {
        case MoveJournal.Declaration:
            return qsTr("Zavél!");
        case MoveJournal.Play:
            return qsTr("you played %1").arg(shortCard(row.cards[0]));
        case MoveJournal.Draw:
            return row.count > 0 ? qsTr("you drew a card") : qsTr("you found no card");
        case MoveJournal.PenaltyTaken:
            return qsTr("you drew %1").arg(row.count);
        case MoveJournal.SkipTaken:
            return qsTr("you skipped");
        case MoveJournal.SuitRequested:
        case MoveJournal.RankRequested:
            return qsTr("you asked for %1").arg(asked(row));
        case MoveJournal.ForgottenDeclaration:
            return qsTr("you forgot Zavél, drew %1").arg(row.count);
        case MoveJournal.Win:
            return qsTr("you won!");
        }
        return "";
    }
}
