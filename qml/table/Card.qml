import QtQuick 2.6
import "../shared"

// A face-up card: the artwork, the rank index in two corners. The owner sets the size; moving cards should
// animate x, y and scale, which keep the image the size it was loaded at.
Item {
    id: card

    property int suit: 0
    property int rank: 7
    // Marks for the player's hand: a playable card glows, a card that cannot be played now is shaded, and
    // the keyboard's selection gets a frame of its own.
    property bool playable: false
    property bool shaded: false
    property bool selected: false
    // Marked by a hint.
    property bool hinted: false
    // Decode the face on the interface thread: for a card drawn into a layer, which is not always drawn again
    // when a face decoded in the background arrives, so the card would show only its corners until the next
    // change. A card that flew there first finds its face in the cache and costs nothing.
    property bool decodeAtOnce: false

    width: 80 * Theme.u
    height: width * Theme.cardRatio
    Accessible.role: Accessible.Graphic
    Accessible.name: Labels.cardName(suit, rank)

    Rectangle {
        id: glow
        // The glow of a playable card reaches past the card's edge.
        property bool mayOverhang: true
        anchors.fill: face
        anchors.margins: -Math.max(2, card.width * 0.05)
        radius: face.radius + Math.max(2, card.width * 0.05)
        color: card.hinted ? Theme.hint : card.selected ? Theme.highlight : Theme.playable
        visible: card.playable || card.selected || card.hinted
        opacity: card.selected ? 0.95 : 0.85
    }

    Item {
        id: face
        anchors.fill: parent
        readonly property real radius: card.width * 0.08
        // What the image paints under the corner indices, for the layout test's contrast check.
        readonly property color background: Theme.cardFace

        // The face with its edge, frame and artwork, painted once ahead of time (tools/render-cards.sh) and
        // scaled to the card: the image cache holds one copy of a face per size, whichever card shows it, and
        // a card is a few items for the renderer to draw, not a stack of rounded rectangles.
        Image {
            anchors.fill: parent
            source: "../images/cards/" + card.suit + "_" + card.rank + ".png"
            sourceSize.width: Math.ceil(card.width)
            sourceSize.height: Math.ceil(card.height)
            smooth: true
            // A face seen for the first time at a size is decoded off the interface thread; one the cache
            // holds shows at once.
            asynchronous: !card.decodeAtOnce
        }

        // The rank index in two corners. The Ace's letter sits on its suit's colour, so that it cannot be
        // taken for a figure's letter (in Hungarian the Lower is A and the Ace Á) when only the corner shows.
        Rectangle {
            id: topIndex
            x: card.width * 0.015
            y: card.height * 0.02
            width: card.width * 0.2
            height: indexText.implicitHeight
            radius: width * 0.2
            color: card.rank === 14 ? Theme.suitInk(card.suit) : "transparent"

            Text {
                id: indexText
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                text: Labels.rankIndex(card.rank)
                color: card.rank === 14 ? Theme.cardFace : Theme.suitInk(card.suit)
                font.pixelSize: Math.max(6, card.width * 0.22)
                font.bold: true
                // "10" shrinks to stay inside the card's edge.
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 4
            }
        }

        Rectangle {
            x: card.width * 0.985 - width
            y: card.height * 0.98 - height
            width: topIndex.width
            height: topIndex.height
            radius: topIndex.radius
            rotation: 180
            color: topIndex.color

            Text {
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                text: indexText.text
                color: indexText.color
                font: indexText.font
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 4
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: face.radius
            color: Theme.cardShade
            opacity: card.shaded ? 0.28 : 0
        }
    }

}
