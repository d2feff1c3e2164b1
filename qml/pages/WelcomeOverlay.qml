import QtQuick 2.6
import "../shared"

// The welcome of the very first start: the table dimmed, and the first-run card over it until it is answered.
Item {
    id: overlay

    signal dismissed()
    signal rulesRequested()

    Rectangle {
        anchors.fill: parent
        color: Theme.scrim
    }

    MouseArea {
        anchors.fill: parent
    }

    FirstRunCard {
        objectName: "firstRunCard"
        anchors.centerIn: parent
        width: Math.min(parent.width - 32 * Theme.u, 600 * Theme.u)
        onDismissed: overlay.dismissed()
        onRulesRequested: overlay.rulesRequested()
    }
}
