#include "app/Program.h"
#include "link/Transaction.h"
#include "status/FirstReadRecorder.h"
#include "support/LinkedUnit.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitProfile.h"
#include "support/TcpTestProgram.h"
#include "status/UnitConnection.h"
#include "status/FirstRead.h"
#include "status/PollLoop.h"
#include "status/WindowLayout.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Steps that are procedures of other areas of the window: the golden sequences show where
// they run, not what they send.
const QSet<QString> OtherAreas = {"InitDataDirectory",
                                  "DetermineUnitType",
                                  "SetUnitPICProcessorOption",
                                  "InitLLDP",
                                  "InitTempComp",
                                  "InitUnitCfg",
                                  "InitPowerLimit",
                                  "InitFactoryTripLevels",
                                  "CheckInputDriverPwrSupport",
                                  "InitDisplay",
                                  "UpdateRFFrequency",
                                  "SetProjectSpecificValues",
                                  "InitDCVInParameters",
                                  "UpdateAtn",
                                  "UpdateAMCParameters",
                                  "UpdateCurrentSense",
                                  "UpdateFwdRF",
                                  "UpdateRevRF",
                                  "InitPowerSaveParameters",
                                  "InitCom1Settings",
                                  "InitCom2Settings",
                                  "InitRFBand",
                                  "InitBandParameters",
                                  "UpdateTemperature",
                                  "UpdateRFIStatus",
                                  "InitRFTripLevels",
                                  "InitReverseRFOffset",
                                  "UpdateHelixHeater",
                                  "InitLCBuc",
                                  "InitCurrentSenseParams",
                                  "InitEnetParams",
                                  "UpdateCathodeCurrent"};

// The first read as a flat list: the commands of its own steps, "<Name>" where another
// area's procedure runs and "~" where pending events run.
QStringList Flatten(const QList<StepCommands>& steps)
{
    QStringList out;
    for (const StepCommands& s : steps) {
        if (s.step == QLatin1String("Events"))
            out << "~";
        else if (OtherAreas.contains(s.step))
            out << "<" + s.step + ">";
        else
            for (const QByteArray& c : s.commands)
                out << QString::fromLatin1(c);
    }
    return out;
}

QStringList Golden(bool lldpFirmware)
{
    QStringList g = {"<InitDataDirectory>",
                     "<DetermineUnitType>",
                     "<SetUnitPICProcessorOption>",
                     "<InitLLDP>",
                     "PBS1?",
                     "PBS2?",
                     "PBS3?",
                     "PBS4?",
                     "PBS?",
                     "<InitTempComp>",
                     "<InitUnitCfg>",
                     "PS?",
                     "<InitPowerLimit>",
                     "<InitFactoryTripLevels>",
                     ".?P334",
                     ".?P332",
                     ".?P333",
                     "<CheckInputDriverPwrSupport>",
                     "<InitDisplay>",
                     "PX?",
                     "~",
                     ".?P203",
                     "<UpdateRFFrequency>",
                     "~",
                     "YIF?",
                     "YIA?",
                     "~",
                     ".?P151",
                     ".?P212",
                     "<SetProjectSpecificValues>",
                     "<InitDCVInParameters>",
                     "?%",
                     "<UpdateAtn>",
                     "PBJ?",
                     "YCI?",
                     "<UpdateAMCParameters>",
                     "<UpdateCurrentSense>",
                     "<UpdateFwdRF>",
                     "<UpdateRevRF>",
                     "?!",
                     "?(",
                     "~",
                     "?M",
                     "?N",
                     "<InitPowerSaveParameters>",
                     "<InitCom1Settings>",
                     "<InitCom2Settings>",
                     "~",
                     ".?B1",
                     ".?B2",
                     ".?B3",
                     "<InitRFBand>",
                     "<InitBandParameters>",
                     "~",
                     "PBKF?",
                     "PBKF?",
                     "PBKA?",
                     "PBKA?",
                     "PBKI?",
                     "PBKL?",
                     "PBKL?",
                     "<UpdateTemperature>",
                     "<UpdateRFIStatus>",
                     "~",
                     "G?",
                     "<InitRFTripLevels>",
                     "<InitReverseRFOffset>",
                     "YC?",
                     "~",
                     "<UpdateHelixHeater>",
                     "<InitLCBuc>",
                     "~",
                     "<InitCurrentSenseParams>",
                     "<InitEnetParams>",
                     "~",
                     "<UpdateCathodeCurrent>",
                     "PBW?",
                     "PBO?",
                     "~"};
    if (lldpFirmware)
        g.insert(g.indexOf("PX?") + 1, "QmaxSYSPower?");
    return g;
}

// A command that only reads: every command of the first read must be one.
bool IsQuery(const QByteArray& command)
{
    static const QSet<QByteArray> plainReads = {"YT", "00", "0C", "0S", "QEC", "1"};
    return command.contains('?') || plainReads.contains(command);
}

// Runs `action` while the first read's n-th pause for events runs (not one inside another
// area's step); returns how many commands had been sent by then (-1 until it ran).
std::shared_ptr<qsizetype> AtPause(TestProgram& t, frmMain& w, int n, std::function<void()> action)
{
    auto sent = std::make_shared<qsizetype>(-1);
    auto pauses = std::make_shared<int>(0);
    auto now = std::make_shared<bool>(false);
    w.firstRead().onFirstReadStep = [=](const char* step) { *now = QLatin1String(step) == "Events" && ++*pauses == n; };
    t.clock.onProcessEvents = [=, &t] {
        if (!*now)
            return;
        *now = false;
        *sent = t.commands.size();
        action();
    };
    return sent;
}

}   // namespace

TEST(FirstRead, GoldenSequencePerFamilyWithTheHandlersSilenced)
{
    for (const bool tube : {true, false}) {
        SCOPED_TRACE(tube ? "TWTA" : "SSPA");
        TestProgram t;
        t.replies = (tube ? twtaProfile() : sspaProfile()).replies;
        BeginConnection(t.p(), false);
        frmMain w{t.p()};
        t.p().conn.FormUpdating = false;
        QStringList notUpdating;   // steps that ran with the change handlers live
        const QList<StepCommands> steps = RecordFirstRead(t, w, [&](const char* step) {
            if (!t.p().conn.FormUpdating && QLatin1String(step) != QLatin1String("FormUpdating"))
                notUpdating << step;
        });
        EXPECT_EQ(Flatten(steps), Golden(!tube));
        EXPECT_TRUE(notUpdating.isEmpty()) << notUpdating.join(' ').toStdString();
        for (const QByteArray& c : t.commands)
            EXPECT_TRUE(IsQuery(c)) << "setting command sent during the first read: " << c.constData();
        EXPECT_FALSE(t.p().conn.FormUpdating);
        EXPECT_TRUE(t.p().conn.FirstReadDone);
        EXPECT_EQ(t.p().unit.id.IsTwtaUnit, tube);
        EXPECT_EQ(w.ui.lblUnitTempType->text(), tube ? "TWTA" : "SSPA");
    }
}

TEST(FirstRead, ValuesTakenFromTheUnitsAnswers)
{
    struct Case {
        const char* name;
        std::function<void(TestProgram&, frmMain&)> before;
        std::function<void(TestProgram&, frmMain&)> check;
    };
    const Case cases[] = {
        {"no attenuator range: the calibration temperatures are not asked for",
         [](TestProgram& t, frmMain&) { t.replies.remove(".?P334"); },
         [](TestProgram& t, frmMain&) {
             const UnitConfig& c = t.p().unit.config;
             EXPECT_FALSE(c.AtnRangeSupported);
             EXPECT_EQ(c.MaxCalTempText, "");
             EXPECT_EQ(c.MinCalTempText, "");
             EXPECT_FALSE(t.commands.contains(".?P332"));
             EXPECT_FALSE(t.commands.contains(".?P333"));
         }},
        {"attenuator range and maximum attenuation 31.5 dB",
         [](TestProgram& t, frmMain&) { t.replies[".?P203"] = ".P203 315"; },
         [](TestProgram& t, frmMain&) {
             const UnitConfig& c = t.p().unit.config;
             EXPECT_TRUE(c.AtnRangeSupported);
             EXPECT_EQ(c.AtnRangeText, "30.0");
             EXPECT_EQ(c.MaxCalTempText, "70");
             EXPECT_FLOAT_EQ(c.MaxAttenuation, 31.5f);
         }},
        {"maximum attenuation 0: 30 dB", [](TestProgram& t, frmMain&) { t.replies[".?P203"] = ".P203 0"; },
         [](TestProgram& t, frmMain&) { EXPECT_FLOAT_EQ(t.p().unit.config.MaxAttenuation, 30.0f); }},
        {"no extended alarm bytes: the legacy status query", [](TestProgram& t, frmMain&) { t.replies.remove("?("); },
         [](TestProgram& t, frmMain& w) {
             EXPECT_TRUE(t.p().unit.id.LegacyStatusQuery);
             t.commands.clear();
             w.poll().UpdateStatus();
             EXPECT_EQ(t.commands.value(0), "?!#9");
         }},
        {"model 6613 waits 6 s for every later reply",
         [](TestProgram& t, frmMain&) { t.replies["YT"] = "YTTWTA 672-6613-001"; },
         [](TestProgram& t, frmMain&) { EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 6.0f); }},
        {"LED mode 2: menu shown, unchecked", [](TestProgram& t, frmMain&) { t.replies["PBW?"] = "PBW2"; },
         [](TestProgram&, frmMain& w) {
             EXPECT_TRUE(w.ui.mnuLEDMode->isVisible());
             EXPECT_FALSE(w.ui.mnuLEDMode->isChecked());
         }},
        {"LED mode 1: menu shown, checked", [](TestProgram&, frmMain&) {},
         [](TestProgram&, frmMain& w) {
             EXPECT_TRUE(w.ui.mnuLEDMode->isVisible());
             EXPECT_TRUE(w.ui.mnuLEDMode->isChecked());
         }},
        {"product part number of 5 characters",
         [](TestProgram& t, frmMain&) { t.replies["PBO?"] = "PBO29163;ORVAN;T1;HPA001"; },
         [](TestProgram& t, frmMain&) { EXPECT_FALSE(t.p().unit.config.ObmipSupported); }},
        {"product part number of 6 characters",
         [](TestProgram& t, frmMain&) { t.replies["PBO?"] = "PBO291634;ORVAN;T1;HPA001"; },
         [](TestProgram& t, frmMain&) {
             EXPECT_TRUE(t.p().unit.config.ObmipSupported);
             EXPECT_EQ(t.p().unit.id.ProductId.PartNumber, "291634");
         }},
        {"latches and masks", [](TestProgram& t, frmMain&) { t.replies.remove(".?P212"); },
         [](TestProgram& t, frmMain& w) {
             const UnitConfig& c = t.p().unit.config;
             EXPECT_TRUE(c.LowLineLatched);
             EXPECT_FALSE(c.ExtIlokLatched);   // unanswered is not latched
             EXPECT_EQ(c.FaultEnableMask, 1048575);
             EXPECT_EQ(c.AlarmEnableMask, 4095);
             EXPECT_TRUE(w.ui.mnuWgArcTest->isVisible());
         }},
        {"a whole summary word sets the remote mode before the first poll", [](TestProgram&, frmMain&) {},
         [](TestProgram& t, frmMain&) { EXPECT_TRUE(t.p().conn.RemoteMode); }},
        {"a summary word cut short is not used", [](TestProgram& t, frmMain&) { t.replies["?!"] = "?\x44\x40"; },
         [](TestProgram& t, frmMain&) { EXPECT_FALSE(t.p().conn.RemoteMode); }},
        {"no PS Vset: its menu hidden", [](TestProgram& t, frmMain&) { t.replies.remove("YC?"); },
         [](TestProgram&, frmMain& w) { EXPECT_FALSE(w.ui.mnuPsVset->isVisible()); }},
        {"PS Vset, date, hours, levels and band names", [](TestProgram& t, frmMain&) { t.replies[".?B2"] = ".B2"; },
         [](TestProgram& t, frmMain& w) {
             const UnitConfig& c = t.p().unit.config;
             EXPECT_EQ(c.PsVsetValue, 1250);
             EXPECT_TRUE(w.ui.mnuPsVset->isVisible());
             EXPECT_TRUE(w.ui.mnuPsVset->isEnabled());
             EXPECT_EQ(w.ui.txtDateTime->text(), "12/31/2025 23:59:58");
             EXPECT_EQ(w.ui.txtPSHours->text(), "12345");
             EXPECT_EQ(w.ui.txtXmtHours->text(), "321");
             EXPECT_EQ(c.TempFaultLevel, "85");
             EXPECT_EQ(c.InletTempAlarmLevel, "15");
             EXPECT_TRUE(c.LatchTempFaults);
             EXPECT_EQ(c.StartupMode, 1);
             EXPECT_TRUE(c.HasAmc);
             EXPECT_TRUE(c.HasUnitGain);
             EXPECT_TRUE(c.UnitGainEnabled);
             EXPECT_EQ(c.UnitGainValue, "3.5");
             EXPECT_TRUE(c.HasRfBandNames);
             EXPECT_EQ(w.ui.cmbRfBand->count(), 1);   // band 2 without a name, band 3 not supported
             EXPECT_EQ(c.RfBandNames[1], "Ku");
             EXPECT_EQ(c.RfBandFreqs[1], "14.25");
             EXPECT_EQ(c.RfBandNames[2], "");
             EXPECT_TRUE(w.ui.btnGoToPwr->isEnabled());
             EXPECT_EQ(w.ui.txtConstLvl->text(), "47.5");
         }},
        {"constant power in watts", [](TestProgram&, frmMain& w) { w.ui.mnuWatts->setText("Display dBm"); },
         [](TestProgram&, frmMain& w) { EXPECT_EQ(w.ui.txtConstLvl->text(), "56.23413"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram t;
        t.replies = twtaProfile().replies;
        BeginConnection(t.p(), false);
        frmMain w{t.p()};
        c.before(t, w);
        w.FirstTimeRead();
        c.check(t, w);
    }
}

TEST(FirstRead, MinAtnCountUsesThisUnitsProcessor)
{
    // Firmware 1.00 on a solid-state unit: 2048, unless this unit has the PIC processor.
    for (const auto& [yt, count] : {std::pair{"YTSSPA 672-5806-001", 0}, {"YTSSPA 672-4817-001", 2048}}) {
        TestProgram t;
        t.replies = sspaProfile().replies;
        t.replies["YT"] = yt;
        t.replies["00"] = "05806001/S1/1.00/";
        BeginConnection(t.p(), false);
        frmMain w{t.p()};
        w.FirstTimeRead();
        EXPECT_EQ(t.p().unit.config.MinAtnCount, count) << yt;
    }
}

TEST(FirstRead, InletReadoutOfA7428TwtaWithinItsRange)
{
    for (const auto& [inlet, shown] : {std::pair{"? 119", false}, {"? -38", true}}) {
        TestProgram t;
        t.replies = twtaProfile().replies;
        t.replies["YT"] = "YTTWTA 672-7428-001";
        t.replies["?t"] = inlet;
        BeginConnection(t.p(), false);
        frmMain w{t.p()};
        w.FirstTimeRead();
        EXPECT_EQ(t.p().display.InletTempShown, shown) << inlet;
        if (shown) {
            EXPECT_EQ(w.ui.Label12->text(), "Inlet");
            EXPECT_FALSE(w.ui.Label12->isHidden());
            EXPECT_FALSE(w.ui.Label14->isHidden());
            EXPECT_FALSE(w.ui.txtTemp2->isHidden());
        }
    }
}

TEST(FirstRead, ADisconnectEndsItAtItsNextStepWithoutFurtherCommands)
{
    TestProgram t;
    t.replies = twtaProfile().replies;
    BeginConnection(t.p(), false);
    frmMain w{t.p()};
    w.ui.btnConnect->setText("Disconnect");
    const auto sentBeforeDisconnect = AtPause(t, w, 3, [&] { w.connection().btnConnect_Click(); });
    w.FirstTimeRead();
    ASSERT_GT(*sentBeforeDisconnect, 0);
    EXPECT_EQ(t.commands.size(), *sentBeforeDisconnect);
    EXPECT_FALSE(t.p().conn.FirstReadDone);
    EXPECT_TRUE(t.p().conn.FormUpdating);   // as the cleared window left it
    EXPECT_EQ(w.ui.txtDateTime->text(), "");
}

TEST(FirstRead, OverTcpASocketErrorEndsItAndTheWindowStaysDisconnected)
{
    // The connection resets while the unit's reply to the command is on its way in; the
    // reply still arrives in the same round of events. Nothing of it reaches the window.
    for (const char* command : {".?P203", "?%", "PBW?"}) {
        SCOPED_TRACE(command);
        TcpTestProgram t;
        t.replies = sspaProfile().replies;
        frmMain w{t.p()};
        t.clock.onProcessEvents = [&] {
            if (t.commands.value(t.commands.size() - 1) == command && t.tcp.st == ITcpSocket::Connected)
                t.tcp.onError({10054, "Connection reset by peer", 0, "sckTcp"});
            t.tcp.deliverNext();
        };
        t.tcp.onConnect();   // the connect event: the first read on the first tick
        EXPECT_EQ(t.commands.last(), command);
        EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
        EXPECT_TRUE(w.ui.btnConnect->isEnabled());
        EXPECT_FALSE(w.Timer1.isActive());
        EXPECT_FALSE(t.p().conn.FirstReadDone);
        EXPECT_FALSE(t.p().conn.EnetFirstReadPending);
        EXPECT_EQ(w.ui.txtDateTime->text(), "");
        EXPECT_FALSE(w.ui.mnuLEDMode->isVisible());
    }
}

TEST(FirstRead, NothingMoreIsSentOnceTheConnectionEndedInTheMiddleOfAStep)
{
    // The helix query is one of many the tube layout sends within one step of the read.
    TcpTestProgram t;
    t.replies = twtaProfile().replies;
    frmMain w{t.p()};
    t.clock.onProcessEvents = [&] {
        if (t.commands.value(t.commands.size() - 1) == "YGHI?" && t.tcp.st == ITcpSocket::Connected)
            t.tcp.onError({10054, "Connection reset by peer", 0, "sckTcp"});
        t.tcp.deliverNext();
    };
    t.tcp.onConnect();
    EXPECT_EQ(t.commands.last(), "YGHI?");
    EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
}

TEST(FirstRead, TheConnectEventReadsTheUnitThenPolls)
{
    TcpTestProgram t;
    t.replies = sspaProfile().replies;
    frmMain w{t.p()};
    w.ui.mnuConnect->setEnabled(true);
    w.ui.btnConnect->setEnabled(false);   // as the connect road leaves it while connecting
    t.tcp.onConnect();
    EXPECT_TRUE(t.p().conn.FirstReadDone);
    EXPECT_FALSE(t.p().conn.EnetFirstReadPending);
    EXPECT_EQ(w.ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(w.ui.btnConnect->isEnabled());
    EXPECT_FALSE(w.ui.mnuConnect->isEnabled());
    EXPECT_FALSE(w.ui.mnuAdvSrch->isEnabled());
    EXPECT_FALSE(w.ui.mnuAtnCal->isVisible());   // no attenuator calibration scan is offered
    EXPECT_EQ(t.p().conn.PollRetriesLeft, 2);
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_TRUE(w.ui.chkPS->isEnabled());   // the window enabled
    w.Timer1.stop();
}

TEST(FirstRead, SameCommandsOverLoopbackTcpAndThePseudoTerminal)
{
    for (const bool tube : {true, false}) {
        SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
        TestProgram scripted;
        scripted.replies = profile.replies;
        {
            frmMain w{scripted.p()};
            w.FirstTimeRead();
        }
        profile.refuseUnknown(scripted.commands);
        {
            TcpUnitProgram s(profile);
            ASSERT_TRUE(s.connected);
            frmMain w{s.p()};
            w.Timer1_Timer();   // the connect event's tick: the first read
            EXPECT_TRUE(s.p().conn.FirstReadDone);
            EXPECT_EQ(w.ui.btnConnect->text(), "Disconnect");
            EXPECT_EQ(s.unit.commands(), scripted.commands) << (tube ? "TWTA over TCP" : "SSPA over TCP");
        }
        {
            SerialUnitProgram s(profile);
            frmMain w{s.p()};
            w.FirstTimeRead();
            EXPECT_TRUE(s.p().conn.FirstReadDone);
            EXPECT_EQ(s.unit.commands(), scripted.commands) << (tube ? "TWTA serial" : "SSPA serial");
        }
    }
}

TEST(FirstRead, TheConnectButtonPressedDuringTheReadEndsItAndDisconnects)
{
    MainWindowProgram t;
    t.replies = twtaProfile().replies;
    frmMain& w = t.w();
    w.ui.mnuPollEn->setChecked(true);   // the single-address road: no search before the read
    const auto sentAtPress = AtPause(t, w, 2, [&] { w.connection().btnConnect_Click(); });
    w.connection().btnConnect_Click();
    ASSERT_GT(*sentAtPress, 0);
    EXPECT_EQ(t.commands.size(), *sentAtPress);   // nothing more was asked
    EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(w.Timer1.isActive());
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_FALSE(t.p().conn.FirstReadDone);
    EXPECT_FALSE(t.p().conn.AbortScan);
    EXPECT_TRUE(w.ui.mnuConnect->isEnabled());
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST(FirstRead, OverTcpTheConstantPowerInputsFollowTheTransmitter)
{
    for (const auto& [summary, on] : {std::pair{"?\x54\x40\x40\x40", true}, {"?\x44\x40\x40\x40", false}}) {
        TcpTestProgram t;
        t.replies = sspaProfile().replies;
        t.replies["?!"] = summary;
        frmMain w{t.p()};
        t.tcp.onConnect();
        w.Timer1.stop();
        EXPECT_EQ(w.layout().IsTxOn(), on);
        EXPECT_EQ(w.ui.chkConstPwr->isEnabled(), on) << "transmitter " << on;
        EXPECT_EQ(w.ui.txtConstLvl->isEnabled(), on) << "transmitter " << on;
    }
}

TEST(FirstRead, OverTcpTheConnectButtonStopsASlowRead)
{
    // The read started by the connect button inside its wait for the socket, and one started
    // by a connect event outside it (a locator pick); the button reads "Connect" in both.
    for (const bool fromConnectButton : {true, false}) {
        SCOPED_TRACE(fromConnectButton ? "connect button" : "connect event");
        TcpTestProgram t;
        t.replies = sspaProfile().replies;
        frmMain w{t.p()};
        w.Form_Load();
        t.p().conn.UseEnet = true;
        t.tcp.st = ITcpSocket::Closed;
        t.tcp.stateAfterConnect = ITcpSocket::Connected;
        bool enabledAtPress = false;
        const auto sentAtPress = AtPause(t, w, 2, [&] {
            enabledAtPress = w.ui.btnConnect->isEnabled();
            w.ui.btnConnect->click();   // a disabled button takes no click
            // Nor do the connect menus start anything inside the read.
            w.connection().mnuConnect_Click();
            w.connection().mnuExtSrch_Click();
            w.connection().mnuAdvSrch_Click();
        });
        bool connectEventRan = false;
        const auto events = t.clock.onProcessEvents;
        t.clock.onProcessEvents = [&] {
            if (!connectEventRan && t.tcp.st == ITcpSocket::Connected) {
                connectEventRan = true;
                t.tcp.onConnect();
                return;
            }
            events();
            t.tcp.deliverNext();
        };
        if (fromConnectButton) {
            w.connection().btnConnect_Click();
        } else {
            t.tcp.connectToRemote();
            t.clock.processEvents();
        }
        ASSERT_TRUE(connectEventRan);
        EXPECT_TRUE(enabledAtPress);
        ASSERT_GT(*sentAtPress, 0);
        EXPECT_EQ(t.commands.size(), *sentAtPress);   // nothing more was asked
        EXPECT_EQ(t.tcp.connects, 1);                 // and no second connect began
        EXPECT_FALSE(t.p().conn.ExtendedSearch);
        EXPECT_FALSE(t.p().conn.AdvancedSearch);
        EXPECT_FALSE(t.p().conn.FirstReadDone);
        EXPECT_FALSE(t.p().txn.LinkUp);
        EXPECT_EQ(t.tcp.st, ITcpSocket::Closed);
        EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
        EXPECT_TRUE(w.ui.btnConnect->isEnabled());
        EXPECT_TRUE(w.ui.mnuConnect->isEnabled());
        EXPECT_FALSE(w.Timer1.isActive());
        EXPECT_FALSE(w.ui.chkPS->isEnabled());    // the window stays disabled
        EXPECT_TRUE(t.prompts.boxes.isEmpty());   // the operator's stop is no connect failure
    }
}

TEST(FirstRead, OperatorInputIsHandledBetweenTwoCommandsOfAStep)
{
    // The helix query is one of many the tube layout sends within one step of the read; the
    // button pressed while it waits is handled before the next command.
    MainWindowProgram t;
    t.replies = twtaProfile().replies;
    frmMain& w = t.w();
    w.ui.mnuPollEn->setChecked(true);
    bool pressed = false;
    t.clock.onProcessEvents = [&] {
        if (!pressed && t.commands.value(t.commands.size() - 1) == "YGHI?") {
            pressed = true;
            w.connection().btnConnect_Click();
        }
    };
    w.connection().btnConnect_Click();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(t.commands.last(), "YGHI?");
    EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}
