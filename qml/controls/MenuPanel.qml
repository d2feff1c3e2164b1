import QtQuick 2.6
import "../shared"

// The way from the table to the pages: one button a page, in a panel below the top bar.
Rectangle {
    id: menu

    // [{ name: "settings", text: "Settings" }, …]; a tap reports the entry's name.
    property var entries: []
    signal chosen(string name)

    height: column.height + 24 * Theme.u
    radius: 14 * Theme.u
    color: Theme.panelOpaque
    border.color: Theme.accent
    border.width: 2 * Theme.u

    // Keeps taps on the panel from reaching the table below.
    MouseArea {
        anchors.fill: parent
    }

    Column {
        id: column
        anchors.top: parent.top
        anchors.topMargin: 12 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 24 * Theme.u
        spacing: 8 * Theme.u

        Repeater {
            model: menu.entries
            Button {
                objectName: modelData.name + "Button"
                width: column.width
                text: modelData.text
                onClicked: menu.chosen(modelData.name)
            }
        }
    }
}
