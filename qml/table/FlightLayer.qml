import QtQuick 2.6

// The layer above the table where cards fly. launch() starts a batch of flights and calls back once per card
// that lands and once when the whole batch is down; clear() drops everything in the air without a call back.
// A card that has landed waits hidden for the next flight: the cards are made once, not for every flight.
Item {
    id: layer

    property real timeScale: 1
    property int generation: 0
    readonly property int flying: flights.length
    property var flights: []
    property var idle: []

    // plan: { suit, rank, faceUp, turnOver, width, height, from: rect, to: rect, delay, duration, onLanded(plan) }
    // with rect: { x, y, width, height, rotation } in this layer's coordinates. The card keeps the plan's size
    // and is scaled to each rectangle's width, turning about its centre.
    function launch(plans, onAllLanded) {
        if (plans.length === 0) {
            onAllLanded();
            return;
        }
        var batch = { generation: generation, remaining: plans.length, onAllLanded: onAllLanded };
        var started = [];
        for (var i = 0; i < plans.length; ++i) {
            var s = plans[i];
            var card = idle.length > 0 ? idle.pop() : makeCard();
            card.suit = s.suit;
            card.rank = s.rank;
            card.faceUp = s.faceUp;
            card.turnOver = s.turnOver === true;
            card.width = s.width;
            card.height = s.height;
            card.fromX = s.from.x + (s.from.width - s.width) / 2;
            card.fromY = s.from.y + (s.from.height - s.height) / 2;
            card.fromScale = s.from.width / s.width;
            card.fromRotation = s.from.rotation || 0;
            card.toX = s.to.x + (s.to.width - s.width) / 2;
            card.toY = s.to.y + (s.to.height - s.height) / 2;
            card.toScale = s.to.width / s.width;
            card.toRotation = s.to.rotation || 0;
            card.delay = Math.round(s.delay * timeScale);
            card.duration = Math.max(1, Math.round(s.duration * timeScale));
            card.z = i;
            card.plan = s;
            card.batch = batch;
            started.push(card);
        }
        flights = flights.concat(started);
        for (var k = 0; k < started.length; ++k)
            started[k].start();
    }

    function makeCard() {
        var card = flyingCard.createObject(layer);
        card.landed.connect(function() { layer.cardLanded(card); });
        return card;
    }

    function putAway(card) {
        card.stop();
        card.visible = false;
        card.batch = null;
        idle.push(card);
    }

    function cardLanded(card) {
        var batch = card.batch;
        if (batch === null || batch.generation !== generation)
            return;
        flights = flights.filter(function(c) { return c !== card; });
        putAway(card);
        if (card.plan.onLanded)
            card.plan.onLanded(card.plan);
        batch.remaining -= 1;
        if (batch.remaining === 0)
            batch.onAllLanded();
    }

    function clear() {
        generation += 1;
        for (var i = 0; i < flights.length; ++i)
            putAway(flights[i]);
        flights = [];
    }

    Component {
        id: flyingCard
        FlyingCard {}
    }
}
