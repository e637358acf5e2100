#include "commands/ProjectSpecific.h"
#include "commands/ModelSets.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include <array>

namespace {

// A flag that holds for the listed model codes, and optionally for the
// external-reference model families found by the identification.
struct ModelRule {
    ModelCodeList models;
    bool orExtRefTwta = false;
    bool orExtRefGroup = false;
};

bool Holds(const ModelRule& rule, const UnitIdentity& id)
{
    return IsListedModel(rule.models, id.UnitModelCode) || (rule.orExtRefTwta && id.ExtRefTwtaModel) ||
           (rule.orExtRefGroup && id.ExtRefModelGroup);
}

void Apply(CommandContext& p, bool OptionFlags::*flag, const ModelRule& rule)
{
    p.unit.flags.*flag = Holds(rule, p.unit.id);
}

constexpr std::array<qint32, 9> kHeaterFaultModels{6316, 6327, 6341, 6613, 4491, 6652, 4539, 6673, 7428};
constexpr std::array<qint32, 3> kPhaseSeqModels{6316, 6327, 6341};
constexpr std::array<qint32, 4> kThreePhaseArcModels{6316, 6327, 6341, 6673};
constexpr std::array<qint32, 6> kExtRefFaultModels{4471, 4487, 7428, 4491, 4539, 4546};
constexpr std::array<qint32, 1> kWGPressureModels{6652};
constexpr std::array<qint32, 2> k24VPresentModels{4471, 4487};
constexpr std::array<qint32, 4> kPicProcessorModels{5806, 7279, 5819, 5833};
constexpr std::array<qint32, 5> kNetburnerModels{9214, 7415, 7428, 7436, 7467};
constexpr std::array<qint32, 2> kLinearizerFaultModels{7261, 7279};
constexpr std::array<qint32, 2> kNoFaultMask2Models{5363, 6673};
constexpr std::array<qint32, 2> kFaultMask2Models{4952, 5384};
constexpr std::array<qint32, 8> kAtnCountD1Models{4817, 4829, 4471, 4487, 6673, 4952, 5384, 7428};
constexpr std::array<qint32, 1> kCommandCModels{7428};
constexpr std::array<qint32, 3> kTouchScreenModels{9214, 9226, 9238};
constexpr std::array<qint32, 6> kCathodeCurrentDisplayModels{9214, 7415, 7428, 7436, 9226, 9238};

const ModelRule kHeaterFault{kHeaterFaultModels, true};
const ModelRule kPhaseSeqFault{kPhaseSeqModels};
const ModelRule kThreePhaseArcFault{kThreePhaseArcModels};
const ModelRule kExtRefFault{kExtRefFaultModels, true, true};
const ModelRule kWGPressureFault{kWGPressureModels};
const ModelRule k24VPresentFault{k24VPresentModels};
const ModelRule kPicProcessor{kPicProcessorModels};
const ModelRule kNetburnerProcessor{kNetburnerModels};
const ModelRule kLinearizerFault{kLinearizerFaultModels};
const ModelRule kAtnCountD1{kAtnCountD1Models, true};

// Firmware builds after this day take the attenuator count as "C" & count.
const QDate kLastDateWithoutCommandC(2008, 11, 1);

}   // namespace

void SetUnitHeaterFaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasHeaterFault, kHeaterFault); }

void SetUnit3PhaseFaultOptions(CommandContext& p)
{
    Apply(p, &OptionFlags::HasPhaseSeqFault, kPhaseSeqFault);
    Apply(p, &OptionFlags::HasMissingPhaseFault, kThreePhaseArcFault);
}

void SetUnitExtRefPresetFaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasExtRefPresentFault, kExtRefFault); }
void SetUnitWGPressureFaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasWGPressureFault, kWGPressureFault); }
void SetUnitWGArc1FaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasWGArc1Fault, kThreePhaseArcFault); }
void SetUnitWGArc2FaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasWGArc2Fault, kThreePhaseArcFault); }
void SetUnitExtRefLockFaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasExtRefLockFault, kExtRefFault); }
void SetUnit24VPresentFaultOption(CommandContext& p) { Apply(p, &OptionFlags::Has24VPresentFault, k24VPresentFault); }
void SetUnitPICProcessorOption(CommandContext& p) { Apply(p, &OptionFlags::PicProcessorUnit, kPicProcessor); }

void SetUnitNetburnerProcessorOption(CommandContext& p)
{
    Apply(p, &OptionFlags::EnetProcessorUnit, kNetburnerProcessor);
}

void SetUnitFaultOptions(CommandContext& p)
{
    const UnitIdentity& id = p.unit.id;
    OptionFlags& f = p.unit.flags;
    bool hasWord = false;
    if (!IsListedModel(kNoFaultMask2Models, id.UnitModelCode)) {
        hasWord = (!id.IsTwtaUnit && id.FirmwareVersion100 > 255) || (id.IsTwtaUnit && id.FirmwareVersion100 > 523) ||
                  f.PicProcessorUnit || IsListedModel(kFaultMask2Models, id.UnitModelCode);
    }
    // A word this connection's unit did not send is never taken as its mask.
    f.HasFaultEnableMask2 = hasWord && p.unit.config.SecondMaskReceived;
    f.FaultEnableMask2 = f.HasFaultEnableMask2 ? p.unit.config.EnableMaskReply2 : 0;
}

void SetUnitLinearizerFaultOption(CommandContext& p) { Apply(p, &OptionFlags::HasLinearizerFault, kLinearizerFault); }

void SetUnitExtRefFaultOption(CommandContext& p) { p.unit.flags.HasExtRefFault = true; }

void SetUnitAtnCountCommand(CommandContext& p)
{
    p.unit.flags.AtnCountCmdPrefix = Holds(kAtnCountD1, p.unit.id) ? QStringLiteral(".D1") : QStringLiteral(".D9");
}

void SetUnitCommandCSupport(CommandContext& p)
{
    const UnitIdentity& id = p.unit.id;
    bool supported = false;
    if (IsListedModel(kCommandCModels, id.UnitModelCode))
        supported = true;
    else if (const auto built = conv::ToDate(id.boxes.txtCplDate))
        supported = *built > kLastDateWithoutCommandC;
    else
        supported = id.UnitModelCode == -1;
    p.unit.flags.CommandCSupported = supported;
}

void SetProjectSpecificValues(CommandContext& p)
{
    static constexpr void (*kSetters[])(CommandContext&) = {
        SetUnitHeaterFaultOption,        SetUnit3PhaseFaultOptions,    SetUnitExtRefPresetFaultOption,
        SetUnitWGPressureFaultOption,    SetUnitWGArc1FaultOption,     SetUnitWGArc2FaultOption,
        SetUnitExtRefLockFaultOption,    SetUnit24VPresentFaultOption, SetUnitPICProcessorOption,
        SetUnitNetburnerProcessorOption, SetUnitFaultOptions,          SetUnitLinearizerFaultOption,
        SetUnitExtRefFaultOption,        SetUnitAtnCountCommand,       SetUnitCommandCSupport,
    };
    for (auto setter : kSetters)
        setter(p);
}

void SetUnitTouchScreenOption(CommandContext& p)
{
    p.unit.flags.TouchScreenUnit = IsTouchScreenModel(p.unit.id.UnitModelCode);
}

bool IsTouchScreenModel(qint32 modelCode) { return IsListedModel(kTouchScreenModels, modelCode); }

bool HasCathodeCurrentDisplay(const CommandContext& p)
{
    return IsListedModel(kCathodeCurrentDisplayModels, p.unit.id.UnitModelCode);
}
