// The main window's menu entries that act at once: the unit setting toggles, the return
// loss, the unit actions, the sub-band items and the program's own entries.
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/TypedNumber.h"
#include "settings/SettingMenus.h"
#include "ui/frmMainUi.h"
#include "status/UnitConnection.h"
#include "status/SubBands.h"
#include "status/PowerUnits.h"
#include <QAction>

namespace {
constexpr quint16 AutoClearBucBit = 512;   // bit 9 of the unit configuration word

// A level as a plain number, never with an exponent: 14.5, 7, 99999997952.
QString plainNumber(float value)
{
    QString text = conv::FormatNumber(value, QStringLiteral("0.######"));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// From 0 (below it is the program's mark for a unit without the setting) to the most that
// "##0.0" writes in three places.
typednum::Field returnLossField()
{
    return {QStringLiteral("Return Loss"), 0, true,
            typednum::Between(0.0, 999.9, QStringLiteral("##0.0"), QStringLiteral("dB"))};
}
}   // namespace

// The main window's menu entries that change how the program itself works: the link
// choice, the single poll address and the power display unit.
#include "link/TargetEntries.h"
#include <QPushButton>

SettingMenus::SettingMenus(CommandContext& p, const frmMainUi& controls, QWidget& window, UnitConnection& connection,
                           SubBands& bands, PowerUnits& powerUnits)
    : p(p), window_(window), connection_(connection), bands_(bands),
      powerUnits_(powerUnits), ui{.btnConnect = controls.btnConnect,
                                  .mnuAdvSrch = controls.mnuAdvSrch,
                                  .mnuPollEn = controls.mnuPollEn,
                                  .mnuPollAdrs = controls.mnuPollAdrs,
                                  .mnuUseEnet = controls.mnuUseEnet,
                                  .mnuHeaterState = controls.mnuHeaterState,
                                  .mnuHtrStby = controls.mnuHtrStby,
                                  .mnuLEDMode = controls.mnuLEDMode,
                                  .mnuRfiInvert = controls.mnuRfiInvert,
                                  .mnuAutoHVDisable = controls.mnuAutoHVDisable,
                                  .mnuAutoClrBUC = controls.mnuAutoClrBUC,
                                  .mnuWatts = controls.mnuWatts}
{
}

void SettingMenus::toggleSetting(QAction* entry, bool remoteTest, const std::function<QString(bool tick)>& command,
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

void SettingMenus::mnuHeaterState_Click()
{
    toggleSetting(ui.mnuHeaterState, true, [](bool tick) { return QString(tick ? "PBH1" : "PBH0"); });
}

void SettingMenus::mnuHtrStby_Click()
{
    toggleSetting(ui.mnuHtrStby, true, [](bool tick) { return QString(tick ? ":1" : ":0"); });
}

void SettingMenus::mnuLEDMode_Click()
{
    // Ticked means the status LED is off.
    toggleSetting(ui.mnuLEDMode, true, [](bool tick) { return QString(tick ? "PBW1" : "PBW0"); });
}

void SettingMenus::mnuRfiInvert_Click()
{
    // Ticked means the RF-inhibit input is inverted, which the unit reports as 0.
    toggleSetting(ui.mnuRfiInvert, true, [](bool tick) { return QString(tick ? "PTI0" : "PTI1"); });
}

void SettingMenus::mnuAutoHVDisable_Click()
{
    // Ticked means the automatic transmitter restore is off; sent in local mode too.
    toggleSetting(
        ui.mnuAutoHVDisable, false, [](bool tick) { return QString(tick ? "PBA0" : "PBA1"); },
        [this](bool tick) { p.unit.features.XmitRestoreDisabled = tick; });
}

void SettingMenus::mnuAutoClrBUC_Click()
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

void SettingMenus::mnuReturnLoss_Click()
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
    const QString title = QStringLiteral("Return Loss Level (dB)");
    const std::optional<QString> answer = typednum::Ask(
        prompts,
        QStringLiteral("Enter New Return Loss Value (dB)\r\n\r\nCurrent Value: ") + plainNumber(c.ReturnLossLevel),
        title, QString(), returnLossField());
    if (!answer)
        return;
    const double level = conv::Val(*answer);
    const QString text = conv::FormatNumber(level, QStringLiteral("##0.0"));
    if (SendUnitCommand(p, QStringLiteral("PS") + text))
        c.ReturnLossLevel = static_cast<float>(level);
    else
        ShowNotTaken(prompts, title, {QStringLiteral("return loss ") + text + QStringLiteral(" dB")});
}

void SettingMenus::mnuReboot_Click()
{
    SendUnitCommand(p, QStringLiteral("~"));
    connection_.DisconnectFromUnit();
}

void SettingMenus::mnuWgArcTest_Click() { SendUnitCommand(p, QStringLiteral("PCT")); }

void SettingMenus::mnuSumFltTest_Click() { SendUnitCommand(p, QStringLiteral("PCS")); }

void SettingMenus::mnuSubB_Click(int n) { bands_.SetCurrentSubBand(static_cast<qint16>(n)); }

void SettingMenus::mnuOpenWebpage_Click()
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

void SettingMenus::mnuModelCfgPN_Click()
{
    p.platform.prompts.message(QStringLiteral("Model Config Part Number and Revision: \r\n\r\n") +
                                   p.unit.id.ModelCfgPartNo,
                               QStringLiteral("Model Config File"), PromptIcon::None, PromptButtons::Ok);
}

void SettingMenus::mnuFileExit_Click() { window_.close(); }   // the close runs Form_Unload, which saves the settings

void SettingMenus::mnuISense_Click() { PollPause restart(p, PollPause::Mode::On); }

void SettingMenus::mnuPsVset_Click() { PollPause restart(p, PollPause::Mode::On); }

void SettingMenus::mnuUseEnet_Click()
{
    // Only the next connect follows the new choice: a live connection keeps its link.
    if (ui.mnuUseEnet->isChecked()) {
        ui.mnuUseEnet->setChecked(false);
        p.conn.UseEnet = false;
        if (ui.btnConnect->text() == QStringLiteral("Connect"))
            ui.mnuAdvSrch->setEnabled(true);
    } else {
        ui.mnuUseEnet->setChecked(true);
        p.conn.UseEnet = true;
        ui.mnuAdvSrch->setEnabled(false);
    }
}

void SettingMenus::mnuPollEn_Click()
{
    const bool ticked = !ui.mnuPollEn->isChecked();
    ui.mnuPollEn->setChecked(ticked);
    ui.mnuAdvSrch->setEnabled(!ticked);
}

void SettingMenus::mnuPollAdrs_Click()
{
    IPrompts& prompts = p.platform.prompts;
    const QString answer = prompts.input(QStringLiteral("Enter Unit Address (A-Z)"), QStringLiteral("Unit Address"),
                                         QString(QChar(p.conn.PollAddress)));
    if (answer.isEmpty())
        return;
    const std::optional<qint16> code = PollAddressEntry(answer);
    if (!code) {
        prompts.message(PollAddressRefusal(), QStringLiteral("Tubamon"), PromptIcon::Exclamation);
        return;
    }
    p.conn.PollAddress = *code;
    ui.mnuPollAdrs->setText(QStringLiteral("Poll Address ") + answer);
}

void SettingMenus::mnuWatts_Click()
{
    const QString caption = ui.mnuWatts->text();
    if (caption == QStringLiteral("Display Watts")) {
        powerUnits_.DisplayToWatts();
        ui.mnuWatts->setText(QStringLiteral("Display dBm"));
    } else if (caption == QStringLiteral("Display dBm")) {
        powerUnits_.DisplayTodBm();
        ui.mnuWatts->setText(QStringLiteral("Display Watts"));
    }
}
