#include "autosave.h"

#include "openmakingfolder.h"

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

QString Autosave::path() const
{
    if (!m_path.isEmpty())
        return m_path;
    const QDir dir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return dir.filePath(QStringLiteral("autosave-v1.txt"));
}

void Autosave::setPath(const QString &path)
{
    m_path = path;
}

void Autosave::save(const Zavel::GameCore &core) const
{
    QSaveFile out(path());
    if (!openMakingFolder(&out, QIODevice::WriteOnly | QIODevice::Text))
        return;
    const QByteArray text = QByteArray::fromStdString(core.serializeState());
    // The write only fills the device's buffer; a disk that refuses the bytes (full, or over a size limit) says
    // so when they are flushed. The save file would commit whatever made it to disk, so a failed flush must
    // cancel it: the previous autosave then stays as it was.
    if (out.write(text) == text.size() && out.flush())
        out.commit();
    else
        out.cancelWriting();
}

bool Autosave::restore(Zavel::GameCore *core) const
{
    const QString file = path();
    // Only a regular file (or a link to one) is read: opening a named pipe would block the interface.
    if (!QFileInfo(file).isFile())
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray text = in.read(maxReadBytes);
    return core->restoreState(text.toStdString());
}
