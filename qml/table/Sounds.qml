import QtQuick 2.6
import harbour.zavel 1.0

// The table's sound effects, played as the move journal tells of each move: a card put down or drawn, a
// penalty, Zavél!, the pile shuffled into a new talon, the player's win and another seat's. A deal and a restored
// game come silently, so that nothing of the sounds is loaded at start. Each effect is made the first time it is
// played; where sound cannot be played (no multimedia module, no audio device) the
// game goes on silently. Quick moves do not pile sounds up: within a short while of a sound, only a more
// important one is played.
QtObject {
    id: sounds

    property bool enabled: true
    property MoveJournal journal: null

    // name -> SoundEffect, made on first use.
    property var effects: ({})
    property Component effectComponent: null
    property bool unavailable: false
    property double lastTime: 0
    property int lastRank: 0
    readonly property int quietMs: 150

    // The sound a batch of records asks for, the most important first, with its rank.
    function soundOf(row) {
        switch (row.kind) {
        case MoveJournal.Win:
            return { name: row.seat === 0 ? "win" : "loss", rank: 6 };
        case MoveJournal.PenaltyTaken:
        case MoveJournal.ForgottenDeclaration:
            return { name: "penalty", rank: 5 };
        case MoveJournal.Declaration:
            return { name: "zavel", rank: 4 };
        case MoveJournal.Reshuffle:
            return { name: "shuffle", rank: 3 };
        case MoveJournal.Play:
            return { name: "play", rank: 2 };
        case MoveJournal.Draw:
            return { name: "draw", rank: 1 };
        }
        return { name: "", rank: 0 };
    }

    function effect(name) {
        if (effects[name] !== undefined)
            return effects[name];
        if (effectComponent === null)
            effectComponent = Qt.createComponent("Effect.qml");
        var made = effectComponent.status === Component.Ready
                   ? effectComponent.createObject(sounds, { source: Qt.resolvedUrl("../sounds/" + name + ".wav") })
                   : null;
        unavailable = made === null;
        effects[name] = made;
        return made;
    }

    function play(name, rank) {
        var now = Date.now();
        if (!enabled || unavailable || name.length === 0 || (now - lastTime < quietMs && rank <= lastRank))
            return;
        var made = effect(name);
        if (made === null)
            return;
        lastTime = now;
        lastRank = rank;
        made.play();
    }

    // A restored game comes back silently, with the moves it had.
    function rowsCame(first, last) {
        var best = { name: "", rank: 0 };
        for (var row = first; row <= last; ++row) {
            var record = journal.get(row);
            if (record.kind === MoveJournal.Restore)
                return;
            var sound = soundOf(record);
            if (sound.rank > best.rank)
                best = sound;
        }
        play(best.name, best.rank);
    }

    property QtObject followed: null
    function follow() {
        if (journal === null || journal === followed)
            return;
        followed = journal;
        journal.rowsInserted.connect(function(parent, first, last) { sounds.rowsCame(first, last); });
    }
    onJournalChanged: follow()
    Component.onCompleted: follow()
}
