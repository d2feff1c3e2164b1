import QtQuick 2.6

// Makes its item the first time it is needed and then keeps it, hidden while it is not needed: for what comes
// up again and again, so that it is not made inside the move that asks for it and dropped inside the next.
// Once `early` turns true the item is made ahead, a little at a time between frames, so that even its first
// showing costs no more than the others; needed before that is done, it is finished at once.
Loader {
    property bool needed: false
    property bool early: false

    active: false
    visible: needed
    onNeededChanged: {
        if (!needed)
            return;
        asynchronous = false;
        active = true;
    }
    onEarlyChanged: {
        if (!early || active)
            return;
        asynchronous = true;
        active = true;
    }
    Component.onCompleted: if (needed) active = true
}
