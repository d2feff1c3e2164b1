import QtQuick 2.6
import harbour.zavel 1.0
import "../shared"

// The table's side of the engine's animation handshake.
//
// The engine changes its state at once and then asks for an animation; the request arrives before the state
// change is announced, so the table still shows the old picture while it is handled. Cards on their way are
// told to the hand model (drawn or dealt: its arriving role), counted per seat in arrivingAt, and listed in
// toPile (played): the views leave them out until they land, so nothing appears before its card arrives. A
// landing changes one row of the hand and one seat's count, not every card's binding. Each request gets a token;
// only the batch that holds the current token may send the completion, so every request is answered once, and a
// batch that was superseded (a new game, the watchdog, animations switched off) never answers.
//
// Where cards start and land is the table's business: it provides talonRect(), seatRect(seat),
// handRect(handIndex, lifted), pileRect(cardId), talonCardWidth and pileCardWidth, all in the flight
// layer's coordinates.
Item {
    id: animator

    property GameEngine engine
    property Item table
    property FlightLayer flights
    property HandModel hand

    property var arrivingAt: [0, 0, 0, 0]
    property var toPile: ({})
    property int token: 0
    property var pendingLaunch: null

    readonly property int cardsFromTalon: arrivingAt[0] + arrivingAt[1] + arrivingAt[2] + arrivingAt[3]

    // The engine's requests come here, once; a phase that ends without this interface (the watchdog, or
    // animations switched off) leaves nothing in the air.
    property QtObject followed: null

    function follow() {
        if (engine === null || engine === followed)
            return;
        followed = engine;
        engine.cardAnimationRequested.connect(animateCard);
        engine.drawAnimationRequested.connect(function(drawnCards) { queueMovement("draw", drawnCards); });
        engine.dealAnimationRequested.connect(function(dealtCards) { queueMovement("deal", dealtCards); });
        engine.visualPhaseChanged.connect(function() {
            if (engine.visualPhase === GameEngine.Idle)
                abort();
        });
        engine.animationsEnabledChanged.connect(function() {
            if (!engine.animationsEnabled)
                abort();
        });
    }

    onEngineChanged: follow()
    Component.onCompleted: follow()

    function copyMap(map) {
        var copy = {};
        for (var key in map)
            copy[key] = map[key];
        return copy;
    }

    function abort() {
        token += 1;
        flights.clear();
        launchTimer.stop();
        completionTimer.stop();
        pendingLaunch = null;
        setArriving([]);
        toPile = {};
    }

    // Cards drawn or dealt, each to its seat, that are now in the air.
    function setArriving(entries) {
        var ids = [];
        var counts = [0, 0, 0, 0];
        for (var i = 0; i < entries.length; ++i) {
            ids.push(entries[i].id);
            counts[entries[i].player] += 1;
        }
        if (hand !== null)
            hand.setArriving(ids);
        arrivingAt = counts;
    }

    function arrived(entry) {
        if (hand !== null)
            hand.arrived(entry.id);
        var counts = arrivingAt.slice();
        counts[entry.player] -= 1;
        arrivingAt = counts;
    }

    function landed(kind, batch) {
        if (batch !== token)
            return;
        completionTimer.kind = kind;
        completionTimer.batch = batch;
        completionTimer.start();
    }

    function animateCard(cardId, playedBy, oldHandIndex, followups) {
        if (!engine.animationsEnabled)
            return;
        abort();
        var batch = token;
        // The hand still shows the card that was played: the flight starts where the player saw it.
        var from = playedBy === 0 ? table.handRect(oldHandIndex, true) : table.seatRect(playedBy);
        var card = TableWords.parts(cardId);

        var pileMap = copyMap(toPile);
        pileMap[cardId] = true;
        toPile = pileMap;
        // Cards drawn through the play are already in the hand; they are shown by the draw that follows.
        setArriving(followups);

        flights.launch([{
            suit: card.suit,
            rank: card.rank,
            faceUp: true,
            width: table.pileCardWidth,
            height: table.pileCardWidth * Theme.cardRatio,
            from: from,
            to: table.pileRect(cardId),
            delay: 0,
            duration: 340,
            onLanded: function() {
                var map = copyMap(animator.toPile);
                delete map[cardId];
                animator.toPile = map;
            }
        }], function() { animator.landed("card", batch); });
    }

    // Draws and the deal land in hands that the state change (arriving right after the request) lays out
    // anew, so their flights start once that has happened.
    function queueMovement(kind, entries) {
        if (!engine.animationsEnabled)
            return;
        abort();
        setArriving(entries);
        pendingLaunch = { kind: kind, entries: entries, batch: token };
        launchTimer.start();
    }

    function launchMovement(job) {
        if (job === null || job.batch !== token)
            return;
        var deal = job.kind === "deal";
        var from = table.talonRect();
        var plans = [];
        for (var i = 0; i < job.entries.length; ++i) {
            var e = job.entries[i];
            var card = TableWords.parts(e.id);
            plans.push({
                id: e.id,
                player: e.player,
                suit: card.suit,
                rank: card.rank,
                faceUp: false,
                turnOver: e.player === 0,
                width: table.talonCardWidth,
                height: table.talonCardWidth * Theme.cardRatio,
                from: from,
                to: e.player === 0 ? table.handRect(e.handIndex, false) : table.seatRect(e.player),
                delay: (deal ? 70 : 150) * e.order,
                duration: deal ? 260 : 320,
                onLanded: function(plan) { animator.arrived(plan); }
            });
        }
        flights.launch(plans, function() { animator.landed(job.kind, job.batch); });
    }

    Timer {
        id: launchTimer
        interval: 0
        onTriggered: {
            var job = animator.pendingLaunch;
            animator.pendingLaunch = null;
            animator.launchMovement(job);
        }
    }

    // Completions go out from the event loop, not from inside an animation's own callback: the engine may
    // answer a completion with the next request at once.
    Timer {
        id: completionTimer
        property string kind
        property int batch: -1
        interval: 0
        onTriggered: {
            if (batch !== animator.token || !animator.engine.animationsEnabled)
                return;
            animator.token += 1;
            if (kind === "card")
                animator.engine.completeCardAnimation();
            else if (kind === "draw")
                animator.engine.completeDrawAnimation();
            else if (kind === "deal")
                animator.engine.completeDealAnimation();
        }
    }
}
