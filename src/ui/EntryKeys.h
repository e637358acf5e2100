#pragma once
// Which keys an entry box of the main window takes, and which losses of focus count as the
// operator leaving the box.
#include <QChar>
#include <Qt>
#include <optional>

class QKeyEvent;

namespace entry {

// The keys a box takes besides Backspace.
enum class Keys {
    Decimal,   // digits and "."
    Digits,    // digits
    Letters,   // "A" to "Z", "a" to "z" taken as upper case
    None,      // nothing at all
};

// What a typed character does: '\r' stands for Enter, '\b' for Backspace, QChar(22) for a
// paste.
enum class KeyAction {
    Pass,      // goes into the box
    Discard,   // never reaches the box
    Enter,     // the box's Enter action; the key itself goes no further
    Upper,     // its upper case goes into the box in its place
};
KeyAction FilterKey(Keys keys, QChar typed);

// What a key press types, as FilterKey takes it. Nothing for a key that types no character:
// the editing and moving keys (Delete, the arrows, Home, End), Tab, Esc and control
// combinations keep their usual work in every box and are never filtered.
std::optional<QChar> TypedChar(const QKeyEvent& key);

// A loss of focus to a popup (a menu, a list's drop-down), to a message box or another
// window, or to the menu bar is not the operator leaving the box: it sends nothing and
// leaves the editing flags as they are.
bool LeavesBox(Qt::FocusReason reason);

}   // namespace entry
