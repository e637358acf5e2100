#include "settings/LevelEntry.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include "platform/TypedNumber.h"
#include <algorithm>

namespace levels {
namespace {

QString format(float value, const char* pattern)
{
    return conv::FormatNumber(SingleAsWritten(value), QString::fromLatin1(pattern));
}

QString format(double value, const char* pattern) { return conv::FormatNumber(value, QString::fromLatin1(pattern)); }

// A power in watts as the unit gets it: written with one decimal.
double wattsAsSent(float watts) { return conv::Val(format(watts, "#0.0")); }

QString rangeText(const QString& low, const QString& high, const char* unit)
{
    return QStringLiteral("Value out of Range\r\n\r\nValid Range: ") + low + QStringLiteral(" to ") + high +
           QString::fromLatin1(unit);
}

QString dbmRange(float low, float high) { return rangeText(format(low, "#0.0"), format(high, "#0.0"), " dBm"); }

QChar tripTypeLetter(const QString& typeText)
{
    if (typeText == QStringLiteral("Fault"))
        return QLatin1Char('F');
    if (typeText == QStringLiteral("Alarm"))
        return QLatin1Char('A');
    return QLatin1Char('D');
}

QString powerCommand(const QString& letters, bool dbmMode, float value, const char* pattern)
{
    return letters + (dbmMode ? QStringLiteral("M") : QString()) + format(value, pattern);
}

// The value stepped by 0.1 and rounded to one decimal, as it will be written: its text
// ("#0.0", never "-0.0") and its value.
struct Stepped {
    QString text;
    double value;
};
Stepped stepTenth(const QString& text, bool up)
{
    const double v = conv::Val(text) + (up ? 0.1 : -0.1);
    Stepped s{conv::FormatNumber(v, QStringLiteral("#0.0")), 0.0};
    s.value = conv::Val(s.text);
    if (s.value == 0.0)
        s.text = QStringLiteral("0.0");
    return s;
}

// An hour meter's box: a whole number of at most six digits.
bool isHourMeter(const QString& text) { return IsDigits(text) && text.size() <= 6; }

}   // namespace

bool DbmMode(bool dbmLevelsSupported, bool displayWatts) { return dbmLevelsSupported && !displayWatts; }

LevelRange RangeOf(Band band, bool displayWatts)
{
    const float lowDbm = band.minDbm + 1.0f;
    if (!displayWatts)
        return {lowDbm, band.maxDbm, dbmRange(lowDbm, band.maxDbm)};
    // A level of 0.0 W would set nothing: the lowest level that can go out is a tenth.
    const double low = std::max(wattsAsSent(DbmToWatts(lowDbm)), 0.1);
    const double high = wattsAsSent(DbmToWatts(band.maxDbm));
    return {low, high, rangeText(format(low, "#0.0"), format(high, "###0.0"), " Watts")};
}

PowerCheck ConvertTripPower(float level, Band band, bool displayWatts, bool dbmLevelsSupported)
{
    PowerCheck r;
    if (!(level > 0.0f))
        return r;
    const LevelRange range = RangeOf(band, displayWatts);
    const double tested = displayWatts ? wattsAsSent(level) : level;
    if (tested < range.low || tested > range.high) {
        r.rangeText = range.text;
        return r;
    }
    r.value = displayWatts || dbmLevelsSupported ? level : DbmToWatts(level);
    return r;
}

bool IsPlainDecimal(const QString& text) { return typednum::IsPlain(text); }

bool IsDigits(const QString& text) { return typednum::IsPlain(text, false); }

float LevelValue(const QString& text) { return IsPlainDecimal(text) ? static_cast<float>(conv::Val(text)) : 0.0f; }

QString TripRowName(TripRow row)
{
    switch (row) {
    case TripRow::ForwardHigh:
        return QStringLiteral("Forward High RF Trip");
    case TripRow::ForwardLow:
        return QStringLiteral("Forward Low RF Trip");
    case TripRow::Reverse:
        break;
    }
    return QStringLiteral("Reverse RF Trip");
}

QString TripCommand(TripRow row, const QString& typeText, bool dbmMode, float value)
{
    const QChar letter = row == TripRow::ForwardHigh  ? QLatin1Char('M')
                         : row == TripRow::ForwardLow ? QLatin1Char('L')
                                                      : QLatin1Char('O');
    return powerCommand(QString(letter) + tripTypeLetter(typeText), dbmMode, value, "#####0.0");
}

QString ConstPowerCommand(bool dbmMode, float value)
{
    return powerCommand(QStringLiteral("G"), dbmMode, value, "####0.0");
}

QString GoToPowerCommand(bool dbmMode, float value)
{
    return powerCommand(QStringLiteral("E"), dbmMode, value, "#####0.0");
}

std::optional<QString> ConstPowerBoxText(const QString& readBack, bool displayWatts)
{
    if (readBack.isEmpty())
        return std::nullopt;
    const auto dBm = static_cast<float>(conv::Val(readBack));
    return displayWatts ? format(DbmToWatts(dBm), "####0.0") : format(dBm, "#0.0");
}

std::optional<QString> AttenuationCommand(const QString& text)
{
    if (!IsPlainDecimal(text))
        return std::nullopt;
    return QStringLiteral("K") + text;
}

std::optional<qint16> AtnCountEntry(const QString& text, qint16 minCount)
{
    if (!IsPlainDecimal(text))
        return std::nullopt;
    const std::optional<qint16> n = conv::ToInteger(conv::Val(text));
    if (!n || *n < minCount || *n > 4095)
        return std::nullopt;
    return n;
}

ParamEntry ParamCommand(ParamBox box, const QString& text)
{
    ParamEntry e;
    if (text.isEmpty())
        return e;
    e.kind = ParamEntry::OutOfRange;
    const bool formOk = box == ParamBox::AtnCnt ? IsPlainDecimal(text) : IsDigits(text);
    const double v = conv::Val(text);
    if (!formOk || !(v > -1.0 && v < 4096.0))
        return e;
    e.kind = ParamEntry::Send;
    switch (box) {
    case ParamBox::LinAmp:
        e.command = QStringLiteral("PZ") + text;
        break;
    case ParamBox::LinPhase:
        e.command = QStringLiteral("Pz") + QString::number(static_cast<qint64>(v));
        break;
    case ParamBox::AtnCnt:
        e.command = QStringLiteral("P/") + text;
        break;
    }
    return e;
}

std::optional<QString> HoursCommand(const QString& psHours, const QString& xmtHours)
{
    if (!isHourMeter(psHours) || !isHourMeter(xmtHours))
        return std::nullopt;
    return QStringLiteral("YH") + psHours.rightJustified(6, QLatin1Char('0')) +
           xmtHours.rightJustified(6, QLatin1Char('0'));
}

QString HoursRefusalText(const QString& psHours, const QString& xmtHours)
{
    const auto refusal = [](const char* meter) {
        return QString::fromLatin1(meter) + QStringLiteral(": enter a whole number from 0 to 999999.");
    };
    if (!isHourMeter(psHours))
        return refusal("PS Hours");
    if (!isHourMeter(xmtHours))
        return refusal("Xmtr Hours");
    return {};
}

std::optional<QString> AttenuationStep(const QString& text, bool up, float maxAttenuation)
{
    const Stepped s = stepTenth(text, up);
    if (!up && s.value < 0.0)
        return std::nullopt;
    if (up && s.value > SingleAsWritten(maxAttenuation))
        return std::nullopt;
    return s.text;
}

float ConstPowerStep(const QString& text, bool up)
{
    if (text.isEmpty())
        return 0.0f;
    return static_cast<float>(stepTenth(text, up).value);
}

std::optional<QString> DownlinkStep(const QString& text, bool up)
{
    const Stepped s = stepTenth(text, up);
    if (s.value < 0.0)
        return std::nullopt;
    return s.text;
}

std::optional<QString> LinearizerStep(const QString& text, bool up)
{
    const std::optional<qint16> n = conv::ToInteger(conv::Val(text));
    if (!n)
        return std::nullopt;
    const int next = *n + (up ? 1 : -1);
    if (next < 0 || next > 4095)
        return std::nullopt;
    return QString::number(next);
}

}   // namespace levels
