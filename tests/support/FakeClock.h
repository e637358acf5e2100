#pragma once
#include "platform/Clock.h"
#include <functional>

// A clock that only moves when told to: sleeps and waits advance it at once.
class FakeClock final : public IClock {
public:
    qint64 msNow() const override { return now_; }
    void sleepMs(int ms) override
    {
        now_ += qMax(0, ms);
        ++sleeps;
    }
    void processEvents(bool excludeUserInput = false) override
    {
        ++eventRounds;
        lastExcludedUserInput = excludeUserInput;
        now_ += eventStepMs;
        if (onProcessEvents)
            onProcessEvents();
    }
    // A round of events that also moves the clock by waitStepMs (at most maxMs).
    void waitForEvents(int maxMs, bool excludeUserInput = false) override
    {
        ++waits;
        processEvents(excludeUserInput);
        now_ += qMin<qint64>(qMax(0, maxMs), waitStepMs);
    }
    void advance(qint64 ms) { now_ += ms; }
    QDateTime localDateTime() const override { return localTime; }

    QDateTime localTime{QDate(2026, 3, 14), QTime(15, 9, 26)};   // the wall clock, fixed

    int sleeps = 0;
    int eventRounds = 0;
    bool lastExcludedUserInput = false;
    qint64 eventStepMs = 0;   // how far each round of events moves the clock
    int waits = 0;
    qint64 waitStepMs = 10;                  // how far each waitForEvents moves it besides
    std::function<void()> onProcessEvents;   // runs inside each round of events

private:
    qint64 now_ = 1000;
};
