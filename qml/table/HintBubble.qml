import QtQuick 2.6
import "../controls"
import "../shared"

// A hint shown once over the table, with a button to close it and one to switch hints off. It shows the
// Zavél! hint unless the owner sets another text. The owner sets the position; the height follows the text.
Rectangle {
    id: bubble

    // Shown the first time the player holds two cards and may play one of them.
    readonly property string zavelText: qsTr("You hold two cards. Before you play one, tap Zavél!, or you draw four "
                                             + "penalty cards.")
    property string text: zavelText
    signal dismissed()
    signal hintsOffRequested()

    readonly property real u: Theme.u

    implicitWidth: 420 * u
    height: column.height + 32 * u
    radius: 14 * u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 2 * u

    // Keeps taps on the hint from reaching the table below.
    MouseArea {
        anchors.fill: parent
    }

    Column {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 16 * u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 32 * u
        spacing: 12 * u

        Text {
            objectName: "hintText"
            width: parent.width
            text: bubble.text
            color: Theme.text
            font.pixelSize: Theme.fontNormal
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }

        // Side by side when both labels fit, one above the other when they do not.
        Grid {
            id: buttons

            // Measured at full size: a button's own implicit width follows its label once the label shrinks.
            readonly property bool sideBySide: Math.max(offMetrics.advanceWidth, dismissMetrics.advanceWidth) + 20 * u
                                               <= (width - spacing) / 2

            width: parent.width
            columns: sideBySide ? 2 : 1
            spacing: 10 * u

            TextMetrics {
                id: offMetrics
                font.pixelSize: Theme.fontNormal
                font.bold: true
                text: offButton.text
            }

            TextMetrics {
                id: dismissMetrics
                font.pixelSize: Theme.fontNormal
                font.bold: true
                text: dismissButton.text
            }

            Button {
                id: offButton
                objectName: "hintsOff"
                width: buttons.sideBySide ? (buttons.width - buttons.spacing) / 2 : buttons.width
                text: qsTr("No more hints")
                onClicked: bubble.hintsOffRequested()
            }

            Button {
                id: dismissButton
                objectName: "hintDismiss"
                width: offButton.width
                text: qsTr("Got it")
                highlighted: true
                onClicked: bubble.dismissed()
            }
        }
    }
}
