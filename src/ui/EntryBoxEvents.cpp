#include "ui/EntryBoxEvents.h"
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

EntryBoxEvents::EntryBoxEvents(QWidget* control, Handlers handlers) : QObject(control), handlers_(std::move(handlers))
{
    control->installEventFilter(this);
}

void EntryBoxEvents::install(QWidget* control, Handlers handlers) { new EntryBoxEvents(control, std::move(handlers)); }

void EntryBoxEvents::removeAll(QWidget* window) { qDeleteAll(window->findChildren<EntryBoxEvents*>()); }

bool EntryBoxEvents::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(*event);
        // Tab carries text too, but moves the focus on: it never reaches the box's handler.
        const bool focusKey = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
        const bool typed =
            !focusKey && (!key.text().isEmpty() || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
                          key.key() == Qt::Key_Backspace || key.matches(QKeySequence::Paste));
        if (typed && handlers_.keyPress && handlers_.keyPress(key))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (handlers_.focusIn)
            handlers_.focusIn(static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::FocusOut:
        if (handlers_.focusOut)
            handlers_.focusOut(static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::MouseButtonDblClick:
        if (handlers_.doubleClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            handlers_.doubleClick();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
