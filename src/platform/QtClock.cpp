#include "platform/QtClock.h"
#include <QAbstractEventDispatcher>
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
// What is held is delivered in order once a round of events runs outside any wait. Only
// held input wakes anything: with nothing held, a wait's end costs a counter, so a loop of
// waits sleeps in the kernel between its events.
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
        if (--waits_ == 0 && held_.empty())
            uninstall();
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (waits_ == 0 || event == delivering_ || !holds(receiver, event->type()))
            return false;
        if (held_.empty())
            watchRounds(true);
        held_.emplace_back(QPointer<QObject>(receiver), std::unique_ptr<QEvent>(event->clone()));
        return true;
    }
    bool event(QEvent* event) override
    {
        if (event->type() != releaseType())
            return QObject::event(event);
        releasePosted_ = false;
        if (waits_ == 0)
            release();   // else a round outside the waits posts it again
        return true;
    }

private:
    static QEvent::Type releaseType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

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

    // While input is held, each round of events (as it starts, and before it sleeps) looks
    // whether it runs outside any wait; the first that does gets the release first.
    void watchRounds(bool on)
    {
        QAbstractEventDispatcher* rounds = QAbstractEventDispatcher::instance();
        if (!rounds)
            return;
        if (on) {
            connect(rounds, &QAbstractEventDispatcher::awake, this, &InputHold::roundStarts);
            connect(rounds, &QAbstractEventDispatcher::aboutToBlock, this, &InputHold::roundStarts);
        } else {
            disconnect(rounds, nullptr, this, nullptr);
        }
    }
    void roundStarts()
    {
        if (waits_ > 0 || releasePosted_)
            return;
        releasePosted_ = true;
        // Ahead of what was posted since the wait ended (actions deferred until after it).
        QCoreApplication::postEvent(this, new QEvent(releaseType()), Qt::HighEventPriority);
    }

    void uninstall()
    {
        if (installed_) {
            qApp->removeEventFilter(this);
            installed_ = false;
        }
    }

    void release()
    {
        watchRounds(false);
        uninstall();
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
    bool releasePosted_ = false;
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
    // The timer's own event ends the wait when nothing else arrives in time; until then the
    // round sleeps in the kernel.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(qMax(0, maxMs));
    if (excludeUserInput)
        hold_->begin();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (excludeUserInput)
        hold_->end();
}

void QtClock::processWindowEvents()
{
    hold_->begin();
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
    hold_->end();
}
