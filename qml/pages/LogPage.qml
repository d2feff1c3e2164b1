import QtQuick 2.6
import harbour.zavel 1.0
import "../controls"
import "../shared"

// The whole game's move log, newest at the bottom, as the table's last lines continue it.
Rectangle {
    id: page

    property MoveJournal journal: null
    property SeatModel seats: null
    signal closeClicked()

    readonly property real u: Theme.u

    function nameOf(seat) {
        return seats ? seats.shortName(seat) : "";
    }

    color: Theme.feltDark

    // Swallows taps so that nothing below the page reacts.
    MouseArea {
        anchors.fill: parent
    }

    PageHeader {
        id: header
        title: qsTr("Move log")
        closeObjectName: "logDone"
        onCloseClicked: page.closeClicked()
    }

    ListView {
        id: list
        objectName: "logList"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 12 * u
        clip: true
        spacing: 6 * u
        boundsBehavior: Flickable.StopAtBounds
        model: page.journal
        // Opens on the latest moves.
        Component.onCompleted: positionViewAtEnd()
        onCountChanged: positionViewAtEnd()

        delegate: Text {
            objectName: "logLine_" + index
            width: list.width
            text: TableWords.line(model, page.nameOf)
            color: model.seat === 0 ? Theme.accent : model.seat < 0 ? Theme.textDim : Theme.text
            font.pixelSize: Theme.fontNormal
            wrapMode: Text.Wrap
        }
    }
}
