import QtQuick 2.6
import QtQuick.Window 2.2
import harbour.zavel 1.0
import "components"
import "pages"
import "storage"

// The whole interface: one engine, the table, the pages (settings, statistics), the menu and the quick pace
// panel, and the question before a running game is thrown away. The player's preferences are applied to the
// engine before it restores or deals a game, and kept whenever they change; finished games are counted. The
// window may be any size: portrait and landscape have layouts of their own, and everything scales with the
// window from a 540x960 design size. On the phone the window itself never turns, so the interface turns with
// the device and takes the layout that fits.
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
    // A view option of this interface only; the engine never sees it.
    property alias sortHand: preferences.sortHand
    // The page over the table: "", "settings" or "statistics".
    property string openPage: ""
    property bool paceOpen: false
    property bool menuOpen: false
    property real animationTimeScale: 1

    // How far the device is turned from the screen's natural orientation, 0, 90, 180 or 270; 0 on a desktop.
    property int turn: Screen.angleBetween(Screen.orientation, Screen.primaryOrientation)
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
    readonly property var pageFiles: ({ settings: "SettingsPage.qml", statistics: "StatisticsPage.qml" })

    function requestNewGame() {
        closePanels();
        if (gameEngine.winnerPlayer >= 0)
            startNewGame();
        else
            confirmNewGame.open();
    }

    function startNewGame() {
        openPage = "";
        statistics.abandon(gameEngine);
        gameEngine.newGame();
    }

    function closePanels() {
        paceOpen = false;
        menuOpen = false;
    }

    function showPage(name) {
        closePanels();
        openPage = name;
    }

    function closePage() {
        openPage = "";
        root.forceActiveFocus();
    }

    function handleKey(event) {
        var key = event.key;
        var digit = key >= Qt.Key_0 && key <= Qt.Key_9 ? key - Qt.Key_0 : -1;
        event.accepted = true;
        if (confirmNewGame.opened) {
            if (key === Qt.Key_Escape) {
                confirmNewGame.close();
            } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
                confirmNewGame.close();
                startNewGame();
            }
            return;
        }
        if (key === Qt.Key_Escape) {
            if (openPage !== "")
                closePage();
            closePanels();
            return;
        }
        if (openPage !== "") {
            event.accepted = false;
            return;
        }
        if (gameEngine.needsSuitChoice && digit >= 1 && digit <= 4) {
            gameEngine.chooseSuit(digit - 1);
        } else if (gameEngine.needsRankChoice && digit >= 1 && digit <= 8) {
            gameEngine.chooseRank(digit + 6);
        } else if (digit >= 0) {
            table.playPosition(digit === 0 ? 9 : digit - 1);
        } else if (key === Qt.Key_Left) {
            table.moveSelection(-1);
        } else if (key === Qt.Key_Right) {
            table.moveSelection(1);
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter || key === Qt.Key_Space) {
            table.playSelected();
        } else if (key === Qt.Key_D) {
            gameEngine.drawCard();
        } else if (key === Qt.Key_A) {
            gameEngine.acceptPenalty();
        } else if (key === Qt.Key_Z) {
            gameEngine.declareZavel();
        } else if (key === Qt.Key_N) {
            requestNewGame();
        } else if (key === Qt.Key_P) {
            gameEngine.paused = !gameEngine.paused;
        } else if (key === Qt.Key_S) {
            sortHand = !sortHand;
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

    GameEngine {
        id: gameEngine
        onCardAnimationRequested: table.animateCard(cardId, playedBy, oldHandIndex, followupDrawnCards)
        onDrawAnimationRequested: table.animateDraw(drawnCards)
        onDealAnimationRequested: table.animateDeal(dealtCards)
        // A phase that ended without this interface (the engine's watchdog) leaves nothing in the air.
        onVisualPhaseChanged: if (visualPhase === GameEngine.Idle) table.abortAnimations()
        // Switched off, the engine completes the running phase itself; the cards in the air just stop.
        onAnimationsEnabledChanged: {
            if (!animationsEnabled)
                table.abortAnimations();
            preferences.takeFrom(gameEngine);
        }
        onPlayerCountChanged: preferences.takeFrom(gameEngine)
        onNamesChanged: preferences.takeFrom(gameEngine)
        onDifficultiesChanged: preferences.takeFrom(gameEngine)
        onAiPlayDelayChanged: preferences.takeFrom(gameEngine)
        onStateChanged: statistics.observe(gameEngine)
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
            visible: root.openPage === ""
            onNewGameRequested: root.requestNewGame()
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

        MenuPanel {
            objectName: "menuPanel"
            visible: root.menuOpen
            anchors.right: parent.right
            anchors.rightMargin: 8 * Theme.u
            y: table.topBarHeight
            width: Math.min(parent.width - 16 * Theme.u, 360 * Theme.u)
            entries: [{ name: "settings", text: qsTr("Settings") }, { name: "statistics", text: qsTr("Statistics") }]
            onChosen: root.showPage(name)
        }

        QuickSettings {
            objectName: "quickSettings"
            visible: root.paceOpen
            anchors.right: parent.right
            anchors.rightMargin: 8 * Theme.u
            y: table.topBarHeight
            width: Math.min(parent.width - 16 * Theme.u, 440 * Theme.u)
            engine: gameEngine
            sortHand: root.sortHand
            onSortToggled: root.sortHand = !root.sortHand
            onCloseClicked: root.paceOpen = false
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
                // Connected here rather than with Connections, whose handler syntax differs between the Qt of
                // the phone and later ones.
                item.closeClicked.connect(root.closePage);
                if (item.newGameRequested)
                    item.newGameRequested.connect(root.requestNewGame);
            }
        }


        ConfirmDialog {
            id: confirmNewGame
            objectName: "confirmNewGame"
            anchors.fill: parent
            title: qsTr("Start a new game?")
            message: qsTr("The game in progress will be lost.")
            acceptText: qsTr("New game")
            onAccepted: root.startNewGame()
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
