#include "app/Program.h"
#include "ui/FormUpdatingGuard.h"
#include "support/FakeTcpSocket.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include "app/frmMain.h"
#include "status/EntryBoxState.h"
#include "status/FeatureReads.h"
#include "status/PowerUnits.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class FeatureReadsTest : public ::testing::Test {
protected:
    TestProgram t;
    frmMain w{t.p()};
    FakeTcpSocket& socket = t.tcp;

    void use(const SimUnitProfile& profile)
    {
        for (auto it = profile.replies.cbegin(); it != profile.replies.cend(); ++it)
            t.replies[it.key()] = it.value();
    }
    UnitConfig& c() { return t.p().unit.config; }
    UnitIdentity& id() { return t.p().unit.id; }
    bool sent(const char* command) const { return t.commands.contains(QByteArray(command)); }
};

TEST_F(FeatureReadsTest, TripLevelsFillTypeAndLevelInTheDisplayUnit)
{
    struct Case {
        const char* reply;
        bool watts;
        int types[3];
        const char* levels[3];
    };
    const Case cases[] = {
        {"?A47.0F10.0X45.0", true, {2, 1, 0}, {"50.1", "0.0", "31.6"}},
        {"?A47.0F10.0X45.0", false, {2, 1, 0}, {"47.0", "10.0", "45.0"}},
        {"?D12.5a30.0 40.0", false, {0, 0, 0}, {"12.5", "30.0", "40.0"}},
    };
    for (const Case& k : cases) {
        t.replies["?HLR"] = k.reply;
        t.p().display.DisplayWatts = k.watts;
        w.features().InitRFTripLevels();
        const QComboBox* types[] = {w.ui.cmbFhiTripType, w.ui.cmbFloTripType, w.ui.cmbRhiTripType};
        const QLineEdit* levels[] = {w.ui.txtFhiLvl, w.ui.txtFloLvl, w.ui.txtRhiLvl};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(types[i]->currentIndex(), k.types[i]) << k.reply << " row " << i;
            EXPECT_EQ(levels[i]->text(), QString::fromLatin1(k.levels[i])) << k.reply << " row " << i;
        }
    }
}

TEST_F(FeatureReadsTest, TripLevelsHoldFormUpdatingAndLeaveTheRowBeingEdited)
{
    QList<bool> seen;
    for (QComboBox* box : {w.ui.cmbFhiTripType, w.ui.cmbFloTripType, w.ui.cmbRhiTripType})
        QObject::connect(box, &QComboBox::currentIndexChanged, [&] { seen.append(t.p().conn.FormUpdating); });
    w.ui.cmbRhiTripType->setCurrentIndex(1);
    w.ui.txtRhiLvl->setText(QStringLiteral("3"));
    seen.clear();
    w.entryState().RhiTripEditing = true;
    t.replies["?HLR"] = "?A47.0F10.0A45.0";
    w.features().InitRFTripLevels();
    EXPECT_EQ(seen, QList<bool>({true, true}));   // both forward boxes, under the flag
    EXPECT_FALSE(t.p().conn.FormUpdating);        // put back, not merely cleared
    EXPECT_EQ(w.ui.cmbRhiTripType->currentIndex(), 1);
    EXPECT_EQ(w.ui.txtRhiLvl->text(), QStringLiteral("3"));
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("47.0"));

    t.p().conn.FormUpdating = true;
    w.features().InitRFTripLevels();
    EXPECT_TRUE(t.p().conn.FormUpdating);
    EXPECT_EQ(t.commands, QByteArrayList({"?HLR", "?HLR"}));   // filling the boxes sends nothing

    // Unanswered: nothing changes.
    t.replies.remove("?HLR");
    w.ui.txtFhiLvl->setText(QStringLiteral("kept"));
    w.features().InitRFTripLevels();
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("kept"));
}

TEST_F(FeatureReadsTest, ATripLevelShownInWattsComesBackAsItsDbm)
{
    t.replies["?HLR"] = "?F10.0F47.0F20.0";
    w.features().InitRFTripLevels();
    w.powerUnits().DisplayToWatts();
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("0.0"));
    w.powerUnits().DisplayTodBm();
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("10.0"));
    EXPECT_EQ(w.ui.txtFloLvl->text(), QStringLiteral("47.0"));
    EXPECT_EQ(w.ui.txtRhiLvl->text(), QStringLiteral("20.0"));
}

TEST_F(FeatureReadsTest, RfInhibitRefreshNeverSendsAndKeepsTheBoxWhenUnanswered)
{
    struct Case {
        qint32 model;
        const char* reply;
        bool before;
        bool after;
        bool asked;
    };
    const Case cases[] = {
        {5000, ".P54 1", false, true, true}, {5000, ".P54 0", true, false, true},
        {5000, nullptr, true, true, true},   // no answer: RF stays shown inhibited
        {6316, ".P54 0", true, true, false}, {9238, ".P54 1", false, false, false},
        {-1, ".P54 1", false, false, false},
    };
    QList<bool> seen;
    QObject::connect(w.ui.chkRFI, &QCheckBox::toggled, [&] { seen.append(t.p().conn.FormUpdating); });
    for (const Case& k : cases) {
        id().UnitModelCode = k.model;
        t.replies.remove(".?P54");
        if (k.reply)
            t.replies[".?P54"] = k.reply;
        {
            FormUpdatingGuard hold(t.p().conn.FormUpdating);   // set up without the box's own handler
            w.ui.chkRFI->setChecked(k.before);
        }
        seen.clear();
        t.commands.clear();
        w.features().UpdateRFIStatus();
        EXPECT_EQ(w.ui.chkRFI->isChecked(), k.after) << k.model;
        EXPECT_EQ(t.commands, k.asked ? QByteArrayList({".?P54"}) : QByteArrayList()) << k.model;
        EXPECT_TRUE(seen.isEmpty() || seen == QList<bool>({true})) << k.model;
        EXPECT_FALSE(t.p().conn.FormUpdating);
    }
}

TEST_F(FeatureReadsTest, ConfigurationWordSetsTheFlagsAndNothingSurvivesFromTheLastUnit)
{
    struct Case {
        qint32 model;
        bool twta;
        const char* reply;
        qint32 word;
        bool rack, dual, multi, dcv, autoClr;
        bool asked;
    };
    const Case cases[] = {
        {6327, true, "YM6", 1, false, false, false, false, false, false},
        {7467, false, "YM6", 1, false, false, false, false, false, false},
        {5000, true, nullptr, 1, false, false, false, false, false, true},
        {5000, true, "YM0", 0, true, false, false, false, false, true},
        {5000, true, "YM551", 551, false, true, true, false, true, true},   // bits 0, 1, 2, 5, 9
        {5000, false, "YM551", 551, false, false, true, true, true, true},
    };
    for (const Case& k : cases) {
        c().DualTwtaUnit = c().MultiBandUnit = c().MonitorDCVInput = true;
        w.ui.mnuRack->setChecked(true);
        w.ui.mnuAutoClrBUC->setChecked(false);
        id().UnitModelCode = k.model;
        id().IsTwtaUnit = k.twta;
        t.replies.remove("YM?");
        if (k.reply)
            t.replies["YM?"] = k.reply;
        t.commands.clear();
        w.features().InitUnitCfg();
        EXPECT_EQ(id().OptionWord, k.word) << k.model << k.reply;
        EXPECT_EQ(c().DualTwtaUnit, k.dual) << k.model;
        EXPECT_EQ(c().MultiBandUnit, k.multi) << k.model;
        EXPECT_EQ(c().MonitorDCVInput, k.dcv) << k.model;
        EXPECT_EQ(w.ui.mnuAutoClrBUC->isChecked(), k.autoClr) << k.model;
        if (k.asked) {
            EXPECT_EQ(w.ui.mnuRack->isChecked(), k.rack) << k.model;
        }
        EXPECT_EQ(sent("YM?"), k.asked) << k.model;
    }
}

TEST_F(FeatureReadsTest, NetworkSettingsOfAUnitWithAUsableAddress)
{
    use(sspaProfile());
    t.replies["PEN?"] = "PEN255.0.0";   // not a dotted quad: the default mask
    t.replies.remove("PER?");           // unanswered: gateway "0"
    for (QAction* m : {w.ui.mnuUseEnet, w.ui.mnuEnetCfg, w.ui.mnuEthPort, w.ui.mnuOpenWebpage})
        m->setVisible(false);
    id().UnitModelCode = 7467;
    t.p().conn.EnetPort = 2001;
    w.features().InitEnetParams();
    for (QAction* m : {w.ui.mnuUseEnet, w.ui.mnuEnetCfg, w.ui.mnuEthPort, w.ui.mnuOpenWebpage})
        EXPECT_TRUE(m->isVisible()) << m->objectName().toStdString();
    EXPECT_FALSE(w.ui.mnuOpenWebpage->isEnabled());
    EXPECT_EQ(t.p().conn.UnitIPAddress, QStringLiteral("127.0.0.5"));
    EXPECT_EQ(c().UnitNetMask, QStringLiteral("255.255.255.0"));
    EXPECT_EQ(c().UnitGateway, QStringLiteral("0"));
    EXPECT_EQ(c().UnitMACAddress, QStringLiteral("00-11-22-33-44-55"));
    EXPECT_TRUE(c().UnitDhcpEnabled);
    EXPECT_EQ(c().UnitIPOctets, (std::array<qint16, 4>{127, 0, 0, 5}));
    EXPECT_EQ(c().UnitNetMaskOctets, (std::array<qint16, 4>{255, 255, 255, 0}));
    EXPECT_EQ(socket.host, QStringLiteral("127.0.0.5"));
    EXPECT_EQ(socket.port, 2001);
    EXPECT_EQ(w.ui.mnuEnterIP->text(), QStringLiteral("IP Address:    127.0.0.5"));
    EXPECT_EQ(w.ui.mnuEthPort->text(), QStringLiteral("Ethernet Port: 2001"));
}

TEST_F(FeatureReadsTest, AnAddressThatIsNoDottedQuadIsNotTaken)
{
    for (const char* reply : {"PEI", "PEI1.2.3", "PEI127.0.0.x", "PEI127.0.0.300", "PEIunit-a.local"}) {
        t.replies["PEI?"] = reply;
        c().UnitNetMask = QStringLiteral("255.0.0.0");   // left by the previous unit
        c().UnitGateway = QStringLiteral("127.0.0.1");
        c().UnitMACAddress = QStringLiteral("00-11-22-33-44-55");
        c().UnitDhcpEnabled = true;
        t.p().conn.UnitIPAddress = QStringLiteral("127.0.0.9");
        w.ui.mnuEnetCfg->setVisible(false);
        socket.host = QStringLiteral("127.0.0.9");
        t.commands.clear();
        w.features().InitEnetParams();
        EXPECT_FALSE(w.ui.mnuEnetCfg->isVisible()) << reply;
        EXPECT_EQ(t.p().conn.UnitIPAddress, QStringLiteral("127.0.0.9")) << reply;
        EXPECT_EQ(t.commands, QByteArrayList({"PEI?"})) << reply;
        EXPECT_EQ(w.ui.mnuEnterIP->text(), QStringLiteral("IP Address:    127.0.0.9")) << reply;
        EXPECT_EQ(c().UnitNetMask, QStringLiteral("255.255.255.0")) << reply;
        EXPECT_EQ(c().UnitGateway, QStringLiteral("0")) << reply;
        EXPECT_TRUE(c().UnitMACAddress.isEmpty()) << reply;
        EXPECT_FALSE(c().UnitDhcpEnabled) << reply;
    }
    // Over TCP the captions are left as they are.
    t.p().conn.UseEnet = true;
    w.ui.mnuEthPort->setText(QStringLiteral("Ethernet Port:2000"));
    w.features().InitEnetParams();
    EXPECT_EQ(w.ui.mnuEthPort->text(), QStringLiteral("Ethernet Port:2000"));
}

TEST_F(FeatureReadsTest, PowerLimitMenuAndValues)
{
    struct Case {
        const char* po;
        const char* poo;
        bool valid;
        bool enabled;
        const char* value;
        const char* fault;
    };
    const Case cases[] = {
        {"PO1 46.0;40.5", "POO47.5", true, true, "46.0", "47.5"},
        {"PO0 46.0;40.5", nullptr, true, false, "46.0", "-1"},
        {nullptr, "POO47.5", false, false, "", "-1"},
    };
    for (const Case& k : cases) {
        t.replies.remove("PO?");
        t.replies.remove("POO?");
        if (k.po)
            t.replies["PO?"] = k.po;
        if (k.poo)
            t.replies["POO?"] = k.poo;
        c() = UnitConfig();
        t.commands.clear();
        w.features().InitPowerLimit();
        EXPECT_EQ(w.ui.mnuMaxPwrLvl->isVisible(), k.valid) << k.po;
        EXPECT_EQ(c().MaxPowerLimitEnabled, k.enabled) << k.po;
        EXPECT_EQ(c().MaxPowerLimitValue, QString::fromLatin1(k.value)) << k.po;
        EXPECT_EQ(c().MaxPowerFaultLevel, QString::fromLatin1(k.fault)) << k.po;
        EXPECT_EQ(sent("POO?"), k.valid) << k.po;
    }
    EXPECT_EQ(c().MaxPowerLimitSecondValue, QString());
}

TEST_F(FeatureReadsTest, TemperatureCoefficientsGoToTheirSubBand)
{
    c().SubBandCount = 2;
    t.replies["YB?"] = "YB0.015";
    t.replies["YB?1"] = "YB-0.02 dB/C";
    t.replies["YB?2"] = "YB+0.03 dB/C";
    w.features().InitTempComp();
    EXPECT_TRUE(c().TempCompRead);
    EXPECT_EQ(c().TempCoefText, QStringLiteral("0.015"));
    EXPECT_FALSE(c().TempCoefIsAttnTemp);
    EXPECT_EQ(c().SubBandTempCoefs[0], QString());
    EXPECT_EQ(c().SubBandTempCoefs[1], QStringLiteral("-0.02"));
    EXPECT_EQ(c().SubBandTempCoefs[2], QStringLiteral("+0.03"));
    EXPECT_EQ(c().SubBandTempCoefs[8], QString());

    t.replies.clear();
    c().SubBandCount = 0;
    t.commands.clear();
    w.features().InitTempComp();
    EXPECT_EQ(c().TempCoefText, QStringLiteral("0.075"));
    EXPECT_EQ(c().SubBandTempCoefs[1], QString());
    EXPECT_EQ(t.commands, QByteArrayList({"YB?", "YB?1"}));   // sub-band 1 is always asked
}

TEST_F(FeatureReadsTest, FactoryTripsReverseOffsetAndCurrentSense)
{
    use(sspaProfile());
    w.features().InitFactoryTripLevels();
    EXPECT_EQ(c().FactoryFwdTripLevel, QStringLiteral("52.0"));
    EXPECT_EQ(c().FactoryRevTripLevel, QStringLiteral("45.0"));
    EXPECT_EQ(c().FwdTripMargin, QString());
    w.features().InitReverseRFOffset();
    EXPECT_FLOAT_EQ(c().ReverseRFOffset, -1.5f);
    w.features().InitCurrentSenseParams();
    EXPECT_FLOAT_EQ(c().CurrentSenseGain, 2.5f);
    EXPECT_FLOAT_EQ(c().CurrentSenseResistor, 0.05f);

    t.replies.remove("YFTR?");
    t.replies.remove("PR?");          // the offset query answers " 0" for no reply
    t.replies[".?P92"] = ".P92 x1";   // not a number: the gain stays
    t.replies[".?P93"] = ".P93 x1";
    w.features().InitFactoryTripLevels();
    EXPECT_EQ(c().FactoryRevTripLevel, QStringLiteral("0.0"));
    w.features().InitReverseRFOffset();
    EXPECT_FLOAT_EQ(c().ReverseRFOffset, 0.0f);
    w.features().InitCurrentSenseParams();
    EXPECT_FLOAT_EQ(c().CurrentSenseGain, 2.5f);
    EXPECT_FLOAT_EQ(c().CurrentSenseResistor, 0.0f);

    t.replies.clear();
    t.commands.clear();
    w.features().InitFactoryTripLevels();
    EXPECT_EQ(c().FactoryFwdTripLevel, QStringLiteral("0.0"));
    EXPECT_EQ(c().FwdTripMargin, QString());
    EXPECT_EQ(t.commands, QByteArrayList({"YFTF?"}));
}

TEST_F(FeatureReadsTest, UnitSerialPorts)
{
    use(twtaProfile());
    w.features().InitCom1Settings();
    w.features().InitCom2Settings();
    EXPECT_EQ(c().Com1Baud, 9600);
    EXPECT_EQ(c().Com1Parity, QStringLiteral("N"));
    EXPECT_EQ(c().Com1DataBits, 8);
    EXPECT_EQ(c().Com1StopBits, 1);
    EXPECT_EQ(c().Com2Baud, 38400);
    EXPECT_EQ(c().Com2Parity, QStringLiteral("E"));
    EXPECT_EQ(c().Com2DataBits, 7);
    EXPECT_EQ(c().Rs485WireCount, 2);
    EXPECT_EQ(c().Rs485Termination, QStringLiteral("1"));
    EXPECT_EQ(c().Rs485Address, QStringLiteral("B"));
    EXPECT_EQ(c().Rs485Protocol, QStringLiteral("OBMIP"));

    t.replies.clear();
    w.features().InitCom1Settings();
    w.features().InitCom2Settings();
    EXPECT_EQ(c().Com1Baud, 0);
    EXPECT_EQ(c().Com1Parity, QStringLiteral("*"));
    EXPECT_EQ(c().Com2StopBits, 0);
    EXPECT_EQ(c().Com2Parity, QStringLiteral("*"));
    EXPECT_EQ(c().Rs485WireCount, 0);
    EXPECT_EQ(c().Rs485Termination, QStringLiteral("*"));
    EXPECT_EQ(c().Rs485Address, QStringLiteral("*"));
    EXPECT_EQ(c().Rs485Protocol, QString());
}

TEST_F(FeatureReadsTest, RfBandSelectsTheLastEqualEntryUnderTheFlag)
{
    w.ui.cmbRfBand->addItems({"Ku", "Ka", "Ku"});
    c().HasRfBandNames = true;
    c().MultiBandUnit = false;
    t.replies["T?"] = "TKu, 14.250";
    QList<bool> seen;
    QObject::connect(w.ui.cmbRfBand, &QComboBox::currentIndexChanged, [&] { seen.append(t.p().conn.FormUpdating); });
    w.features().InitRFBand();
    EXPECT_EQ(w.ui.cmbRfBand->currentIndex(), 2);
    EXPECT_EQ(c().CurrentBandText, QStringLiteral("Ku"));
    EXPECT_TRUE(w.ui.cmbRfBand->isHidden());
    EXPECT_EQ(seen, QList<bool>({true}));

    t.replies["T?"] = "TC, 6.0";
    c().MultiBandUnit = true;
    w.features().InitRFBand();
    EXPECT_EQ(w.ui.cmbRfBand->currentIndex(), 2);
    EXPECT_EQ(c().CurrentBandText, QStringLiteral("Ku"));
    EXPECT_FALSE(w.ui.cmbRfBand->isHidden());
}

TEST_F(FeatureReadsTest, BandParametersTakeBandOneForAnyOtherNumber)
{
    w.ui.cmbRfBand->addItems({"Ku", "Ka"});
    for (const qint16 band : {qint16(0), qint16(5), qint16(-3)}) {
        c().CurrentBandText = QStringLiteral("old");
        w.features().InitBandParameters(band);   // the unit is silent: the default limits
        EXPECT_EQ(c().CurrentBandText, QStringLiteral("Ku")) << band;
        EXPECT_FLOAT_EQ(c().BandMaxPower, 50.0f);
        EXPECT_FLOAT_EQ(c().BandMinPower, 0.1f);
    }
    w.features().InitBandParameters(4);
    EXPECT_EQ(c().CurrentBandText, QString());
    use(twtaProfile());
    id().FirmwareVersion100 = 534;
    id().UnitModelCode = 6316;
    w.features().InitBandParameters(1);
    EXPECT_FLOAT_EQ(c().BandMaxPower, 46.5f);
    EXPECT_FLOAT_EQ(c().BandMinPower, 10.0f);
}

TEST_F(FeatureReadsTest, UpConverterPowerSaveAndLldpMenus)
{
    w.features().InitLCBuc();
    EXPECT_FALSE(w.ui.mnulcBucSetup->isVisible());
    EXPECT_EQ(t.commands, QByteArrayList({"PBCA?"}));
    w.features().InitPowerSaveParameters();
    EXPECT_FALSE(w.ui.mnuPowerSave->isVisible());
    EXPECT_EQ(c().PowerSaveMode, -1);
    w.features().InitLLDP();   // not the LLDP firmware: nothing asked
    EXPECT_EQ(t.commands.size(), 3);

    use(sspaProfile());
    id().OptionWord = 0x400;
    w.features().InitLCBuc();
    EXPECT_TRUE(w.ui.mnulcBucSetup->isVisible());
    EXPECT_FLOAT_EQ(c().LcBucAtten, 10.5f);
    EXPECT_FLOAT_EQ(c().LcBucMaxAtten, 30.0f);
    EXPECT_EQ(c().LcBucMode, 2);
    EXPECT_FLOAT_EQ(c().LcBucSetPoint, -10.0f);
    EXPECT_FLOAT_EQ(c().LcBucOffset, 1.5f);
    EXPECT_TRUE(c().LcBucInstalled);
    EXPECT_FALSE(sent("PBCI?"));
    w.features().InitPowerSaveParameters();
    EXPECT_TRUE(w.ui.mnuPowerSave->isVisible());
    EXPECT_EQ(c().PowerSaveMode, 1);
    EXPECT_EQ(c().PowerSaveLevel, 5);

    id().LldpFirmware = true;
    w.features().InitLLDP();
    EXPECT_TRUE(w.ui.mnuLLDPCfg->isVisible());
    EXPECT_EQ(c().LldpHostName, QStringLiteral("unit-a"));
    t.replies.clear();
    w.ui.mnuLLDPCfg->setVisible(false);
    w.features().InitLLDP();   // shown whether or not the unit answered
    EXPECT_TRUE(w.ui.mnuLLDPCfg->isVisible());
    EXPECT_EQ(c().LldpHostName, QStringLiteral("unit-a"));

    w.features().InitLCBuc();   // a unit whose up-converter does not answer never keeps the last one's
    EXPECT_FALSE(w.ui.mnulcBucSetup->isVisible());
    EXPECT_FALSE(c().LcBucInstalled);
}

TEST_F(FeatureReadsTest, FloatSupplySettingsUpToTheFirstEmptyField)
{
    t.replies["YCD?"] = "YCD6.3;0.8;1.5;2.25";
    w.features().UpdateAMCParameters();
    EXPECT_FALSE(sent("YCD?"));   // no float supply
    c().HasAmc = true;
    w.features().UpdateAMCParameters();
    FloatSupplyValues& f = t.p().unit.readings.FloatSupplySettings;
    EXPECT_EQ(f.HeaterVoltage, QStringLiteral("6.3"));
    EXPECT_EQ(f.FocusElectrodeOn, QStringLiteral("2.25"));
    t.replies["YCD?"] = "YCD6.4;;1.6;2.5";
    w.features().UpdateAMCParameters();
    EXPECT_EQ(f.HeaterVoltage, QStringLiteral("6.4"));
    EXPECT_EQ(f.HeaterCurrent, QStringLiteral("0.8"));
    EXPECT_EQ(f.FocusElectrodeOff, QStringLiteral("1.5"));
    EXPECT_EQ(f.FocusElectrodeOn, QStringLiteral("2.25"));
}

}   // namespace
