import QtQuick 2.6
import "../controls"
import "../shared"

// One computer player: name and strength, the backs of the cards held, their number, and the marks that
// matter at a glance: whose turn it is, a declared Zavél and the last card.
Item {
    id: seat

    property string name
    property string strength
    // What the seat did in its last turn, in short.
    property string lastMove
    property int cardCount: 0
    property bool activeTurn: false
    property bool declared: false
    property bool oneCard: false
    property bool winner: false

    readonly property int fanCount: Math.min(cardCount, 9)
    readonly property real fanTop: strengthLabel.y + strengthLabel.height + 4 * Theme.u
    readonly property real lastMoveHeight: Math.ceil(Theme.fontSmall * 1.25) * 2
    // The fan fills what the texts leave, above the last move and the badges' row.
    readonly property real backWidth: Math.max(4 * Theme.u, Math.min(width * 0.22,
        (height - fanTop - countBadge.height - lastMoveHeight - 12 * Theme.u) / Theme.cardRatio))
    readonly property real backStep: fanCount > 1 ? Math.min(backWidth * 0.55, (width * 0.8 - backWidth) / (fanCount - 1)) : 0
    readonly property real fanWidth: backWidth + backStep * Math.max(0, fanCount - 1)

    Accessible.role: Accessible.StaticText
    Accessible.name: qsTr("%1, %2: %3 cards").arg(name).arg(strength).arg(cardCount)
                     + (activeTurn ? ", " + qsTr("on turn") : "") + (declared ? ", Zavél!" : "")
                     + (lastMove.length > 0 ? ", " + lastMove : "")

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
        // The ring around the seat on turn lies just outside the seat's box.
        property bool mayOverhang: true
        anchors.fill: frame
        anchors.margins: -5 * Theme.u
        radius: frame.radius + 5 * Theme.u
        color: "transparent"
        border.color: seat.winner ? Theme.highlight : Theme.accent
        border.width: 4 * Theme.u
        visible: seat.activeTurn || seat.winner

        // A few beats when the turn comes, then still: a pulse without end would redraw the table all the time.
        SequentialAnimation on opacity {
            running: halo.visible
            loops: 3
            NumberAnimation { from: 1; to: 0.35; duration: 700; easing.type: Easing.InOutQuad }
            NumberAnimation { from: 0.35; to: 1; duration: 700; easing.type: Easing.InOutQuad }
        }
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 12 * Theme.u
        color: seat.activeTurn ? Theme.seatActive : Theme.panel
        border.color: seat.activeTurn ? Theme.accent : Theme.panelBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    Text {
        id: nameLabel
        objectName: "seatName"
        anchors.top: parent.top
        anchors.topMargin: 6 * Theme.u
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 8 * Theme.u
        anchors.rightMargin: 8 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        // The name comes shortened already; at the largest text it shrinks rather than lose its end.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmall * 0.7
        text: seat.name
        color: seat.activeTurn ? Theme.accent : Theme.text
        font.pixelSize: Theme.fontNormal
        font.bold: true
    }

    Text {
        id: strengthLabel
        objectName: "seatStrength"
        anchors.top: nameLabel.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(implicitWidth, parent.width - 16 * Theme.u)
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 6
        text: seat.strength
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
    }

    Item {
        id: fan
        x: (seat.width - seat.fanWidth) / 2
        y: seat.fanTop
        width: seat.fanWidth
        height: seat.backWidth * Theme.cardRatio
        // One layer for the fanned backs, drawn again only when the count changes; it reaches past the item
        // where the outer backs lean out.
        layer.enabled: true
        layer.smooth: true
        layer.sourceRect: Qt.rect(-0.3 * seat.backWidth, -0.2 * seat.backWidth, width + 0.6 * seat.backWidth,
                                  height + 0.4 * seat.backWidth)

        // Nine backs made once, shown by the count: a card more or less changes no item.
        Repeater {
            model: 9
            CardBack {
                visible: index < seat.fanCount
                x: index * seat.backStep
                width: seat.backWidth
                rotation: (index - (seat.fanCount - 1) / 2) * 3
            }
        }
    }

    Text {
        objectName: "seatLastMove"
        x: 6 * Theme.u
        y: countBadge.y - height - 2 * Theme.u
        width: seat.width - 12 * Theme.u
        height: seat.lastMoveHeight
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignBottom
        text: seat.lastMove
        color: Theme.text
        font.pixelSize: Theme.fontSmall
        // Two lines at most: a long move shrinks rather than lose its card or its count.
        wrapMode: Text.Wrap
        fontSizeMode: Text.Fit
        minimumPixelSize: Theme.fontSmall * 0.6
    }

    Badge {
        id: countBadge
        objectName: "cardCount"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 6 * Theme.u
        width: Math.max(height, implicitWidth)
        text: seat.cardCount
        color: seat.oneCard ? Theme.warning : Theme.chip
        textColor: seat.oneCard ? Theme.badgeText : Theme.chipText
        fontSize: Theme.fontNormal
    }

    Badge {
        objectName: "zavelBadge"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 6 * Theme.u
        visible: seat.declared
        text: qsTr("Zavél!")
    }

    Badge {
        objectName: "lastCardWarning"
        anchors.horizontalCenter: fan.horizontalCenter
        anchors.verticalCenter: fan.verticalCenter
        visible: seat.oneCard
        text: qsTr("Last card!")
        color: Theme.warning
        border.color: Theme.highlight
        border.width: Math.max(1, 2 * Theme.u)
        radius: 6 * Theme.u
        pulse: true
    }
}
