import QtQuick 2.6
import harbour.zavel 1.0
import "."

// The game's move log: one short line for every action of every seat, written from what the engine
// publishes. Plays, draws and the deal come with their animation requests; skips, requests, the player's own
// declaration and the win show in the state that follows an action; a computer player's declaration is the
// engine's event text. The log keeps a snapshot of the state after the last change, because the engine's
// properties already show the new state while a request is delivered. Opponents' cards are never named,
// only counted.
QtObject {
    id: log

    property GameEngine engine
    // The whole log, oldest first: rows of { text, seat }, seat -1 for lines about the table. New lines are
    // appended, so that a view of it changes only at its end.
    property ListModel lines: ListModel {}
    // The last three lines, for the table.
    property var recent: []

    property var before: null
    // Whether a play, a draw or the deal was logged since the last state change.
    property bool moved: false
    // Cards a forgotten declaration drew with a play; their draw request follows the flight and is not a
    // draw of its own.
    property int followupsOwed: 0

    function nameOf(seat) {
        var participants = before ? before.names : [];
        return seat >= 0 && seat < participants.length ? participants[seat] : "";
    }

    function cardName(id) {
        var parts = String(id).split("_");
        return Labels.cardName(parseInt(parts[0], 10), parseInt(parts[1], 10));
    }

    function add(text, seat) {
        lines.append({ text: text, seat: seat });
        recent = recent.slice(Math.max(0, recent.length - 2)).concat([{ text: text, seat: seat }]);
    }

    function snapshot(participants) {
        var names = [];
        var counts = [];
        for (var i = 0; i < participants.length; ++i) {
            names.push(participants[i].name);
            counts.push(participants[i].handCount);
        }
        return { names: names, counts: counts, turn: engine.turnPlayer, winner: engine.winnerPlayer,
                 pendingDraw: engine.pendingDraw, pendingSkip: engine.pendingSkip, suit: engine.requestedSuit,
                 rank: engine.requestedRank, declared: engine.zavelArmed, talon: engine.deckSize };
    }

    // The talon grows only when the discard pile is shuffled into it, which happens inside a draw: after
    // drawing, it holds more than it held before less the cards drawn.
    function noteReshuffle(drawn) {
        if (engine.deckSize > before.talon - drawn)
            add(qsTr("The talon ran out: the discard pile is shuffled into a new talon"), -1);
    }

    function start(text) {
        lines.clear();
        recent = [];
        add(text, -1);
        before = snapshot(engine.participants);
        moved = false;
        followupsOwed = 0;
    }

    function dealt() {
        start(qsTr("New game with %1 players; the first card is %2").arg(engine.activePlayerCount)
              .arg(cardName(engine.discardCards[0].id)));
        moved = true;
    }

    function cardPlayed(cardId, seat, followups) {
        if (before === null)
            before = snapshot(engine.participants);
        add(qsTr("%1 plays %2").arg(nameOf(seat)).arg(cardName(cardId)), seat);
        moved = true;
        // Seat 0 declares itself; a computer player always declares before such a play (see eventText).
        if (seat === 0 && before.counts[0] === 2 && !before.declared) {
            noteReshuffle(followups.length);
            add(qsTr("%1 forgot to say Zavél and draws penalty cards: %2").arg(nameOf(seat)).arg(followups.length),
                seat);
        }
        followupsOwed = followups.length;
    }

    function cardsDrawn(drawn) {
        moved = true;
        if (followupsOwed > 0) {
            followupsOwed = 0;
            return;
        }
        var seat = drawn.length > 0 ? drawn[0].player : before.turn;
        noteReshuffle(drawn.length);
        if (before.pendingDraw > 0)
            add(qsTr("%1 draws penalty cards: %2").arg(nameOf(seat)).arg(drawn.length), seat);
        else if (drawn.length > 0)
            add(qsTr("%1 draws a card").arg(nameOf(seat)), seat);
        else
            add(qsTr("%1 finds no card to draw").arg(nameOf(seat)), seat);
    }

    function eventText(text) {
        if (text === qsTranslate("GameEngine", "Game restored")) {
            start(qsTr("Game resumed where it was left"));
            return;
        }
        if (before === null)
            return;
        for (var seat = 1; seat < before.names.length; ++seat) {
            if (text === qsTranslate("GameEngine", "%1 says Zavél!").arg(before.names[seat]))
                add(qsTr("%1 says Zavél!").arg(nameOf(seat)), seat);
        }
    }

    // After every change of the state, with the participants the table has read for it.
    function stateChanged(participants) {
        var now = snapshot(participants);
        if (before === null) {
            before = now;
            return;
        }
        if (!moved) {
            if (before.pendingSkip && !now.pendingSkip && now.turn !== before.turn)
                add(qsTr("%1 skips a turn").arg(nameOf(before.turn)), before.turn);
            if (now.suit >= 0 && now.suit !== before.suit)
                add(qsTr("%1 requests %2").arg(nameOf(before.turn)).arg(engine.suitName(now.suit)), before.turn);
            if (now.rank >= 0 && now.rank !== before.rank)
                add(qsTr("%1 requests %2").arg(nameOf(before.turn)).arg(engine.rankName(now.rank)), before.turn);
            if (now.declared && !before.declared)
                add(qsTr("%1 says Zavél!").arg(nameOf(0)), 0);
        }
        if (before.winner < 0 && now.winner >= 0)
            add(qsTr("%1 wins the game").arg(now.names[now.winner]), now.winner);
        before = now;
        moved = false;
    }
}
