#include "dialogs/BucAttenuation.h"
#include "platform/Conventions.h"
#include <algorithm>
#include <limits>

namespace buc {

namespace {
constexpr float StepMin = 0.0f;
constexpr float StepMax = 31.5f;
constexpr float Step = 0.5f;
}   // namespace

float AdjustResult(float value)
{
    const double tenfold = conv::RoundHalfEven(double(value) * 10.0);
    if (tenfold < std::numeric_limits<qint16>::min() || tenfold > std::numeric_limits<qint16>::max())
        return value;
    int n = int(tenfold);
    n -= n % 5;   // the remainder has the sign of n: toward zero
    return float(n) / 10.0f;
}

float EnteredAttenuation(double value, float maxAtten)
{
    if (value < 0.0)
        return 0.0f;
    if (float(value) > maxAtten)
        return AdjustResult(maxAtten);
    return AdjustResult(float(value));
}

float LeftAttenuation(double value, float maxAtten)
{
    if (value < 0.0)
        return 0.0f;
    if (float(value) > maxAtten)
        return maxAtten;
    return AdjustResult(float(value));
}

float SteppedAttenuation(float atten, bool up)
{
    return up ? std::min(StepMax, atten + Step) : std::max(StepMin, atten - Step);
}

QString AttenuationText(double value) { return conv::FormatNumber(value, QStringLiteral("#0.0")); }

}   // namespace buc
