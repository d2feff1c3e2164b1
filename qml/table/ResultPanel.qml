import QtQuick 2.6
import "../controls"
import "../shared"

// The end of a game: who won, and the way to the next deal.
Rectangle {
    id: panel

    property string result
    property bool playerWon: false
    signal newGameClicked()

    width: 420 * Theme.u
    height: column.height + 40 * Theme.u
    radius: 18 * Theme.u
    color: Theme.panelOpaque
    border.color: playerWon ? Theme.accent : Theme.panelBorder
    border.width: 3 * Theme.u

    Column {
        id: column
        anchors.centerIn: parent
        width: parent.width - 40 * Theme.u
        spacing: 16 * Theme.u

        Text {
            objectName: "resultText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: panel.result
            color: panel.playerWon ? Theme.accent : Theme.text
            font.pixelSize: Theme.fontHuge
            font.bold: true
        }

        Button {
            objectName: "resultNewGame"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 260 * Theme.u)
            text: qsTr("New game")
            highlighted: true
            onClicked: panel.newGameClicked()
        }
    }
}
