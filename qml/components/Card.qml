import QtQuick 2.6
import "cardart.js" as Art
import "."

// A face-up card: the artwork on a canvas, the rank index in two corners. The owner sets the size; the
// artwork is repainted only when the card or its size changes, so moving cards should animate x, y and scale.
Item {
    id: card

    property int suit: 0
    property int rank: 7
    // Marks for the player's hand: a playable card glows, a card that cannot be played now is shaded, and
    // the keyboard's selection gets a frame of its own.
    property bool playable: false
    property bool shaded: false
    property bool selected: false

    width: 80 * Theme.u
    height: width * Theme.cardRatio

    Rectangle {
        id: glow
        anchors.fill: face
        anchors.margins: -Math.max(2, card.width * 0.05)
        radius: face.radius + Math.max(2, card.width * 0.05)
        color: card.selected ? "#ffffff" : Theme.playable
        visible: card.playable || card.selected
        opacity: card.selected ? 0.95 : 0.85
    }

    Rectangle {
        id: face
        anchors.fill: parent
        radius: card.width * 0.08
        color: Theme.cardFace
        border.color: Theme.cardEdge
        border.width: Math.max(1, card.width * 0.012)

        Rectangle {
            anchors.fill: parent
            anchors.margins: card.width * 0.045
            radius: face.radius * 0.6
            color: "transparent"
            border.color: "#d8ccb0"
            border.width: Math.max(1, card.width * 0.01)
        }

        Canvas {
            id: art
            anchors.fill: parent
            onPaint: {
                var ctx = getContext("2d");
                Art.drawFace(ctx, width, height, card.suit, card.rank);
            }
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
        }

        Text {
            id: topIndex
            x: card.width * 0.115 - width / 2
            y: card.height * 0.025
            text: Labels.rankIndex(card.rank)
            color: Art.colors(card.suit).dark
            font.pixelSize: Math.max(6, card.width * (card.rank === 10 ? 0.2 : 0.24))
            font.bold: true
        }

        Text {
            x: card.width * 0.885 - width / 2
            y: card.height * 0.975 - height
            rotation: 180
            text: topIndex.text
            color: topIndex.color
            font: topIndex.font
        }

        Rectangle {
            anchors.fill: parent
            radius: face.radius
            color: "#000000"
            opacity: card.shaded ? 0.28 : 0
        }
    }

    onSuitChanged: art.requestPaint()
    onRankChanged: art.requestPaint()
}
