import QtQuick 2.6
import "../shared"

// A short mark on the table: a pending penalty, a declared Zavél, the last card. It sizes itself to its
// text; the owner places it. A pulsing badge asks to be noticed.
Rectangle {
    id: badge

    property alias text: label.text
    property color textColor: Theme.badgeText
    property bool pulse: false
    property real fontSize: Theme.fontSmall

    implicitWidth: label.implicitWidth + 2 * Math.max(8 * Theme.u, height / 3)
    implicitHeight: label.implicitHeight + 8 * Theme.u
    radius: height / 2
    color: Theme.accent
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Text {
        id: label
        anchors.centerIn: parent
        color: badge.textColor
        font.pixelSize: badge.fontSize
        font.bold: true
    }

    // A few beats, then still, so that the table is not redrawn without end.
    SequentialAnimation on scale {
        running: badge.pulse && badge.visible
        loops: 4
        NumberAnimation { from: 1; to: 1.12; duration: 450 }
        NumberAnimation { from: 1.12; to: 1; duration: 450 }
        onRunningChanged: if (!running) badge.scale = 1
    }
}
