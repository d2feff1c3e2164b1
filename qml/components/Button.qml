import QtQuick 2.6
import "."

// A push button. It never changes state by itself: the owner reacts to clicked().
Item {
    id: button

    property string text
    property bool highlighted: false
    property real fontSize: Theme.fontNormal
    property color color: Theme.button
    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 28 * Theme.u, 72 * Theme.u)
    implicitHeight: 52 * Theme.u
    opacity: enabled ? 1 : 0.4

    Rectangle {
        readonly property color base: button.highlighted ? Theme.accent : button.color

        anchors.fill: parent
        radius: Math.min(height, width) * 0.24
        color: mouse.pressed ? Qt.darker(base, 1.35) : base
        border.color: button.highlighted ? Theme.accentDark : Theme.buttonBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    Text {
        id: label
        anchors.centerIn: parent
        width: Math.min(implicitWidth, parent.width - 10 * Theme.u)
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: button.text
        color: button.highlighted ? "#2a2100" : Theme.text
        font.pixelSize: button.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
