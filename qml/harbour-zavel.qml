import QtQuick 2.6
import harbour.zavel 1.0
import "app"
import "shared"
import "storage"
import "table"

// The whole interface: one engine with the models beside it, the table, what lies over it (the pages, the menu,
// the pace panel, the welcome and the question before a running game is thrown away), the keyboard, and
// start-up. The player's preferences tell the engine its settings before it restores or deals a game; finished
// games are counted. The window may be any size: portrait and landscape have layouts of their own, and
// everything scales with the window from a 540x960 design size. On the phone the interface turns with the device
// and takes the layout that fits.
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
    property alias journal: moveJournal
    property alias seats: seatModel
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

    readonly property var languageChoice: typeof languageSettings !== "undefined" ? languageSettings : null
    // The language the interface started in: a choice made in this run takes effect at the next start.
    readonly property string startupLanguage: {
        if (languageChoice === null)
            return "en";
        var chosen = languageChoice.language;
        return languageChoice.restartRequired ? (chosen === "hu" ? "en" : "hu") : chosen;
    }
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
        statistics.abandon();
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

    function handleKey(event) {
        keyMap.handle(event);
    }

    Keys.onPressed: keyMap.handle(event)

    DeviceTurn {
        id: deviceTurn
        windowWidth: root.width
        windowHeight: root.height
    }

    Binding {
        target: Theme
        property: "u"
        value: deviceTurn.unit
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

    KeyMap {
        id: keyMap
        app: root
    }

    Store {
        id: store
    }

    Preferences {
        id: preferences
        store: store
        engine: gameEngine
    }

    Statistics {
        id: statistics
        store: store
        engine: gameEngine
        journal: moveJournal
        seats: seatModel
        preferences: preferences
    }

    GameEngine {
        id: gameEngine
        onStateChanged: if (visualPhase === GameEngine.Idle) collector.restart()
    }

    SeatModel {
        id: seatModel
        engine: gameEngine
    }

    MoveJournal {
        id: moveJournal
        engine: gameEngine
    }

    ExpertPlayers {
        id: experts
        engine: gameEngine
        journal: moveJournal
        levels: preferences.difficulties
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
        width: deviceTurn.contentWidth
        height: deviceTurn.contentHeight
        rotation: deviceTurn.angle

        GameTable {
            id: table
            objectName: "table"
            anchors.fill: parent
            engine: gameEngine
            sortHand: preferences.sortHand
            tapToSelect: preferences.tapToSelect
            soundsEnabled: preferences.soundsEnabled
            strengths: preferences.difficulties
            experts: experts
            hintsEnabled: preferences.hintsEnabled
            seats: seatModel
            journal: moveJournal
            timeScale: root.animationTimeScale
            showKeys: root.keyboardUsed
            offerZavelHint: preferences.hintsEnabled && !preferences.zavelHintShown
            onZavelHintDismissed: preferences.zavelHintShown = true
            onHintsOffRequested: preferences.hintsEnabled = false
            visible: root.openPage === ""
            onNewGameRequested: root.requestNewGame()
            onLogRequested: root.showPage("log")
            onStatisticsRequested: root.showPage("statistics")
            onMenuRequested: {
                root.paceOpen = false;
                root.menuOpen = !root.menuOpen;
            }
            onPaceRequested: {
                root.menuOpen = false;
                root.paceOpen = !root.paceOpen;
            }
        }

        Overlays {
            anchors.fill: parent
            app: root
            panelTop: table.topBarHeight
        }
    }

    Component.onCompleted: {
        store.open();
        preferences.load();
        statistics.load();
        gameEngine.start();
    }
    Component.onDestruction: preferences.flush()
}
