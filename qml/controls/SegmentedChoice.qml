import QtQuick 2.6
import "../shared"

// A row of mutually exclusive options. It shows currentIndex and reports a tap through activated(index).
Row {
    id: choice

    property var options: []
    property int currentIndex: -1
    property string objectNamePrefix: ""
    signal activated(int index)

    spacing: 6 * Theme.u

    Repeater {
        model: choice.options
        Button {
            objectName: choice.objectNamePrefix ? choice.objectNamePrefix + index : ""
            width: (choice.width - choice.spacing * (choice.options.length - 1)) / Math.max(1, choice.options.length)
            height: 48 * Theme.u
            fontSize: Theme.fontSmall
            text: modelData
            highlighted: index === choice.currentIndex
            Accessible.role: Accessible.RadioButton
            Accessible.checkable: true
            Accessible.checked: highlighted
            onClicked: choice.activated(index)
        }
    }
}
