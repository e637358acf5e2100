// The main window's states: cleared (no unit), disabled and enabled as a whole.
#include "link/ConnectButton.h"
#include "app/Program.h"
#include "status/PollRules.h"
#include "ui/UpDown.h"
#include "app/frmMain.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void frmMain::ClearForm()
{
    setWindowTitle(QStringLiteral("Tubamon Utility"));
    p.files.FaultLogQF = false;
    p.unit.config.HasRfBandNames = false;
    p.conn.FirstReadDone = false;
    p.conn.FormUpdating = true;   // stays set until the next first read
    p.unit.id.OduBucUnit = false;
    p.unit.cathode.NegativeAnodeEnabled = false;
    ClearSubBands(true);
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

    ClearSummaryStatus();
    ClearFaultStatus();
    ui.mnuTempTripLevels->setEnabled(false);
    ui.mnuLEDMode->setVisible(false);
    ui.mnuLEDMode->setChecked(false);
    SetupHelixHeaterForNewDualTWT(false);
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
    DisplayDrivePower(false);
    ui.mnuCathCurInit->setVisible(false);
    DisableCathodeCurrentDisplay();
}

// The controls DisableForm disables and EnableForm enables again.
std::vector<QWidget*> frmMain::unitEntryControls() const
{
    return {ui.txtPN,       ui.txtSN,          ui.txtAdr,         ui.txtDateTime,    ui.txtAtnDB,  ui.txtAtnCnt,
            ui.UpDown1,     ui.UpDown2,        ui.txtLinAmp,      ui.txtLinPhase,    ui.UpDown3,   ui.UpDown4,
            ui.cmbWgCfg,    ui.txtPSHours,     ui.txtXmtHours,    ui.txtConstLvl,    ui.cmbWgSw1,  ui.cmbWgSw2,
            ui.chkAutoMode, ui.chkPS,          ui.chkRFI,         ui.chkConstPwr,    ui.txtFhiLvl, ui.txtFloLvl,
            ui.txtRhiLvl,   ui.cmbFhiTripType, ui.cmbFloTripType, ui.cmbRhiTripType, ui.Command7,  ui.btnFaultReset};
}

std::vector<QAction*> frmMain::unitMenus() const
{
    // The entries the program offers no action for stay disabled (frmMainUi.cpp).
    return {ui.mnuCalTables[0], ui.mnuCalTables[1], ui.mnuCalTables[4],   ui.mnuCalTables[5],
            ui.mnuLoadFile,     ui.mnuSaveAs,       ui.mnuISense,         ui.mnuDnldFltLog,
            ui.mnuAmpCom,       ui.mnuStartupCfg,   ui.mnuWatts,          ui.mnuSumFltTest,
            ui.mnuAutoClrBUC,   ui.mnuModelCfgPN,   ui.mnuTempTripLevels, ui.mnuReboot};
}

void frmMain::DisableForm()
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
    ClearEntryFlags();
}

void frmMain::EnableForm()
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

void frmMain::ShowConnectedWindow()
{
    ui.btnConnect->setText(DisconnectCaption);
    p.conn.PollRetriesLeft = poll::RetryBudget;
    ui.mnuAtnCal->setEnabled(true);
    EnableForm();
    if (IsTxOn())
        EnableConstPwrInput();
    else
        DisableConstPwrInput();
}
