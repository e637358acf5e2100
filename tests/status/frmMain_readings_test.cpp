#include "WindowFixture.h"
#include "link/Transaction.h"
#include "support/TcpTestProgram.h"
#include "status/UnitConnection.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// One reading procedure of the window, the box it writes and what the box shows for a reply.
struct ReadingCase {
    const char* name;
    QByteArray command;
    const char* reply;   // nullptr: unanswered
    void (Readings::*update)();
    QLineEdit* frmMainUi::*box;
    const char* dBm;     // the box's text in the dBm display ("old": unchanged)
    const char* watts;   // ... in the watts display
};

struct ReadingWindow : WindowOnUnit {
    // A box with a value from before, so a reading that is not taken shows as "old".
    void run(const ReadingCase& c, bool displayWatts)
    {
        t.p().display.DisplayWatts = displayWatts;
        t.replies.clear();
        if (c.reply)
            t.replies[c.command] = c.reply;
        (w.ui.*c.box)->setText("old");
        (w.readings().*c.update)();
    }
    QString shown(const ReadingCase& c) { return (w.ui.*c.box)->text(); }
};
}   // namespace

TEST(PolledReadings, EachReadingFillsItsBoxInDbmAndInWatts)
{
    using F = Readings;
    using U = frmMainUi;
    const ReadingCase cases[] = {
        {"forward", "?P", "?65.2", &F::UpdateFwdRF, &U::txtFdBm, "65.2", "3311.3"},
        {"forward 47 dBm", "?P", "?47.0", &F::UpdateFwdRF, &U::txtFdBm, "47.0", "50.1"},
        {"forward under range", "?P", "?<12.", &F::UpdateFwdRF, &U::txtFdBm, "< 12.0", "< 0.0"},
        {"forward under range, 40 dBm", "?P", "?<40 ", &F::UpdateFwdRF, &U::txtFdBm, "< 40.0", "< 10.0"},
        {"forward not a number", "?P", "?6x.2", &F::UpdateFwdRF, &U::txtFdBm, "old", "old"},
        {"forward unanswered", "?P", nullptr, &F::UpdateFwdRF, &U::txtFdBm, "old", "old"},
        {"forward without a value", "?P", "?", &F::UpdateFwdRF, &U::txtFdBm, "old", "old"},
        {"reverse", "?Q", "? 1.2", &F::UpdateRevRF, &U::txtRdBm, "1.2", "0.0"},
        {"reverse 40 dBm", "?Q", "?40.0", &F::UpdateRevRF, &U::txtRdBm, "40.0", "10.0"},
        {"reverse under range: band minimum", "?Q", "?<5.0", &F::UpdateRevRF, &U::txtRdBm, "< 0.1", "< 0.0"},
        {"reverse unanswered", "?Q", nullptr, &F::UpdateRevRF, &U::txtRdBm, "old", "old"},
        {"attenuation", "?A", "?10.5", &F::UpdateAtn, &U::txtAtnDB, "10.5", "10.5"},
        {"attenuation whole", "?A", "? 3", &F::UpdateAtn, &U::txtAtnDB, "3.0", "3.0"},
        {"attenuation unanswered", "?A", nullptr, &F::UpdateAtn, &U::txtAtnDB, "old", "old"},
        {"temperature", "?T", "? 35 ", &F::UpdateTemperature, &U::txtTemp, "35", "35"},
        {"temperature out of range", "?T", "? 121", &F::UpdateTemperature, &U::txtTemp, "old", "old"},
        {"temperature unanswered", "?T", nullptr, &F::UpdateTemperature, &U::txtTemp, "old", "old"},
    };
    for (const bool watts : {false, true}) {
        for (const ReadingCase& c : cases) {
            ReadingWindow rw;
            rw.run(c, watts);
            EXPECT_EQ(rw.shown(c), watts ? c.watts : c.dBm) << c.name << (watts ? " (watts)" : " (dBm)");
        }
    }
}

TEST(PolledReadings, ReversePowerUnderRangeWithTheBandMinimum)
{
    const std::tuple<float, const char*, const char*> cases[] = {
        {30.0f, "< 30.0", "< 1.0"},   // above 0: the band's minimum power
        {0.0f, "< 5.0", "< 0.0"},     // 0 or less: the number after the mark
        {-2.0f, "< 5.0", "< 0.0"},
    };
    for (const auto& [bandMin, dBm, watts] : cases) {
        for (const bool inWatts : {false, true}) {
            ReadingWindow rw;
            rw.t.p().unit.config.BandMinPower = bandMin;
            rw.run({"", "?Q", "?<5.0", &Readings::UpdateRevRF, &frmMainUi::txtRdBm, "", ""}, inWatts);
            EXPECT_EQ(rw.w.ui.txtRdBm->text(), inWatts ? watts : dBm) << bandMin;
        }
    }
}

TEST(PolledReadings, WrittenPowerSwitchesUnitsFromItsUnroundedValue)
{
    ReadingWindow rw;
    rw.t.replies["?P"] = "?10.04";
    rw.w.readings().UpdateFwdRF();
    EXPECT_EQ(rw.w.ui.txtFdBm->text(), "10.0");
    rw.w.powerUnits().DisplayToWatts();
    EXPECT_EQ(rw.w.ui.txtFdBm->text(), "0.0");
    rw.w.powerUnits().DisplayTodBm();
    EXPECT_EQ(rw.w.ui.txtFdBm->text(), "10.0");
}

TEST(PolledReadings, DrivePowerBoxWhileShown)
{
    ReadingWindow rw;
    rw.t.replies["?P"] = "?65.2";
    rw.w.ui.txtFCnt->setText("old");
    rw.w.readings().UpdateFwdRF();
    EXPECT_EQ(rw.w.ui.txtFCnt->text(), "old");   // not shown: not asked for
    EXPECT_FALSE(rw.sent("?S"));

    rw.t.p().display.DrivePowerShown = true;
    rw.t.replies["?S"] = "?<-12.5";
    rw.w.readings().UpdateFwdRF();
    EXPECT_EQ(rw.w.ui.txtFCnt->text(), "<-12.5");
    rw.t.replies.remove("?S");
    rw.w.readings().UpdateFwdRF();
    EXPECT_EQ(rw.w.ui.txtFCnt->text(), "");   // the drive power is emptied when unanswered
}

TEST(PolledReadings, TemperatureBoxesBySensors)
{
    struct Case {
        const char* name;
        bool dualTube, inletShown;
        QByteArray command;
        const char* reply;
        const char* txtTemp;
        const char* txtTemp2;
    };
    const Case cases[] = {
        {"single tube", false, false, "?T", "? 35 ", "35", "old"},
        {"dual tube", true, false, "?TT", "? 35  31 ", "35, 31", "old"},
        {"dual tube, second sensor without a value", true, false, "?TT", "? 35 ---", "35", "old"},
        {"inlet readout", false, true, "?TT", "? 35  28 ", "35", "28"},
        {"inlet readout, no inlet value", false, true, "?TT", "? 35 ", "35", "old"},
    };
    for (const Case& c : cases) {
        ReadingWindow rw;
        rw.t.p().unit.config.DualTwtaUnit = c.dualTube;
        rw.t.p().display.InletTempShown = c.inletShown;
        rw.t.replies[c.command] = c.reply;
        rw.w.ui.txtTemp2->setText("old");
        rw.w.readings().UpdateTemperature();
        EXPECT_EQ(rw.w.ui.txtTemp->text(), c.txtTemp) << c.name;
        EXPECT_EQ(rw.w.ui.txtTemp2->text(), c.txtTemp2) << c.name;
    }
}

TEST(PolledReadings, HelixAndHeater)
{
    struct Case {
        const char* name;
        bool dualTube, dualHelixDisplay;
        QMap<QByteArray, QByteArray> replies;
        QStringList boxes;   // txtHelixV, txtHelixI, txtHeaterV, txtHelix2I
    };
    const Case cases[] = {
        {"dual tube", true, false, {{"?VIvi", "?5120 2506.30 245"}}, {"5120.0", "250.0", "6.3", "245.0"}},
        {"dual tube, reply without tube 2", true, false, {{"?VIvi", "?5120 250"}}, {"5120.0", "250.0", "old", "old"}},
        {"single tube",
         false,
         false,
         {{"?VI", "?5120 250"}, {"PHV?", "PHV6.30 "}, {"PHI?", "PHI0.85 "}},
         {"5120.0", "250.0", "6.3", "old"}},
        {"single tube with heater current",
         false,
         true,
         {{"?VI", "?5120 250"}, {"PHV?", "PHV6.30 "}, {"PHI?", "PHI0.85 "}},
         {"5120.0", "250.0", "6.3", "0.9"}},
        {"heater voltage after ?J",
         false,
         false,
         {{"?VI", "?5120 250"}, {"?J", "?6.10 "}},
         {"5120.0", "250.0", "6.1", "old"}},
        {"helix query fails", false, true, {{"PHV?", "PHV6.30 "}, {"PHI?", "PHI0.85 "}}, {"old", "old", "old", "old"}},
    };
    for (const Case& c : cases) {
        ReadingWindow rw;
        rw.t.p().unit.config.DualTwtaUnit = c.dualTube;
        rw.t.p().display.DualHelixDisplay = c.dualHelixDisplay;
        rw.t.replies = c.replies;
        // Earlier queries' fields must not show up as helix values.
        rw.t.p().ReplyFields.fill("99");
        const frmMainUi& u = rw.w.ui;
        for (QLineEdit* b : {u.txtHelixV, u.txtHelixI, u.txtHeaterV, u.txtHelix2I})
            b->setText("old");
        rw.w.readings().UpdateHelixHeater();
        EXPECT_EQ(QStringList({u.txtHelixV->text(), u.txtHelixI->text(), u.txtHeaterV->text(), u.txtHelix2I->text()}),
                  c.boxes)
            << c.name;
    }
}

TEST(PolledReadings, CathodeCurrentWhileEnabled)
{
    ReadingWindow rw;
    rw.t.replies["?C"] = "? 340";
    rw.t.replies["PBFA?"] = "PBFA1200";
    rw.w.readings().UpdateCathodeCurrent();
    EXPECT_TRUE(rw.t.commands.isEmpty());   // monitoring off: nothing asked

    rw.t.p().unit.cathode.CathodeCurrentEnabled = true;
    rw.w.readings().UpdateCathodeCurrent();
    EXPECT_EQ(rw.w.ui.txtCathI->text(), "340");
    EXPECT_EQ(rw.w.ui.txtAnodeV->text(), "1200");
    EXPECT_EQ(rw.t.p().unit.cathode.AnodeVoltage, 1200);

    rw.t.replies.clear();   // no answer: the boxes and the kept voltage stay
    rw.w.readings().UpdateCathodeCurrent();
    EXPECT_EQ(rw.w.ui.txtCathI->text(), "340");
    EXPECT_EQ(rw.w.ui.txtAnodeV->text(), "1200");
    EXPECT_EQ(rw.t.p().unit.cathode.AnodeVoltage, 1200);
}

TEST(PolledReadings, CurrentSenseOnlyOnOlderSolidStateUnits)
{
    struct Case {
        const char* name;
        bool twta;
        qint32 model, firmware100;
        bool read;
    };
    const Case cases[] = {
        {"SSPA firmware 1.99", false, 7467, 199, true},
        {"SSPA firmware 2.00", false, 7467, 200, false},
        {"TWTA", true, 6316, 150, false},
        {"model 5363", false, 5363, 150, false},
        {"model 5384", false, 5384, 150, false},
        {"model 5806", false, 5806, 150, false},
        {"model 5819", false, 5819, 150, false},
        {"model 5833", false, 5833, 150, false},
    };
    for (const Case& c : cases) {
        ReadingWindow rw;
        UnitIdentity& id = rw.t.p().unit.id;
        id.IsTwtaUnit = c.twta;
        id.UnitModelCode = c.model;
        id.FirmwareVersion100 = c.firmware100;
        rw.t.replies["?IiJj"] = "? 1.2 3.4 5.6 7.8";
        rw.w.readings().UpdateCurrentSense();
        EXPECT_EQ(rw.sent("?IiJj"), c.read) << c.name;
        const frmMainUi& u = rw.w.ui;
        const QStringList shown = {u.txtCS1->text(), u.txtCS2->text(), u.txtCS3->text(), u.txtCS4->text()};
        EXPECT_EQ(shown, c.read ? QStringList({" 1.2", " 3.4", " 5.6", " 7.8"}) : QStringList({"", "", "", ""}))
            << c.name;
    }
}

TEST(PolledReadings, RfFrequencyLabels)
{
    ReadingWindow rw;
    rw.t.replies["TF?"] = "TF14250";
    rw.w.readings().UpdateRFFrequency();
    EXPECT_EQ(rw.w.ui.lblRFFrqVal->text(), "14250 MHz");
    EXPECT_FALSE(rw.w.ui.lblRFFrq->isHidden());
    EXPECT_FALSE(rw.w.ui.lblRFFrqVal->isHidden());
    EXPECT_EQ(rw.t.p().unit.readings.RfFrequencyText, "14250");

    rw.t.replies.clear();
    rw.w.readings().UpdateRFFrequency();
    EXPECT_TRUE(rw.w.ui.lblRFFrq->isHidden());
    EXPECT_TRUE(rw.w.ui.lblRFFrqVal->isHidden());
    EXPECT_EQ(rw.t.p().unit.readings.RfFrequencyText, "");
}

TEST(PolledReadings, DcInputValuesAtTheFirstRead)
{
    ReadingWindow rw;
    rw.t.replies = sspaProfile().replies;
    rw.w.readings().InitDCVInParameters();
    EXPECT_TRUE(rw.t.commands.isEmpty());   // only on units monitoring their DC input

    rw.t.p().unit.config.MonitorDCVInput = true;
    rw.t.replies.remove("PBDFH?");
    rw.w.readings().InitDCVInParameters();
    const UnitReadings& r = rw.t.p().unit.readings;
    EXPECT_EQ(QStringList({r.DCVInAlarmLowLimit, r.DCVInAlarmHighLimit, r.DCVInFaultLowLimit, r.DCVInFaultHighLimit,
                           r.DCVInRatio}),
              QStringList({"42.0", "56.0", "40.0", "", "1.02"}));
    EXPECT_EQ(rw.w.ui.txtCS2->text(), "48.2");
}

TEST(PolledReadings, AttenuationAsksForTheDownlinkCountOnTheNetworkDiscoveryFamily)
{
    ReadingWindow rw;
    rw.t.replies = sspaProfile().replies;
    rw.w.ui.txtAtnCnt->setText("0512");
    rw.w.readings().UpdateAtn();
    EXPECT_FALSE(rw.sent("?/"));
    rw.t.p().unit.id.LldpFirmware = true;
    rw.t.replies["?/"] = "?0300";
    rw.w.readings().UpdateAtn();
    EXPECT_TRUE(rw.sent("?/"));
    EXPECT_EQ(rw.w.ui.txtAtnCnt->text(), "0512");   // the poll shows it nowhere
    EXPECT_EQ(rw.w.ui.txtAtnDB->text(), "10.5");
}

TEST(PolledReadings, ADisconnectWhileAReadingWaitsLeavesTheClearedWindowEmpty)
{
    struct Case {
        const char* name;
        QByteArray command;   // the operator disconnects while this query waits
        void (Readings::*update)();
        QLineEdit* frmMainUi::*box;
    };
    const Case cases[] = {
        {"forward", "?P", &Readings::UpdateFwdRF, &frmMainUi::txtFdBm},
        {"drive power", "?S", &Readings::UpdateFwdRF, &frmMainUi::txtFCnt},
        {"reverse", "?Q", &Readings::UpdateRevRF, &frmMainUi::txtRdBm},
        {"attenuation", "?A", &Readings::UpdateAtn, &frmMainUi::txtAtnDB},
        {"temperature", "?T", &Readings::UpdateTemperature, &frmMainUi::txtTemp},
        {"heater current", "PHI?", &Readings::UpdateHelixHeater, &frmMainUi::txtHelix2I},
        {"anode voltage", "PBFA?", &Readings::UpdateCathodeCurrent, &frmMainUi::txtAnodeV},
        {"current sense", "?IiJj", &Readings::UpdateCurrentSense, &frmMainUi::txtCS1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TcpTestProgram t;
        t.replies = {{"?P", "?65.2"},
                     {"?S", "?1.5"},
                     {"?Q", "? 1.2"},
                     {"?A", "?10.5"},
                     {"?T", "? 35 "},
                     {"?VI", "?5120 250"},
                     {"PHV?", "PHV6.30 "},
                     {"PHI?", "PHI0.85 "},
                     {"?C", "? 340"},
                     {"PBFA?", "PBFA1200"},
                     {"?IiJj", "? 1.2 3.4 5.6 7.8"},
                     {"TF?", "TF14250"}};
        BeginConnection(t.p(), true);
        frmMain w{t.p()};
        t.p().conn.FirstReadDone = true;
        t.p().display.DrivePowerShown = true;
        t.p().display.DualHelixDisplay = true;
        t.p().unit.cathode.CathodeCurrentEnabled = true;
        t.p().unit.id.UnitModelCode = 7467;
        t.p().unit.id.FirmwareVersion100 = 150;
        w.ui.btnConnect->setText("Disconnect");
        bool disconnected = false;
        t.clock.onProcessEvents = [&] {
            t.tcp.deliverNext();   // the answer is in when the operator disconnects
            if (!disconnected && t.commands.contains(c.command)) {
                disconnected = true;
                w.connection().btnConnect_Click();
            }
        };
        (w.readings().*c.update)();
        ASSERT_TRUE(disconnected);
        EXPECT_EQ((w.ui.*c.box)->text(), "");
        EXPECT_EQ(t.commands.last(), c.command);   // nothing asked after it
    }
}

TEST(PolledReadings, ADisconnectWhileTheFrequencyWaitsLeavesItsLabelsHidden)
{
    TcpTestProgram t;
    t.replies["TF?"] = "TF14250";
    BeginConnection(t.p(), true);
    frmMain w{t.p()};
    t.p().conn.FirstReadDone = true;
    w.ui.btnConnect->setText("Disconnect");
    t.clock.onProcessEvents = [&] {
        t.tcp.deliverNext();
        if (t.p().txn.LinkUp)
            w.connection().btnConnect_Click();
    };
    w.readings().UpdateRFFrequency();
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_TRUE(w.ui.lblRFFrqVal->isHidden());
    EXPECT_EQ(w.ui.lblRFFrqVal->text(), "");
}
