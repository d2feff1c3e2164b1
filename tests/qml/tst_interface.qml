import QtQuick 2.6
import QtTest 1.2
import "."

// Plays the real interface by tapping as a person would. The interface must answer every animation well before
// the engine's watchdog (5 s for a flight, 9 s otherwise) would, and leave no warning behind.
Item {
    id: window
    width: 540
    height: 960

    InterfaceCase {
        name: "Interface"

        // Nine of Hearts on the pile: the King of Leaves does not fit, the rest of the hand does.
        readonly property string simpleGame: "H KL 9B UA LH 8B H 7B 7L TA 8H KA D TH 9H"

        // The sum of the hand's opacities: a card still on its way from the talon does not show.
        function shownCards() {
            return handIds().reduce(function(sum, id) { return sum + item("handCard_" + id).opacity; }, 0);
        }

        function playedByMe(cardId) {
            return engine.discardCards.some(function(card) { return card.id === cardId && card.playedBy === 0; });
        }

        // Six cards on the pile: the table shows the top ones, the card just played last.
        function test_tapPlaysOrExplains() {
            launch("H KL 9B UA LH 8B H 7B 7L TA 8H KA D AB AL AA UB TH 9H", { delay: 60000 });
            tapCard("1_13");
            compare(item("lastEventText").text, "Match the suit or rank of the top card");
            compare(handIds().length, 5, "nothing was played");
            tapCard("0_9");
            compare(engine.visualPhase, 1, "the card is in the air");
            compare(item("discardTop").cardId, "3_9", "the pile shows the card when it lands");
            waitIdle();
            verify(playedByMe("0_9"));
            compare(item("discardTop").cardId, "0_9");
            verify(findChild(app, "handCard_0_9") === null, "the card left the hand");
        }

        function test_choice_data() {
            return [
                { tag: "suit after an Upper", card: "2_12", chooser: "suitChooser", button: "suitButton_1",
                  property: "requestedSuit", value: 1, text: "Requested suit: Leaves" },
                { tag: "rank after a Lower", card: "3_11", chooser: "rankChooser", button: "rankButton_14",
                  property: "requestedRank", value: 14, text: "Requested rank: Ace" }
            ];
        }

        // Sorted, the cards are shown in another order than the engine's; a tap still names the right card.
        function test_choice(data) {
            launch(simpleGame);
            app.sortHand = true;
            wait(300);
            tapCard(data.card);
            waitShown(data.chooser);
            verify(playedByMe(data.card));
            click(data.button);
            compare(engine[data.property], data.value);
            compare(item("requestText").text, data.text);
        }

        // The four penalty cards of a forgotten declaration are in the engine's hand at once, but show only
        // when the draw that follows the flight brings them.
        function test_forgottenDeclaration() {
            launch("H 9H KH H 8B 8L 9B 9L TA D TH");
            tapCard("3_9");
            compare(engine.lastEvent, "You forgot Zavél — four penalty cards");
            compare(shownCards(), 1);
            tryCompare(engine, "visualPhase", 2, 4000);
            waitIdle();
            compare(shownCards(), 5);
        }

        // Declared before going down to one card, the player wins with the Upper; a finished game is dealt
        // anew without a question. The result panel, kept from game to game, tells the next game's result.
        function test_declareAndWin() {
            launch("H 9H UA H 8B 8L 9B 9L TA D TH");
            click("zavelButton");
            tapCard("3_9");
            waitForPlayer();
            compare(handIds(), ["2_12"], "no penalty after a declaration");
            tapCard("2_12");
            waitShown("resultPanel");
            compare(item("resultText").text, "You won!");
            compare(item("resultCardsLeft").text, "AI 1: 4 cards left");
            click("resultNewGame");
            verify(!shown("confirmNewGame"));
            waitIdle();
            compare(shownCards(), 5);
            verify(!shown("resultPanel"));

            verify(testSupport.writeGame("H 8L H D TA 9A/1 win=1"));
            engine.start();
            waitShown("resultPanel");
            compare(item("resultText").text, "AI 1 won the game");
        }

        // Switched off, the engine ends the flight itself: nothing stays in the air or hidden, and play goes on.
        function test_animationsOffDuringAFlight() {
            launch(simpleGame, { timeScale: 4 });
            engine.aiPlayDelay = 5000;
            tapCard("0_9");
            compare(engine.visualPhase, 1);
            click("paceButton");
            click("quickAnimationsSwitch");
            compare(engine.animationsEnabled, false);
            compare(item("flights").flying, 0);
            compare(item("discardTop").cardId, "0_9");
            click("quickClose");
            engine.aiPlayDelay = 20;
            waitForPlayer();
            compare(shownCards(), 4);
        }

        // A deal shows each card where it lands: until then a seat does not count it, the talon still holds it and
        // the hand leaves it out.
        function test_cardsInTheAir() {
            launch(simpleGame, { timeScale: 1 });
            engine.newGame();
            var seat = item("seat_1"), talon = item("talon");
            compare([seat.cardCount, talon.count, shownCards()], [0, engine.deckSize + 10, 0]);
            tryVerify(function() { return seat.cardCount > 0; }, 4000);
            verify(seat.cardCount < 5 && engine.visualPhase === 3, "the seat counts its cards as they land");
            tryCompare(seat, "cardCount", 5, 4000);
            compare([talon.count, shownCards()], [engine.deckSize, 5]);
        }

        // Seventeen cards take two rows: each card is hit where its own corner shows, and its index stays in sight.
        function test_bigHand() {
            launch("H 7B 8B 9B TB LB KB AB 7L 8L 9L TL LL KL AL 7A 8A 9A H 8H 9H D TA");
            var hand = item("hand");
            compare([handIds().length, hand.twoRows], [17, true]);
            verify(hand.spacing >= 0.3 * hand.cardWidth && hand.rowOffset >= 0.3 * hand.cardHeight, "the corners show");
            handIds().forEach(function(id) {
                var card = item("handCard_" + id);
                var p = card.mapToItem(hand, card.tapX, card.tapY);
                compare(hand.childAt(p.x, p.y), card, id + " is hit where it is tapped");
            });
        }

        function test_dragToThePile_data() {
            return [
                { tag: "a fitting card onto the pile", card: "0_9", onPile: true, played: true },
                { tag: "a fitting card elsewhere", card: "0_9", onPile: false, played: false },
                { tag: "a card that does not fit", card: "1_13", onPile: true, played: false,
                  explained: "Match the suit or rank of the top card" }
            ];
        }

        // Let go over the pile, a card is played, or explained, as a tap would; let go elsewhere, nothing happens.
        function test_dragToThePile(data) {
            launch(simpleGame, { delay: 60000 });
            var card = item("handCard_" + data.card);
            var hand = item("hand");
            var pile = item("discardPile");
            // In the hand's coordinates, which the moving card does not change.
            var start = card.mapToItem(hand, card.tapX, card.tapY);
            var target = data.onPile ? pile.mapToItem(hand, pile.width / 2, pile.height / 2)
                                     : { x: start.x, y: start.y - card.height };
            mousePress(hand, start.x, start.y);
            mouseMove(hand, (start.x + target.x) / 2, (start.y + target.y) / 2, -1, Qt.LeftButton);
            mouseMove(hand, target.x, target.y, -1, Qt.LeftButton);
            mouseRelease(hand, target.x, target.y);
            compare(playedByMe(data.card), data.played);
            compare(item("lastEventText").visible ? item("lastEventText").text : "", data.explained || "");
        }

        // Sounds are made when first played; without an audio device (as here) the game goes on all the same,
        // and with sounds off none is even made.
        function test_soundsWithoutAudio_data() {
            return [{ tag: "sounds on", on: true }, { tag: "sounds off", on: false }];
        }

        function test_soundsWithoutAudio(data) {
            launch(simpleGame, { preferences: { soundsEnabled: data.on } });
            var sounds = item("sounds");
            compare(sounds.effects.play, undefined, "nothing made before the first sound");
            tapCard("0_9");
            waitForPlayer();
            verify(playedByMe("0_9"));
            compare(sounds.effects.play !== undefined, data.on);
        }

        function test_hint_data() {
            return [
                { tag: "a card or the penalty", game: "H 8B KB KH 9L TA 7H H 8H 9H UB 7L D TH 7A/1 draw=2",
                  marked: function(hint) {
                      return hint.kind === "accept" ? item("acceptButton").hinted
                                                    : findChild(item("hand"), "handCard_3_7").hinted;
                  } },
                { tag: "Zavél! first", game: "H 9H 8B H 7B 8L KL AB TL D TH",
                  marked: function(hint) { return hint.kind === "zavel" && item("zavelButton").hinted; } },
                { tag: "by its key, a suit in the chooser", game: "H UB 8B KB 9H H 8A 9A KA 7B TA D TH", key: true,
                  upper: true,
                  marked: function(hint) { return hint.kind === "suit" && item("suitButton_" + hint.choice).hinted; } }
            ];
        }

        // The hint asks the Expert what the player should do now and marks it: a legal action, and nothing in the
        // game changes until the player acts.
        function test_hint(data) {
            launch(data.game, { delay: 60000, preferences: { hintsEnabled: true, zavelHintShown: true } });
            if (data.upper) {
                tapCard("0_12");
                waitShown("suitChooser");
                waitForPlayer();
            }
            var revision = engine.stateRevision;
            if (data.key)
                app.handleKey({ key: Qt.Key_Question, text: "?", accepted: false });
            else
                click("hintButton");
            tryVerify(function() { return app.table.hint.kind !== undefined; }, 3000, "a hint comes");
            verify(data.marked(app.table.hint), "marked: " + JSON.stringify(app.table.hint));
            compare(engine.stateRevision, revision, "the game did not change");
        }

        // With the option, the first tap selects the card and only the second plays it.
        function test_tapToSelect() {
            launch(simpleGame, { delay: 60000, preferences: { tapToSelect: true } });
            tapCard("0_9");
            verify(item("handCard_0_9").selected, "selected");
            verify(!playedByMe("0_9"), "not played yet");
            tapCard("0_9");
            verify(playedByMe("0_9"));
        }
    }
}
