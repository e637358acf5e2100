#include "files/DataFolders.h"
#include "WindowFixture.h"
#include "ui/UpDown.h"
#include "status/EntryBoxState.h"
#include "status/WindowStates.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// Everything a connected network-discovery SSPA shows, then readings and panels filled in.
void connectAndPoll(WindowOnUnit& u)
{
    u.connect(Scripted(sspaProfile()));
    frmMainUi& ui = u.w.ui;
    for (QLineEdit* box : u.w.findChildren<QLineEdit*>())
        box->setText("value");
    for (QLabel* l : {ui.Label31, ui.Label33, ui.NoFaults, ui.NoAlarms, ui.FaultAbit[0], ui.AlarmDbit[5],
                      ui.lblSBUCWarmup, ui.lbllcBucDrive, ui.lblTWTLife, ui.Label12, ui.Label14})
        l->show();
    ui.txtTemp2->show();
    ui.chkRFI->setChecked(true);
    ui.cmbWgCfg->setCurrentIndex(2);
    for (QAction* a : {ui.mnuUseEnet, ui.mnuEnterIP, ui.mnuEthPort, ui.mnuOpenWebpage, ui.mnuAmpCom})
        a->setVisible(false);
    ui.mnuOpenWebpage->setEnabled(false);
    u.t.p().conn.RemoteMode = true;
    u.t.p().conn.FormUpdating = false;
    u.t.p().conn.FirstReadDone = true;
}
}   // namespace

TEST(WindowStates, ClearFormLeavesNoUnitValueShown)
{
    WindowOnUnit u;
    connectAndPoll(u);
    ASSERT_EQ(u.w.ui.Label2->text(), "FBDC");
    u.t.commands.clear();
    u.w.states().ClearForm();
    const frmMainUi& ui = u.w.ui;
    EXPECT_TRUE(u.t.commands.isEmpty());   // clearing sends nothing
    EXPECT_EQ(u.w.windowTitle(), "Tubamon Utility");
    for (QLineEdit* box : u.w.findChildren<QLineEdit*>())
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_TRUE(ui.txtCathI->isHidden());   // the cathode-current display is off
    std::vector<QLabel*> panelLabels = {ui.Label31,       ui.Label32,  ui.Label33, ui.Label34,
                                        ui.Label35,       ui.Label36,  ui.Label13, ui.lblSBUCWarmup,
                                        ui.lbllcBucDrive, ui.NoFaults, ui.NoAlarms};
    for (const auto& byte : ui.faultBytes())
        panelLabels.insert(panelLabels.end(), byte.begin(), byte.end());
    for (const auto& byte : ui.alarmBytes())
        panelLabels.insert(panelLabels.end(), byte.begin(), byte.end());
    for (QLabel* l : panelLabels)
        EXPECT_TRUE(l->isHidden()) << l->objectName().toStdString();
    EXPECT_EQ(ui.Label2->text(), "DAC");
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.Label2, ui.txtAtnCnt, ui.UpDown2, ui.lblRFFrq, ui.lblRFFrqVal,
                                         ui.lblTWTSrvc, ui.lblTWTLife, ui.Label12, ui.txtTemp2, ui.Label14})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    for (QAction* a : {ui.mnuUseEnet, ui.mnuEnterIP, ui.mnuEthPort, ui.mnuOpenWebpage, ui.mnuAmpCom})
        EXPECT_TRUE(a->isVisible()) << a->objectName().toStdString();
    EXPECT_TRUE(ui.mnuOpenWebpage->isEnabled());
    for (QAction* a : {ui.mnuPLog, ui.mnuCalFactor, ui.mnuLEDMode, ui.mnuLLDPCfg, ui.mnuCathCurInit})
        EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
    EXPECT_FALSE(ui.mnuTempTripLevels->isEnabled());
    EXPECT_FALSE(ui.btnGoToPwr->isEnabled());
    EXPECT_FALSE(ui.chkRFI->isChecked());
    EXPECT_EQ(ui.cmbWgCfg->currentIndex(), -1);
    EXPECT_TRUE(ui.txtFCnt->isHidden());   // drive-power display off

    const Program& p = u.t.p();
    EXPECT_TRUE(p.conn.FormUpdating);
    EXPECT_FALSE(p.conn.FirstReadDone);
    EXPECT_TRUE(p.conn.RemoteMode);   // kept until the next summary field
    EXPECT_FALSE(p.unit.id.LldpFirmware);
    EXPECT_EQ(p.unit.id.UnitSerialNo, "");
    EXPECT_EQ(p.unit.id.FirmwarePartNo, "");
    EXPECT_EQ(p.unit.id.boxes.txtCplDate, "");
    EXPECT_EQ(p.unit.id.UnitModelCode, 7467);   // identity is kept until the next identification
    EXPECT_EQ(p.unit.config.MaxPowerFaultLevel, "-1");
    EXPECT_EQ(p.unit.config.Com1Parity, " ");

    u.w.states().ClearForm();   // a second clearing (the reboot path) changes nothing further
    EXPECT_EQ(u.w.windowTitle(), "Tubamon Utility");
}

TEST(WindowStates, NextUnitsIdentityBoxesStartEmpty)
{
    WindowOnUnit u;
    u.connect(Scripted(twtaProfile()));
    EXPECT_EQ(u.w.ui.txtCplDate->text(), "Nov  2 2008");
    // A unit whose identity reply stops after the revision: no date from the unit before.
    u.connect(Scripted(twtaProfile(), {{"00", "06316-003/T10452/5.34/"}}));
    EXPECT_EQ(u.w.ui.txtCplDate->text(), "");
    EXPECT_EQ(u.w.ui.txtFrmRev->text(), "5.34");
    EXPECT_FALSE(u.w.ui.mnuFullFaultLog->isVisible());   // no date: no full fault log
}

TEST(WindowStates, DisableThenEnable)
{
    WindowOnUnit u;
    u.connect(Scripted(twtaProfile()));
    frmMainUi& ui = u.w.ui;
    // What the first read shows for units that have the features.
    for (QAction* a : {ui.mnuWgArcTest, ui.mnuRfiInvert, ui.mnulcBucSetup, ui.mnuReturnLoss, ui.mnuHtrStby,
                       ui.mnuCalTables[2], ui.mnuTrendLogs})
        a->setVisible(true);
    for (QAction* a : {ui.mnuPsVset, ui.mnuMaxPwrLvl, ui.mnuGainBal, ui.mnuAtnCal, ui.mnuFltAlm})
        a->setEnabled(true);
    ui.cmbRfBand->setEnabled(true);
    ui.mnuAutoClrBUC->setChecked(true);
    u.t.p().unit.config.EnableMaskReply2 = 77;
    // The operator's edits under way (the program's own writes are none).
    for (QLineEdit* box : {ui.txtAtnDB, ui.txtAdr}) {
        box->setText("1");
        emit box->textEdited("12");
        box->setText("12");
        ASSERT_TRUE(u.w.entryState().edits.editing(box)) << box->objectName().toStdString();
    }
    u.w.entryState().FloTripEditing = true;

    u.w.states().DisableForm();
    EXPECT_EQ(u.t.p().unit.config.EnableMaskReply2, 0);
    EXPECT_FALSE(u.w.entryState().edits.editing(ui.txtAtnDB));
    EXPECT_FALSE(u.w.entryState().edits.editing(ui.txtAdr));
    EXPECT_FALSE(u.w.entryState().FloTripEditing);
    EXPECT_FALSE(ui.mnuAutoClrBUC->isChecked());
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.txtPN, ui.txtAtnDB, ui.UpDown1, ui.UpDown4, ui.cmbRfBand, ui.chkPS,
                                         ui.chkRFI, ui.cmbRhiTripType, ui.Command7, ui.btnFaultReset})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QAction* a : {ui.mnuLoadFile, ui.mnuSaveAs, ui.mnuCalTables[0], ui.mnuCalTables[5], ui.mnuReboot, ui.mnuPsVset,
                       ui.mnuMaxPwrLvl})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(ui.mnuUseEnet->isEnabled());

    u.w.states().EnableForm();
    for (QWidget* w : std::initializer_list<QWidget*>{ui.txtPN, ui.txtAtnDB, ui.UpDown1, ui.UpDown4, ui.chkPS,
                                                      ui.chkRFI, ui.cmbRhiTripType, ui.Command7, ui.btnFaultReset})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    for (QAction* a : {ui.mnuLoadFile, ui.mnuSaveAs, ui.mnuCalTables[0], ui.mnuCalTables[5], ui.mnuReboot,
                       ui.mnuEnetCfg, ui.mnuAutoClrBUC})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    // What only the first read enables or shows again stays so.
    EXPECT_FALSE(ui.cmbRfBand->isEnabled());
    for (QAction* a : {ui.mnuPsVset, ui.mnuMaxPwrLvl, ui.mnuGainBal, ui.mnuAtnCal, ui.mnuFltAlm})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {ui.mnuWgArcTest, ui.mnuRfiInvert, ui.mnulcBucSetup, ui.mnuReturnLoss, ui.mnuHtrStby,
                       ui.mnuCalTables[2], ui.mnuTrendLogs, ui.mnuAutoHVDisable})
        EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
}

TEST(WindowStates, EnableFormConditions)
{
    struct Case {
        const char* name;
        bool cathodeDisplayModel, useEnetEnabled, useEnetVisible, faultLogVisible;
    };
    const Case cases[] = {
        {"plain", false, true, true, true},
        {"cathode-current display model", true, true, true, true},
        {"Use Ethernet disabled", false, false, true, true},
        {"Use Ethernet hidden", false, true, false, true},
        {"fault log hidden", false, true, true, false},
    };
    for (const Case& c : cases) {
        WindowOnUnit u;
        frmMainUi& ui = u.w.ui;
        QAction* faultLog = ui.mnuFaultLog->menuAction();
        faultLog->setEnabled(false);
        faultLog->setVisible(c.faultLogVisible);
        u.t.p().display.CathodeDisplayModel = c.cathodeDisplayModel;
        ui.mnuUseEnet->setEnabled(c.useEnetEnabled);
        ui.mnuUseEnet->setVisible(c.useEnetVisible);
        u.w.states().EnableForm();
        EXPECT_EQ(ui.mnuTrendLogs->isVisible(), c.cathodeDisplayModel) << c.name;
        EXPECT_EQ(ui.mnuEnetCfg->isEnabled(), c.useEnetEnabled && c.useEnetVisible) << c.name;
        EXPECT_EQ(faultLog->isEnabled(), c.faultLogVisible) << c.name;
    }
}

TEST(WindowStates, DataFolderIsCreatedOnce)
{
    WindowOnUnit u;
    InitDataDirectory(u.t.p().platform.folders, u.t.p().platform.prompts);
    EXPECT_TRUE(QFileInfo(u.t.folders.dataFolder()).isDir());
    EXPECT_TRUE(u.t.prompts.boxes.isEmpty());
    InitDataDirectory(u.t.p().platform.folders, u.t.p().platform.prompts);
    EXPECT_TRUE(u.t.prompts.boxes.isEmpty());
}
