// The number, text and date conventions on any text and any format pattern.
#include "FuzzInput.h"
#include "platform/Conventions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayList parts = fuzz::pieces(data, size, 2);
    const QString text = fuzz::text(parts[0]);
    const QString pattern = fuzz::text(parts[1]);
    const double value = conv::Val(text);
    (void)conv::RoundHalfEven(value);
    (void)conv::ToInteger(value);
    (void)conv::ToLong(value);
    (void)conv::IsNumeric(text);
    (void)conv::ToNumber(text);
    (void)conv::FormatNumber(value, pattern);
    (void)conv::FormatText(text, pattern);
    (void)conv::DecimalIPv4(text);
    (void)conv::IsDate(text);
    (void)conv::ToDate(text);
    (void)conv::TrimBlanks(text);
    const int start = parts[1].isEmpty() ? 1 : static_cast<unsigned char>(parts[1][0]) - 64;
    (void)conv::InStr(text, pattern, start);
    (void)conv::Mid(text, start, static_cast<int>(pattern.size()) - 2);
    (void)conv::Left(text, start);
    (void)conv::Right(text, start);
    (void)conv::CharCodeAt(text, start);
    return 0;
}
