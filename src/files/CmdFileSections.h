#pragma once
// The configuration command file's sections: 48 writers run in a fixed order from one
// table. Each writer appends its lines to the open file and may read the unit while it
// does; it returns false when it failed (its section is then short or empty, and the
// file goes on with the next section).
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <span>

struct CommandContext;
struct frmMainUi;
class FileIO;

// What every section writer works on: the command context (unit values, the link for the
// queries some sections make), the main window read-only (controls and check marks
// some sections take their values from) and the open command file.
struct CmdFileContext {
    CommandContext& p;
    const frmMainUi& ui;   // the main window's controls, read only
    FileIO& file;

    // Writes a line as it stands (titles, separators, the writer's own fixed text).
    void Line(const QString& text);
    // Writes text + value; control characters in the unit's value are removed.
    void Comment(const QString& text, const QString& unitValue = QString());
    // Writes the command + value; when the unit's value held a control character, the
    // cleaned line is written behind "#" so that a replay never sends it.
    void Command(const QString& command, const QString& unitValue = QString());
    // Writes whole lines: those beginning with "#" as comments, the others as commands.
    void Write(const QStringList& lines);
};

// The unit's model code is one of `models` (the sections leave some models out).
bool ModelIn(qint32 model, std::initializer_list<qint32> models);

// Control characters (codes 0 to 31 and 127).
bool HoldsControlChar(const QString& text);
// The text without its control characters.
QString CleanUnitValue(const QString& text);

using CmdFileWriter = bool (*)(CmdFileContext&);
struct CmdFileSection {
    const char* name;
    CmdFileWriter write;
};

// The 48 writers in the order they run.
const std::array<CmdFileSection, 48>& CmdFileSections();

// Runs the sections in order, going on after one that fails. before(section) runs ahead
// of each; when it gives false (the connection ended) the rest are skipped. False when a
// section failed or was skipped.
bool RunCmdFileSections(CmdFileContext& c, std::span<const CmdFileSection> sections,
                        const std::function<bool(const CmdFileSection&)>& before);

// ---- identity and basic settings (CmdFileIdentity.cpp, CmdFileBasicSettings.cpp) ----
bool SaveFWPartNumber(CmdFileContext& c);
bool SavePartNumber(CmdFileContext& c);
bool SaveSerialNumber(CmdFileContext& c);
bool SaveModelCfgPN(CmdFileContext& c);
bool SaveAttenuation(CmdFileContext& c);
bool SaveGainBalance(CmdFileContext& c);
bool SaveUnitGain(CmdFileContext& c);
bool SaveLinearizerParams(CmdFileContext& c);
bool SaveStartUpCfg(CmdFileContext& c);
bool SaveXmitState(CmdFileContext& c);
bool SaveAutoXmitRestore(CmdFileContext& c);
bool SaveRFInhibitState(CmdFileContext& c);
bool SaveRFPolarity(CmdFileContext& c);
bool SaveConstantPower(CmdFileContext& c);
bool SaveWGArcDetectorType(CmdFileContext& c);
bool SaveEnetParameters(CmdFileContext& c);
bool SaveMaxSystemPower(CmdFileContext& c);

// ---- RF, bands and trip levels (CmdFileRfSetup.cpp) ----
bool SaveBandInfo(CmdFileContext& c);
bool SaveSubBandInfo(CmdFileContext& c);
bool SaveTempCompParams(CmdFileContext& c);
bool SaveWaveguideCfg(CmdFileContext& c);
bool SaveRedundantModeCfg(CmdFileContext& c);
bool SaveFwdRFTripLevels(CmdFileContext& c);
bool SaveRevRFTripLevel(CmdFileContext& c);
bool SaveFactoryTripLevels(CmdFileContext& c);
bool SavePSVset(CmdFileContext& c);
bool SaveUnitCfg(CmdFileContext& c);
bool SaveLowCostBucCfg(CmdFileContext& c);
bool SaveCurrentSenseCfg(CmdFileContext& c);

// ---- fault and alarm enables and bit maps (CmdFileFaultMaps.cpp) ----
bool SaveFaultEnableCfg(CmdFileContext& c);
bool SaveLatchedFaults(CmdFileContext& c);
bool SaveAlarmEnableCfg(CmdFileContext& c);

// ---- limits, heater, supplies (CmdFileLimits.cpp) ----
bool SaveRevRFOffset(CmdFileContext& c);
bool SaveMaxPowerLimit(CmdFileContext& c);
bool SaveHeaterStandby(CmdFileContext& c);
bool SaveHelixCurrentRatio(CmdFileContext& c);
bool SaveHelixCurrentTrip(CmdFileContext& c);
bool SaveDCVInputLimits(CmdFileContext& c);
bool SaveTemperatureTripLevels(CmdFileContext& c);
bool SaveFanTemperature(CmdFileContext& c);
bool SaveCathodeMonitor(CmdFileContext& c);
bool SaveUnitHours(CmdFileContext& c);

// ---- ports, LED, scalers, pots, float supply, product ID (CmdFilePortsProduct.cpp) ----
bool SaveSerialPortParameters(CmdFileContext& c);
bool SaveLEDMode(CmdFileContext& c);
bool SaveADCScalers(CmdFileContext& c);
bool SaveDigitalPots(CmdFileContext& c);
bool SaveFloatSupplyParams(CmdFileContext& c);
bool SaveProductID(CmdFileContext& c);
