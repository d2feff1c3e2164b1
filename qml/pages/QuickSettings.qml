import QtQuick 2.6
import harbour.zavel 1.0
import "../controls"
import "../shared"

// The pace of the game within one tap of the table: how long the computer players think, whether cards fly,
// a pause, and the order of the hand.
Rectangle {
    id: panel

    property GameEngine engine
    property QtObject preferences
    signal closeClicked()

    height: column.height + 28 * Theme.u
    radius: 14 * Theme.u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 2 * Theme.u

    // Keeps taps on the panel from reaching the table below.
    MouseArea {
        anchors.fill: parent
    }

    Column {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 14 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 32 * Theme.u
        spacing: 6 * Theme.u

        Item {
            width: parent.width
            height: 44 * Theme.u

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Pace")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            Button {
                objectName: "quickClose"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                height: 44 * Theme.u
                text: qsTr("Close")
                fontSize: Theme.fontSmall
                onClicked: panel.closeClicked()
            }
        }

        PaceControls {
            width: parent.width
            preferences: panel.preferences
            engine: panel.engine
            namePrefix: "quick"
        }

        Switch {
            objectName: "quickSortSwitch"
            width: parent.width
            text: qsTr("Sort my hand by suit and rank")
            checked: panel.preferences !== null && panel.preferences.sortHand
            onClicked: panel.preferences.sortHand = !panel.preferences.sortHand
        }
    }
}
