#pragma once
// Hands the key presses, focus changes and double clicks of one control to the main
// window's handlers: the original controls reported KeyPress, GotFocus, LostFocus and
// DblClick as events of their own.
#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

class EntryBoxEvents : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // A key with text (or Enter, or Backspace); true discards it.
        std::function<bool(QKeyEvent& key)> keyPress;
        std::function<void(Qt::FocusReason reason)> focusIn;
        std::function<void(Qt::FocusReason reason)> focusOut;
        std::function<void()> doubleClick;   // with the left button
    };
    // Installs the handlers on `control` for its lifetime.
    static void install(QWidget* control, Handlers handlers);
    // Removes the handlers of every control of `window`. A window whose handlers call its own
    // members does this first in its destructor: taking it down moves the focus out of its
    // boxes while it is already half destroyed.
    static void removeAll(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryBoxEvents(QWidget* control, Handlers handlers);
    Handlers handlers_;
};
