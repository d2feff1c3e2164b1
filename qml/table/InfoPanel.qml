import QtQuick 2.6
import "../shared"

// The texts of the game that are always on screen: whose turn it is and what is asked of them, the player's own
// last move (or why a card cannot be played, right after such a tap), and the request that stands; the other
// seats show their own last moves. Its height depends only on the text size, so that the table does not jump
// as the texts change: a long text wraps, and shrinks rather than lose its end. A tap opens the whole move log.
Rectangle {
    id: panel

    property string status
    // Why the card the player tapped cannot be played; shown instead of the last move until the next change.
    property string explanation
    // The player's own last move, in short.
    property string playerMove
    property int lineCount: 2
    // Lines the status may take: two where the panel is narrow.
    property int statusLines: 1
    property string requestText
    property int requestedSuit: -1
    property int requestedRank: -1
    signal clicked()

    readonly property real lineHeight: Math.ceil(Theme.fontNormal * 1.35)

    implicitHeight: statusText.height + lineCount * lineHeight + requestRow.height + 3 * 4 * Theme.u + 20 * Theme.u
    radius: 12 * Theme.u
    color: Theme.panel
    border.color: Theme.panelBorder
    border.width: Math.max(1, 2 * Theme.u)
    Accessible.role: Accessible.Button
    Accessible.name: status + ". " + (explanation.length > 0 ? explanation : qsTr("Move log"))
    Accessible.onPressAction: panel.clicked()

    MouseArea {
        anchors.fill: parent
        onClicked: panel.clicked()
    }

    Column {
        anchors.fill: parent
        anchors.margins: 10 * Theme.u
        spacing: 4 * Theme.u

        Text {
            id: statusText
            objectName: "statusText"
            width: parent.width
            height: Math.ceil(Theme.fontLarge * 1.25) * panel.statusLines
            verticalAlignment: Text.AlignVCenter
            text: panel.status
            color: Theme.accent
            font.pixelSize: Theme.fontLarge
            font.bold: true
            // A long name or a long translation wraps and shrinks rather than losing its end.
            wrapMode: Text.Wrap
            fontSizeMode: Text.Fit
            minimumPixelSize: Theme.fontSmall * 0.7
        }

        Item {
            width: parent.width
            height: panel.lineCount * panel.lineHeight

            Text {
                objectName: "lastEventText"
                anchors.fill: parent
                visible: panel.explanation.length > 0
                text: panel.explanation
                color: Theme.warningText
                font.pixelSize: Theme.fontNormal
                font.bold: true
                wrapMode: Text.Wrap
                fontSizeMode: Text.Fit
                minimumPixelSize: Theme.fontSmall * 0.8
            }

            Text {
                objectName: "playerMove"
                anchors.fill: parent
                visible: panel.explanation.length === 0
                verticalAlignment: Text.AlignVCenter
                text: panel.playerMove
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
                fontSizeMode: Text.Fit
                minimumPixelSize: Theme.fontSmall * 0.8
            }
        }

        Row {
            id: requestRow
            height: Math.max(28 * Theme.u, requestLabel.implicitHeight)
            spacing: 8 * Theme.u

            SuitSymbol {
                anchors.verticalCenter: parent.verticalCenter
                width: 26 * Theme.u
                height: width
                suit: panel.requestedSuit
                visible: panel.requestText.length > 0 && panel.requestedSuit >= 0
            }

            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: Math.max(22 * Theme.u, rankIndex.implicitWidth + 6 * Theme.u)
                height: Math.max(28 * Theme.u, rankIndex.implicitHeight)
                radius: 3 * Theme.u
                color: Theme.cardFace
                visible: panel.requestText.length > 0 && panel.requestedRank >= 0

                Text {
                    id: rankIndex
                    anchors.centerIn: parent
                    text: Labels.rankIndex(panel.requestedRank)
                    color: Theme.cardInk
                    font.pixelSize: Theme.fontSmall
                    font.bold: true
                }
            }

            Text {
                id: requestLabel
                objectName: "requestText"
                anchors.verticalCenter: parent.verticalCenter
                text: panel.requestText
                color: Theme.text
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
        }
    }
}
