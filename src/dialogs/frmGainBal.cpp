#include "dialogs/frmGainBal.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/SettingSends.h"
#include "platform/Conventions.h"
#include "ui/EntryKeys.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The box's four characters hold the value as it is sent.
typednum::Field valueField()
{
    return {QStringLiteral("Gain Balance"), 4, true,
            typednum::Between(0.0, 99.9, QStringLiteral("#0.0"), QStringLiteral("dB"))};
}

}   // namespace

frmGainBal::frmGainBal(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    dialogkeys::FilterTypedKeys(ui.Text1, [this](QChar typed) { return Text1_KeyPress(typed); });
    connect(ui.btnOk, &QPushButton::clicked, this, &frmGainBal::btnOK_Click);
    connect(ui.btnCancel, &QPushButton::clicked, this, &frmGainBal::btnCancel_Click);
    Form_Load();
}

void frmGainBal::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    ui.Text1->setText(c.GainBalanceValue);
    valueShown_ = c.GainBalanceValue;
    ui.Check1->setChecked(c.GainBalanceEnabled);
}

bool frmGainBal::Text1_KeyPress(QChar typed)
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return true;
    }
    // No minus sign, and Enter does nothing here.
    return entry::FilterKey(entry::Keys::Decimal, typed) != entry::KeyAction::Pass;
}

// The value goes first, then the enable; each is stored only when the unit took it. A value
// the box does not take sends nothing at all.
void frmGainBal::btnOK_Click()
{
    if (!dialogsends::Typed(p_.platform.prompts, ui.Text1, valueShown_, valueField()))
        return;
    UnitConfig& c = p_.unit.config;
    dialogsends::Sends sends(p_);
    const double value = conv::Val(ui.Text1->text());
    if (value != conv::Val(c.GainBalanceValue)) {
        const QString text = conv::FormatNumber(value, QStringLiteral("#0.0"));
        if (sends.send({QStringLiteral("PG") + text}, QStringLiteral("gain balance ") + text + QStringLiteral(" dB")))
            c.GainBalanceValue = text;
    }
    const bool enabled = ui.Check1->isChecked();
    if (enabled != c.GainBalanceEnabled &&
        sends.send({enabled ? QStringLiteral("PG1") : QStringLiteral("PG0")},
                   enabled ? QStringLiteral("gain balance enabled") : QStringLiteral("gain balance disabled")))
        c.GainBalanceEnabled = enabled;
    sends.tell(windowTitle());
    accept();
}

void frmGainBal::btnCancel_Click() { reject(); }
