#include "frameclock.h"

#include "clock.h"

#include <QMutexLocker>
#include <QQuickWindow>
#include <QThread>

#include <cstdio>

FrameClock::FrameClock(QQuickWindow *window, std::function<bool()> animating)
    : m_window(window)
    , m_interfaceThread(QThread::currentThread())
    , m_animating(std::move(animating))
{
    // Direct connections: with a render thread all but the first are emitted there, and must be timed there.
    connect(window, &QQuickWindow::afterAnimating, this, &FrameClock::afterAnimating, Qt::DirectConnection);
    connect(window, &QQuickWindow::beforeSynchronizing, this, &FrameClock::beforeSynchronizing, Qt::DirectConnection);
    connect(window, &QQuickWindow::afterSynchronizing, this, &FrameClock::afterSynchronizing, Qt::DirectConnection);
    connect(window, &QQuickWindow::afterRendering, this, &FrameClock::afterRendering, Qt::DirectConnection);
    connect(window, &QQuickWindow::frameSwapped, this, &FrameClock::frameSwapped, Qt::DirectConnection);
}

void FrameClock::dispatchBegins(QObject *receiver, QEvent *, qint64 beginNs)
{
    if (receiver != m_window)
        return;
    QMutexLocker lock(&m_mutex);
    m_windowEventBeginNs = beginNs;
    m_inWindowEvent = true;
    m_preparedInEvent = false;
}

void FrameClock::dispatchEnded(const QObject *receiver, QEvent::Type, qint64 beginNs, qint64 endNs)
{
    if (receiver != m_window)
        return;
    QMutexLocker lock(&m_mutex);
    m_inWindowEvent = false;
    if (m_preparedInEvent && m_recording)
        m_results.interfaceThread.add(nsToMs(endNs - beginNs));
}

qint64 FrameClock::interfaceResumedNs(qint64 beginNs, qint64 endNs) const
{
    if (!m_renderThread)
        return beginNs;
    const qint64 syncEnd = m_syncEndNs;
    return syncEnd > beginNs && syncEnd < endNs ? syncEnd : beginNs;
}

void FrameClock::afterAnimating()
{
    const qint64 now = nowNs();
    const bool animating = m_animating();
    QMutexLocker lock(&m_mutex);
    m_prepared.tracked = m_inWindowEvent;
    m_prepared.beginNs = m_inWindowEvent ? m_windowEventBeginNs : now;
    m_prepared.polishEndNs = now;
    m_prepared.animating = animating;
    m_havePrepared = true;
    m_preparedInEvent = m_inWindowEvent;
}

void FrameClock::beforeSynchronizing()
{
    const qint64 now = nowNs();
    QMutexLocker lock(&m_mutex);
    if (QThread::currentThread() != m_interfaceThread)
        m_renderThread = true;
    if (m_havePrepared) {
        m_rendering = m_prepared;
        m_havePrepared = false;
    } else {
        // A synchronisation the interface thread did not prepare: no polish to count, nothing known to move.
        m_rendering = Frame();
        m_rendering.beginNs = now;
        m_rendering.polishEndNs = now;
    }
    m_rendering.syncBeginNs = now;
    m_rendering.syncEndNs = now;
    m_rendering.renderEndNs = now;
}

void FrameClock::afterSynchronizing()
{
    const qint64 now = nowNs();
    m_syncEndNs = now;
    QMutexLocker lock(&m_mutex);
    m_rendering.syncEndNs = now;
    m_rendering.renderEndNs = now;
}

void FrameClock::afterRendering()
{
    const qint64 now = nowNs();
    QMutexLocker lock(&m_mutex);
    m_rendering.renderEndNs = now;
}

void FrameClock::frameSwapped()
{
    const qint64 now = nowNs();
    QMutexLocker lock(&m_mutex);
    const Frame &frame = m_rendering;
    if (frame.syncBeginNs < 0)
        return;
    if (m_recording) {
        const double polish = nsToMs(frame.polishEndNs - frame.beginNs);
        const double sync = nsToMs(frame.syncEndNs - frame.syncBeginNs);
        const double render = nsToMs(frame.renderEndNs - frame.syncEndNs);
        const double swap = nsToMs(now - frame.renderEndNs);
        const double work = polish + nsToMs(now - frame.syncBeginNs);
        if (m_slowMs > 0 && work > m_slowMs)
            std::fprintf(stderr, "slow: frame %.2f ms: polish %.2f, sync %.2f, render %.2f, swap %.2f\n", work, polish,
                         sync, render, swap);
        m_results.work.add(work);
        m_results.polish.add(polish);
        m_results.sync.add(sync);
        m_results.render.add(render);
        m_results.swap.add(swap);
        if (m_lastSwapNs >= 0 && frame.animating && m_lastAnimating)
            m_results.animatedInterval.add(nsToMs(now - m_lastSwapNs));
        ++m_results.frames;
        if (!frame.tracked)
            ++m_results.untrackedStarts;
    }
    m_lastSwapNs = now;
    m_lastAnimating = frame.animating;
    m_rendering.syncBeginNs = -1;
}

FrameClock::Results FrameClock::results() const
{
    QMutexLocker lock(&m_mutex);
    Results copy = m_results;
    copy.renderThread = m_renderThread;
    return copy;
}
