import QtQuick 2.6
import harbour.zavel 1.0

// The floor of the frame timings: what any Qt Quick interface of this game costs at the least. The engine, a timer
// at the pace of the interface's phases that has it announce its state, and one card-sized rectangle that keeps
// flying, so that every frame is one of an animation. The interface's intervals are measured against these.
Rectangle {
    id: floor

    property alias engine: gameEngine

    width: 540
    height: 960
    color: "#134a29"

    GameEngine {
        id: gameEngine
    }

    Timer {
        interval: 340
        repeat: true
        running: true
        onTriggered: gameEngine.refreshInputState()
    }

    Rectangle {
        width: 80
        height: 124
        radius: 6
        color: "#fbf6e8"
        y: 400

        NumberAnimation on x {
            from: 0
            to: 460
            duration: 340
            loops: Animation.Infinite
            running: true
        }
    }
}
