#include "platform/Conventions.h"
#include <QDate>
#include <QLocale>
#include <algorithm>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace conv {

int InStr(const QString& text, const QString& what, int start)
{
    if (start < 1 || start > text.size() + 1)
        return 0;
    if (what.isEmpty())
        return start;
    const qsizetype i = text.indexOf(what, start - 1, Qt::CaseSensitive);
    return i < 0 ? 0 : static_cast<int>(i) + 1;
}

QString Mid(const QString& text, int start, int length)
{
    if (start < 1 || start > text.size() || length == 0)
        return QString();
    return length < 0 ? text.mid(start - 1) : text.mid(start - 1, length);
}

QString Left(const QString& text, int n) { return n <= 0 ? QString() : text.left(n); }
QString Right(const QString& text, int n) { return n <= 0 ? QString() : text.right(n); }

int CharCodeAt(const QString& text, int pos)
{
    if (pos < 1 || pos > text.size())
        return -1;
    return text.at(pos - 1).unicode();
}

QString TrimBlanks(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text.at(b) == ' ')
        ++b;
    while (e > b && text.at(e - 1) == ' ')
        --e;
    return text.mid(b, e - b);
}

namespace {
// The blanks Val skips; the numeric test allows them around the number.
bool isValBlank(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

QString trimValBlanks(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && isValBlank(text.at(b)))
        ++b;
    while (e > b && isValBlank(text.at(e - 1)))
        --e;
    return text.mid(b, e - b);
}
}   // namespace

double Val(const QString& text)
{
    // Collect the characters that can form a number, skipping blanks, tabs and line feeds.
    QString num;
    bool digits = false, point = false, exponent = false, expDigits = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isValBlank(c))
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            num += c;
            (exponent ? expDigits : digits) = true;
        } else if ((c == '+' || c == '-') && (num.isEmpty() || (exponent && num.back().toLower() == 'e'))) {
            num += c;
        } else if (c == '.' && !point && !exponent) {
            num += c;
            point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits && !exponent) {
            num += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    if (exponent && !expDigits) {
        while (!num.isEmpty() && !num.back().isDigit())
            num.chop(1);
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

double RoundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    return std::nearbyint(x);   // default rounding mode is to nearest, ties to even
}

std::optional<qint16> ToInteger(double x)
{
    const double r = RoundHalfEven(x);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(r);
}

std::optional<qint32> ToLong(double x)
{
    const double r = RoundHalfEven(x);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<qint32>(r);
}

bool IsNumeric(const QString& text) { return ToNumber(text).has_value(); }

std::optional<double> ToNumber(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString number = trimValBlanks(text);
    if (!re.match(number).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;   // beyond the double range, or too small for it
    return v;
}

namespace {
// Rounds a non-negative decimal text "123.456" to `decimals` places, half away from zero.
QString roundDecimalText(const QString& text, int decimals, QString& intDigits)
{
    const qsizetype p = text.indexOf('.');
    QString ip = p < 0 ? text : text.left(p);
    QString fp = p < 0 ? QString() : text.mid(p + 1);
    const bool up = fp.size() > decimals && fp.at(decimals) >= '5';
    fp = fp.leftJustified(decimals, '0', true);
    QString digits = ip + fp;
    if (up) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i < 0)
            digits.prepend('1');
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    intDigits = digits.left(digits.size() - decimals);
    return digits.right(decimals);
}
}   // namespace

QString FormatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return QString();
    const qsizetype dot = pattern.indexOf('.');
    const QString intPattern = dot < 0 ? pattern : pattern.left(dot);
    const QString fracPattern = dot < 0 ? QString() : pattern.mid(dot + 1);
    const int decimals = static_cast<int>(fracPattern.size());
    const int requiredFrac = static_cast<int>(fracPattern.lastIndexOf('0') + 1);
    const qsizetype firstZero = intPattern.indexOf('0');
    const int requiredInt = firstZero < 0 ? 0 : static_cast<int>(intPattern.size() - firstZero);

    // The shortest decimal text of the value, so 0.05 rounds as written.
    const QString exact = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    QString ip;
    QString fp = roundDecimalText(exact, decimals, ip);
    while (ip.size() > requiredInt && ip.startsWith('0'))
        ip.remove(0, 1);
    while (ip.size() < requiredInt)
        ip.prepend('0');
    while (fp.size() > requiredFrac && fp.endsWith('0'))
        fp.chop(1);
    QString out = ip;
    if (dot >= 0)
        out += '.' + fp;
    const bool nonZero = std::any_of(out.begin(), out.end(), [](QChar c) { return c >= '1' && c <= '9'; });
    if (value < 0 && nonZero)
        out.prepend('-');
    return out;
}

QString FormatText(const QString& text, const QString& pattern)
{
    if (text.isEmpty())
        return text;
    const auto n = ToNumber(text);
    return n ? FormatNumber(*n, pattern) : text;
}

std::optional<QString> DecimalIPv4(const QString& text)
{
    const QStringList parts = text.split('.');
    if (parts.size() != 4)
        return std::nullopt;
    QStringList plain;
    for (const QString& raw : parts) {
        const QString part = TrimBlanks(raw);
        if (part.isEmpty())
            return std::nullopt;
        int value = 0;
        for (QChar c : part) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - '0');
            if (value > 255)
                return std::nullopt;
        }
        plain << QString::number(value);
    }
    return plain.join('.');
}

namespace {
int monthFromName(const QString& name)
{
    static const char* const names[] = {"january", "february", "march",     "april",   "may",      "june",
                                        "july",    "august",   "september", "october", "november", "december"};
    const QString n = name.toLower();
    for (int i = 0; i < 12; ++i) {
        const QString full = QString::fromLatin1(names[i]);
        if (n == full || n == full.left(3))
            return i + 1;
    }
    return 0;
}
}   // namespace

std::optional<QDate> ToDate(const QString& text)
{
    const QString t = text.trimmed();
    static const QRegularExpression named(QStringLiteral("^([A-Za-z]+)\\s+(\\d{1,2}),?\\s+(\\d{4})$"));
    static const QRegularExpression slashed(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    QRegularExpressionMatch m;
    int year = 0, month = 0, day = 0;
    if ((m = named.match(t)).hasMatch()) {
        year = m.captured(3).toInt();
        month = monthFromName(m.captured(1));
        day = m.captured(2).toInt();
    } else if ((m = slashed.match(t)).hasMatch()) {
        year = m.captured(3).toInt();
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
    } else if ((m = iso.match(t)).hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    }
    if (month <= 0 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

bool IsDate(const QString& text) { return ToDate(text).has_value(); }

namespace {
bool isTime(int hour, int minute, int second, const QString& half)
{
    if (minute > 59 || second > 59)
        return false;
    return half.isEmpty() ? hour <= 23 : hour >= 1 && hour <= 12;
}

bool isDateOnly(const QString& text)
{
    static const QRegularExpression yearFirst(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    if (const auto m = yearFirst.match(text); m.hasMatch())
        return QDate::isValid(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return IsDate(text);
}
}   // namespace

bool IsDateTime(const QString& text)
{
    const QString t = text.trimmed();
    static const QRegularExpression timeAtEnd(
        QStringLiteral("^(.*?)[\\s,]*(?<![\\d:])(\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([AaPp][Mm]))?$"));
    const auto m = timeAtEnd.match(t);
    if (!m.hasMatch())
        return !t.isEmpty() && isDateOnly(t);
    if (!isTime(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), m.captured(5)))
        return false;
    const QString date = m.captured(1).trimmed();
    if (date.isEmpty())
        return t.left(m.capturedStart(2)).trimmed().isEmpty();   // a time alone, no stray comma
    // The date and the time are apart: "12/31/2025 23:59" or "2025/12/31,23:59".
    return m.capturedEnd(1) < m.capturedStart(2) && isDateOnly(date);
}

}   // namespace conv
