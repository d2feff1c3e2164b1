import QtQuick 2.6
import QtQuick.Window 2.2

// How far the device is turned, and the size the interface has then. On the phone the window itself never turns,
// so the interface turns with the device; desktop platforms report a landscape orientation for a screen that is
// not turned at all, so only the phone (whose Qt does not name its platform plugin, or names it wayland) follows
// the device.
Item {
    property real windowWidth: 0
    property real windowHeight: 0

    readonly property bool followsDevice: ["xcb", "offscreen", "minimal", "windows", "cocoa", "vnc"]
                                          .indexOf(Qt.platform.pluginName) < 0
    // 0, 90, 180 or 270 degrees from the screen's natural orientation.
    readonly property int angle: followsDevice ? Screen.angleBetween(Screen.orientation, Screen.primaryOrientation)
                                               : 0
    readonly property bool sideways: angle === 90 || angle === 270
    readonly property real contentWidth: sideways ? windowHeight : windowWidth
    readonly property real contentHeight: sideways ? windowWidth : windowHeight
    readonly property bool landscape: contentWidth > contentHeight
    // One unit of the 540x960 design (960x540 in landscape) at this size.
    readonly property real unit: Math.max(0.3, landscape ? Math.min(contentWidth / 960, contentHeight / 540)
                                                         : Math.min(contentWidth / 540, contentHeight / 960))

    Screen.orientationUpdateMask: Qt.PortraitOrientation | Qt.LandscapeOrientation
                                  | Qt.InvertedPortraitOrientation | Qt.InvertedLandscapeOrientation
}
