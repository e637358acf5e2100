// The wiring of the main window's controls to the handlers of its controllers.
#include "app/frmMain.h"
#include "app/MenuDialogRunner.h"
#include "app/Program.h"
#include "files/CalFileChoice.h"
#include "files/CmdFileActions.h"
#include "settings/TargetMenus.h"
#include "status/UnitConnection.h"
#include "platform/Clock.h"
#include "settings/CommandControls.h"
#include "settings/EntryBoxes.h"
#include "settings/LevelSetters.h"
#include "settings/SettingMenus.h"
#include "settings/UnitClock.h"
#include "status/EntryBoxState.h"
#include "status/FeatureReads.h"
#include "status/FirstRead.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/StatusPanels.h"
#include "status/SubBands.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include "transfers/CalTransfers.h"
#include "transfers/LogDownloads.h"
#include "ui/EntryBoxEvents.h"
#include "link/DeferredActions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "ui/EntryKeys.h"
#include "ui/UpDown.h"

namespace {

// Runs `action` on a double click of the label it watches.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

void onDoubleClick(QLabel* label, std::function<void()> action)
{
    label->installEventFilter(new DoubleClickFilter(label, std::move(action)));
}

}   // namespace

void frmMain::connectTargetMenus()
{
    for (size_t i = 0; i < ui.mnuComPort.size(); ++i) {
        connect(ui.mnuComPort[i], &QAction::triggered, this, [this, i](bool checked) {
            // The entry has already flipped its own mark; SetupSerialPort decides the marks.
            ui.mnuComPort[i]->setChecked(!checked);
            targets_->mnuComPort_Click(i);
        });
    }
    connect(ui.mnuPortScan, &QAction::triggered, this, [this] { targets_->mnuPortScan_Click(); });
    connect(ui.mnuEnterIP, &QAction::triggered, this, [this] { targets_->mnuEnterIP_Click(); });
    connect(ui.mnuEthPort, &QAction::triggered, this, [this] { targets_->mnuEthPort_Click(); });
    connect(ui.mnuLocateIP, &QAction::triggered, this, [this] { targets_->mnuLocateIP_Click(); });
}

void frmMain::connectLinkSignals()
{
    connect(ui.btnConnect, &QPushButton::clicked, this, [this] { connection_->btnConnect_Click(); });
    connect(ui.mnuConnect, &QAction::triggered, this, [this] { connection_->mnuConnect_Click(); });
    connect(ui.mnuExtSrch, &QAction::triggered, this, [this] { connection_->mnuExtSrch_Click(); });
    connect(ui.mnuAdvSrch, &QAction::triggered, this, [this] { connection_->mnuAdvSrch_Click(); });
    // The two check items have flipped their own mark before the signal: the handlers
    // decide the mark from its state before the click.
    connect(ui.mnuUseEnet, &QAction::triggered, this, [this](bool checked) {
        ui.mnuUseEnet->setChecked(!checked);
        settingMenus_->mnuUseEnet_Click();
    });
    connect(ui.mnuPollEn, &QAction::triggered, this, [this](bool checked) {
        ui.mnuPollEn->setChecked(!checked);
        settingMenus_->mnuPollEn_Click();
    });
    connect(ui.mnuPollAdrs, &QAction::triggered, this, [this] { settingMenus_->mnuPollAdrs_Click(); });
    connect(ui.mnuWatts, &QAction::triggered, this, [this] { settingMenus_->mnuWatts_Click(); });
}

void frmMain::connectCommandControls()
{
    connect(ui.chkPS, &QCheckBox::toggled, this, [this] { controls_->chkPS_Click(); });
    connect(ui.chkConstPwr, &QCheckBox::toggled, this, [this] { controls_->chkConstPwr_Click(); });
    connect(ui.chkRFI, &QCheckBox::toggled, this, [this] { controls_->chkRFI_Click(); });
    connect(ui.chkAutoMode, &QCheckBox::toggled, this, [this] { controls_->chkAutoMode_Click(); });
    connect(ui.cmbWgCfg, &QComboBox::currentIndexChanged, this, [this] { controls_->cmbWgCfg_Click(); });
    connect(ui.cmbWgSw1, &QComboBox::currentIndexChanged, this, [this] { controls_->cmbWgSw1_Click(); });
    connect(ui.cmbWgSw2, &QComboBox::currentIndexChanged, this, [this] { controls_->cmbWgSw2_Click(); });
    connect(ui.cmbRfBand, &QComboBox::currentIndexChanged, this, [this] { controls_->cmbRfBand_Click(); });
    connect(ui.btnFaultReset, &QPushButton::clicked, this, [this] { controls_->btnFaultReset_Click(); });
    connect(ui.btnGoToPwr, &QPushButton::clicked, this, [this] { controls_->btnGoToPwr_Click(); });
    EntryBoxEvents::install(ui.lblRFFrqVal, {nullptr, nullptr, nullptr, [this] { controls_->lblRFFrqVal_DblClick(); }});
    entries_->connectEntryBoxes();
    connectSpinControls();
    connectUnitClock();
}

void frmMain::connectUnitClock()
{
    connect(ui.Command7, &QPushButton::clicked, this, [this] { unitClock_->Command7_Click(); });
    // The letter the window wrote into the address box (a fill is no edit of the operator's).
    connect(ui.txtAdr, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!ui.txtAdr->isModified())
            unitClock_->adrLetter = text;
    });
    // Checked once the move of the focus has ended: the box is shown and the focus put back
    // outside the focus change under way.
    EntryBoxEvents::install(ui.txtDateTime, {nullptr, nullptr, [this](Qt::FocusReason reason) {
                                                 if (entry::LeavesBox(reason))
                                                     QMetaObject::invokeMethod(
                                                         this, [this] { unitClock_->txtDateTime_Validate(); },
                                                         Qt::QueuedConnection);
                                             }});
}

void frmMain::connectSettingMenus()
{
    // Each entry acts once the command waiting for its TCP reply has ended.
    const auto act = [this](QAction* entry, const std::function<void()>& handler) {
        connect(entry, &QAction::triggered, this, [this, handler] { whenLinkFree(handler); });
    };
    // A checkable entry has flipped its own mark before the signal: the mark goes back at
    // once, and only an acknowledged command changes it.
    const auto toggle = [this](QAction* entry, const std::function<void()>& handler) {
        connect(entry, &QAction::triggered, this, [this, entry, handler](bool checked) {
            entry->setChecked(!checked);
            whenLinkFree(handler);
        });
    };
    toggle(ui.mnuHeaterState, [this] { settingMenus_->mnuHeaterState_Click(); });
    toggle(ui.mnuHtrStby, [this] { settingMenus_->mnuHtrStby_Click(); });
    toggle(ui.mnuLEDMode, [this] { settingMenus_->mnuLEDMode_Click(); });
    toggle(ui.mnuRfiInvert, [this] { settingMenus_->mnuRfiInvert_Click(); });
    toggle(ui.mnuAutoHVDisable, [this] { settingMenus_->mnuAutoHVDisable_Click(); });
    toggle(ui.mnuAutoClrBUC, [this] { settingMenus_->mnuAutoClrBUC_Click(); });
    act(ui.mnuReturnLoss, [this] { settingMenus_->mnuReturnLoss_Click(); });
    act(ui.mnuReboot, [this] { settingMenus_->mnuReboot_Click(); });
    act(ui.mnuWgArcTest, [this] { settingMenus_->mnuWgArcTest_Click(); });
    act(ui.mnuSumFltTest, [this] { settingMenus_->mnuSumFltTest_Click(); });
    // The sub-band items on triggered: toggled would also fire when code sets their marks.
    for (int n = 1; n <= 8; ++n)
        connect(ui.subBandItem(n), &QAction::triggered, this,
                [this, n] { whenLinkFree([this, n] { settingMenus_->mnuSubB_Click(n); }); });
    act(ui.mnuOpenWebpage, [this] { settingMenus_->mnuOpenWebpage_Click(); });
    act(ui.mnuModelCfgPN, [this] { settingMenus_->mnuModelCfgPN_Click(); });
    act(ui.mnuISense, [this] { settingMenus_->mnuISense_Click(); });
    act(ui.mnuPsVset, [this] { settingMenus_->mnuPsVset_Click(); });
    connect(ui.mnuFileExit, &QAction::triggered, this, [this] { settingMenus_->mnuFileExit_Click(); });
}

void frmMain::connectDialogMenus()
{
    menus::RegisterMenuDialogs(menuDialogs_->menuDialogs);
    const std::pair<QAction*, MenuDialog> entries[] = {
        {ui.mnuEnetCfg, MenuDialog::EnetCfg},       {ui.mnuLLDPCfg, MenuDialog::LLDPCfg},
        {ui.mnuAmpCom, MenuDialog::AmpCom},         {ui.mnulcBucSetup, MenuDialog::lcBucSetup},
        {ui.mnuGainBal, MenuDialog::GainBal},       {ui.mnuMaxPwrLvl, MenuDialog::MaxPwrLvl},
        {ui.mnuStartupCfg, MenuDialog::StartupCfg}, {ui.mnuTempTripLevels, MenuDialog::TempTripLevels},
        {ui.mnuPowerSave, MenuDialog::PowerSave},   {ui.mnuPLog, MenuDialog::PLog},
        {ui.mnuTrendLogs, MenuDialog::TrendLogs},   {ui.mnuCalFactor, MenuDialog::CalFactor},
        {ui.mnuCmdLine, MenuDialog::CmdLine},       {ui.mnuHelpAbout, MenuDialog::HelpAbout},
    };
    for (const auto& [entry, row] : entries)
        connect(entry, &QAction::triggered, this, [this, row = row] { menuDialogs_->RunMenuDialog(row); });
    onDoubleClick(ui.lblSBandFrq, [this] { menuDialogs_->lblSBandFrq_DblClick(); });
    onDoubleClick(ui.lbllcBucDrive, [this] { menuDialogs_->lbllcBucDrive_DblClick(); });
}

void frmMain::connectFileMenus()
{
    connect(ui.mnuSaveAs, &QAction::triggered, this, [this] {
        BusyScope busy(busy_);
        cmdFile_->mnuSaveAs_Click();
    });
    connect(ui.mnuLoadFile, &QAction::triggered, this, [this] {
        BusyScope busy(busy_);
        cmdFile_->mnuLoadFile_Click();
    });
}

void frmMain::connectSpinControls()
{
    connect(ui.UpDown1, &UpDown::UpClick, this, [this] { entries_->UpDown1_UpClick(); });
    connect(ui.UpDown1, &UpDown::DownClick, this, [this] { entries_->UpDown1_DownClick(); });
    connect(ui.UpDown2, &UpDown::UpClick, this, [this] { entries_->UpDown2_UpClick(); });
    connect(ui.UpDown2, &UpDown::DownClick, this, [this] { entries_->UpDown2_DownClick(); });
    connect(ui.UpDown3, &UpDown::UpClick, this, [this] { entries_->UpDown3_UpClick(); });
    connect(ui.UpDown3, &UpDown::DownClick, this, [this] { entries_->UpDown3_DownClick(); });
    connect(ui.UpDown4, &UpDown::UpClick, this, [this] { entries_->UpDown4_UpClick(); });
    connect(ui.UpDown4, &UpDown::DownClick, this, [this] { entries_->UpDown4_DownClick(); });
}

void frmMain::connectTransferMenus()
{
    connectCalTableMenus();
    connect(ui.mnuDnldFltLog, &QAction::triggered, this, [this] {
        BusyScope busy(busy_);
        logs_->mnuDnldFltLog_Click();
    });
    connect(ui.mnuFullFaultLog, &QAction::triggered, this, [this] {
        BusyScope busy(busy_);
        logs_->mnuFullFaultLog_Click();
    });
}

void frmMain::connectCalTableMenus()
{
    for (const int index : {0, 1, 4, 5}) {
        connect(ui.mnuCalTables[index], &QAction::triggered, this, [this, index] {
            BusyScope busy(busy_);
            calTables_->mnuCalTables_Click(index);
        });
    }
}
