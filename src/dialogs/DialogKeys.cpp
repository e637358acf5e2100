#include "dialogs/DialogKeys.h"
#include "ui/EntryBoxEvents.h"
#include "ui/EntryKeys.h"
#include <QAbstractButton>
#include <QKeyEvent>

namespace dialogkeys {
namespace {

// Moves the focus along an option group on the arrow keys; the buttons' own arrow-key
// handling would also choose the button it moves to in an exclusive group.
class ArrowFocus : public QObject {
public:
    ArrowFocus(const QList<QAbstractButton*>& buttons) : QObject(buttons.first()), buttons_(buttons)
    {
        for (QAbstractButton* b : buttons_)
            b->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if (!back && key != Qt::Key_Down && key != Qt::Key_Right)
            return QObject::eventFilter(watched, event);
        const int from = static_cast<int>(buttons_.indexOf(static_cast<QAbstractButton*>(watched)));
        for (int i = from + (back ? -1 : 1); i >= 0 && i < buttons_.size(); i += back ? -1 : 1) {
            QAbstractButton* b = buttons_.at(i);
            if (!b->isHidden() && b->isEnabled()) {
                b->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                break;
            }
        }
        return true;
    }

private:
    QList<QAbstractButton*> buttons_;
};

}   // namespace

void FilterTypedKeys(QWidget* box, std::function<bool(QChar typed)> keyPress, std::function<void()> leave)
{
    EntryBoxEvents::Handlers handlers;
    handlers.keyPress = [keyPress = std::move(keyPress)](QKeyEvent& key) {
        const std::optional<QChar> typed = entry::TypedChar(key);
        // An Enter taken still goes no further: it must not press the dialog's default button.
        return typed && (keyPress(*typed) || *typed == QLatin1Char('\r'));
    };
    if (leave)
        handlers.focusOut = [leave = std::move(leave)](Qt::FocusReason reason) {
            if (entry::LeavesBox(reason))
                leave();
        };
    EntryBoxEvents::install(box, std::move(handlers));
}

// An exclusive group: radio buttons to assistive technology, and one Tab stop, the button
// last focused (Qt moves it as the focus moves).
void MakeOptionGroup(const QList<QAbstractButton*>& buttons)
{
    if (buttons.isEmpty())
        return;
    for (QAbstractButton* b : buttons)
        b->setAutoExclusive(true);
    new ArrowFocus(buttons);
}

void SelectOption(const QList<QAbstractButton*>& buttons, int index)
{
    // An exclusive group keeps its marked button marked: it is let go for the change.
    for (QAbstractButton* b : buttons)
        b->setAutoExclusive(false);
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setChecked(i == index);
    // The Tab stop is the marked button, or the first one shown when none is.
    QAbstractButton* stop = index >= 0 && index < buttons.size() ? buttons.at(index) : nullptr;
    for (QAbstractButton* b : buttons)
        if (!stop && !b->isHidden())
            stop = b;
    for (QAbstractButton* b : buttons) {
        b->setAutoExclusive(true);
        b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}   // namespace dialogkeys
