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

    // The engine's own names of suits and ranks, which its catalogue translates.
    readonly property var suitSources: ["Bells", "Leaves", "Acorns", "Hearts"]
    readonly property var rankSources: ["Seven", "Eight", "Nine", "Ten", "Lower", "Upper", "King", "Ace"]

    function suitName(suit) {
        return suit >= 0 && suit <= 3 ? qsTranslate("GameEngine", suitSources[suit]) : "";
    }

    function rankName(rank) {
        return rank >= 7 && rank <= 14 ? qsTranslate("GameEngine", rankSources[rank - 7]) : "";
    }

    // A card named in a sentence: "Ace of Hearts".
    function cardName(suit, rank) {
        //: A card: %1 its rank, %2 its suit ("Ace of Hearts"); the names are those of the suits and ranks
        return qsTr("%1 of %2").arg(rankName(rank)).arg(suitName(suit));
    }

    // A card as the object of a sentence: "You play the Ace of Hearts" (in Hungarian the rank takes the object's
    // ending: "a piros ászt").
    function cardObject(suit, rank) {
        //: A card as the object of a sentence ("You play the Ace of Hearts"): %1 its rank as rankObject gives it, %2 its suit
        return qsTr("the %1 of %2").arg(rankObject(rank)).arg(suitName(suit));
    }

    // A card as a seat's last move names it, short: "7 of Hearts", "Upper of Bells".
    function shortCardName(suit, rank) {
        //: A card named short on a seat ("played 7 of Hearts"): %1 its rank, a digit or a name, %2 its suit
        return qsTr("%1 of %2", "short").arg(rank <= 10 ? String(rank) : rankName(rank)).arg(suitName(suit));
    }

    // A rank as the object of a sentence, inside a card's name: in English the rank's name.
    function rankObject(rank) {
        switch (rank) {
        //: The rank as the object of a sentence, inside a card's name ("the Seven of Hearts"); Hungarian: hetest
        case 7: return qsTr("Seven", "object");
        case 8: return qsTr("Eight", "object");
        case 9: return qsTr("Nine", "object");
        case 10: return qsTr("Ten", "object");
        case 11: return qsTr("Lower", "object");
        case 12: return qsTr("Upper", "object");
        case 13: return qsTr("King", "object");
        default: return qsTr("Ace", "object");
        }
    }

    // The rank a Lower asks for, as the object of "asked for": "a King".
    function askedRank(rank) {
        switch (rank) {
        //: The rank asked for after a Lower ("You asked for a Seven"); Hungarian: hetest
        case 7: return qsTr("a Seven");
        case 8: return qsTr("an Eight");
        case 9: return qsTr("a Nine");
        case 10: return qsTr("a Ten");
        case 11: return qsTr("a Lower");
        case 12: return qsTr("an Upper");
        case 13: return qsTr("a King");
        default: return qsTr("an Ace");
        }
    }

    // The suit an Upper asks for, as the object of "asked for": "Hearts".
    function askedSuit(suit) {
        switch (suit) {
        //: The suit asked for after an Upper ("You asked for Bells"); Hungarian: tököt
        case 0: return qsTr("Bells", "asked for");
        case 1: return qsTr("Leaves", "asked for");
        case 2: return qsTr("Acorns", "asked for");
        default: return qsTr("Hearts", "asked for");
        }
    }

    // A name on its own, as a label: with a capital, also where sentences write it in lower case.
    function capitalized(text) {
        return text.length > 0 ? text.charAt(0).toUpperCase() + text.slice(1) : text;
    }

    // The key that picks a rank in the rank chooser: the digit of Seven, Eight and Nine, 0 for the Ten, and
    // the corner letter of the others.
    function rankKey(rank) {
        return rank === 10 ? "0" : rank < 10 ? String(rank) : rankIndex(rank);
    }

    // The key that picks a suit in the suit chooser: the first letter of its name.
    function suitKey(suit) {
        switch (suit) {
        //: Key that picks Bells in the suit chooser: one letter, the first of the suit's name
        case 0: return qsTr("B");
        //: Key that picks Leaves in the suit chooser: one letter, the first of the suit's name
        case 1: return qsTr("L", "suit key");
        //: Key that picks Acorns in the suit chooser: one letter, the first of the suit's name
        case 2: return qsTr("A", "suit key");
        //: Key that picks Hearts in the suit chooser: one letter, the first of the suit's name
        default: return qsTr("H");
        }
    }

    // The names of every strength, by code: Random to Hard, then the Expert.
    function difficultyNames() {
        return [difficultyName(0), difficultyName(1), difficultyName(2), difficultyName(3), difficultyName(4)];
    }

    // The strength of a computer player: the rules' levels 0 to 3, and 4 the Expert.
    function difficultyName(level) {
        switch (level) {
        case 0: return qsTr("Random");
        case 1: return qsTr("Easy");
        case 2: return qsTr("Normal");
        case 4: return qsTr("Expert");
        default: return qsTr("Hard");
        }
    }
}
