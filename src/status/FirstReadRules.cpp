#include "status/FirstReadRules.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"

namespace firstread {

qint16 MinAtnCountFor(qint32 firmwareVersion100, bool picProcessorUnit, bool isTwta, qint32 modelCode)
{
    if (modelCode == 5363 || modelCode == 5384)
        return 0;
    return firmwareVersion100 >= 200 || picProcessorUnit || isTwta ? 0 : 2048;
}

float MaxAttenuationFrom(qint16 tenths) { return tenths > 0 ? static_cast<float>(tenths) / 10.0f : 30.0f; }

bool WgArcTestShown(qint32 faultEnableMask, qint32 modelCode)
{
    return (faultEnableMask & 1) != 0 || modelCode == 7428 || modelCode == 9214;
}

bool LatchedFrom(qint16 value) { return value > 0; }

bool ReadsInletTemperature(qint32 modelCode, bool isTwta, const QString& inletAlarmLevel)
{
    return modelCode == 7428 && isTwta && !inletAlarmLevel.isEmpty();
}

bool InletTemperatureShown(float reading)
{
    const auto whole = conv::ToInteger(reading);
    return whole && *whole > -39 && *whole < 119;
}

QString ConstPowerLevelText(const QString& levelDbm, bool displayWatts)
{
    if (!displayWatts || levelDbm.isEmpty())
        return levelDbm;
    const float watts = DbmToWatts(static_cast<float>(conv::Val(levelDbm)));
    return QString::number(static_cast<double>(watts), 'g', 7);
}

bool ObmipFromPartNumber(const QString& productPartNumber) { return productPartNumber.size() > 5; }

bool IsWholeStatusWord(const QString& word) { return word.size() == 4; }

}   // namespace firstread
