import QtQuick 2.6
import QtTest 1.2

// The common ground of the interface tests: starts the real main QML file (after writing a crafted game as
// the autosave, or with none for a fresh deal), waits for the engine, finds items by objectName and taps them
// the way a player would. After every test function no QML warning may have been logged.
TestCase {
    id: testCase

    property Item host
    property Item app: null
    readonly property var engine: app ? app.engine : null

    when: windowShown

    function launch(spec, options) {
        closeApp();
        if (spec)
            verify(testSupport.writeGame(spec), "the crafted game is valid");
        else
            testSupport.removeGame();
        var component = Qt.createComponent(testSupport.mainQml);
        compare(component.status, Component.Ready, component.errorString());
        var properties = { width: host.width, height: host.height, animationTimeScale: 0.2 };
        for (var key in options)
            properties[key] = options[key];
        app = component.createObject(host, properties);
        verify(app !== null, "the main QML file loads");
        if (spec)
            compare(engine.lastEvent, "Game restored", "the crafted game was restored");
        engine.aiPlayDelay = 20;
        // Positioners lay out on the first frame; nobody taps before that.
        waitForRendering(app);
        waitIdle(4000);
        return app;
    }

    function closeApp() {
        if (app !== null) {
            app.destroy();
            app = null;
            wait(0);
        }
    }

    function waitIdle(timeout) {
        tryVerify(function() { return engine.visualPhase === 0; }, timeout || 4000, "the animation phase ends");
    }

    // Until the player may act (or the game is over).
    function waitForPlayer(timeout) {
        tryVerify(function() { return engine.playerInputEnabled || engine.winnerPlayer >= 0; }, timeout || 8000,
                  "the player's turn comes");
    }

    function item(name) {
        var found = findChild(app, name);
        verify(found !== null, "item " + name + " exists");
        return found;
    }

    // Scrolls the page that holds target until target is on screen, as a person would before tapping it.
    function scrollIntoView(target) {
        for (var p = target.parent; p !== null; p = p.parent) {
            if (p.contentY !== undefined && p.contentHeight !== undefined) {
                var y = target.mapToItem(p.contentItem, 0, 0).y;
                var maxY = Math.max(0, p.contentHeight - p.height);
                p.contentY = Math.max(0, Math.min(maxY, y - p.height / 3));
                return;
            }
        }
    }

    function click(name) {
        var target = item(name);
        scrollIntoView(target);
        verify(target.visible, name + " is visible");
        verify(target.enabled, name + " is enabled");
        mouseClick(target);
    }

    function handCard(cardId) {
        return findChild(app, "handCard_" + cardId);
    }

    // Taps the part of the card that its right neighbour leaves uncovered.
    function tapCard(cardId) {
        var card = handCard(cardId);
        verify(card !== null, "card " + cardId + " is in the hand");
        mouseClick(card, card.tapX, card.height / 2);
    }

    function handIds() {
        var ids = [];
        var hand = engine.playerHand;
        for (var i = 0; i < hand.length; ++i)
            ids.push(hand[i].id);
        return ids;
    }

    // Whether the player's own play of this card lies on the pile; the computer may have played on it since.
    function playedByMe(cardId) {
        var pile = engine.discardCards;
        for (var i = 0; i < pile.length; ++i) {
            if (pile[i].id === cardId)
                return pile[i].playedBy === 0;
        }
        return false;
    }

    function topOfPile() {
        var pile = engine.discardCards;
        return pile[pile.length - 1].id;
    }

    function screenshot(name) {
        var done = false;
        // Lets the cards' canvases paint and any sliding end.
        wait(300);
        var path = testSupport.screenshotDir + "/" + name + ".png";
        app.grabToImage(function(result) {
            done = result.saveToFile(path);
        });
        tryVerify(function() { return done; }, 3000, "screenshot " + path + " saved");
    }

    function cleanup() {
        compare(testSupport.takeWarnings(), [], "no warnings from QML or the engine");
    }

    function cleanupTestCase() {
        closeApp();
        testSupport.removeGame();
    }
}
