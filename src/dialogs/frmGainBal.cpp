#include "dialogs/frmGainBal.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "ui/EntryKeys.h"
#include "ui/UnitValueBox.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

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
    ShowUnitValue(ui.Text1, c.GainBalanceValue);
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

// The value goes first, then the enable; each is stored only when the unit took it.
void frmGainBal::btnOK_Click()
{
    UnitConfig& c = p_.unit.config;
    const double value = conv::Val(ui.Text1->text());
    if (value != conv::Val(c.GainBalanceValue)) {
        const QString text = conv::FormatNumber(value, QStringLiteral("#0.0"));
        if (SendUnitCommand(p_, QStringLiteral("PG") + text))
            c.GainBalanceValue = text;
    }
    const bool enabled = ui.Check1->isChecked();
    if (enabled != c.GainBalanceEnabled && SendUnitCommand(p_, enabled ? QStringLiteral("PG1") : QStringLiteral("PG0")))
        c.GainBalanceEnabled = enabled;
    accept();
}

void frmGainBal::btnCancel_Click() { reject(); }
