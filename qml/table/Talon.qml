import QtQuick 2.6
import "../shared"

// The face-down stack to draw from, with the number of cards in it. A tap asks to draw.
Item {
    id: talon

    property int count: 0
    property bool canDraw: false
    property real cardWidth: 80 * Theme.u
    signal clicked()

    readonly property int layers: Math.min(4, Math.ceil(count / 6))

    width: cardWidth + 8 * Theme.u
    height: cardWidth * Theme.cardRatio + 8 * Theme.u
    Accessible.role: Accessible.Button
    Accessible.name: qsTr("Talon: %1 cards").arg(count) + (canDraw ? ". " + qsTr("Draw a card") : "")
    Accessible.onPressAction: talon.clicked()

    // The top card of the stack, in this item's coordinates: where drawn cards start from.
    function topRect() {
        var offset = Math.max(0, layers - 1) * 2 * Theme.u;
        return { x: offset, y: 8 * Theme.u - offset, width: cardWidth, height: cardWidth * Theme.cardRatio };
    }

    Rectangle {
        x: 0
        y: 8 * Theme.u
        width: talon.cardWidth
        height: width * Theme.cardRatio
        radius: width * 0.08
        color: "transparent"
        border.color: Theme.talonOutline
        border.width: Math.max(1, 2 * Theme.u)
        visible: talon.count === 0
    }

    Repeater {
        model: talon.layers
        CardBack {
            x: index * 2 * Theme.u
            y: 8 * Theme.u - index * 2 * Theme.u
            width: talon.cardWidth
        }
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: -6 * Theme.u
        radius: 12 * Theme.u
        color: "transparent"
        border.color: Theme.accent
        border.width: 3 * Theme.u
        visible: talon.canDraw
    }

    Rectangle {
        objectName: "talonCount"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: parent.verticalCenter
        // As wide as the count needs, but never wider than the card: a small card's count shrinks instead.
        width: Math.min(talon.width, Math.max(height, talonCount.implicitWidth + 14 * Theme.u))
        height: 34 * Theme.u
        radius: height / 2
        color: Theme.chip
        border.color: Theme.cardEdge

        Text {
            id: talonCount
            anchors.centerIn: parent
            width: parent.width - 6 * Theme.u
            horizontalAlignment: Text.AlignHCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 6
            text: talon.count
            color: Theme.chipText
            font.pixelSize: Theme.fontNormal
            font.bold: true
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: talon.clicked()
    }
}
