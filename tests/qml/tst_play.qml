import QtQuick 2.6
import QtTest 1.2

// Playing by tapping, as a person does: cards, the buttons, the choosers, the end of a game and the question
// before a running game is dealt anew.
Item {
    id: window
    width: 540
    height: 960

    ZavelTestCase {
        name: "Play"
        host: window

        // One turn of the player, chosen from what the interface offers: declare when the button asks for it,
        // answer a chooser, play the first card marked playable, or else take the penalty or draw.
        function playOneTurn() {
            waitForPlayer();
            if (engine.winnerPlayer >= 0)
                return false;
            if (engine.needsSuitChoice) {
                click("suitButton_2");
                return true;
            }
            if (engine.needsRankChoice) {
                click("rankButton_9");
                return true;
            }
            if (engine.canDeclareZavel) {
                click("zavelButton");
                verify(engine.zavelArmed);
                verify(item("playerZavelBadge").visible);
            }
            var ids = handIds();
            for (var i = 0; i < ids.length; ++i) {
                if (handCard(ids[i]).playable) {
                    var before = engine.stateRevision;
                    tapCard(ids[i]);
                    verify(engine.stateRevision > before, "tapping a playable card plays it");
                    return true;
                }
            }
            if (engine.canAcceptPenalty)
                click("acceptButton");
            else
                click("drawButton");
            return true;
        }

        function test_freshGameSeveralTurns() {
            launch(null);
            compare(engine.activePlayerCount, 2);
            compare(handIds().length, 5);
            compare(engine.deckSize, 21);
            for (var turn = 0; turn < 6 && playOneTurn(); ++turn) {
                waitIdle();
                // The hand on screen is the engine's hand, every card visible once the phase is over.
                var ids = handIds();
                for (var i = 0; i < ids.length; ++i)
                    compare(handCard(ids[i]).opacity, 1, ids[i] + " shown");
            }
            verify(testSupport.savedGame().indexOf("ZAVEL_STATE_V1") === 0, "the game is saved as it goes");
        }

        // Nine of Hearts on the pile: the Nine of Bells and the Upper fit, the King of Leaves does not.
        readonly property var simpleGame: ({
            hands: [["1_13", "0_9", "2_12", "0_8"], ["0_7", "1_7", "2_10", "3_8", "2_13"]],
            discard: ["3_10", "3_9"]
        })

        function test_tapOnUnplayableCardExplains_data() {
            return [
                { tag: "top card", game: {}, text: "Match the suit or rank of the top card" },
                { tag: "suit request", game: { requestedSuit: 2 }, text: "Requested suit: Acorns" },
                { tag: "rank request", game: { requestedRank: 8 }, text: "Requested rank: Eight" }
            ];
        }

        function test_tapOnUnplayableCardExplains(data) {
            var game = { hands: simpleGame.hands, discard: ["3_10", "3_9"] };
            for (var key in data.game)
                game[key] = data.game[key];
            launch(game);
            var before = handIds();
            tapCard("1_13");
            compare(engine.lastEvent, data.text);
            compare(item("lastEventText").text, data.text);
            compare(handIds(), before, "nothing was played");
            compare(engine.visualPhase, 0);
        }

        function test_playedCardLandsOnThePile() {
            launch(simpleGame);
            tapCard("0_9");
            compare(engine.visualPhase, 1, "the card is in the air");
            // The interface, not the engine's watchdog (5 s), ends the flight.
            tryCompare(engine, "visualPhase", 0, 2000);
            verify(playedByMe("0_9"));
            verify(handCard("0_9") === null, "the card left the hand");
        }

        function test_sortedHandKeepsTheEnginesIndexes() {
            launch(simpleGame);
            app.sortHand = true;
            wait(300);
            // Shown by suit then rank; the engine's order is 1_13, 0_9, 2_12, 0_8.
            var order = ["0_8", "0_9", "1_13", "2_12"];
            for (var i = 1; i < order.length; ++i)
                verify(handCard(order[i - 1]).x < handCard(order[i]).x, order[i - 1] + " left of " + order[i]);
            // The Upper is the engine's third card and shown fourth.
            tapCard("2_12");
            tryCompare(engine, "visualPhase", 0, 2000);
            verify(playedByMe("2_12"), "the tapped card was played, not the one at its screen position");
        }

        function test_keyboardPlay() {
            launch(simpleGame);
            app.forceActiveFocus();
            keyClick(Qt.Key_Right);
            keyClick(Qt.Key_Right);
            keyClick(Qt.Key_Return);
            tryCompare(engine, "visualPhase", 0, 2000);
            verify(playedByMe("0_9"), "the second card was played");
        }

        function test_suitChoice() {
            launch(simpleGame);
            verify(!item("suitChooser").visible);
            tapCard("2_12");
            tryCompare(item("suitChooser"), "visible", true, 2000);
            compare(engine.needsSuitChoice, true);
            compare(item("suitChooser").names[1], "Leaves");
            click("suitButton_1");
            compare(engine.requestedSuit, 1);
            compare(engine.lastEvent, "You requested Leaves");
            compare(item("requestText").text, "Requested suit: Leaves");
            verify(!item("suitChooser").visible);
        }

        function test_rankChoice() {
            launch({ hands: [["3_11", "1_13", "0_8"], ["0_7", "1_7", "2_10", "3_8", "2_13"]], discard: ["3_10"] });
            tapCard("3_11");
            tryCompare(item("rankChooser"), "visible", true, 2000);
            click("rankButton_14");
            compare(engine.requestedRank, 14);
            compare(engine.lastEvent, "You requested Ace");
            compare(item("requestText").text, "Requested rank: Ace");
            verify(!item("rankChooser").visible);
        }

        function test_acceptPenalty() {
            launch({ hands: [["1_13", "0_9", "2_8"], ["0_7", "1_8", "2_10", "3_8", "2_13"]],
                     discard: ["3_10", "3_7"], pendingDraw: 2, talonTop: ["1_9", "1_10"] });
            compare(item("acceptButton").text, "Draw 2 cards");
            verify(!item("drawButton").enabled);
            click("acceptButton");
            compare(engine.lastEvent, "You drew 2 penalty cards");
            tryCompare(engine, "visualPhase", 0, 3000);
            compare(handIds(), ["1_13", "0_9", "2_8", "1_10", "1_9"]);
        }

        function test_declareAndWin() {
            // Declaring before going down to one card, then the last card, an Upper, wins.
            launch({ hands: [["3_9", "2_12"], ["0_8", "1_8", "0_9", "1_9", "2_10"]], discard: ["3_10"] });
            verify(item("zavelButton").enabled);
            click("zavelButton");
            compare(engine.lastEvent, "Zavél!");
            compare(item("zavelButton").text, "Declared");
            tapCard("3_9");
            // The computer answers with a Nine; then the Upper is the player's last card.
            waitForPlayer();
            compare(handIds(), ["2_12"], "no penalty cards after a declaration");
            tapCard("2_12");
            tryCompare(item("resultPanel"), "visible", true, 3000);
            compare(item("resultText").text, "Player won the game");
            compare(engine.winnerPlayer, 0);

            // A finished game is dealt anew without a question.
            click("resultNewGame");
            verify(!item("confirmNewGame").visible);
            tryCompare(engine, "winnerPlayer", -1, 1000);
            waitIdle();
            compare(handIds().length, 5);
        }

        function test_forgottenDeclarationDrawsFourAfterTheFlight() {
            launch({ hands: [["3_9", "3_13"], ["0_8", "1_8", "0_9", "1_9", "2_10"]], discard: ["3_10"] });
            tapCard("3_9");
            compare(engine.lastEvent, "You forgot Zavél — four penalty cards");
            // The four cards are in the engine's hand at once, but only come to the screen after the flight.
            compare(handIds().length, 5);
            tryCompare(engine, "visualPhase", 2, 2000);
            var ids = handIds();
            tryVerify(function() { return engine.visualPhase === 0; }, 3000);
            for (var i = 0; i < ids.length; ++i)
                compare(handCard(ids[i]).opacity, 1);
        }

        function test_newGameAsksFirst() {
            launch(simpleGame);
            var before = handIds();
            click("newGameButton");
            verify(item("confirmNewGame").visible);
            click("confirmNo");
            verify(!item("confirmNewGame").visible);
            compare(handIds(), before, "the running game stays");

            click("newGameButton");
            click("confirmYes");
            compare(engine.visualPhase, 3, "the deal is shown");
            waitIdle();
            compare(engine.lastEvent, "");
            compare(engine.deckSize, 21);
            compare(handIds().length, 5);
        }

        function test_pauseHoldsTheComputer() {
            launch(simpleGame);
            click("pauseButton");
            verify(engine.paused);
            verify(item("pausedBanner").visible);
            verify(!handCard("0_9").playable, "no play while paused");
            engine.paused = false;
            tapCard("0_9");
            click("pauseButton");
            tryCompare(engine, "visualPhase", 0, 2000);
            wait(200);
            compare(engine.turnPlayer, 1, "the computer waits");
            click("resumeButton");
            waitForPlayer();
            compare(engine.turnPlayer, 0);
        }
    }
}
