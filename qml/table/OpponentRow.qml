import QtQuick 2.6
import harbour.zavel 1.0
import "../shared"

// The computer players side by side, each in a box of the same width, centred in the row.
Item {
    id: row

    // The seats from 1 on: the player's own is not shown here.
    property SeatModel seats: null
    // The strength names of seats 1 to 3.
    property var strengths: ["", "", ""]
    property int winner: -1
    property bool gameOver: false
    // The number of cards still flying to each seat, which the seats do not count yet.
    property var arrivingAt: [0, 0, 0, 0]

    readonly property int opponents: Math.max(1, seats ? seats.count : 1)
    readonly property real gap: 8 * Theme.u
    readonly property real seatWidth: Math.min(250 * Theme.u, (width - (opponents - 1) * gap) / opponents)

    function seatItem(seat) {
        for (var i = 0; i < repeater.count; ++i) {
            var item = repeater.itemAt(i);
            if (item && item.seatIndex === seat)
                return item;
        }
        return null;
    }

    Repeater {
        id: repeater
        model: row.seats

        OpponentSeat {
            readonly property int seatIndex: model.seat

            objectName: "seat_" + seatIndex
            x: (row.width - row.opponents * row.seatWidth - (row.opponents - 1) * row.gap) / 2
               + index * (row.seatWidth + row.gap)
            width: row.seatWidth
            height: row.height
            name: model.shortName
            lastMove: TableWords.turn(model.lastTurn, false)
            strength: row.strengths[seatIndex - 1] || ""
            cardCount: Math.max(0, model.handCount - row.arrivingAt[seatIndex])
            activeTurn: model.activeTurn && !row.gameOver
            declared: model.zavel
            oneCard: model.oneCard && !row.gameOver
            winner: row.winner === seatIndex
        }
    }
}
