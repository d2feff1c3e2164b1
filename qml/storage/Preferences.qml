import QtQuick 2.6

// What the player chose, kept across runs: the players and their strength for new games, the pace, and every
// view option of the interface. The defaults are those of a first start. Each stored value is checked on
// loading; one that does not fit keeps its default. Changes are written shortly after they are made (a slider
// drag makes one write, not fifty) and at the latest when the interface closes.
//
// Names are stored as typed; an empty name means the engine's own, translated name ("Player", "AI 1" …).
QtObject {
    id: preferences

    property Store store

    property int playerCount: 2
    property var names: ["", "", "", ""]
    // The strength of seats 1 to 3 (index 0 unused), as the engine's codes 0 Random to 3 Hard.
    property var difficulties: [1, 1, 2, 3]
    property int aiPlayDelay: 650
    property bool animationsEnabled: true
    property bool sortHand: false
    // 0 normal, 1 large, 2 largest: an index into Theme.textScales.
    property int textSize: 0
    // Whether the welcome has been seen, whether hints are shown at all, and whether the Zavél! hint was.
    property bool welcomed: false
    property bool hintsEnabled: true
    property bool zavelHintShown: false

    readonly property int maximumNameLength: 24

    // Each key with the test its stored value must pass.
    readonly property var checks: ({
        playerCount: function(v) { return v === 2 || v === 3 || v === 4; },
        names: function(v) {
            return isList(v, 4) && v.every(function(n) {
                return typeof n === "string" && n.length <= maximumNameLength;
            });
        },
        difficulties: function(v) {
            return isList(v, 4) && v.every(function(d) { return d === Math.floor(d) && d >= 0 && d <= 3; });
        },
        aiPlayDelay: function(v) { return v === Math.floor(v) && v >= 0 && v <= 10000; },
        animationsEnabled: isBool,
        sortHand: isBool,
        textSize: function(v) { return v === 0 || v === 1 || v === 2; },
        welcomed: isBool,
        hintsEnabled: isBool,
        zavelHintShown: isBool
    })

    // Nothing is written before the stored values have been read: until then every change is a default.
    property bool loading: true
    property Timer saveTimer: Timer {
        interval: 300
        onTriggered: preferences.save()
    }

    function isBool(v) {
        return typeof v === "boolean";
    }

    function isList(v, length) {
        return Array.isArray(v) && v.length === length;
    }

    // Reads what was stored; keys that are missing or do not fit keep their defaults.
    function load() {
        loading = true;
        var rows = store.select("SELECT key, value FROM preferences") || [];
        for (var i = 0; i < rows.length; ++i) {
            var key = rows[i].key;
            var value;
            try {
                value = JSON.parse(rows[i].value);
            } catch (e) {
                continue;
            }
            if (checks.hasOwnProperty(key) && checks[key](value))
                preferences[key] = value;
        }
        loading = false;
    }

    // Called on every change; the write follows once the changes have settled.
    function changed() {
        if (!loading)
            saveTimer.restart();
    }

    function save() {
        saveTimer.stop();
        var statements = [];
        for (var key in checks)
            statements.push(["INSERT OR REPLACE INTO preferences(key, value) VALUES(?, ?)",
                             [key, JSON.stringify(preferences[key])]]);
        store.run(statements);
    }

    // A pending write goes out now, for example because the interface closes.
    function flush() {
        if (saveTimer.running)
            save();
    }

    // The engine starts with these before it restores or deals a game.
    function applyTo(engine) {
        loading = true;
        engine.playerCount = playerCount;
        engine.playerName = names[0];
        engine.ai1Name = names[1];
        engine.ai2Name = names[2];
        engine.ai3Name = names[3];
        engine.ai1Difficulty = difficulties[1];
        engine.ai2Difficulty = difficulties[2];
        engine.ai3Difficulty = difficulties[3];
        engine.aiPlayDelay = aiPlayDelay;
        engine.animationsEnabled = animationsEnabled;
        loading = false;
    }

    // The engine's settings as the player changed them.
    function takeFrom(engine) {
        if (loading)
            return;
        playerCount = engine.playerCount;
        names = [engine.playerName, engine.ai1Name, engine.ai2Name, engine.ai3Name];
        difficulties = [1, engine.ai1Difficulty, engine.ai2Difficulty, engine.ai3Difficulty];
        aiPlayDelay = engine.aiPlayDelay;
        animationsEnabled = engine.animationsEnabled;
    }

    onPlayerCountChanged: changed()
    onNamesChanged: changed()
    onDifficultiesChanged: changed()
    onAiPlayDelayChanged: changed()
    onAnimationsEnabledChanged: changed()
    onSortHandChanged: changed()
    onTextSizeChanged: changed()
    onWelcomedChanged: changed()
    onHintsEnabledChanged: changed()
    onZavelHintShownChanged: changed()
}
