// The dialog of each main-window entry of MenuDialogs.h. One registration per entry, each
// on its own lines; an entry left out opens nothing.
#include "app/Program.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAmpCom.h"
#include "dialogs/FrmPowerSave.h"
#include "dialogs/frmCmdLine.h"
#include "dialogs/frmEnetCfg.h"
#include "dialogs/frmGainBal.h"
#include "dialogs/frmLLDPConfig.h"
#include "dialogs/frmPwrLimit.h"
#include "dialogs/frmSetSubBand.h"
#include "dialogs/frmStartup.h"
#include "dialogs/frmTempLimits.h"
#include "dialogs/frmlcBucSetup.h"
#include "settings/LevelEntry.h"
#include "transfers/frmLogs.h"
#include "transfers/frmTrendLogs.h"
#include "app/MenuDialogs.h"
#include "transfers/frmCalFactors.h"
#include "app/frmMain.h"
#include "settings/TargetMenus.h"

namespace menus {

namespace {

// "Max Power Level" takes the levels "GoTo Power" takes, in the display unit; its range in
// words is the one the range box of that check states ("Valid Range: 26.0 to 55.0 dBm").
typednum::Bounds powerLimitRange(const Program& p)
{
    const levels::Band band{p.unit.config.BandMinPower, p.unit.config.BandMaxPower};
    const bool watts = p.display.DisplayWatts;
    const bool dbm = p.unit.id.DbmLevelsSupported;
    const auto check = [band, watts, dbm](double level) {
        return levels::ConvertTripPower(static_cast<float>(level), band, watts, dbm);
    };
    const QString range = levels::RangeOf(band, watts).text.section(QStringLiteral("Valid Range: "), 1);
    return {[check](double level) { return check(level).value >= 0; },
            range.isEmpty() ? QString() : QStringLiteral("from ") + range};
}

}   // namespace

void RegisterMenuDialogs(MenuDialogRegistry& r)
{
    // "Ethernet Cfg": when the program follows the unit to a new address, the menus show it.
    r.registerFactory(MenuDialog::EnetCfg, [](Program& p, frmMain& w) {
        return std::make_unique<frmEnetCfg>(
            p, p.dialogs, [&w] { w.targets().ShowTcpTarget(); }, &w);
    });

    // "Serial Com": the RS-485 address it sends is the one the link uses.
    r.registerFactory(MenuDialog::AmpCom, [](Program& p, frmMain& w) { return std::make_unique<frmAmpCom>(p, &w); });

    r.registerFactory(MenuDialog::LLDPCfg,
                      [](Program& p, frmMain& w) { return std::make_unique<frmLLDPConfig>(p, &w); });

    r.registerFactory(MenuDialog::lcBucSetup,
                      [](Program& p, frmMain& w) { return std::make_unique<frmlcBucSetup>(p, p.dialogs, &w); });

    // "Commandline": modeless; closing it unloads it, the next click makes a new one.
    r.registerFactory(MenuDialog::CmdLine, [](Program& p, frmMain& w) { return std::make_unique<frmCmdLine>(p, &w); });

    r.registerFactory(MenuDialog::GainBal, [](Program& p, frmMain& w) { return std::make_unique<frmGainBal>(p, &w); });

    r.registerFactory(MenuDialog::StartupCfg,
                      [](Program& p, frmMain& w) { return std::make_unique<frmStartup>(p, &w); });

    r.registerFactory(MenuDialog::PowerSave,
                      [](Program& p, frmMain& w) { return std::make_unique<FrmPowerSave>(p, &w); });

    r.registerFactory(MenuDialog::MaxPwrLvl,
                      [](Program& p, frmMain& w) { return std::make_unique<frmPwrLimit>(p, powerLimitRange(p), &w); });

    r.registerFactory(MenuDialog::TempTripLevels,
                      [](Program& p, frmMain& w) { return std::make_unique<frmTempLimits>(p, &w); });

    // The sub-band label's double click: the choice goes to the main window.
    r.registerFactory(MenuDialog::SetSubBand, [](Program& p, frmMain& w) {
        return std::make_unique<frmSetSubBand>(
            p.unit.config, [&w](qint16 n) { w.SetCurrentSubBand(n); }, &w);
    });

    r.registerFactory(MenuDialog::PLog,
                      [](Program& p, frmMain& w) { return std::make_unique<frmLogs>(p, w.logs(), &w); });

    r.registerFactory(MenuDialog::TrendLogs,
                      [](Program& p, frmMain& w) { return std::make_unique<frmTrendLogs>(p, w.logs(), &w); });

    r.registerFactory(MenuDialog::CalFactor,
                      [](Program& p, frmMain& w) { return std::make_unique<frmCalFactors>(p, &w); });

    r.registerFactory(MenuDialog::HelpAbout, [](Program& p, frmMain& w) {
        return std::make_unique<frmAbout>(p.platform.prompts, p.platform.sysInfo, &w);
    });
}

}   // namespace menus
