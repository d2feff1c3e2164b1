.pragma library

// Vector artwork of the cards, drawn on a Canvas 2D context: the four Hungarian suit signs, the pips of the
// number cards, the figures of Lower, Upper and King and the Ace. Suits are 0 Bells, 1 Leaves, 2 Acorns and
// 3 Hearts; ranks 7 to 14 with 11 Lower, 12 Upper, 13 King and 14 Ace.
//
// Every shape is drawn in a unit square and placed with translate/scale, so one drawing serves every size. The
// colours of each suit are the interface's own (Theme.suitPalette), handed over with setPalette before painting.

var palette = [];

function setPalette(colours) {
    palette = colours;
}

function colors(suit) {
    return palette[suit >= 0 && suit < 4 ? suit : 3];
}

function verticalGradient(ctx, c) {
    var g = ctx.createLinearGradient(0, 0, 0, 1);
    g.addColorStop(0, c.light);
    g.addColorStop(0.55, c.fill);
    g.addColorStop(1, c.dark);
    return g;
}

function outline(ctx, c, width) {
    ctx.lineWidth = width;
    ctx.strokeStyle = c.dark;
    ctx.stroke();
}

function circlePath(ctx, x, y, r) {
    ctx.beginPath();
    ctx.arc(x, y, r, 0, Math.PI * 2, false);
    ctx.closePath();
}

function heart(ctx) {
    var c = colors(3);
    ctx.beginPath();
    ctx.moveTo(0.5, 0.94);
    ctx.bezierCurveTo(0.22, 0.72, 0.02, 0.52, 0.05, 0.31);
    ctx.bezierCurveTo(0.08, 0.09, 0.4, 0.03, 0.5, 0.27);
    ctx.bezierCurveTo(0.6, 0.03, 0.92, 0.09, 0.95, 0.31);
    ctx.bezierCurveTo(0.98, 0.52, 0.78, 0.72, 0.5, 0.94);
    ctx.closePath();
    ctx.fillStyle = verticalGradient(ctx, c);
    ctx.fill();
    outline(ctx, c, 0.045);
    // A gloss on the left lobe makes the heart read as a rounded shape even when small.
    ctx.beginPath();
    ctx.ellipse(0.17, 0.2, 0.17, 0.12);
    ctx.fillStyle = "rgba(255,255,255,0.45)";
    ctx.fill();
}

function leaf(ctx) {
    var c = colors(1);
    ctx.beginPath();
    ctx.moveTo(0.5, 0.7);
    ctx.quadraticCurveTo(0.53, 0.86, 0.42, 0.98);
    ctx.lineWidth = 0.075;
    ctx.lineCap = "round";
    ctx.strokeStyle = c.dark;
    ctx.stroke();

    ctx.beginPath();
    ctx.moveTo(0.5, 0.02);
    ctx.bezierCurveTo(0.63, 0.17, 0.99, 0.36, 0.9, 0.6);
    ctx.bezierCurveTo(0.84, 0.77, 0.62, 0.82, 0.5, 0.72);
    ctx.bezierCurveTo(0.38, 0.82, 0.16, 0.77, 0.1, 0.6);
    ctx.bezierCurveTo(0.01, 0.36, 0.37, 0.17, 0.5, 0.02);
    ctx.closePath();
    ctx.fillStyle = verticalGradient(ctx, c);
    ctx.fill();
    outline(ctx, c, 0.045);

    ctx.beginPath();
    ctx.moveTo(0.5, 0.13);
    ctx.lineTo(0.5, 0.7);
    ctx.moveTo(0.5, 0.33);
    ctx.lineTo(0.31, 0.47);
    ctx.moveTo(0.5, 0.33);
    ctx.lineTo(0.69, 0.47);
    ctx.moveTo(0.5, 0.5);
    ctx.lineTo(0.24, 0.63);
    ctx.moveTo(0.5, 0.5);
    ctx.lineTo(0.76, 0.63);
    ctx.lineWidth = 0.03;
    ctx.strokeStyle = c.light;
    ctx.stroke();
}

function bell(ctx) {
    var c = colors(0);
    // The loop on top.
    circlePath(ctx, 0.5, 0.12, 0.075);
    ctx.fillStyle = c.fill;
    ctx.fill();
    outline(ctx, c, 0.04);

    // The round body, shaded from the upper left.
    circlePath(ctx, 0.5, 0.56, 0.38);
    var g = ctx.createRadialGradient(0.38, 0.42, 0.04, 0.5, 0.56, 0.42);
    g.addColorStop(0, c.light);
    g.addColorStop(0.6, c.fill);
    g.addColorStop(1, c.dark);
    ctx.fillStyle = g;
    ctx.fill();

    // The band around the middle, kept inside the body.
    ctx.save();
    circlePath(ctx, 0.5, 0.56, 0.38);
    ctx.clip();
    ctx.fillStyle = c.accent;
    ctx.fillRect(0, 0.42, 1, 0.1);
    ctx.restore();

    circlePath(ctx, 0.5, 0.56, 0.38);
    outline(ctx, c, 0.045);

    // The slot at the bottom with its two round ends.
    ctx.beginPath();
    ctx.moveTo(0.36, 0.74);
    ctx.lineTo(0.64, 0.74);
    ctx.lineWidth = 0.05;
    ctx.lineCap = "round";
    ctx.strokeStyle = c.dark;
    ctx.stroke();
    circlePath(ctx, 0.34, 0.74, 0.05);
    ctx.fillStyle = c.dark;
    ctx.fill();
    circlePath(ctx, 0.66, 0.74, 0.05);
    ctx.fill();
}

function acorn(ctx) {
    var c = colors(2);
    // Stalk.
    ctx.fillStyle = c.dark;
    ctx.fillRect(0.46, 0.02, 0.08, 0.18);

    // The nut, with a little point at the bottom.
    ctx.beginPath();
    ctx.ellipse(0.23, 0.3, 0.54, 0.62);
    ctx.fillStyle = verticalGradient(ctx, c);
    ctx.fill();
    outline(ctx, c, 0.04);
    ctx.beginPath();
    ctx.moveTo(0.45, 0.9);
    ctx.lineTo(0.5, 0.98);
    ctx.lineTo(0.55, 0.9);
    ctx.closePath();
    ctx.fillStyle = c.dark;
    ctx.fill();
    ctx.beginPath();
    ctx.ellipse(0.32, 0.5, 0.1, 0.24);
    ctx.fillStyle = "rgba(255,255,255,0.3)";
    ctx.fill();

    // The scaly cup.
    ctx.beginPath();
    ctx.moveTo(0.14, 0.47);
    ctx.bezierCurveTo(0.12, 0.14, 0.88, 0.14, 0.86, 0.47);
    ctx.quadraticCurveTo(0.5, 0.56, 0.14, 0.47);
    ctx.closePath();
    ctx.fillStyle = c.accent;
    ctx.fill();
    ctx.save();
    ctx.clip();
    ctx.beginPath();
    for (var k = -0.2; k < 1.2; k += 0.11) {
        ctx.moveTo(k, 0.15);
        ctx.lineTo(k + 0.4, 0.55);
        ctx.moveTo(k + 0.4, 0.15);
        ctx.lineTo(k, 0.55);
    }
    ctx.lineWidth = 0.025;
    ctx.strokeStyle = c.light;
    ctx.stroke();
    ctx.restore();
    ctx.beginPath();
    ctx.moveTo(0.14, 0.47);
    ctx.bezierCurveTo(0.12, 0.14, 0.88, 0.14, 0.86, 0.47);
    ctx.quadraticCurveTo(0.5, 0.56, 0.14, 0.47);
    ctx.closePath();
    outline(ctx, c, 0.04);
}

// Draws the sign of suit centred on (cx, cy), size s across; upside down when flipped.
function drawSuit(ctx, suit, cx, cy, s, flipped) {
    ctx.save();
    ctx.translate(cx, cy);
    if (flipped)
        ctx.rotate(Math.PI);
    ctx.scale(s, s);
    ctx.translate(-0.5, -0.5);
    ctx.lineJoin = "round";
    ctx.lineCap = "round";
    if (suit === 0)
        bell(ctx);
    else if (suit === 1)
        leaf(ctx);
    else if (suit === 2)
        acorn(ctx);
    else
        heart(ctx);
    ctx.restore();
}

// Pip positions of the number cards as fractions of the card. They stay upright: a leaf upside down would look
// like a heart.
var pipLayouts = {
    7: [[0.34, 0.24], [0.66, 0.24], [0.5, 0.37], [0.34, 0.5], [0.66, 0.5], [0.34, 0.76], [0.66, 0.76]],
    8: [[0.34, 0.21], [0.66, 0.21], [0.34, 0.405], [0.66, 0.405], [0.34, 0.595], [0.66, 0.595],
        [0.34, 0.79], [0.66, 0.79]],
    9: [[0.34, 0.21], [0.66, 0.21], [0.34, 0.405], [0.66, 0.405], [0.5, 0.5], [0.34, 0.595], [0.66, 0.595],
        [0.34, 0.79], [0.66, 0.79]],
    10: [[0.34, 0.21], [0.66, 0.21], [0.5, 0.31], [0.34, 0.405], [0.66, 0.405], [0.34, 0.595],
         [0.66, 0.595], [0.5, 0.69], [0.34, 0.79], [0.66, 0.79]]
};

function drawPips(ctx, w, h, suit, rank) {
    var layout = pipLayouts[rank];
    var s = Math.min(w * (layout.length > 8 ? 0.22 : 0.25), h * 0.145);
    for (var i = 0; i < layout.length; ++i)
        drawSuit(ctx, suit, (0.5 + (layout[i][0] - 0.5) * 0.85) * w, layout[i][1] * h, s, false);
}

// A standing figure in a long robe of the suit's colour; the Upper holds the suit sign high, the Lower low,
// the King wears a crown and holds it at his chest. The figure fills a box one unit wide and figureHeight
// units tall.
var figureHeight = 1.6;

function drawFigure(ctx, suit, rank) {
    var c = colors(suit);
    var skin = "#f2c79a";
    var ink = "#3b2a1a";
    var H = figureHeight;
    ctx.lineJoin = "round";
    ctx.lineCap = "round";

    // Robe.
    ctx.beginPath();
    ctx.moveTo(0.32, 0.42 * H);
    ctx.lineTo(0.68, 0.42 * H);
    ctx.lineTo(rank === 13 ? 0.88 : 0.82, 0.98 * H);
    ctx.lineTo(rank === 13 ? 0.12 : 0.18, 0.98 * H);
    ctx.closePath();
    var g = ctx.createLinearGradient(0, 0.42 * H, 0, H);
    g.addColorStop(0, c.light);
    g.addColorStop(0.5, c.fill);
    g.addColorStop(1, c.dark);
    ctx.fillStyle = g;
    ctx.fill();
    ctx.lineWidth = 0.025;
    ctx.strokeStyle = ink;
    ctx.stroke();
    // Belt and the robe's seam.
    ctx.beginPath();
    ctx.moveTo(0.27, 0.64 * H);
    ctx.lineTo(0.73, 0.64 * H);
    ctx.lineWidth = 0.05;
    ctx.strokeStyle = "#e9c46a";
    ctx.stroke();
    ctx.beginPath();
    ctx.moveTo(0.5, 0.42 * H);
    ctx.lineTo(0.5, 0.98 * H);
    ctx.lineWidth = 0.02;
    ctx.strokeStyle = ink;
    ctx.stroke();

    // Head.
    circlePath(ctx, 0.5, 0.3 * H, 0.12);
    ctx.fillStyle = skin;
    ctx.fill();
    ctx.lineWidth = 0.025;
    ctx.strokeStyle = ink;
    ctx.stroke();

    if (rank === 13) {
        // Beard and crown.
        ctx.beginPath();
        ctx.moveTo(0.39, 0.31 * H);
        ctx.quadraticCurveTo(0.5, 0.46 * H, 0.61, 0.31 * H);
        ctx.closePath();
        ctx.fillStyle = "#8a6a4a";
        ctx.fill();
        ctx.beginPath();
        ctx.moveTo(0.37, 0.25 * H);
        ctx.lineTo(0.37, 0.1 * H);
        ctx.lineTo(0.435, 0.17 * H);
        ctx.lineTo(0.5, 0.07 * H);
        ctx.lineTo(0.565, 0.17 * H);
        ctx.lineTo(0.63, 0.1 * H);
        ctx.lineTo(0.63, 0.25 * H);
        ctx.closePath();
        ctx.fillStyle = "#f2c230";
        ctx.fill();
        ctx.lineWidth = 0.022;
        ctx.strokeStyle = "#7a5a00";
        ctx.stroke();
        drawSuit(ctx, suit, 0.5, 0.56 * H, 0.32, false);
    } else {
        // A feathered cap.
        ctx.beginPath();
        ctx.moveTo(0.36, 0.27 * H);
        ctx.quadraticCurveTo(0.5, 0.12 * H, 0.65, 0.26 * H);
        ctx.closePath();
        ctx.fillStyle = c.accent;
        ctx.fill();
        ctx.lineWidth = 0.022;
        ctx.strokeStyle = ink;
        ctx.stroke();
        ctx.beginPath();
        ctx.moveTo(0.6, 0.21 * H);
        ctx.quadraticCurveTo(0.74, 0.1 * H, 0.68, 0.03 * H);
        ctx.lineWidth = 0.04;
        ctx.strokeStyle = "#f6f0dc";
        ctx.stroke();

        ctx.beginPath();
        if (rank === 12) {
            // Upper: arm raised, the sign above the head.
            ctx.moveTo(0.64, 0.45 * H);
            ctx.lineTo(0.78, 0.28 * H);
        } else {
            // Lower: arm down, the sign by the knee.
            ctx.moveTo(0.36, 0.45 * H);
            ctx.lineTo(0.24, 0.68 * H);
        }
        ctx.lineWidth = 0.08;
        ctx.strokeStyle = c.dark;
        ctx.stroke();
        if (rank === 12)
            drawSuit(ctx, suit, 0.8, 0.16 * H, 0.38, false);
        else
            drawSuit(ctx, suit, 0.2, 0.82 * H, 0.38, false);
    }
}

function drawAce(ctx, w, h, suit) {
    var c = colors(suit);
    var r = Math.min(w, h) * 0.36;
    ctx.beginPath();
    ctx.ellipse(w / 2 - r, h / 2 - r * 1.25, 2 * r, 2.5 * r);
    ctx.fillStyle = "rgba(0,0,0,0.04)";
    ctx.fill();
    ctx.lineWidth = Math.max(1, w * 0.02);
    ctx.strokeStyle = c.fill;
    ctx.stroke();
    ctx.beginPath();
    ctx.ellipse(w / 2 - r * 0.88, h / 2 - r * 1.13, 1.76 * r, 2.26 * r);
    ctx.lineWidth = Math.max(1, w * 0.008);
    ctx.strokeStyle = c.dark;
    ctx.stroke();
    drawSuit(ctx, suit, w / 2, h / 2, Math.min(w * 0.62, h * 0.42), false);
}

// The whole face except the corner indices, which are text: the art for rank, and a small suit sign under
// each index.
function drawFace(ctx, w, h, suit, rank) {
    ctx.clearRect(0, 0, w, h);
    if (w <= 0 || h <= 0 || suit < 0 || suit > 3 || rank < 7 || rank > 14)
        return;
    var corner = w * 0.17;
    drawSuit(ctx, suit, w * 0.115, h * 0.235, corner, false);
    drawSuit(ctx, suit, w * 0.885, h * 0.765, corner, true);

    if (rank <= 10) {
        drawPips(ctx, w, h, suit, rank);
    } else if (rank === 14) {
        drawAce(ctx, w, h, suit);
    } else {
        // The figure keeps its proportions: as wide as it can be between the indices, centred in height.
        var s = Math.min(w * 0.64, h * 0.7 / figureHeight);
        ctx.save();
        ctx.translate((w - s) / 2, (h - s * figureHeight) / 2);
        ctx.scale(s, s);
        drawFigure(ctx, suit, rank);
        ctx.restore();
    }
}
