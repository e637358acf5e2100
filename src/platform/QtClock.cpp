#include "platform/QtClock.h"
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

void QtClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void QtClock::processEvents(bool excludeUserInput)
{
    QCoreApplication::processEvents(excludeUserInput ? QEventLoop::ExcludeUserInputEvents
                                                     : QEventLoop::AllEvents);
}

void QtClock::waitForEvents(int maxMs, bool excludeUserInput)
{
    QEventLoop::ProcessEventsFlags flags = QEventLoop::WaitForMoreEvents;
    if (excludeUserInput)
        flags |= QEventLoop::ExcludeUserInputEvents;
    // The timer's own event ends the wait when nothing else arrives in time.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(qMax(0, maxMs));
    QCoreApplication::processEvents(flags);
}
