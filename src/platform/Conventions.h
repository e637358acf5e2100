#pragma once
// The number and text conventions the unit's commands and files are written in:
// 1-based text positions, leading-number parsing, rounding and format patterns.
#include <QDate>
#include <QString>
#include <optional>

namespace conv {

// 1-based position of `what` in `text` from `start` (1-based); 0 when absent or start < 1.
int InStr(const QString& text, const QString& what, int start = 1);
// Characters from 1-based `start`, at most `length` (-1 = to the end); "" when start is past the end.
QString Mid(const QString& text, int start, int length = -1);
QString Left(const QString& text, int n);
QString Right(const QString& text, int n);
// Character code (0..255 for Latin-1 text) at 1-based position; -1 when out of range.
int CharCodeAt(const QString& text, int pos);
// Trims blanks (spaces only) at both ends, as the unit's texts are padded.
QString TrimBlanks(const QString& text);

// Leading-number reading: optional blanks, sign, digits, one decimal point, exponent;
// blanks, tabs, CRs and line feeds inside are skipped; "&H" hex is not taken. 0 when no
// number, or when it lies beyond the double range.
double Val(const QString& text);
// Rounds to the nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);
// Rounded (ties to even) into a 16-bit integer; nothing when out of -32768..32767 or not finite.
std::optional<qint16> ToInteger(double x);
// Rounded (ties to even) into a 32-bit integer; nothing when out of range.
std::optional<qint32> ToLong(double x);
// The whole text is a decimal number within the double range: optional sign, digits with at
// most one decimal point, optional E/e exponent. Around it only the blanks Val skips (blank,
// tab, CR, LF) are allowed; any other control character makes it no number. No hex; blanks
// alone are not a number.
bool IsNumeric(const QString& text);
// Whole text as a number, when IsNumeric.
std::optional<double> ToNumber(const QString& text);

// Formats with a pattern of "#", "0" and one ".": "##0.0", "#0.00", "##0.0######", "####0".
// Rounds half away from zero on the decimal value; a negative value gets "-".
// Digits after the point marked "#" are written only when significant.
QString FormatNumber(double value, const QString& pattern);
// FormatNumber of a text holding a number; "" stays "", a non-number is returned as it is.
QString FormatText(const QString& text, const QString& pattern);

// An IPv4 address written as four dot-separated groups of decimal digits (blanks around a
// group allowed), each 0 to 255, in its plain form ("192.168.001.010" -> "192.168.1.10");
// nothing for any other text. Zero-led groups are decimal here, never octal.
std::optional<QString> DecimalIPv4(const QString& text);

// Date validity: "Mmm d yyyy" (English month names, three letters or full, any run of blanks),
// "m/d/yyyy" and "yyyy-mm-dd".
bool IsDate(const QString& text);
// The date such a text names; nothing when it is not a date.
std::optional<QDate> ToDate(const QString& text);
// A date or a time or both: a date as IsDate takes it or "yyyy/m/d", a time "h:mm" or
// "h:mm:ss" (24-hour, or 1 to 12 with AM/PM), or a date, blanks or a comma, and a time.
bool IsDateTime(const QString& text);

}   // namespace conv
