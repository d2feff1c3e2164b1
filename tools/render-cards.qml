import QtQuick 2.6
import "../qml/components/cardart.js" as Art

// Paints the artwork of the 32 card faces, one after the other, and saves each as a PNG with a transparent
// background: the interface shows these images instead of painting the faces while the game runs.
Item {
    id: renderer

    property string folder: Qt.resolvedUrl("../qml/images/cards").toString().replace("file://", "")
    property int next: 0
    readonly property int suit: Math.floor(next / 8)
    readonly property int rank: 7 + next % 8

    width: canvas.width
    height: canvas.height

    Canvas {
        id: canvas
        width: 240
        height: 372
        onPaint: {
            var ctx = getContext("2d");
            Art.drawFace(ctx, width, height, renderer.suit, renderer.rank);
        }
        // Saved from the event loop, after the frame that shows the painting.
        onPainted: saver.start()
    }

    Timer {
        id: saver
        interval: 0
        onTriggered: {
            canvas.grabToImage(function(result) {
                if (!result.saveToFile(renderer.folder + "/" + renderer.suit + "_" + renderer.rank + ".png")) {
                    console.error("cannot write to " + renderer.folder);
                    Qt.exit(1);
                    return;
                }
                if (++renderer.next === 32) {
                    Qt.quit();
                    return;
                }
                canvas.requestPaint();
            });
        }
    }
}
