#pragma once
// What a box or an input box for a number takes, the words that tell the operator so when a
// typed text is refused, and an input box that asks until it gets such a number.
#include <QString>
#include <functional>
#include <optional>

class IPrompts;

namespace typednum {

// The values a field takes: a test and the same in words ("from 0.0 to 99.9 dB").
struct Bounds {
    std::function<bool(double)> holds;   // empty: any value
    QString words;
};
// From `low` to `high`, both included and both written with `pattern`, then the unit.
Bounds Between(double low, double high, const QString& pattern, const QString& unit);

// A field for a number. None of them takes a negative value.
struct Field {
    QString name;        // as the operator knows it: "Gain Balance"
    int length = 0;      // at most this many characters; 0: no limit
    bool point = true;   // a decimal point may be typed: "a number", else "a whole number"
    Bounds bounds;
};

// Digits, at least one, with at most one "." where `point` allows it, and at most `length`
// characters (0: no limit): the only form a typed number is taken in.
bool IsPlain(const QString& text, bool point = true, int length = 0);

// The value of `text` when `field` takes it: a plain decimal number (digits, at least one,
// with at most one "." where the field takes one; no sign, blank, exponent or comma) of at
// most the field's length, within its bounds. Nothing otherwise.
std::optional<double> Value(const Field& field, const QString& text);

// The box text that tells what the field takes:
// "Gain Balance: enter a number from 0.0 to 99.9 dB, at most 4 characters."
QString Takes(const Field& field);

// An input box titled `title` that asks for `field` until the answer is a number the field
// takes, and gives that answer without the blanks around it; an answer it does not take gets
// the box naming the field and is proposed again. Nothing when the operator cancels, answers
// nothing, or leaves `proposed` as it was.
std::optional<QString> Ask(IPrompts& prompts, const QString& prompt, const QString& title, const QString& proposed,
                           const Field& field);

}   // namespace typednum
