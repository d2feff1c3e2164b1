import QtQuick 2.6

// Makes its item the first time it is needed and then keeps it, hidden while it is not needed: for what comes
// up again and again, so that it is not made inside the move that asks for it and dropped inside the next.
Loader {
    property bool needed: false

    active: false
    visible: needed
    onNeededChanged: if (needed) active = true
    Component.onCompleted: if (needed) active = true
}
