import QtQuick 2.6
import "../shared"

// A push button. It never changes state by itself: the owner reacts to clicked(). A text too long for the
// button wraps and then shrinks, so that it is always read whole.
Item {
    id: button

    property string text
    property bool highlighted: false
    property real fontSize: Theme.fontNormal
    property color color: Theme.button
    // Marked by a hint: a ring around the button.
    property bool hinted: false
    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 28 * Theme.u, 72 * Theme.u)
    implicitHeight: Math.max(52 * Theme.u, fontSize * 1.4 + 20 * Theme.u)

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (enabled) button.clicked()

    Rectangle {
        // The hint's ring lies just outside the button.
        property bool mayOverhang: true
        anchors.fill: parent
        anchors.margins: -4 * Theme.u
        radius: Math.min(height, width) * 0.24
        color: "transparent"
        border.color: Theme.hint
        border.width: 3 * Theme.u
        visible: button.hinted
    }

    Rectangle {
        readonly property color base: !button.enabled ? Theme.buttonDisabled
                                                      : button.highlighted ? Theme.accent : button.color

        anchors.fill: parent
        radius: Math.min(height, width) * 0.24
        color: mouse.pressed ? Qt.darker(base, 1.35) : base
        border.color: !button.enabled ? Theme.panelBorder : button.highlighted ? Theme.accentDark : Theme.buttonBorder
        border.width: Math.max(1, 2 * Theme.u)
    }

    Text {
        id: label
        anchors.centerIn: parent
        width: parent.width - 10 * Theme.u
        height: parent.height - 6 * Theme.u
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        fontSizeMode: Text.Fit
        minimumPixelSize: Math.max(6, button.fontSize * 0.55)
        text: button.text
        color: !button.enabled ? Theme.textDisabled : button.highlighted ? Theme.badgeText : Theme.text
        font.pixelSize: button.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
