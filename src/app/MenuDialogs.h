#pragma once
// The main window's entries that open a dialog: for each, whether remote mode is tested,
// whether the link time-out is 2.0 s while it is open, what happens to the poll, and the
// steps the main window runs before and after. The rules are data here and run by one
// routine (MenuDialogRunner::RunMenuDialog); the dialog of each entry comes from a factory
// registered in MenuDialogFactories.cpp. An entry without a factory does nothing.
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class frmMain;
struct Program;

enum class MenuDialog {
    EnetCfg,          // "Ethernet Cfg", frmEnetCfg
    LLDPCfg,          // "LLDP COnfiguration", frmLLDPConfig
    AmpCom,           // "Serial Com", frmAmpCom
    lcBucSetup,       // "Block UpConverter", frmlcBucSetup (also lbllcBucDrive's double click)
    GainBal,          // "Gain Balance", frmGainBal
    MaxPwrLvl,        // "Max Power Level", frmPwrLimit
    StartupCfg,       // "Startup Cfg", frmStartup
    TempTripLevels,   // "Temperature Trip Levels", frmTempLimits
    PowerSave,        // "Power Save", FrmPowerSave
    PLog,             // "Download Parameter Logs", frmLogs
    TrendLogs,        // "Download Trend Logs", frmTrendLogs
    CalFactor,        // "Cal-Factor Table", frmCalFactors
    CmdLine,          // "Commandline", frmCmdLine (modeless, one instance)
    HelpAbout,        // "&About ", frmAbout
    SetSubBand,       // lblSBandFrq's double click, frmSetSubBand
};
constexpr int MenuDialogCount = 15;

namespace menus {

enum class PollMode {
    Restore,     // off while open, then as it was
    On,          // off while open, then on
    Untouched,   // left running
};

// What the main window does around the dialog (each a flag).
enum Step : unsigned {
    ClearEnetSettingsChanged = 1u << 0,    // before: EnetSettingsChanged = false
    Repaint = 1u << 1,                     // after: repaint the main window
    InitEnetParamsWhenChanged = 1u << 2,   // after: InitEnetParams when EnetSettingsChanged
    InitLLDP = 1u << 3,                    // after: InitLLDP
    InitComSettings = 1u << 4,             // after: InitCom1Settings, InitCom2Settings
    InitLCBuc = 1u << 5,                   // after: InitLCBuc
};

struct MenuDialogRule {
    MenuDialog row;
    bool remoteTest;      // refuse with "Not in Remote Mode" when the unit is local
    bool linkTimeout2s;   // MsgTimeout 2.0 s while the dialog is open
    PollMode poll;
    bool modeless;    // shown with show(), kept and brought forward on the next click
    unsigned steps;   // Step flags
};

const MenuDialogRule& RuleOf(MenuDialog row);

// Makes the entry's window with the main window as its parent; nullptr shows nothing. A
// modal entry shows a QDialog through the prompts' modal seam; the modeless entry shows
// any window and keeps it while it lives.
using DialogFactory = std::function<std::unique_ptr<QWidget>(Program&, frmMain&)>;

// The factories of one main window, one slot per entry, and the modeless dialogs it
// keeps while they live (the window owns them as their parent).
class MenuDialogRegistry {
public:
    void registerFactory(MenuDialog row, DialogFactory factory);
    const DialogFactory& factory(MenuDialog row) const;

    QWidget* kept(MenuDialog row) const;
    void keep(MenuDialog row, QWidget* window);

private:
    std::array<DialogFactory, MenuDialogCount> factories_;
    std::array<QPointer<QWidget>, MenuDialogCount> kept_;
};

// Registers the program's dialogs (MenuDialogFactories.cpp); frmMain's constructor calls it.
void RegisterMenuDialogs(MenuDialogRegistry& registry);

}   // namespace menus
