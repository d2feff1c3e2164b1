import QtQuick 2.6
import "../shared"

// One figure of the statistics: the number large, what it counts below it.
Rectangle {
    id: tile

    property string value
    property string label

    width: 96 * Theme.u
    height: valueText.implicitHeight + labelText.paintedHeight + 14 * Theme.u
    radius: 10 * Theme.u
    color: Theme.panel
    border.color: Theme.panelBorder
    border.width: Math.max(1, 2 * Theme.u)
    Accessible.role: Accessible.StaticText
    Accessible.name: label + ": " + value

    // A figure too wide for its tile shrinks rather than spill out of it.
    Text {
        id: valueText
        anchors.horizontalCenter: parent.horizontalCenter
        y: 5 * Theme.u
        width: parent.width - 8 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmall * 0.6
        text: tile.value
        color: Theme.accent
        font.pixelSize: Theme.fontLarge
        font.bold: true
    }

    Text {
        id: labelText
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: valueText.bottom
        width: parent.width - 8 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: tile.label
        color: Theme.text
        font.pixelSize: Theme.fontSmall
    }
}
