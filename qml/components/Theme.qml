pragma Singleton
import QtQuick 2.6

// Colours and the scale of the interface. The table sets u from the window size: 1.0 is a 540x960 portrait
// phone (or 960x540 in landscape), and every length in the interface is a multiple of it.
QtObject {
    property real u: 1
    // The player's text size: every font is this much larger than the design's.
    property real textScale: 1
    readonly property var textScales: [1, 1.2, 1.4]

    readonly property color felt: "#1f6b3d"
    readonly property color feltDark: "#134a29"
    readonly property color panel: "#b30c2616"
    readonly property color panelBorder: "#3f8a5a"
    // Panels that lie over the table (the menu, the pace panel, dialogs) hide what is below them.
    readonly property color panelOpaque: "#143522"
    readonly property color headerColor: "#0d2a18"
    readonly property color button: "#2d5e42"
    readonly property color buttonBorder: "#5fa47a"
    readonly property color accent: "#ffd54f"
    readonly property color accentDark: "#c99a06"
    readonly property color text: "#f6f2e4"
    readonly property color textDim: "#b8cbbd"
    readonly property color warning: "#ff7043"
    // Warnings written on the dark felt.
    readonly property color warningText: "#ffb199"
    readonly property color fieldColor: "#14301f"
    readonly property color playable: "#ffe066"
    readonly property color cardFace: "#fbf6e8"
    readonly property color cardEdge: "#5b4a36"
    readonly property color backColor: "#8e1c22"
    readonly property color backDark: "#5c0f14"

    readonly property real fontSmall: 15 * u * textScale
    readonly property real fontNormal: 19 * u * textScale
    readonly property real fontLarge: 24 * u * textScale
    readonly property real fontHuge: 32 * u * textScale

    // Card proportions: a Hungarian card is tall and narrow.
    readonly property real cardRatio: 1.55
}
