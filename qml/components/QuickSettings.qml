import QtQuick 2.6
import harbour.zavel 1.0
import "."

// The pace of the game within one tap of the table: how long the computer players think, whether cards fly,
// a pause, and the order of the hand.
Rectangle {
    id: panel

    property GameEngine engine
    property bool sortHand: false
    signal sortToggled()
    signal closeClicked()

    readonly property int delay: engine ? engine.aiPlayDelay : 0

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

        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTr("Computer move delay: %1 s").arg(Labels.decimal(panel.delay / 1000, 2))
            color: Theme.text
            font.pixelSize: Theme.fontNormal
        }

        Slider {
            objectName: "quickDelaySlider"
            width: parent.width
            from: 0
            to: 2000
            stepSize: 50
            value: panel.delay
            onMoved: panel.engine.aiPlayDelay = newValue
        }

        Switch {
            objectName: "quickAnimationsSwitch"
            width: parent.width
            text: qsTr("Animations")
            checked: panel.engine ? panel.engine.animationsEnabled : false
            onClicked: panel.engine.animationsEnabled = !panel.engine.animationsEnabled
        }

        Switch {
            objectName: "quickPauseSwitch"
            width: parent.width
            text: qsTr("Pause the computer players")
            checked: panel.engine ? panel.engine.paused : false
            onClicked: panel.engine.paused = !panel.engine.paused
        }

        Switch {
            objectName: "quickSortSwitch"
            width: parent.width
            text: qsTr("Sort my hand by suit and rank")
            checked: panel.sortHand
            onClicked: panel.sortToggled()
        }
    }
}
