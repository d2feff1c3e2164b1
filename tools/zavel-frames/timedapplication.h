#ifndef ZAVEL_FRAMES_TIMEDAPPLICATION_H
#define ZAVEL_FRAMES_TIMEDAPPLICATION_H

// The application object, timing every dispatch of the interface thread's event loop: each event that the loop
// hands out (a timer, a posted call, a window's update request) is timed from the moment it is handed to its
// receiver until control returns to the loop. Nested dispatches (an event sent from inside another) belong to
// the outer one. Events of other threads (the render thread's) pass untimed.

#include <QEvent>
#include <QGuiApplication>

#include <vector>

class DispatchObserver
{
public:
    virtual ~DispatchObserver() = default;
    virtual void dispatchBegins(QObject *receiver, QEvent *event, qint64 beginNs) = 0;
    // The receiver may be gone by now (a deferred delete): only its address is passed.
    virtual void dispatchEnded(const QObject *receiver, QEvent::Type type, qint64 beginNs, qint64 endNs) = 0;
};

class TimedApplication : public QGuiApplication
{
public:
    TimedApplication(int &argc, char **argv);

    void addObserver(DispatchObserver *observer) { m_observers.push_back(observer); }
    void clearObservers() { m_observers.clear(); }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::vector<DispatchObserver *> m_observers;
    int m_depth = 0;
};

#endif
