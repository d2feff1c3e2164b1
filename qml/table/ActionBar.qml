import QtQuick 2.6
import "../controls"
import "../shared"

// The player's actions besides playing a card: draw, take the pending penalty, declare Zavél. The engine
// says which of them is open; the bar only shows that and forwards the taps.
Grid {
    id: bar

    property bool vertical: false
    property bool canDraw: false
    property bool canAccept: false
    property bool canDeclare: false
    property bool declared: false
    property string penaltyText
    signal drawClicked()
    signal acceptClicked()
    signal declareClicked()

    columns: vertical ? 1 : 3
    spacing: 8 * Theme.u

    // In a column each button is as tall as its text needs; in a row they share the bar's height.
    readonly property real preferredButtonHeight: Math.max(56 * Theme.u, Theme.fontNormal * 1.4 + 20 * Theme.u)
    readonly property real buttonWidth: vertical ? width : (width - 2 * spacing) / 3
    readonly property real buttonHeight: vertical ? preferredButtonHeight : height

    Button {
        objectName: "drawButton"
        width: bar.buttonWidth
        height: bar.buttonHeight
        text: qsTr("Draw")
        enabled: bar.canDraw
        highlighted: bar.canDraw
        onClicked: bar.drawClicked()
    }

    Button {
        objectName: "acceptButton"
        width: bar.buttonWidth
        height: bar.buttonHeight
        // The pending penalty names itself in the engine's words: "Accept: Draw 2 cards", "Accept: Skip turn".
        text: bar.penaltyText.length > 0 ? qsTr("Accept: %1").arg(bar.penaltyText) : qsTr("Accept")
        enabled: bar.canAccept
        highlighted: bar.canAccept
        onClicked: bar.acceptClicked()
    }

    Button {
        objectName: "zavelButton"
        width: bar.buttonWidth
        height: bar.buttonHeight
        text: bar.declared ? qsTr("Declared") : qsTr("Zavél!")
        enabled: bar.canDeclare
        highlighted: bar.canDeclare
        onClicked: bar.declareClicked()
    }
}
