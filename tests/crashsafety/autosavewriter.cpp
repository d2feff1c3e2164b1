// zavel-autosave-writer LOG: plays games through GameEngine without end, animations off and no delay, so that
// the engine saves through persistGame() many times a second. Seat 0 is played by the computer player's choice
// for it; a won game is followed by a new one. Before every save the engine is about to make, the text it will
// write is announced in the side log (see savelog.h): for seat 0 before calling the action, for a computer seat
// at the state change that precedes its move, by applying the same choice the engine's computer player makes to
// a copy of the saved game. The kill test then knows every state the file may hold.
//
// It continues the game saved in the autosave file (HOME must point into a throw-away directory; Qt's test mode
// is on), and runs until it is killed.

#include "gameengine.h"
#include "savelog.h"
#include "selfplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int logFd = -1;
QSet<QByteArray> announced;
bool dealing = false; // a new game was announced; its deal is accepted at the next checkpoint

void logLine(const QByteArray &line)
{
    const QByteArray bytes = line + '\n';
    if (::write(logFd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size())
        std::abort();
}

void announce(const Zavel::GameCore &core)
{
    const QByteArray hash = SaveLog::hashText(QByteArray::fromStdString(core.serializeState()));
    announced.insert(hash);
    logLine("S " + hash);
}

QByteArray readSave(const GameEngine &engine)
{
    QFile file(engine.saveFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool loadSave(const GameEngine &engine, Zavel::GameCore *core)
{
    return core->restoreState(readSave(engine).toStdString());
}

// What the engine's computer turn is about to do from this state: the declaration when due, then the action its
// level picks; both are saved.
void announceComputerMove(Zavel::GameCore core, const GameEngine &engine)
{
    const int seat = core.currentPlayer;
    if (core.pendingChoice == 0 && core.hand(seat).size() == 2 && !core.zavelDeclared(seat) && core.declareZavel(seat))
        announce(core);
    Zavel::SelfPlaySetup setup;
    setup.levels.assign(4, 1);
    setup.levels[static_cast<std::size_t>(seat)] = engine.difficultyForPlayer(seat);
    setup.maxActions = 1;
    setup.forgetful.assign(4, true); // declared above already
    Zavel::playSelf(core, setup);
    announce(core);
}

// Seat 0's move, announced and then made through the engine's invokable.
void playSeatZero(GameEngine *engine, const Zavel::GameCore &saved)
{
    Zavel::GameCore next = saved;
    if (engine->canDeclareZavel()) {
        next.declareZavel(0);
        announce(next);
        engine->declareZavel();
        return;
    }
    Zavel::GameCore chooser = saved;
    const Zavel::AiAction action = chooser.chooseAiAction(0, Zavel::AiDifficulty::Normal);
    switch (action.type) {
    case Zavel::AiActionType::Play:
        next.playCard(0, action.handIndex);
        announce(next);
        engine->playCard(action.handIndex);
        break;
    case Zavel::AiActionType::Draw:
        next.drawCard(0);
        announce(next);
        engine->drawCard();
        break;
    case Zavel::AiActionType::AcceptPenalty:
        next.acceptPenalty(0);
        announce(next);
        engine->acceptPenalty();
        break;
    case Zavel::AiActionType::ChooseSuit:
        next.chooseSuit(0, action.choice);
        announce(next);
        engine->chooseSuit(action.choice);
        break;
    case Zavel::AiActionType::ChooseRank:
        next.chooseRank(0, action.choice);
        announce(next);
        engine->chooseRank(action.choice);
        break;
    case Zavel::AiActionType::None:
        std::abort();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    if (argc != 2 || qEnvironmentVariableIsEmpty("HOME")) {
        std::fprintf(stderr, "usage: HOME=<throw-away dir> %s LOG\n", argv[0]);
        return 2;
    }
    logFd = ::open(argv[1], O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (logFd < 0)
        return 1;

    GameEngine engine;
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(0);
    engine.setPlayerCount(3);
    engine.setAi1Difficulty(0);
    engine.setAi2Difficulty(3);

    // At every state change in phase Idle the file holds the live game; when a computer seat moves next, its
    // move is announced here, before control returns to the event loop that runs it.
    QObject::connect(&engine, &GameEngine::stateChanged, [&engine] {
        if (engine.visualPhase() != GameEngine::Idle)
            return;
        Zavel::GameCore saved(2, 1);
        const QByteArray text = readSave(engine);
        const bool restored = saved.restoreState(text.toStdString());
        if (restored && dealing && !announced.contains(SaveLog::hashText(text)))
            announce(saved);
        dealing = false;
        if (!restored || !announced.contains(SaveLog::hashText(text)))
            logLine("X " + SaveLog::hashText(text));
        if (saved.winner == -1 && saved.currentPlayer != 0)
            announceComputerMove(saved, engine);
    });

    // The state the writer starts from was announced by whoever wrote it.
    Zavel::GameCore start(2, 1);
    if (!loadSave(engine, &start))
        return 1;
    announced.insert(SaveLog::hashText(readSave(engine)));
    engine.setPlayerCount(start.playerCount);
    logLine("R");
    engine.start();

    for (;;) {
        QCoreApplication::processEvents();
        if (engine.visualPhase() != GameEngine::Idle)
            continue;
        Zavel::GameCore saved(2, 1);
        if (!loadSave(engine, &saved))
            std::abort();
        if (saved.winner != -1) {
            logLine("N " + QByteArray::number(engine.playerCount()));
            dealing = true;
            engine.newGame();
        } else if (saved.currentPlayer == 0) {
            playSeatZero(&engine, saved);
        }
    }
}
