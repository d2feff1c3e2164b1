import QtQuick 2.6
import "."

// Asks for the suit to request after an Upper: four large tiles with the suit's sign and name.
Rectangle {
    id: chooser

    property var names: ["", "", "", ""]
    signal chosen(int suit)

    radius: 16 * Theme.u
    color: "#e6102a1a"
    border.color: Theme.accent
    border.width: 3 * Theme.u

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 8 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Choose a suit")
        color: Theme.accent
        font.pixelSize: Theme.fontLarge
        font.bold: true
    }

    Grid {
        id: grid
        anchors.horizontalCenter: parent.horizontalCenter
        y: title.y + title.height + Math.max(6 * Theme.u, (chooser.height - title.y - title.height - height) / 2 - 6 * Theme.u)
        columns: chooser.width > chooser.height * 1.6 ? 4 : 2
        spacing: 10 * Theme.u

        readonly property real tileWidth: (chooser.width - 24 * Theme.u - spacing * (columns - 1)) / columns
        readonly property real tileHeight: Math.min(tileWidth * 0.9,
            (chooser.height - title.height - 30 * Theme.u - spacing * (4 / columns - 1)) / (4 / columns))

        Repeater {
            model: 4
            Rectangle {
                objectName: "suitButton_" + index
                width: grid.tileWidth
                height: grid.tileHeight
                radius: 10 * Theme.u
                color: tap.pressed ? "#fff3c4" : Theme.cardFace
                border.color: Theme.cardEdge
                border.width: Math.max(1, 2 * Theme.u)

                SuitSymbol {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: parent.height * 0.08
                    width: Math.min(parent.width * 0.6, parent.height * 0.58)
                    height: width
                    suit: index
                }

                Text {
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: parent.height * 0.06
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width - 8 * Theme.u
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: chooser.names[index] || ""
                    color: "#2b2118"
                    font.pixelSize: Theme.fontNormal
                    font.bold: true
                }

                MouseArea {
                    id: tap
                    anchors.fill: parent
                    onClicked: chooser.chosen(index)
                }
            }
        }
    }
}
