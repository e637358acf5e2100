#include "status/ReadingFormat.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <cfloat>
#include <cmath>

namespace readings {

namespace {
const QString UnderRangeMark = QStringLiteral("<");
const QString UnderRangePrefix = QStringLiteral("< ");

bool fitsSingle(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// A number as the window writes a plain value: "31", "28.4", "-5".
QString plainNumber(double v) { return v == 0.0 ? QStringLiteral("0") : QString::number(v, 'g', 15); }

std::optional<PowerText> powerText(double dBm, bool displayWatts, bool underRange)
{
    const auto text = PowerDisplayText(dBm, displayWatts);
    if (!text)
        return std::nullopt;
    return PowerText{underRange ? UnderRangePrefix + *text : *text, static_cast<float>(dBm)};
}

// A reading without the under-range mark: the whole text must be a number.
std::optional<PowerText> plainPower(const QString& reading, bool displayWatts)
{
    const auto v = conv::ToNumber(reading);
    return v ? powerText(*v, displayWatts, false) : std::nullopt;
}

std::optional<QString> formatted(const QString& field, const char* pattern)
{
    const auto v = conv::ToNumber(field);
    if (!v)
        return std::nullopt;
    return conv::FormatNumber(*v, QString::fromLatin1(pattern));
}
}   // namespace

std::optional<QString> PowerDisplayText(double dBm, bool displayWatts)
{
    if (!fitsSingle(dBm))
        return std::nullopt;
    const auto single = static_cast<float>(dBm);
    if (displayWatts && !fitsSingle(std::pow(10.0, (double(single) - 30.0) / 10.0)))
        return std::nullopt;
    return FormatPower(single, displayWatts);
}

std::optional<PowerText> ForwardPowerText(const QString& reading, bool displayWatts)
{
    if (reading.isEmpty())
        return std::nullopt;
    const int mark = conv::InStr(reading, UnderRangeMark);
    if (mark == 0)
        return plainPower(reading, displayWatts);
    return powerText(conv::Val(conv::Mid(reading, mark + 1)), displayWatts, true);
}

std::optional<PowerText> ReversePowerText(const QString& reading, float bandMinPower, bool displayWatts)
{
    if (reading.isEmpty())
        return std::nullopt;
    const int mark = conv::InStr(reading, UnderRangeMark);
    if (mark == 0)
        return plainPower(reading, displayWatts);
    const double before = conv::Val(reading);   // 0 when the text starts with the mark
    if (before < bandMinPower)
        return powerText(bandMinPower, displayWatts, true);
    return powerText(conv::Val(conv::Mid(reading, mark + 1)), displayWatts, true);
}

std::optional<QString> AttenuationText(const QString& reading)
{
    return reading.isEmpty() ? std::nullopt : formatted(reading, "#0.0");
}

std::optional<TemperatureTexts> TemperatureTextsFor(qint16 temperature, const QString& secondField, bool inletTempShown)
{
    if (temperature == -125)
        return std::nullopt;
    TemperatureTexts t{QString::number(temperature), std::nullopt};
    if (secondField.isEmpty())
        return t;   // no second sensor value: the inlet box keeps what it shows
    const QString second = plainNumber(conv::Val(secondField));
    if (inletTempShown)
        t.txtTemp2 = second;
    else
        t.txtTemp += QStringLiteral(", ") + second;
    return t;
}

std::optional<QString> HelixHeaterText(const QString& field) { return formatted(field, "#0.0"); }

std::optional<QString> HelixHeaterText(float value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return conv::FormatNumber(SingleAsWritten(value), QStringLiteral("#0.0"));
}

std::optional<QString> CathodeCurrentText(qint16 milliamps)
{
    if (milliamps < 0)
        return std::nullopt;
    return conv::FormatNumber(milliamps, QStringLiteral("##0"));
}

std::optional<QString> AnodeVoltageText(qint16 volts)
{
    if (volts < 0)
        return std::nullopt;
    return conv::FormatNumber(volts, QStringLiteral("###0"));
}

std::optional<QString> RfFrequencyCaption(const QString& frequencyText)
{
    if (frequencyText.isEmpty())
        return std::nullopt;
    return frequencyText + QStringLiteral(" MHz");
}

}   // namespace readings
