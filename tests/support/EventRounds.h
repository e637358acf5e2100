#pragma once
// Counts the rounds of events this thread's event dispatcher runs while it lives: each pass
// over what is pending, one that first sleeps until an event comes included.
#include <QAbstractEventDispatcher>
#include <QObject>

class EventRounds : public QObject {
public:
    EventRounds()
    {
        if (QAbstractEventDispatcher* rounds = QAbstractEventDispatcher::instance())
            connect(rounds, &QAbstractEventDispatcher::awake, this, [this] { ++count_; });
    }
    int count() const { return count_; }
    void reset() { count_ = 0; }

private:
    int count_ = 0;
};
