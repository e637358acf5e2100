#include "dialogs/frmStartup.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/SettingSends.h"
#include "ui/FormUpdatingGuard.h"
#include <QPushButton>
#include <QRadioButton>

frmStartup::frmStartup(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    // Operator choices only: a click or Space. The arrow keys browse without choosing.
    connect(ui.optNorm, &QRadioButton::clicked, this, &frmStartup::optNorm_Click);
    connect(ui.optOff, &QRadioButton::clicked, this, &frmStartup::optOff_Click);
    connect(ui.optOn, &QRadioButton::clicked, this, &frmStartup::optOn_Click);
    connect(ui.Command1, &QPushButton::clicked, this, &frmStartup::Command1_Click);
    dialogkeys::MakeOptionGroup(options());
    Form_Load();
}

QList<QAbstractButton*> frmStartup::options() const { return {ui.optNorm, ui.optOff, ui.optOn}; }

void frmStartup::Form_Load()
{
    FormUpdatingGuard guard(p_.conn.FormUpdating);
    const qint16 mode = p_.unit.config.StartupMode;
    if (mode < 0) {
        // Not reported: nothing but "Normal" can be shown.
        ui.optOff->setEnabled(false);
        ui.optOn->setEnabled(false);
        shown_ = 0;
    } else {
        shown_ = mode <= 2 ? mode : -1;
    }
    dialogkeys::SelectOption(options(), shown_);
}

void frmStartup::optNorm_Click() { choose(0); }
void frmStartup::optOff_Click() { choose(1); }
void frmStartup::optOn_Click() { choose(2); }

// Ends with the stored state's option selected: the new one when the unit took it; a box
// tells a state the unit did not take.
void frmStartup::choose(qint16 mode)
{
    if (p_.conn.FormUpdating)
        return;
    dialogsends::Sends sends(p_);
    if (mode != shown_) {
        if (!p_.conn.RemoteMode) {
            ShowNotInRemoteMsg(p_.platform.prompts);
        } else if (sends.send({QStringLiteral("PX") + QString::number(mode)},
                              QStringLiteral("start-up state ") + options().at(mode)->text())) {
            p_.unit.config.StartupMode = mode;
            shown_ = mode;
        }
    }
    dialogkeys::SelectOption(options(), shown_);
    sends.tell(windowTitle());
}

void frmStartup::Command1_Click() { accept(); }
