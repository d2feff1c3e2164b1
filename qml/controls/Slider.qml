import QtQuick 2.6
import "../shared"

// A horizontal slider. It shows `value` and reports the value under the finger through moved(); the owner
// stores it, so the handle always shows what was really accepted.
Item {
    id: slider

    property real from: 0
    property real to: 100
    property real stepSize: 1
    property real value: 0
    signal moved(real newValue)

    implicitWidth: 300 * Theme.u
    implicitHeight: 48 * Theme.u

    Accessible.role: Accessible.Slider
    Accessible.onIncreaseAction: slider.moved(Math.min(to, value + stepSize))
    Accessible.onDecreaseAction: slider.moved(Math.max(from, value - stepSize))

    readonly property real position: to > from ? Math.max(0, Math.min(1, (value - from) / (to - from))) : 0

    function valueAt(x) {
        var span = groove.width;
        var p = span > 0 ? Math.max(0, Math.min(1, (x - groove.x) / span)) : 0;
        var v = from + p * (to - from);
        if (stepSize > 0)
            v = from + Math.round((v - from) / stepSize) * stepSize;
        return Math.max(from, Math.min(to, v));
    }

    Rectangle {
        id: groove
        x: handle.width / 2
        width: parent.width - handle.width
        height: 8 * Theme.u
        radius: height / 2
        anchors.verticalCenter: parent.verticalCenter
        color: Theme.track

        Rectangle {
            width: parent.width * slider.position
            height: parent.height
            radius: parent.radius
            color: Theme.accentDark
        }
    }

    Rectangle {
        id: handle
        width: 30 * Theme.u
        height: width
        radius: width / 2
        anchors.verticalCenter: parent.verticalCenter
        x: groove.x + slider.position * groove.width - width / 2
        color: !slider.enabled ? Theme.textDisabled : area.pressed ? Theme.accent : Theme.knob
        border.color: Theme.accentDark
        border.width: Math.max(1, 2 * Theme.u)
    }

    MouseArea {
        id: area
        anchors.fill: parent
        preventStealing: true
        onPressed: slider.moved(slider.valueAt(mouse.x))
        onPositionChanged: if (pressed) slider.moved(slider.valueAt(mouse.x))
    }
}
