#include "dialogs/frmPwrLimit.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/SettingSends.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include "ui/EntryKeys.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString OneDecimal = QStringLiteral("#0.0");

float numberIn(const QString& text) { return static_cast<float>(conv::Val(text)); }

typednum::Field faultField()
{
    return {QStringLiteral("Fault Level"), 4, true, typednum::Between(0.1, 99.9, OneDecimal, QStringLiteral("dB"))};
}

}   // namespace

frmPwrLimit::frmPwrLimit(CommandContext& p, typednum::Bounds limitRange, QWidget* parent)
    : QDialog(parent), p_(p), limitRange_(std::move(limitRange))
{
    ui.setupUi(this);
    dialogkeys::FilterTypedKeys(
        ui.Text1, [this](QChar typed) { return Text1_KeyPress(typed); }, [this] { Text1_LostFocus(); });
    connect(ui.OKButton, &QPushButton::clicked, this, &frmPwrLimit::OKButton_Click);
    connect(ui.CancelButton, &QPushButton::clicked, this, &frmPwrLimit::CancelButton_Click);
    Form_Load();
}

void frmPwrLimit::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    if (p_.display.DisplayWatts) {
        const float watts = DbmToWatts(numberIn(c.MaxPowerLimitValue));
        ui.Text1->setText(conv::FormatNumber(SingleAsWritten(watts), QStringLiteral("###0.0")));
        ui.lblUnits->setText(QStringLiteral("Watts"));
    } else {
        ui.Text1->setText(c.MaxPowerLimitValue);
    }
    if (!ui.Text1->text().isEmpty())
        limitShown_ = ui.Text1->text();
    if (conv::Val(c.MaxPowerFaultLevel) >= 0)
        ui.Text2->setText(c.MaxPowerFaultLevel);
    else
        ui.Text2->setEnabled(false);   // the unit has no fault level
    faultShown_ = ui.Text2->text();
    ui.Check1->setChecked(c.MaxPowerLimitEnabled);
}

typednum::Field frmPwrLimit::limitField() const { return {QStringLiteral("Max Power Level"), 0, true, limitRange_}; }

bool frmPwrLimit::Text1_KeyPress(QChar typed)
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return false;   // the key is still typed
    }
    return entry::FilterKey(entry::Keys::Decimal, typed) != entry::KeyAction::Pass;
}

// A limit the dialog takes is tidied to one decimal; any other text stays as typed for OK
// to name.
void frmPwrLimit::Text1_LostFocus()
{
    if (typednum::Value(limitField(), ui.Text1->text()))
        ui.Text1->setText(conv::FormatNumber(conv::Val(ui.Text1->text()), OneDecimal));
}

// The limit is required: an empty box is refused like any text the field does not take.
bool frmPwrLimit::fieldsTyped()
{
    IPrompts& prompts = p_.platform.prompts;
    return dialogsends::Typed(prompts, ui.Text1, limitShown_, limitField()) &&
           (!ui.Text2->isEnabled() || dialogsends::Typed(prompts, ui.Text2, faultShown_, faultField()));
}

void frmPwrLimit::OKButton_Click()
{
    if (!fieldsTyped())
        return;   // nothing at all is sent, and the dialog stays open
    dialogsends::Sends sends(p_);
    sendLimit(sends);
    sendFaultLevel(sends);
    sendEnable(sends);
    sends.tell(windowTitle());
    accept();
}

double frmPwrLimit::storedLimitShown() const
{
    const float stored = numberIn(p_.unit.config.MaxPowerLimitValue);
    return SingleAsWritten(p_.display.DisplayWatts ? DbmToWatts(stored) : stored);
}

// Sent when the box differs from the stored limit both exactly and as shown to one decimal:
// an untouched box (or one only tidied when left) never moves the unit's limit by a rounding.
void frmPwrLimit::sendLimit(dialogsends::Sends& sends)
{
    const double old = storedLimitShown();
    const double typed = conv::Val(ui.Text1->text());
    const auto same = [typed](double v) { return static_cast<float>(typed) == static_cast<float>(v); };
    if (typed <= 0 || same(old) || same(conv::Val(conv::FormatNumber(old, OneDecimal))))
        return;
    const double dBm = p_.display.DisplayWatts ? SingleAsWritten(WattsToDbm(static_cast<float>(typed))) : typed;
    const QString limit = conv::FormatNumber(dBm, OneDecimal);
    const QString words =
        QStringLiteral("power limit ") + conv::FormatNumber(typed, OneDecimal) + QLatin1Char(' ') + ui.lblUnits->text();
    if (sends.send({QStringLiteral("PO") + limit}, words))
        p_.unit.config.MaxPowerLimitValue = limit;
}

void frmPwrLimit::sendFaultLevel(dialogsends::Sends& sends)
{
    if (ui.Text2->text().isEmpty())
        return;
    UnitConfig& c = p_.unit.config;
    const double f = conv::Val(ui.Text2->text());
    if (f <= 0 || static_cast<float>(f) == numberIn(c.MaxPowerFaultLevel))
        return;
    const QString level = conv::FormatNumber(f, OneDecimal);
    if (sends.send({QStringLiteral("POO") + level}, QStringLiteral("fault level ") + level + QStringLiteral(" dB")))
        c.MaxPowerFaultLevel = level;
}

void frmPwrLimit::sendEnable(dialogsends::Sends& sends)
{
    UnitConfig& c = p_.unit.config;
    const bool enabled = ui.Check1->isChecked();
    if (enabled != c.MaxPowerLimitEnabled &&
        sends.send({enabled ? QStringLiteral("PO1") : QStringLiteral("PO0")},
                   enabled ? QStringLiteral("limit enabled") : QStringLiteral("limit disabled")))
        c.MaxPowerLimitEnabled = enabled;
}

void frmPwrLimit::CancelButton_Click() { reject(); }
