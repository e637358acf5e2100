#pragma once
// The real clock and real rounds of events, but sleeps that take no time: a wait of seconds
// passes at once while events still run in it, and the clock reads as if the time had gone
// by. Links wait for their replies in real time. The wall clock reads a fixed time.
#include "platform/QtClock.h"
#include <QDateTime>
#include <atomic>
#include <functional>

class SkipClock final : public IClock {
public:
    qint64 msNow() const override { return real_.msNow() + skipped_; }
    void sleepMs(int ms) override { skipped_ += qMax(0, ms); }
    void processEvents(bool excludeUserInput = false) override
    {
        real_.processEvents(excludeUserInput);
        if (onProcessEvents)
            onProcessEvents();
    }
    void waitForEvents(int maxMs, bool excludeUserInput = false) override
    {
        real_.waitForEvents(maxMs, excludeUserInput);
        if (onProcessEvents)
            onProcessEvents();
    }
    void processWindowEvents() override { real_.processWindowEvents(); }
    QDateTime localDateTime() const override { return localTime; }

    qint64 skipped() const { return skipped_; }   // the sleeps so far, in milliseconds

    QDateTime localTime{QDate(2026, 3, 4), QTime(9, 5, 26)};
    std::function<void()> onProcessEvents;   // runs in each round of events

private:
    QtClock real_;
    std::atomic<qint64> skipped_{0};
};
