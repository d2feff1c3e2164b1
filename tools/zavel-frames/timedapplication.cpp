#include "timedapplication.h"

#include "clock.h"

#include <QThread>

TimedApplication::TimedApplication(int &argc, char **argv)
    : QGuiApplication(argc, argv)
{ }

bool TimedApplication::notify(QObject *receiver, QEvent *event)
{
    if (m_depth > 0 || m_observers.empty() || QThread::currentThread() != thread())
        return QGuiApplication::notify(receiver, event);

    const QEvent::Type type = event->type();
    const qint64 begin = nowNs();
    for (DispatchObserver *observer : m_observers)
        observer->dispatchBegins(receiver, event, begin);
    ++m_depth;
    const bool result = QGuiApplication::notify(receiver, event);
    --m_depth;
    const qint64 end = nowNs();
    for (DispatchObserver *observer : m_observers)
        observer->dispatchEnded(receiver, type, begin, end);
    return result;
}
