// The main window's menu entries that act at once: the unit setting toggles, the return
// loss, the unit actions, the sub-band items and the program's own entries.
#include "app/Program.h"
#include "commands/RemoteMessage.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "app/frmMain.h"
#include <QAction>

namespace {
constexpr quint16 AutoClearBucBit = 512;   // bit 9 of the unit configuration word
}

void frmMain::connectSettingMenus()
{
    // Each entry acts once the command waiting for its TCP reply has ended.
    const auto act = [this](QAction* entry, void (frmMain::*handler)()) {
        connect(entry, &QAction::triggered, this,
                [this, handler] { whenLinkFree([this, handler] { (this->*handler)(); }); });
    };
    // A checkable entry has flipped its own mark before the signal: the mark goes back at
    // once, and only an acknowledged command changes it.
    const auto toggle = [this](QAction* entry, void (frmMain::*handler)()) {
        connect(entry, &QAction::triggered, this, [this, entry, handler](bool checked) {
            entry->setChecked(!checked);
            whenLinkFree([this, handler] { (this->*handler)(); });
        });
    };
    toggle(ui.mnuHeaterState, &frmMain::mnuHeaterState_Click);
    toggle(ui.mnuHtrStby, &frmMain::mnuHtrStby_Click);
    toggle(ui.mnuLEDMode, &frmMain::mnuLEDMode_Click);
    toggle(ui.mnuRfiInvert, &frmMain::mnuRfiInvert_Click);
    toggle(ui.mnuAutoHVDisable, &frmMain::mnuAutoHVDisable_Click);
    toggle(ui.mnuAutoClrBUC, &frmMain::mnuAutoClrBUC_Click);
    act(ui.mnuReturnLoss, &frmMain::mnuReturnLoss_Click);
    act(ui.mnuReboot, &frmMain::mnuReboot_Click);
    act(ui.mnuWgArcTest, &frmMain::mnuWgArcTest_Click);
    act(ui.mnuSumFltTest, &frmMain::mnuSumFltTest_Click);
    // The sub-band items on triggered: toggled would also fire when code sets their marks.
    for (int n = 1; n <= 8; ++n)
        connect(ui.subBandItem(n), &QAction::triggered, this,
                [this, n] { whenLinkFree([this, n] { mnuSubB_Click(n); }); });
    act(ui.mnuOpenWebpage, &frmMain::mnuOpenWebpage_Click);
    act(ui.mnuModelCfgPN, &frmMain::mnuModelCfgPN_Click);
    act(ui.mnuISense, &frmMain::mnuISense_Click);
    act(ui.mnuPsVset, &frmMain::mnuPsVset_Click);
    connect(ui.mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
}

void frmMain::toggleSetting(QAction* entry, bool remoteTest, const std::function<QString(bool tick)>& command,
                            const std::function<void(bool tick)>& acknowledged)
{
    if (remoteTest && !p.conn.RemoteMode) {
        ShowNotInRemoteMsg(p.platform.prompts);
        return;
    }
    const bool tick = !entry->isChecked();
    if (!SendUnitCommand(p, command(tick)))
        return;   // the configuration file reads the mark: it never shows a refused state
    entry->setChecked(tick);
    if (acknowledged)
        acknowledged(tick);
}

void frmMain::mnuHeaterState_Click()
{
    toggleSetting(ui.mnuHeaterState, true, [](bool tick) { return QString(tick ? "PBH1" : "PBH0"); });
}

void frmMain::mnuHtrStby_Click()
{
    toggleSetting(ui.mnuHtrStby, true, [](bool tick) { return QString(tick ? ":1" : ":0"); });
}

void frmMain::mnuLEDMode_Click()
{
    // Ticked means the status LED is off.
    toggleSetting(ui.mnuLEDMode, true, [](bool tick) { return QString(tick ? "PBW1" : "PBW0"); });
}

void frmMain::mnuRfiInvert_Click()
{
    // Ticked means the RF-inhibit input is inverted, which the unit reports as 0.
    toggleSetting(ui.mnuRfiInvert, true, [](bool tick) { return QString(tick ? "PTI0" : "PTI1"); });
}

void frmMain::mnuAutoHVDisable_Click()
{
    // Ticked means the automatic transmitter restore is off; sent in local mode too.
    toggleSetting(
        ui.mnuAutoHVDisable, false, [](bool tick) { return QString(tick ? "PBA0" : "PBA1"); },
        [this](bool tick) { p.unit.features.XmitRestoreDisabled = tick; });
}

void frmMain::mnuAutoClrBUC_Click()
{
    UnitIdentity& id = p.unit.id;
    // The word is 16 bits: one with bit 15 set goes out negative.
    const auto wordFor = [&id](bool tick) {
        const quint16 word = static_cast<quint16>(id.OptionWord);
        return static_cast<qint16>(tick ? (word | AutoClearBucBit) : (word & ~AutoClearBucBit));
    };
    toggleSetting(
        ui.mnuAutoClrBUC, true, [&](bool tick) { return QStringLiteral("YM") + QString::number(wordFor(tick)); },
        [&](bool tick) { id.OptionWord = wordFor(tick); });
}

void frmMain::mnuReturnLoss_Click()
{
    IPrompts& prompts = p.platform.prompts;
    if (!p.conn.RemoteMode) {
        ShowNotInRemoteMsg(prompts);
        return;
    }
    UnitConfig& c = p.unit.config;
    // The poll is off while the box is open and runs afterwards, while still connected.
    PollPause pause(p, PollPause::Mode::On);
    if (c.ReturnLossLevel < 0.0f) {
        prompts.message(QStringLiteral("Feature Not Supported by Unit"), QStringLiteral("Return Loss"),
                        PromptIcon::Exclamation);
        return;
    }
    const QString answer = prompts.input(QStringLiteral("Enter New Return Loss Value (dB)\r\n\r\nCurrent Value: ") +
                                             QString::number(double(c.ReturnLossLevel)),
                                         QStringLiteral("Return Loss Level (dB)"));
    const std::optional<double> level = conv::ToNumber(answer);
    // Below 0 is the program's mark for a unit without the setting: never sent.
    if (!level || *level < 0.0)
        return;
    if (SendUnitCommand(p, QStringLiteral("PS") + conv::FormatNumber(*level, QStringLiteral("##0.0"))))
        c.ReturnLossLevel = static_cast<float>(*level);
}

void frmMain::mnuReboot_Click()
{
    SendUnitCommand(p, QStringLiteral("~"));
    DisconnectFromUnit();
}

void frmMain::mnuWgArcTest_Click() { SendUnitCommand(p, QStringLiteral("PCT")); }

void frmMain::mnuSumFltTest_Click() { SendUnitCommand(p, QStringLiteral("PCS")); }

void frmMain::mnuSubB_Click(int n) { SetCurrentSubBand(static_cast<qint16>(n)); }

void frmMain::mnuOpenWebpage_Click()
{
    // Only four numbers 0 to 255 reach the shell, in their plain decimal form.
    const std::optional<QString> address = conv::DecimalIPv4(p.conn.UnitIPAddress);
    if (!address) {
        p.platform.prompts.message(QStringLiteral("Invalid IP Address"), QStringLiteral("IP Address Error"),
                                   PromptIcon::Exclamation);
        return;
    }
    p.platform.shell.open(QStringLiteral("http://") + *address);
}

void frmMain::mnuModelCfgPN_Click()
{
    p.platform.prompts.message(QStringLiteral("Model Config Part Number and Revision: \r\n\r\n") +
                                   p.unit.id.ModelCfgPartNo,
                               QStringLiteral("Model Config File"), PromptIcon::None, PromptButtons::Ok);
}

void frmMain::mnuFileExit_Click() { close(); }   // the close runs Form_Unload, which saves the settings

void frmMain::mnuISense_Click() { PollPause restart(p, PollPause::Mode::On); }

void frmMain::mnuPsVset_Click() { PollPause restart(p, PollPause::Mode::On); }
