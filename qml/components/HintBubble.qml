import QtQuick 2.6
import "."

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

    implicitWidth: 400 * u
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

            readonly property bool sideBySide: offButton.implicitWidth + dismissButton.implicitWidth + spacing <= width

            width: parent.width
            columns: sideBySide ? 2 : 1
            spacing: 10 * u

            Button {
                id: offButton
                objectName: "hintsOff"
                width: buttons.sideBySide ? (buttons.width - buttons.spacing) / 2 : buttons.width
                text: qsTr("No more hints")
                onClicked: bubble.hintsOffRequested()
                Accessible.role: Accessible.Button
                Accessible.name: text
            }

            Button {
                id: dismissButton
                objectName: "hintDismiss"
                width: offButton.width
                text: qsTr("Got it")
                highlighted: true
                onClicked: bubble.dismissed()
                Accessible.role: Accessible.Button
                Accessible.name: text
            }
        }
    }
}
