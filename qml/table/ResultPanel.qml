import QtQuick 2.6
import "../controls"
import "../shared"

// The end of a game: who won, how many cards each other seat still holds, and the ways on: the next deal or
// the statistics.
Rectangle {
    id: panel

    property string result
    property bool playerWon: false
    // The seats that did not win: { name, cards }.
    property var others: []
    signal newGameClicked()
    signal statisticsClicked()

    width: 420 * Theme.u
    height: column.height + 40 * Theme.u
    radius: 18 * Theme.u
    color: Theme.panelOpaque
    border.color: playerWon ? Theme.accent : Theme.panelBorder
    border.width: 3 * Theme.u

    Column {
        id: column
        anchors.centerIn: parent
        width: parent.width - 40 * Theme.u
        spacing: 16 * Theme.u

        Text {
            objectName: "resultText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: panel.result
            color: panel.playerWon ? Theme.accent : Theme.text
            font.pixelSize: Theme.fontHuge
            font.bold: true
        }

        Text {
            objectName: "resultCardsLeft"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: panel.others.map(function(o) {
                //: On the result: a seat that did not win and the cards it still holds ("AI 2: 3 cards")
                return qsTr("%1: %2 cards left").arg(o.name).arg(o.cards);
            }).join("\n")
            color: Theme.text
            font.pixelSize: Theme.fontNormal
        }

        Button {
            objectName: "resultNewGame"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 260 * Theme.u)
            text: qsTr("New game")
            highlighted: true
            onClicked: panel.newGameClicked()
        }

        Button {
            objectName: "resultStatistics"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 260 * Theme.u)
            text: qsTr("Statistics")
            onClicked: panel.statisticsClicked()
        }
    }
}
