#ifndef PILEMODEL_H
#define PILEMODEL_H

// The discard pile, bottom first and its top card last, each card with the seat that played it (playedBy, -1 for
// the starting card). depth keeps only that many cards from the top, all of them when 0.

#include "cardlistmodel.h"
#include "gameengine.h"

#include <QPointer>

class PileModel : public CardListModel
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(int depth READ depth WRITE setDepth NOTIFY depthChanged)
    Q_PROPERTY(QString topCardId READ topCardId NOTIFY topCardChanged)

public:
    explicit PileModel(QObject *parent = nullptr);

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    int depth() const { return m_depth; }
    void setDepth(int depth);
    // The id of the card on top, "" before a deal.
    QString topCardId() const { return m_topCardId; }

    void refresh();

signals:
    void engineChanged();
    void depthChanged();
    void topCardChanged();

private:
    QPointer<GameEngine> m_engine;
    int m_depth = 0;
    QString m_topCardId;
};

#endif
