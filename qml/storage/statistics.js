.pragma library

// The counting rules of the statistics, on plain lists, apart from the storage.
//
// A result is { finished: ISO time, players: 2..4, outcome: "won" | "lost" | "abandoned", winner: name,
// opponents: [{ seat, name, level }] }, and a list of results is oldest first. An opponent's name is "" where the
// player left the engine's own name, which is shown in the language of the day; its level is 0 Random to 3 Hard,
// or 4 the Expert. Played and won games count; an
// abandoned game (left unfinished for a new deal) is counted apart and is not a loss, but it ends a winning
// streak: a streak is the wins in a row, and abandoning a game is not winning it.

// Played, won, the win rate in percent (-1 without games), the current and the best winning streak.
function tally(results) {
    var t = { played: 0, won: 0, rate: -1, streak: 0, best: 0 };
    for (var i = 0; i < results.length; ++i) {
        var outcome = results[i].outcome;
        if (outcome === "won") {
            t.played += 1;
            t.won += 1;
            t.streak += 1;
            t.best = Math.max(t.best, t.streak);
        } else {
            t.played += outcome === "lost" ? 1 : 0;
            t.streak = 0;
        }
    }
    t.rate = t.played > 0 ? Math.round(100 * t.won / t.played) : -1;
    return t;
}

function withPlayers(results, players) {
    return results.filter(function(r) { return r.players === players; });
}

// The level of the strongest opponent of a game: the Expert above the others, then by code.
function strongest(result) {
    return result.opponents.reduce(function(top, o) { return Math.max(top, o.level); }, -1);
}

// The tally of the games against each strongest level met, the strongest first: [{ level, tally }].
function byStrongest(results) {
    var levels = [];
    results.forEach(function(r) {
        var level = strongest(r);
        if (level >= 0 && levels.indexOf(level) < 0)
            levels.push(level);
    });
    levels.sort(function(a, b) { return b - a; });
    return levels.map(function(level) {
        return { level: level, tally: tally(results.filter(function(r) { return strongest(r) === level; })) };
    });
}

// Everything the statistics page shows: the tally of all games, of each player count and of each strongest
// opponent, the number of abandoned games, and the last ten results, newest first.
function summarize(results) {
    var abandoned = results.filter(function(r) { return r.outcome === "abandoned"; }).length;
    return {
        overall: tally(results),
        byPlayers: [tally(withPlayers(results, 2)), tally(withPlayers(results, 3)), tally(withPlayers(results, 4))],
        byStrongest: byStrongest(results),
        abandoned: abandoned,
        recent: results.slice(Math.max(0, results.length - 10)).reverse()
    };
}
