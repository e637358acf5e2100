#pragma once
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
};
