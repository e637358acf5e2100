#include "status/FeatureDecode.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <cfloat>
#include <cmath>

namespace FeatureDecode {

namespace {
std::optional<float> single(const std::optional<double>& v)
{
    if (!v || !std::isfinite(*v) || std::fabs(*v) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*v);
}
}   // namespace

TripSetting DecodeTripField(const QString& field)
{
    TripSetting s;
    const QChar type = field.isEmpty() ? QChar() : field.at(0);
    s.typeIndex = type == QLatin1Char('F') ? 1 : type == QLatin1Char('A') ? 2 : 0;
    s.dBm = SingleNumber(conv::Mid(field, 2));
    return s;
}

std::optional<QString> TripLevelText(float dBm, bool displayWatts)
{
    if (!displayWatts)
        return conv::FormatNumber(SingleAsWritten(dBm), QStringLiteral("#0.0"));
    const float watts = DbmToWatts(dBm);
    if (!std::isfinite(watts))
        return std::nullopt;
    return conv::FormatNumber(SingleAsWritten(watts), QStringLiteral("###0.0"));
}

bool IsUsableUnitAddress(const QString& address) { return address.size() >= 7 && IsValidIPAddress(address); }

QString EthernetPortCaption(int port)
{
    // A number written as text gets a leading blank for its sign.
    return QStringLiteral("Ethernet Port:") +
           (port < 0 ? QString::number(port) : QLatin1Char(' ') + QString::number(port));
}

bool SkipsRFInhibitRead(qint32 modelCode)
{
    switch (modelCode) {
    case 6316:
    case 6327:
    case 6341:
    case 9214:
    case 9226:
    case 9238:
        return true;
    default:
        return modelCode < 0;
    }
}

int LastEqualEntry(const QStringList& entries, const QString& text)
{
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i)
        if (entries.at(i) == text)
            return i;
    return -1;
}

std::optional<float> SingleNumber(const QString& text) { return single(conv::ToNumber(text)); }

std::optional<float> NumberOrZero(const QString& text)
{
    if (text.isEmpty())
        return 0.0f;
    return SingleNumber(text);
}

}   // namespace FeatureDecode
