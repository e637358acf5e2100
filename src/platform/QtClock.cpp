#include "platform/QtClock.h"
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <utility>

namespace {

bool isOperatorInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The widget a window-system window belongs to, when it is a top-level widget's.
QWidget* widgetOf(const QWindow* window)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == window)
            return w;
    return nullptr;
}

}   // namespace

// Holds operator input back while waits let events run, in place of excluding it from the
// rounds of events: a window that handles its close box during a wait (ClosesDuringWaits)
// then gets its close request at once, which an excluded round would hold back as input.
// What is held is delivered in order once a round of events runs outside any wait.
class InputHold final : public QObject {
public:
    void begin()
    {
        if (waits_++ == 0 && !installed_ && qApp) {
            qApp->installEventFilter(this);
            installed_ = true;
        }
    }
    void end()
    {
        if (--waits_ > 0 || releaseScheduled_)
            return;
        releaseScheduled_ = true;
        // From the next round of events; one that is itself inside a wait leaves it to that
        // wait's end.
        QTimer::singleShot(0, this, [this] {
            releaseScheduled_ = false;
            if (waits_ == 0)
                release();
        });
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (waits_ == 0 || event == delivering_ || !holds(receiver, event->type()))
            return false;
        held_.emplace_back(QPointer<QObject>(receiver), std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    static bool holds(QObject* receiver, QEvent::Type type)
    {
        if (isOperatorInput(type))
            return true;
        // A close request from the window system reaches the window first; a close that code
        // asks of a widget is not the operator's.
        if (type != QEvent::Close || !receiver->isWindowType())
            return false;
        const QWidget* widget = widgetOf(static_cast<QWindow*>(receiver));
        return !widget || !widget->property(ClosesDuringWaits).toBool();
    }

    void release()
    {
        if (installed_) {
            qApp->removeEventFilter(this);
            installed_ = false;
        }
        std::deque<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
        held.swap(held_);
        while (!held.empty()) {
            auto [receiver, event] = std::move(held.front());
            held.pop_front();
            if (!receiver)
                continue;
            // A handler this runs may wait again: what it holds meanwhile comes after these.
            delivering_ = event.get();
            QCoreApplication::sendEvent(receiver, event.get());
            delivering_ = nullptr;
        }
    }

    int waits_ = 0;
    bool installed_ = false;
    bool releaseScheduled_ = false;
    QEvent* delivering_ = nullptr;
    std::deque<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

QtClock::QtClock() : hold_(std::make_unique<InputHold>()) { timer_.start(); }

QtClock::~QtClock() = default;

void QtClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void QtClock::processEvents(bool excludeUserInput)
{
    if (!excludeUserInput) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    hold_->begin();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    hold_->end();
}

void QtClock::waitForEvents(int maxMs, bool excludeUserInput)
{
    // The timer's own event ends the wait when nothing else arrives in time.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(qMax(0, maxMs));
    if (excludeUserInput)
        hold_->begin();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (excludeUserInput)
        hold_->end();
}
