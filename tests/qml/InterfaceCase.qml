import QtQuick 2.6
import QtTest 1.2
import "../../qml/shared"

// A test case that plays the real interface: it writes a game in the test notation (tests/common/gametext.h)
// as the autosave, starts the interface in the test file's window with a fresh database (or the one the last
// run left), and offers the gestures of a player. Every test must leave no warning from QML or the engine,
// unless it takes the warnings it expects.
TestCase {
    id: testCase

    when: windowShown

    property Item app: null
    readonly property var engine: app ? app.engine : null

    // Closes the interface as the phone would close it, so that what it keeps is written.
    function close() {
        if (app)
            app.destroy();
        app = null;
        wait(0);
        gc();
    }

    // options: timeScale (of the flights, 0.2), keepGame (restore what the last run saved), keepStorage (start
    // with the database the last run left), storage (a kind of storageSupport.prepare: "stored" by default),
    // preferences (stored before the start; the welcome is taken as seen and hints as off unless they say
    // otherwise), firstRun (leave the welcome up where it shows), delay (the computer players' delay once
    // started: 20 ms; null leaves it).
    function launch(words, options) {
        options = options || {};
        var preferences = options.preferences || {};
        if (preferences.welcomed === undefined)
            preferences.welcomed = true;
        if (preferences.hintsEnabled === undefined)
            preferences.hintsEnabled = false;
        close();
        if (!options.keepGame)
            verify(testSupport.writeGame(words || ""), "the crafted game is valid");
        if (!options.keepStorage)
            verify(storageSupport.prepare(options.storage || "stored", preferences), "the database is prepared");
        app = Qt.createComponent(mainQml).createObject(parent, { width: parent.width, height: parent.height,
                                                                 animationTimeScale: options.timeScale || 0.2 });
        verify(app, "the main QML file loads");
        app.forceActiveFocus();
        // The welcome of a first start comes up beside the first frame.
        if (!options.firstRun && !app.preferences.welcomed) {
            waitShown("welcome");
            click("firstRunPlay");
        }
        if (words || options.keepGame)
            compare(engine.lastEvent, qsTranslate("GameEngine", "Game restored"));
        if (options.delay !== null)
            engine.aiPlayDelay = options.delay === undefined ? 20 : options.delay;
        waitForRendering(app);
        waitIdle();
    }

    function waitIdle() {
        tryCompare(engine, "visualPhase", 0, 4000, "the interface completes the phase");
    }

    function waitForPlayer() {
        tryVerify(function() { return engine.playerInputEnabled || engine.winnerPlayer >= 0; }, 8000);
    }

    function item(name) {
        var found = findChild(app, name);
        verify(found !== null, name + " exists");
        return found;
    }

    // Whether an item is on screen: panels and choosers are made when they first show, and hidden afterwards.
    function shown(name) {
        var found = findChild(app, name);
        return found !== null && found.visible;
    }

    function waitShown(name) {
        tryVerify(function() { return shown(name); }, 4000, name + " shows");
    }

    function click(name) {
        var target = item(name);
        verify(target.visible && target.enabled, name + " can be tapped");
        mouseClick(target);
    }

    function handIds() {
        return engine.playerHand.map(function(card) { return card.id; });
    }

    // Taps the part of the card that its right neighbour leaves uncovered.
    function tapCard(cardId) {
        var card = item("handCard_" + cardId);
        mouseClick(card, card.tapX, card.tapY);
    }

    // Opens a page and waits until it is laid out, so that its controls are where a tap finds them.
    function showPage(name) {
        app.showPage(name);
        waitForRendering(app);
    }

    function logTexts() {
        var texts = [];
        for (var i = 0; i < app.journal.count; ++i)
            texts.push(TableWords.line(app.journal.get(i), function(seat) { return app.seats.shortName(seat); }));
        return texts;
    }

    function init() {
        testSupport.watchWarnings();
    }

    function cleanup() {
        storageSupport.release();
        testSupport.useHungarian(false);
        compare(testSupport.takeWarnings(), [], "no warnings from QML or the engine");
    }

    function cleanupTestCase() {
        close();
    }
}
