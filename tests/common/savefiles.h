#ifndef ZAVEL_TESTS_SAVEFILES_H
#define ZAVEL_TESTS_SAVEFILES_H

// The autosave's folder and file where the engine looks for them (in Qt's test locations once a test has turned
// them on), whole-file reads and writes, and a wait for the event loop.

#include "gametext.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

namespace SaveFiles {

inline QString dataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

inline QString savePath()
{
    return QDir(dataDir()).filePath(QStringLiteral("autosave-v1.txt"));
}

// Runs the test in Qt's test locations below `home` under the program's own names, so that its autosave, settings
// and journal start empty and stay apart from other tests. HOME is set here: call it before anything reads HOME.
// False when the data folder is not below `home`.
inline bool useTestHome(const QString &home)
{
    qputenv("HOME", QFile::encodeName(home));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    return dataDir().startsWith(home);
}

inline QByteArray readFile(const QString &path = savePath())
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Creates the folder first when it is missing.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// The game the words describe (gametext.h) as the autosave, for the engine to restore at its start; false when
// it is not a valid game. No words: no autosave, so that the engine deals a fresh game.
inline bool writeGame(const QString &words)
{
    if (words.isEmpty())
        return !QFileInfo::exists(savePath()) || QFile::remove(savePath());
    const Zavel::GameCore core = GameText::game(words.toStdString());
    return core.validate() && writeFile(savePath(), QByteArray::fromStdString(core.serializeState()));
}

// The game the words describe as the autosave at `path`, for an engine told to keep it there.
inline bool writeGameTo(const QString &path, const QString &words)
{
    return writeFile(path, QByteArray::fromStdString(GameText::stateText(words.toStdString())));
}

// An empty folder of the test's own, made anew before each test function.
inline void emptyFolder(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

// Unlike QTest::qWaitFor, wakes on every event, so chained zero-delay moves run at full speed.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer guard; // wakes the loop at the deadline when nothing else happens
    guard.start(timeoutMs);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}

} // namespace SaveFiles

#endif
