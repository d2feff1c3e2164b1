import QtQuick 2.6
import "."

// A one-line text entry in a frame, with a placeholder shown while it is empty.
Item {
    id: field

    property alias text: input.text
    property string placeholder
    property alias maximumLength: input.maximumLength

    implicitWidth: 300 * Theme.u
    implicitHeight: 50 * Theme.u

    Rectangle {
        anchors.fill: parent
        radius: 8 * Theme.u
        color: "#14301f"
        border.color: input.activeFocus ? Theme.accent : Theme.buttonBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 12 * Theme.u
        anchors.rightMargin: 12 * Theme.u
        verticalAlignment: TextInput.AlignVCenter
        color: Theme.text
        selectionColor: Theme.accentDark
        font.pixelSize: Theme.fontNormal
        clip: true
        maximumLength: 24
    }

    Text {
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        text: field.placeholder
        color: Theme.textDim
        font.pixelSize: Theme.fontNormal
        font.italic: true
        visible: input.text.length === 0 && !input.activeFocus
        elide: Text.ElideRight
    }
}
