import QtQuick 2.6
import "../shared"

// A one-line text entry in a frame, with a placeholder shown while it is empty. While the player types near
// its length limit it counts the characters, and at the limit it says that no more fit, so that nothing is cut
// unnoticed; a name saved at the limit says nothing on a later visit.
Item {
    id: field

    property alias text: input.text
    property string placeholder
    property alias maximumLength: input.maximumLength

    readonly property bool atLimit: input.activeFocus && input.length >= input.maximumLength

    implicitWidth: 300 * Theme.u
    implicitHeight: box.height + (limitNote.visible ? limitNote.height + 4 * Theme.u : 0)
    height: implicitHeight

    Rectangle {
        id: box
        width: parent.width
        height: Math.max(50 * Theme.u, input.font.pixelSize * 2.2)
        radius: 8 * Theme.u
        color: Theme.fieldColor
        border.color: field.atLimit ? Theme.warning : input.activeFocus ? Theme.accent : Theme.buttonBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    TextInput {
        id: input
        anchors.fill: box
        anchors.leftMargin: 12 * Theme.u
        anchors.rightMargin: (counter.visible ? counter.width + 8 * Theme.u : 0) + 12 * Theme.u
        verticalAlignment: TextInput.AlignVCenter
        color: Theme.text
        selectionColor: Theme.accentDark
        font.pixelSize: Theme.fontNormal
        clip: true
        maximumLength: 24
        Accessible.role: Accessible.EditableText
        Accessible.name: field.placeholder
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

    Text {
        id: counter
        objectName: "lengthCounter"
        anchors.right: box.right
        anchors.rightMargin: 12 * Theme.u
        anchors.verticalCenter: box.verticalCenter
        visible: input.activeFocus && input.length >= input.maximumLength - 5
        text: input.length + "/" + input.maximumLength
        color: field.atLimit ? Theme.warningText : Theme.textDim
        font.pixelSize: Theme.fontSmall
    }

    Text {
        id: limitNote
        objectName: "lengthLimitNote"
        anchors.top: box.bottom
        anchors.topMargin: 4 * Theme.u
        width: parent.width
        visible: field.atLimit
        text: qsTr("No more than %1 characters fit.").arg(input.maximumLength)
        color: Theme.warningText
        font.pixelSize: Theme.fontSmall
        wrapMode: Text.Wrap
    }
}
