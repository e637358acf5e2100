#include "status/FamilyLayout.h"
#include "commands/ModelSets.h"
#include "platform/Conventions.h"
#include <algorithm>
#include <array>

namespace layout {

namespace {
constexpr std::array<qint32, 5> kDualHelixDisplayModels = {6316, 6341, 4817, 7428, 6652};
constexpr std::array<qint32, 4> kNoRfBandFrameModels = {5806, 5819, 5833, 5363};
constexpr std::array<qint32, 3> kNoCurrentSenseModels = {5806, 5819, 5833};
constexpr std::array<qint32, 2> kNoSenseFrameModels = {5363, 5384};
const QDate kFirmwareDateCutoff(2007, 12, 5);
}   // namespace

bool FirmwareDateAfterCutoff(const QString& compileDate)
{
    const auto date = conv::ToDate(compileDate);
    return date && *date > kFirmwareDateCutoff;
}

bool HasDualHelixDisplay(qint32 modelCode, bool extRefTwtaModel)
{
    return extRefTwtaModel || IsListedModel(kDualHelixDisplayModels, modelCode);
}

bool SerialComMenuShown(qint32 modelCode) { return modelCode != 4817; }

FullFaultLog FullFaultLogFor(qint32 modelCode, bool firmwareDatePassed, bool hasParamLog)
{
    if (modelCode == 7428)
        return {1000, MenuChange::Show};
    if (modelCode == 7415 || modelCode == 7453)
        return {100, MenuChange::Leave};
    if (!firmwareDatePassed)
        return {100, MenuChange::Hide};
    return {static_cast<qint16>(hasParamLog ? 500 : 1000), MenuChange::Show};
}

QString TwtLifeCaption(const QString& lifeText)
{
    switch (lifeText.size()) {
    case 2:
        return lifeText + QStringLiteral(" Years");
    case 3:
        return lifeText.left(2) + QStringLiteral(" Months");
    default:
        return QStringLiteral("???");
    }
}

MenuDecision AutoHVDisableMenu(qint16 value)
{
    if (value < 0)
        return {MenuChange::Hide, std::nullopt};
    return {MenuChange::Show, value == 0};
}

MenuDecision RfiInvertMenu(qint16 value)
{
    if (value < 0)
        return {MenuChange::Hide, std::nullopt};
    return {MenuChange::Show, value == 1};
}

MenuDecision HeaterMenu(qint16 value)
{
    if (value < 0)
        return {};
    return {MenuChange::Show, value != 0};
}

HelixHeaterCaptions HelixHeaterCaptionsFor(bool dualTwtaUnit, bool dualHelixDisplay)
{
    if (dualTwtaUnit)
        return {QStringLiteral("Hlx1 V:"),
                QStringLiteral("Hlx1 I:"),
                QStringLiteral("Hlx2 V:"),
                QStringLiteral("kV"),
                QStringLiteral("Hlx2 I:"),
                QStringLiteral("mA"),
                true};
    HelixHeaterCaptions c{QStringLiteral("Hlx V:"),
                          QStringLiteral("Hlx I:"),
                          QStringLiteral("Htr V:"),
                          QStringLiteral("V"),
                          std::nullopt,
                          std::nullopt,
                          false};
    if (dualHelixDisplay) {
        c.Label9 = QStringLiteral("Htr I:");
        c.Label10 = QStringLiteral("A");
        c.secondRowShown = true;
    }
    return c;
}

CathodeMode CathodeModeFor(qint16 mode) { return {mode == 1, false}; }

qint16 LimitCathodeScalar(qint16 value) { return std::clamp<qint16>(value, 0, 4095); }

qint16 AnodeVoltageKept(qint16 value, bool negativeAnodeEnabled)
{
    return value >= 0 || negativeAnodeEnabled ? value : qint16(0);
}

bool RfBandFrameShown(qint32 modelCode) { return !IsListedModel(kNoRfBandFrameModels, modelCode); }

bool ConstantPowerFrameShown(qint32 modelCode) { return modelCode != 5363; }

SenseFrame SenseFrameFor(const SenseUnit& u)
{
    if (u.EnetProcessorUnit || IsListedModel(kNoSenseFrameModels, u.UnitModelCode))
        return {SenseFrameForm::Hidden, false};
    if (u.FirmwareVersion100 < 200 && !u.PicProcessorUnit)
        return {SenseFrameForm::CurrentSense, true};
    const bool dcInput =
        ((u.UnitModelCode == 5942 && u.FirmwareVersion100 > 256) || u.PicProcessorUnit) && u.MonitorDCVInput;
    return {dcInput ? SenseFrameForm::DcInput : SenseFrameForm::Hidden, false};
}

bool ReadsCurrentSense(qint32 modelCode, bool isTwtaUnit, qint32 firmwareVersion100)
{
    return !isTwtaUnit && firmwareVersion100 < 200 && !IsListedModel(kNoSenseFrameModels, modelCode) &&
           !IsListedModel(kNoCurrentSenseModels, modelCode);
}

}   // namespace layout
