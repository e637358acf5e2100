#include "ui/EntryKeys.h"
#include <QKeyEvent>

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

std::optional<QChar> TypedChar(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return QLatin1Char('\r');
    if (key.key() == Qt::Key_Backspace)
        return QLatin1Char('\b');
    // A key that types several characters at once is filtered as a paste is.
    if (key.matches(QKeySequence::Paste) || key.text().size() > 1)
        return QChar(22);
    // Delete carries the character 127 on some keyboards, Esc 27: neither is typed text.
    if (key.text().isEmpty() || key.text().at(0).unicode() < 0x20 || key.text().at(0).unicode() == 0x7f)
        return std::nullopt;
    return key.text().at(0);
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
