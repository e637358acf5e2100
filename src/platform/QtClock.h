#pragma once
#include "platform/Clock.h"
#include <QElapsedTimer>

class QtClock final : public IClock {
public:
    QtClock() { timer_.start(); }
    qint64 msNow() const override { return timer_.elapsed(); }
    void sleepMs(int ms) override;
    void processEvents(bool excludeUserInput = false) override;
    void waitForEvents(int maxMs, bool excludeUserInput = false) override;

private:
    QElapsedTimer timer_;
};
