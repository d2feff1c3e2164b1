import QtQuick 2.6
import harbour.zavel 1.0
import "../controls"
import "../shared"

// The table's layout: the top bar, the opponents, the talon and the discard pile, the texts of the game and
// the last moves, the player's actions and hand, the choosers, the end of the game and the pause. In
// landscape the texts and the actions move to a column on the right. The animations are the animator's.
Item {
    id: table

    property GameEngine engine
    property bool sortHand: false
    // A first tap selects a card, a second plays it.
    property bool tapToSelect: false
    property bool soundsEnabled: true
    // The strength chosen for each seat (index 0 unused), the Expert's 4 included, as the seats show it.
    property var strengths: [1, 1, 2, 3]
    // The Expert, for hints, while hints are on.
    property ExpertPlayers experts: null
    property bool hintsEnabled: true
    readonly property var hint: experts && hintsEnabled ? experts.hint : ({})
    // Every seat (for names in the last moves) and the move journal, which the pages share.
    property SeatModel seats: null
    property MoveJournal journal: null
    // Stretches or shrinks every flight; the tests run them faster.
    property real timeScale: 1
    // Whether the choosers show the key of each choice: once the player has used the keyboard.
    property bool showKeys: false
    // The one-time hint before the player can forget Zavél!: shown while the player may declare.
    property bool offerZavelHint: false

    signal newGameRequested()
    signal menuRequested()
    signal paceRequested()
    signal logRequested()
    signal statisticsRequested()
    signal zavelHintDismissed()
    signal hintsOffRequested()

    readonly property real u: Theme.u
    readonly property bool landscape: width > height
    readonly property bool hasEngine: engine !== null

    readonly property bool inputEnabled: hasEngine && engine.playerInputEnabled
    readonly property bool idle: hasEngine && engine.visualPhase === GameEngine.Idle
    readonly property bool gameOver: hasEngine && engine.winnerPlayer >= 0
    // A finished game cannot be paused: its result stands, paused or not, until the next deal.
    readonly property bool paused: hasEngine && engine.paused && !gameOver
    readonly property bool showResult: gameOver && idle

    // A seat's name as the table writes it: short, and distinct from the others.
    function nameOf(seat) {
        return seats ? seats.shortName(seat) : "";
    }

    // What the table says over everything: whose turn it is and what is asked, in the player's own words.
    readonly property string headline: !hasEngine ? "" : paused ? qsTr("Paused") : headlineNow()

    function headlineNow() {
        return TableWords.headline({ winner: engine.winnerPlayer, turn: engine.turnPlayer,
                                     choice: seats ? seats.choiceOwed : 0, pendingDraw: engine.pendingDraw,
                                     pendingSkip: engine.pendingSkip, suit: engine.requestedSuit,
                                     rank: engine.requestedRank }, nameOf);
    }

    // A game that ends while paused shows its result all the same, and is not paused any more.
    onShowResultChanged: if (showResult && engine.paused) engine.paused = false

    // Why the last tapped card cannot be played, until the game moves on.
    property string explanation: ""
    readonly property real revision: hasEngine ? engine.stateRevision : 0
    onRevisionChanged: explanation = ""

    property alias animator: animator

    // --- Player actions ------------------------------------------------------------------------------------

    function tapCard(handIndex) {
        if (!engine.playerInputEnabled)
            return;
        if (engine.isPlayerCardPlayable(handIndex)) {
            engine.playCard(handIndex);
            return;
        }
        engine.rejectCard(handIndex);
        explanation = engine.lastEvent;
    }

    // Asks the Expert what the player should do now; the hint marks it until the next action.
    function askHint() {
        if (hintsEnabled && inputEnabled && experts !== null)
            experts.askHint();
    }

    function playPosition(position) {
        var handIndex = handView.handIndexAt(position);
        if (handIndex >= 0)
            tapCard(handIndex);
    }

    function moveSelection(step) {
        if (handView.count === 0)
            return;
        var p = handView.selectedPosition < 0 ? (step > 0 ? 0 : handView.count - 1) : handView.selectedPosition + step;
        handView.selectedPosition = Math.max(0, Math.min(handView.count - 1, p));
    }

    // The selection stays where it is: after a play it rests on the card that moved into the gap.
    function playSelected() {
        if (handView.selectedPosition >= 0)
            playPosition(handView.selectedPosition);
    }

    // --- Where cards fly, in the flight layer's coordinates (for the animator) ----------------------------------

    readonly property real talonCardWidth: talon.cardWidth
    readonly property real pileCardWidth: pileView.cardWidth

    function mapRect(item, r) {
        var p = item.mapToItem(flights, r.x, r.y);
        return { x: p.x, y: p.y, width: r.width, height: r.height, rotation: r.rotation || 0 };
    }

    function talonRect() {
        return mapRect(talon, talon.topRect());
    }

    function seatRect(seat) {
        var item = opponentRow.seatItem(seat);
        return item ? mapRect(item, item.cardTarget()) : talonRect();
    }

    function handRect(handIndex, lifted) {
        return mapRect(handView, handView.slotRect(handIndex, lifted));
    }

    function pileRect(cardId) {
        var place = pileView.placement(cardId);
        var rect = mapRect(pileView, place);
        rect.rotation = place.rotation;
        return rect;
    }

    HandModel {
        id: handModel
        engine: table.engine
        sorted: table.sortHand
    }

    // One card more than the pile shows, for while its top card is in the air.
    PileModel {
        id: pileModel
        engine: table.engine
        depth: 5
    }

    SeatModel {
        id: opponentModel
        engine: table.engine
        journal: table.journal
        firstSeat: 1
    }

    Sounds {
        objectName: "sounds"
        journal: table.journal
        enabled: table.soundsEnabled
    }

    TableAnimator {
        id: animator
        engine: table.engine
        table: table
        flights: flights
        hand: handModel
    }

    // --- Layout ------------------------------------------------------------------------------------------------

    readonly property real margin: 8 * u
    readonly property real topBarHeight: Math.max((landscape ? 52 : 60) * u, Theme.fontSmall * 1.4 + 20 * u)
    readonly property real sideWidth: landscape ? Math.min(330 * u, width * 0.36) : 0
    readonly property real mainWidth: width - sideWidth
    // The seats hold two lines of text, the fan of cards, the seat's last move in up to two lines and a row of
    // badges.
    readonly property real seatsHeight: Math.max((landscape ? 116 : 150) * u,
        (Theme.fontNormal + Theme.fontSmall + Theme.fontNormal) * 1.35 + (landscape ? 50 : 70) * u)
        + 2 * Math.ceil(Theme.fontSmall * 1.25)
    readonly property real handHeight: (landscape ? 172 : 212) * u
    readonly property real actionsHeight: landscape ? actions.rowsUpright * actions.preferredButtonHeight
                                                      + (actions.rowsUpright - 1) * actions.spacing
                                                    : Math.max(64 * u, Theme.fontNormal * 1.4 + 24 * u)
    readonly property real infoHeight: infoPanel.implicitHeight
    readonly property real centerTop: topBarHeight + seatsHeight + 2 * margin
    readonly property real centerBottom: landscape ? height - handHeight - margin
                                                   : height - handHeight - actionsHeight - infoHeight - 4 * margin
    readonly property real pileCardWidth0: Math.max(30 * u, Math.min(120 * u, (centerBottom - centerTop - 16 * u) / (Theme.cardRatio * 1.15)))

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.feltDark }
            GradientStop { position: 0.45; color: Theme.felt }
            GradientStop { position: 1; color: Theme.feltDark }
        }
    }

    TopBar {
        id: topBar
        x: table.margin
        y: 4 * u
        width: table.width - 2 * table.margin
        height: table.topBarHeight - 8 * u
        paused: table.paused
        pauseEnabled: !table.gameOver
        onNewGameClicked: table.newGameRequested()
        onPauseClicked: table.engine.paused = !table.engine.paused
        onPaceClicked: table.paceRequested()
        onMenuClicked: table.menuRequested()
    }

    OpponentRow {
        id: opponentRow
        x: table.margin
        y: table.topBarHeight + table.margin
        width: table.mainWidth - 2 * table.margin
        height: table.seatsHeight
        seats: opponentModel
        strengths: [Labels.difficultyName(table.strengths[1]), Labels.difficultyName(table.strengths[2]),
                    Labels.difficultyName(table.strengths[3])]
        winner: table.hasEngine ? table.engine.winnerPlayer : -1
        gameOver: table.gameOver
        arrivingAt: animator.arrivingAt
    }

    // Talon and discard pile ---------------------------------------------------------------------------------
    Item {
        id: center
        x: table.margin
        y: table.centerTop
        width: table.mainWidth - 2 * table.margin
        height: table.centerBottom - table.centerTop

        Talon {
            id: talon
            objectName: "talon"
            cardWidth: table.pileCardWidth0
            x: center.width / 2 - width - 36 * u
            anchors.verticalCenter: parent.verticalCenter
            count: table.hasEngine ? table.engine.deckSize + animator.cardsFromTalon : 0
            canDraw: table.hasEngine && table.engine.canDraw
            onClicked: if (table.engine.canDraw) table.engine.drawCard()
        }

        DiscardPile {
            id: pileView
            objectName: "discardPile"
            cardWidth: table.pileCardWidth0
            x: center.width / 2 + 16 * u
            anchors.verticalCenter: parent.verticalCenter
            model: pileModel
            hiddenIds: animator.toPile
        }

        Badge {
            objectName: "penaltyBadge"
            // Over the pile's lower edge, reaching right rather than left: it never covers the talon.
            x: pileView.x + Math.max(0, Math.min((pileView.width - width) / 2, center.width - pileView.x - width))
            anchors.bottom: pileView.bottom
            width: Math.min(implicitWidth, center.width - pileView.x)
            visible: text.length > 0
            text: table.hasEngine ? table.engine.penaltyText : ""
            color: Theme.warning
            border.color: Theme.highlight
            border.width: Math.max(1, 2 * u)
            fontSize: Theme.fontNormal
        }
    }

    // Texts and actions ----------------------------------------------------------------------------------------
    InfoPanel {
        id: infoPanel
        objectName: "infoPanel"
        x: table.landscape ? table.mainWidth : table.margin
        y: table.landscape ? table.topBarHeight + table.margin : table.centerBottom + table.margin
        width: table.landscape ? table.sideWidth - table.margin : table.width - 2 * table.margin
        height: implicitHeight
        lineCount: table.landscape ? 3 : 2
        statusLines: 2
        status: table.headline
        explanation: table.explanation
        playerMove: table.journal ? Labels.capitalized(TableWords.turn(table.journal.playerTurn, true)) : ""
        requestText: table.hasEngine ? table.engine.activeRequestText : ""
        requestedSuit: table.hasEngine ? table.engine.requestedSuit : -1
        requestedRank: table.hasEngine ? table.engine.requestedRank : -1
        onClicked: table.logRequested()
    }

    ActionBar {
        id: actions
        vertical: table.landscape
        x: infoPanel.x
        y: infoPanel.y + infoPanel.height + table.margin
        width: infoPanel.width
        height: table.landscape ? Math.min(table.actionsHeight, table.height - y - table.margin) : table.actionsHeight
        canDraw: table.hasEngine && table.engine.canDraw
        canAccept: table.hasEngine && table.engine.canAcceptPenalty
        canDeclare: table.hasEngine && table.engine.canDeclareZavel
        declared: table.hasEngine && table.engine.zavelArmed
        penaltyText: table.hasEngine ? table.engine.penaltyText : ""
        hintShown: table.hintsEnabled && table.experts !== null
        hintEnabled: table.inputEnabled
        hinted: table.hint.kind === "draw" || table.hint.kind === "accept" || table.hint.kind === "zavel"
                ? table.hint.kind : ""
        onHintClicked: table.askHint()
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
        id: handView
        objectName: "hand"
        x: table.margin
        y: table.height - table.handHeight - table.margin
        width: table.mainWidth - 2 * table.margin
        height: table.handHeight
        model: handModel
        inputEnabled: table.inputEnabled
        tapToSelect: table.tapToSelect
        hintedIndex: table.hint.kind === "card" ? table.hint.handIndex : -1
        // A card let go over the pile is played, or explained, as a tap would.
        onCardDropped: {
            var p = mapToItem(pileView, x, y);
            if (p.x >= 0 && p.y >= 0 && p.x <= pileView.width && p.y <= pileView.height)
                table.tapCard(handIndex);
        }
        animate: table.hasEngine && table.engine.animationsEnabled
                 && (table.engine.visualPhase === GameEngine.CardFlight || table.engine.visualPhase === GameEngine.Draw)
        onCardTapped: table.tapCard(handIndex)
    }

    Badge {
        objectName: "playerZavelBadge"
        anchors.horizontalCenter: handView.horizontalCenter
        y: handView.y - height / 2
        z: 5
        visible: table.hasEngine && table.engine.zavelArmed
        text: qsTr("Zavél declared")
    }

    // Overlays --------------------------------------------------------------------------------------------------------
    // Start-up compiles and builds none of them. The choosers and the result are made ahead once the table has
    // stood a while, in the time between frames, and kept from then on (KeptLoader), so that the move that
    // first shows one does not pay for making it; the rest are made the first time they are needed.
    Timer {
        id: warmUp
        property bool done: false
        interval: 1500
        running: true
        onTriggered: done = true
    }

    Item {
        id: overlayArea
        x: table.margin
        // The hand stays in sight: the player chooses a suit or a rank looking at it. In landscape the choosers
        // lie over the opponents too, where the piles alone leave too little room.
        y: table.landscape ? table.topBarHeight : table.centerTop
        width: table.mainWidth - 2 * table.margin
        height: table.landscape ? table.centerBottom - y
                                : table.centerBottom + table.margin + table.infoHeight - table.centerTop
        z: 10

        KeptLoader {
            id: suitChooser
            anchors.fill: parent
            needed: table.hasEngine && table.engine.needsSuitChoice
            early: warmUp.done
            source: "SuitChooser.qml"
            onLoaded: {
                item.objectName = "suitChooser";
                item.showKeys = Qt.binding(function() { return table.showKeys; });
                item.hinted = Qt.binding(function() { return table.hint.kind === "suit" ? table.hint.choice : -1; });
                item.names = [table.engine.suitName(0), table.engine.suitName(1), table.engine.suitName(2),
                              table.engine.suitName(3)];
                item.chosen.connect(table.engine.chooseSuit);
            }
        }

        KeptLoader {
            id: rankChooser
            anchors.fill: parent
            needed: table.hasEngine && table.engine.needsRankChoice
            early: warmUp.done
            source: "RankChooser.qml"
            onLoaded: {
                var names = [];
                for (var rank = 7; rank <= 14; ++rank)
                    names.push(table.engine.rankName(rank));
                item.objectName = "rankChooser";
                item.showKeys = Qt.binding(function() { return table.showKeys; });
                item.hinted = Qt.binding(function() { return table.hint.kind === "rank" ? table.hint.choice : -1; });
                item.names = names;
                item.chosen.connect(table.engine.chooseRank);
            }
        }
    }

    // The Zavél! hint lies over the opponents and the piles, just above what the player is about to tap.
    Loader {
        width: Math.min(table.mainWidth - 2 * table.margin - 20 * u, 600 * u)
        x: (table.mainWidth - width) / 2
        y: table.centerBottom - height
        z: 11
        active: table.offerZavelHint && table.hasEngine && table.engine.canDeclareZavel
        source: "HintBubble.qml"
        onLoaded: {
            item.objectName = "zavelHint";
            item.dismissed.connect(table.zavelHintDismissed);
            item.hintsOffRequested.connect(table.hintsOffRequested);
        }
    }

    // The end of the game and the pause hold the whole table below the top bar, dimmed, until they are
    // answered; the top bar stays at hand.
    Item {
        id: modalArea
        y: table.topBarHeight
        width: table.width
        height: table.height - y
        z: 12
        visible: table.showResult || table.paused

        Rectangle {
            anchors.fill: parent
            color: Theme.scrim
        }

        MouseArea {
            anchors.fill: parent
            onClicked: if (table.paused) table.engine.paused = false
        }

        KeptLoader {
            anchors.centerIn: parent
            width: Math.min(parent.width - 40 * u, 440 * u)
            needed: table.showResult
            early: warmUp.done
            source: "ResultPanel.qml"
            // The result is read when it shows, once a game, not on every change of the state.
            function fill() {
                var others = [];
                for (var seat = 0; seat < table.engine.activePlayerCount; ++seat) {
                    if (seat !== table.engine.winnerPlayer)
                        others.push({ name: seat === 0 ? qsTr("You") : table.nameOf(seat), cards: table.seats.handCount(seat) });
                }
                item.result = table.headlineNow();
                item.playerWon = table.engine.winnerPlayer === 0;
                item.others = others;
            }
            onVisibleChanged: if (visible && item) fill()
            onLoaded: {
                item.objectName = "resultPanel";
                item.newGameClicked.connect(table.newGameRequested);
                item.statisticsClicked.connect(table.statisticsRequested);
                fill();
            }
        }

        Loader {
            anchors.centerIn: parent
            width: Math.min(parent.width - 40 * u, 440 * u)
            active: table.paused
            source: "PauseBanner.qml"
            onLoaded: {
                item.objectName = "pausedBanner";
                item.clicked.connect(function() { table.engine.paused = false; });
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
