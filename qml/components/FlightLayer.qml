import QtQuick 2.6

// The layer above the table where cards fly. launch() starts a batch of flights and calls back once per card
// that lands and once when the whole batch is down; clear() drops everything in the air without a call back.
Item {
    id: layer

    property real timeScale: 1
    property int generation: 0
    readonly property int flying: flights.length
    property var flights: []

    // plan: { suit, rank, faceUp, turnOver, width, height, from: rect, to: rect, delay, duration, onLanded(plan) }
    // with rect: { x, y, width, height, rotation } in this layer's coordinates. The card keeps the plan's size
    // and is scaled to each rectangle's width, turning about its centre.
    function launch(plans, onAllLanded) {
        var batch = generation;
        var remaining = plans.length;
        var started = [];
        if (remaining === 0) {
            onAllLanded();
            return;
        }
        for (var i = 0; i < plans.length; ++i) {
            var s = plans[i];
            var card = flyingCard.createObject(layer, {
                suit: s.suit,
                rank: s.rank,
                faceUp: s.faceUp,
                turnOver: s.turnOver === true,
                width: s.width,
                height: s.height,
                fromX: s.from.x + (s.from.width - s.width) / 2,
                fromY: s.from.y + (s.from.height - s.height) / 2,
                fromScale: s.from.width / s.width,
                fromRotation: s.from.rotation || 0,
                toX: s.to.x + (s.to.width - s.width) / 2,
                toY: s.to.y + (s.to.height - s.height) / 2,
                toScale: s.to.width / s.width,
                toRotation: s.to.rotation || 0,
                delay: Math.round(s.delay * timeScale),
                duration: Math.max(1, Math.round(s.duration * timeScale)),
                z: i
            });
            card.landed.connect(makeLandedHandler(card, s, batch, function() {
                remaining -= 1;
                if (remaining === 0)
                    onAllLanded();
            }));
            started.push(card);
        }
        flights = flights.concat(started);
        for (var k = 0; k < started.length; ++k)
            started[k].start();
    }

    function makeLandedHandler(card, plan, batch, countDown) {
        return function() {
            if (batch !== layer.generation)
                return;
            var rest = [];
            for (var i = 0; i < flights.length; ++i) {
                if (flights[i] !== card)
                    rest.push(flights[i]);
            }
            flights = rest;
            card.destroy();
            if (plan.onLanded)
                plan.onLanded(plan);
            countDown();
        };
    }

    function clear() {
        generation += 1;
        for (var i = 0; i < flights.length; ++i) {
            flights[i].stop();
            flights[i].destroy();
        }
        flights = [];
    }

    Component {
        id: flyingCard
        FlyingCard {}
    }
}
