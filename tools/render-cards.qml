import QtQuick 2.6
import "cardart.js" as Art
import "../qml/shared"

// Paints the 32 card faces, one after the other: the card (its edge, face and inner frame, in the Theme's
// colours) with the artwork of cardart.js in the Theme's suit colours, and saves each as a PNG; then the four suit signs on their own, on
// a transparent square. The interface shows these images instead of painting while the game runs.
Item {
    id: renderer

    property string folder: Qt.resolvedUrl("../qml/images").toString().replace("file://", "")
    property int next: 0
    readonly property bool signs: next >= 32
    readonly property int suit: signs ? next - 32 : Math.floor(next / 8)
    readonly property int rank: 7 + next % 8
    readonly property string file: signs ? "/suits/" + suit + ".png" : "/cards/" + suit + "_" + rank + ".png"

    width: canvas.width
    height: canvas.height

    Canvas {
        id: canvas
        width: renderer.signs ? 256 : 240
        height: renderer.signs ? 256 : 372
        onPaint: {
            var ctx = getContext("2d");
            Art.setPalette(Theme.suitPalette);
            if (renderer.signs) {
                ctx.clearRect(0, 0, width, height);
                Art.drawSuit(ctx, renderer.suit, width / 2, height / 2, width * 0.94, false);
                return;
            }
            Art.drawFace(ctx, width, height, renderer.suit, renderer.rank);
            // The card itself goes under the artwork: its frame, its face and its edge.
            var w = width, h = height;
            var edge = Math.max(1, w * 0.012), r = w * 0.08, m = w * 0.045;
            ctx.save();
            ctx.globalCompositeOperation = "destination-over";
            ctx.beginPath();
            ctx.roundedRect(m, m, w - 2 * m, h - 2 * m, r * 0.6, r * 0.6);
            ctx.lineWidth = Math.max(1, w * 0.01);
            ctx.strokeStyle = String(Theme.cardFrame);
            ctx.stroke();
            ctx.beginPath();
            ctx.roundedRect(edge / 2, edge / 2, w - edge, h - edge, r, r);
            ctx.lineWidth = edge;
            ctx.strokeStyle = String(Theme.cardEdge);
            ctx.stroke();
            ctx.fillStyle = String(Theme.cardFace);
            ctx.fill();
            ctx.restore();
        }
        // Saved from the event loop, after the frame that shows the painting.
        onPainted: saver.start()
    }

    Timer {
        id: saver
        interval: 0
        onTriggered: {
            canvas.grabToImage(function(result) {
                if (!result.saveToFile(renderer.folder + renderer.file)) {
                    console.error("cannot write to " + renderer.folder);
                    Qt.exit(1);
                    return;
                }
                if (++renderer.next === 36) {
                    Qt.quit();
                    return;
                }
                canvas.requestPaint();
            });
        }
    }
}
