import QtQuick 2.6
import "../shared"

// A short mark on the table: a pending penalty, a declared Zavél, the last card. It sizes itself to its
// text, unless the owner sets it narrower; the owner places it. A pulsing badge asks to be noticed.
Rectangle {
    id: badge

    property alias text: label.text
    property color textColor: Theme.badgeText
    property bool pulse: false
    property real fontSize: Theme.fontSmall

    readonly property real padding: Math.max(8 * Theme.u, height / 3)

    implicitWidth: label.implicitWidth + 2 * padding
    implicitHeight: label.implicitHeight + 8 * Theme.u
    radius: height / 2
    color: Theme.accent
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    // Held narrower than its text, the badge shrinks the text rather than lose its end.
    Text {
        id: label
        anchors.centerIn: parent
        width: Math.min(implicitWidth, badge.width - 2 * badge.padding)
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 6
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
