// The autosave: one file holding the state text of the running game, rewritten after every applied action
// through a save file, so that a crash or a full disk never leaves half a game behind.

#include "gameengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A state text is under 8 KiB. Nothing after the last hand line is ever read, so reading a bounded prefix
// decides every file the same way as reading all of it, without letting a huge file exhaust memory.
constexpr qint64 maxReadBytes = 1024 * 1024;

} // namespace

QString GameEngine::saveFilePath() const
{
    const QDir dir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return dir.filePath(QStringLiteral("autosave-v1.txt"));
}

void GameEngine::persistGame()
{
    const QString path = saveFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    const QByteArray text = QByteArray::fromStdString(m_core.serializeState());
    // The write only fills the device's buffer; a disk that refuses the bytes (full, or over a size limit) says
    // so when they are flushed. The save file would commit whatever made it to disk, so a failed flush must
    // cancel it: the previous autosave then stays as it was.
    if (file.write(text) == text.size() && file.flush())
        file.commit();
    else
        file.cancelWriting();
}

bool GameEngine::restoreGame()
{
    const QString path = saveFilePath();
    // Only a regular file (or a link to one) is read: opening a named pipe would block the interface.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray text = file.read(maxReadBytes);
    return m_core.restoreState(text.toStdString());
}
