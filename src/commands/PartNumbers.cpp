#include "commands/PartNumbers.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include <QStringList>

namespace {
// Matches "672-####-###" exactly, "#" a digit 0-9.
bool isPartNumber(const QString& s)
{
    static const QString form = QStringLiteral("672-####-###");
    if (s.size() != form.size())
        return false;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const QChar c = s.at(i);
        if (form.at(i) == '#' ? (c < '0' || c > '9') : c != form.at(i))
            return false;
    }
    return true;
}

qint32 wholeValue(const QString& text) { return conv::ToLong(conv::Val(text)).value_or(0); }
}   // namespace

qint32 ParseModelNumber(const QString& text, QString& partNo)
{
    if (text.isEmpty())
        return 0;
    const int p = conv::InStr(text, QStringLiteral("672"));
    if (p >= 2) {
        const QString candidate = conv::Mid(text, p, 12);
        if (isPartNumber(candidate)) {
            partNo = candidate;
            return wholeValue(candidate.split('-').at(1));
        }
    }
    const int dash = conv::InStr(text, QStringLiteral("-"));
    if (dash < 2)
        return 0;
    const int next = conv::InStr(text, QStringLiteral("-"), dash + 1);
    return next > 0 ? wholeValue(conv::Mid(text, dash + 1, next - dash - 1)) : wholeValue(conv::Mid(text, dash + 1));
}

QString ValidatePartNumber(IPrompts& prompts, const QString& text)
{
    QString t = conv::TrimBlanks(text);
    if (t.size() == 12)
        return conv::Mid(t, 5, 4) + conv::Mid(t, 10, 3);
    if (t.size() == 7)
        return t;
    prompts.message(QStringLiteral("Invalid Part Number or format:xxx-xxxx-xxx"), QStringLiteral("Parameter Error"),
                    PromptIcon::Exclamation, PromptButtons::Ok);
    return QString();
}

QString DecodeVersionLetters(const QString& text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '.')
            out += c;
        else if (u >= 'A' && u <= 'J')
            out += QChar('0' + (u - 'A'));
        else if (u >= 'a' && u <= 'j')
            out += QChar('0' + (u - 'a'));
    }
    return out;
}
