import QtQuick 2.6
import "cardart.js" as Art
import "."

// One suit sign on its own, for the choosers and the request badge.
Canvas {
    id: symbol
    property int suit: 0

    width: 32 * Theme.u
    height: width
    onPaint: {
        var ctx = getContext("2d");
        ctx.clearRect(0, 0, width, height);
        if (suit >= 0 && suit <= 3 && width > 0 && height > 0)
            Art.drawSuit(ctx, suit, width / 2, height / 2, Math.min(width, height) * 0.94, false);
    }
    onSuitChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()
}
