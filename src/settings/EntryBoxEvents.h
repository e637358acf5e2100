#pragma once
// Hands the key presses and focus changes of one control to the main window's handlers:
// the original controls reported KeyPress, GotFocus and LostFocus as events of their own.
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
    };
    // Installs the handlers on `control` for its lifetime.
    static void install(QWidget* control, Handlers handlers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryBoxEvents(QWidget* control, Handlers handlers);
    Handlers handlers_;
};
