// The lists QML views and animations read: cards, hands and players as string-keyed maps, built afresh on
// every read. The card id ("<suit>_<rank>") is the one name by which the interface recognises a card in every
// view and animation request.

#include "gameengine.h"

#include <QVariantMap>

QString GameEngine::cardId(const Zavel::Card &card)
{
    return QString::fromStdString(Zavel::cardId(card));
}

QVariantList GameEngine::toVariantList(const std::vector<Zavel::Card> &cards)
{
    QVariantList list;
    list.reserve(static_cast<int>(cards.size()));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const Zavel::Card &card = cards[i];
        QVariantMap entry;
        entry.insert(QStringLiteral("rank"), card.rank);
        entry.insert(QStringLiteral("suit"), card.suit);
        entry.insert(QStringLiteral("id"), cardId(card));
        entry.insert(QStringLiteral("playedBy"), card.playedBy);
        entry.insert(QStringLiteral("special"), Zavel::isSpecialRank(card.rank));
        entry.insert(QStringLiteral("handIndex"), static_cast<int>(i));
        list.append(entry);
    }
    return list;
}

QVariantList GameEngine::playerHand() const
{
    return toVariantList(m_core.hand(0));
}

QVariantList GameEngine::discardCards() const
{
    return toVariantList(m_core.discard);
}

QVariantList GameEngine::participants() const
{
    QVariantList list;
    for (int seat = 0; seat < m_core.playerCount; ++seat) {
        const std::vector<Zavel::Card> &cards = m_core.hand(seat);
        QVariantMap entry;
        entry.insert(QStringLiteral("index"), seat);
        entry.insert(QStringLiteral("name"), playerDisplayName(seat));
        entry.insert(QStringLiteral("isHuman"), seat == 0);
        entry.insert(QStringLiteral("hand"), toVariantList(cards));
        entry.insert(QStringLiteral("handCount"), static_cast<int>(cards.size()));
        entry.insert(QStringLiteral("activeTurn"), seat == m_core.currentPlayer);
        entry.insert(QStringLiteral("zavel"), m_core.zavelDeclared(seat));
        entry.insert(QStringLiteral("oneCard"), cards.size() == 1);
        list.append(entry);
    }
    return list;
}

namespace {

QVariantMap movement(int player, const QString &id, int handIndex, int order)
{
    QVariantMap entry;
    entry.insert(QStringLiteral("player"), player);
    entry.insert(QStringLiteral("id"), id);
    entry.insert(QStringLiteral("handIndex"), handIndex);
    entry.insert(QStringLiteral("order"), order);
    return entry;
}

} // namespace

// Follows the deal itself: one card to each seat per pass, seat 0 first, five passes. Only the first five hand
// positions are listed; a seat holding fewer cards is skipped without using an order number.
QVariantList GameEngine::initialDealList(const Zavel::GameCore &core)
{
    QVariantList list;
    int order = 0;
    for (std::size_t pass = 0; pass < 5; ++pass) {
        for (int seat = 0; seat < core.playerCount; ++seat) {
            const std::vector<Zavel::Card> &cards = core.hand(seat);
            if (cards.size() > pass)
                list.append(movement(seat, cardId(cards[pass]), static_cast<int>(pass), order++));
        }
    }
    return list;
}

QVariantList GameEngine::drawList(const std::vector<Zavel::DrawnCard> &drawn)
{
    QVariantList list;
    list.reserve(static_cast<int>(drawn.size()));
    for (std::size_t i = 0; i < drawn.size(); ++i)
        list.append(movement(drawn[i].player, cardId(drawn[i].card), drawn[i].handIndex, static_cast<int>(i)));
    return list;
}
