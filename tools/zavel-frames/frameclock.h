#ifndef ZAVEL_FRAMES_FRAMECLOCK_H
#define ZAVEL_FRAMES_FRAMECLOCK_H

// Per frame of a Qt Quick window: the work that makes it and the interval since the frame before.
//
// A frame starts when the interface thread's event loop hands the window the event that makes it: the timer
// of its update request (which sends the request itself), or an expose event. The render loop then polishes
// the items (where a Canvas paints) and emits afterAnimating; beforeSynchronizing opens the synchronisation of
// the scene graph, and frameSwapped closes the frame once it is on screen. The work of a frame is its polish
// plus the time from beforeSynchronizing to frameSwapped. With the software renderer all of it runs on the
// interface thread, back to back; with OpenGL's threaded render loop the polish runs on the interface thread
// and the rest on the render thread, while the interface thread waits for the synchronisation only. The work
// is also kept in its four parts: polish, sync (to afterSynchronizing), render (to afterRendering) and swap
// (to frameSwapped: the copy to the screen, or the swap of OpenGL's buffers).
//
// The interval of a frame is the time between its frameSwapped and the previous one. It is counted only when
// both frames were prepared while something was animating, so the idle time before an animation starts is
// never taken for a slow frame.

#include "stats.h"
#include "timedapplication.h"

#include <QMutex>
#include <QObject>

#include <atomic>
#include <functional>

class QQuickWindow;
class QThread;

class FrameClock : public QObject, public DispatchObserver
{
public:
    FrameClock(QQuickWindow *window, std::function<bool()> animating);

    void setRecording(bool on) { m_recording = on; }

    void dispatchBegins(QObject *receiver, QEvent *event, qint64 beginNs) override;
    void dispatchEnded(const QObject *receiver, QEvent::Type type, qint64 beginNs, qint64 endNs) override;

    // When the interface thread got control back inside a dispatch to the window between beginNs and endNs:
    // after the synchronisation of a frame on a render thread, else at beginNs.
    qint64 interfaceResumedNs(qint64 beginNs, qint64 endNs) const;

    // Prints each frame whose work is longer than this to standard error, with its parts; 0 prints none.
    void reportSlowerThan(int ms) { m_slowMs = ms; }

    struct Results
    {
        Series work;
        Series polish;
        Series sync;
        Series render;
        Series swap;
        // The interface thread's share of each frame: the window's dispatch that made it, which with a render
        // thread includes the wait for the synchronisation.
        Series interfaceThread;
        Series animatedInterval;
        long long frames = 0;
        long long untrackedStarts = 0;
        bool renderThread = false;
    };
    Results results() const;

private:
    struct Frame
    {
        qint64 beginNs = -1;
        qint64 polishEndNs = -1;
        qint64 syncBeginNs = -1;
        qint64 syncEndNs = -1;
        qint64 renderEndNs = -1;
        bool animating = false;
        bool tracked = false;
    };

    void afterAnimating();
    void beforeSynchronizing();
    void afterSynchronizing();
    void afterRendering();
    void frameSwapped();

    QQuickWindow *m_window;
    QThread *m_interfaceThread;
    std::function<bool()> m_animating;
    std::atomic<bool> m_recording{false};
    int m_slowMs = 0;
    std::atomic<qint64> m_syncEndNs{-1};
    std::atomic<bool> m_renderThread{false};

    mutable QMutex m_mutex;
    qint64 m_windowEventBeginNs = -1;
    bool m_inWindowEvent = false;
    bool m_preparedInEvent = false;
    bool m_havePrepared = false;
    Frame m_prepared;
    Frame m_rendering;
    qint64 m_lastSwapNs = -1;
    bool m_lastAnimating = false;
    Results m_results;
};

#endif
