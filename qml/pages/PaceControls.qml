import QtQuick 2.6
import harbour.zavel 1.0
import "../controls"
import "../shared"

// The pace of the game, the same in the settings and in the pace panel over the table: how long the computer
// players think and whether cards fly (the player's preferences, which the engine is told), and the pause (the
// engine's own, not kept across runs).
Column {
    id: controls

    property QtObject preferences: null
    property GameEngine engine: null
    // Prefixed to the controls' object names, for the tests: "quick" in the pace panel.
    property string namePrefix: ""

    readonly property bool ready: preferences !== null && engine !== null

    function nameOf(base) {
        return namePrefix.length > 0 ? namePrefix + base.charAt(0).toUpperCase() + base.slice(1) : base;
    }

    spacing: 6 * Theme.u

    Text {
        width: parent.width
        wrapMode: Text.Wrap
        text: qsTr("Computer move delay: %1 s").arg(Labels.decimal((controls.ready ? controls.preferences.aiPlayDelay : 0) / 1000, 2))
        color: Theme.text
        font.pixelSize: Theme.fontNormal
    }

    Slider {
        objectName: controls.nameOf("delaySlider")
        width: parent.width
        from: controls.ready ? controls.preferences.minimumDelay : 0
        to: controls.ready ? controls.preferences.maximumDelay : 1
        stepSize: controls.ready ? controls.preferences.delayStep : 1
        value: controls.ready ? controls.preferences.aiPlayDelay : 0
        onMoved: controls.preferences.aiPlayDelay = newValue
    }

    Switch {
        objectName: controls.nameOf("animationsSwitch")
        width: parent.width
        text: qsTr("Animations")
        checked: controls.ready && controls.preferences.animationsEnabled
        onClicked: controls.preferences.animationsEnabled = !controls.preferences.animationsEnabled
    }

    Switch {
        objectName: controls.nameOf("pauseSwitch")
        width: parent.width
        text: qsTr("Pause")
        checked: controls.ready && controls.engine.paused
        // A finished game cannot be paused.
        enabled: controls.ready && controls.engine.winnerPlayer < 0
        onClicked: controls.engine.paused = !controls.engine.paused
    }
}
