import QtQuick 2.6
import harbour.zavel 1.0
import "../components"

// The table: the opponents, the talon and the discard pile, the texts of the game, the player's actions and
// hand, the choosers and the end of the game. It also plays the engine's animations.
//
// Animations. The engine changes its state at once and then asks for an animation; the request arrives before
// the state change is announced, so the table still shows the old picture while it handles it. Cards on their
// way are listed in toHand (drawn or dealt, card id -> seat) and toPile (played): the views leave them out
// until they land, so nothing appears before its card arrives. Each request gets a token; only the batch that
// holds the current token may send the completion, so every request is answered once, and a batch that was
// superseded (a new game, the watchdog, animations switched off) never answers.
Item {
    id: table

    property GameEngine engine
    property bool sortHand: false
    // Stretches or shrinks every flight; the tests run them faster.
    property real timeScale: 1

    signal newGameRequested()
    signal menuRequested()
    signal paceRequested()

    readonly property real u: Theme.u
    readonly property bool landscape: width > height
    readonly property bool hasEngine: engine !== null

    // The engine's lists are built on every read: read each once per change.
    readonly property var participants: hasEngine ? engine.participants : []
    readonly property var handCards: hasEngine ? engine.playerHand : []
    readonly property var discard: hasEngine ? engine.discardCards : []
    readonly property bool inputEnabled: hasEngine && engine.playerInputEnabled
    readonly property bool idle: hasEngine && engine.visualPhase === GameEngine.Idle
    readonly property bool gameOver: hasEngine && engine.winnerPlayer >= 0
    readonly property var playableIds: {
        var map = {};
        if (!inputEnabled || engine.stateRevision < 0)
            return map;
        for (var i = 0; i < handCards.length; ++i) {
            if (engine.isPlayerCardPlayable(handCards[i].handIndex))
                map[handCards[i].id] = true;
        }
        return map;
    }

    property var toHand: ({})
    property var toPile: ({})
    property int animationToken: 0
    property var pendingLaunch: null

    readonly property int cardsInFlightFromTalon: {
        var n = 0;
        for (var id in toHand)
            n += 1;
        return n;
    }

    function pendingFor(seat) {
        var n = 0;
        for (var id in toHand) {
            if (toHand[id] === seat)
                n += 1;
        }
        return n;
    }

    // --- Player actions ------------------------------------------------------------------------------------

    function tapCard(handIndex) {
        if (!engine.playerInputEnabled)
            return;
        if (engine.isPlayerCardPlayable(handIndex))
            engine.playCard(handIndex);
        else
            engine.rejectCard(handIndex);
    }

    function playPosition(position) {
        var handIndex = hand.handIndexAt(position);
        if (handIndex >= 0)
            tapCard(handIndex);
    }

    function moveSelection(step) {
        if (hand.count === 0)
            return;
        var p = hand.selectedPosition < 0 ? (step > 0 ? 0 : hand.count - 1) : hand.selectedPosition + step;
        hand.selectedPosition = Math.max(0, Math.min(hand.count - 1, p));
    }

    // The selection stays where it is: after a play it rests on the card that moved into the gap.
    function playSelected() {
        if (hand.selectedPosition >= 0)
            playPosition(hand.selectedPosition);
    }

    // --- Animations ------------------------------------------------------------------------------------------

    function copyMap(map) {
        var copy = {};
        for (var key in map)
            copy[key] = map[key];
        return copy;
    }

    function parseId(cardId) {
        var parts = String(cardId).split("_");
        return { suit: parseInt(parts[0], 10), rank: parseInt(parts[1], 10) };
    }

    function mapRect(item, r) {
        var p = item.mapToItem(flights, r.x, r.y);
        return { x: p.x, y: p.y, width: r.width, height: r.height, rotation: r.rotation || 0 };
    }

    function seatItem(seat) {
        for (var i = 0; i < seats.count; ++i) {
            var item = seats.itemAt(i);
            if (item && item.seatIndex === seat)
                return item;
        }
        return null;
    }

    function seatRect(seat) {
        var item = seatItem(seat);
        if (!item)
            return mapRect(talon, talon.topRect());
        return mapRect(item, item.cardTarget());
    }

    function talonRect() {
        return mapRect(talon, talon.topRect());
    }

    // Where a card for this seat goes: its place in the player's hand, or the end of an opponent's fan.
    function destinationRect(seat, handIndex) {
        if (seat === 0)
            return mapRect(hand, hand.slotRect(handIndex, false));
        return seatRect(seat);
    }

    function abortAnimations() {
        animationToken += 1;
        flights.clear();
        launchTimer.stop();
        completionTimer.stop();
        pendingLaunch = null;
        toHand = {};
        toPile = {};
    }

    function landed(kind, token) {
        if (token !== animationToken)
            return;
        completionTimer.kind = kind;
        completionTimer.token = token;
        completionTimer.start();
    }

    function animateCard(cardId, playedBy, oldHandIndex, followups) {
        if (!engine.animationsEnabled)
            return;
        abortAnimations();
        var token = animationToken;
        // The hand still shows the card that was played: the flight starts where the player saw it.
        var from = playedBy === 0 ? mapRect(hand, hand.slotRect(oldHandIndex, true)) : seatRect(playedBy);
        var place = pile.placement(cardId);
        var to = mapRect(pile, place);
        to.rotation = place.rotation;
        var card = parseId(cardId);

        var pileMap = copyMap(toPile);
        pileMap[cardId] = true;
        toPile = pileMap;
        // Cards drawn through the play are already in the hand; they are shown by the draw that follows.
        var handMap = copyMap(toHand);
        for (var i = 0; i < followups.length; ++i)
            handMap[followups[i].id] = followups[i].player;
        toHand = handMap;

        flights.launch([{
            suit: card.suit,
            rank: card.rank,
            faceUp: true,
            width: pile.cardWidth,
            height: pile.cardWidth * Theme.cardRatio,
            from: from,
            to: to,
            delay: 0,
            duration: 340,
            onLanded: function() {
                var map = copyMap(table.toPile);
                delete map[cardId];
                table.toPile = map;
            }
        }], function() { table.landed("card", token); });
    }

    function animateDraw(drawnCards) {
        queueMovement("draw", drawnCards);
    }

    function animateDeal(dealtCards) {
        queueMovement("deal", dealtCards);
    }

    // Draws and the deal land in hands that the state change (arriving right after the request) lays out
    // anew, so their flights start once that has happened.
    function queueMovement(kind, entries) {
        if (!engine.animationsEnabled)
            return;
        abortAnimations();
        var map = {};
        for (var i = 0; i < entries.length; ++i)
            map[entries[i].id] = entries[i].player;
        toHand = map;
        pendingLaunch = { kind: kind, entries: entries, token: animationToken };
        launchTimer.start();
    }

    function launchMovement(job) {
        if (job === null || job.token !== animationToken)
            return;
        var deal = job.kind === "deal";
        var from = talonRect();
        var plans = [];
        for (var i = 0; i < job.entries.length; ++i) {
            var e = job.entries[i];
            var card = parseId(e.id);
            plans.push({
                id: e.id,
                suit: card.suit,
                rank: card.rank,
                faceUp: false,
                turnOver: e.player === 0,
                width: talon.cardWidth,
                height: talon.cardWidth * Theme.cardRatio,
                from: from,
                to: destinationRect(e.player, e.handIndex),
                delay: (deal ? 70 : 150) * e.order,
                duration: deal ? 260 : 320,
                onLanded: function(plan) {
                    var map = copyMap(table.toHand);
                    delete map[plan.id];
                    table.toHand = map;
                }
            });
        }
        var token = job.token;
        flights.launch(plans, function() { table.landed(job.kind, token); });
    }

    Timer {
        id: launchTimer
        interval: 0
        onTriggered: {
            var job = table.pendingLaunch;
            table.pendingLaunch = null;
            table.launchMovement(job);
        }
    }

    // Completions go out from the event loop, not from inside an animation's own callback: the engine may
    // answer a completion with the next request at once.
    Timer {
        id: completionTimer
        property string kind
        property int token: -1
        interval: 0
        onTriggered: {
            if (token !== table.animationToken || !table.engine.animationsEnabled)
                return;
            table.animationToken += 1;
            if (kind === "card")
                table.engine.completeCardAnimation();
            else if (kind === "draw")
                table.engine.completeDrawAnimation();
            else if (kind === "deal")
                table.engine.completeDealAnimation();
        }
    }

    // --- Layout ------------------------------------------------------------------------------------------------

    readonly property real margin: 8 * u
    readonly property real topBarHeight: (landscape ? 52 : 60) * u
    readonly property real sideWidth: landscape ? Math.min(320 * u, width * 0.34) : 0
    readonly property real mainWidth: width - sideWidth
    readonly property real seatsHeight: (landscape ? 116 : 150) * u
    readonly property real handHeight: (landscape ? 172 : 212) * u
    readonly property real actionsHeight: landscape ? 3 * 58 * u + 16 * u : 64 * u
    readonly property real infoHeight: (landscape ? 150 : 122) * u
    readonly property real centerTop: topBarHeight + seatsHeight + 2 * margin
    readonly property real centerBottom: landscape ? height - handHeight - margin
                                                   : height - handHeight - actionsHeight - infoHeight - 4 * margin
    readonly property real pileCardWidth: Math.max(30 * u, Math.min(120 * u, (centerBottom - centerTop - 16 * u) / (Theme.cardRatio * 1.15)))

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.feltDark }
            GradientStop { position: 0.45; color: Theme.felt }
            GradientStop { position: 1; color: Theme.feltDark }
        }
    }

    // Top bar ---------------------------------------------------------------------------------------------------
    Row {
        id: topBar
        x: table.margin
        y: 4 * u
        width: table.width - 2 * table.margin
        height: table.topBarHeight - 8 * u
        spacing: 6 * u

        readonly property real buttonWidth: (width - 3 * spacing) / 4

        Button {
            objectName: "newGameButton"
            width: topBar.buttonWidth
            height: topBar.height
            fontSize: Theme.fontSmall
            text: qsTr("New game")
            onClicked: table.newGameRequested()
        }
        Button {
            objectName: "pauseButton"
            width: topBar.buttonWidth
            height: topBar.height
            fontSize: Theme.fontSmall
            text: table.hasEngine && table.engine.paused ? qsTr("Resume") : qsTr("Pause")
            highlighted: table.hasEngine && table.engine.paused
            onClicked: table.engine.paused = !table.engine.paused
        }
        Button {
            objectName: "paceButton"
            width: topBar.buttonWidth
            height: topBar.height
            fontSize: Theme.fontSmall
            text: qsTr("Pace")
            onClicked: table.paceRequested()
        }
        Button {
            objectName: "menuButton"
            width: topBar.buttonWidth
            height: topBar.height
            fontSize: Theme.fontSmall
            text: qsTr("Menu")
            onClicked: table.menuRequested()
        }
    }

    // Opponents ---------------------------------------------------------------------------------------------------
    Item {
        id: seatRow
        x: table.margin
        y: table.topBarHeight + table.margin
        width: table.mainWidth - 2 * table.margin
        height: table.seatsHeight

        readonly property int opponents: Math.max(1, table.participants.length - 1)
        readonly property real seatWidth: Math.min(250 * u, (width - (opponents - 1) * 8 * u) / opponents)

        Repeater {
            id: seats
            model: table.participants.length > 1 ? table.participants.length - 1 : 0

            OpponentSeat {
                readonly property var entry: table.participants[index + 1]
                readonly property int seatIndex: index + 1

                objectName: "seat_" + seatIndex
                x: (seatRow.width - seatRow.opponents * seatRow.seatWidth - (seatRow.opponents - 1) * 8 * u) / 2
                   + index * (seatRow.seatWidth + 8 * u)
                width: seatRow.seatWidth
                height: seatRow.height
                name: entry ? entry.name : ""
                strength: table.hasEngine ? Labels.difficultyName(seatIndex === 1 ? table.engine.ai1Difficulty
                                                                : seatIndex === 2 ? table.engine.ai2Difficulty
                                                                                  : table.engine.ai3Difficulty) : ""
                cardCount: entry ? Math.max(0, entry.handCount - table.pendingFor(seatIndex)) : 0
                activeTurn: entry ? entry.activeTurn && !table.gameOver : false
                declared: entry ? entry.zavel : false
                oneCard: entry ? entry.oneCard && !table.gameOver : false
                winner: table.hasEngine && table.engine.winnerPlayer === seatIndex
            }
        }
    }

    // Talon and discard pile -------------------------------------------------------------------------------------
    Item {
        id: center
        x: table.margin
        y: table.centerTop
        width: table.mainWidth - 2 * table.margin
        height: table.centerBottom - table.centerTop

        Talon {
            id: talon
            objectName: "talon"
            cardWidth: table.pileCardWidth
            x: center.width / 2 - width - 36 * u
            anchors.verticalCenter: parent.verticalCenter
            count: table.hasEngine ? table.engine.deckSize + table.cardsInFlightFromTalon : 0
            canDraw: table.hasEngine && table.engine.canDraw
            onClicked: if (table.engine.canDraw) table.engine.drawCard()
        }

        DiscardPile {
            id: pile
            objectName: "discardPile"
            cardWidth: table.pileCardWidth
            x: center.width / 2 + 16 * u
            anchors.verticalCenter: parent.verticalCenter
            cards: table.discard
            hiddenIds: table.toPile
        }

        Rectangle {
            objectName: "penaltyBadge"
            anchors.horizontalCenter: pile.horizontalCenter
            anchors.top: pile.bottom
            anchors.topMargin: -12 * u
            visible: penaltyLabel.text.length > 0
            width: penaltyLabel.implicitWidth + 20 * u
            height: 32 * u
            radius: height / 2
            color: Theme.warning
            border.color: "#ffffff"
            border.width: Math.max(1, 2 * u)

            Text {
                id: penaltyLabel
                anchors.centerIn: parent
                text: table.hasEngine ? table.engine.penaltyText : ""
                color: "#ffffff"
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
        }
    }

    // Texts and actions ----------------------------------------------------------------------------------------
    InfoPanel {
        id: infoPanel
        objectName: "infoPanel"
        x: table.landscape ? table.mainWidth : table.margin
        y: table.landscape ? table.topBarHeight + table.margin : table.centerBottom + table.margin
        width: table.landscape ? table.sideWidth - table.margin : table.width - 2 * table.margin
        height: table.infoHeight
        status: table.hasEngine ? table.engine.status : ""
        lastEvent: table.hasEngine ? table.engine.lastEvent : ""
        requestText: table.hasEngine ? table.engine.activeRequestText : ""
        requestedSuit: table.hasEngine ? table.engine.requestedSuit : -1
        requestedRank: table.hasEngine ? table.engine.requestedRank : -1
    }

    ActionBar {
        id: actions
        vertical: table.landscape
        x: infoPanel.x
        y: infoPanel.y + infoPanel.height + table.margin
        width: infoPanel.width
        height: table.actionsHeight
        canDraw: table.hasEngine && table.engine.canDraw
        canAccept: table.hasEngine && table.engine.canAcceptPenalty
        canDeclare: table.hasEngine && table.engine.canDeclareZavel
        declared: table.hasEngine && table.engine.zavelArmed
        penaltyText: table.hasEngine ? table.engine.penaltyText : ""
        onDrawClicked: table.engine.drawCard()
        onAcceptClicked: table.engine.acceptPenalty()
        onDeclareClicked: table.engine.declareZavel()
    }

    // The player's hand ----------------------------------------------------------------------------------------------
    Rectangle {
        id: handFrame
        x: 4 * u
        y: table.height - table.handHeight - table.margin
        width: table.mainWidth - 8 * u
        height: table.handHeight + table.margin - 2 * u
        radius: 14 * u
        color: "transparent"
        border.color: Theme.accent
        border.width: 3 * u
        opacity: table.inputEnabled ? 0.9 : 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
    }

    Hand {
        id: hand
        objectName: "hand"
        x: table.margin
        y: table.height - table.handHeight - table.margin
        width: table.mainWidth - 2 * table.margin
        height: table.handHeight
        cards: table.handCards
        sorted: table.sortHand
        hiddenIds: table.toHand
        playableIds: table.playableIds
        inputEnabled: table.inputEnabled
        animate: table.hasEngine && table.engine.animationsEnabled
                 && (table.engine.visualPhase === GameEngine.CardFlight || table.engine.visualPhase === GameEngine.Draw)
        onCardTapped: table.tapCard(handIndex)
    }

    Rectangle {
        objectName: "playerZavelBadge"
        anchors.horizontalCenter: hand.horizontalCenter
        y: hand.y - height / 2
        visible: table.hasEngine && table.engine.zavelArmed
        width: playerZavel.implicitWidth + 20 * u
        height: 30 * u
        radius: height / 2
        color: Theme.accent
        z: 5

        Text {
            id: playerZavel
            anchors.centerIn: parent
            text: qsTr("Zavél declared")
            color: "#2a2100"
            font.pixelSize: Theme.fontSmall
            font.bold: true
        }
    }

    // Overlays --------------------------------------------------------------------------------------------------------
    Item {
        id: overlayArea
        x: table.margin
        y: table.centerTop
        width: table.mainWidth - 2 * table.margin
        // The hand stays in sight: the player chooses a suit or a rank looking at it.
        height: table.landscape ? table.centerBottom - table.centerTop
                                : table.centerBottom + table.margin + table.infoHeight - table.centerTop
        z: 10

        SuitChooser {
            objectName: "suitChooser"
            anchors.fill: parent
            visible: table.hasEngine && table.engine.needsSuitChoice
            names: table.hasEngine ? [table.engine.suitName(0), table.engine.suitName(1),
                                      table.engine.suitName(2), table.engine.suitName(3)] : []
            onChosen: table.engine.chooseSuit(suit)
        }

        RankChooser {
            objectName: "rankChooser"
            anchors.fill: parent
            visible: table.hasEngine && table.engine.needsRankChoice
            names: {
                var list = [];
                for (var r = 7; r <= 14; ++r)
                    list.push(table.hasEngine ? table.engine.rankName(r) : "");
                return list;
            }
            onChosen: table.engine.chooseRank(rank)
        }

        ResultPanel {
            objectName: "resultPanel"
            anchors.centerIn: parent
            width: Math.min(parent.width - 20 * u, 440 * u)
            visible: table.gameOver && table.idle
            result: table.hasEngine ? table.engine.roundResult : ""
            playerWon: table.hasEngine && table.engine.winnerPlayer === 0
            onNewGameClicked: table.newGameRequested()
        }
    }

    Rectangle {
        objectName: "pausedBanner"
        // Over the table in portrait; in landscape below the buttons, where it hides nothing.
        x: table.landscape ? infoPanel.x + (infoPanel.width - width) / 2 : center.x + (center.width - width) / 2
        y: table.landscape ? actions.y + actions.height + table.margin : table.centerTop + 4 * u
        z: 11
        visible: table.hasEngine && table.engine.paused
        width: pausedRow.width + 24 * u
        height: 56 * u
        radius: 12 * u
        color: "#e6102a1a"
        border.color: Theme.accent
        border.width: 2 * u

        Row {
            id: pausedRow
            anchors.centerIn: parent
            spacing: 12 * u

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Paused")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            Button {
                objectName: "resumeButton"
                anchors.verticalCenter: parent.verticalCenter
                height: 44 * u
                text: qsTr("Resume")
                fontSize: Theme.fontSmall
                onClicked: table.engine.paused = false
            }
        }
    }

    FlightLayer {
        id: flights
        objectName: "flights"
        anchors.fill: parent
        z: 20
        timeScale: table.timeScale
    }
}
