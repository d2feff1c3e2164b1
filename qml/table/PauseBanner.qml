import QtQuick 2.6
import "../shared"

// Says that the game is paused, over the middle of the table; a tap anywhere on it resumes the game.
Rectangle {
    id: banner

    signal clicked()

    height: column.height + 28 * Theme.u
    radius: 14 * Theme.u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 3 * Theme.u
    Accessible.role: Accessible.Button
    Accessible.name: title.text + ". " + hint.text
    Accessible.onPressAction: banner.clicked()

    MouseArea {
        anchors.fill: parent
        onClicked: banner.clicked()
    }

    Column {
        id: column
        anchors.centerIn: parent
        width: parent.width - 28 * Theme.u
        spacing: 6 * Theme.u

        Text {
            id: title
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("The game is paused")
            color: Theme.accent
            font.pixelSize: Theme.fontLarge
            font.bold: true
        }

        Text {
            id: hint
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Tap here to go on")
            color: Theme.text
            font.pixelSize: Theme.fontNormal
        }
    }
}
