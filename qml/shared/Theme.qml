pragma Singleton
import QtQuick 2.6

// Colours, fonts and the scale of the interface. The table sets u from the window size: 1.0 is a 540x960
// portrait phone (or 960x540 in landscape), and every length in the interface is a multiple of it. Every
// colour of the interface is here, the card artwork's too (tools/render-cards.sh paints the faces with them).
QtObject {
    property real u: 1
    // The player's text size: every font is this much larger than the design's.
    property real textScale: 1
    readonly property var textScales: [1, 1.2, 1.4]

    // The table and its panels.
    readonly property color felt: "#1f6b3d"
    readonly property color feltDark: "#134a29"
    readonly property color panel: "#b30c2616"
    readonly property color panelBorder: "#3f8a5a"
    // Panels that lie over the table (the menu, the pace panel, choosers, dialogs) hide what is below them.
    readonly property color panelOpaque: "#143522"
    readonly property color headerColor: "#0d2a18"
    readonly property color scrim: "#a0000000"
    readonly property color seatActive: "#2a5538"
    readonly property color talonOutline: "#5a8f6c"

    // Controls.
    readonly property color button: "#2d5e42"
    readonly property color buttonBorder: "#5fa47a"
    readonly property color fieldColor: "#14301f"
    readonly property color track: "#3a4a40"
    readonly property color knob: "#fff6cc"
    readonly property color knobOff: "#d0d8d2"
    // A control that cannot be used now: flat, with its text still at 3:1 at least on every background.
    readonly property color buttonDisabled: "#24503a"
    readonly property color textDisabled: "#a9bfae"

    // Text and marks.
    readonly property color accent: "#ffd54f"
    readonly property color accentDark: "#c99a06"
    readonly property color text: "#f6f2e4"
    readonly property color textDim: "#b8cbbd"
    // Dark text on the accent and on the warning colour.
    readonly property color badgeText: "#2a2100"
    readonly property color warning: "#ff7043"
    // Warnings written on the dark felt.
    readonly property color warningText: "#ffb199"
    readonly property color highlight: "#ffffff"
    // What a hint marks: the card, the button or the tile to take.
    readonly property color hint: "#6ee7ff"
    readonly property color chip: "#e8e0c8"
    readonly property color chipText: "#1d1d1d"

    // Cards and the tiles of the choosers, which look like cards.
    readonly property color playable: "#ffe066"
    readonly property color cardFace: "#fbf6e8"
    readonly property color cardFrame: "#d8ccb0"
    readonly property color cardEdge: "#5b4a36"
    readonly property color cardInk: "#2b2118"
    readonly property color cardShade: "#000000"
    readonly property color tilePressed: "#fff3c4"
    readonly property color backColor: "#8e1c22"
    readonly property color backDark: "#5c0f14"
    readonly property color backEdge: "#2a0508"
    readonly property color backGold: "#e0b44c"
    readonly property color backCentre: "#c8423f"
    // Each suit's colours on the cards: Bells a golden bell, Leaves a green leaf, Acorns a brown acorn, Hearts a
    // red heart. The corner indices are written in the dark one.
    readonly property var suitPalette: [
        { fill: "#f3b31b", light: "#ffe38a", dark: "#7a4d00", accent: "#c6282b" },
        { fill: "#2f8f3f", light: "#8fd68f", dark: "#124a1c", accent: "#1b5e20" },
        { fill: "#c0772f", light: "#efb774", dark: "#4a2610", accent: "#5d3a1a" },
        { fill: "#d9232d", light: "#ff9a8f", dark: "#7c0b11", accent: "#a3121a" }
    ]

    function suitInk(suit) {
        return suitPalette[suit >= 0 && suit < 4 ? suit : 3].dark;
    }

    readonly property real fontSmall: 15 * u * textScale
    readonly property real fontNormal: 19 * u * textScale
    readonly property real fontLarge: 24 * u * textScale
    readonly property real fontHuge: 32 * u * textScale

    // Card proportions: a Hungarian card is tall and narrow.
    readonly property real cardRatio: 1.55
}
