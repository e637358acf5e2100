#include "dialogs/frmTempLimits.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/SettingSends.h"
#include "ui/EntryKeys.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Whole degrees, at most three digits, as the boxes are sent.
typednum::Field levelField(const char* name)
{
    return {QString::fromUtf8(name), 3, false, typednum::Between(0, 999, QStringLiteral("0"), QStringLiteral("°C"))};
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
    faultShown_ = c.TempFaultLevel;
    alarmShown_ = c.TempAlarmLevel;
    ui.txtFltTripLvl->setText(faultShown_);
    ui.txtAlrmTripLvl->setText(alarmShown_);
    ui.chkLatchFlts->setChecked(c.LatchTempFaults);
    ui.chkLatchFlts->setVisible(!p_.unit.flags.PicProcessorUnit);
    loaded_ = true;
}

bool frmTempLimits::txtFltTripLvl_KeyPress(QChar typed)
{
    return tripLevelKey(typed, &frmTempLimits::faultLevelEntered);
}

bool frmTempLimits::txtAlrmTripLvl_KeyPress(QChar typed)
{
    return tripLevelKey(typed, &frmTempLimits::alarmLevelEntered);
}

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

bool frmTempLimits::faultTyped()
{
    return dialogsends::Typed(p_.platform.prompts, ui.txtFltTripLvl, faultShown_,
                              levelField("Temperature Fault trip Level"));
}

bool frmTempLimits::alarmTyped()
{
    return dialogsends::Typed(p_.platform.prompts, ui.txtAlrmTripLvl, alarmShown_,
                              levelField("Temperature Alarm trip Level"));
}

void frmTempLimits::faultLevelEntered()
{
    if (!faultTyped())
        return;
    dialogsends::Sends sends(p_);
    sendFaultLevel(sends);
    sends.tell(windowTitle());
}

void frmTempLimits::alarmLevelEntered()
{
    if (!alarmTyped())
        return;
    dialogsends::Sends sends(p_);
    sendAlarmLevel(sends);
    sends.tell(windowTitle());
}

// ".P4 " on PIC-processor units, else "PBKF" with ".P136 " when the unit refuses it.
void frmTempLimits::sendFaultLevel(dialogsends::Sends& sends)
{
    const QString level = ui.txtFltTripLvl->text();
    if (level.isEmpty())
        return;
    const QString words = QStringLiteral("fault trip level ") + level + QStringLiteral(" °C");
    const bool taken = p_.unit.flags.PicProcessorUnit
                           ? sends.send({QStringLiteral(".P4 ") + level}, words)
                           : sends.send({QStringLiteral("PBKF") + level, QStringLiteral(".P136 ") + level}, words);
    if (taken)
        p_.unit.config.TempFaultLevel = level;
}

void frmTempLimits::sendAlarmLevel(dialogsends::Sends& sends)
{
    const QString level = ui.txtAlrmTripLvl->text();
    if (!level.isEmpty() && sends.send({QStringLiteral("PBKA") + level, QStringLiteral(".P179 ") + level},
                                       QStringLiteral("alarm trip level ") + level + QStringLiteral(" °C")))
        p_.unit.config.TempAlarmLevel = level;
}

void frmTempLimits::chkLatchFlts_Click()
{
    if (restoringLatch_)
        return;
    UnitConfig& c = p_.unit.config;
    const bool latch = ui.chkLatchFlts->isChecked();
    dialogsends::Sends sends(p_);
    if (sends.send({latch ? QStringLiteral("PBKL1") : QStringLiteral("PBKL0")},
                   latch ? QStringLiteral("temperature faults latched")
                         : QStringLiteral("temperature faults not latched"))) {
        c.LatchTempFaults = latch;
        return;
    }
    if (latch != c.LatchTempFaults) {
        restoringLatch_ = true;
        ui.chkLatchFlts->setChecked(c.LatchTempFaults);
        restoringLatch_ = false;
    }
    if (loaded_)
        sends.tell(windowTitle());
}

// Each level whose box differs from the stored one; a level Enter already sent is not
// sent again. A level the dialog does not take sends nothing at all.
void frmTempLimits::btnOK_Click()
{
    if (!faultTyped() || !alarmTyped())
        return;
    const UnitConfig& c = p_.unit.config;
    dialogsends::Sends sends(p_);
    if (!ui.txtFltTripLvl->text().isEmpty() && ui.txtFltTripLvl->text() != c.TempFaultLevel)
        sendFaultLevel(sends);
    if (!ui.txtAlrmTripLvl->text().isEmpty() && ui.txtAlrmTripLvl->text() != c.TempAlarmLevel)
        sendAlarmLevel(sends);
    sends.tell(windowTitle());
    accept();
}

void frmTempLimits::btnClose_Click() { reject(); }
