import QtQuick 2.6
import "../shared"

// The title bar of a full-screen page, with the button that closes it.
Rectangle {
    id: header

    property string title
    property string closeObjectName: ""
    signal closeClicked()

    width: parent ? parent.width : 0
    height: Math.max(64 * Theme.u, titleText.implicitHeight + 16 * Theme.u)
    color: Theme.headerColor

    Text {
        id: titleText
        anchors.left: parent.left
        anchors.leftMargin: 16 * Theme.u
        anchors.right: done.left
        anchors.rightMargin: 12 * Theme.u
        anchors.verticalCenter: parent.verticalCenter
        text: header.title
        color: Theme.accent
        font.pixelSize: Theme.fontHuge
        font.bold: true
        elide: Text.ElideRight
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Button {
        id: done
        objectName: header.closeObjectName
        anchors.right: parent.right
        anchors.rightMargin: 12 * Theme.u
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Done")
        highlighted: true
        onClicked: header.closeClicked()
    }
}
