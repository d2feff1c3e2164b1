#ifndef HANDMODEL_H
#define HANDMODEL_H

// The player's hand (seat 0) as the table shows it: in the order the cards were received, or sorted by suit and
// rank. Every row keeps the position the engine knows its card by (handIndex), which is what playCard takes, and
// whether the engine lets the player play it now (playable).

#include "cardlistmodel.h"
#include "gameengine.h"

#include <QPointer>

class HandModel : public CardListModel
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(bool sorted READ sorted WRITE setSorted NOTIFY sortedChanged)

public:
    explicit HandModel(QObject *parent = nullptr);

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted);

    // The row that shows the card the engine knows as handIndex, and the other way round; -1 for none.
    Q_INVOKABLE int positionOf(int handIndex) const;
    Q_INVOKABLE int handIndexAt(int position) const;

    void refresh();

signals:
    void engineChanged();
    void sortedChanged();

private:
    QPointer<GameEngine> m_engine;
    bool m_sorted = false;
};

#endif
