#include "platform/QtClock.h"
#include <QCoreApplication>
#include <QThread>

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
