#include "dialogs/frmTempLimits.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "link/Transaction.h"
#include "ui/EntryKeys.h"
#include "ui/UnitValueBox.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Sends `first` + level, and `fallback` + level when the unit refuses it (none without a
// fallback); true when the unit took either.
bool sendLevel(CommandContext& p, const QString& first, const QString& fallback, const QString& level)
{
    return SendUnitCommand(p, first + level) || (!fallback.isEmpty() && SendUnitCommand(p, fallback + level));
}

}   // namespace

frmTempLimits::frmTempLimits(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    dialogkeys::FilterTypedKeys(ui.txtFltTripLvl, [this](QChar typed) { return txtFltTripLvl_KeyPress(typed); });
    dialogkeys::FilterTypedKeys(ui.txtAlrmTripLvl, [this](QChar typed) { return txtAlrmTripLvl_KeyPress(typed); });
    // Code changes too: the load's setting sends the latch again.
    connect(ui.chkLatchFlts, &QCheckBox::toggled, this, &frmTempLimits::chkLatchFlts_Click);
    connect(ui.btnOK, &QPushButton::clicked, this, &frmTempLimits::btnOK_Click);
    connect(ui.btnClose, &QPushButton::clicked, this, &frmTempLimits::btnClose_Click);
    Form_Load();
}

void frmTempLimits::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    ShowUnitValue(ui.txtFltTripLvl, c.TempFaultLevel);
    ui.txtAlrmTripLvl->setText(c.TempAlarmLevel);
    ui.chkLatchFlts->setChecked(c.LatchTempFaults);
    ui.chkLatchFlts->setVisible(!p_.unit.flags.PicProcessorUnit);
}

bool frmTempLimits::txtFltTripLvl_KeyPress(QChar typed) { return tripLevelKey(typed, &frmTempLimits::sendFaultLevel); }

bool frmTempLimits::txtAlrmTripLvl_KeyPress(QChar typed) { return tripLevelKey(typed, &frmTempLimits::sendAlarmLevel); }

// Digits and Backspace go in, Enter sends the box's level, nothing else is taken.
bool frmTempLimits::tripLevelKey(QChar typed, void (frmTempLimits::*sendOnEnter)())
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return true;
    }
    const entry::KeyAction action = entry::FilterKey(entry::Keys::Digits, typed);
    if (action == entry::KeyAction::Enter)
        (this->*sendOnEnter)();
    return action != entry::KeyAction::Pass;
}

void frmTempLimits::sendFaultLevel()
{
    const QString level = ui.txtFltTripLvl->text();
    if (level.isEmpty())
        return;
    const bool pic = p_.unit.flags.PicProcessorUnit;
    const bool taken = pic ? sendLevel(p_, QStringLiteral(".P4 "), QString(), level)
                           : sendLevel(p_, QStringLiteral("PBKF"), QStringLiteral(".P136 "), level);
    if (taken)
        p_.unit.config.TempFaultLevel = level;
}

void frmTempLimits::sendAlarmLevel()
{
    const QString level = ui.txtAlrmTripLvl->text();
    if (!level.isEmpty() && sendLevel(p_, QStringLiteral("PBKA"), QStringLiteral(".P179 "), level))
        p_.unit.config.TempAlarmLevel = level;
}

void frmTempLimits::chkLatchFlts_Click()
{
    if (restoringLatch_)
        return;
    UnitConfig& c = p_.unit.config;
    const bool latch = ui.chkLatchFlts->isChecked();
    if (SendUnitCommand(p_, latch ? QStringLiteral("PBKL1") : QStringLiteral("PBKL0"))) {
        c.LatchTempFaults = latch;
    } else if (latch != c.LatchTempFaults) {
        restoringLatch_ = true;
        ui.chkLatchFlts->setChecked(c.LatchTempFaults);
        restoringLatch_ = false;
    }
}

// Each level whose box differs from the stored one; a level Enter already sent is not
// sent again.
void frmTempLimits::btnOK_Click()
{
    const UnitConfig& c = p_.unit.config;
    if (!ui.txtFltTripLvl->text().isEmpty() && ui.txtFltTripLvl->text() != c.TempFaultLevel)
        sendFaultLevel();
    if (!ui.txtAlrmTripLvl->text().isEmpty() && ui.txtAlrmTripLvl->text() != c.TempAlarmLevel)
        sendAlarmLevel();
    accept();
}

void frmTempLimits::btnClose_Click() { reject(); }
