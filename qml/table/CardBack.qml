import QtQuick 2.6
import "../shared"

// The back of a card: plain shapes only, cheap enough for the fans of the opponents' hands.
Rectangle {
    id: back
    width: 40 * Theme.u
    height: width * Theme.cardRatio
    radius: width * 0.08
    color: Theme.backColor
    border.color: Theme.backEdge
    border.width: Math.max(1, width * 0.015)

    Rectangle {
        anchors.fill: parent
        anchors.margins: back.width * 0.09
        radius: back.radius * 0.6
        color: Theme.backDark
        border.color: Theme.backGold
        border.width: Math.max(1, back.width * 0.03)

        Rectangle {
            anchors.centerIn: parent
            width: parent.width * 0.55
            height: width
            rotation: 45
            color: "transparent"
            border.color: Theme.backGold
            border.width: Math.max(1, back.width * 0.03)

            Rectangle {
                anchors.centerIn: parent
                width: parent.width * 0.45
                height: width
                color: Theme.backCentre
            }
        }
    }
}
