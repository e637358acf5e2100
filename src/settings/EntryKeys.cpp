#include "settings/EntryKeys.h"

namespace entry {

KeyAction FilterKey(Keys keys, QChar typed)
{
    const char16_t c = typed.unicode();
    const bool digit = c >= u'0' && c <= u'9';
    switch (keys) {
    case Keys::None:
        return KeyAction::Discard;
    case Keys::Letters:
        if (c == u'\b' || (c >= u'A' && c <= u'Z'))
            return KeyAction::Pass;
        if (c >= u'a' && c <= u'z')
            return KeyAction::Upper;
        return c == u'\r' ? KeyAction::Enter : KeyAction::Discard;
    case Keys::Decimal:
    case Keys::Digits:
        if (c == u'\b' || digit || (keys == Keys::Decimal && c == u'.'))
            return KeyAction::Pass;
        return c == u'\r' ? KeyAction::Enter : KeyAction::Discard;
    }
    return KeyAction::Discard;
}

bool LeavesBox(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

}   // namespace entry
