#include "support/TestProgram.h"
#include "ui/Twips.h"
#include "ui/UpDown.h"
#include "ui/ValueLabel.h"
#include "app/frmMain.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Named {
    const char* name;
    const char* caption;   // nullptr: no caption to check
};

// Controls and frames of the main window with the captions they carry at design time.
const Named kControls[] = {
    {"Frame15", "Summary Status"},
    {"Frame28", "Fault Status"},
    {"Frame26", "Alarm Status"},
    {"Frame5", "Fwd RF Power"},
    {"Frame6", "Rev RF Power"},
    {"Frame3", "Attenuation"},
    {"Frame13", "Temperature"},
    {"Frame20", "Constant Pwr"},
    {"Frame27", "Current RF Band"},
    {"Frame30", "Helix/Heater"},
    {"Frame14", "Current Sense"},
    {"fraTransmitControl", "Transmit Control"},
    {"fraWaveguideSwitches", "Waveguide Switches"},
    {"fraWaveguideCfg", "Waveguide Cfg"},
    {"fraUnitDateTime", "Unit Date && Time"},
    {"fraUnitAddress", "Unit Address"},
    {"Label31", nullptr},
    {"Label32", "Auto HV On"},
    {"Label33", nullptr},
    {"Label34", "Const Power"},
    {"Label35", "RF Inhibited"},
    {"Label36", "Summary Fault"},
    {"Label13", "Htr Standby"},
    {"lblSBUCWarmup", "BUC Warmup"},
    {"lbllcBucDrive", "IF Drive High"},
    {"NoFaults", "No Faults"},
    {"NoAlarms", "No Alarms"},
    {"txtFdBm", nullptr},
    {"Label5", "dBm"},
    {"txtFCnt", nullptr},
    {"Label6", "Count"},
    {"txtRdBm", nullptr},
    {"Label8", "dBm"},
    {"txtRCnt", nullptr},
    {"txtAtnDB", nullptr},
    {"UpDown1", nullptr},
    {"Label2", "DAC"},
    {"txtAtnCnt", nullptr},
    {"UpDown2", nullptr},
    {"lblUnitTempType", nullptr},
    {"txtTemp", nullptr},
    {"Label12", "Inlet:"},
    {"txtTemp2", nullptr},
    {"Label14", nullptr},
    {"chkConstPwr", "Enabled"},
    {"txtConstLvl", nullptr},
    {"Label64", "dBm"},
    {"btnGoToPwr", "GoTo Power"},
    {"cmbRfBand", nullptr},
    {"lblRFFrq", "RF Frq:"},
    {"lblRFFrqVal", "27500 MHz"},
    {"lblSband", "SBand:"},
    {"lblSBandFrq", "30.25"},
    {"chkPS", "Transmitter ON"},
    {"chkRFI", "RF Inhibit"},
    {"cmbFhiTripType", nullptr},
    {"txtFhiLvl", nullptr},
    {"Label67", "dBm"},
    {"cmbFloTripType", nullptr},
    {"txtFloLvl", nullptr},
    {"Label69", "dBm"},
    {"cmbRhiTripType", nullptr},
    {"txtRhiLvl", nullptr},
    {"Label71", "dBm"},
    {"Label85", "Hlx V:"},
    {"txtHelixV", nullptr},
    {"Label86", "Hlx I:"},
    {"txtHelixI", nullptr},
    {"Label88", "Htr V:"},
    {"txtHeaterV", nullptr},
    {"Label90", "V"},
    {"Label9", "Hlx2 I:"},
    {"txtHelix2I", nullptr},
    {"Label10", "mA"},
    {"Label18", nullptr},
    {"txtAnodeV", nullptr},
    {"Label37", "V"},
    {"Label38", "Ik:"},
    {"txtCathI", nullptr},
    {"Label39", "mA"},
    {"Label21", "1:"},
    {"Label22", "2:"},
    {"Label25", "A"},
    {"Label26", nullptr},
    {"Label28", "A"},
    {"txtCS1", nullptr},
    {"txtCS2", nullptr},
    {"txtCS3", nullptr},
    {"txtCS4", nullptr},
    {"lblTWTSrvc", "TWT Srvc:"},
    {"lblTWTLife", nullptr},
    {"lblWgSw1", "Sw 1:"},
    {"cmbWgSw1", nullptr},
    {"lblWgSw2", "Sw 2:"},
    {"cmbWgSw2", nullptr},
    {"chkAutoMode", "Automatic Mode"},
    {"cmbWgCfg", nullptr},
    {"Label19", "PS:"},
    {"txtPSHours", nullptr},
    {"Label20", "Xmtr:"},
    {"txtXmtHours", nullptr},
    {"txtLinAmp", nullptr},
    {"UpDown3", nullptr},
    {"txtLinPhase", nullptr},
    {"UpDown4", nullptr},
    {"txtFrmRev", nullptr},
    {"txtCplDate", nullptr},
    {"txtPN", nullptr},
    {"txtSN", nullptr},
    {"txtDateTime", nullptr},
    {"Command7", "Now"},
    {"txtAdr", nullptr},
    {"btnConnect", "Connect"},
    {"btnFaultReset", "Fault Reset"},
    {"sbStatusBar", nullptr},
};

// Menu items with their captions; the checkable ones carry a check mark.
struct MenuItem {
    const char* name;
    const char* caption;
    bool checkable;
};
const MenuItem kMenuItems[] = {
    {"mnuConnect", "Connect", false},
    {"mnuExtSrch", "Extended Search", false},
    {"mnuAdvSrch", "Advanced Search", false},
    {"mnuLoadFile", "Load Cfg File...", false},
    {"mnuSaveAs", "Save Unit Cfg...", false},
    {"mnuDnldFltLog", "Short Fault Log", false},
    {"mnuFullFaultLog", "Full Fault Log", false},
    {"mnuPLog", "Download Parameter Logs", false},
    {"mnuTrendLogs", "Download Trend Logs", false},
    {"mnuAtnCal", "Calibrate Attenuator...", false},
    {"mnuCalFactor", "Cal-Factor Table", false},
    {"mnuCmdLine", "Commandline", false},
    {"mnuFileExit", "E&xit", false},
    {"mnuCalTables_0", "Get RF Cal From Amp", false},
    {"mnuCalTables_1", "Send RF Cal Table To Amp", false},
    {"mnuCalTables_2", "Get Rev RF Cal Table From Amp", false},
    {"mnuCalTables_3", "Send Rev RF RF Cal Table To Amp", false},
    {"mnuCalTables_4", "Get Atten Cal Table From Amp", false},
    {"mnuCalTables_5", "Send Atten Cal Table To Amp", false},
    {"mnuCalTables_6", "Get Input Drive Cal Table From Amp", false},
    {"mnuCalTables_7", "Send Input Drive Cal Table To Amp", false},
    {"mnuPortScan", "Scan for Serial Ports", false},
    {"mnuPollEn", "Poll Single Address ", true},
    {"mnuPollAdrs", nullptr, false},
    {"mnuUseEnet", "Use Ethernet", true},
    {"mnuEnterIP", nullptr, false},
    {"mnuEthPort", nullptr, false},
    {"mnuLocateIP", "Locate IP", false},
    {"mnuOpenWebpage", "Open Webpage", false},
    {"mnuEnetCfg", "Ethernet Cfg", false},
    {"mnuLLDPCfg", "LLDP COnfiguration", false},
    {"mnuAmpCom", "Serial Com", false},
    {"mnulcBucSetup", "Block UpConverter", false},
    {"mnuGainBal", "Gain Balance", false},
    {"mnuMaxPwrLvl", "Max Power Level", false},
    {"mnuStartupCfg", "Startup Cfg", false},
    {"mnuTempTripLevels", "Temperature Trip Levels", false},
    {"mnuPowerSave", "Power Save", false},
    {"mnuFltAlm", "Fault/Alarm Config", false},
    {"mnuRfBandCfg", "RF Band Configuration", false},
    {"mnuRRfOffset", "Rev RF Power Offset", false},
    {"mnuReturnLoss", "Return Loss", false},
    {"mnuPsVset", "PS Vset", false},
    {"mnuISense", "Current Sense...", false},
    {"mnuCathCurInit", "Cathode Current Init", false},
    {"mnuHeaterState", "Heater Enabled", true},
    {"mnuHtrStby", "Heater Standby Enabled", true},
    {"mnuLEDMode", "Status LED Disabled", true},
    {"mnuRfiInvert", "RF Inhibit Invert", true},
    {"mnuAutoHVDisable", "Auto-Xmit Restore Disabled", true},
    {"mnuAutoClrBUC", "Auto Clear UpConverter Fault", true},
    {"mnuRack", nullptr, true},
    {"mnu2ndUmbilical", "Dual Umbilical Brd", true},
    {"mnuClrHrs", "Clear Hours", false},
    {"mnuReboot", "Reboot Amp", false},
    {"mnuMfgInfo", "Mfg Info...", false},
    {"mnuModelCfgPN", "Model Cfg Part Number", false},
    {"mnuWgArcTest", "Waveguide Arc Test", false},
    {"mnuSumFltTest", "Summary Fault Test", false},
    {"mnuWatts", "Display Watts", false},
    {"mnuHelpAbout", "&About ", false},
};

class FrmMainUiTest : public ::testing::Test {
protected:
    TestProgram t;
    frmMain w{t.p()};

    template <typename T> T* only(const QString& name)
    {
        const auto all = w.findChildren<T*>(name);
        EXPECT_EQ(all.size(), 1) << name.toStdString();
        return all.isEmpty() ? nullptr : all.first();
    }
};

QString captionOf(QObject* o)
{
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    return {};
}

TEST_F(FrmMainUiTest, EveryControlIsFoundByItsNameWithItsCaption)
{
    for (const Named& c : kControls) {
        QWidget* widget = only<QWidget>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        if (c.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(c.caption)) << c.name;
        }
    }
}

TEST_F(FrmMainUiTest, ControlArraysAreNamedByElement)
{
    const char letters[] = "ABCD";
    for (const char* kind : {"Fault", "Alarm"}) {
        for (int b = 0; b < 4; ++b) {
            for (int bit = 0; bit < 6; ++bit) {
                const QString nm = QStringLiteral("%1%2bit_%3").arg(QLatin1String(kind)).arg(letters[b]).arg(bit);
                QLabel* l = only<QLabel>(nm);
                ASSERT_NE(l, nullptr);
                EXPECT_EQ(l->text(), QStringLiteral("%1 %2 bit %3").arg(QLatin1String(kind)).arg(letters[b]).arg(bit));
                EXPECT_TRUE(l->isHidden()) << nm.toStdString();
            }
        }
    }
    EXPECT_EQ(w.ui.FaultCbit[3]->objectName(), QStringLiteral("FaultCbit_3"));
    EXPECT_EQ(w.ui.AlarmDbit[5]->objectName(), QStringLiteral("AlarmDbit_5"));
    for (int i = 0; i < 10; ++i) {
        QAction* a = only<QAction>(QStringLiteral("mnuComPort_%1").arg(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QStringLiteral("Com%1").arg(i + 1));
        EXPECT_TRUE(a->isCheckable());
    }
}

TEST_F(FrmMainUiTest, MenusCarryTheirCaptionsAndCheckMarks)
{
    for (const MenuItem& m : kMenuItems) {
        QAction* a = only<QAction>(QString::fromLatin1(m.name));
        ASSERT_NE(a, nullptr) << m.name;
        if (m.caption) {
            EXPECT_EQ(a->text(), QString::fromLatin1(m.caption)) << m.name;
        }
        EXPECT_EQ(a->isCheckable(), m.checkable) << m.name;
        EXPECT_FALSE(a->isChecked()) << m.name;
    }
    for (const char* nm : {"mnuCom", "mnuFaultLog", "mnuSubBands"})
        EXPECT_NE(only<QMenu>(QString::fromLatin1(nm)), nullptr) << nm;
    EXPECT_EQ(w.ui.mnuFaultLog->title(), QStringLiteral("Download Fault Log"));
    EXPECT_EQ(w.ui.mnuSubBands->title(), QStringLiteral("Sub Band"));
    for (int n = 1; n <= 8; ++n) {
        QAction* a = only<QAction>(QStringLiteral("mnuSubB%1").arg(n));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a, w.ui.subBandItem(n));
        EXPECT_EQ(a->text(), QStringLiteral("#%1   ").arg(n));
        EXPECT_TRUE(a->isCheckable());
    }
    EXPECT_EQ(w.ui.subBandItem(0), nullptr);
    EXPECT_EQ(w.ui.subBandItem(9), nullptr);
    for (QAction* a : w.ui.mnuCalTables)
        EXPECT_FALSE(a->isEnabled());
}

TEST_F(FrmMainUiTest, ControlsWithoutACaptionHaveAnAccessibleName)
{
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        const bool needsName = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                               qobject_cast<UpDown*>(widget) ||
                               (qobject_cast<QLabel*>(widget) && static_cast<QLabel*>(widget)->text().isEmpty() &&
                                !widget->objectName().isEmpty());
        if (!needsName || qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        // A label that shows a value is named by it and says what it stands for instead.
        if (qobject_cast<ValueLabel*>(widget))
            EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << widget->objectName().toStdString();
        else
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
    for (QLabel* value :
         {w.ui.Label31, w.ui.Label33, w.ui.lblRFFrqVal, w.ui.lblSBandFrq, w.ui.lblTWTLife, w.ui.sbStatusBarPanel1}) {
        EXPECT_TRUE(qobject_cast<ValueLabel*>(value)) << value->objectName().toStdString();
        EXPECT_TRUE(value->accessibleName().isEmpty()) << value->objectName().toStdString();
    }
    EXPECT_EQ(w.ui.txtFdBm->accessibleName(), QStringLiteral("Forward power"));
    EXPECT_EQ(w.ui.txtAtnDB->accessibleName(), QStringLiteral("Attenuation"));
    EXPECT_EQ(w.ui.UpDown3->upButton()->accessibleName(), QStringLiteral("Linearizer amplitude step up"));
}

TEST_F(FrmMainUiTest, ListsAndFramesHaveTheirDesignGeometry)
{
    EXPECT_EQ(twips::Width(w.ui.Frame26), 1515);   // 1520 twips, to the pixel
    EXPECT_EQ(twips::Height(w.ui.Frame26), 2175);
    EXPECT_EQ(twips::Width(w.ui.Frame28), 1455);
    EXPECT_EQ(twips::Height(w.ui.Frame28), 2175);
    EXPECT_EQ(twips::Width(w.ui.FaultAbit[0]), 1215);
    EXPECT_EQ(twips::Width(w.ui.AlarmAbit[0]), 1095);
    EXPECT_EQ(twips::Height(w.ui.NoFaults), 195);
    EXPECT_EQ(twips::Left(w.ui.NoAlarms), 120);
    EXPECT_EQ(twips::Top(w.ui.NoAlarms), 240);
    EXPECT_EQ(twips::Left(w.ui.Frame14), 6360);
    EXPECT_EQ(twips::Width(w.ui.Frame14), 3015);
    EXPECT_EQ(twips::Height(w.ui.Frame14), 855);
    // The list rows lie in their frames, inside each frame's scrollable list area.
    EXPECT_TRUE(w.ui.Frame28->isAncestorOf(w.ui.NoFaults));
    EXPECT_TRUE(w.ui.Frame26->isAncestorOf(w.ui.AlarmCbit[2]));
    EXPECT_EQ(w.ui.Label31->parentWidget(), w.ui.Frame15);
}

TEST_F(FrmMainUiTest, ListsOfTheBoxesAndTheTimer)
{
    const QStringList cfg = {"0 - None",           "1 - 1-For-1", "2 - 1-Plus-1",
                             "3 - 1-For-1 w/load", "4 - 1-For-2", "6 - Standalone w/load"};
    auto entries = [](QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    };
    EXPECT_EQ(entries(w.ui.cmbWgCfg), cfg);
    EXPECT_EQ(entries(w.ui.cmbWgSw1), QStringList({"A", "B"}));
    EXPECT_EQ(entries(w.ui.cmbWgSw2), QStringList({"A", "B"}));
    for (QComboBox* c : {w.ui.cmbFhiTripType, w.ui.cmbFloTripType, w.ui.cmbRhiTripType})
        EXPECT_EQ(entries(c), QStringList({"Disabled", "Fault", "Alarm"}));
    EXPECT_EQ(w.ui.cmbRfBand->count(), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tubamon Utility"));
    EXPECT_EQ(w.Timer1.interval(), 2500);
    EXPECT_FALSE(w.Timer1.isActive());
}

TEST(Twips, FifteenToAPixel)
{
    EXPECT_EQ(twips::ToPixels(240), 16);
    EXPECT_EQ(twips::ToPixels(195), 13);
    EXPECT_EQ(twips::ToPixels(1520), 101);
    EXPECT_EQ(twips::ToPixels(8), 1);
    EXPECT_EQ(twips::ToPixels(7), 0);
    EXPECT_EQ(twips::ToPixels(-240), -16);
    EXPECT_EQ(twips::FromPixels(16), 240);
}

}   // namespace
