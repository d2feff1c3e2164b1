import QtQuick 2.6
import "../controls"
import "../shared"

// The player's actions besides playing a card: draw, take the pending penalty, declare Zavél, and ask for a
// hint. The engine says which of them is open; the bar only shows that and forwards the taps. A hint marks the
// button it names.
Grid {
    id: bar

    property bool vertical: false
    property bool canDraw: false
    property bool canAccept: false
    property bool canDeclare: false
    property bool declared: false
    property string penaltyText
    // The hint button shows while hints are on, and works while the player may act.
    property bool hintShown: false
    property bool hintEnabled: false
    // What a hint marks here: "draw", "accept", "zavel" or "".
    property string hinted
    signal drawClicked()
    signal acceptClicked()
    signal declareClicked()
    signal hintClicked()

    // Upright (in landscape's side column) the buttons stand two by two, or one under another without the hint;
    // in a row they share the bar's height, the hint's button a square at the end.
    columns: vertical ? (hintShown ? 2 : 1) : (hintShown ? 4 : 3)
    spacing: 8 * Theme.u

    readonly property int rowsUpright: hintShown ? 2 : 3
    readonly property real preferredButtonHeight: Math.max(56 * Theme.u, Theme.fontNormal * 1.4 + 20 * Theme.u)
    readonly property real columnWidth: (width - (columns - 1) * spacing) / columns
    readonly property real hintWidth: vertical ? columnWidth : Math.min(height, width / 5)
    readonly property real buttonWidth: vertical ? columnWidth
                                                 : (width - (hintShown ? 3 * spacing + hintWidth : 2 * spacing)) / 3
    readonly property real buttonHeight: vertical ? preferredButtonHeight : height

    Button {
        objectName: "drawButton"
        width: bar.buttonWidth
        height: bar.buttonHeight
        text: qsTr("Draw")
        enabled: bar.canDraw
        highlighted: bar.canDraw
        hinted: bar.hinted === "draw"
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
        hinted: bar.hinted === "accept"
        onClicked: bar.acceptClicked()
    }

    Button {
        objectName: "zavelButton"
        width: bar.buttonWidth
        height: bar.buttonHeight
        text: bar.declared ? qsTr("Declared") : qsTr("Zavél!")
        enabled: bar.canDeclare
        highlighted: bar.canDeclare
        hinted: bar.hinted === "zavel"
        onClicked: bar.declareClicked()
    }

    Button {
        objectName: "hintButton"
        visible: bar.hintShown
        width: bar.hintWidth
        height: bar.buttonHeight
        //: The hint button: one or two characters, a question mark
        text: bar.vertical ? qsTr("Hint") : qsTr("?")
        enabled: bar.hintEnabled
        Accessible.name: qsTr("Hint")
        onClicked: bar.hintClicked()
    }
}
