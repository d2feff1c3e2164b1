import QtQuick 2.6
import "cardrows.js" as Rows
import "."

// The player's hand, face up, in one overlapping row that always fits the width.
//
// The cards come from the engine with their handIndex, the position the engine knows them by. When sorted is
// set they are shown by suit and rank instead; the handIndex travels with each card, so a tap always names the
// right card to the engine. The delegates are kept across updates (matched by card id), so the other cards
// slide into place when one leaves or arrives.
Item {
    id: hand

    property var cards: []
    property bool sorted: false
    // Card ids that are on their way here and must not show yet, and the ids the engine lets the player play.
    property var hiddenIds: ({})
    property var playableIds: ({})
    // While the player may act, cards that cannot be played are shaded and the playable ones lifted.
    property bool inputEnabled: false
    // Whether the next change of the hand slides the cards that stay (a card played or drawn), rather than
    // showing the new hand in place (a new deal, a restored game, another order).
    property bool animate: true
    // The keyboard's selection, as a position in the displayed order; -1 when nothing is selected.
    property int selectedPosition: -1

    signal cardTapped(int handIndex)

    readonly property var shown: sorted ? sortedCopy(cards) : cards
    readonly property int count: shown.length
    readonly property real lift: Math.round(height * 0.1)
    readonly property real cardHeight: Math.max(1, height - lift - 4 * Theme.u)
    readonly property real cardWidth: cardHeight / Theme.cardRatio
    readonly property real spacing: count > 1 ? Math.min(cardWidth * 1.06, (width - cardWidth) / (count - 1)) : 0
    readonly property real startX: (width - cardWidth - spacing * Math.max(0, count - 1)) / 2

    function sortedCopy(list) {
        var copy = [];
        for (var i = 0; i < list.length; ++i)
            copy.push(list[i]);
        copy.sort(function(a, b) { return a.suit !== b.suit ? a.suit - b.suit : a.rank - b.rank; });
        return copy;
    }

    function positionOf(handIndex) {
        for (var i = 0; i < shown.length; ++i) {
            if (shown[i].handIndex === handIndex)
                return i;
        }
        return -1;
    }

    function slotX(position) {
        return startX + position * spacing;
    }

    // Where the card the engine knows as handIndex lies (or will lie) in this item, lifted or resting.
    function slotRect(handIndex, lifted) {
        var p = positionOf(handIndex);
        if (p < 0)
            p = Math.max(0, count - 1);
        return { x: slotX(p), y: lifted ? 0 : lift, width: cardWidth, height: cardHeight };
    }

    function handIndexAt(position) {
        return position >= 0 && position < shown.length ? shown[position].handIndex : -1;
    }

    // One delegate per card id, in display order, so that cards keep their item while others come and go.
    function sync() {
        var changed = Rows.sync(cardModel, shown, function(card) {
            return { cardId: card.id, suit: card.suit, rank: card.rank, handIndex: card.handIndex };
        });
        if (selectedPosition >= count)
            selectedPosition = count - 1;
        return changed;
    }

    // Cards slide only while the hand changes, not when the window is resized.
    property bool sliding: false

    onShownChanged: {
        sliding = animate && cardModel.count > 0;
        if (sync() && sliding)
            slideEnd.restart();
        else
            sliding = false;
    }
    Component.onCompleted: sync()

    Timer {
        id: slideEnd
        interval: 250
        onTriggered: hand.sliding = false
    }

    ListModel {
        id: cardModel
    }

    Repeater {
        model: cardModel

        Card {
            id: cardItem

            readonly property bool canPlay: hand.playableIds[model.cardId] === true
            // The middle of the part of the card that is not covered by its right neighbour: where a finger
            // (or a test) taps it.
            readonly property real tapX: index < hand.count - 1 ? Math.min(width, hand.spacing) / 2 : width / 2
            readonly property int engineIndex: model.handIndex
            readonly property string cardId: model.cardId

            objectName: "handCard_" + model.cardId
            suit: model.suit
            rank: model.rank
            width: hand.cardWidth
            height: hand.cardHeight
            x: hand.slotX(index)
            y: hand.inputEnabled && canPlay ? 0 : hand.lift
            z: index
            playable: hand.inputEnabled && canPlay
            shaded: hand.inputEnabled && !canPlay
            selected: index === hand.selectedPosition
            opacity: hand.hiddenIds[model.cardId] !== undefined ? 0 : 1
            Accessible.role: Accessible.Button
            Accessible.name: Labels.cardName(model.suit, model.rank) + (playable ? ", " + qsTr("playable") : "")
            Accessible.onPressAction: hand.cardTapped(cardItem.engineIndex)

            Behavior on x {
                enabled: hand.sliding
                NumberAnimation { duration: 160; easing.type: Easing.OutCubic }
            }
            Behavior on y {
                enabled: hand.sliding
                NumberAnimation { duration: 120 }
            }

            MouseArea {
                anchors.fill: parent
                onClicked: {
                    // The frame of the keyboard's selection would only be in the way of a finger.
                    hand.selectedPosition = -1;
                    hand.cardTapped(cardItem.engineIndex);
                }
            }
        }
    }
}
