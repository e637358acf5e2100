#pragma once
#include "platform/Clock.h"
#include <QElapsedTimer>
#include <memory>

class InputHold;

class QtClock final : public IClock {
public:
    QtClock();
    ~QtClock() override;
    qint64 msNow() const override { return timer_.elapsed(); }
    void sleepMs(int ms) override;
    // With excludeUserInput, operator input (mouse, keys, shortcuts, a window's close box)
    // is held back and reaches its windows, in order, at the next round of events that is
    // no such wait; a close request to a window marked ClosesDuringWaits comes through.
    void processEvents(bool excludeUserInput = false) override;
    void waitForEvents(int maxMs, bool excludeUserInput = false) override;
    void processWindowEvents() override;

private:
    QElapsedTimer timer_;
    std::unique_ptr<InputHold> hold_;
};
