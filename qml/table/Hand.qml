import QtQuick 2.6
import harbour.zavel 1.0
import "../shared"

// The player's hand, face up, overlapping so that it always fits the width. When one row would leave too
// little of each card to read its index and hit it, the hand takes two rows, the second lying over the lower
// part of the first, so that every card keeps its corner in sight.
//
// The cards come from the hand model in the order it shows them (as received, or sorted by suit and rank);
// each row keeps the position the engine knows its card by (handIndex), so a tap always names the right card to
// the engine. A card keeps its item while others come and go, so the other cards slide into place.
//
// A card is played by a tap, or by dragging it and letting it go over the pile (dropped(), which the table
// checks); with tapToSelect the first tap only selects it and a second tap plays it.
Item {
    id: hand

    // A card still on its way here (the model's arriving role) does not show yet.
    property HandModel model: null
    // While the player may act, cards that cannot be played are shaded and the playable ones lifted.
    property bool inputEnabled: false
    // Whether the cards slide to their places: while a card flies or is drawn, so that the cards that stay make
    // room or close up; a new deal, a restored game or another order shows in place.
    property bool animate: true
    // The selection, by the keyboard or a first tap, as a position in the displayed order; -1 for none.
    property int selectedPosition: -1
    property bool tapToSelect: false
    // The card a hint names, by the engine's hand index; -1 for none.
    property int hintedIndex: -1

    signal cardTapped(int handIndex)
    // A card let go after a drag, at this point of the hand's own coordinates.
    signal cardDropped(int handIndex, real x, real y)

    readonly property int count: model ? model.count : 0
    readonly property real lift: Math.round(height * 0.1)
    // One row: the cards as tall as the hand allows, overlapping as much as the width needs.
    readonly property real rowCardHeight: Math.max(1, height - lift - 4 * Theme.u)
    readonly property real rowSpacing: count > 1 ? Math.min(rowCardHeight / Theme.cardRatio * 1.06,
                                                            (width - rowCardHeight / Theme.cardRatio) / (count - 1)) : 0
    // Less than this much of a card in sight, and its index can no longer be read whole.
    readonly property bool twoRows: count > 1 && rowSpacing < rowCardHeight / Theme.cardRatio * 0.34
    readonly property int perRow: twoRows ? Math.ceil(count / 2) : count
    // In two rows the second lies over the lower part of the first, offset by rowOffset.
    readonly property real cardHeight: twoRows ? rowCardHeight / 1.5 : rowCardHeight
    readonly property real rowOffset: twoRows ? cardHeight * 0.5 : 0
    readonly property real cardWidth: cardHeight / Theme.cardRatio
    readonly property real spacing: perRow > 1 ? Math.min(cardWidth * 1.06, (width - cardWidth) / (perRow - 1)) : 0

    function rowOf(position) {
        return position < perRow ? 0 : 1;
    }

    function columnOf(position) {
        return position - rowOf(position) * perRow;
    }

    function slotX(position) {
        var inRow = rowOf(position) === 0 ? perRow : count - perRow;
        return (width - cardWidth - spacing * Math.max(0, inRow - 1)) / 2 + columnOf(position) * spacing;
    }

    function slotY(position, lifted) {
        return rowOf(position) * rowOffset + (lifted ? 0 : lift);
    }

    // Where the card the engine knows as handIndex lies (or will lie) in this item, lifted or resting.
    function slotRect(handIndex, lifted) {
        var p = model ? model.positionOf(handIndex) : -1;
        if (p < 0)
            p = Math.max(0, count - 1);
        return { x: slotX(p), y: slotY(p, lifted), width: cardWidth, height: cardHeight };
    }

    function handIndexAt(position) {
        return model ? model.handIndexAt(position) : -1;
    }

    function tap(position, handIndex) {
        if (tapToSelect && selectedPosition !== position) {
            selectedPosition = position;
            return;
        }
        selectedPosition = -1;
        cardTapped(handIndex);
    }

    onCountChanged: if (selectedPosition >= count) selectedPosition = count - 1

    Repeater {
        model: hand.model

        Card {
            id: cardItem

            readonly property bool canPlay: model.playable
            readonly property bool lastInRow: index === hand.count - 1 || index === hand.perRow - 1
            readonly property bool topRow: hand.rowOf(index) === 0
            // The middle of the part of the card its neighbours leave in sight: where a finger (or a test) taps it.
            readonly property real tapX: lastInRow ? width / 2 : Math.min(width, hand.spacing) / 2
            readonly property real tapY: topRow && hand.twoRows ? Math.min(height, hand.rowOffset) / 2 : height / 2
            readonly property int engineIndex: model.handIndex
            readonly property string cardId: model.cardId
            // Where a drag has taken the card from its place.
            property real dragX: 0
            property real dragY: 0

            objectName: "handCard_" + model.cardId
            suit: model.suit
            rank: model.rank
            width: hand.cardWidth
            height: hand.cardHeight
            x: hand.slotX(index) + dragX
            y: hand.slotY(index, (hand.inputEnabled && canPlay) || selected) + dragY
            z: dragX !== 0 || dragY !== 0 ? 100 : index
            playable: hand.inputEnabled && canPlay
            shaded: hand.inputEnabled && !canPlay
            selected: index === hand.selectedPosition
            hinted: model.handIndex === hand.hintedIndex
            opacity: model.arriving ? 0 : 1
            Accessible.role: Accessible.Button
            Accessible.name: Labels.cardName(model.suit, model.rank) + (playable ? ", " + qsTr("playable") : "")
            Accessible.onPressAction: hand.cardTapped(cardItem.engineIndex)

            Behavior on x {
                enabled: hand.animate && cardItem.dragX === 0
                NumberAnimation { duration: 160; easing.type: Easing.OutCubic }
            }
            Behavior on y {
                enabled: hand.animate && cardItem.dragY === 0
                NumberAnimation { duration: 120 }
            }

            MouseArea {
                id: touch

                property real startX
                property real startY
                property bool dragging: false
                // A drag ends in a drop, never also in a tap.
                property bool dragged: false

                anchors.fill: parent
                preventStealing: dragging
                onPressed: {
                    startX = mouse.x;
                    startY = mouse.y;
                    dragging = false;
                    dragged = false;
                }
                onPositionChanged: {
                    var dx = mouse.x - startX + cardItem.dragX, dy = mouse.y - startY + cardItem.dragY;
                    if (!dragging && Math.abs(dx) + Math.abs(dy) < 16 * Theme.u)
                        return;
                    dragging = true;
                    dragged = true;
                    cardItem.dragX = dx;
                    cardItem.dragY = dy;
                }
                function putBack() {
                    cardItem.dragX = 0;
                    cardItem.dragY = 0;
                    dragging = false;
                }
                onReleased: {
                    if (!dragging)
                        return;
                    var point = cardItem.mapToItem(hand, cardItem.width / 2, cardItem.height / 2);
                    putBack();
                    hand.cardDropped(cardItem.engineIndex, point.x, point.y);
                }
                onCanceled: putBack()
                onClicked: if (!dragged) hand.tap(index, cardItem.engineIndex)
            }
        }
    }
}
