import QtQuick 2.6
import "cardrows.js" as Rows
import "."

// The discard pile: its last few cards, each a little askew the way cards fall, the top card last. Cards still
// flying here (hiddenIds) are left out until they land.
Item {
    id: pile

    property var cards: []
    property var hiddenIds: ({})
    property real cardWidth: 80 * Theme.u
    readonly property int depth: 4

    width: cardWidth * 1.3
    height: cardWidth * Theme.cardRatio * 1.15
    // Drawn into a layer when it changes, so that a card flying over the pile does not draw its tilted cards
    // again in every frame; the layer reaches a little past the item, where the tilted corners lie.
    layer.enabled: true
    layer.smooth: true
    layer.sourceRect: Qt.rect(-0.1 * cardWidth, -0.1 * cardWidth, width + 0.2 * cardWidth, height + 0.2 * cardWidth)

    readonly property var visibleCards: {
        var list = [];
        for (var i = 0; i < cards.length; ++i) {
            if (hiddenIds[cards[i].id] === undefined)
                list.push(cards[i]);
        }
        return list.slice(Math.max(0, list.length - depth));
    }
    readonly property var topCard: visibleCards.length > 0 ? visibleCards[visibleCards.length - 1] : null

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

    // The cards that stay keep their delegate and their painted face when the pile changes.
    ListModel {
        id: pileModel
    }

    function sync() {
        Rows.sync(pileModel, visibleCards, function(card) {
            return { cardId: card.id, suit: card.suit, rank: card.rank };
        });
    }

    onVisibleCardsChanged: sync()
    Component.onCompleted: sync()

    Repeater {
        model: pileModel
        Card {
            readonly property var place: pile.placement(model.cardId)
            objectName: index === pileModel.count - 1 ? "discardTop" : ""
            z: index
            suit: model.suit
            rank: model.rank
            x: place.x
            y: place.y
            width: pile.cardWidth
            height: place.height
            rotation: place.rotation
        }
    }
}
