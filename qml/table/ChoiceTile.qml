import QtQuick 2.6
import "../shared"

// One tile of the suit or the rank chooser, drawn like a card: a sign above, the name below, and, once the
// keyboard has been used, the key that picks it in a corner.
Rectangle {
    id: tile

    property string name
    property string key
    property bool showKey: false
    // Marked by a hint.
    property bool hinted: false
    // What the tile shows above its name; the chooser fills it.
    default property alias sign: signArea.data
    signal chosen()

    radius: 10 * Theme.u
    color: tap.pressed ? Theme.tilePressed : Theme.cardFace
    border.color: hinted ? Theme.hint : Theme.cardEdge
    border.width: hinted ? 5 * Theme.u : Math.max(1, 2 * Theme.u)
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: tile.chosen()

    Item {
        id: signArea
        anchors.top: parent.top
        anchors.bottom: nameText.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 4 * Theme.u
        // The key's badge takes the top corner: the sign keeps clear of it.
        anchors.topMargin: tile.showKey ? keyHint.height + 6 * Theme.u : 4 * Theme.u
    }

    Text {
        id: nameText
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4 * Theme.u
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 8 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 6
        text: Labels.capitalized(tile.name)
        color: Theme.cardInk
        font.pixelSize: Theme.fontSmall
        font.bold: true
    }

    Rectangle {
        id: keyHint
        objectName: "keyHint"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 4 * Theme.u
        visible: tile.showKey
        width: Math.max(height, keyText.implicitWidth + 8 * Theme.u)
        height: keyText.implicitHeight + 2 * Theme.u
        radius: 4 * Theme.u
        color: Theme.cardInk

        Text {
            id: keyText
            anchors.centerIn: parent
            text: tile.key
            color: Theme.cardFace
            font.pixelSize: Theme.fontSmall
            font.bold: true
        }
    }

    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: tile.chosen()
    }
}
