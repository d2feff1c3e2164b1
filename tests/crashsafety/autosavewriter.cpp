// zavel-autosave-writer LOG: plays games without end, one action at a time, and saves after every action
// through GameEngine::persistGame, as the engine does. Just before each save it appends the SHA-1 of the text
// to LOG with one write(), so that a kill leaves only whole lines and the kill test knows what the file may
// hold. It continues the game in the autosave file; HOME must be a throw-away directory.

#include "gameengine.h"
#include "selfplay.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    const QString name = QStringLiteral("harbour-zavel");
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(name);
    GameEngine engine;
    Zavel::GameCore core(2, 1);
    QFile save(engine.saveFilePath());
    const int log = argc == 2 ? ::open(argv[1], O_WRONLY | O_APPEND) : -1;
    if (log < 0 || !save.open(QIODevice::ReadOnly) || !core.restoreState(save.readAll().toStdString()))
        return 2;

    // The engine takes a game in only through restoreGame(), which reads the autosave path; each next state
    // is handed to it in a file of the same name under another application name.
    QCoreApplication::setApplicationName(name + QStringLiteral("-next"));
    QFile next(engine.saveFilePath());
    QDir().mkpath(QFileInfo(next).absolutePath());
    Zavel::SelfPlaySetup setup;
    setup.levels = {1, 2, 3, 0};
    setup.maxActions = 1;
    for (int games = 0;;) {
        if (core.winner != -1)
            core = Zavel::GameCore(2 + ++games % 3, 0);
        else if (Zavel::playSelf(core, setup).stalled)
            return 3;
        const QByteArray text = QByteArray::fromStdString(core.serializeState());
        QCoreApplication::setApplicationName(name + QStringLiteral("-next"));
        if (!next.open(QIODevice::WriteOnly | QIODevice::Truncate) || next.write(text) != text.size())
            return 4;
        next.close();
        const bool handedOver = engine.restoreGame();
        QCoreApplication::setApplicationName(name);
        const QByteArray line = QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex() + '\n';
        if (!handedOver || ::write(log, line.constData(), static_cast<size_t>(line.size())) != line.size())
            return 5;
        engine.persistGame();
    }
}
