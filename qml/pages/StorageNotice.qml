import QtQuick 2.6
import "../shared"

// One short line, shown only when the settings and results cannot be kept as usual: what the store says of its
// database.
Text {
    property QtObject store: null

    objectName: "storageNotice"
    visible: text.length > 0
    text: store ? store.notice : ""
    color: Theme.warningText
    font.pixelSize: Theme.fontSmall
    wrapMode: Text.Wrap
}
