import QtQuick 2.6
import "."

// One computer player: name and strength, the backs of the cards held, their number, and the marks that
// matter at a glance: whose turn it is, a declared Zavél and the last card.
Item {
    id: seat

    property string name
    property string strength
    property int cardCount: 0
    property bool activeTurn: false
    property bool declared: false
    property bool oneCard: false
    property bool winner: false

    readonly property int fanCount: Math.min(cardCount, 9)
    readonly property real backWidth: Math.min(width * 0.24, (height - nameLabel.height - 20 * Theme.u) / Theme.cardRatio)
    readonly property real backStep: fanCount > 1 ? Math.min(backWidth * 0.55, (width * 0.8 - backWidth) / (fanCount - 1)) : 0
    readonly property real fanWidth: backWidth + backStep * Math.max(0, fanCount - 1)

    // Where a card given to this player lands, in this item's coordinates: the end of the fan.
    function cardTarget() {
        return {
            x: fan.x + Math.max(0, fanCount - 1) * backStep,
            y: fan.y,
            width: backWidth,
            height: backWidth * Theme.cardRatio
        };
    }

    Rectangle {
        id: halo
        anchors.fill: frame
        anchors.margins: -5 * Theme.u
        radius: frame.radius + 5 * Theme.u
        color: "transparent"
        border.color: seat.winner ? "#ffffff" : Theme.accent
        border.width: 4 * Theme.u
        visible: seat.activeTurn || seat.winner

        SequentialAnimation on opacity {
            running: halo.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1; to: 0.35; duration: 700; easing.type: Easing.InOutQuad }
            NumberAnimation { from: 0.35; to: 1; duration: 700; easing.type: Easing.InOutQuad }
        }
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 12 * Theme.u
        color: seat.activeTurn ? "#4d2f5d3f" : Theme.panel
        border.color: seat.activeTurn ? Theme.accent : Theme.panelBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    Text {
        id: nameLabel
        anchors.top: parent.top
        anchors.topMargin: 6 * Theme.u
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 8 * Theme.u
        anchors.rightMargin: 8 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: seat.name
        color: seat.activeTurn ? Theme.accent : Theme.text
        font.pixelSize: Theme.fontNormal
        font.bold: true
    }

    Text {
        id: strengthLabel
        anchors.top: nameLabel.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        text: seat.strength
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall * 0.85
    }

    Item {
        id: fan
        x: (seat.width - seat.fanWidth) / 2
        y: strengthLabel.y + strengthLabel.height + 4 * Theme.u
        width: seat.fanWidth
        height: seat.backWidth * Theme.cardRatio

        Repeater {
            model: seat.fanCount
            CardBack {
                x: index * seat.backStep
                width: seat.backWidth
                rotation: (index - (seat.fanCount - 1) / 2) * 3
            }
        }
    }

    Rectangle {
        id: countBadge
        objectName: "cardCount"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 6 * Theme.u
        width: Math.max(height, countText.implicitWidth + 12 * Theme.u)
        height: 30 * Theme.u
        radius: height / 2
        color: seat.oneCard ? Theme.warning : "#e8e0c8"

        Text {
            id: countText
            anchors.centerIn: parent
            text: seat.cardCount
            color: "#1d1d1d"
            font.pixelSize: Theme.fontNormal
            font.bold: true
        }
    }

    Rectangle {
        id: zavelBadge
        objectName: "zavelBadge"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 6 * Theme.u
        visible: seat.declared
        width: zavelText.implicitWidth + 14 * Theme.u
        height: 28 * Theme.u
        radius: height / 2
        color: Theme.accent

        Text {
            id: zavelText
            anchors.centerIn: parent
            text: qsTr("Zavél!")
            color: "#2a2100"
            font.pixelSize: Theme.fontSmall
            font.bold: true
        }
    }

    Rectangle {
        id: lastCardWarning
        objectName: "lastCardWarning"
        anchors.horizontalCenter: fan.horizontalCenter
        anchors.verticalCenter: fan.verticalCenter
        visible: seat.oneCard
        width: warningText.implicitWidth + 14 * Theme.u
        height: 28 * Theme.u
        radius: 6 * Theme.u
        color: Theme.warning
        border.color: "#ffffff"
        border.width: Math.max(1, 2 * Theme.u)

        Text {
            id: warningText
            anchors.centerIn: parent
            text: qsTr("Last card!")
            color: "#ffffff"
            font.pixelSize: Theme.fontSmall
            font.bold: true
        }

        SequentialAnimation on scale {
            running: lastCardWarning.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1; to: 1.12; duration: 450 }
            NumberAnimation { from: 1.12; to: 1; duration: 450 }
        }
    }
}
