import QtQuick 2.6
import "../shared"

// Asks for the rank to request after a Lower: eight tiles, Seven to Ace, each with its index and name. The
// Ace's index sits on a dark chip, as on the cards.
Rectangle {
    id: chooser

    property var names: ["", "", "", "", "", "", "", ""]
    property bool showKeys: false
    // The rank a hint names, or -1.
    property int hinted: -1
    signal chosen(int rank)

    radius: 16 * Theme.u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 3 * Theme.u

    // Taps between the tiles do not reach the table below.
    MouseArea {
        anchors.fill: parent
    }

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 8 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Choose a rank")
        color: Theme.accent
        font.pixelSize: Theme.fontLarge
        font.bold: true
        Accessible.role: Accessible.Heading
        Accessible.name: text
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
            (chooser.height - title.y - title.height - 20 * Theme.u - spacing * (rows - 1)) / rows)

        Repeater {
            model: 8
            ChoiceTile {
                readonly property int rank: 7 + index

                objectName: "rankButton_" + rank
                width: grid.tileWidth
                height: grid.tileHeight
                name: chooser.names[index] || ""
                key: Labels.rankKey(rank)
                showKey: chooser.showKeys
                hinted: chooser.hinted === rank
                onChosen: chooser.chosen(rank)

                Rectangle {
                    anchors.centerIn: parent
                    width: indexText.implicitWidth + 12 * Theme.u
                    height: indexText.implicitHeight
                    radius: 6 * Theme.u
                    color: rank === 14 ? Theme.cardInk : "transparent"

                    Text {
                        id: indexText
                        anchors.centerIn: parent
                        text: Labels.rankIndex(rank)
                        color: rank === 14 ? Theme.cardFace : Theme.cardInk
                        font.pixelSize: Math.max(6, Math.min(grid.tileHeight * 0.36, grid.tileWidth * 0.42,
                                                             parent.parent.height * 0.8))
                        font.bold: true
                    }
                }
            }
        }
    }
}
