// The check boxes, lists, buttons and the RF frequency label of the main window that send
// one command each. The original controls ran their click handler on every change of
// value, also one made by code; toggled and currentIndexChanged do the same here, so code
// that writes these controls holds FormUpdating to keep them silent. The buttons and the
// label act on the operator's click only.
#include "commands/CommandContext.h"
#include "settings/CommandControls.h"
#include "ui/frmMainUi.h"
#include "link/BusyScope.h"
#include "settings/LevelSetters.h"
#include "status/FeatureReads.h"
#include "status/WindowLayout.h"
#include "status/Readings.h"
#include "commands/RemoteMessage.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/Prompts.h"
#include "platform/TypedNumber.h"
#include "settings/ControlCommands.h"
#include "ui/EntryBoxEvents.h"
#include "settings/LevelEntry.h"
#include "ui/FormUpdatingGuard.h"
#include "status/SummaryDecode.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CommandControls::CommandControls(CommandContext& p, const frmMainUi& controls, QWidget& window, HandlerDepth& busy,
                                 LevelSetters& levels, FeatureReads& features, WindowLayout& layout, Readings& readings)
    : p(p), window_(window), busy_(busy), levels_(levels), features_(features), layout_(layout),
      readings_(readings), ui{.Label31 = controls.Label31,
                              .Label35 = controls.Label35,
                              .Label36 = controls.Label36,
                              .txtFdBm = controls.txtFdBm,
                              .chkConstPwr = controls.chkConstPwr,
                              .txtConstLvl = controls.txtConstLvl,
                              .cmbRfBand = controls.cmbRfBand,
                              .lblRFFrqVal = controls.lblRFFrqVal,
                              .chkPS = controls.chkPS,
                              .chkRFI = controls.chkRFI,
                              .cmbWgSw1 = controls.cmbWgSw1,
                              .cmbWgSw2 = controls.cmbWgSw2,
                              .chkAutoMode = controls.chkAutoMode,
                              .cmbWgCfg = controls.cmbWgCfg}
{
}

void CommandControls::checkBoxClicked(QCheckBox* box, std::function<void(bool tick)> send)
{
    if (p.conn.FormUpdating)
        return;
    const bool tick = box->checkState() == Qt::Checked;
    WhenLinkFree(p, window_, [this, box, tick, send = std::move(send)] {
        // Kept for later, the box acts as the operator left it, not as a poll wrote it since.
        if (box->isChecked() != tick) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            box->setChecked(tick);
        }
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            FormUpdatingGuard hold(p.conn.FormUpdating);
            box->setChecked(!tick);
            return;
        }
        send(tick);
    });
}

void CommandControls::listChosen(QComboBox* list, std::function<void(const QString& entry)> send)
{
    if (p.conn.FormUpdating)
        return;
    const int chosen = list->currentIndex();
    WhenLinkFree(p, window_, [this, list, chosen, send = std::move(send)] {
        if (chosen < 0 || chosen >= list->count())
            return;
        if (list->currentIndex() != chosen) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            list->setCurrentIndex(chosen);
        }
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);   // the list keeps the operator's entry
            return;
        }
        send(list->itemText(chosen));
    });
}

void CommandControls::chkPS_Click()
{
    checkBoxClicked(ui.chkPS, [this](bool tick) {
        if (SendUnitCommand(p, QString(tick ? "@" : "A"))) {
            if (tick)
                layout_.EnableConstPwrInput();
            else
                layout_.DisableConstPwrInput();
        }
        refreshAfterTransmitter();
    });
}

void CommandControls::refreshAfterTransmitter()
{
    // The unit takes a moment to switch: its readings are read after a second without the
    // poll, and the poll runs again only on the connection this began on.
    BusyScope busy(busy_);
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    PauseSeconds(p.platform.clock, 1);
    RunWhileConnected(
        connection, {
                        [&] { p.unit.id.IsTwtaUnit ? readings_.UpdateHelixHeater() : readings_.UpdateCurrentSense(); },
                        [&] { readings_.UpdateRFPower(); },
                        [&] { features_.UpdateRFIStatus(); },
                    });
}

void CommandControls::chkConstPwr_Click()
{
    checkBoxClicked(ui.chkConstPwr, [this](bool tick) {
        if (tick)
            levels_.SetConstPwr(controls::ConstPowerStartLevel(ui.txtFdBm->text(), ui.txtConstLvl->text()));
        else
            SendUnitCommand(p, QStringLiteral("H"));
    });
}

void CommandControls::chkRFI_Click()
{
    checkBoxClicked(ui.chkRFI, [this](bool tick) { SendUnitCommand(p, QString(tick ? "I" : "J")); });
}

void CommandControls::chkAutoMode_Click()
{
    checkBoxClicked(ui.chkAutoMode, [this](bool tick) { SendUnitCommand(p, QString(tick ? "UA" : "UM")); });
}

void CommandControls::cmbWgCfg_Click()
{
    listChosen(ui.cmbWgCfg, [this](const QString& entry) {
        if (const auto command = controls::WaveguideCfgCommand(entry))
            SendUnitCommand(p, *command);
    });
}

void CommandControls::cmbWgSw1_Click()
{
    listChosen(ui.cmbWgSw1, [this](const QString& entry) {
        if (const auto command = controls::WaveguideSwitchCommand(1, entry))
            SendUnitCommand(p, *command);
    });
}

void CommandControls::cmbWgSw2_Click()
{
    listChosen(ui.cmbWgSw2, [this](const QString& entry) {
        if (const auto command = controls::WaveguideSwitchCommand(2, entry))
            SendUnitCommand(p, *command);
    });
}

void CommandControls::cmbRfBand_Click()
{
    listChosen(ui.cmbRfBand, [this](const QString& name) {
        if (name.isEmpty() || !SendUnitCommand(p, QStringLiteral("T") + name))
            return;
        // The range checks and the files written later must use the band the unit now runs.
        const auto& names = p.unit.config.RfBandNames;
        qint16 band = static_cast<qint16>(ui.cmbRfBand->currentIndex() + 1);
        for (qint16 n = 1; n <= 4; ++n)
            if (names[static_cast<size_t>(n)] == name)
                band = n;
        features_.InitBandParameters(band);
    });
}

void CommandControls::btnFaultReset_Click()
{
    WhenLinkFree(p, window_, [this] {
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        const PollPause pause(p, PollPause::Mode::On);
        SendUnitCommand(p, QStringLiteral("B"));
    });
}

void CommandControls::btnGoToPwr_Click()
{
    if (p.conn.FormUpdating)
        return;
    WhenLinkFree(p, window_, [this] {
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        // Nothing to drive while the transmitter is not up, a fault is shown or RF is inhibited.
        const QString state = ui.Label31->text();
        if (ui.Label31->isHidden() || state == status::StateStandby || state == status::StateFtd ||
            state == status::StateWarmup || !ui.Label36->isHidden() || !ui.Label35->isHidden())
            return;
        levels_.GoToPower(levels::LevelValue(ui.txtConstLvl->text()));
    });
}

void CommandControls::lblRFFrqVal_DblClick()
{
    // Sent in local mode too.
    WhenLinkFree(p, window_, [this] {
        // Whole MHz in at most five places, as "####0" writes them; the caption left as it was
        // sends nothing.
        const std::optional<QString> answer =
            typednum::Ask(p.platform.prompts, QStringLiteral("Enter new Frequency in MHz:"),
                          QStringLiteral("RF Frequency"), ui.lblRFFrqVal->text(),
                          {QStringLiteral("RF Frequency"), 0, true,
                           typednum::Between(1, 99999, QStringLiteral("0"), QStringLiteral("MHz"))});
        const std::optional<QString> frequency = answer ? controls::RfFrequencyEntry(*answer) : std::nullopt;
        if (!frequency)
            return;
        p.unit.readings.RfFrequencyText = *frequency;
        SendUnitCommand(p, QStringLiteral("TF") + *frequency, true);
        readings_.UpdateRFFrequency();
    });
}
