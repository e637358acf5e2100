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

// A trip level's field name, its words in the refusal box, its command and the fallback.
struct TripTexts {
    const char* field;
    const char* words;
    const char* command;
    const char* fallback;
};
constexpr TripTexts FaultTrip{"Temperature Fault trip Level", "fault trip level ", "PBKF", ".P136 "};
constexpr TripTexts AlarmTrip{"Temperature Alarm trip Level", "alarm trip level ", "PBKA", ".P179 "};

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

bool frmTempLimits::txtFltTripLvl_KeyPress(QChar typed) { return tripLevelKey(typed, Trip::Fault); }

bool frmTempLimits::txtAlrmTripLvl_KeyPress(QChar typed) { return tripLevelKey(typed, Trip::Alarm); }

// Digits and Backspace go in, Enter sends the box's level, nothing else is taken.
bool frmTempLimits::tripLevelKey(QChar typed, Trip trip)
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return true;
    }
    const entry::KeyAction action = entry::FilterKey(entry::Keys::Digits, typed);
    if (action == entry::KeyAction::Enter)
        levelEntered(trip);
    return action != entry::KeyAction::Pass;
}

QLineEdit* frmTempLimits::levelBox(Trip trip) const
{
    return trip == Trip::Fault ? ui.txtFltTripLvl : ui.txtAlrmTripLvl;
}

bool frmTempLimits::levelTyped(Trip trip)
{
    const bool fault = trip == Trip::Fault;
    return dialogsends::Typed(p_.platform.prompts, levelBox(trip), fault ? faultShown_ : alarmShown_,
                              levelField(fault ? FaultTrip.field : AlarmTrip.field));
}

void frmTempLimits::levelEntered(Trip trip)
{
    if (!levelTyped(trip))
        return;
    dialogsends::Sends sends(p_);
    sendLevel(sends, trip);
    sends.tell(windowTitle());
}

// The command, and its fallback when the unit refuses it; a PIC-processor unit takes its
// fault level as ".P4 " only.
void frmTempLimits::sendLevel(dialogsends::Sends& sends, Trip trip)
{
    const QString level = levelBox(trip)->text();
    if (level.isEmpty())
        return;
    const bool fault = trip == Trip::Fault;
    const TripTexts& t = fault ? FaultTrip : AlarmTrip;
    const QString words = QLatin1String(t.words) + level + QStringLiteral(" °C");
    const bool taken = fault && p_.unit.flags.PicProcessorUnit
                           ? sends.send({QStringLiteral(".P4 ") + level}, words)
                           : sends.send({QLatin1String(t.command) + level, QLatin1String(t.fallback) + level}, words);
    if (taken)
        (fault ? p_.unit.config.TempFaultLevel : p_.unit.config.TempAlarmLevel) = level;
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
    if (!levelTyped(Trip::Fault) || !levelTyped(Trip::Alarm))
        return;
    const UnitConfig& c = p_.unit.config;
    dialogsends::Sends sends(p_);
    if (ui.txtFltTripLvl->text() != c.TempFaultLevel)
        sendLevel(sends, Trip::Fault);
    if (ui.txtAlrmTripLvl->text() != c.TempAlarmLevel)
        sendLevel(sends, Trip::Alarm);
    sends.tell(windowTitle());
    accept();
}

void frmTempLimits::btnClose_Click() { reject(); }
