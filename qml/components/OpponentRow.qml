import QtQuick 2.6
import "."

// The computer players side by side, each in a box of the same width, centred in the row.
Item {
    id: row

    // The engine's participants; seat 0, the player, is not shown here.
    property var participants: []
    // The strength names of seats 1 to 3.
    property var strengths: ["", "", ""]
    property int winner: -1
    property bool gameOver: false
    // Cards still flying to each seat, which the seats do not count yet: card id -> seat.
    property var cardsOnTheWay: ({})

    readonly property int opponents: Math.max(1, participants.length - 1)
    readonly property real gap: 8 * Theme.u
    readonly property real seatWidth: Math.min(250 * Theme.u, (width - (opponents - 1) * gap) / opponents)

    function onTheWayTo(seat) {
        var n = 0;
        for (var id in cardsOnTheWay) {
            if (cardsOnTheWay[id] === seat)
                n += 1;
        }
        return n;
    }

    function seatItem(seat) {
        for (var i = 0; i < seats.count; ++i) {
            var item = seats.itemAt(i);
            if (item && item.seatIndex === seat)
                return item;
        }
        return null;
    }

    Repeater {
        id: seats
        model: row.participants.length > 1 ? row.participants.length - 1 : 0

        OpponentSeat {
            readonly property var entry: row.participants[index + 1]
            readonly property int seatIndex: index + 1

            objectName: "seat_" + seatIndex
            x: (row.width - row.opponents * row.seatWidth - (row.opponents - 1) * row.gap) / 2
               + index * (row.seatWidth + row.gap)
            width: row.seatWidth
            height: row.height
            name: entry ? entry.name : ""
            strength: row.strengths[index] || ""
            cardCount: entry ? Math.max(0, entry.handCount - row.onTheWayTo(seatIndex)) : 0
            activeTurn: entry ? entry.activeTurn && !row.gameOver : false
            declared: entry ? entry.zavel : false
            oneCard: entry ? entry.oneCard && !row.gameOver : false
            winner: row.winner === seatIndex
        }
    }
}
