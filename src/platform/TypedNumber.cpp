#include "platform/TypedNumber.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"

namespace typednum {

bool IsPlain(const QString& text, bool point, int length)
{
    if (length > 0 && text.size() > length)
        return false;
    int digits = 0;
    int points = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && point)
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

Bounds Between(double low, double high, const QString& pattern, const QString& unit)
{
    return {[low, high](double v) { return v >= low && v <= high; },
            QStringLiteral("from ") + conv::FormatNumber(low, pattern) + QStringLiteral(" to ") +
                conv::FormatNumber(high, pattern) + QLatin1Char(' ') + unit};
}

std::optional<double> Value(const Field& field, const QString& text)
{
    if (!IsPlain(text, field.point, field.length))
        return std::nullopt;
    const double value = conv::Val(text);
    if (field.bounds.holds && !field.bounds.holds(value))
        return std::nullopt;
    return value;
}

QString Takes(const Field& field)
{
    QString text = field.name + QStringLiteral(": enter ") +
                   (field.point ? QStringLiteral("a number") : QStringLiteral("a whole number"));
    if (!field.bounds.words.isEmpty())
        text += QLatin1Char(' ') + field.bounds.words;
    if (field.length > 0)
        text += QStringLiteral(", at most %1 characters").arg(field.length);
    return text + QLatin1Char('.');
}

std::optional<QString> Ask(IPrompts& prompts, const QString& prompt, const QString& title, const QString& proposed,
                           const Field& field)
{
    QString shown = proposed;
    for (;;) {
        const QString answer = prompts.input(prompt, title, shown);
        if (answer.isEmpty() || answer == proposed)
            return std::nullopt;
        if (Value(field, answer.trimmed()))
            return answer.trimmed();
        prompts.message(Takes(field), title, PromptIcon::Exclamation);
        shown = answer;
    }
}

}   // namespace typednum
