import QtQuick 2.6
import "../shared"

// The keyboard of a desktop: each key does what a tap could do at that moment and nothing more. Every game key
// goes through the engine's own questions (playerInputEnabled, canDraw, canAcceptPenalty, canDeclareZavel,
// needsSuitChoice, needsRankChoice), as taps do: nothing acts while the game is paused or cards are in the air.
QtObject {
    // The interface's root: its engine, table, preferences, pages and panels.
    property Item app: null

    // The suit or rank whose key the player pressed in an open chooser, or -1.
    function chosenByKey(text, first, last, keyOf) {
        var typed = text.toUpperCase();
        for (var value = first; value <= last; ++value) {
            if (typed.length > 0 && typed === keyOf(value))
                return value;
        }
        return -1;
    }

    // Answers the question before a new game: Enter confirms, Escape closes.
    function confirmKey(key) {
        if (key === Qt.Key_Escape) {
            app.confirmOpen = false;
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
            app.confirmOpen = false;
            app.startNewGame();
        }
    }

    // Escape closes the top layer: the welcome, a panel, a page.
    function closeTopLayer() {
        if (!app.preferences.welcomed)
            app.preferences.welcomed = true;
        else if (app.menuOpen || app.paceOpen)
            app.closePanels();
        else if (app.openPage !== "")
            app.closePage();
    }

    // A key of the game itself; false when it means nothing here.
    function gameKey(event) {
        var engine = app.engine;
        var table = app.table;
        var key = event.key;
        var digit = key >= Qt.Key_0 && key <= Qt.Key_9 ? key - Qt.Key_0 : -1;
        var suit = engine.needsSuitChoice ? chosenByKey(event.text, 0, 3, Labels.suitKey) : -1;
        var rank = engine.needsRankChoice ? chosenByKey(event.text, 7, 14, Labels.rankKey) : -1;
        if (suit >= 0)
            engine.chooseSuit(suit);
        else if (rank >= 0)
            engine.chooseRank(rank);
        else if (digit >= 0)
            table.playPosition(digit === 0 ? 9 : digit - 1);
        else if (key === Qt.Key_Left || key === Qt.Key_Right)
            table.moveSelection(key === Qt.Key_Left ? -1 : 1);
        else if (key === Qt.Key_Return || key === Qt.Key_Enter || key === Qt.Key_Space)
            table.playSelected();
        else if (key === Qt.Key_D && engine.canDraw)
            engine.drawCard();
        else if (key === Qt.Key_A && engine.canAcceptPenalty)
            engine.acceptPenalty();
        else if (key === Qt.Key_Z && engine.canDeclareZavel)
            engine.declareZavel();
        else if (key === Qt.Key_Question || event.text === "?")
            table.askHint();
        else
            return [Qt.Key_D, Qt.Key_A, Qt.Key_Z].indexOf(key) >= 0;
        return true;
    }

    // A key that leads somewhere: a new game, the pause, the order of the hand, the log, the rules.
    function menuKey(key) {
        if (key === Qt.Key_N)
            app.requestNewGame();
        else if (key === Qt.Key_P && app.engine.winnerPlayer < 0)
            app.engine.paused = !app.engine.paused;
        else if (key === Qt.Key_S)
            app.sortHand = !app.sortHand;
        else if (key === Qt.Key_L)
            app.showPage("log");
        else if (key === Qt.Key_H || key === Qt.Key_F1)
            app.showPage("rules");
        else
            return false;
        return true;
    }

    // Whether something covers the table: then the game's keys do nothing.
    function covered() {
        return !app.preferences.welcomed || app.menuOpen || app.paceOpen || app.openPage !== "";
    }

    function handle(event) {
        event.accepted = true;
        app.keyboardUsed = true;
        if (app.confirmOpen) {
            confirmKey(event.key);
            return;
        }
        if (event.key === Qt.Key_Escape) {
            closeTopLayer();
            return;
        }
        if (covered()) {
            // A page takes the keys it knows (a text field, a list); the panels and the welcome take none.
            event.accepted = false;
            return;
        }
        event.accepted = gameKey(event) || menuKey(event.key);
    }
}
