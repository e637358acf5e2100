// The first read after connecting: the unit read once from top to bottom, in a fixed order
// of steps (later steps rely on what earlier ones set), with the change handlers silenced.
#include "commands/CathodeQueries.h"
#include "commands/ConfigProductQueries.h"
#include "commands/Identification.h"
#include "commands/IndexedQueries.h"
#include "commands/LimitMaskQueries.h"
#include "commands/PolledQueries.h"
#include "commands/ProjectSpecific.h"
#include "commands/StatusQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "link/CommandWatch.h"
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include "platform/BusyFlag.h"
#include "status/FirstReadRules.h"
#include "status/FirstRead.h"
#include "platform/Clock.h"
#include "ui/frmMainUi.h"
#include "status/UnitConnection.h"
#include "status/EntryBoxState.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/FeatureReads.h"
#include "status/StatusPanels.h"
#include "status/WindowLayout.h"
#include "status/SubBands.h"
#include "files/DataFolders.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

using namespace SsaCmds;

namespace {
constexpr const char* Events = "Events";
}

FirstRead::FirstRead(CommandContext& p, const frmMainUi& controls, UnitConnection& connection,
                     EntryBoxState& entryState, PowerUnits& powerUnits, Readings& readings, FeatureReads& features,
                     StatusPanels& panels, WindowLayout& layout, SubBands& bands, std::function<void()> dropLostLink)
    : p(p), connection_(connection), entryState_(entryState), powerUnits_(powerUnits), readings_(readings),
      features_(features), panels_(panels), layout_(layout), bands_(bands),
      dropLostLink_(std::move(dropLostLink)), ui{.lblUnitTempType = controls.lblUnitTempType,
                                                 .Label12 = controls.Label12,
                                                 .txtTemp2 = controls.txtTemp2,
                                                 .Label14 = controls.Label14,
                                                 .txtConstLvl = controls.txtConstLvl,
                                                 .btnGoToPwr = controls.btnGoToPwr,
                                                 .cmbRfBand = controls.cmbRfBand,
                                                 .txtDateTime = controls.txtDateTime,
                                                 .txtAdr = controls.txtAdr,
                                                 .mnuPsVset = controls.mnuPsVset,
                                                 .mnuLEDMode = controls.mnuLEDMode,
                                                 .mnuWgArcTest = controls.mnuWgArcTest,
                                                 .mnuWatts = controls.mnuWatts}
{
}

void FirstRead::FirstTimeRead()
{
    if (firstReadRunning_)
        return;
    BusyFlag running(firstReadRunning_);
    const ConnectionWatch connection(p);
    // A read that belongs to a connection watches the link: operator input is handled
    // between its commands, and a unit that stops answering ends it as a dropped poll would.
    std::optional<CommandWatch> watch;
    if (p.txn.LinkUp)
        watch.emplace(
            p, [this] { betweenFirstReadCommands(); }, [this] { return statusQueryAnswered(); },
            [this] { dropLostLink_(); });
    const std::vector<FirstReadStep> steps = firstReadSteps();
    for (const FirstReadStep& step : steps) {
        // A Disconnect or a lost link ends the read here: no further command is sent and
        // the window stays as the disconnect left it.
        if (connection.ended() || stopFirstReadIfAsked())
            return;
        // The read is done only with the link still up: commands left unanswered at its end
        // are a question about the link too.
        if (&step == &steps.back() && watch && !watch->linkStillUp())
            return;
        if (onFirstReadStep)
            onFirstReadStep(step.name);
        step.run();
    }
}

bool FirstRead::stopFirstReadIfAsked()
{
    // The connect button pressed meanwhile (it reads "Terminate" or "Connect" while the unit
    // is being read), or the window closing: the operator gives up on a slow unit.
    if (!p.conn.AbortScan)
        return false;
    p.conn.AbortScan = false;
    connection_.stopFirstRead();
    return true;
}

void FirstRead::betweenFirstReadCommands()
{
    p.platform.clock.processEvents();
    stopFirstReadIfAsked();
}

bool FirstRead::statusQueryAnswered()
{
    // The question leaves the reply fields as the step that asked it had them.
    return StatusQueryAnswered(p);
}

std::vector<FirstRead::FirstReadStep> FirstRead::firstReadSteps()
{
    std::vector<FirstReadStep> steps;
    addIdentificationSteps(steps);
    addLimitAndLayoutSteps(steps);
    addMaskAndReadingSteps(steps);
    addPortAndBandSteps(steps);
    addTemperatureAndLevelSteps(steps);
    addClosingSteps(steps);
    return steps;
}

void FirstRead::addIdentificationSteps(std::vector<FirstReadStep>& steps)
{
    UnitIdentity& id = p.unit.id;
    UnitConfig& c = p.unit.config;
    steps.insert(
        steps.end(),
        {
            {"FormUpdating", [this] { p.conn.FormUpdating = true; }},
            {"InitDataDirectory", [this] { ::InitDataDirectory(p.platform.folders, p.platform.prompts); }},
            {"DisplayWatts", [this] { p.display.DisplayWatts = ui.mnuWatts->text() == QLatin1String("Display dBm"); }},
            {"DetermineUnitType", [this] { DetermineUnitType(p); }},
            // This unit's processor family, before anything below tests it.
            {"SetUnitPICProcessorOption", [this] { SetUnitPICProcessorOption(p); }},
            {"InitLLDP", [this] { features_.InitLLDP(); }},
            {"MinAtnCount",
             [this, &id, &c] {
                 c.MinAtnCount = firstread::MinAtnCountFor(id.FirmwareVersion100, p.unit.flags.PicProcessorUnit,
                                                           id.IsTwtaUnit, id.UnitModelCode);
             }},
            // This model answers slowly; the longer wait stays for the rest of the run.
            {"MsgTimeout",
             [this, &id] {
                 if (id.UnitModelCode == 6613)
                     p.LinkObject.setMsgTimeout(6.0f);
             }},
            {"UpdateSubBands", [this] { bands_.UpdateSubBands(); }},
            {"InitTempComp", [this] { features_.InitTempComp(); }},
            {"InitUnitCfg", [this] { features_.InitUnitCfg(); }},
            {"ReadADCScalers",
             [this, &id, &c] {
                 if (id.UnitModelCode == 7428)
                     ReadADCScalers(p, c.AdcScalers);
             }},
            {"ReturnLossLevel", [this, &c] { c.ReturnLossLevel = ReadReturnLossSetting(p); }},
        });
}

void FirstRead::addLimitAndLayoutSteps(std::vector<FirstReadStep>& steps)
{
    UnitConfig& c = p.unit.config;
    steps.insert(
        steps.end(),
        {
            {"InitPowerLimit", [this] { features_.InitPowerLimit(); }},
            {"InitFactoryTripLevels", [this] { features_.InitFactoryTripLevels(); }},
            {"AtnRange",
             [this, &c] {
                 c.AtnRangeText = ReadAttenuatorRange(p);
                 c.AtnRangeSupported = !c.AtnRangeText.isEmpty();
                 c.MaxCalTempText = c.AtnRangeSupported ? ReadMaxCalTemperature(p) : QString();
                 c.MinCalTempText = c.AtnRangeSupported ? ReadMinCalTemperature(p) : QString();
             }},
            {"CheckInputDriverPwrSupport", [this] { powerUnits_.CheckInputDriverPwrSupport(); }},
            {"InitDisplay", [this] { layout_.InitDisplay(); }},
            {"StartupMode", [this, &c] { c.StartupMode = ReadStartupConfig(p); }},
            {"MaxSysPrimePower",
             [this, &c] {
                 if (p.unit.id.LldpFirmware)
                     c.MaxSysPrimePower = ReadMaxSystemPrimePower(p);
             }},
            {"DbmLevelsSupported", [this] { p.unit.id.DbmLevelsSupported = CanUsedBmTripLevels(p); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
            {"MaxAttenuation", [this, &c] { c.MaxAttenuation = firstread::MaxAttenuationFrom(ReadMaxAttenuation(p)); }},
            {"UpdateRFFrequency", [this] { readings_.UpdateRFFrequency(); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
        });
}

void FirstRead::addMaskAndReadingSteps(std::vector<FirstReadStep>& steps)
{
    UnitConfig& c = p.unit.config;
    steps.insert(
        steps.end(),
        {
            {"FaultEnableMask",
             [this, &c] {
                 c.FaultEnableMaskRead = ReadFaultEnableMask(p);
                 c.FaultEnableMask = c.FaultEnableMaskRead ? c.EnableMaskReply : 0;
             }},
            {"mnuWgArcTest",
             [this, &c] {
                 ui.mnuWgArcTest->setVisible(firstread::WgArcTestShown(c.FaultEnableMask, p.unit.id.UnitModelCode));
             }},
            {"AlarmEnableMask",
             [this, &c] {
                 c.AlarmEnableMaskRead = ReadAlarmEnableMask(p);
                 c.AlarmEnableMask = c.AlarmEnableMaskRead ? c.EnableMaskReply : 0;
             }},
            {Events, [this] { p.platform.clock.processEvents(); }},
            {"Latches",
             [this, &c] {
                 const qint16 lowLine = ReadLowLineLatched(p);
                 const qint16 extIlok = ReadExtIlokLatched(p);
                 c.LowLineLatched = firstread::LatchedFrom(lowLine);
                 c.ExtIlokLatched = firstread::LatchedFrom(extIlok);
                 c.LowLineLatchRead = lowLine >= 0;
                 c.ExtIlokLatchRead = extIlok >= 0;
             }},
            {"SetProjectSpecificValues", [this] { SetProjectSpecificValues(p); }},
            {"InitDCVInParameters", [this] { readings_.InitDCVInParameters(); }},
            {"txtDateTime", [this] { ui.txtDateTime->setText(ReadUnitDateTime(p)); }},
            {"UpdateAtn", [this] { readings_.UpdateAtn(); }},
            {"UpdateUnitGain", [this] { features_.UpdateUnitGain(); }},
            {"HasAmc", [this, &c] { c.HasAmc = ReadFloatSupplyYCI(p) >= 0; }},
            {"UpdateAMCParameters", [this] { features_.UpdateAMCParameters(); }},
            {"UpdateCurrentSense", [this] { readings_.UpdateCurrentSense(); }},
            {"UpdateFwdRF", [this] { readings_.UpdateFwdRF(); }},
            {"UpdateRevRF", [this] { readings_.UpdateRevRF(); }},
            // The summary panel and RemoteMode before the first poll, from a whole word only.
            {"SummaryStatus",
             [this] {
                 const QString word = ReadSingleStatusWord(p, 1);
                 if (firstread::IsWholeStatusWord(word))
                     panels_.SetSummaryStatus(word);
             }},
            // Units without the extended alarm bytes are polled with the legacy query.
            {"LegacyStatusQuery", [this] { p.unit.id.LegacyStatusQuery = ReadSingleStatusWord(p, 2).isEmpty(); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
            {"UpdateHours", [this] { readings_.UpdateHours(); }},
        });
}

void FirstRead::addPortAndBandSteps(std::vector<FirstReadStep>& steps)
{
    steps.insert(
        steps.end(),
        {
            {"InitPowerSaveParameters", [this] { features_.InitPowerSaveParameters(); }},
            {"InitCom1Settings", [this] { features_.InitCom1Settings(); }},
            {"InitCom2Settings", [this] { features_.InitCom2Settings(); }},
            {"txtAdr", [this] { entryState_.FillEntryBox(ui.txtAdr, p.unit.config.Rs485Address); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
            {"InitcmbRfBand", [this] { bands_.InitcmbRfBand(); }},
            {"InitRFBand", [this] { features_.InitRFBand(); }},
            {"InitBandParameters",
             [this] { features_.InitBandParameters(static_cast<qint16>(qMax(0, ui.cmbRfBand->currentIndex() + 1))); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
        });
}

void FirstRead::addTemperatureAndLevelSteps(std::vector<FirstReadStep>& steps)
{
    UnitConfig& c = p.unit.config;
    steps.insert(
        steps.end(),
        {
            {"TempLevels",
             [this, &c] {
                 c.TempFaultLevel = ReadTempFaultLevel(p);
                 c.TempAlarmLevel = ReadTempAlarmLevel(p);
                 c.InletTempAlarmLevel = ReadInletTempDiffAlarmLevel(p);
             }},
            {"InletTemp",
             [this, &c] {
                 const UnitIdentity& id = p.unit.id;
                 if (!firstread::ReadsInletTemperature(id.UnitModelCode, id.IsTwtaUnit, c.InletTempAlarmLevel) ||
                     !firstread::InletTemperatureShown(ReadInletTemperature(p)))
                     return;
                 ui.Label12->setText(QStringLiteral("Inlet"));
                 ui.Label12->show();
                 ui.Label14->show();
                 ui.txtTemp2->show();
                 p.display.InletTempShown = true;
             }},
            {"LatchTempFaults", [this, &c] { c.LatchTempFaults = ReadLatchTempFaults(p) == 1; }},
            {"lblUnitTempType",
             [this] {
                 ui.lblUnitTempType->setText(p.unit.id.IsTwtaUnit ? QStringLiteral("TWTA") : QStringLiteral("SSPA"));
             }},
            {"UpdateTemperature", [this] { readings_.UpdateTemperature(); }},
            {"UpdateRFIStatus", [this] { features_.UpdateRFIStatus(); }},
            {Events, [this] { p.platform.clock.processEvents(); }},
            {"ConstPowerLevel",
             [this] {
                 if (p.unit.id.UnitModelCode == -1)
                     return;
                 const QString level = ReadConstPowerLevel(p);
                 if (!level.isEmpty())
                     entryState_.FillPowerBox(ui.txtConstLvl,
                                              firstread::ConstPowerLevelText(level, p.display.DisplayWatts),
                                              static_cast<float>(conv::Val(level)));
             }},
            {"InitRFTripLevels", [this] { features_.InitRFTripLevels(); }},
            {"InitReverseRFOffset", [this] { features_.InitReverseRFOffset(); }},
            {"PsVset",
             [this, &c] {
                 const PSVsetReply v = ReadPSVsetValue(p, -1);
                 const bool has = v.Status == 0;
                 if (has)
                     c.PsVsetValue = static_cast<qint16>(v.Value);
                 if (has)
                     ui.mnuPsVset->setEnabled(true);
                 ui.mnuPsVset->setVisible(has);
             }},
            {Events, [this] { p.platform.clock.processEvents(); }},
        });
}

void FirstRead::addClosingSteps(std::vector<FirstReadStep>& steps)
{
    steps.insert(steps.end(), {
                                  {"UpdateHelixHeater",
                                   [this] {
                                       if (p.unit.id.IsTwtaUnit)
                                           readings_.UpdateHelixHeater();
                                   }},
                                  {"InitLCBuc", [this] { features_.InitLCBuc(); }},
                                  {Events, [this] { p.platform.clock.processEvents(); }},
                                  {"InitCurrentSenseParams", [this] { features_.InitCurrentSenseParams(); }},
                                  {"InitEnetParams", [this] { features_.InitEnetParams(); }},
                                  {Events, [this] { p.platform.clock.processEvents(); }},
                                  {"UpdateCathodeCurrent", [this] { readings_.UpdateCathodeCurrent(); }},
                                  {"LEDMode",
                                   [this] {
                                       const qint16 mode = ReadLEDMode(p);
                                       if (mode < 0)
                                           return;
                                       ui.mnuLEDMode->setVisible(true);
                                       ui.mnuLEDMode->setChecked(mode == 1);
                                   }},
                                  {"ProductId",
                                   [this] {
                                       p.unit.id.ProductId = ReadProductId(p);
                                       if (firstread::ObmipFromPartNumber(p.unit.id.ProductId.PartNumber))
                                           p.unit.config.ObmipSupported = true;
                                   }},
                                  {"btnGoToPwr", [this] { ui.btnGoToPwr->setEnabled(true); }},
                                  {Events, [this] { p.platform.clock.processEvents(); }},
                                  {"FirstReadDone",
                                   [this] {
                                       p.conn.FirstReadDone = true;
                                       p.conn.FormUpdating = false;
                                   }},
                              });
}
