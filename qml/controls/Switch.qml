import QtQuick 2.6
import "../shared"

// An on/off switch with its label. It shows `checked` and reports taps through clicked(); the owner decides
// the new value, so a binding to the engine's property stays intact. A long label wraps.
Item {
    id: control

    property string text
    property bool checked: false
    signal clicked()

    implicitWidth: label.implicitWidth + track.width + 24 * Theme.u
    implicitHeight: Math.max(56 * Theme.u, label.paintedHeight + 16 * Theme.u)
    height: implicitHeight

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: control.clicked()

    Text {
        id: label
        anchors.left: parent.left
        anchors.right: track.left
        anchors.rightMargin: 12 * Theme.u
        anchors.verticalCenter: parent.verticalCenter
        text: control.text
        color: control.enabled ? Theme.text : Theme.textDisabled
        font.pixelSize: Theme.fontNormal
        wrapMode: Text.Wrap
    }

    Rectangle {
        id: track
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: 64 * Theme.u
        height: 34 * Theme.u
        radius: height / 2
        color: !control.enabled ? Theme.buttonDisabled : control.checked ? Theme.accentDark : Theme.track
        border.color: !control.enabled ? Theme.panelBorder : control.checked ? Theme.accent : Theme.buttonBorder
        border.width: Math.max(1, 2 * Theme.u)

        Rectangle {
            width: parent.height - 8 * Theme.u
            height: width
            radius: width / 2
            anchors.verticalCenter: parent.verticalCenter
            x: control.checked ? parent.width - width - 4 * Theme.u : 4 * Theme.u
            color: control.enabled ? (control.checked ? Theme.knob : Theme.knobOff) : Theme.textDisabled
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: control.clicked()
    }
}
