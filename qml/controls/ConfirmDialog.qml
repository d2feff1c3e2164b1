import QtQuick 2.6
import "../shared"

// A modal question with two answers. While open it covers the whole window and swallows every other tap.
Item {
    id: dialog

    property string title
    property string message
    property string acceptText: qsTr("Yes")
    property string rejectText: qsTr("Cancel")
    property bool opened: false
    // A question whose yes deletes something: the safe answer is the one offered first.
    property bool destructive: false
    signal accepted()
    signal rejected()
    signal closed()

    function open() {
        opened = true;
    }

    function close() {
        opened = false;
        closed();
    }

    visible: opened

    Rectangle {
        anchors.fill: parent
        color: Theme.scrim
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            dialog.rejected();
            dialog.close();
        }
    }

    Rectangle {
        id: box
        anchors.centerIn: parent
        width: Math.min(parent.width - 40 * Theme.u, 460 * Theme.u)
        height: content.height + 36 * Theme.u
        radius: 16 * Theme.u
        color: Theme.panelOpaque
        border.color: Theme.accent
        border.width: 2 * Theme.u

        MouseArea {
            // Taps on the box itself do not close it.
            anchors.fill: parent
        }

        Column {
            id: content
            anchors.top: parent.top
            anchors.topMargin: 18 * Theme.u
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 36 * Theme.u
            spacing: 14 * Theme.u

            Text {
                width: parent.width
                text: dialog.title
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
                wrapMode: Text.Wrap
            }

            Text {
                width: parent.width
                text: dialog.message
                color: Theme.text
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
            }

            Row {
                anchors.right: parent.right
                spacing: 10 * Theme.u

                Button {
                    objectName: "confirmNo"
                    text: dialog.rejectText
                    highlighted: dialog.destructive
                    onClicked: {
                        dialog.rejected();
                        dialog.close();
                    }
                }

                Button {
                    objectName: "confirmYes"
                    text: dialog.acceptText
                    highlighted: !dialog.destructive
                    onClicked: {
                        dialog.accepted();
                        dialog.close();
                    }
                }
            }
        }
    }
}
