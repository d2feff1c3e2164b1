import QtQuick 2.6
import "../controls"
import "../shared"

// How the player has done: all games, then by number of players and by the strongest opponent met, the
// abandoned games apart, and the last ten results. The figures come from the statistics object; a reset asks
// first.
Rectangle {
    id: page

    property QtObject statistics
    signal closeClicked()

    readonly property real u: Theme.u
    readonly property var summary: statistics ? statistics.summary : null
    readonly property var levelNames: Labels.difficultyNames()

    color: Theme.feltDark

    // A win rate, or a dash before there is any game to count.
    function percent(value) {
        return value < 0 ? "—" : qsTr("%1%").arg(value);
    }

    function outcomeText(result) {
        if (result.outcome === "won")
            return qsTr("Won");
        if (result.outcome === "abandoned")
            return qsTr("Abandoned");
        return qsTr("Lost");
    }

    // A name the player left as the engine's own is shown in today's language.
    function opponentName(o) {
        return o.name.length > 0 || o.seat === undefined ? o.name : qsTranslate("GameEngine", "AI %1").arg(o.seat);
    }

    function opponentsText(result) {
        var names = [];
        for (var i = 0; i < result.opponents.length; ++i) {
            var o = result.opponents[i];
            names.push(qsTr("%1 (%2)").arg(opponentName(o)).arg(levelNames[o.level] || ""));
        }
        return qsTr("Against %1").arg(names.join(", "));
    }

    // Swallows taps so that nothing below the page reacts.
    MouseArea {
        anchors.fill: parent
    }

    PageHeader {
        id: header
        title: qsTr("Statistics")
        closeObjectName: "statisticsDone"
        onCloseClicked: page.closeClicked()
    }

    Flickable {
        id: flick
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        contentWidth: width
        contentHeight: column.height + 40 * u
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            x: Math.max(16 * u, (flick.width - width) / 2)
            y: 12 * u
            width: Math.min(flick.width - 32 * u, 620 * u)
            spacing: 10 * u

            StorageNotice {
                width: parent.width
                store: page.statistics ? page.statistics.store : null
            }

            Repeater {
                // The tally of all games, then of 2, 3 and 4 players.
                model: page.summary ? 4 : 0

                Column {
                    readonly property var tally: index === 0 ? page.summary.overall : page.summary.byPlayers[index - 1]

                    width: column.width
                    spacing: 6 * u

                    Text {
                        width: parent.width
                        text: index === 0 ? qsTr("All games") : qsTr("%1 players").arg(index + 1)
                        color: Theme.accent
                        font.pixelSize: Theme.fontLarge
                        font.bold: true
                        wrapMode: Text.Wrap
                    }

                    Grid {
                        id: tiles
                        objectName: "tally_" + index
                        width: parent.width
                        spacing: 6 * u
                        // Five in a row while each keeps room for its figure and its words, else three.
                        columns: width / 5 >= Theme.fontLarge * 4 ? 5 : 3

                        readonly property real tileWidth: (width - (columns - 1) * spacing) / columns

                        StatTile { objectName: "played"; width: tiles.tileWidth; value: tally.played; label: qsTr("Played") }
                        StatTile { objectName: "won"; width: tiles.tileWidth; value: tally.won; label: qsTr("Won") }
                        StatTile { objectName: "rate"; width: tiles.tileWidth; value: page.percent(tally.rate); label: qsTr("Win rate") }
                        StatTile { objectName: "streak"; width: tiles.tileWidth; value: tally.streak; label: qsTr("Streak") }
                        StatTile { objectName: "best"; width: tiles.tileWidth; value: tally.best; label: qsTr("Best streak") }
                    }
                }
            }

            Text {
                width: parent.width
                visible: page.summary !== null && page.summary.byStrongest.length > 0
                text: qsTr("By the strongest opponent")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
                wrapMode: Text.Wrap
            }

            Repeater {
                model: page.summary ? page.summary.byStrongest : []

                Text {
                    objectName: "strongest_" + modelData.level
                    width: column.width
                    text: qsTr("%1: %2 played, %3 won, %4").arg(page.levelNames[modelData.level] || "")
                          .arg(modelData.tally.played).arg(modelData.tally.won).arg(page.percent(modelData.tally.rate))
                    color: Theme.text
                    font.pixelSize: Theme.fontNormal
                    wrapMode: Text.Wrap
                }
            }

            Text {
                objectName: "abandonedText"
                width: parent.width
                text: page.summary ? qsTr("Abandoned games: %1").arg(page.summary.abandoned) : ""
                color: Theme.text
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
            }

            Text {
                width: parent.width
                text: qsTr("Last games")
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }

            Text {
                width: parent.width
                visible: page.summary !== null && page.summary.recent.length === 0
                text: qsTr("No games yet.")
                color: Theme.textDim
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
            }

            Repeater {
                model: page.summary ? page.summary.recent : []

                Column {
                    objectName: "recent_" + index
                    width: column.width

                    Text {
                        width: parent.width
                        text: Labels.dateTime(modelData.finished) + " — " + page.outcomeText(modelData)
                        color: modelData.outcome === "won" ? Theme.accent : Theme.text
                        font.pixelSize: Theme.fontNormal
                        font.bold: true
                        wrapMode: Text.Wrap
                    }

                    Text {
                        width: parent.width
                        text: page.opponentsText(modelData)
                        color: Theme.textDim
                        font.pixelSize: Theme.fontSmall
                        wrapMode: Text.Wrap
                    }
                }
            }

            Button {
                objectName: "statisticsReset"
                width: parent.width
                text: qsTr("Reset the statistics")
                enabled: page.statistics !== null && page.statistics.results.length > 0
                onClicked: confirmReset.open()
            }
        }
    }

    ConfirmDialog {
        id: confirmReset
        objectName: "confirmReset"
        anchors.fill: parent
        title: qsTr("Reset the statistics?")
        message: qsTr("Every result is deleted. This cannot be undone.")
        acceptText: qsTr("Reset")
        destructive: true
        onAccepted: page.statistics.reset()
    }
}
