#pragma once
// Decisions of the window layout per unit family: which frames, captions and menus a
// unit gets from its model code, firmware and the answers to its feature queries.
#include <QString>
#include <optional>

namespace layout {

// What a step does with a menu item: show it, hide it, or leave it as it is.
enum class MenuChange { Leave, Show, Hide };

// A menu that the unit's answer shows (and possibly ticks) or hides. `checked` is only
// meaningful when the menu is shown; nothing: the tick is left as it is.
struct MenuDecision {
    MenuChange visibility = MenuChange::Leave;
    std::optional<bool> checked;
};

// The firmware compile-date test: the date box holds a valid date after 2007-12-05.
bool FirmwareDateAfterCutoff(const QString& compileDate);

// Single-tube models whose helix/heater frame also shows the heater current.
bool HasDualHelixDisplay(qint32 modelCode, bool extRefTwtaModel);

// The "Serial Com" menu is hidden for model 4817 only (TWTA layout).
bool SerialComMenuShown(qint32 modelCode);

// Full fault-log size and the "Full Fault Log" menu of a TWTA.
struct FullFaultLog {
    qint16 size = 100;
    MenuChange menu = MenuChange::Leave;
};
FullFaultLog FullFaultLogFor(qint32 modelCode, bool firmwareDatePassed, bool hasParamLog);

// The tube's remaining life as the window shows it: 2 characters are years, 3 months
// (its first two characters), any other length "???".
QString TwtLifeCaption(const QString& lifeText);

// Menus set from a feature query that answers a negative value when the unit lacks it.
// "PBA?": shown, ticked when 0.
MenuDecision AutoHVDisableMenu(qint16 value);
// "PTI?" as ReadRfiInvert gives it (1: the input is inverted): shown and ticked exactly
// when inverted; hidden for no answer. The menu is enabled exactly when it is shown.
MenuDecision RfiInvertMenu(qint16 value);
// ":?" and "PBH?": shown and ticked when not 0; a negative value leaves the menu.
MenuDecision HeaterMenu(qint16 value);

// Captions of the helix/heater frame.
struct HelixHeaterCaptions {
    QString Label85, Label86, Label88, Label90;
    // Second row of the right column (Label9 with txtHelix2I); captions nothing: left.
    std::optional<QString> Label9, Label10;
    bool secondRowShown = false;
};
HelixHeaterCaptions HelixHeaterCaptionsFor(bool dualTwtaUnit, bool dualHelixDisplay);

// Cathode-current display from the monitoring mode ("PBFS?" as ReadCathodeCurrentMonitoring
// gives it: 1 on, 0 off, -1 no answer).
struct CathodeMode {
    bool enabled = false;
    bool monitor = false;
    bool displayShown() const { return enabled || monitor; }
};
CathodeMode CathodeModeFor(qint16 mode);
// The cathode-current scaler kept in 0..4095.
qint16 LimitCathodeScalar(qint16 value);
// The anode voltage kept: the value when 0 or more or when the negative anode is enabled.
qint16 AnodeVoltageKept(qint16 value, bool negativeAnodeEnabled);

// The RF band frame ("Current RF Band") of a solid-state unit.
bool RfBandFrameShown(qint32 modelCode);
// The constant-power frame.
bool ConstantPowerFrameShown(qint32 modelCode);

// Frame14 of a solid-state unit: current sense, DC input voltage, or nothing.
enum class SenseFrameForm { Hidden, CurrentSense, DcInput };
struct SenseFrame {
    SenseFrameForm form = SenseFrameForm::Hidden;
    bool currentSenseMenuShown = false;   // "Current Sense..."
};
struct SenseUnit {
    qint32 UnitModelCode = -1;
    qint32 FirmwareVersion100 = 0;
    bool EnetProcessorUnit = false;
    bool PicProcessorUnit = false;
    bool MonitorDCVInput = false;
};
SenseFrame SenseFrameFor(const SenseUnit& unit);

// The poll reads the four current-sense values of this unit.
bool ReadsCurrentSense(qint32 modelCode, bool isTwtaUnit, qint32 firmwareVersion100);

}   // namespace layout
