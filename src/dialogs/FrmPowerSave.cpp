#include "dialogs/FrmPowerSave.h"
#include "commands/CommandContext.h"
#include "dialogs/SettingSends.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmPowerSave::FrmPowerSave(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    connect(ui.OKButton, &QPushButton::clicked, this, &FrmPowerSave::OKButton_Click);
    connect(ui.CancelButton, &QPushButton::clicked, this, &FrmPowerSave::CancelButton_Click);
    Form_Load();
}

void FrmPowerSave::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    setWindowTitle(QStringLiteral("Power Save Mode"));
    ui.chkPowerMode->setChecked(c.PowerSaveMode == 1);
    const bool known = c.PowerSaveLevel >= 0 && c.PowerSaveLevel <= 7;
    ui.cmbPowerLevel->setVisible(known);
    ui.lblPowerLevel->setVisible(known);
    ui.cmbPowerLevel->setCurrentIndex(known ? c.PowerSaveLevel : -1);
}

void FrmPowerSave::OKButton_Click()
{
    if (!p_.conn.RemoteMode)
        p_.platform.prompts.message(QStringLiteral("Not in Remote Mode!"), QStringLiteral("NOT REMOTE MODE"),
                                    PromptIcon::Exclamation);
    else
        sendChanges();
    accept();
}

// The level first, then the mode; each is stored only when the unit took it, and what it
// did not take is told in one box. No level is sent that the operator did not choose in the
// list.
void FrmPowerSave::sendChanges()
{
    UnitConfig& c = p_.unit.config;
    dialogsends::Sends sends(p_);
    if (!ui.cmbPowerLevel->isHidden() && ui.cmbPowerLevel->currentIndex() >= 0) {
        const auto level = static_cast<qint16>(conv::Val(ui.cmbPowerLevel->currentText().left(1)));
        const QString digit = QString::number(level);
        if (c.PowerSaveLevel >= 0 && level != c.PowerSaveLevel &&
            sends.send({QStringLiteral("NP") + digit}, QStringLiteral("power-save level ") + digit))
            c.PowerSaveLevel = level;
    }
    // The box against what it showed: a mode it cannot show (unreported, or another number)
    // is no change while the box stays as it opened.
    const bool on = ui.chkPowerMode->isChecked();
    const qint16 mode = on ? 1 : 0;
    if (on != (c.PowerSaveMode == 1) &&
        sends.send({QStringLiteral("N") + QString::number(mode)},
                   on ? QStringLiteral("power save enabled") : QStringLiteral("power save disabled")))
        c.PowerSaveMode = mode;
    sends.tell(windowTitle());
}

void FrmPowerSave::CancelButton_Click() { reject(); }
