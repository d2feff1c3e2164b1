import QtQuick 2.6
import harbour.zavel 1.0
import "../shared"

// The player's hand, face up, in one overlapping row that always fits the width.
//
// The cards come from the hand model in the order it shows them (as received, or sorted by suit and rank);
// each row keeps the position the engine knows its card by (handIndex), so a tap always names the right card to
// the engine. A card keeps its item while others come and go, so the other cards slide into place.
Item {
    id: hand

    property HandModel model: null
    // Card ids that are on their way here and must not show yet.
    property var hiddenIds: ({})
    // While the player may act, cards that cannot be played are shaded and the playable ones lifted.
    property bool inputEnabled: false
    // Whether the cards slide to their places: while a card flies or is drawn, so that the cards that stay make
    // room or close up; a new deal, a restored game or another order shows in place.
    property bool animate: true
    // The keyboard's selection, as a position in the displayed order; -1 when nothing is selected.
    property int selectedPosition: -1

    signal cardTapped(int handIndex)

    readonly property int count: model ? model.count : 0
    readonly property real lift: Math.round(height * 0.1)
    readonly property real cardHeight: Math.max(1, height - lift - 4 * Theme.u)
    readonly property real cardWidth: cardHeight / Theme.cardRatio
    readonly property real spacing: count > 1 ? Math.min(cardWidth * 1.06, (width - cardWidth) / (count - 1)) : 0
    readonly property real startX: (width - cardWidth - spacing * Math.max(0, count - 1)) / 2

    function slotX(position) {
        return startX + position * spacing;
    }

    // Where the card the engine knows as handIndex lies (or will lie) in this item, lifted or resting.
    function slotRect(handIndex, lifted) {
        var p = model ? model.positionOf(handIndex) : -1;
        if (p < 0)
            p = Math.max(0, count - 1);
        return { x: slotX(p), y: lifted ? 0 : lift, width: cardWidth, height: cardHeight };
    }

    function handIndexAt(position) {
        return model ? model.handIndexAt(position) : -1;
    }

    onCountChanged: if (selectedPosition >= count) selectedPosition = count - 1

    Repeater {
        model: hand.model

        Card {
            id: cardItem

            readonly property bool canPlay: model.playable
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
                enabled: hand.animate
                NumberAnimation { duration: 160; easing.type: Easing.OutCubic }
            }
            Behavior on y {
                enabled: hand.animate
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
