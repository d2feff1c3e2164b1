import QtQuick 2.6
import "../controls"
import "../shared"

// The four buttons along the top of the table: a new game, pause, the pace panel and the menu.
Row {
    id: bar

    property bool paused: false
    // No pause while a finished game's result stands.
    property bool pauseEnabled: true
    signal newGameClicked()
    signal pauseClicked()
    signal paceClicked()
    signal menuClicked()

    spacing: 6 * Theme.u

    readonly property real buttonWidth: (width - 3 * spacing) / 4

    Button {
        objectName: "newGameButton"
        width: bar.buttonWidth
        height: bar.height
        fontSize: Theme.fontSmall
        text: qsTr("New game")
        onClicked: bar.newGameClicked()
    }
    Button {
        objectName: "pauseButton"
        width: bar.buttonWidth
        height: bar.height
        fontSize: Theme.fontSmall
        text: bar.paused ? qsTr("Resume") : qsTr("Pause")
        highlighted: bar.paused
        enabled: bar.pauseEnabled
        onClicked: bar.pauseClicked()
    }
    Button {
        objectName: "paceButton"
        width: bar.buttonWidth
        height: bar.height
        fontSize: Theme.fontSmall
        text: qsTr("Pace")
        onClicked: bar.paceClicked()
    }
    Button {
        objectName: "menuButton"
        width: bar.buttonWidth
        height: bar.height
        fontSize: Theme.fontSmall
        text: qsTr("Menu")
        onClicked: bar.menuClicked()
    }
}
