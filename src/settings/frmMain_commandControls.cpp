// The check boxes, lists, buttons and the RF frequency label of the main window that send
// one command each. The original controls ran their click handler on every change of
// value, also one made by code; toggled and currentIndexChanged do the same here, so code
// that writes these controls holds FormUpdating to keep them silent. The buttons and the
// label act on the operator's click only.
#include "app/Program.h"
#include "app/frmMain.h"
#include "commands/RemoteMessage.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/Prompts.h"
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

void frmMain::connectCommandControls()
{
    connect(ui.chkPS, &QCheckBox::toggled, this, &frmMain::chkPS_Click);
    connect(ui.chkConstPwr, &QCheckBox::toggled, this, &frmMain::chkConstPwr_Click);
    connect(ui.chkRFI, &QCheckBox::toggled, this, &frmMain::chkRFI_Click);
    connect(ui.chkAutoMode, &QCheckBox::toggled, this, &frmMain::chkAutoMode_Click);
    connect(ui.cmbWgCfg, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgCfg_Click);
    connect(ui.cmbWgSw1, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgSw1_Click);
    connect(ui.cmbWgSw2, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgSw2_Click);
    connect(ui.cmbRfBand, &QComboBox::currentIndexChanged, this, &frmMain::cmbRfBand_Click);
    connect(ui.btnFaultReset, &QPushButton::clicked, this, &frmMain::btnFaultReset_Click);
    connect(ui.btnGoToPwr, &QPushButton::clicked, this, &frmMain::btnGoToPwr_Click);
    EntryBoxEvents::install(ui.lblRFFrqVal, {nullptr, nullptr, nullptr, [this] { lblRFFrqVal_DblClick(); }});
    connectEntryBoxes();
    connectSpinControls();
    connectUnitClock();
}

void frmMain::showNotInRemote() { ShowNotInRemoteMsg(p.platform.prompts); }

void frmMain::checkBoxClicked(QCheckBox* box, std::function<void(bool tick)> send)
{
    if (p.conn.FormUpdating)
        return;
    const bool tick = box->checkState() == Qt::Checked;
    whenLinkFree([this, box, tick, send = std::move(send)] {
        // Kept for later, the box acts as the operator left it, not as a poll wrote it since.
        if (box->isChecked() != tick) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            box->setChecked(tick);
        }
        if (!p.conn.RemoteMode) {
            showNotInRemote();
            FormUpdatingGuard hold(p.conn.FormUpdating);
            box->setChecked(!tick);
            return;
        }
        send(tick);
    });
}

void frmMain::listChosen(QComboBox* list, std::function<void(const QString& entry)> send)
{
    if (p.conn.FormUpdating)
        return;
    const int chosen = list->currentIndex();
    whenLinkFree([this, list, chosen, send = std::move(send)] {
        if (chosen < 0 || chosen >= list->count())
            return;
        if (list->currentIndex() != chosen) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            list->setCurrentIndex(chosen);
        }
        if (!p.conn.RemoteMode) {
            showNotInRemote();   // the list keeps the operator's entry
            return;
        }
        send(list->itemText(chosen));
    });
}

void frmMain::chkPS_Click()
{
    checkBoxClicked(ui.chkPS, [this](bool tick) {
        if (SendUnitCommand(p, QString(tick ? "@" : "A"))) {
            if (tick)
                EnableConstPwrInput();
            else
                DisableConstPwrInput();
        }
        refreshAfterTransmitter();
    });
}

void frmMain::refreshAfterTransmitter()
{
    // The unit takes a moment to switch: its readings are read after a second without the
    // poll, and the poll runs again only on the connection this began on.
    BusyScope busy(*this);
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    PauseSeconds(p.platform.clock, 1);
    RunWhileConnected(connection, {
                                      [&] { p.unit.id.IsTwtaUnit ? UpdateHelixHeater() : UpdateCurrentSense(); },
                                      [&] { UpdateRFPower(); },
                                      [&] { UpdateRFIStatus(); },
                                  });
}

void frmMain::chkConstPwr_Click()
{
    checkBoxClicked(ui.chkConstPwr, [this](bool tick) {
        if (tick)
            SetConstPwr(controls::ConstPowerStartLevel(ui.txtFdBm->text(), ui.txtConstLvl->text()));
        else
            SendUnitCommand(p, QStringLiteral("H"));
    });
}

void frmMain::chkRFI_Click()
{
    checkBoxClicked(ui.chkRFI, [this](bool tick) { SendUnitCommand(p, QString(tick ? "I" : "J")); });
}

void frmMain::chkAutoMode_Click()
{
    checkBoxClicked(ui.chkAutoMode, [this](bool tick) { SendUnitCommand(p, QString(tick ? "UA" : "UM")); });
}

void frmMain::cmbWgCfg_Click()
{
    listChosen(ui.cmbWgCfg, [this](const QString& entry) {
        if (const auto command = controls::WaveguideCfgCommand(entry))
            SendUnitCommand(p, *command);
    });
}

void frmMain::cmbWgSw1_Click()
{
    listChosen(ui.cmbWgSw1, [this](const QString& entry) {
        if (const auto command = controls::WaveguideSwitchCommand(1, entry))
            SendUnitCommand(p, *command);
    });
}

void frmMain::cmbWgSw2_Click()
{
    listChosen(ui.cmbWgSw2, [this](const QString& entry) {
        if (const auto command = controls::WaveguideSwitchCommand(2, entry))
            SendUnitCommand(p, *command);
    });
}

void frmMain::cmbRfBand_Click()
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
        InitBandParameters(band);
    });
}

void frmMain::btnFaultReset_Click()
{
    whenLinkFree([this] {
        if (!p.conn.RemoteMode) {
            showNotInRemote();
            return;
        }
        const PollPause pause(p, PollPause::Mode::On);
        SendUnitCommand(p, QStringLiteral("B"));
    });
}

void frmMain::btnGoToPwr_Click()
{
    if (p.conn.FormUpdating)
        return;
    whenLinkFree([this] {
        if (!p.conn.RemoteMode) {
            showNotInRemote();
            return;
        }
        // Nothing to drive while the transmitter is not up, a fault is shown or RF is inhibited.
        const QString state = ui.Label31->text();
        if (ui.Label31->isHidden() || state == status::StateStandby || state == status::StateFtd ||
            state == status::StateWarmup || !ui.Label36->isHidden() || !ui.Label35->isHidden())
            return;
        GoToPower(levels::LevelValue(ui.txtConstLvl->text()));
    });
}

void frmMain::lblRFFrqVal_DblClick()
{
    // Sent in local mode too.
    whenLinkFree([this] {
        const QString answer = p.platform.prompts.input(QStringLiteral("Enter new Frequency in MHz:"),
                                                        QStringLiteral("RF Frequency"), ui.lblRFFrqVal->text());
        const auto frequency = controls::RfFrequencyEntry(answer);
        if (!frequency)
            return;
        p.unit.readings.RfFrequencyText = *frequency;
        SendUnitCommand(p, QStringLiteral("TF") + *frequency, true);
        UpdateRFFrequency();
    });
}
