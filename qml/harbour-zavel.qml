import QtQuick 2.6
import QtQuick.Window 2.2
import harbour.zavel 1.0
import "components"
import "pages"
import "storage"

// The whole interface: one engine, the table, the pages (settings, statistics, the rules, the move log), the
// menu and the quick pace panel, and the question before a running game is thrown away. The player's
// preferences are applied to the engine before it restores or deals a game, and kept whenever they change;
// finished games are counted; every move goes into the move log. The window may be any size: portrait and
// landscape have layouts of their own, and everything scales with the window from a 540x960 design size. On
// the phone the window itself never turns, so the interface turns with the device and takes the layout that
// fits; on a desktop it is never turned.
Rectangle {
    id: root

    width: 540
    height: 960
    color: Theme.feltDark
    focus: true

    property alias engine: gameEngine
    property alias table: table
    property alias preferences: preferences
    property alias statistics: statistics
    property alias moveLog: moveLog
    // A view option of this interface only; the engine never sees it.
    property alias sortHand: preferences.sortHand
    // The page over the table: "" or a name of pageFiles; closing it goes back to the one it was opened from.
    property string openPage: ""
    property string returnPage: ""
    property bool paceOpen: false
    property bool menuOpen: false
    property bool confirmOpen: false
    property real animationTimeScale: 1
    // Set by the first key the player uses: from then on the choosers show their keys.
    property bool keyboardUsed: false

    // Desktop platforms report a landscape orientation for a screen that is not turned at all, so only the
    // phone (whose Qt does not name its platform plugin, or names it wayland) follows the device.
    readonly property bool followsDevice: ["xcb", "offscreen", "minimal", "windows", "cocoa", "vnc"]
                                          .indexOf(Qt.platform.pluginName) < 0
    // How far the device is turned from the screen's natural orientation, 0, 90, 180 or 270.
    property int turn: followsDevice ? Screen.angleBetween(Screen.orientation, Screen.primaryOrientation) : 0
    readonly property bool sideways: turn === 90 || turn === 270
    readonly property real contentWidth: sideways ? height : width
    readonly property real contentHeight: sideways ? width : height
    readonly property bool landscape: contentWidth > contentHeight
    readonly property var languageChoice: typeof languageSettings !== "undefined" ? languageSettings : null
    // The language the interface started in: a choice made in this run takes effect at the next start.
    readonly property string startupLanguage: {
        if (languageChoice === null)
            return "en";
        var chosen = languageChoice.language;
        return languageChoice.restartRequired ? (chosen === "hu" ? "en" : "hu") : chosen;
    }
    // The engine builds this list on every read: the table and the move log share one read a change.
    readonly property var participants: gameEngine.participants
    onParticipantsChanged: moveLog.stateChanged(participants)
    readonly property var pageFiles: ({ settings: "SettingsPage.qml", statistics: "StatisticsPage.qml",
                                        rules: "RulesPage.qml", log: "LogPage.qml" })

    function requestNewGame() {
        closePanels();
        if (gameEngine.winnerPlayer >= 0)
            startNewGame();
        else
            confirmOpen = true;
    }

    function startNewGame() {
        openPage = "";
        returnPage = "";
        statistics.abandon(gameEngine);
        gameEngine.newGame();
    }

    function closePanels() {
        paceOpen = false;
        menuOpen = false;
    }

    function showPage(name) {
        closePanels();
        returnPage = openPage;
        openPage = name;
    }

    function closePage() {
        openPage = returnPage;
        returnPage = "";
        root.forceActiveFocus();
    }

    // The suit or rank whose key the player pressed in an open chooser, or -1.
    function chosenByKey(text, first, last, keyOf) {
        var typed = text.toUpperCase();
        for (var value = first; value <= last; ++value) {
            if (typed.length > 0 && typed === keyOf(value))
                return value;
        }
        return -1;
    }

    // Every key goes through the engine's own questions (playerInputEnabled, canDraw, canAcceptPenalty,
    // canDeclareZavel, needsSuitChoice, needsRankChoice), as taps do: nothing acts while the game is
    // paused or cards are in the air.
    function handleKey(event) {
        var key = event.key;
        var digit = key >= Qt.Key_0 && key <= Qt.Key_9 ? key - Qt.Key_0 : -1;
        event.accepted = true;
        keyboardUsed = true;
        if (confirmOpen) {
            if (key === Qt.Key_Escape) {
                confirmOpen = false;
            } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
                confirmOpen = false;
                startNewGame();
            }
            return;
        }
        if (key === Qt.Key_Escape) {
            if (!preferences.welcomed)
                preferences.welcomed = true;
            else if (openPage !== "")
                closePage();
            closePanels();
            return;
        }
        if (openPage !== "") {
            event.accepted = false;
            return;
        }
        var suit = gameEngine.needsSuitChoice ? chosenByKey(event.text, 0, 3, Labels.suitKey) : -1;
        var rank = gameEngine.needsRankChoice ? chosenByKey(event.text, 7, 14, Labels.rankKey) : -1;
        if (suit >= 0) {
            gameEngine.chooseSuit(suit);
        } else if (rank >= 0) {
            gameEngine.chooseRank(rank);
        } else if (digit >= 0) {
            table.playPosition(digit === 0 ? 9 : digit - 1);
        } else if (key === Qt.Key_Left) {
            table.moveSelection(-1);
        } else if (key === Qt.Key_Right) {
            table.moveSelection(1);
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter || key === Qt.Key_Space) {
            table.playSelected();
        } else if (key === Qt.Key_D) {
            if (gameEngine.canDraw)
                gameEngine.drawCard();
        } else if (key === Qt.Key_A) {
            if (gameEngine.canAcceptPenalty)
                gameEngine.acceptPenalty();
        } else if (key === Qt.Key_Z) {
            if (gameEngine.canDeclareZavel)
                gameEngine.declareZavel();
        } else if (key === Qt.Key_N) {
            requestNewGame();
        } else if (key === Qt.Key_P) {
            gameEngine.paused = !gameEngine.paused;
        } else if (key === Qt.Key_S) {
            sortHand = !sortHand;
        } else if (key === Qt.Key_L) {
            showPage("log");
        } else if (key === Qt.Key_H || key === Qt.Key_F1) {
            showPage("rules");
        } else {
            event.accepted = false;
        }
    }

    Keys.onPressed: handleKey(event)
    Screen.orientationUpdateMask: Qt.PortraitOrientation | Qt.LandscapeOrientation
                                  | Qt.InvertedPortraitOrientation | Qt.InvertedLandscapeOrientation

    Binding {
        target: Theme
        property: "u"
        value: Math.max(0.3, root.landscape ? Math.min(root.contentWidth / 960, root.contentHeight / 540)
                                            : Math.min(root.contentWidth / 540, root.contentHeight / 960))
    }

    Binding {
        target: Theme
        property: "textScale"
        value: Theme.textScales[preferences.textSize]
    }

    Binding {
        target: Labels
        property: "language"
        value: root.startupLanguage
    }

    Store {
        id: store
    }

    Preferences {
        id: preferences
        store: store
    }

    Statistics {
        id: statistics
        store: store
    }

    MoveLog {
        id: moveLog
        engine: gameEngine
    }

    GameEngine {
        id: gameEngine
        onCardAnimationRequested: {
            moveLog.cardPlayed(cardId, playedBy, followupDrawnCards);
            table.animator.animateCard(cardId, playedBy, oldHandIndex, followupDrawnCards);
        }
        onDrawAnimationRequested: {
            moveLog.cardsDrawn(drawnCards);
            table.animator.queueMovement("draw", drawnCards);
        }
        onDealAnimationRequested: {
            moveLog.dealt();
            table.animator.queueMovement("deal", dealtCards);
        }
        onLastEventChanged: moveLog.eventText(lastEvent)
        // A phase that ended without this interface (the engine's watchdog) leaves nothing in the air.
        onVisualPhaseChanged: if (visualPhase === GameEngine.Idle) table.animator.abort()
        // Switched off, the engine completes the running phase itself; the cards in the air just stop.
        onAnimationsEnabledChanged: {
            if (!animationsEnabled)
                table.animator.abort();
            preferences.takeFrom(gameEngine);
        }
        onPlayerCountChanged: preferences.takeFrom(gameEngine)
        onNamesChanged: preferences.takeFrom(gameEngine)
        onDifficultiesChanged: preferences.takeFrom(gameEngine)
        onAiPlayDelayChanged: preferences.takeFrom(gameEngine)
        onStateChanged: {
            statistics.observe(gameEngine);
            if (visualPhase === GameEngine.Idle)
                collector.restart();
        }
    }

    // The script engine collects its garbage when its heap fills up, in the middle of whatever runs then: a
    // move, or a frame of a flight. Collecting just after the table has settled keeps that pause out of both.
    Timer {
        id: collector
        interval: 30
        onTriggered: gc()
    }

    Item {
        id: content
        anchors.centerIn: parent
        width: root.contentWidth
        height: root.contentHeight
        rotation: root.turn

        GameTable {
            id: table
            objectName: "table"
            anchors.fill: parent
            engine: gameEngine
            sortHand: root.sortHand
            timeScale: root.animationTimeScale
            participants: root.participants
            moveLines: moveLog.recent
            showKeys: root.keyboardUsed
            offerZavelHint: preferences.hintsEnabled && !preferences.zavelHintShown
            onZavelHintDismissed: preferences.zavelHintShown = true
            onHintsOffRequested: preferences.hintsEnabled = false
            visible: root.openPage === ""
            onNewGameRequested: root.requestNewGame()
            onLogRequested: root.showPage("log")
            onMenuRequested: {
                root.paceOpen = false;
                root.menuOpen = !root.menuOpen;
            }
            onPaceRequested: {
                root.menuOpen = false;
                root.paceOpen = !root.paceOpen;
            }
        }

        MouseArea {
            // Closes the pace panel or the menu on a tap anywhere else.
            anchors.fill: parent
            visible: root.paceOpen || root.menuOpen
            onClicked: root.closePanels()
        }

        // The panels, the welcome and the question are made when they open, like the pages.
        Loader {
            anchors.right: parent.right
            anchors.rightMargin: 8 * Theme.u
            y: table.topBarHeight
            width: Math.min(parent.width - 16 * Theme.u, 360 * Theme.u)
            active: root.menuOpen
            source: "components/MenuPanel.qml"
            onLoaded: {
                item.objectName = "menuPanel";
                item.entries = [{ name: "rules", text: qsTr("How to play") }, { name: "log", text: qsTr("Move log") },
                                { name: "statistics", text: qsTr("Statistics") },
                                { name: "settings", text: qsTr("Settings") }];
                item.chosen.connect(root.showPage);
            }
        }

        Loader {
            id: paceLoader
            anchors.right: parent.right
            anchors.rightMargin: 8 * Theme.u
            y: table.topBarHeight
            width: Math.min(parent.width - 16 * Theme.u, 440 * Theme.u)
            active: root.paceOpen
            source: "components/QuickSettings.qml"
            onLoaded: {
                item.objectName = "quickSettings";
                item.engine = gameEngine;
                item.sortHand = Qt.binding(function() { return root.sortHand; });
                item.sortToggled.connect(function() { root.sortHand = !root.sortHand; });
                item.closeClicked.connect(function() { root.paceOpen = false; });
            }
        }

        // Pages are made when they open, so that start-up pays only for the table.
        Loader {
            id: pageLoader
            anchors.fill: parent
            source: root.openPage === "" ? "" : "pages/" + root.pageFiles[root.openPage]
            onLoaded: {
                item.objectName = root.openPage + "Page";
                if (item.hasOwnProperty("engine"))
                    item.engine = gameEngine;
                if (item.hasOwnProperty("preferences"))
                    item.preferences = preferences;
                if (item.hasOwnProperty("statistics"))
                    item.statistics = statistics;
                if (item.hasOwnProperty("language"))
                    item.language = root.languageChoice;
                if (item.hasOwnProperty("moveLog"))
                    item.moveLog = moveLog;
                // Connected here rather than with Connections, whose handler syntax differs between the Qt of
                // the phone and later ones.
                item.closeClicked.connect(root.closePage);
                if (item.newGameRequested)
                    item.newGameRequested.connect(root.requestNewGame);
                if (item.rulesRequested)
                    item.rulesRequested.connect(function() { root.showPage("rules"); });
            }
        }

        // The welcome on the very first start, over everything until it is answered.
        Loader {
            anchors.fill: parent
            active: !preferences.welcomed
            // Made beside the first frame, not before it: the table shows at once.
            asynchronous: true
            source: "components/WelcomeOverlay.qml"
            onLoaded: {
                item.objectName = "welcome";
                item.dismissed.connect(function() { preferences.welcomed = true; });
                item.rulesRequested.connect(function() {
                    preferences.welcomed = true;
                    root.showPage("rules");
                });
            }
        }

        Loader {
            anchors.fill: parent
            active: root.confirmOpen
            source: "components/ConfirmDialog.qml"
            onLoaded: {
                item.objectName = "confirmNewGame";
                item.title = qsTr("Start a new game?");
                item.message = qsTr("The game in progress will be lost.");
                item.acceptText = qsTr("New game");
                item.accepted.connect(root.startNewGame);
                item.closed.connect(function() { root.confirmOpen = false; });
                item.open();
            }
        }
    }

    Component.onCompleted: {
        store.open();
        preferences.load();
        statistics.load();
        preferences.applyTo(gameEngine);
        gameEngine.start();
    }
    Component.onDestruction: preferences.flush()
}
