#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// What the QML test cases need beyond the interface itself, published to them as "testSupport": where the
// main QML file and the screenshot folder are, a way to put a crafted game into the autosave file before the
// interface starts (the engine then restores it), and the QML warnings logged since the last look.

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

class TestSupport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl mainQml READ mainQml CONSTANT)
    Q_PROPERTY(QString screenshotDir READ screenshotDir CONSTANT)

public:
    explicit TestSupport(QObject *parent = nullptr);

    QUrl mainQml() const;
    QString screenshotDir() const;

    // Writes a game described by spec as the autosave: "players" (2..4), "hands" (one list of card ids per
    // seat, "suit_rank" as the engine names them), "discard" (bottom to top), "talonTop" (cards that must be
    // drawn first, the last one first), and optionally "current", "winner", "requestedSuit", "requestedRank",
    // "pendingDraw", "pendingSkip", "pendingChoice", "declared" (one bool per seat) and "seed". The other cards
    // of the deck go to the bottom of the talon. Returns false, with a warning, for a game the rules reject.
    Q_INVOKABLE bool writeGame(const QVariantMap &spec) const;
    Q_INVOKABLE void removeGame() const;
    Q_INVOKABLE QString savedGame() const;
    Q_INVOKABLE QString autosavePath() const;

    // The warnings that came from QML (binding loops, script errors) or from the engine's audit since the last
    // call; the message handler collects them.
    Q_INVOKABLE QStringList takeWarnings();

    static void installMessageHandler();
};

#endif
