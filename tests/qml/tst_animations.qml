import QtQuick 2.6
import QtTest 1.2

// The animation handshake seen from the table: every request is answered by the interface well before the
// engine's watchdog would step in, nothing shows up before its card lands, and switching animations off in
// the middle of a flight leaves nothing stuck or half drawn.
Item {
    id: window
    width: 540
    height: 960

    ZavelTestCase {
        name: "Animations"
        host: window

        readonly property var game: ({
            hands: [["1_13", "0_9", "2_12", "0_8"], ["0_7", "1_7", "2_10", "3_8", "2_13"]],
            discard: ["3_10", "3_9"]
        })

        function test_dealIsShownAndAnswered() {
            launch(null, { animationTimeScale: 1 });
            // A fresh start deals with animations; the hand appears card by card.
            engine.newGame();
            compare(engine.visualPhase, 3);
            var flights = item("flights");
            tryVerify(function() { return flights.flying > 0; }, 500, "cards fly from the talon");
            var shown = 0;
            var ids = handIds();
            for (var i = 0; i < ids.length; ++i)
                shown += handCard(ids[i]).opacity;
            verify(shown < ids.length, "not every dealt card is shown before it lands");
            verify(item("talon").count > engine.deckSize, "cards in the air still count on the talon");
            // The deal takes about a second; the watchdog would take nine.
            tryCompare(engine, "visualPhase", 0, 4000);
            compare(flights.flying, 0);
            compare(item("talon").count, engine.deckSize);
        }

        function test_playedCardIsHiddenOnThePileUntilItLands() {
            launch(game, { animationTimeScale: 1 });
            // The computer waits, so that the pile shows the player's card when the flight is over.
            engine.aiPlayDelay = 5000;
            tapCard("0_9");
            compare(engine.visualPhase, 1);
            compare(topOfPile(), "0_9", "the engine has played the card");
            compare(item("flights").flying, 1);
            compare(item("discardPile").topCard.id, "3_9", "the pile shows the card only when it lands");
            tryCompare(engine, "visualPhase", 0, 2000);
            compare(item("discardPile").topCard.id, "0_9");
        }

        function test_switchingAnimationsOffDuringAFlight_data() {
            return [
                { tag: "from the pace panel", panel: true },
                { tag: "from the settings page", panel: false }
            ];
        }

        function test_switchingAnimationsOffDuringAFlight(data) {
            launch(game, { animationTimeScale: 4 });
            engine.aiPlayDelay = 5000;
            tapCard("0_9");
            compare(engine.visualPhase, 1, "the card is in the air");
            if (data.panel) {
                click("paceButton");
                click("quickAnimationsSwitch");
            } else {
                click("settingsButton");
                click("animationsSwitch");
            }
            compare(engine.animationsEnabled, false);
            // The engine ended the flight itself; nothing is left in the air or hidden.
            compare(item("flights").flying, 0);
            compare(item("discardPile").topCard.id, "0_9");
            if (data.panel)
                click("quickClose");
            else
                click("settingsDone");
            // Play goes on without animations: the computer answers and it is the player's turn again.
            engine.aiPlayDelay = 20;
            waitForPlayer(3000);
            compare(engine.visualPhase, 0);
            var ids = handIds();
            for (var i = 0; i < ids.length; ++i)
                compare(handCard(ids[i]).opacity, 1);
        }

        function test_withoutAnimationsNothingWaitsForTheInterface() {
            launch(game);
            engine.animationsEnabled = false;
            tapCard("0_9");
            compare(item("flights").flying, 0, "nothing flies");
            waitForPlayer(3000);
            engine.newGame();
            compare(item("flights").flying, 0);
            tryCompare(engine, "visualPhase", 0, 500);
            compare(handIds().length, 5);
            // Switched on again, the next move is animated and answered.
            engine.animationsEnabled = true;
            var ids = handIds();
            var played = false;
            for (var i = 0; i < ids.length && !played; ++i) {
                if (handCard(ids[i]).playable) {
                    tapCard(ids[i]);
                    played = true;
                }
            }
            if (!played)
                click("drawButton");
            verify(item("flights").flying > 0 || engine.visualPhase === 2, "the move is animated");
            tryCompare(engine, "visualPhase", 0, 2000);
        }

        function test_newGameDuringAFlight() {
            launch(game, { animationTimeScale: 2 });
            tapCard("0_9");
            compare(engine.visualPhase, 1);
            click("newGameButton");
            click("confirmYes");
            compare(engine.visualPhase, 3, "the deal replaces the flight");
            tryCompare(engine, "visualPhase", 0, 6000);
            compare(item("flights").flying, 0);
            compare(handIds().length, 5);
            for (var i = 0; i < 5; ++i)
                compare(handCard(handIds()[i]).opacity, 1);
        }
    }
}
