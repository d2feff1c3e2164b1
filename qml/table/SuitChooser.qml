import QtQuick 2.6
import "../shared"

// Asks for the suit to request after an Upper: four large tiles with the suit's sign and name.
Rectangle {
    id: chooser

    property var names: ["", "", "", ""]
    property bool showKeys: false
    // The suit a hint names, or -1.
    property int hinted: -1
    signal chosen(int suit)

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
        text: qsTr("Choose a suit")
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
        columns: chooser.width > chooser.height * 1.6 ? 4 : 2
        spacing: 10 * Theme.u

        readonly property int rows: 4 / columns
        readonly property real tileWidth: (chooser.width - 24 * Theme.u - spacing * (columns - 1)) / columns
        readonly property real tileHeight: Math.min(tileWidth * 0.9,
            (chooser.height - title.y - title.height - 20 * Theme.u - spacing * (rows - 1)) / rows)

        Repeater {
            model: 4
            ChoiceTile {
                objectName: "suitButton_" + index
                width: grid.tileWidth
                height: grid.tileHeight
                name: chooser.names[index] || ""
                key: Labels.suitKey(index)
                showKey: chooser.showKeys
                hinted: chooser.hinted === index
                onChosen: chooser.chosen(index)

                SuitSymbol {
                    anchors.centerIn: parent
                    width: Math.min(parent.width * 0.7, parent.height * 0.9)
                    height: width
                    suit: index
                }
            }
        }
    }
}
