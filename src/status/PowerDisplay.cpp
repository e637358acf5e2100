#include "status/PowerDisplay.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <cfloat>
#include <cmath>

namespace PowerDisplay {

namespace {
// The leading number of a text as a single-precision value; nothing outside its range.
std::optional<float> singleValue(const QString& text)
{
    const double v = conv::Val(text);
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(v);
}
}   // namespace

std::optional<WrittenPower> SwitchUnit(const QString& text, const std::optional<WrittenPower>& written,
                                       const BoxFormat& format, bool toWatts)
{
    if (text.isEmpty())
        return std::nullopt;
    const int mark = format.keepsUnderRangeMark ? conv::InStr(text, QStringLiteral("<")) : 0;

    float dBm = 0.0f;
    if (written && written->text == text && written->inWatts != toWatts) {
        dBm = written->dBm;
    } else {
        const auto shown = singleValue(mark > 0 ? conv::Mid(text, mark + 1) : text);
        if (!shown)
            return std::nullopt;
        dBm = toWatts ? *shown : WattsToDbm(*shown);
    }
    const float value = toWatts ? DbmToWatts(dBm) : dBm;
    if (!std::isfinite(dBm) || !std::isfinite(value))
        return std::nullopt;

    const QString pattern = QString::fromLatin1(toWatts ? format.watts : format.dBm);
    QString converted = conv::FormatNumber(SingleAsWritten(value), pattern);
    if (mark > 0)
        converted.prepend(QStringLiteral("< "));
    return WrittenPower{converted, dBm, toWatts};
}

bool DrivePowerSupportedBy(const QString& firmwarePartNo, qint32 modelCode)
{
    if (firmwarePartNo == QStringLiteral("672-7415-007"))
        return true;
    return modelCode == 7436 || modelCode == 7467 || modelCode == 5384;
}

std::optional<WrittenPower> WrittenPowers::of(const QObject* box) const
{
    const auto it = written_.constFind(box);
    if (it == written_.constEnd())
        return std::nullopt;
    return *it;
}

}   // namespace PowerDisplay
