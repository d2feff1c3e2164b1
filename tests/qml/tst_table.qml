import QtQuick 2.6
import QtTest 1.2
import "."

// Following the table: the move log of every seat's actions, the keys of the choosers, and the pause.
Item {
    id: window
    width: 540
    height: 960

    InterfaceCase {
        name: "MoveLog"

        // The Ten of Hearts on the pile; seat 1 plays at Easy.
        function test_lines_data() {
            var resumed = "Game resumed where you left it";
            return [
                { tag: "a play, the computer draws", game: "H 9H 8B KB H 7B 8L KL AB TL D TH", steps: ["3_9"],
                  lines: [resumed, "You play the Nine of Hearts", "AI 1 draws a card"],
                  table: ["You played 9 of Hearts", "drew a card"] },
                { tag: "a Seven, the penalty taken", game: "H 7H 8B KB H 8L 9L KL AB TL D TH", steps: ["3_7"],
                  lines: [resumed, "You play the Seven of Hearts", "AI 1 draws 2 penalty cards"],
                  table: ["You played 7 of Hearts", "drew 2"] },
                { tag: "a penalty taken", game: "H 8B KB H 8L 9A KA AB TA D TH 7L/1 draw=2", steps: ["accept"],
                  lines: [resumed, "You draw 2 penalty cards", "AI 1 plays the Eight of Leaves"],
                  table: ["You drew 2", "played 8 of Leaves"] },
                { tag: "an Ace, the turn skipped", game: "H AH 8B KB H 8L 9L KL 7B TL D TH", steps: ["3_14"],
                  lines: [resumed, "You play the Ace of Hearts", "AI 1 skips a turn"],
                  table: ["You played Ace of Hearts", "skipped"] },
                { tag: "an Upper and a suit", game: "H UB 8B KB H 8A 9A KA 7B TA D TH", steps: ["0_12", "suit 1"],
                  lines: [resumed, "You play the Upper of Bells", "You asked for Leaves", "AI 1 draws a card"],
                  table: ["You played Upper of Bells · you asked for Leaves", "drew a card"] },
                { tag: "a Lower and a rank", game: "H LH 8B KB H 8A 9A 7A 7B TA D TH", steps: ["3_11", "rank 13"],
                  lines: [resumed, "You play the Lower of Hearts", "You asked for a King", "AI 1 draws a card"],
                  table: ["You played Lower of Hearts · you asked for a King", "drew a card"] },
                { tag: "declared", game: "H 9H 8B H 7B 8L KL AB TL D TH", steps: ["zavel", "3_9"],
                  lines: [resumed, "You say Zavél!", "You play the Nine of Hearts", "AI 1 draws a card"],
                  table: ["Zavél! · you played 9 of Hearts", "drew a card"] },
                { tag: "forgotten", game: "H 9H 8B H 7B 8L KL AB TL D TH", steps: ["3_9"],
                  lines: [resumed, "You play the Nine of Hearts",
                          "You forgot to say Zavél, so you draw 4 penalty cards", "AI 1 draws a card"],
                  table: ["You played 9 of Hearts · you forgot Zavél, drew 4", "drew a card"] },
                { tag: "the computer declares", game: "H 9B 8B H 8H KB D TH turn=1", steps: [],
                  lines: [resumed, "AI 1 says Zavél!", "AI 1 plays the Eight of Hearts"],
                  table: ["", "Zavél! · played 8 of Hearts"] },
                { tag: "the computer requests", game: "H 9B 8B H UB 8L 9L KL AL D TH turn=1", steps: [],
                  lines: [resumed, "AI 1 plays the Upper of Bells", "AI 1 asked for Leaves"],
                  table: ["", "played Upper of Bells · asked for Leaves"] },
                { tag: "the talon runs out",
                  game: "H KB KH 7B H 7L 7A 7H 8B 8H D 8L 8A 9B 9L 9H TB TL TA TH LB LL LA LH UB UL UA UH KL KA AB AL AA AH 9A",
                  steps: ["draw"], lines: [resumed, "The talon ran out: the discard pile is shuffled into a new talon",
                                           "You draw a card", "AI 1 plays the Seven of Acorns"],
                  table: ["You drew a card", "played 7 of Acorns"] },
                { tag: "the win", game: "H 9H H 7B 8L KL AB TL D TH", steps: ["3_9"],
                  lines: [resumed, "You play the Nine of Hearts", "You won the game!"],
                  table: ["You played 9 of Hearts · you won!", ""] }
            ];
        }

        // The exact lines a scripted game writes, the computer player's moves included, in order, and each seat's
        // last turn on the table: the player's under the headline, a computer player's on its seat.
        function test_lines(data) {
            launch(data.game);
            for (var i = 0; i < data.steps.length; ++i) {
                var words = data.steps[i].split(" ");
                waitForPlayer();
                if (["zavel", "draw", "accept"].indexOf(words[0]) >= 0)
                    click(words[0] + "Button");
                else if (words[0] === "suit" || words[0] === "rank")
                    click(words[0] + "Button_" + words[1]);
                else
                    tapCard(words[0]);
                waitIdle();
            }
            tryVerify(function() { return logTexts().length >= data.lines.length; }, 5000);
            waitForPlayer();
            compare(logTexts(), data.lines);
            compare([item("playerMove").text, findChild(item("seat_1"), "seatLastMove").text], data.table);
        }

        // A new deal starts the log anew; the log's page shows every line.
        function test_newDealAndPage() {
            launch("H 9H 8B KB H 7B 8L KL AB TL D TH");
            tapCard("3_9");
            waitForPlayer();
            app.startNewGame();
            waitIdle();
            compare(logTexts().length, 1);
            verify(/^New game with 2 players; the first card is the \w+ of \w+$/.test(logTexts()[0]), logTexts()[0]);
            mouseClick(item("infoPanel"));
            compare(app.openPage, "log");
            compare(item("logLine_0").text, logTexts()[0]);
        }
    }

    InterfaceCase {
        name: "Keys"

        function test_chooser_data() {
            return [
                { tag: "Seven by its digit", card: "3_11", key: "7", property: "requestedRank", value: 7 },
                { tag: "Ten by 0", card: "3_11", key: "0", property: "requestedRank", value: 10 },
                { tag: "Lower by its letter", card: "3_11", key: "l", property: "requestedRank", value: 11 },
                { tag: "Leaves by its letter", card: "0_12", key: "l", property: "requestedSuit", value: 1 },
                // Sent to the interface's key handler: the test's keyboard has no Á.
                { tag: "Hungarian: the Ace by Á", card: "3_11", key: Qt.Key_Aacute, text: "á", property: "requestedRank",
                  value: 14, hungarian: true },
                { tag: "Hungarian: the Lower by A", card: "3_11", key: "a", property: "requestedRank", value: 11,
                  hungarian: true },
                { tag: "Hungarian: Acorns by M", card: "0_12", key: "m", property: "requestedSuit", value: 2,
                  hungarian: true }
            ];
        }

        // Each choice answers to its own key, in the running language, and shows it once the keyboard is used.
        function test_chooser(data) {
            verify(testSupport.useHungarian(data.hungarian === true));
            // The computer waits, so that its answer cannot take the request away before it is read.
            launch("H UB LH 8B KB H 8A 9A KA 7B TA D TH", { delay: 60000 });
            tapCard(data.card);
            tryVerify(function() { return engine.needsSuitChoice || engine.needsRankChoice; }, 3000);
            // The choice counts once the played card has landed, as it does for a tap.
            waitForPlayer();
            if (data.text)
                app.handleKey({ key: data.key, text: data.text, accepted: false });
            else
                keyClick(data.key);
            compare(engine[data.property], data.value);
        }

        function test_keyHints() {
            launch("H UB LH 8B KB H 8A 9A KA 7B TA D TH");
            tapCard("3_11");
            waitShown("rankChooser");
            verify(!findChild(item("rankButton_10"), "keyHint").visible, "no hints for a player who taps");
            keyClick(Qt.Key_Right);
            var hint = findChild(item("rankButton_10"), "keyHint");
            verify(hint.visible);
            compare(findChild(item("rankButton_13"), "keyHint").children[0].text, "K");
        }
    }

    InterfaceCase {
        name: "Pause"

        function test_keysWait_data() {
            return [
                { tag: "draw", game: "H KB 8A H 8H 9H 9L D TL", key: "d" },
                { tag: "take a penalty", game: "H KB 8A H 8H 9H 9L D TL 7L/1 draw=2", key: "a" },
                { tag: "declare", game: "H 9L 8A H 8H 9H KH D TL", key: "z" },
                { tag: "play by number", game: "H 9L 8A 8B H 8H 9H KH D TL", key: "1" }
            ];
        }

        // While paused the table says so and no key acts; a tap anywhere on the table goes on, without
        // playing the card it landed on.
        function test_keysWait(data) {
            launch(data.game);
            click("pauseButton");
            compare(item("statusText").text, "Paused");
            verify(shown("pausedBanner"));
            var revision = engine.stateRevision;
            keyClick(data.key);
            compare([engine.stateRevision, engine.zavelArmed], [revision, false]);
            var hand = handIds();
            tapCard(hand[0]);
            compare([engine.paused, handIds(), engine.zavelArmed], [false, hand, false]);
            revision = engine.stateRevision;
            keyClick(data.key);
            verify(engine.stateRevision > revision, "the key acts once the game goes on");
        }
    }

    InterfaceCase {
        name: "Layers"

        function test_keysUnderLayers_data() {
            return [
                { tag: "the welcome", open: function() { app.preferences.welcomed = false; waitShown("welcome"); } },
                { tag: "the menu", open: function() { click("menuButton"); } },
                { tag: "the pace panel", open: function() { click("paceButton"); } },
                { tag: "a page", open: function() { app.showPage("rules"); } },
                { tag: "the question", open: function() { click("newGameButton"); waitShown("confirmNewGame"); } }
            ];
        }

        // While something covers the table the game's keys do nothing; Escape closes the top layer, and then
        // they act.
        function test_keysUnderLayers(data) {
            launch("H 9L 8A 8B H 8H 9H KH D TL");
            data.open();
            var revision = engine.stateRevision;
            keyClick("1");
            keyClick("p");
            compare([engine.stateRevision, engine.paused], [revision, false]);
            keyClick(Qt.Key_Escape);
            keyClick("1");
            verify(engine.stateRevision > revision, "the key acts once the layer is closed");
        }

        // A finished game cannot be paused, and a game that ends while paused shows its result.
        function test_noPauseOverAResult() {
            launch("H 9H H 7B 8L KL AB TL D TH");
            tapCard("3_9");
            engine.paused = true;
            waitShown("resultPanel");
            compare(engine.paused, false);
            verify(!item("pauseButton").enabled, "the pause button is off");
            keyClick("p");
            compare(engine.paused, false);
            click("paceButton");
            verify(!item("quickPauseSwitch").enabled, "the pace panel's pause is off");
        }
    }

    InterfaceCase {
        name: "Hints"

        // The welcome shows on the very first start only, and leads to the rules.
        function test_welcome() {
            launch("", { storage: "missing", firstRun: true });
            waitShown("welcome");
            click("firstRunRules");
            compare(app.openPage, "rules");
            click("rulesDone");
            compare(app.openPage, "");
            launch("", { keepStorage: true, firstRun: true });
            verify(!shown("welcome"));
        }

        function test_zavelHint_data() {
            return [
                { tag: "got it", button: "hintDismiss", hintsLeft: true },
                { tag: "no more hints", button: "hintsOff", hintsLeft: false }
            ];
        }

        // Holding two cards with one to play, before anything can be forgotten, the player is told once.
        function test_zavelHint(data) {
            var game = "H 9H 8B H 7B 8L KL AB TL D TH";
            launch(game, { preferences: { hintsEnabled: true } });
            verify(shown("zavelHint"));
            click(data.button);
            verify(!shown("zavelHint"));
            compare(app.preferences.hintsEnabled, data.hintsLeft);
            launch(game, { keepStorage: true });
            verify(!shown("zavelHint"), "once only");
        }
    }
}
