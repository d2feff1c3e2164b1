import QtQuick 2.6
import "../shared"

// What lies over the table, each made when it first opens: the menu and the pace panel under the top bar, the
// pages, the welcome of the first start and the question before a running game is thrown away.
Item {
    id: overlays

    // The interface's root: its engine, models, preferences and navigation.
    property Item app: null
    // Where the panels hang: just below the table's top bar.
    property real panelTop: 0

    MouseArea {
        // Closes the pace panel or the menu on a tap anywhere else.
        anchors.fill: parent
        visible: overlays.app.paceOpen || overlays.app.menuOpen
        onClicked: overlays.app.closePanels()
    }

    Loader {
        anchors.right: parent.right
        anchors.rightMargin: 8 * Theme.u
        y: overlays.panelTop
        width: Math.min(parent.width - 16 * Theme.u, 360 * Theme.u)
        active: overlays.app.menuOpen
        source: "../controls/MenuPanel.qml"
        onLoaded: {
            item.objectName = "menuPanel";
            item.entries = [{ name: "rules", text: qsTr("How to play") }, { name: "log", text: qsTr("Move log") },
                            { name: "statistics", text: qsTr("Statistics") },
                            { name: "settings", text: qsTr("Settings") }];
            item.chosen.connect(overlays.app.showPage);
        }
    }

    Loader {
        anchors.right: parent.right
        anchors.rightMargin: 8 * Theme.u
        y: overlays.panelTop
        width: Math.min(parent.width - 16 * Theme.u, 440 * Theme.u)
        active: overlays.app.paceOpen
        source: "../pages/QuickSettings.qml"
        onLoaded: {
            item.objectName = "quickSettings";
            item.engine = overlays.app.engine;
            item.preferences = overlays.app.preferences;
            item.closeClicked.connect(function() { overlays.app.paceOpen = false; });
        }
    }

    // Pages are made when they open, so that start-up pays only for the table. Each takes what it declares.
    Loader {
        anchors.fill: parent
        source: overlays.app.openPage === "" ? "" : "../pages/" + overlays.app.pageFiles[overlays.app.openPage]
        onLoaded: {
            var app = overlays.app;
            var given = { engine: app.engine, preferences: app.preferences, statistics: app.statistics,
                          language: app.languageChoice, journal: app.journal, seats: app.seats };
            item.objectName = app.openPage + "Page";
            for (var name in given) {
                if (item.hasOwnProperty(name))
                    item[name] = given[name];
            }
            // Connected here rather than with Connections, whose handler syntax differs between the Qt of the
            // phone and later ones.
            item.closeClicked.connect(app.closePage);
            if (item.newGameRequested)
                item.newGameRequested.connect(app.requestNewGame);
            if (item.rulesRequested)
                item.rulesRequested.connect(function() { app.showPage("rules"); });
        }
    }

    // The welcome on the very first start, over everything until it is answered.
    Loader {
        anchors.fill: parent
        active: !overlays.app.preferences.welcomed
        // Made beside the first frame, not before it: the table shows at once.
        asynchronous: true
        source: "../pages/WelcomeOverlay.qml"
        onLoaded: {
            var app = overlays.app;
            item.objectName = "welcome";
            item.dismissed.connect(function() { app.preferences.welcomed = true; });
            item.rulesRequested.connect(function() {
                app.preferences.welcomed = true;
                app.showPage("rules");
            });
        }
    }

    Loader {
        anchors.fill: parent
        active: overlays.app.confirmOpen
        source: "../controls/ConfirmDialog.qml"
        onLoaded: {
            item.objectName = "confirmNewGame";
            item.title = qsTr("Start a new game?");
            item.message = qsTr("The game in progress will be lost.");
            item.acceptText = qsTr("New game");
            item.accepted.connect(overlays.app.startNewGame);
            item.closed.connect(function() { overlays.app.confirmOpen = false; });
            item.open();
        }
    }
}
