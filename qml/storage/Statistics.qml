import QtQuick 2.6
import harbour.zavel 1.0
import "statistics.js" as Stats

// The results of the games played on this device. A game counts once when it ends, whether the end is seen
// live or in a restored game that ended before it could be counted (the app closed at that moment); a
// restored game that was counted already is recognised by its identity (the journal's gameId), which survives a
// reset of the results. A game left unfinished for a new deal counts as abandoned, unless nobody had acted in it
// yet.
QtObject {
    id: statistics

    property Store store
    // Watched for a game that has ended.
    property GameEngine engine: null
    // Who played and whether anybody acted: the game's identity, and the seats' names.
    property MoveJournal journal
    property SeatModel seats
    // The names and strengths the player chose, kept with each result as chosen.
    property QtObject preferences
    // Oldest first; the in-memory list goes on counting when the store is unusable.
    property var results: []
    property string lastCounted: ""
    readonly property var summary: Stats.summarize(results)

    function load() {
        var rows = store.select("SELECT finished, players, outcome, winner, opponents FROM results ORDER BY id");
        var meta = store.select("SELECT value FROM meta WHERE key = 'lastCounted'");
        if (rows === null || meta === null)
            return;
        var loaded = [];
        for (var i = 0; i < rows.length; ++i) {
            var opponents;
            try {
                opponents = JSON.parse(rows[i].opponents);
            } catch (e) {
                opponents = [];
            }
            loaded.push({ finished: rows[i].finished, players: rows[i].players, outcome: rows[i].outcome,
                          winner: rows[i].winner || "", opponents: Array.isArray(opponents) ? opponents : [] });
        }
        results = loaded;
        lastCounted = meta.length > 0 ? meta[0].value : "";
    }

    // A name the player left as the engine's own is kept empty, to be shown in the language of the day.
    function opponentsOf() {
        var list = [];
        for (var seat = 1; seat < seats.count; ++seat) {
            list.push({ seat: seat, name: preferences.names[seat].trim().length > 0 ? seats.name(seat) : "",
                        level: preferences.difficulties[seat] });
        }
        return list;
    }

    function record(result, identity) {
        var statements = [["INSERT INTO results(finished, players, outcome, winner, opponents, fingerprint) "
                           + "VALUES(?, ?, ?, ?, ?, ?)",
                           [result.finished, result.players, result.outcome, result.winner,
                            JSON.stringify(result.opponents), identity]]];
        if (result.outcome !== "abandoned")
            statements.push(["INSERT OR REPLACE INTO meta(key, value) VALUES('lastCounted', ?)", [identity]]);
        store.run(statements);
        results = results.concat([result]);
    }

    function resultOf(outcome) {
        var winner = engine.winnerPlayer;
        return { finished: new Date().toISOString(), players: seats.count, outcome: outcome,
                 winner: winner >= 0 ? seats.name(winner) : "", opponents: opponentsOf() };
    }

    // A game that has ended is counted just after the move that ended it, from the event loop, so that the write
    // is not part of that move; the finished game stays on the table until the next deal, which counts it first
    // if it comes sooner.
    function observe() {
        if (engine.winnerPlayer >= 0)
            recorder.restart();
    }

    property QtObject observed: null

    function follow() {
        if (engine === null || engine === observed)
            return;
        observed = engine;
        engine.stateChanged.connect(observe);
    }

    onEngineChanged: follow()
    Component.onCompleted: follow()

    // Counts the finished game on the table, unless it was counted already.
    function count() {
        recorder.stop();
        if (engine.winnerPlayer < 0 || journal.gameId === lastCounted)
            return;
        lastCounted = journal.gameId;
        record(resultOf(engine.winnerPlayer === 0 ? "won" : "lost"), journal.gameId);
    }

    // Called just before a new deal replaces the running game.
    function abandon() {
        if (engine.winnerPlayer >= 0)
            count();
        else if (!journal.untouched)
            record(resultOf("abandoned"), journal.gameId);
    }

    property Timer recorder: Timer {
        interval: 0
        onTriggered: statistics.count()
    }

    // Forgets every result; the last counted game stays known, so that it is not counted again.
    function reset() {
        store.run([["DELETE FROM results"]]);
        results = [];
    }
}
