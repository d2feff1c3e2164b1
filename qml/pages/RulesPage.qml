import QtQuick 2.6
import "../controls"
import "../shared"
import "../table"

// The rules of the game for a newcomer: the deal, playing and drawing, the four special cards, requests,
// penalties, Zavél!, the reshuffle and winning. Each section is a heading and its paragraphs; a paragraph
// about a special card has the card beside it.
Rectangle {
    id: page

    signal closeClicked()

    readonly property real u: Theme.u
    // The card shown beside the special cards' paragraphs: the Hearts of each rank.
    readonly property int cardSuit: 3

    // A paragraph is a text, or { rank, name, text } for a special card shown beside it.
    readonly property var sections: [
        {
            title: qsTr("The aim and the deal"),
            paragraphs: [
                qsTr("Zavél is a card game for two to four players with a Hungarian deck of 32 cards: four suits, "
                     + "Bells, Leaves, Acorns and Hearts, each with the ranks Seven, Eight, Nine, Ten, Lower, Upper, "
                     + "King and Ace. The aim is to be the first to get rid of all your cards."),
                qsTr("You play against one to three computer players. Everyone is dealt five cards. One card is "
                     + "turned face up in the middle of the table: the starting card, which is never a Seven, Lower, "
                     + "Upper or Ace. The cards played later go on top of it, on the discard pile. The rest of the "
                     + "deck lies face down as the talon, the stack you draw from."),
                qsTr("You start every new game. The turn then passes from player to player, always in the same "
                     + "order around the table.")
            ]
        },
        {
            title: qsTr("Playing and drawing"),
            paragraphs: [
                qsTr("On your turn, play one card that matches the top card of the discard pile in suit or in "
                     + "rank. On the Nine of Leaves, for example, any Leaves card or any Nine may go."),
                qsTr("If none of your cards fits, draw one card from the talon. That ends your turn: the drawn "
                     + "card waits for your next turn, even if it would fit now. You may draw only when you cannot "
                     + "play.")
            ]
        },
        {
            title: qsTr("The four special cards"),
            paragraphs: [
                qsTr("Sevens, Aces, Uppers and Lowers do more than the other cards. Apart from the Upper, they are "
                     + "played like any other card, on the same suit or rank."),
                {
                    rank: 7,
                    //: The card name: the Seven
                    name: qsTr("Seven"),
                    text: qsTr("The next player must draw two cards, unless they answer with a Seven of any suit. "
                               + "Sevens stack: each further Seven adds two more cards, and the first player who "
                               + "does not answer draws them all. While this penalty waits, only a Seven may be "
                               + "played.")
                },
                {
                    rank: 14,
                    //: The card name: the Ace
                    name: qsTr("Ace"),
                    text: qsTr("The next player loses a turn, unless they answer with an Ace of any suit. An "
                               + "answering Ace hands the skip on to the next player; Aces do not add up, so whoever "
                               + "does not answer loses just one turn. While the skip waits, only an Ace may be "
                               + "played.")
                },
                {
                    rank: 12,
                    //: The card name: the Upper, a face card of the Hungarian deck (Hungarian: felső)
                    name: qsTr("Upper"),
                    //: Upper and Lower are card names (Hungarian: felső, alsó)
                    text: qsTr("The Upper goes on any card, whatever its suit or rank, as long as no penalty "
                               + "waits and nothing is requested. After playing it, you request a suit. While a "
                               + "suit is requested, an Upper of any suit may be played too, and its player "
                               + "requests a suit anew.")
                },
                {
                    rank: 11,
                    //: The card name: the Lower, a face card of the Hungarian deck (Hungarian: alsó)
                    name: qsTr("Lower"),
                    //: Lower is a card name (Hungarian: alsó)
                    text: qsTr("After playing a Lower, you request a rank: any rank, a Seven or an Ace too. While "
                               + "a rank is requested, a Lower of any suit may be played too, and its player "
                               + "requests a rank anew. A requested Seven or Ace works as usual when it is played.")
                }
            ]
        },
        {
            title: qsTr("Requests"),
            paragraphs: [
                //: Upper and Lower are card names (Hungarian: felső, alsó)
                qsTr("While a suit is requested, only cards of that suit and Uppers fit; while a rank is "
                     + "requested, only cards of that rank and Lowers fit. The top card does not count then."),
                qsTr("A request binds every player in turn, you too when the turn comes back to you, until someone "
                     + "plays a card. It survives any number of draws: a player without a fitting card draws one, "
                     + "and the request stands for the next player.")
            ]
        },
        {
            title: qsTr("Penalties"),
            paragraphs: [
                //: %1 and %2 are the texts of the button that takes a penalty, e.g. "Draw 4 cards" and "Skip turn"
                qsTr("When a Seven's penalty or an Ace's skip waits for you, answer a Seven with a Seven and an Ace "
                     + "with an Ace, or take the penalty with the button that then reads “%1” (with the number of "
                     + "cards waiting) or “%2”.")
                    .arg(qsTranslate("GameEngine", "Draw %1 cards").arg(4)).arg(qsTranslate("GameEngine", "Skip turn")),
                qsTr("A penalty cannot be ignored: you may not draw a single card instead, nor play anything else. "
                     + "You may take it even when you hold a Seven or an Ace. Taking it ends your turn, and the "
                     + "next player goes on as usual.")
            ]
        },
        {
            title: qsTr("Zavél!"),
            paragraphs: [
                qsTr("When you hold two cards and are about to play one of them, tap Zavél! first, then play the "
                     + "card. You can say it only on your turn, when you have a card to play."),
                qsTr("If you forget, you draw four penalty cards as you play, fewer if the cards run out, and the "
                     + "card you played still works. Your very last card needs no Zavél. The computer players say "
                     + "it too.")
            ]
        },
        {
            title: qsTr("The reshuffle"),
            paragraphs: [
                qsTr("When the talon runs out, the discard pile except its top card is shuffled and becomes the "
                     + "new talon; the top card stays where it is. If no cards are left at all, you draw fewer, or "
                     + "none, and the game goes on.")
            ]
        },
        {
            title: qsTr("Winning"),
            paragraphs: [
                //: Upper and Lower are card names (Hungarian: felső, alsó)
                qsTr("The first player to play their last card wins. That last card has no effect: a last Seven "
                     + "makes nobody draw, a last Ace skips nobody, and a last Upper or Lower requests nothing.")
            ]
        }
    ]

    color: Theme.feltDark

    // Swallows taps so that nothing below the page reacts.
    MouseArea {
        anchors.fill: parent
    }

    PageHeader {
        id: header
        title: qsTr("How to play")
        closeObjectName: "rulesDone"
        onCloseClicked: page.closeClicked()
    }

    Flickable {
        id: flick
        objectName: "rulesFlick"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        contentWidth: width
        contentHeight: column.height + 40 * u
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            x: Math.max(16 * u, (flick.width - width) / 2)
            y: 12 * u
            width: Math.min(flick.width - 32 * u, 620 * u)
            spacing: 20 * u

            Repeater {
                model: page.sections

                Column {
                    objectName: "rulesSection_" + index
                    width: column.width
                    spacing: 10 * u

                    Text {
                        width: parent.width
                        text: modelData.title
                        color: Theme.accent
                        font.pixelSize: Theme.fontLarge
                        font.bold: true
                        wrapMode: Text.Wrap
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                    }

                    Repeater {
                        model: modelData.paragraphs

                        Row {
                            id: paragraph

                            readonly property bool special: typeof modelData === "object"

                            width: column.width
                            spacing: 14 * u

                            Card {
                                visible: paragraph.special
                                width: 56 * u
                                suit: page.cardSuit
                                rank: paragraph.special ? modelData.rank : 7
                                Accessible.role: Accessible.Graphic
                                Accessible.name: paragraph.special ? modelData.name : ""
                            }

                            Column {
                                width: paragraph.special ? paragraph.width - 56 * u - paragraph.spacing : paragraph.width
                                spacing: 2 * u

                                Text {
                                    width: parent.width
                                    visible: paragraph.special
                                    text: paragraph.special ? modelData.name : ""
                                    color: Theme.accent
                                    font.pixelSize: Theme.fontNormal
                                    font.bold: true
                                    wrapMode: Text.Wrap
                                    Accessible.role: Accessible.Heading
                                    Accessible.name: text
                                }

                                Text {
                                    width: parent.width
                                    text: paragraph.special ? modelData.text : modelData
                                    color: Theme.text
                                    font.pixelSize: Theme.fontNormal
                                    wrapMode: Text.Wrap
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
