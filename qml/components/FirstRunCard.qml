import QtQuick 2.6
import "."

// The welcome shown over the table on the very first start: the game in four lines, and the way to the rules
// or straight into play. The owner sets the width and the position; the height follows the content.
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

    Column {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 20 * u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40 * u
        spacing: 12 * u

        Text {
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

        Repeater {
            model: card.lines

            Row {
                width: column.width
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

        // Side by side when both labels fit, one above the other when they do not.
        Grid {
            id: buttons

            readonly property bool sideBySide: rulesButton.implicitWidth + playButton.implicitWidth + spacing <= width

            width: parent.width
            columns: sideBySide ? 2 : 1
            spacing: 10 * u

            Button {
                id: rulesButton
                objectName: "firstRunRules"
                width: buttons.sideBySide ? (buttons.width - buttons.spacing) / 2 : buttons.width
                text: qsTr("How to play")
                onClicked: card.rulesRequested()
                Accessible.role: Accessible.Button
                Accessible.name: text
            }

            Button {
                id: playButton
                objectName: "firstRunPlay"
                width: rulesButton.width
                text: qsTr("Play")
                highlighted: true
                onClicked: card.dismissed()
                Accessible.role: Accessible.Button
                Accessible.name: text
            }
        }
    }
}
