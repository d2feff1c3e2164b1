#ifndef ZAVEL_FRAMES_SAVECOUNTER_H
#define ZAVEL_FRAMES_SAVECOUNTER_H

// Counts the engine's saves of its autosave file as they happen. Each save writes a new file beside the
// autosave and renames it over it; the kernel reports every rename into the folder (inotify), and the count
// is read without blocking, so a count taken right after a dispatch holds exactly the saves made inside it.

#include <QByteArray>
#include <QString>

class SaveCounter
{
public:
    explicit SaveCounter(const QString &filePath);
    ~SaveCounter();
    SaveCounter(const SaveCounter &) = delete;
    SaveCounter &operator=(const SaveCounter &) = delete;

    bool isValid() const { return m_fd >= 0; }
    // The saves since the previous call.
    int take();

private:
    int m_fd = -1;
    QByteArray m_name;
};

#endif
