// The transmit, constant-power, waveguide and band controls, the fault-reset and go-to-power
// buttons and the RF frequency label, used through the window against the simulated unit
// over the pseudo-terminal and loopback TCP.
#include "ControlsWindow.h"
#include "link/Transaction.h"
#include "ui/FormUpdatingGuard.h"
#include "status/QStringPrint.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/WindowLayout.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Every case starts from: remote mode, the transmitter shown on with nothing inhibited or
// faulted, every check box unticked, switches at "A", configuration "0 - None", dBm levels
// in a 35 to 49 dBm band, a forward power of 45.5 dBm, an empty constant-power box.
void startCase(ControlsWindow& c)
{
    LinkedWindow& u = c.u;
    frmMain& w = u.w();
    Program& p = u.p();
    if (p.display.DisplayWatts)
        w.powerUnits().DisplayTodBm();
    p.conn.RemoteMode = true;
    p.conn.FormUpdating = false;
    p.unit.id.DbmLevelsSupported = true;
    p.unit.config.BandMinPower = 35.0f;
    p.unit.config.BandMaxPower = 49.0f;
    {
        FormUpdatingGuard hold(p.conn.FormUpdating);
        for (QCheckBox* box : {w.ui.chkPS, w.ui.chkRFI, w.ui.chkConstPwr, w.ui.chkAutoMode})
            box->setChecked(false);
        for (QComboBox* list : {w.ui.cmbWgCfg, w.ui.cmbWgSw1, w.ui.cmbWgSw2, w.ui.cmbRfBand})
            list->setCurrentIndex(0);
    }
    w.ui.Label31->setText("HV On");
    w.ui.Label31->show();
    w.ui.Label35->hide();
    w.ui.Label36->hide();
    w.ui.txtFdBm->setText("45.5");
    w.ui.txtConstLvl->clear();
    w.layout().EnableConstPwrInput();
    w.Timer1.stop();
    u.unit().editProfile([](SimUnitProfile& profile) {
        profile.set("G?", "G47.5");
        profile.behaviour["G?"] = SimBehaviour{};
    });
    u.prompts.inputAnswers.clear();
    u.leave();
    u.clearLogs();
    c.timerSwitches.clear();
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
void choose(QComboBox* list, int entry) { list->setCurrentIndex(entry); }
void tick(LinkedWindow& u, QCheckBox* box)
{
    FormUpdatingGuard hold(u.p().conn.FormUpdating);
    box->setChecked(true);
}
void refuse(LinkedWindow& u, const QByteArray& command)
{
    u.unit().editProfile([command](SimUnitProfile& profile) { profile.behaviour[command].kind = SimBehaviour::Nak; });
}

struct ControlCase {
    const char* name;
    std::function<void(ControlsWindow&)> act;
    QByteArrayList logged;    // what the unit received, in order
    QStringList boxes = {};   // shown, in order
    std::function<void(ControlsWindow&)> setup = nullptr;
    std::function<void(ControlsWindow&)> check = nullptr;
};

void runCases(ControlsWindow& c, const std::vector<ControlCase>& cases)
{
    for (const ControlCase& k : cases) {
        SCOPED_TRACE(k.name);
        startCase(c);
        if (k.setup)
            k.setup(c);
        c.u.clearLogs();
        const qint64 start = c.clock.msNow();
        k.act(c);
        c.elapsedMs = c.clock.msNow() - start;
        EXPECT_EQ(c.u.unit().commands(), k.logged);
        EXPECT_EQ(c.u.boxes(), k.boxes);
        if (k.check)
            k.check(c);
        EXPECT_FALSE(c.u.p().conn.FormUpdating);
        c.u.unit().editProfile([](SimUnitProfile& profile) {
            for (const QByteArray command : {"@", "A", "TKa", "TF14250", "B"})
                profile.behaviour.remove(command);
        });
    }
}

class CommandControlsOverLink : public testing::TestWithParam<UnitLink> {};

std::vector<ControlCase> controlCases()
{
    const auto ui = [](ControlsWindow& c) -> frmMainUi& { return c.u.w().ui; };
    const auto goTo = [ui](ControlsWindow& c) { click(ui(c).btnGoToPwr); };
    const auto withConstLevel = [ui](ControlsWindow& c) { ui(c).txtConstLvl->setText("45"); };
    return {
        {"RF inhibit", [ui](ControlsWindow& c) { click(ui(c).chkRFI); }, {"I"}},
        {"RF inhibit off",
         [ui](ControlsWindow& c) { click(ui(c).chkRFI); },
         {"J"},
         {},
         [ui](ControlsWindow& c) { tick(c.u, ui(c).chkRFI); }},
        {"automatic mode", [ui](ControlsWindow& c) { click(ui(c).chkAutoMode); }, {"UA"}},
        {"manual mode",
         [ui](ControlsWindow& c) { click(ui(c).chkAutoMode); },
         {"UM"},
         {},
         [ui](ControlsWindow& c) { tick(c.u, ui(c).chkAutoMode); }},
        {"waveguide standalone with load", [ui](ControlsWindow& c) { choose(ui(c).cmbWgCfg, 5); }, {"PC6"}},
        {"waveguide 1-for-1", [ui](ControlsWindow& c) { choose(ui(c).cmbWgCfg, 1); }, {"PC1"}},
        {"switch 1 to B", [ui](ControlsWindow& c) { choose(ui(c).cmbWgSw1, 1); }, {"U0"}},
        {"switch 1 to A",
         [ui](ControlsWindow& c) { choose(ui(c).cmbWgSw1, 0); },
         {"U1"},
         {},
         [ui](ControlsWindow& c) {
             FormUpdatingGuard hold(c.u.p().conn.FormUpdating);
             ui(c).cmbWgSw1->setCurrentIndex(1);
         }},
        {"switch 2 to B", [ui](ControlsWindow& c) { choose(ui(c).cmbWgSw2, 1); }, {"U2"}},
        {"switch 2 to A",
         [ui](ControlsWindow& c) { choose(ui(c).cmbWgSw2, 0); },
         {"U3"},
         {},
         [ui](ControlsWindow& c) {
             FormUpdatingGuard hold(c.u.p().conn.FormUpdating);
             ui(c).cmbWgSw2->setCurrentIndex(1);
         }},
        {"fault reset with the poll off around it",
         [ui](ControlsWindow& c) { click(ui(c).btnFaultReset); },
         {"B"},
         {},
         nullptr,
         [](ControlsWindow& c) {
             EXPECT_EQ(c.timerSwitches, QStringList({"off@0", "on@1"}));
             EXPECT_TRUE(c.u.w().Timer1.isActive());
         }},
        {"refused fault reset",
         [ui](ControlsWindow& c) { click(ui(c).btnFaultReset); },
         {"B"},
         {},
         [](ControlsWindow& c) { refuse(c.u, "B"); },
         [](ControlsWindow& c) { EXPECT_TRUE(c.u.w().Timer1.isActive()); }},
        // Constant power
        {"constant power from the forward power",
         [ui](ControlsWindow& c) { click(ui(c).chkConstPwr); },
         {"GM45.5", "G?"},
         {},
         nullptr,
         [ui](ControlsWindow& c) {
             EXPECT_TRUE(ui(c).chkConstPwr->isChecked());
             EXPECT_EQ(ui(c).txtConstLvl->text(), "45.5");
         }},
        {"constant power under range takes the box",
         [ui](ControlsWindow& c) { click(ui(c).chkConstPwr); },
         {"GM44.0", "G?"},
         {},
         [ui](ControlsWindow& c) {
             ui(c).txtFdBm->setText("< 30.0");
             ui(c).txtConstLvl->setText("44");
         }},
        {"constant power under range with an empty box",
         [ui](ControlsWindow& c) { click(ui(c).chkConstPwr); },
         {},
         {},
         [ui](ControlsWindow& c) { ui(c).txtFdBm->setText("< 30.0"); },
         [ui](ControlsWindow& c) { EXPECT_FALSE(ui(c).chkConstPwr->isChecked()); }},
        {"constant power off",
         [ui](ControlsWindow& c) { click(ui(c).chkConstPwr); },
         {"H"},
         {},
         [ui](ControlsWindow& c) { tick(c.u, ui(c).chkConstPwr); }},
        // Go to power
        {"go to power", goTo, {"EM45.0"}, {}, withConstLevel},
        {"go to power, transmitter state hidden",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label31->hide();
         }},
        {"go to power in standby",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label31->setText("Standby");
         }},
        {"go to power in FTD",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label31->setText("FTD");
         }},
        {"go to power in warmup",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label31->setText("Warmup");
         }},
        {"go to power with a summary fault",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label36->show();
         }},
        {"go to power with RF inhibited",
         goTo,
         {},
         {},
         [ui, withConstLevel](ControlsWindow& c) {
             withConstLevel(c);
             ui(c).Label35->show();
         }},
        // Band
        {"band",
         [ui](ControlsWindow& c) { choose(ui(c).cmbRfBand, 1); },
         {"TKa", ".?P118", ".?P116", "PG?", "PBCG?"},
         {},
         nullptr,
         [](ControlsWindow& c) {
             const UnitConfig& cfg = c.u.p().unit.config;
             EXPECT_EQ(cfg.CurrentBandText, "Ka");
             EXPECT_FLOAT_EQ(cfg.BandMaxPower, 43.0f);
             EXPECT_FLOAT_EQ(cfg.BandMinPower, 20.0f);
         }},
        {"refused band",
         [ui](ControlsWindow& c) { choose(ui(c).cmbRfBand, 1); },
         {"TKa"},
         {},
         [](ControlsWindow& c) { refuse(c.u, "TKa"); },
         [](ControlsWindow& c) { EXPECT_FLOAT_EQ(c.u.p().unit.config.BandMaxPower, 49.0f); }},
    };
}

TEST_P(CommandControlsOverLink, EachControlSendsItsCommand)
{
    SimUnitProfile profile = twtaProfile();
    profile.set(".?P118", ".P118 430");
    profile.set(".?P116", ".P116 200");
    ControlsWindow c(GetParam(), profile);
    ASSERT_TRUE(c.u.ready());
    ASSERT_EQ(c.u.w().ui.cmbRfBand->count(), 2);
    runCases(c, controlCases());
}

// "Transmitter ON": the command, then, a second later with the poll off, the unit's
// readings; the constant-power inputs follow an acknowledged command only.
std::vector<ControlCase> transmitterCases(const QByteArrayList& readings)
{
    const auto ui = [](ControlsWindow& c) -> frmMainUi& { return c.u.w().ui; };
    const auto on = [ui](ControlsWindow& c) { click(ui(c).chkPS); };
    const auto startedOn = [ui](ControlsWindow& c) { tick(c.u, ui(c).chkPS); };
    const auto startedOff = [](ControlsWindow& c) { c.u.w().layout().DisableConstPwrInput(); };
    const auto inputs = [ui](bool enabled) {
        return [ui, enabled](ControlsWindow& c) {
            EXPECT_EQ(ui(c).chkConstPwr->isEnabled(), enabled);
            EXPECT_EQ(ui(c).txtConstLvl->isEnabled(), enabled);
        };
    };
    const auto refreshed = [readings, inputs](bool enabled) {
        return [readings, inputs, enabled](ControlsWindow& c) {
            inputs(enabled)(c);
            const QString on = QString("on@%1").arg(readings.size() + 1);
            EXPECT_EQ(c.timerSwitches, QStringList({"off@1", on}));   // off for the wait and the reads
            EXPECT_TRUE(c.u.w().Timer1.isActive());
            EXPECT_GE(c.elapsedMs, 1000);   // the second's wait
        };
    };
    return {
        {"on", on, QByteArrayList{"@"} + readings, {}, startedOff, refreshed(true)},
        {"off", on, QByteArrayList{"A"} + readings, {}, startedOn, refreshed(false)},
        {"on refused",
         on,
         QByteArrayList{"@"} + readings,
         {},
         [startedOff](ControlsWindow& c) {
             startedOff(c);
             refuse(c.u, "@");
         },
         refreshed(false)},
        {"off refused",
         on,
         QByteArrayList{"A"} + readings,
         {},
         [startedOn](ControlsWindow& c) {
             startedOn(c);
             refuse(c.u, "A");
         },
         refreshed(true)},
    };
}

TEST_P(CommandControlsOverLink, TransmitterOnReadsATubeUnitBackASecondLater)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    c.u.p().unit.id.UnitModelCode = 4817;   // a model whose RF inhibit is read
    runCases(c, transmitterCases({"?VI", "PHV?", "PHI?", "?P", "?Q", ".?P54"}));
}

TEST_P(CommandControlsOverLink, TransmitterOnReadsASolidStateUnitBackASecondLater)
{
    ControlsWindow c(GetParam(), sspaProfile());
    ASSERT_TRUE(c.u.ready());
    c.u.p().unit.id.FirmwareVersion100 = 150;   // firmware that reports its current sense
    runCases(c, transmitterCases({"?IiJj", "?P", "?S", "?Q", ".?P54"}));
}

TEST_P(CommandControlsOverLink, LocalModeShowsTheRemoteBoxAndSendsNothing)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    frmMainUi& ui = c.u.w().ui;
    const auto local = [&] {
        c.u.p().conn.RemoteMode = false;
        c.u.clearLogs();
    };
    for (QCheckBox* box : {ui.chkPS, ui.chkRFI, ui.chkAutoMode, ui.chkConstPwr}) {
        for (const bool ticked : {false, true}) {
            SCOPED_TRACE(box->objectName().toStdString() + (ticked ? " ticked" : " unticked"));
            startCase(c);
            if (ticked)
                tick(c.u, box);
            local();
            click(box);
            EXPECT_EQ(c.u.boxes(), QStringList({notRemote}));
            EXPECT_EQ(box->isChecked(), ticked);   // put back, and putting it back sent nothing
            EXPECT_TRUE(c.u.unit().commands().isEmpty());
            EXPECT_FALSE(c.u.p().conn.FormUpdating);
        }
    }
    for (QComboBox* list : {ui.cmbWgCfg, ui.cmbWgSw1, ui.cmbWgSw2, ui.cmbRfBand}) {
        SCOPED_TRACE(list->objectName().toStdString());
        startCase(c);
        local();
        choose(list, 1);
        EXPECT_EQ(c.u.boxes(), QStringList({notRemote}));
        EXPECT_EQ(list->currentIndex(), 1);   // the list keeps the operator's entry
        EXPECT_TRUE(c.u.unit().commands().isEmpty());
    }
    for (QPushButton* button : {ui.btnFaultReset, ui.btnGoToPwr}) {
        SCOPED_TRACE(button->objectName().toStdString());
        startCase(c);
        ui.txtConstLvl->setText("45");
        local();
        click(button);
        EXPECT_EQ(c.u.boxes(), QStringList({notRemote}));
        EXPECT_TRUE(c.u.unit().commands().isEmpty());
        EXPECT_TRUE(c.timerSwitches.isEmpty());
    }
}

TEST_P(CommandControlsOverLink, RfFrequencyTypedIsSentAndReadBack)
{
    SimUnitProfile profile = twtaProfile();
    profile.set("TF?", "TF12000");
    ControlsWindow c(GetParam(), profile);
    ASSERT_TRUE(c.u.ready());
    QLabel* label = c.u.w().ui.lblRFFrqVal;
    ASSERT_EQ(label->text(), "12000 MHz");
    const bool serial = GetParam() == UnitLink::Serial;
    struct Case {
        const char* answer;   // "" is Cancel
        QByteArrayList logged;
        const char* shown;
        bool local = false;
        bool refused = false;
    };
    const Case cases[] = {
        {"14250.4", {"TF14250", "TF?"}, "14250 MHz"},
        {"14250.5", {"TF14251", "TF?"}, "14251 MHz"},
        {" 13000 ", {"TF13000", "TF?"}, "13000 MHz", true},   // no remote test
        {"abc", {}, "12000 MHz"},
        {"", {}, "12000 MHz"},
        {"12000 MHz", {}, "12000 MHz"},   // the caption as proposed
        {"14,250", {}, "12000 MHz"},
        {"&H3000", {}, "12000 MHz"},
        {"1.4e4", {}, "12000 MHz"},
        {"123456", {}, "12000 MHz"},
        {"0", {}, "12000 MHz"},
        {"14250", {"TF14250", "TF?"}, "12000 MHz", false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.answer);
        startCase(c);
        c.u.unit().editProfile([&k](SimUnitProfile& p) {
            p.set("TF?", "TF12000");
            if (k.refused)
                p.behaviour["TF14250"].kind = SimBehaviour::Nak;
        });
        c.u.w().readings().UpdateRFFrequency();
        c.u.p().conn.RemoteMode = !k.local;
        c.u.clearLogs();
        c.u.prompts.inputAnswers = {k.answer};
        QTest::mouseDClick(label, Qt::LeftButton);
        // An answer the box does not take is named and asked again (here answered with Cancel).
        const QString answer = QString(k.answer).trimmed();
        const bool named = !answer.isEmpty() && answer != "12000 MHz" && k.logged.isEmpty();
        const QStringList takes = {"RF Frequency: RF Frequency: enter a number from 1 to 99999 MHz."};
        ASSERT_EQ(c.u.prompts.inputs.size(), named ? 2 : 1);
        EXPECT_EQ(c.u.prompts.inputs[0].text, "Enter new Frequency in MHz:");
        EXPECT_EQ(c.u.prompts.inputs[0].title, "RF Frequency");
        EXPECT_EQ(c.u.prompts.lastProposed, named ? QString(k.answer) : QString("12000 MHz"));
        EXPECT_EQ(c.u.unit().commands(), k.logged);
        EXPECT_EQ(label->text(), k.shown);
        // The link's error box on the serial line only.
        const QStringList failed = {"Communication Error: Command Not Acknowledged"};
        EXPECT_EQ(c.u.boxes(), k.refused && serial ? failed : named ? takes : QStringList());
        c.u.prompts.inputs.clear();
        c.u.unit().editProfile([](SimUnitProfile& p) { p.behaviour.remove("TF14250"); });
    }
}

TEST_P(CommandControlsOverLink, FirstReadAndPollsFillTheControlsWithoutASetting)
{
    // Transmitter on, constant power, RF inhibited, automatic mode with switch 1 at B and
    // switch 2 at A, configuration 3, band "Ka".
    SimUnitProfile profile = twtaProfile();
    profile.set("?!#(", "?"
                        "\x57\x40\x4E\x43"
                        "\x40\x40\x40\x40"
                        "\x40\x40\x40\x40");
    profile.set("T?", "TKa, 29.5");
    profile.set(".?P54", ".P54 1");
    ControlsWindow c(GetParam(), profile);
    ASSERT_TRUE(c.u.ready());
    frmMainUi& ui = c.u.w().ui;
    const auto expectShown = [&](bool on, int sw1, int sw2, int cfg, int band) {
        EXPECT_EQ(ui.chkPS->isChecked(), on);
        EXPECT_EQ(ui.chkConstPwr->isChecked(), on);
        EXPECT_EQ(ui.chkAutoMode->isChecked(), on);
        EXPECT_EQ(ui.cmbWgSw1->currentIndex(), sw1);
        EXPECT_EQ(ui.cmbWgSw2->currentIndex(), sw2);
        EXPECT_EQ(ui.cmbWgCfg->currentIndex(), cfg);
        EXPECT_EQ(ui.cmbRfBand->currentIndex(), band);
        EXPECT_TRUE(c.u.controls->settingsReceived().isEmpty())
            << c.u.controls->settingsReceived().join(' ').toStdString();
        EXPECT_TRUE(c.u.levels->settingsReceived().isEmpty());
        EXPECT_TRUE(c.u.prompts.boxes.isEmpty());
    };
    EXPECT_EQ(ui.cmbRfBand->currentIndex(), 1);   // the first read's band
    EXPECT_TRUE(c.u.w().poll().UpdateStatus());
    expectShown(true, 1, 0, 3, 1);
    ASSERT_TRUE(c.u.p().conn.RemoteMode);
    // The unit changes everything back (standby, switches at A / B, configuration 1) and
    // shows a fault, so the poll also reads RF inhibit back.
    c.u.p().unit.id.UnitModelCode = 4817;
    c.u.unit().editProfile([](SimUnitProfile& p) {
        p.set("?!#(", "?"
                      "\x4C\x40\x51\x41"
                      "\x41\x40\x40\x40"
                      "\x40\x40\x40\x40");
        p.set(".?P54", ".P54 0");
    });
    for (int tick = 0; tick < 2; ++tick) {
        c.u.w().poll().ReadingsTickCount = tick == 0 ? 100 : 0;
        EXPECT_TRUE(c.u.w().poll().UpdateStatus());
    }
    expectShown(false, 0, 1, 1, 1);
    EXPECT_FALSE(ui.chkRFI->isChecked());
    EXPECT_TRUE(c.u.unit().commands().contains(".?P54"));
}

INSTANTIATE_TEST_SUITE_P(Links, CommandControlsOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });

TEST(CommandControlsOverTcp, AControlUsedDuringAPollWaitActsOnceAfterTheReply)
{
    ControlsWindow c(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(c.u.ready());
    startCase(c);
    c.u.unit().editProfile([](SimUnitProfile& profile) { profile.behaviour["?!#("].delayMs = 300; });
    QTimer::singleShot(50, [&] {
        ASSERT_TRUE(TransactionInFlight(c.u.p()));
        // Both as operator input: held back during the wait and delivered in order after it.
        click(c.u.w().ui.chkRFI);
        QTest::keyClick(c.u.w().ui.cmbWgSw2, Qt::Key_Down);
    });
    EXPECT_TRUE(c.u.w().poll().UpdateStatus());   // the poll refills both controls meanwhile
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.u.unit().commands().contains("U2"); }, 3000));
    QTest::qWait(50);
    const QByteArrayList log = c.u.unit().commands();
    EXPECT_EQ(log.first(), "?!#(");
    EXPECT_EQ(log.mid(log.size() - 2), QByteArrayList({"I", "U2"}));
    EXPECT_EQ(log.count("I"), 1);
    EXPECT_TRUE(c.u.w().ui.chkRFI->isChecked());
    EXPECT_EQ(c.u.w().ui.cmbWgSw2->currentIndex(), 1);
}

}   // namespace
