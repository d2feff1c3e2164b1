pragma Singleton
import QtQuick 2.6

// Short texts of the interface that several components share.
QtObject {
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
