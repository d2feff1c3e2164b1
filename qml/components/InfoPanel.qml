import QtQuick 2.6
import "."

// The texts of the game that are always on screen: whose turn it is and what is asked of them, the last thing
// that happened, and the request that stands.
Rectangle {
    id: panel

    property string status
    property string lastEvent
    property string requestText
    property int requestedSuit: -1
    property int requestedRank: -1

    radius: 12 * Theme.u
    color: Theme.panel
    border.color: Theme.panelBorder
    border.width: Math.max(1, 2 * Theme.u)

    Column {
        anchors.fill: parent
        anchors.margins: 10 * Theme.u
        spacing: 4 * Theme.u

        Text {
            objectName: "statusText"
            width: parent.width
            text: panel.status
            color: Theme.accent
            font.pixelSize: Theme.fontLarge
            font.bold: true
            // A long name or a long translation shrinks the line rather than losing its end.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontSmall
            elide: Text.ElideRight
        }

        Text {
            objectName: "lastEventText"
            width: parent.width
            text: panel.lastEvent.length > 0 ? panel.lastEvent : " "
            color: Theme.text
            font.pixelSize: Theme.fontNormal
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }

        Row {
            spacing: 8 * Theme.u
            height: 28 * Theme.u
            visible: panel.requestText.length > 0

            SuitSymbol {
                width: 26 * Theme.u
                height: width
                suit: panel.requestedSuit
                visible: panel.requestedSuit >= 0
            }

            Rectangle {
                width: 22 * Theme.u
                height: 28 * Theme.u
                radius: 3 * Theme.u
                color: Theme.cardFace
                visible: panel.requestedRank >= 0

                Text {
                    anchors.centerIn: parent
                    text: Labels.rankIndex(panel.requestedRank)
                    color: "#2b2118"
                    font.pixelSize: Theme.fontSmall
                    font.bold: true
                }
            }

            Text {
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
