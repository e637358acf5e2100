#include "files/CmdFileSections.h"
#include "files/FileIO.h"

bool ModelIn(qint32 model, std::initializer_list<qint32> models)
{
    for (const qint32 m : models)
        if (model == m)
            return true;
    return false;
}

bool HoldsControlChar(const QString& text)
{
    for (const QChar ch : text)
        if (ch.unicode() < 32 || ch.unicode() == 127)
            return true;
    return false;
}

QString CleanUnitValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text)
        if (ch.unicode() >= 32 && ch.unicode() != 127)
            out += ch;
    return out;
}

void CmdFileContext::Line(const QString& text) { file.AddToFile(CleanUnitValue(text)); }

void CmdFileContext::Comment(const QString& text, const QString& unitValue)
{
    file.AddToFile(CleanUnitValue(text + unitValue));
}

void CmdFileContext::Command(const QString& command, const QString& unitValue)
{
    const QString line = CleanUnitValue(command + unitValue);
    file.AddToFile(HoldsControlChar(command + unitValue) ? QStringLiteral("#") + line : line);
}

void CmdFileContext::Write(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            Comment(line);
        else
            Command(line);
    }
}

bool RunCmdFileSections(CmdFileContext& c, std::span<const CmdFileSection> sections,
                        const std::function<bool(const CmdFileSection&)>& before)
{
    bool allOk = true;
    for (const CmdFileSection& s : sections) {
        if (before && !before(s))
            return false;
        if (!s.write(c))
            allOk = false;
    }
    return allOk;
}

const std::array<CmdFileSection, 48>& CmdFileSections()
{
#define SECTION(f)                                                                                                     \
    CmdFileSection { #f, &(f) }
    static const std::array<CmdFileSection, 48> table{
        SECTION(SaveFWPartNumber),
        SECTION(SavePartNumber),
        SECTION(SaveSerialNumber),
        SECTION(SaveModelCfgPN),
        SECTION(SaveBandInfo),
        SECTION(SaveSubBandInfo),
        SECTION(SaveTempCompParams),
        SECTION(SaveWaveguideCfg),
        SECTION(SaveRedundantModeCfg),
        SECTION(SaveAttenuation),
        SECTION(SaveGainBalance),
        SECTION(SaveUnitGain),
        SECTION(SaveLinearizerParams),
        SECTION(SaveStartUpCfg),
        SECTION(SaveXmitState),
        SECTION(SaveAutoXmitRestore),
        SECTION(SaveRFInhibitState),
        SECTION(SaveRFPolarity),
        SECTION(SaveConstantPower),
        SECTION(SaveWGArcDetectorType),
        SECTION(SaveFwdRFTripLevels),
        SECTION(SaveRevRFTripLevel),
        SECTION(SaveFactoryTripLevels),
        SECTION(SavePSVset),
        SECTION(SaveUnitCfg),
        SECTION(SaveLowCostBucCfg),
        SECTION(SaveCurrentSenseCfg),
        SECTION(SaveFaultEnableCfg),
        SECTION(SaveLatchedFaults),
        SECTION(SaveAlarmEnableCfg),
        SECTION(SaveRevRFOffset),
        SECTION(SaveMaxPowerLimit),
        SECTION(SaveHeaterStandby),
        SECTION(SaveHelixCurrentRatio),
        SECTION(SaveHelixCurrentTrip),
        SECTION(SaveDCVInputLimits),
        SECTION(SaveTemperatureTripLevels),
        SECTION(SaveFanTemperature),
        SECTION(SaveCathodeMonitor),
        SECTION(SaveUnitHours),
        SECTION(SaveSerialPortParameters),
        SECTION(SaveEnetParameters),
        SECTION(SaveLEDMode),
        SECTION(SaveADCScalers),
        SECTION(SaveDigitalPots),
        SECTION(SaveFloatSupplyParams),
        SECTION(SaveProductID),
        SECTION(SaveMaxSystemPower),
    };
#undef SECTION
    return table;
}
