// The clock's waits that hold operator input back: input reaches its widgets only after the
// wait, in order, while a close request to a window that takes closes during waits comes
// through at once and one to any other window waits with the input.
#include "platform/QtClock.h"
#include "support/EventRounds.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

struct Window : QWidget {
    int closes = 0;
    void closeEvent(QCloseEvent* e) override
    {
        ++closes;
        e->ignore();
    }
};

void post(QObject* to, QEvent::Type type)
{
    const QPointF at(5, 5);
    QCoreApplication::postEvent(to, new QMouseEvent(type, at, at, Qt::LeftButton,
                                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                    Qt::NoModifier));
}

}   // namespace

TEST(QtClockWaits, InputWaitsUntilAfterTheWaitAndACloseForAWindowThatTakesItComesAtOnce)
{
    Window main;
    main.setProperty(ClosesDuringWaits, true);
    QPushButton button(&main);
    button.setGeometry(0, 0, 40, 20);
    Window other;
    main.show();
    other.show();
    ASSERT_NE(main.windowHandle(), nullptr);
    ASSERT_NE(other.windowHandle(), nullptr);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });

    post(&button, QEvent::MouseButtonPress);
    post(&button, QEvent::MouseButtonRelease);
    QCoreApplication::postEvent(main.windowHandle(), new QCloseEvent);
    QCoreApplication::postEvent(other.windowHandle(), new QCloseEvent);
    QtClock clock;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 100)
        clock.waitForEvents(10, true);
    EXPECT_EQ(main.closes, 1);
    EXPECT_EQ(other.closes, 0);
    EXPECT_EQ(clicks, 0);

    clock.processEvents();   // a round outside any wait: what was held arrives, in order
    clock.processEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(other.closes, 1);
    EXPECT_EQ(main.closes, 1);
}

// Input held back wakes nothing while the waits go on: a loop of waits with a click held
// sleeps through its 200 ms like one with nothing held, and the click comes after it.
TEST(QtClockWaits, HeldInputDoesNotWakeTheWaitsThatFollow)
{
    QPushButton button;
    button.setGeometry(0, 0, 40, 20);
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    QtClock clock;
    for (const bool click : {false, true}) {
        SCOPED_TRACE(click ? "a click held" : "nothing held");
        if (click) {
            post(&button, QEvent::MouseButtonPress);
            post(&button, QEvent::MouseButtonRelease);
        }
        EventRounds rounds;
        const qint64 deadline = clock.msNow() + 200;
        for (qint64 left = 200; left > 0; left = deadline - clock.msNow())
            clock.waitForEvents(static_cast<int>(left), true);
        EXPECT_LE(rounds.count(), 6);
        EXPECT_EQ(clicks, 0);
    }
    clock.processEvents();
    EXPECT_EQ(clicks, 1);
}
