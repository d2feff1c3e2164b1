import QtQuick 2.6
import "."

// Asks for the rank to request after a Lower: eight tiles, Seven to Ace, each with its index and name.
Rectangle {
    id: chooser

    property var names: ["", "", "", "", "", "", "", ""]
    signal chosen(int rank)

    radius: 16 * Theme.u
    color: "#e6102a1a"
    border.color: Theme.accent
    border.width: 3 * Theme.u

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 8 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Choose a rank")
        color: Theme.accent
        font.pixelSize: Theme.fontLarge
        font.bold: true
    }

    Grid {
        id: grid
        anchors.horizontalCenter: parent.horizontalCenter
        y: title.y + title.height + Math.max(6 * Theme.u, (chooser.height - title.y - title.height - height) / 2 - 6 * Theme.u)
        columns: chooser.width > chooser.height * 1.6 ? 8 : 4
        spacing: 8 * Theme.u

        readonly property int rows: 8 / columns
        readonly property real tileWidth: (chooser.width - 24 * Theme.u - spacing * (columns - 1)) / columns
        readonly property real tileHeight: Math.min(tileWidth * 1.25,
            (chooser.height - title.height - 30 * Theme.u - spacing * (rows - 1)) / rows)

        Repeater {
            model: 8
            Rectangle {
                readonly property int rank: 7 + index

                objectName: "rankButton_" + rank
                width: grid.tileWidth
                height: grid.tileHeight
                radius: 10 * Theme.u
                color: tap.pressed ? "#fff3c4" : Theme.cardFace
                border.color: Theme.cardEdge
                border.width: Math.max(1, 2 * Theme.u)

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: parent.height * 0.06
                    text: Labels.rankIndex(parent.rank)
                    color: "#2b2118"
                    font.pixelSize: Math.min(parent.height * 0.42, parent.width * 0.45)
                    font.bold: true
                }

                Text {
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: parent.height * 0.06
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width - 6 * Theme.u
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: chooser.names[index] || ""
                    color: "#2b2118"
                    font.pixelSize: Theme.fontSmall
                }

                MouseArea {
                    id: tap
                    anchors.fill: parent
                    onClicked: chooser.chosen(parent.rank)
                }
            }
        }
    }
}
