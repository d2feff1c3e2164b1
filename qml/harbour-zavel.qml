import QtQuick 2.6
import harbour.zavel 1.0

Rectangle {
    width: 540
    height: 960
    color: "#1b5e20"

    GameEngine {
        id: engine
        Component.onCompleted: start()
    }

    Text {
        anchors.centerIn: parent
        color: "white"
        text: engine.status
    }
}
