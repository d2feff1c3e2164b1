import QtQuick 2.6

// What the player chose, kept across runs: the players and their strength for new games, the pace, and every
// view option of the interface. This is the one place each of them lives: its default (a first start's), its
// limits, its stored value. The engine is told the values it plays by, in one direction: every control writes
// here, never to the engine. A stored value of the wrong kind keeps its default; one out of range is brought
// within it. Changes are written shortly after they are made (a slider drag makes one write, not fifty) and at
// the latest when the interface closes.
//
// Names are stored as typed; an empty name means the engine's own, translated name ("Player", "AI 1" …).
QtObject {
    id: preferences

    property Store store
    // Told playerCount, the names, the strengths, the delay and the animation switch whenever they change.
    property QtObject engine: null

    property int playerCount: 2
    property var names: ["", "", "", ""]
    // The strength of seats 1 to 3 (index 0 unused): the engine's codes 0 Random to 3 Hard, and 4 the Expert, for
    // which the engine is told Hard while the Expert decides.
    property var difficulties: [1, 1, 2, 3]
    readonly property int expertLevel: 4
    property int aiPlayDelay: 650
    property bool animationsEnabled: true
    property bool sortHand: false
    // A first tap on a card selects it, a second plays it: against mis-taps.
    property bool tapToSelect: false
    property bool soundsEnabled: true
    // 0 normal, 1 large, 2 largest: an index into Theme.textScales.
    property int textSize: 0
    // Whether the welcome has been seen, whether hints are shown at all, and whether the Zavél! hint was.
    property bool welcomed: false
    property bool hintsEnabled: true
    property bool zavelHintShown: false

    readonly property int maximumNameLength: 24
    readonly property int minimumDelay: 0
    readonly property int maximumDelay: 2000
    readonly property int delayStep: 50

    // Each key with what makes a stored value fit: the value within its limits, or undefined when it is of
    // another kind altogether.
    readonly property var fits: ({
        playerCount: function(v) { return whole(v) ? clamp(v, 2, 4) : undefined; },
        names: function(v) {
            if (!isList(v, 4) || !v.every(function(n) { return typeof n === "string"; }))
                return undefined;
            return v.map(function(n) { return n.substring(0, maximumNameLength); });
        },
        difficulties: function(v) {
            if (!isList(v, 4) || !v.every(whole))
                return undefined;
            return v.map(function(d) { return clamp(d, 0, expertLevel); });
        },
        aiPlayDelay: function(v) { return whole(v) ? clamp(v, minimumDelay, maximumDelay) : undefined; },
        animationsEnabled: flag,
        sortHand: flag,
        tapToSelect: flag,
        soundsEnabled: flag,
        textSize: function(v) { return whole(v) ? clamp(v, 0, 2) : undefined; },
        welcomed: flag,
        hintsEnabled: flag,
        zavelHintShown: flag
    })

    // Nothing is written before the stored values have been read: until then every change is a default.
    property bool loading: true
    property Timer saveTimer: Timer {
        interval: 300
        onTriggered: preferences.save()
    }

    function whole(v) {
        return typeof v === "number" && v === Math.floor(v);
    }

    function clamp(v, low, high) {
        return Math.max(low, Math.min(high, v));
    }

    function flag(v) {
        return typeof v === "boolean" ? v : undefined;
    }

    function isList(v, length) {
        return Array.isArray(v) && v.length === length;
    }

    // Reads what was stored, and tells the engine; keys that are missing or of another kind keep their defaults.
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
            var fitted = fits.hasOwnProperty(key) ? fits[key](value) : undefined;
            if (fitted !== undefined)
                preferences[key] = fitted;
        }
        loading = false;
        tellEngine();
    }

    // Called on every change; the write follows once the changes have settled.
    function changed() {
        if (!loading)
            saveTimer.restart();
    }

    function save() {
        saveTimer.stop();
        var statements = [];
        for (var key in fits)
            statements.push(["INSERT OR REPLACE INTO preferences(key, value) VALUES(?, ?)",
                             [key, JSON.stringify(preferences[key])]]);
        store.run(statements);
    }

    // A pending write goes out now, for example because the interface closes.
    function flush() {
        if (saveTimer.running)
            save();
    }

    function setName(seat, name) {
        var fitted = name.substring(0, maximumNameLength);
        if (fitted === names[seat])
            return;
        var copy = names.slice();
        copy[seat] = fitted;
        names = copy;
    }

    function setDifficulty(seat, level) {
        var fitted = clamp(level, 0, expertLevel);
        if (fitted === difficulties[seat])
            return;
        var copy = difficulties.slice();
        copy[seat] = fitted;
        difficulties = copy;
    }

    // The engine hears of each setting when it changes, and of all of them when it comes.
    function tell(key) {
        if (engine === null)
            return;
        if (key === "playerCount") {
            engine.playerCount = playerCount;
        } else if (key === "names") {
            engine.playerName = names[0];
            engine.ai1Name = names[1];
            engine.ai2Name = names[2];
            engine.ai3Name = names[3];
        } else if (key === "difficulties") {
            engine.ai1Difficulty = Math.min(difficulties[1], 3);
            engine.ai2Difficulty = Math.min(difficulties[2], 3);
            engine.ai3Difficulty = Math.min(difficulties[3], 3);
        } else if (key === "aiPlayDelay") {
            engine.aiPlayDelay = aiPlayDelay;
        } else if (key === "animationsEnabled") {
            engine.animationsEnabled = animationsEnabled;
        }
    }

    function tellEngine() {
        ["playerCount", "names", "difficulties", "aiPlayDelay", "animationsEnabled"].forEach(tell);
    }

    onPlayerCountChanged: { tell("playerCount"); changed(); }
    onNamesChanged: { tell("names"); changed(); }
    onDifficultiesChanged: { tell("difficulties"); changed(); }
    onAiPlayDelayChanged: { tell("aiPlayDelay"); changed(); }
    onAnimationsEnabledChanged: { tell("animationsEnabled"); changed(); }
    onSortHandChanged: changed()
    onTapToSelectChanged: changed()
    onSoundsEnabledChanged: changed()
    onTextSizeChanged: changed()
    onWelcomedChanged: changed()
    onHintsEnabledChanged: changed()
    onZavelHintShownChanged: changed()
}
