// The four spin controls: each click steps the box beside it and sends the new value.
#include "app/Program.h"
#include "app/frmMain.h"
#include "commands/RemoteMessage.h"
#include "link/Transaction.h"
#include "settings/LevelEntry.h"
#include "ui/UpDown.h"
#include <QCheckBox>
#include <QLineEdit>

void frmMain::connectSpinControls()
{
    connect(ui.UpDown1, &UpDown::UpClick, this, &frmMain::UpDown1_UpClick);
    connect(ui.UpDown1, &UpDown::DownClick, this, &frmMain::UpDown1_DownClick);
    connect(ui.UpDown2, &UpDown::UpClick, this, &frmMain::UpDown2_UpClick);
    connect(ui.UpDown2, &UpDown::DownClick, this, &frmMain::UpDown2_DownClick);
    connect(ui.UpDown3, &UpDown::UpClick, this, &frmMain::UpDown3_UpClick);
    connect(ui.UpDown3, &UpDown::DownClick, this, &frmMain::UpDown3_DownClick);
    connect(ui.UpDown4, &UpDown::UpClick, this, &frmMain::UpDown4_UpClick);
    connect(ui.UpDown4, &UpDown::DownClick, this, &frmMain::UpDown4_DownClick);
}

void frmMain::UpDown1_UpClick() { stepSpinControl(1, true); }
void frmMain::UpDown1_DownClick() { stepSpinControl(1, false); }
void frmMain::UpDown2_UpClick() { stepSpinControl(2, true); }
void frmMain::UpDown2_DownClick() { stepSpinControl(2, false); }
void frmMain::UpDown3_UpClick() { stepSpinControl(3, true); }
void frmMain::UpDown3_DownClick() { stepSpinControl(3, false); }
void frmMain::UpDown4_UpClick() { stepSpinControl(4, true); }
void frmMain::UpDown4_DownClick() { stepSpinControl(4, false); }

void frmMain::stepSpinControl(int control, bool up)
{
    // The downlink attenuation exists on the LLDP-capable family only: elsewhere the
    // arrows do nothing, not even the remote box.
    if (control == 2 && !p.unit.id.LldpFirmware)
        return;
    whenLinkFree([this, control, up] {
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        switch (control) {
        case 1:
            if (ui.chkConstPwr->isChecked()) {
                SetConstPwr(levels::ConstPowerStep(ui.txtConstLvl->text(), up));
            } else if (const auto text =
                           levels::AttenuationStep(ui.txtAtnDB->text(), up, p.unit.config.MaxAttenuation)) {
                ui.txtAtnDB->setText(*text);
                SetAtndB();
            }
            break;
        case 2:
            if (const auto text = levels::DownlinkStep(ui.txtAtnCnt->text(), up)) {
                ui.txtAtnCnt->setText(*text);
                SendUnitCommand(p, QStringLiteral("P/") + *text, false);
            }
            break;
        default: {
            QLineEdit* box = control == 3 ? ui.txtLinAmp : ui.txtLinPhase;
            if (const auto text = levels::LinearizerStep(box->text(), up)) {
                box->setText(*text);
                SendUnitCommand(p, (control == 3 ? QStringLiteral("PZ") : QStringLiteral("Pz")) + *text, false);
            }
            break;
        }
        }
    });
}
