import QtQuick 2.6
import harbour.zavel 1.0
import "../shared"

// The discard pile: its last few cards, each a little askew the way cards fall, the top card last. A card still
// flying here (hiddenIds) is left out until it lands, and the card below it shows in the meantime. The pile
// model holds one card more than is shown, for that moment.
Item {
    id: pile

    property PileModel model: null
    property var hiddenIds: ({})
    property real cardWidth: 80 * Theme.u
    readonly property int depth: 4
    readonly property int count: model ? model.count : 0
    // Whether the top card is still in the air: then the cards below it move up by one.
    readonly property bool topHidden: model !== null && hiddenIds[model.topCardId] !== undefined

    width: cardWidth * 1.3
    height: cardWidth * Theme.cardRatio * 1.15
    // Drawn into a layer when it changes, so that a card flying over the pile does not draw its tilted cards
    // again in every frame; the layer reaches a little past the item, where the tilted corners lie.
    layer.enabled: true
    layer.smooth: true
    layer.sourceRect: Qt.rect(-0.1 * cardWidth, -0.1 * cardWidth, width + 0.2 * cardWidth, height + 0.2 * cardWidth)

    // A fixed small tilt and offset per card, so the pile looks the same every time it is drawn.
    function placement(cardId) {
        var h = 0;
        for (var i = 0; i < cardId.length; ++i)
            h = (h * 31 + cardId.charCodeAt(i)) % 1009;
        return {
            x: (width - cardWidth) / 2 + ((h % 7) - 3) * cardWidth * 0.025,
            y: (height - cardWidth * Theme.cardRatio) / 2 + (((h >> 3) % 5) - 2) * cardWidth * 0.02,
            width: cardWidth,
            height: cardWidth * Theme.cardRatio,
            rotation: ((h % 13) - 6) * 1.6
        };
    }

    Repeater {
        model: pile.model

        Card {
            readonly property var place: pile.placement(model.cardId)
            readonly property bool onTop: index === pile.count - (pile.topHidden ? 2 : 1)
            readonly property string cardId: model.cardId

            objectName: onTop ? "discardTop" : ""
            visible: pile.hiddenIds[model.cardId] === undefined
                     && index >= pile.count - pile.depth - (pile.topHidden ? 1 : 0)
            z: index
            suit: model.suit
            rank: model.rank
            x: place.x
            y: place.y
            width: pile.cardWidth
            height: place.height
            rotation: place.rotation
            decodeAtOnce: true
        }
    }
}
