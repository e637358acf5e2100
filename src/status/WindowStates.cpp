// The main window's states: cleared (no unit), disabled and enabled as a whole.
#include "link/ConnectButton.h"
#include "commands/CommandContext.h"
#include "files/FilesState.h"
#include "status/PollRules.h"
#include "ui/UpDown.h"
#include "status/WindowStates.h"
#include "ui/frmMainUi.h"
#include "status/WindowLayout.h"
#include "status/StatusPanels.h"
#include "status/PowerUnits.h"
#include "status/SubBands.h"
#include "status/EntryBoxState.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

WindowStates::WindowStates(CommandContext& p, FilesState& files, const frmMainUi& controls, WindowLayout& layout,
                           StatusPanels& panels, PowerUnits& powerUnits, SubBands& bands, EntryBoxState& entryState,
                           QWidget& window)
    : p(p), files_(files), layout_(layout), panels_(panels), powerUnits_(powerUnits), bands_(bands),
      entryState_(entryState), window_(window), ui{.txtFdBm = controls.txtFdBm,
                                                   .txtFCnt = controls.txtFCnt,
                                                   .txtRdBm = controls.txtRdBm,
                                                   .txtRCnt = controls.txtRCnt,
                                                   .txtAtnDB = controls.txtAtnDB,
                                                   .UpDown1 = controls.UpDown1,
                                                   .Label2 = controls.Label2,
                                                   .txtAtnCnt = controls.txtAtnCnt,
                                                   .UpDown2 = controls.UpDown2,
                                                   .txtTemp = controls.txtTemp,
                                                   .Label12 = controls.Label12,
                                                   .txtTemp2 = controls.txtTemp2,
                                                   .Label14 = controls.Label14,
                                                   .chkConstPwr = controls.chkConstPwr,
                                                   .txtConstLvl = controls.txtConstLvl,
                                                   .btnGoToPwr = controls.btnGoToPwr,
                                                   .cmbRfBand = controls.cmbRfBand,
                                                   .lblRFFrq = controls.lblRFFrq,
                                                   .lblRFFrqVal = controls.lblRFFrqVal,
                                                   .lblSBandFrq = controls.lblSBandFrq,
                                                   .chkPS = controls.chkPS,
                                                   .chkRFI = controls.chkRFI,
                                                   .cmbFhiTripType = controls.cmbFhiTripType,
                                                   .txtFhiLvl = controls.txtFhiLvl,
                                                   .cmbFloTripType = controls.cmbFloTripType,
                                                   .txtFloLvl = controls.txtFloLvl,
                                                   .cmbRhiTripType = controls.cmbRhiTripType,
                                                   .txtRhiLvl = controls.txtRhiLvl,
                                                   .txtHelixV = controls.txtHelixV,
                                                   .txtHelixI = controls.txtHelixI,
                                                   .txtHeaterV = controls.txtHeaterV,
                                                   .txtHelix2I = controls.txtHelix2I,
                                                   .txtAnodeV = controls.txtAnodeV,
                                                   .txtCathI = controls.txtCathI,
                                                   .txtCS1 = controls.txtCS1,
                                                   .txtCS3 = controls.txtCS3,
                                                   .txtCS2 = controls.txtCS2,
                                                   .txtCS4 = controls.txtCS4,
                                                   .lblTWTSrvc = controls.lblTWTSrvc,
                                                   .lblTWTLife = controls.lblTWTLife,
                                                   .cmbWgSw1 = controls.cmbWgSw1,
                                                   .cmbWgSw2 = controls.cmbWgSw2,
                                                   .chkAutoMode = controls.chkAutoMode,
                                                   .cmbWgCfg = controls.cmbWgCfg,
                                                   .txtPSHours = controls.txtPSHours,
                                                   .txtXmtHours = controls.txtXmtHours,
                                                   .txtLinAmp = controls.txtLinAmp,
                                                   .UpDown3 = controls.UpDown3,
                                                   .txtLinPhase = controls.txtLinPhase,
                                                   .UpDown4 = controls.UpDown4,
                                                   .txtFrmRev = controls.txtFrmRev,
                                                   .txtCplDate = controls.txtCplDate,
                                                   .txtPN = controls.txtPN,
                                                   .txtSN = controls.txtSN,
                                                   .txtDateTime = controls.txtDateTime,
                                                   .Command7 = controls.Command7,
                                                   .txtAdr = controls.txtAdr,
                                                   .btnConnect = controls.btnConnect,
                                                   .btnFaultReset = controls.btnFaultReset,
                                                   .sbStatusBarPanel1 = controls.sbStatusBarPanel1,
                                                   .mnuLoadFile = controls.mnuLoadFile,
                                                   .mnuSaveAs = controls.mnuSaveAs,
                                                   .mnuFaultLog = controls.mnuFaultLog,
                                                   .mnuDnldFltLog = controls.mnuDnldFltLog,
                                                   .mnuFullFaultLog = controls.mnuFullFaultLog,
                                                   .mnuPLog = controls.mnuPLog,
                                                   .mnuTrendLogs = controls.mnuTrendLogs,
                                                   .mnuAtnCal = controls.mnuAtnCal,
                                                   .mnuCalFactor = controls.mnuCalFactor,
                                                   .mnuCalTables = controls.mnuCalTables,
                                                   .mnuUseEnet = controls.mnuUseEnet,
                                                   .mnuEnterIP = controls.mnuEnterIP,
                                                   .mnuEthPort = controls.mnuEthPort,
                                                   .mnuOpenWebpage = controls.mnuOpenWebpage,
                                                   .mnuEnetCfg = controls.mnuEnetCfg,
                                                   .mnuLLDPCfg = controls.mnuLLDPCfg,
                                                   .mnuAmpCom = controls.mnuAmpCom,
                                                   .mnulcBucSetup = controls.mnulcBucSetup,
                                                   .mnuGainBal = controls.mnuGainBal,
                                                   .mnuMaxPwrLvl = controls.mnuMaxPwrLvl,
                                                   .mnuStartupCfg = controls.mnuStartupCfg,
                                                   .mnuTempTripLevels = controls.mnuTempTripLevels,
                                                   .mnuFltAlm = controls.mnuFltAlm,
                                                   .mnuReturnLoss = controls.mnuReturnLoss,
                                                   .mnuPsVset = controls.mnuPsVset,
                                                   .mnuISense = controls.mnuISense,
                                                   .mnuCathCurInit = controls.mnuCathCurInit,
                                                   .mnuHeaterState = controls.mnuHeaterState,
                                                   .mnuHtrStby = controls.mnuHtrStby,
                                                   .mnuLEDMode = controls.mnuLEDMode,
                                                   .mnuRfiInvert = controls.mnuRfiInvert,
                                                   .mnuAutoHVDisable = controls.mnuAutoHVDisable,
                                                   .mnuAutoClrBUC = controls.mnuAutoClrBUC,
                                                   .mnuReboot = controls.mnuReboot,
                                                   .mnuModelCfgPN = controls.mnuModelCfgPN,
                                                   .mnuWgArcTest = controls.mnuWgArcTest,
                                                   .mnuSumFltTest = controls.mnuSumFltTest,
                                                   .mnuWatts = controls.mnuWatts}
{
}

void WindowStates::ClearForm()
{
    window_.setWindowTitle(QStringLiteral("Tubamon Utility"));
    files_.FaultLogQF = false;
    p.unit.config.HasRfBandNames = false;
    p.conn.FirstReadDone = false;
    p.conn.FormUpdating = true;   // stays set until the next first read
    p.unit.id.OduBucUnit = false;
    p.unit.cathode.NegativeAnodeEnabled = false;
    bands_.ClearSubBands(true);
    p.unit.config.ObmipSupported = false;
    p.unit.id.ReportedFwPartNo.clear();

    for (QLineEdit* box :
         {ui.txtFrmRev,   ui.txtCplDate, ui.txtPN,       ui.txtSN,      ui.txtAdr,      ui.txtDateTime, ui.txtAtnDB,
          ui.txtAtnCnt,   ui.txtLinAmp,  ui.txtLinPhase, ui.txtPSHours, ui.txtXmtHours, ui.txtFdBm,     ui.txtFCnt,
          ui.txtRdBm,     ui.txtRCnt,    ui.txtFhiLvl,   ui.txtFloLvl,  ui.txtRhiLvl,   ui.txtHelixV,   ui.txtHelixI,
          ui.txtHeaterV,  ui.txtHelix2I, ui.txtCS1,      ui.txtCS2,     ui.txtCS3,      ui.txtCS4,      ui.txtTemp,
          ui.txtConstLvl, ui.txtAnodeV,  ui.txtCathI})
        box->clear();
    // The identity boxes' texts too: the next identification fills only what its unit reports.
    p.unit.id.boxes = {};
    for (QComboBox* c :
         {ui.cmbFhiTripType, ui.cmbFloTripType, ui.cmbRhiTripType, ui.cmbWgCfg, ui.cmbWgSw1, ui.cmbWgSw2, ui.cmbRfBand})
        c->setCurrentIndex(-1);
    for (QCheckBox* c : {ui.chkPS, ui.chkRFI, ui.chkAutoMode, ui.chkConstPwr})
        c->setChecked(false);

    UnitConfig& cfg = p.unit.config;
    cfg.Com1Baud = 0;
    cfg.Com1Parity = QStringLiteral(" ");
    cfg.Com1DataBits = 0;
    cfg.Com1StopBits = 0;
    cfg.Com2Baud = 0;
    cfg.Com2Parity = QStringLiteral(" ");
    cfg.Com2DataBits = 0;
    cfg.Com2StopBits = 0;
    cfg.Rs485WireCount = 0;
    cfg.Rs485Termination = QStringLiteral(" ");

    ui.sbStatusBarPanel1->clear();
    ui.mnuPLog->setVisible(false);
    ui.mnuCalFactor->setVisible(false);
    p.unit.id.UnitSerialNo.clear();
    p.unit.id.FirmwarePartNo.clear();
    cfg.CurrentBandText.clear();

    panels_.ClearSummaryStatus();
    panels_.ClearFaultStatus();
    ui.mnuTempTripLevels->setEnabled(false);
    ui.mnuLEDMode->setVisible(false);
    ui.mnuLEDMode->setChecked(false);
    layout_.SetupHelixHeaterForNewDualTWT(false);
    ui.mnuAutoHVDisable->setChecked(false);
    // Menus that a layout step may leave as they are start from the same state for every
    // unit: the heater menus hidden and unticked until the unit reports its heater, the full
    // fault log as the window is designed.
    ui.mnuHtrStby->setChecked(false);
    ui.mnuHeaterState->setChecked(false);
    ui.mnuHeaterState->setVisible(false);
    ui.mnuFullFaultLog->setVisible(true);
    p.display.InletTempShown = false;
    p.unit.features.TwtLifeAvailable = false;

    ui.lblSBandFrq->clear();
    ui.lblRFFrqVal->clear();
    ui.lblRFFrqVal->hide();
    ui.lblRFFrq->hide();
    ui.lblTWTSrvc->hide();
    ui.lblTWTLife->hide();
    ui.lblTWTLife->clear();
    ui.Label12->hide();
    ui.txtTemp2->hide();
    ui.txtTemp2->clear();
    ui.Label14->hide();

    // The link menus, and those a previous unit's layout may have hidden or disabled.
    for (QAction* a : {ui.mnuUseEnet, ui.mnuEnterIP, ui.mnuEthPort, ui.mnuOpenWebpage, ui.mnuAmpCom})
        a->setVisible(true);
    ui.mnuOpenWebpage->setEnabled(true);

    p.unit.id.CathodeCountFirmware = false;
    p.conn.AbortScan = false;
    cfg.MaxPowerFaultLevel = QStringLiteral("-1");
    cfg.MaxPowerLimitValue.clear();
    cfg.MaxPowerLimitSecondValue.clear();
    cfg.MaxPowerLimitEnabled = false;
    ui.mnuLLDPCfg->setVisible(false);
    p.unit.id.LldpFirmware = false;

    ui.Label2->hide();
    ui.txtAtnCnt->hide();
    ui.UpDown2->hide();
    ui.Label2->setText(QStringLiteral("DAC"));
    ui.txtAtnCnt->clear();
    ui.btnGoToPwr->setEnabled(false);
    powerUnits_.DisplayDrivePower(false);
    ui.mnuCathCurInit->setVisible(false);
    layout_.DisableCathodeCurrentDisplay();
}

// The controls DisableForm disables and EnableForm enables again.
std::vector<QWidget*> WindowStates::unitEntryControls() const
{
    return {ui.txtPN,       ui.txtSN,          ui.txtAdr,         ui.txtDateTime,    ui.txtAtnDB,  ui.txtAtnCnt,
            ui.UpDown1,     ui.UpDown2,        ui.txtLinAmp,      ui.txtLinPhase,    ui.UpDown3,   ui.UpDown4,
            ui.cmbWgCfg,    ui.txtPSHours,     ui.txtXmtHours,    ui.txtConstLvl,    ui.cmbWgSw1,  ui.cmbWgSw2,
            ui.chkAutoMode, ui.chkPS,          ui.chkRFI,         ui.chkConstPwr,    ui.txtFhiLvl, ui.txtFloLvl,
            ui.txtRhiLvl,   ui.cmbFhiTripType, ui.cmbFloTripType, ui.cmbRhiTripType, ui.Command7,  ui.btnFaultReset};
}

std::vector<QAction*> WindowStates::unitMenus() const
{
    // The entries the program offers no action for stay disabled (frmMainUi.cpp).
    return {ui.mnuCalTables[0], ui.mnuCalTables[1], ui.mnuCalTables[4],   ui.mnuCalTables[5],
            ui.mnuLoadFile,     ui.mnuSaveAs,       ui.mnuISense,         ui.mnuDnldFltLog,
            ui.mnuAmpCom,       ui.mnuStartupCfg,   ui.mnuWatts,          ui.mnuSumFltTest,
            ui.mnuAutoClrBUC,   ui.mnuModelCfgPN,   ui.mnuTempTripLevels, ui.mnuReboot};
}

void WindowStates::DisableForm()
{
    for (QWidget* w : unitEntryControls())
        w->setEnabled(false);
    ui.cmbRfBand->setEnabled(false);
    for (QAction* a : unitMenus())
        a->setEnabled(false);
    // Disabled here and enabled again only by the first read for units that have them.
    for (QAction* a :
         {ui.mnuPsVset, ui.mnuAtnCal, ui.mnuFltAlm, ui.mnuMaxPwrLvl, ui.mnuGainBal, ui.mnuHtrStby, ui.mnuEnetCfg})
        a->setEnabled(false);
    if (QAction* faultLog = ui.mnuFaultLog->menuAction(); faultLog->isVisible())
        faultLog->setEnabled(false);
    ui.mnuAutoClrBUC->setChecked(false);
    for (QAction* a :
         {ui.mnuCalTables[2], ui.mnuCalTables[3], ui.mnuCalTables[6], ui.mnuCalTables[7], ui.mnuHtrStby,
          ui.mnuWgArcTest, ui.mnuRfiInvert, ui.mnulcBucSetup, ui.mnuReturnLoss, ui.mnuAutoHVDisable, ui.mnuTrendLogs})
        a->setVisible(false);
    ui.mnuUseEnet->setEnabled(true);
    p.unit.config.EnableMaskReply2 = 0;
    entryState_.ClearEntryFlags();
}

void WindowStates::EnableForm()
{
    for (QWidget* w : unitEntryControls())
        w->setEnabled(true);
    for (QAction* a : unitMenus())
        a->setEnabled(true);
    if (QAction* faultLog = ui.mnuFaultLog->menuAction(); faultLog->isVisible())
        faultLog->setEnabled(true);
    if (ui.mnuUseEnet->isEnabled() && ui.mnuUseEnet->isVisible())
        ui.mnuEnetCfg->setEnabled(true);
    if (p.display.CathodeDisplayModel)
        ui.mnuTrendLogs->setVisible(true);
}

void WindowStates::ShowConnectedWindow()
{
    ui.btnConnect->setText(DisconnectCaption);
    p.conn.PollRetriesLeft = poll::RetryBudget;
    ui.mnuAtnCal->setEnabled(true);
    EnableForm();
    if (layout_.IsTxOn())
        layout_.EnableConstPwrInput();
    else
        layout_.DisableConstPwrInput();
}
