import QtQuick 2.6
import "../shared"

// One suit sign on its own, for the choosers and the request badge: painted once ahead of time
// (tools/render-cards.sh) and scaled to its size, so that a new request paints nothing while the game runs.
Image {
    property int suit: 0

    width: 32 * Theme.u
    height: width
    source: suit >= 0 && suit <= 3 ? "../images/suits/" + suit + ".png" : ""
    sourceSize.width: Math.ceil(width)
    sourceSize.height: Math.ceil(height)
    smooth: true
    // A size seen for the first time is decoded off the interface thread.
    asynchronous: true
}
