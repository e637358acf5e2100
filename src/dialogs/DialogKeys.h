#pragma once
// Keyboard handling shared by the option dialogs: the key filters of their entry boxes and
// option groups that the arrow keys only browse.
#include <QChar>
#include <QList>
#include <functional>

class QAbstractButton;
class QWidget;

namespace dialogkeys {

// Runs `keyPress` for each key that types into `box`; it returns true to discard the key.
// Enter never reaches the box or the dialog's default button.
// `leave` runs when the operator leaves the box (not when a message box or a popup takes
// the focus).
void FilterTypedKeys(QWidget* box, std::function<bool(QChar typed)> keyPress, std::function<void()> leave = {});

// Makes `buttons` one option group that the keyboard browses without choosing: the group is
// one Tab stop, and the arrow keys move the focus to the previous or next button that is
// shown and enabled. A click or Space still chooses: the click handler then shows the
// group's selection with SelectOption.
void MakeOptionGroup(const QList<QAbstractButton*>& buttons);

// Marks button `index` of the group and clears the others; any other index clears them all.
// The marked button (or the first shown) becomes the group's Tab stop.
void SelectOption(const QList<QAbstractButton*>& buttons, int index);

}   // namespace dialogkeys
