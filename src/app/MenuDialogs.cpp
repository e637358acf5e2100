#include "app/MenuDialogs.h"

namespace menus {
namespace {

using enum MenuDialog;
using enum PollMode;

constexpr std::array<MenuDialogRule, MenuDialogCount> Rules{{
    // row             remote  2.0 s  poll       modeless steps
    {EnetCfg, false, true, Restore, false, ClearEnetSettingsChanged | InitEnetParamsWhenChanged},
    {LLDPCfg, true, false, Restore, false, Repaint | InitLLDP},
    {AmpCom, false, false, On, false, InitComSettings},
    {lcBucSetup, false, true, Restore, false, Repaint | InitLCBuc},
    {GainBal, false, false, Restore, false, 0},
    {MaxPwrLvl, false, true, Restore, false, 0},
    {StartupCfg, false, false, On, false, 0},
    {TempTripLevels, false, false, On, false, 0},
    {PowerSave, false, false, On, false, Repaint},
    {PLog, false, false, On, false, 0},
    {TrendLogs, false, false, On, false, 0},
    {CalFactor, false, false, On, false, Repaint},
    {CmdLine, false, false, Untouched, true, 0},
    {HelpAbout, false, false, Untouched, false, 0},
    {SetSubBand, false, false, On, false, 0},
}};

constexpr bool rowsInOrder()
{
    for (int i = 0; i < MenuDialogCount; ++i)
        if (static_cast<int>(Rules[static_cast<size_t>(i)].row) != i)
            return false;
    return true;
}
static_assert(rowsInOrder(), "one rule per row, in the order of MenuDialog");

size_t slot(MenuDialog row) { return static_cast<size_t>(row); }

}   // namespace

const MenuDialogRule& RuleOf(MenuDialog row) { return Rules[slot(row)]; }

void MenuDialogRegistry::registerFactory(MenuDialog row, DialogFactory factory)
{
    factories_[slot(row)] = std::move(factory);
}

const DialogFactory& MenuDialogRegistry::factory(MenuDialog row) const { return factories_[slot(row)]; }

QWidget* MenuDialogRegistry::kept(MenuDialog row) const { return kept_[slot(row)].data(); }

void MenuDialogRegistry::keep(MenuDialog row, QWidget* window) { kept_[slot(row)] = window; }

}   // namespace menus
