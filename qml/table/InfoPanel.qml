import QtQuick 2.6
import "../shared"

// The texts of the game that are always on screen: whose turn it is and what is asked of them, the last
// moves of the game (or why a card cannot be played, right after such a tap), and the request that stands.
// Its height depends only on the text size, so that the table does not jump as the texts change. A tap
// opens the whole move log.
Rectangle {
    id: panel

    property string status
    // Why the card the player tapped cannot be played; shown instead of the last moves until the next change.
    property string explanation
    // The move log's lines, { text, seat }, oldest first; the last few are shown.
    property var lines: []
    property int lineCount: 2
    // Lines the status may take: two where the panel is narrow.
    property int statusLines: 1
    property string requestText
    property int requestedSuit: -1
    property int requestedRank: -1
    signal clicked()

    readonly property real lineHeight: Math.ceil(Theme.fontNormal * 1.35)
    readonly property var recent: lines.slice(Math.max(0, lines.length - lineCount))

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

            Column {
                objectName: "recentMoves"
                anchors.fill: parent
                visible: panel.explanation.length === 0

                Repeater {
                    // Made once; each shows its line of the last few, so a new move changes texts, not items.
                    model: panel.lineCount

                    Text {
                        readonly property var line: panel.recent[index] || null
                        // A preview: the whole line is in the move log, one tap away.
                        property bool mayElide: true
                        objectName: "recentMove_" + index
                        width: parent.width
                        height: panel.lineHeight
                        verticalAlignment: Text.AlignVCenter
                        text: line ? line.text : ""
                        color: line && line.seat === 0 ? Theme.accent : Theme.text
                        opacity: index === panel.recent.length - 1 ? 1 : 0.85
                        font.pixelSize: Theme.fontNormal
                        elide: Text.ElideRight
                    }
                }
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
