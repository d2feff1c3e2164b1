import QtQuick 2.6

// One card moving across the table: from a rectangle to a rectangle, optionally turning face up on the way.
// Its size stays fixed and the flight scales it, so the card's artwork is painted once.
Item {
    id: flyer

    property int suit: 0
    property int rank: 7
    property bool faceUp: true
    property bool turnOver: false
    property real fromX: 0
    property real fromY: 0
    property real fromScale: 1
    property real fromRotation: 0
    property real toX: 0
    property real toY: 0
    property real toScale: 1
    property real toRotation: 0
    property int delay: 0
    property int duration: 300
    property real flip: 1
    // What the layer that flies it keeps with it.
    property var plan: null
    property var batch: null
    // Once made, the face stays for the card's next flights.
    property bool faceMade: false

    signal landed()

    visible: false

    function start() {
        x = fromX;
        y = fromY;
        scale = fromScale;
        rotation = fromRotation;
        flip = 1;
        faceMade = faceMade || faceUp || turnOver;
        flight.start();
    }

    function stop() {
        flight.stop();
    }

    // The face is painted only for a card that shows it: a card flying face down to an opponent never does.
    Loader {
        active: flyer.faceMade
        visible: flyer.faceUp
        sourceComponent: Card {
            width: flyer.width
            height: flyer.height
            suit: flyer.suit
            rank: flyer.rank
            transform: Scale { origin.x: flyer.width / 2; xScale: flyer.flip }
        }
    }

    CardBack {
        width: flyer.width
        height: flyer.height
        visible: !flyer.faceUp
        transform: Scale { origin.x: flyer.width / 2; xScale: flyer.flip }
    }

    SequentialAnimation {
        id: flight
        PauseAnimation { duration: flyer.delay }
        ScriptAction { script: flyer.visible = true }
        ParallelAnimation {
            NumberAnimation { target: flyer; property: "x"; to: flyer.toX; duration: flyer.duration; easing.type: Easing.InOutCubic }
            NumberAnimation { target: flyer; property: "y"; to: flyer.toY; duration: flyer.duration; easing.type: Easing.InOutCubic }
            NumberAnimation { target: flyer; property: "scale"; to: flyer.toScale; duration: flyer.duration; easing.type: Easing.InOutQuad }
            NumberAnimation { target: flyer; property: "rotation"; to: flyer.toRotation; duration: flyer.duration }
            SequentialAnimation {
                NumberAnimation { target: flyer; property: "flip"; to: flyer.turnOver ? 0 : 1; duration: flyer.duration / 2 }
                ScriptAction { script: if (flyer.turnOver) flyer.faceUp = true }
                NumberAnimation { target: flyer; property: "flip"; to: 1; duration: flyer.duration / 2 }
            }
        }
        ScriptAction { script: flyer.landed() }
    }
}
