import QtQuick 2.6
import QtTest 1.2

// The table as the player sees it, from a crafted four-player game: the screenshots for people to look at,
// both layouts, and the marks on the opponents and on the playable cards.
Item {
    id: window
    width: 540
    height: 960

    ZavelTestCase {
        name: "Table"
        host: window

        // Hearts are requested over an Upper of Acorns; the player may play the three Hearts and the Upper of
        // Bells. The second computer player is down to one card.
        readonly property var game: ({
            players: 4,
            hands: [["3_7", "0_12", "3_13", "1_11", "2_8", "3_14"], ["0_7", "0_8", "1_12", "1_13", "2_10"],
                    ["1_14"], ["0_9", "2_11", "0_10"]],
            discard: ["1_10", "1_9", "2_9", "2_12"],
            requestedSuit: 3
        })

        function test_mainScreen() {
            launch(game);
            compare(engine.activePlayerCount, 4);
            compare(engine.lastEvent, "Game restored");
            compare(item("statusText").text, engine.status);
            compare(item("requestText").text, "Requested suit: Hearts");
            compare(item("seat_2").oneCard, true);
            verify(item("lastCardWarning").visible || findChild(item("seat_2"), "lastCardWarning").visible);

            var playable = ["3_7", "0_12", "3_13", "3_14"];
            var ids = handIds();
            for (var i = 0; i < ids.length; ++i) {
                var card = handCard(ids[i]);
                compare(card.playable, playable.indexOf(ids[i]) >= 0, ids[i] + " marked as the engine says");
                compare(card.shaded, playable.indexOf(ids[i]) < 0);
            }
            screenshot("main");
        }

        // The phone's window keeps its portrait shape when the device is turned; the interface turns inside it,
        // takes the landscape layout, and taps still find their cards.
        function test_deviceTurnedSideways() {
            launch(game);
            app.turn = 90;
            wait(100);
            verify(app.landscape);
            verify(item("table").landscape);
            compare(item("table").width, 960);
            compare(item("table").height, 540);
            var card = handCard("3_13");
            var corner = card.mapToItem(app, 0, 0);
            verify(corner.x < app.width / 2, "turned a quarter clockwise, the bottom of the table lies along the left edge");
            tapCard("3_13");
            compare(engine.visualPhase, 1, "the tapped card is played");
            tryCompare(engine, "visualPhase", 0, 2000);
            verify(playedByMe("3_13"));
        }

        function test_layouts_data() {
            return [
                { tag: "portrait phone", width: 540, height: 960, landscape: false },
                { tag: "landscape phone", width: 960, height: 540, landscape: true },
                { tag: "small desktop window", width: 420, height: 640, landscape: false },
                { tag: "wide desktop window", width: 1280, height: 720, landscape: true }
            ];
        }

        function test_layouts(data) {
            launch(game);
            app.width = data.width;
            app.height = data.height;
            wait(100);
            compare(app.landscape, data.landscape);
            // Everything the player needs lies inside the window.
            var names = ["hand", "talon", "discardPile", "infoPanel", "drawButton", "zavelButton", "seat_1",
                         "seat_3", "newGameButton", "settingsButton"];
            for (var i = 0; i < names.length; ++i) {
                var it = item(names[i]);
                var p = it.mapToItem(app, 0, 0);
                verify(p.x >= -1 && p.y >= -1 && p.x + it.width <= app.width + 1 && p.y + it.height <= app.height + 1,
                       names[i] + " inside " + data.width + "x" + data.height);
            }
            var ids = handIds();
            for (var k = 0; k < ids.length; ++k) {
                var card = handCard(ids[k]);
                var c = card.mapToItem(app, 0, 0);
                verify(c.x >= 0 && c.x + card.width <= app.width + 1, ids[k] + " fits across");
            }
            if (data.tag === "landscape phone")
                screenshot("landscape");
        }
    }
}
