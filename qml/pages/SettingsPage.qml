import QtQuick 2.6
import harbour.zavel 1.0
import "../controls"
import "../shared"

// Everything the player can set: the players of the next game, names and strengths, the pace, the order of
// the hand and the language. Changes go to the preferences (which tell the engine) or the language settings at
// once; the player count waits for the next new game, the language for the next start.
Rectangle {
    id: page

    property GameEngine engine
    property QtObject preferences
    property QtObject language
    signal closeClicked()
    signal newGameRequested()
    signal rulesRequested()

    readonly property real u: Theme.u
    property bool revealNotice: false
    property bool ready: false
    Component.onCompleted: ready = true
    readonly property bool hasEngine: engine !== null
    readonly property bool hasPreferences: preferences !== null
    readonly property int nextPlayers: hasPreferences ? preferences.playerCount : 2
    readonly property var difficultyOptions: Labels.difficultyNames()

    color: Theme.feltDark

    // Swallows taps so that nothing below the page reacts.
    MouseArea {
        anchors.fill: parent
    }

    PageHeader {
        id: header
        title: qsTr("Settings")
        closeObjectName: "settingsDone"
        onCloseClicked: page.closeClicked()
    }

    Flickable {
        id: flick
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        contentWidth: width
        contentHeight: column.height + 40 * u
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        onContentHeightChanged: {
            if (!page.revealNotice)
                return;
            page.revealNotice = false;
            contentY = Math.max(0, contentHeight - height);
        }

        Column {
            id: column
            x: Math.max(16 * u, (flick.width - width) / 2)
            y: 12 * u
            width: Math.min(flick.width - 32 * u, 620 * u)
            spacing: 10 * u

            StorageNotice {
                width: parent.width
                store: page.hasPreferences ? page.preferences.store : null
            }

            Text {
                text: qsTr("Players")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            SegmentedChoice {
                objectNamePrefix: "playerCount_"
                width: parent.width
                options: ["2", "3", "4"]
                currentIndex: page.nextPlayers - 2
                onActivated: page.preferences.playerCount = index + 2
            }

            Text {
                objectName: "playerCountNote"
                width: parent.width
                // Only while a game runs: a finished game's players no longer matter.
                visible: page.hasEngine && page.engine.winnerPlayer < 0
                         && page.nextPlayers !== page.engine.activePlayerCount
                text: page.hasEngine ? qsTr("This game has %1 players; the next new game will have %2.")
                                       .arg(page.engine.activePlayerCount).arg(page.nextPlayers) : ""
                color: Theme.textDim
                font.pixelSize: Theme.fontSmall
                wrapMode: Text.Wrap
            }

            Button {
                objectName: "settingsNewGame"
                width: parent.width
                text: qsTr("New game now")
                onClicked: page.newGameRequested()
            }

            Text {
                text: qsTr("Names and strength")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            Text {
                text: qsTr("Your name")
                color: Theme.text
                font.pixelSize: Theme.fontNormal
            }

            TextField {
                objectName: "playerNameField"
                width: parent.width
                // An empty name shows as the engine's own, translated one.
                placeholder: qsTranslate("GameEngine", "Player")
                maximumLength: page.hasPreferences ? page.preferences.maximumNameLength : 24
                text: page.hasPreferences ? page.preferences.names[0] : ""
                onTextChanged: if (page.hasPreferences) page.preferences.setName(0, text)
            }

            Repeater {
                model: 3

                Column {
                    readonly property int seat: index + 1
                    readonly property string seatName: page.hasPreferences ? page.preferences.names[seat] : ""
                    readonly property int difficulty: page.hasPreferences ? page.preferences.difficulties[seat] : -1

                    width: column.width
                    spacing: 6 * u
                    // A seat the next game leaves out stays readable: dimmed, its texts still at 3:1 at least.
                    opacity: seat < page.nextPlayers ? 1 : 0.7


                    Text {
                        text: qsTr("Computer player %1").arg(seat)
                        color: Theme.text
                        font.pixelSize: Theme.fontNormal
                    }

                    TextField {
                        objectName: "aiNameField_" + seat
                        width: parent.width
                        placeholder: qsTranslate("GameEngine", "AI %1").arg(seat)
                        maximumLength: page.hasPreferences ? page.preferences.maximumNameLength : 24
                        text: parent.seatName
                        onTextChanged: if (page.hasPreferences) page.preferences.setName(parent.seat, text)
                    }

                    SegmentedChoice {
                        objectNamePrefix: "difficulty" + seat + "_"
                        width: parent.width
                        options: page.difficultyOptions
                        currentIndex: parent.difficulty
                        onActivated: page.preferences.setDifficulty(parent.seat, index)
                    }
                }
            }

            Text {
                text: qsTr("Pace")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            PaceControls {
                width: parent.width
                preferences: page.preferences
                engine: page.engine
            }

            Text {
                text: qsTr("Display")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            Text {
                text: qsTr("Text size")
                color: Theme.text
                font.pixelSize: Theme.fontNormal
            }

            SegmentedChoice {
                objectNamePrefix: "textSize_"
                width: parent.width
                options: [qsTr("Normal"), qsTr("Large"), qsTr("Largest")]
                currentIndex: page.preferences ? page.preferences.textSize : 0
                onActivated: page.preferences.textSize = index
            }

            Switch {
                objectName: "hintsSwitch"
                width: parent.width
                text: qsTr("Hints while I play")
                checked: page.preferences !== null && page.preferences.hintsEnabled
                onClicked: page.preferences.hintsEnabled = !page.preferences.hintsEnabled
            }

            Button {
                objectName: "settingsRules"
                width: parent.width
                text: qsTr("How to play")
                onClicked: page.rulesRequested()
            }

            Switch {
                objectName: "soundsSwitch"
                width: parent.width
                text: qsTr("Sounds")
                checked: page.preferences !== null && page.preferences.soundsEnabled
                onClicked: page.preferences.soundsEnabled = !page.preferences.soundsEnabled
            }

            Switch {
                objectName: "tapToSelectSwitch"
                width: parent.width
                text: qsTr("Tap to select, tap again to play")
                checked: page.preferences !== null && page.preferences.tapToSelect
                onClicked: page.preferences.tapToSelect = !page.preferences.tapToSelect
            }

            Switch {
                objectName: "sortSwitch"
                width: parent.width
                text: qsTr("Sort my hand by suit and rank")
                checked: page.preferences !== null && page.preferences.sortHand
                onClicked: page.preferences.sortHand = !page.preferences.sortHand
            }

            Text {
                text: qsTr("Language")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
                visible: page.language !== null
            }

            SegmentedChoice {
                objectNamePrefix: "language_"
                width: parent.width
                visible: page.language !== null
                // Each language is named in itself, so it can be found whatever the interface shows now.
                options: ["Magyar", "English"]
                currentIndex: page.language !== null ? (page.language.language === "hu" ? 0 : 1) : -1
                onActivated: page.language.language = index === 0 ? "hu" : "en"
            }

            Text {
                objectName: "restartNotice"
                width: parent.width
                visible: page.language !== null && page.language.restartRequired
                text: qsTr("The new language takes effect when the game is started again.")
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
                // Appearing at the page's end, it scrolls into sight once the page has grown to hold it.
                onVisibleChanged: page.revealNotice = visible && page.ready
            }
        }
    }
}
