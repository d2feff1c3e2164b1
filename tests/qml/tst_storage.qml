import QtQuick 2.6
import QtTest 1.2
import "."
import "../../qml/storage/statistics.js" as Stats

// What the interface keeps between runs: the player's preferences, the statistics and their counting rules,
// and a table that works whatever state the database is in.
Item {
    id: window
    width: 540
    height: 960

    InterfaceCase {
        name: "Preferences"

        // Everything the player sets survives closing the interface: the engine starts with it before it
        // restores the game, which keeps its own two players while the next game will have four.
        function test_surviveTwoLifetimes() {
            launch("H 8B 9B KH H 8H 9H D TA");
            showPage("settings");
            click("playerCount_2");
            item("playerNameField").text = "Cleo";
            click("difficulty2_0");
            click("difficulty1_4");
            // Further down the page: their signals, as a tap sends them.
            item("textSize_2").clicked();
            item("animationsSwitch").clicked();
            item("sortSwitch").clicked();
            app.preferences.aiPlayDelay = 1250;
            launch("", { keepStorage: true, delay: 1250 });
            compare([engine.playerCount, engine.playerName, engine.ai1Name, engine.ai2Difficulty, engine.aiPlayDelay,
                     engine.animationsEnabled, app.sortHand, app.preferences.textSize],
                    [4, "Cleo", "", 0, 1250, false, true, 2]);
            // The Expert is remembered and shown on its seat, while the engine plays the seat's level as Hard.
            compare([app.preferences.difficulties[1], engine.ai1Difficulty], [4, 3]);
            compare(findChild(item("seat_1"), "seatStrength").text, "Expert");
            compare(engine.activePlayerCount, 4, "the first deal uses them");
            app.preferences.playerCount = 3;
            launch("H 8B 9B KH H 8H 9H D TA", { keepStorage: true });
            compare([engine.playerCount, engine.activePlayerCount], [3, 2]);
            showPage("settings");
            compare(item("playerCountNote").text, "This game has 2 players; the next new game will have 3.");
        }

        // Each preference has one owner: the engine follows it, and nothing the engine does is written back.
        function test_toldOneWay() {
            launch("", { delay: null });
            app.preferences.aiPlayDelay = 900;
            app.preferences.setName(2, "Cleo");
            compare([engine.aiPlayDelay, engine.ai2Name], [900, "Cleo"]);
            engine.aiPlayDelay = 300;
            engine.ai2Name = "Dora";
            engine.playerCount = 3;
            compare([app.preferences.aiPlayDelay, app.preferences.names[2], app.preferences.playerCount],
                    [900, "Cleo", 2]);
        }

        // An unset name is the engine's own translated one; the field shows it as its placeholder.
        function test_defaultNamesTranslated() {
            verify(testSupport.useHungarian(true));
            launch("");
            compare(engine.playerName, "");
            compare(engine.participants[0].name, "Játékos");
            compare(engine.participants[1].name, "Gép 1");
            showPage("settings");
            compare(item("playerNameField").placeholder, "Játékos");
            close();
            verify(testSupport.useHungarian(false));
        }

        // A name field stops at its limit and says so.
        function test_nameLimit() {
            launch("");
            showPage("settings");
            var field = item("playerNameField");
            verify(!item("lengthLimitNote").visible);
            mouseClick(field);
            field.text = "Abcdefghijklmnopqrstuvwxyz and more";
            compare(engine.playerName.length, 24);
            verify(item("lengthLimitNote").visible);
        }

        // Values of another kind keep their defaults, one by one; values out of range are brought within it.
        function test_storedValuesChecked() {
            launch("", { delay: null, preferences: { playerCount: 9, names: ["A", "B"], difficulties: [1, 0, 7, 0],
                                                     aiPlayDelay: -5, sortHand: "yes", textSize: 1 } });
            compare([engine.playerCount, engine.ai1Name, engine.ai1Difficulty, engine.ai2Difficulty, engine.aiPlayDelay,
                     app.sortHand, app.preferences.textSize], [4, "", 0, 3, 0, false, 1]);
        }
    }

    InterfaceCase {
        name: "Storage"

        function test_hostile_data() {
            return [
                { tag: "missing", kind: "missing", warns: false },
                { tag: "corrupt", kind: "corrupt", warns: false, replaced: true },
                { tag: "newer version", kind: "newer", warns: true },
                { tag: "read-only", kind: "readonly", warns: true, keeps: true },
                { tag: "locked", kind: "locked", warns: true }
            ];
        }

        // A database the interface cannot use gives the defaults at once, one warning line, a working table
        // and an autosave that is restored as it was. What could be read is never overwritten; a file that is
        // not a database at all is kept aside and a fresh one made, so that the settings are kept again.
        function test_hostile(data) {
            var game = "H 8B 9B KH H 8H 9H D TB";
            var started = Date.now();
            launch(game, { storage: data.kind, preferences: { playerCount: 4, names: ["Cleo", "", "", ""] } });
            verify(Date.now() - started < 3000, "the interface did not wait for the database");
            compare(engine.playerCount, data.keeps ? 4 : 2);
            compare(engine.playerName, data.keeps ? "Cleo" : "");
            compare(handIds(), ["0_8", "0_9", "3_13"], "the autosave's game");
            tapCard("0_8");
            waitIdle();
            verify(engine.discardCards.some(function(card) { return card.id === "0_8" && card.playedBy === 0; }),
                   "the game goes on");
            app.preferences.playerCount = 3;
            app.preferences.flush();
            var warnings = testSupport.takeWarnings();
            compare(warnings.length, data.warns ? 1 : 0, warnings.join("\n"));
            if (data.warns)
                verify(warnings[0].indexOf("[harbour-zavel]") >= 0, warnings[0]);
            storageSupport.release();
            var kept = storageSupport.rows("preferences");
            if (data.kind === "missing" || data.replaced)
                verify(kept.indexOf("playerCount=3") >= 0, "written: " + kept);
            else
                verify(kept.indexOf("playerCount=4") >= 0, "not overwritten: " + kept);
            compare(storageSupport.movedAside().length, data.replaced ? 1 : 0, "the damaged file is kept aside");
            // The player is told, on the settings and the statistics, whenever they are not kept as they were.
            showPage("settings");
            compare(item("storageNotice").visible, data.kind !== "missing");
        }
    }

    InterfaceCase {
        name: "Statistics"

        function result(outcome, players, levels) {
            return { outcome: outcome, players: players, finished: "2026-12-01T10:00:00Z", winner: "",
                     opponents: (levels || []).map(function(level, i) { return { seat: i + 1, name: "", level: level }; }) };
        }

        // Each game counts under its strongest opponent, the Expert above the others, then by code.
        function test_byStrongest() {
            var results = [result("won", 3, [1, 4]), result("lost", 2, [3]), result("won", 4, [0, 2, 3]),
                           result("abandoned", 2, [4]), result("lost", 2, [4])];
            compare(Stats.summarize(results).byStrongest.map(function(s) {
                return [s.level, s.tally.played, s.tally.won, s.tally.rate];
            }), [[4, 2, 1, 50], [3, 2, 1, 50]]);
        }

        function test_counting_data() {
            return [
                { tag: "nothing yet", outcomes: [], overall: [0, 0, -1, 0, 0], four: [0, 0, -1, 0, 0], abandoned: 0 },
                { tag: "a win and a loss", outcomes: ["won 4", "lost 4"], overall: [2, 1, 50, 0, 1],
                  four: [2, 1, 50, 0, 1], abandoned: 0 },
                { tag: "streaks", outcomes: ["won 2", "won 3", "lost 2", "won 2", "won 4", "won 2"],
                  overall: [6, 5, 83, 3, 3], four: [1, 1, 100, 1, 1], abandoned: 0 },
                { tag: "nothing with four", outcomes: ["won 2"], overall: [1, 1, 100, 1, 1], four: [0, 0, -1, 0, 0],
                  abandoned: 0 },
                { tag: "abandoned apart, ending a streak", outcomes: ["won 4", "abandoned 4", "won 4"],
                  overall: [2, 2, 100, 1, 1], four: [2, 2, 100, 1, 1], abandoned: 1 },
                { tag: "per player count", outcomes: ["won 2", "lost 3", "won 4", "lost 4"],
                  overall: [4, 2, 50, 0, 1], four: [2, 1, 50, 0, 1], abandoned: 0 }
            ];
        }

        function test_counting(data) {
            var results = data.outcomes.map(function(o) { return result(o.split(" ")[0], parseInt(o.split(" ")[1])); });
            var summary = Stats.summarize(results);
            var figures = function(t) { return [t.played, t.won, t.rate, t.streak, t.best]; };
            compare(figures(summary.overall), data.overall);
            compare(figures(summary.byPlayers[2]), data.four);
            compare(summary.abandoned, data.abandoned);
            compare(summary.recent.length, Math.min(10, results.length));
        }

        function test_lastTenNewestFirst() {
            var results = [];
            for (var i = 0; i < 12; ++i)
                results.push(result(i % 2 ? "won" : "lost", 2 + i % 3));
            var recent = Stats.summarize(results).recent;
            compare(recent.length, 10);
            compare([recent[0].players, recent[9].players], [results[11].players, results[2].players]);
        }

        // A game counts once, just after the move that ends it; a new deal that comes sooner counts it first.
        function test_liveWin_data() {
            return [{ tag: "then the table settles", dealAtOnce: false },
                    { tag: "then a new deal at once", dealAtOnce: true }];
        }

        function test_liveWin(data) {
            launch("H 9H UA H 8B 8L 9B 9L TA D TH");
            click("zavelButton");
            tapCard("3_9");
            waitForPlayer();
            tapCard("2_12");
            tryCompare(engine, "winnerPlayer", 0, 3000);
            if (data.dealAtOnce) {
                app.statistics.recorder.stop();
                app.requestNewGame();
                compare(engine.winnerPlayer, -1);
            }
            tryVerify(function() { return app.statistics.results.length === 1; }, 3000, "the game is counted");
            compare(app.statistics.results.map(function(r) { return [r.outcome, r.players, r.winner]; }),
                    [["won", 2, "Player"]]);
            compare(app.statistics.results[0].opponents, [{ seat: 1, name: "", level: 1 }], "a default name kept as such");
            compare(storageSupport.rows("results"), ["won"]);
        }

        // A finished game in the autosave that was never counted (the app closed as it ended) counts at the
        // next start, and never again, not even after a reset; a fresh or untouched deal is not a game; a game
        // left for a new deal is abandoned.
        function test_restartsResetsAndNewGames() {
            launch("H H 8H D TA 9A/0 win=0");
            compare(storageSupport.rows("results"), ["won"]);
            launch("", { keepGame: true, keepStorage: true });
            compare(storageSupport.rows("results"), ["won"]);
            showPage("statistics");
            click("statisticsReset");
            click("confirmYes");
            compare(app.statistics.results.length, 0);
            launch("", { keepGame: true, keepStorage: true });
            compare(storageSupport.rows("results"), []);
            click("resultNewGame");
            waitIdle();
            app.requestNewGame();
            click("confirmYes");
            waitIdle();
            compare(storageSupport.rows("results"), [], "an untouched deal is no game");
            launch("H KL 9B UA LH 8B H 7B 7L TA 8H KA D TH 9H", { keepStorage: true });
            tapCard("0_9");
            waitIdle();
            app.requestNewGame();
            click("confirmYes");
            compare(storageSupport.rows("results"), ["abandoned"]);
            compare(app.statistics.summary.abandoned, 1);
            compare(app.statistics.summary.overall.played, 0);
        }
    }
}
