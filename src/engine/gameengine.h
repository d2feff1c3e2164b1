#ifndef GAMEENGINE_H
#define GAMEENGINE_H

// GameEngine is the one object through which the QML interface sees and drives the game.
//
// It owns the rules engine (Zavel::GameCore) and adds what an interface needs around it: the settings of the
// next game and of the computer seats, the texts shown to the player, an autosave after every applied action,
// computer moves paced by a timer, and visual phases. Every move that moves cards changes the rules state at
// once and then opens a phase (CardFlight, Draw or Deal) whose animation request QML answers with the matching
// complete...Animation() call; until then human input and computer moves wait. A watchdog ends a phase QML
// never completes, and with animations switched off the engine completes each phase itself on the next pass
// of the event loop.
//
// The QML boundary below (properties, signals and invokables, in this order) is fixed: the interface is written
// against it. Every property derived from the rules state is notified through stateChanged, which also advances
// stateRevision. What lies beside the interface (the models of the hand, the pile and the seats, the move journal)
// reads the game through core() and hears of every move as records (GameObserver).
//
// The work is shared with collaborators: Pacing keeps the computer's timer and the visual phases, Autosave the
// file, EngineTexts the words; the engine wires them to the rules.

#include "autosave.h"
#include "enginetexts.h"
#include "gamecore.h"
#include "gameobserver.h"
#include "pacing.h"
#include "seatchooser.h"

#include <QObject>
#include <QString>
#include <QVariantList>

class GameEngine : public QObject, private PacingListener
{
    Q_OBJECT

    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString lastEvent READ lastEvent NOTIFY lastEventChanged)
    Q_PROPERTY(QString roundResult READ roundResult NOTIFY roundResultChanged)
    Q_PROPERTY(QString activeRequestText READ activeRequestText NOTIFY stateChanged)
    Q_PROPERTY(QString penaltyText READ penaltyText NOTIFY stateChanged)
    Q_PROPERTY(int playerCount READ playerCount WRITE setPlayerCount NOTIFY playerCountChanged)
    Q_PROPERTY(int activePlayerCount READ activePlayerCount NOTIFY stateChanged)
    Q_PROPERTY(int turnPlayer READ turnPlayer NOTIFY stateChanged)
    Q_PROPERTY(int winnerPlayer READ winnerPlayer NOTIFY stateChanged)
    Q_PROPERTY(int deckSize READ deckSize NOTIFY stateChanged)
    Q_PROPERTY(QVariantList participants READ participants NOTIFY stateChanged)
    Q_PROPERTY(QVariantList playerHand READ playerHand NOTIFY stateChanged)
    Q_PROPERTY(QVariantList discardCards READ discardCards NOTIFY stateChanged)
    Q_PROPERTY(QString playerName READ playerName WRITE setPlayerName NOTIFY namesChanged)
    Q_PROPERTY(QString ai1Name READ ai1Name WRITE setAi1Name NOTIFY namesChanged)
    Q_PROPERTY(QString ai2Name READ ai2Name WRITE setAi2Name NOTIFY namesChanged)
    Q_PROPERTY(QString ai3Name READ ai3Name WRITE setAi3Name NOTIFY namesChanged)
    Q_PROPERTY(int aiPlayDelay READ aiPlayDelay WRITE setAiPlayDelay NOTIFY aiPlayDelayChanged)
    Q_PROPERTY(int aiDifficulty READ ai1Difficulty WRITE setAi1Difficulty NOTIFY difficultiesChanged)
    Q_PROPERTY(int ai1Difficulty READ ai1Difficulty WRITE setAi1Difficulty NOTIFY difficultiesChanged)
    Q_PROPERTY(int ai2Difficulty READ ai2Difficulty WRITE setAi2Difficulty NOTIFY difficultiesChanged)
    Q_PROPERTY(int ai3Difficulty READ ai3Difficulty WRITE setAi3Difficulty NOTIFY difficultiesChanged)
    Q_PROPERTY(bool animationsEnabled READ animationsEnabled WRITE setAnimationsEnabled NOTIFY animationsEnabledChanged)
    Q_PROPERTY(bool paused READ paused WRITE setPaused NOTIFY pausedChanged)
    Q_PROPERTY(bool playerInputEnabled READ playerInputEnabled NOTIFY stateChanged)
    Q_PROPERTY(bool canDraw READ canDraw NOTIFY stateChanged)
    Q_PROPERTY(bool canAcceptPenalty READ canAcceptPenalty NOTIFY stateChanged)
    Q_PROPERTY(bool canDeclareZavel READ canDeclareZavel NOTIFY stateChanged)
    Q_PROPERTY(bool zavelArmed READ zavelArmed NOTIFY stateChanged)
    Q_PROPERTY(bool needsSuitChoice READ needsSuitChoice NOTIFY stateChanged)
    Q_PROPERTY(bool needsRankChoice READ needsRankChoice NOTIFY stateChanged)
    Q_PROPERTY(int requestedSuit READ requestedSuit NOTIFY stateChanged)
    Q_PROPERTY(int requestedRank READ requestedRank NOTIFY stateChanged)
    Q_PROPERTY(int pendingDraw READ pendingDraw NOTIFY stateChanged)
    Q_PROPERTY(bool pendingSkip READ pendingSkip NOTIFY stateChanged)
    Q_PROPERTY(quint64 stateRevision READ stateRevision NOTIFY stateChanged)
    Q_PROPERTY(int visualPhase READ visualPhase NOTIFY visualPhaseChanged)

public:
    enum VisualPhase { Idle = 0, CardFlight = 1, Draw = 2, Deal = 3 };
    Q_ENUM(VisualPhase)

    explicit GameEngine(QObject *parent = nullptr);

    // --- Invokables: what QML calls --------------------------------------------------------------------
    Q_INVOKABLE void start();
    Q_INVOKABLE void newGame();
    Q_INVOKABLE void playCard(int handIndex);
    Q_INVOKABLE void drawCard();
    Q_INVOKABLE void acceptPenalty();
    Q_INVOKABLE void declareZavel();
    Q_INVOKABLE void chooseSuit(int suit);
    Q_INVOKABLE void chooseRank(int rank);
    Q_INVOKABLE void rejectCard(int handIndex);
    Q_INVOKABLE void refreshInputState();
    Q_INVOKABLE bool isPlayerCardPlayable(int handIndex) const;
    Q_INVOKABLE void completeCardAnimation();
    Q_INVOKABLE void completeDrawAnimation();
    Q_INVOKABLE void completeDealAnimation();
    Q_INVOKABLE QString suitName(int suit) const;
    Q_INVOKABLE QString rankName(int rank) const;

    // --- Property readers ------------------------------------------------------------------------------
    QString status() const { return m_status; }
    QString lastEvent() const { return m_lastEvent; }
    QString roundResult() const;
    QString activeRequestText() const;
    QString penaltyText() const;
    int playerCount() const { return m_playerCount; }
    int activePlayerCount() const { return m_core.playerCount; }
    int turnPlayer() const { return m_core.currentPlayer; }
    int winnerPlayer() const { return m_core.winner; }
    int deckSize() const { return static_cast<int>(m_core.talon.size()); }
    QVariantList participants() const;
    QVariantList playerHand() const;
    QVariantList discardCards() const;
    QString playerName() const { return m_names[0]; }
    QString ai1Name() const { return m_names[1]; }
    QString ai2Name() const { return m_names[2]; }
    QString ai3Name() const { return m_names[3]; }
    int aiPlayDelay() const { return m_pacing.computerDelay(); }
    int ai1Difficulty() const { return m_difficulties[1]; }
    int ai2Difficulty() const { return m_difficulties[2]; }
    int ai3Difficulty() const { return m_difficulties[3]; }
    bool animationsEnabled() const { return m_pacing.animationsEnabled(); }
    bool paused() const { return m_paused; }
    bool playerInputEnabled() const;
    bool canDraw() const;
    bool canAcceptPenalty() const;
    bool canDeclareZavel() const;
    bool zavelArmed() const { return m_core.zavelDeclared(0); }
    bool needsSuitChoice() const;
    bool needsRankChoice() const;
    int requestedSuit() const { return m_core.requestedSuit; }
    int requestedRank() const { return m_core.requestedRank; }
    int pendingDraw() const { return m_core.pendingDraw; }
    bool pendingSkip() const { return m_core.pendingSkip; }
    quint64 stateRevision() const { return m_stateRevision; }
    int visualPhase() const { return m_pacing.phase(); }

    // --- Settings ----------------------------------------------------------------------------------------
    void setPlayerCount(int count);
    void setDifficulty(int player, int value);
    int difficultyForPlayer(int player) const;
    void setName(int index, const QString &name);
    void setAiPlayDelay(int ms);
    void setPaused(bool paused);
    void setAnimationsEnabled(bool enabled);
    void setPlayerName(const QString &name) { setName(0, name); }
    void setAi1Name(const QString &name) { setName(1, name); }
    void setAi2Name(const QString &name) { setName(2, name); }
    void setAi3Name(const QString &name) { setName(3, name); }
    void setAi1Difficulty(int value) { setDifficulty(1, value); }
    void setAi2Difficulty(int value) { setDifficulty(2, value); }
    void setAi3Difficulty(int value) { setDifficulty(3, value); }

    // --- Texts -------------------------------------------------------------------------------------------
    QString playerDisplayName(int seat) const;

    // --- Lists handed to QML -----------------------------------------------------------------------------
    static QString cardId(const Zavel::Card &card);
    static QVariantList toVariantList(const std::vector<Zavel::Card> &cards);
    static QVariantList initialDealList(const Zavel::GameCore &core);
    static QVariantList drawList(const std::vector<Zavel::DrawnCard> &drawn);

    // --- Autosave: used by the engine's own operations, public for tools and benchmarks, never for QML ----
    QString saveFilePath() const;
    void persistGame();
    bool restoreGame();
    // Another place for the autosave than the data folder's, for tests and tools; empty for the default.
    void setSaveFilePath(const QString &path);

    // --- Beside the interface: never for QML --------------------------------------------------------------
    const Zavel::GameCore &core() const { return m_core; }
    void addObserver(GameObserver *observer);
    void removeObserver(GameObserver *observer);
    // The seat (1 to 3) decides through this chooser instead of its level; null gives the level back.
    void setSeatChooser(int seat, SeatChooser *chooser);
    // A chooser that could not answer has its answer now: the move it held up goes on.
    void seatChooserReady();

signals:
    void statusChanged();
    void lastEventChanged();
    void roundResultChanged();
    void playerCountChanged();
    void namesChanged();
    void difficultiesChanged();
    void aiPlayDelayChanged();
    void animationsEnabledChanged();
    void pausedChanged();
    void visualPhaseChanged();
    void stateChanged();
    void cardAnimationRequested(const QString &cardId, int playedBy, int oldHandIndex,
                                const QVariantList &followupDrawnCards);
    void drawAnimationRequested(const QVariantList &drawnCards);
    void dealAnimationRequested(const QVariantList &dealtCards);

private:
    // Notification and audit
    void setLastEvent(const QString &text);
    void markStateChanged();
    void notifyState();
    void updateStatusText();
    void auditState(const char *where);

    // Computer turns
    void scheduleAiMove();
    void performAiMove();
    SeatChooser *chooserOf(int seat) const;
    void prepareChooser();
    Zavel::AiAction chosenAction(int seat, bool *waiting);

    // Visual phases
    void requestCardAnimation(const QString &cardId, int playedBy, int oldHandIndex,
                              const std::vector<Zavel::DrawnCard> &followupDraws);
    void requestDrawAnimation(const std::vector<Zavel::DrawnCard> &draws);
    void requestDealAnimation(const QVariantList &dealtCards);
    void announcePhase();

    // PacingListener
    void phaseChanged() override;
    void followupDrawsDue(const std::vector<Zavel::DrawnCard> &draws) override;
    void phaseFinished() override;
    void computerMoveDue() override;

    // A seat's action, with the records of what came before it in the same move (a computer's declaration)
    void applySeatAction(int seat, const Zavel::AiAction &action, std::vector<Zavel::MoveRecord> records = {});
    void tellObservers(const std::vector<Zavel::MoveRecord> &records);

    bool inputGateOpen() const;

    Zavel::GameCore m_core;
    QString m_status;
    QString m_lastEvent;
    QString m_names[4];
    int m_playerCount = 2;
    int m_difficulties[4] = {1, 1, 2, 3};
    bool m_paused = false;
    quint64 m_stateRevision = 0;
    EngineTexts m_texts{m_core, m_names};
    Autosave m_autosave;
    Pacing m_pacing{this};
    std::vector<GameObserver *> m_observers;
    SeatChooser *m_choosers[4] = {};
    bool m_waitingForChooser = false;
};

#endif
