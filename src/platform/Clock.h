#pragma once
#include <QDateTime>
#include <QtGlobal>

// A window whose object has this property set to true takes a close request (its close box)
// also while a wait holds operator input back: it defers the close itself until the handler
// that waits has returned.
inline constexpr char ClosesDuringWaits[] = "closesDuringWaits";

// Millisecond clock, sleep and letting pending events run.
class IClock {
public:
    virtual ~IClock() = default;
    // Monotonic milliseconds; never wraps within a run.
    virtual qint64 msNow() const = 0;
    virtual void sleepMs(int ms) = 0;
    // Lets pending events run. With excludeUserInput, input events wait until later (a close
    // request to a window marked ClosesDuringWaits excepted).
    virtual void processEvents(bool excludeUserInput = false) = 0;
    // Lets pending events run, first waiting (asleep) up to maxMs for one to arrive when
    // none is pending. Waits that poll for an event's effect use this instead of spinning.
    virtual void waitForEvents(int maxMs, bool excludeUserInput = false)
    {
        processEvents(excludeUserInput);
        sleepMs(qMin(maxMs, 1));
    }
    // Lets the window system's pending events run, operator input held back as in a wait
    // (a close request to a window marked ClosesDuringWaits comes through), but no timer
    // and no socket: a wait that must not run the program's own events looks in with this
    // for a close request.
    virtual void processWindowEvents() {}
    // The local date and time of the wall clock (file headers).
    virtual QDateTime localDateTime() const { return QDateTime::currentDateTime(); }
};
