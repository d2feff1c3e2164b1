import QtQuick 2.6
import QtTest 1.2

// The settings page and the pace panel: every control reaches the engine or the language settings, and the
// player count waits for the next game.
Item {
    id: window
    width: 540
    height: 960

    ZavelTestCase {
        name: "Settings"
        host: window

        function openSettings() {
            click("settingsButton");
            verify(item("settingsPage").visible);
            verify(!item("table").visible);
        }

        function test_playerCountAppliesToTheNextGame() {
            launch(null);
            openSettings();
            click("playerCount_2");
            compare(engine.playerCount, 4);
            compare(engine.activePlayerCount, 2, "the running game keeps its players");
            click("settingsNewGame");
            click("confirmYes");
            verify(!item("settingsPage").visible, "the new game is shown");
            compare(engine.activePlayerCount, 4);
            waitIdle(5000);
            verify(item("seat_3").visible);
            compare(item("seat_3").cardCount, 5);
        }

        function test_namesAndStrengths() {
            launch(null);
            openSettings();
            click("aiNameField_1");
            keyClick(Qt.Key_A, Qt.ControlModifier);
            keyClick("B");
            keyClick("o");
            keyClick("b");
            compare(engine.ai1Name, "Bob");
            click("difficulty1_3");
            compare(engine.ai1Difficulty, 3);
            click("difficulty2_0");
            compare(engine.ai2Difficulty, 0);
            click("settingsDone");
            compare(item("seat_1").name, "Bob");
            compare(item("seat_1").strength, "Hard");
            screenshot("settings-closed");
        }

        function test_pace() {
            launch(null);
            click("paceButton");
            var slider = item("quickDelaySlider");
            mouseClick(slider, 0, slider.height / 2);
            compare(engine.aiPlayDelay, 0);
            mouseClick(slider, slider.width - 1, slider.height / 2);
            compare(engine.aiPlayDelay, 2000);
            click("quickPauseSwitch");
            compare(engine.paused, true);
            click("quickSortSwitch");
            compare(app.sortHand, true);
            click("quickClose");
            verify(!item("quickSettings").visible);
        }

        function test_language() {
            launch(null);
            var start = languageSettings.language;
            openSettings();
            var other = start === "hu" ? "language_1" : "language_0";
            var same = start === "hu" ? "language_0" : "language_1";
            verify(!item("restartNotice").visible);
            click(other);
            verify(languageSettings.language !== start);
            verify(languageSettings.restartRequired);
            verify(item("restartNotice").visible);
            screenshot("settings");
            click(same);
            compare(languageSettings.language, start);
            verify(!item("restartNotice").visible);
        }
    }
}
