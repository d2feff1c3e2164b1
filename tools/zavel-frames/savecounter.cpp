#include "savecounter.h"

#include <QFileInfo>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

SaveCounter::SaveCounter(const QString &filePath)
{
    const QFileInfo info(filePath);
    m_name = info.fileName().toLocal8Bit();
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;
    if (inotify_add_watch(m_fd, info.absolutePath().toLocal8Bit().constData(), IN_MOVED_TO) < 0) {
        close(m_fd);
        m_fd = -1;
    }
}

SaveCounter::~SaveCounter()
{
    if (m_fd >= 0)
        close(m_fd);
}

int SaveCounter::take()
{
    if (m_fd < 0)
        return 0;
    int saves = 0;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return saves;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->len > 0 && std::strcmp(event->name, m_name.constData()) == 0)
                ++saves;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}
