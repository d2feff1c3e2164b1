#ifndef OPENMAKINGFOLDER_H
#define OPENMAKINGFOLDER_H

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

// Opens a file for writing, making its folder only when the open fails: the folder is there at every write but
// the first (or after something removed it), and making it anyway costs a walk of the path on every move.
inline bool openMakingFolder(QFileDevice *file, QIODevice::OpenMode mode)
{
    if (file->open(mode))
        return true;
    QDir().mkpath(QFileInfo(file->fileName()).absolutePath());
    return file->open(mode);
}

#endif
