#pragma once
#include <QDateTime>
#include <QtGlobal>

// Millisecond clock, sleep and letting pending events run.
class IClock {
public:
    virtual ~IClock() = default;
    // Monotonic milliseconds; never wraps within a run.
    virtual qint64 msNow() const = 0;
    virtual void sleepMs(int ms) = 0;
    // Lets pending events run. With excludeUserInput, input events wait until later.
    virtual void processEvents(bool excludeUserInput = false) = 0;
    // Lets pending events run, first waiting (asleep) up to maxMs for one to arrive when
    // none is pending. Waits that poll for an event's effect use this instead of spinning.
    virtual void waitForEvents(int maxMs, bool excludeUserInput = false)
    {
        processEvents(excludeUserInput);
        sleepMs(qMin(maxMs, 1));
    }
    // The local date and time of the wall clock (file headers).
    virtual QDateTime localDateTime() const { return QDateTime::currentDateTime(); }
};
