import QtQuick 2.6
import QtTest 1.2
import "../../qml/components"

// Every text colour of the interface against the background it is written on, as the Theme pairs them: at
// least 4.5:1, or 3:1 for large text. A translucent background counts as laid over the lighter felt.
TestCase {
    name: "Contrast"

    function channel(c) {
        return c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
    }

    function luminance(c) {
        return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
    }

    function over(top, below) {
        return Qt.rgba(top.r * top.a + below.r * (1 - top.a), top.g * top.a + below.g * (1 - top.a),
                       top.b * top.a + below.b * (1 - top.a), 1);
    }

    function ratio(a, b) {
        var la = luminance(a), lb = luminance(b);
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
    }

    function test_pairs_data() {
        return Theme.textPairs.map(function(pair, i) {
            return { tag: i + ": " + pair.text + " on " + pair.background, pair: pair };
        });
    }

    function test_pairs(data) {
        var background = over(data.pair.background, Theme.felt);
        var r = ratio(data.pair.text, background);
        verify(r >= (data.pair.large ? 3 : 4.5), "contrast " + r.toFixed(2) + ":1");
    }
}
