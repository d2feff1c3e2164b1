pragma Singleton
import QtQuick 2.6

// Short texts of the interface that several components share.
QtObject {
    // The language the interface runs in, "en" or "hu", and its locale for numbers and dates.
    property string language: "en"
    readonly property var locale: Qt.locale(language === "hu" ? "hu_HU" : "en_GB")

    // A number with this many decimals, with the running language's decimal separator.
    function decimal(value, decimals) {
        return Number(value).toLocaleString(locale, "f", decimals);
    }

    // A moment (an ISO 8601 text) as the running language writes a short date and time.
    function dateTime(iso) {
        return new Date(iso).toLocaleString(locale, Locale.ShortFormat);
    }

    // The letter or number in the corner of a card.
    function rankIndex(rank) {
        switch (rank) {
        //: Corner index of the Lower (a face card); one or two letters
        case 11: return qsTr("L");
        //: Corner index of the Upper (a face card); one or two letters
        case 12: return qsTr("U");
        //: Corner index of the King; one or two letters
        case 13: return qsTr("K");
        //: Corner index of the Ace; one or two letters
        case 14: return qsTr("A");
        default: return String(rank);
        }
    }

    // The strength of a computer player, 0 to 3.
    function difficultyName(level) {
        switch (level) {
        case 0: return qsTr("Random");
        case 1: return qsTr("Easy");
        case 2: return qsTr("Normal");
        default: return qsTr("Hard");
        }
    }
}
