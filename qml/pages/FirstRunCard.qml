import QtQuick 2.6
import "../controls"
import "../shared"

// The welcome shown over the table on the very first start: the game in four lines, and the way to the rules
// or straight into play. The owner sets the width and the position; the height follows the content up to
// maximumHeight, beyond which the lines scroll between the title and the buttons.
Rectangle {
    id: card

    signal rulesRequested()
    signal dismissed()

    readonly property real u: Theme.u
    readonly property string title: qsTr("Welcome to Zavél")
    readonly property var lines: [
        qsTr("Play a card of the same suit or rank as the top card."),
        //: Upper and Lower are card names (Hungarian: felső, alsó); “How to play” is the button below
        qsTr("Sevens, Aces, Uppers and Lowers do more: “How to play” tells you what."),
        qsTr("Holding two cards? Tap Zavél! before you play one, or you draw four."),
        qsTr("The game saves itself after every move.")
    ]

    property real maximumHeight: parent ? parent.height - 24 * u : Infinity

    implicitWidth: 440 * u
    height: column.height + 40 * u
    radius: 16 * u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 2 * u

    Accessible.role: Accessible.Dialog
    Accessible.name: title

    // Keeps taps on the card from reaching the table below.
    MouseArea {
        anchors.fill: parent
    }

    // Shows, in the margin beside the lines, that there is more to read when they scroll.
    Rectangle {
        visible: linesFlick.interactive
        x: column.x + column.width + 8 * u
        y: column.y + linesFlick.y + linesFlick.visibleArea.yPosition * linesFlick.height
        width: 3 * u
        height: linesFlick.visibleArea.heightRatio * linesFlick.height
        radius: width / 2
        color: Theme.textDim
    }

    Column {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 20 * u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40 * u
        spacing: 12 * u

        Text {
            id: titleText
            objectName: "firstRunTitle"
            width: parent.width
            text: card.title
            color: Theme.accent
            font.pixelSize: Theme.fontLarge
            font.bold: true
            wrapMode: Text.Wrap
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Flickable {
            id: linesFlick

            readonly property real room: card.maximumHeight - 40 * u - titleText.height - buttons.height
                                         - 2 * column.spacing

            width: parent.width
            height: Math.min(lines.height, Math.max(room, 2 * Theme.fontNormal))
            contentWidth: width
            contentHeight: lines.height
            clip: true
            interactive: contentHeight > height
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: lines
                width: linesFlick.width
                spacing: 12 * u

                Repeater {
                    model: card.lines

                    Row {
                        width: lines.width
                        spacing: 8 * u

                        Text {
                            id: bullet
                            text: "•"
                            color: Theme.accent
                            font.pixelSize: Theme.fontNormal
                            font.bold: true
                        }

                        Text {
                            width: parent.width - bullet.width - parent.spacing
                            text: modelData
                            color: Theme.text
                            font.pixelSize: Theme.fontNormal
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }

        // Side by side when both labels fit, one above the other when they do not.
        Grid {
            id: buttons

            // Measured at full size: a button's own implicit width follows its label once the label shrinks.
            readonly property bool sideBySide: Math.max(rulesMetrics.advanceWidth, playMetrics.advanceWidth) + 20 * u
                                               <= (width - spacing) / 2

            width: parent.width
            columns: sideBySide ? 2 : 1
            spacing: 10 * u

            TextMetrics {
                id: rulesMetrics
                font.pixelSize: Theme.fontNormal
                font.bold: true
                text: rulesButton.text
            }

            TextMetrics {
                id: playMetrics
                font.pixelSize: Theme.fontNormal
                font.bold: true
                text: playButton.text
            }

            Button {
                id: rulesButton
                objectName: "firstRunRules"
                width: buttons.sideBySide ? (buttons.width - buttons.spacing) / 2 : buttons.width
                text: qsTr("How to play")
                onClicked: card.rulesRequested()
            }

            Button {
                id: playButton
                objectName: "firstRunPlay"
                width: rulesButton.width
                //: Button that closes the welcome and starts playing
                text: qsTr("Play")
                highlighted: true
                onClicked: card.dismissed()
            }
        }
    }
}
