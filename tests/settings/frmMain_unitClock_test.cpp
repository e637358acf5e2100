// The unit clock ("Now", the reset that follows and the probes after it) and the device
// address box, used through the window against the simulated unit over the pseudo-terminal
// and loopback TCP.
#include "ControlsWindow.h"
#include "link/PollPause.h"
#include "ui/FormUpdatingGuard.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <QCheckBox>
#include "dialogs/frmAmpCom.h"
#include "link/Transaction.h"
#include "settings/UnitClock.h"
#include "status/FeatureReads.h"
#include "status/PollLoop.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString resetQuestion = "Reset Unit?: This will reset the unit and \r\ntake it offline";
const QByteArray clockCommand = "%2026/03/04,09:05";   // SkipClock's wall clock

void startClockCase(ControlsWindow& c)
{
    LinkedWindow& u = c.u;
    Program& p = u.p();
    p.conn.RemoteMode = true;
    p.conn.FormUpdating = false;
    p.unit.id.LldpFirmware = false;
    p.unit.id.OduBucUnit = false;
    {
        FormUpdatingGuard hold(p.conn.FormUpdating);
        u.w().ui.chkPS->setChecked(false);
        u.w().ui.chkRFI->setChecked(false);
    }
    u.w().ui.txtDateTime->setText("2025/12/31,23:59");
    u.w().Timer1.stop();
    u.controls->setResetRefusals(0);
    u.prompts.answers.clear();
    u.leave();
    u.clearLogs();
    c.timerSwitches.clear();
}

struct ClockCase {
    const char* name;
    std::function<void(ControlsWindow&)> setup;
    QList<PromptAnswer> answers;   // to the boxes, in order
    QByteArrayList logged;
    QStringList boxes;
    qint64 waitedMs;     // -1: nothing waited; else about this long, within a second
    const char* shown;   // txtDateTime afterwards
};

QByteArrayList probes(int n) { return QByteArrayList(n, "1"); }

void transmitting(ControlsWindow& c)
{
    FormUpdatingGuard hold(c.u.p().conn.FormUpdating);
    c.u.w().ui.chkPS->setChecked(true);
}

class UnitClockOverLink : public testing::TestWithParam<UnitLink> {};

TEST_P(UnitClockOverLink, NowSetsTheClockAndResetsTheUnitWhereThatIsDone)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    c.u.p().LinkObject.setMsgTimeout(0.3f);   // the frame read after the probes waits no longer
    const auto answersSecondProbe = [](ControlsWindow& c) { c.u.controls->setResetRefusals(1); };
    const QByteArrayList reset = {clockCommand, "~"};
    const ClockCase cases[] = {
        {"transmitting: asked, OK",
         [&](ControlsWindow& c) {
             transmitting(c);
             answersSecondProbe(c);
         },
         {PromptAnswer::Ok},
         reset + probes(2),
         {resetQuestion},
         100 + 3000 + 1000,
         "2026/03/04,09:05"},
        {"transmitting: Cancel", transmitting, {PromptAnswer::Cancel}, {}, {resetQuestion}, -1, "2025/12/31,23:59"},
        {"transmitter off: not asked", answersSecondProbe, {}, reset + probes(2), {}, 4100, "2026/03/04,09:05"},
        {"RF inhibited: not asked",
         [&](ControlsWindow& c) {
             transmitting(c);
             FormUpdatingGuard hold(c.u.p().conn.FormUpdating);
             c.u.w().ui.chkRFI->setChecked(true);
         },
         {},
         reset + probes(1),
         {},
         3100,
         "2026/03/04,09:05"},
        {"a silent unit is probed ten times",
         [](ControlsWindow& c) { c.u.controls->setResetRefusals(100); },
         {},
         reset + probes(10),
         {},
         100 + 3000 + 10000,
         "2026/03/04,09:05"},
        {"LLDP family: the clock only",
         [](ControlsWindow& c) {
             transmitting(c);
             c.u.p().unit.id.LldpFirmware = true;
         },
         {},
         {clockCommand},
         {},
         100,
         "2026/03/04,09:05"},
        {"model 7428: the clock only",
         [](ControlsWindow& c) {
             transmitting(c);
             c.u.p().unit.id.OduBucUnit = true;
         },
         {},
         {clockCommand},
         {},
         100,
         "2026/03/04,09:05"},
        {"local mode",
         [](ControlsWindow& c) { c.u.p().conn.RemoteMode = false; },
         {},
         {},
         {notRemote},
         -1,
         "2025/12/31,23:59"},
    };
    for (const ClockCase& k : cases) {
        SCOPED_TRACE(k.name);
        startClockCase(c);
        k.setup(c);
        c.u.prompts.answers = k.answers;
        const qint64 start = c.clock.msNow();
        QTest::mouseClick(c.u.w().ui.Command7, Qt::LeftButton);
        const qint64 waited = c.clock.msNow() - start;
        EXPECT_EQ(c.u.unit().commands(), k.logged);
        EXPECT_EQ(c.u.boxes(), k.boxes);
        if (!k.boxes.isEmpty() && k.boxes[0] == resetQuestion) {
            EXPECT_EQ(c.u.prompts.boxes[0].icon, PromptIcon::Exclamation);
            EXPECT_EQ(c.u.prompts.boxes[0].buttons, PromptButtons::OkCancelDefaultCancel);
        }
        EXPECT_EQ(c.u.w().ui.txtDateTime->text(), k.shown);
        if (k.waitedMs < 0) {
            EXPECT_TRUE(c.timerSwitches.isEmpty());
            EXPECT_FALSE(c.u.w().Timer1.isActive());
            continue;
        }
        EXPECT_GE(waited, k.waitedMs);
        EXPECT_LT(waited, k.waitedMs + 1000);
        // The poll is off from the clock command on and runs afterwards, reset or not.
        EXPECT_EQ(c.timerSwitches, QStringList({"off@0", QString("on@%1").arg(k.logged.size())}));
        EXPECT_TRUE(c.u.w().Timer1.isActive());
    }
}

TEST_P(UnitClockOverLink, AddressBoxSendsTheLetterAndTheLinkFollowsIt)
{
    SimUnitProfile profile = twtaProfile();
    profile.set("XR?", "XR4TB;OBMIP");
    ControlsWindow c(GetParam(), profile);
    ASSERT_TRUE(c.u.ready());
    QLineEdit* box = c.u.w().ui.txtAdr;
    ASSERT_EQ(box->text(), "B");   // filled by the first read
    struct Case {
        const char* name;
        const char* keys;   // typed into the box: "\r" Enter, "\t" leave it
        QByteArrayList logged;
        const char* address;   // the link's afterwards
        QStringList boxes = {};
        std::function<void(ControlsWindow&)> setup = nullptr;
    };
    const Case cases[] = {
        {"record read: wires and termination sent back", "\bc\r", {"XR?", "XR4TC"}, "C"},
        {"record unanswered",
         "\bc\r",
         {"XR?", "XAC"},
         "C",
         {},
         [](ControlsWindow& c) {
             c.u.unit().editProfile([](SimUnitProfile& p) { p.behaviour["XR?"].kind = SimBehaviour::Nak; });
         }},
        {"Enter, then leave: sent once", "\bd\r\t", {"XR?", "XR4TD"}, "D"},
        {"Enter on the letter as it is: nothing", "\r", {}, "A"},
        {"changed, then left", "\be\t", {"XR?", "XR4TE"}, "E"},
        {"left unchanged", "\t", {}, "A"},
        {"retyped the same letter and left", "\bb\t", {}, "A"},
        {"digits and signs go nowhere", "1@\t", {}, "A"},
        {"empty box", "\b\r\t", {}, "A"},
        {"local mode: the box on Enter, nothing on leaving",
         "\bc\r\t",
         {},
         "A",
         {notRemote},
         [](ControlsWindow& c) { c.u.p().conn.RemoteMode = false; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        startClockCase(c);
        c.u.p().LinkObject.setDeviceAddress("A");
        c.u.unit().editProfile([](SimUnitProfile& p) {
            p.address = 'A';
            p.set("XR?", "XR4TB;OBMIP");
            p.behaviour["XR?"] = SimBehaviour{};
            p.behaviour["?!#("] = SimBehaviour{};
        });
        c.u.w().features().InitCom2Settings();
        box->setText(c.u.p().unit.config.Rs485Address);   // as the first read fills it
        ASSERT_EQ(box->text(), "B");
        if (k.setup)
            k.setup(c);
        c.u.clearLogs();
        c.u.focus(box);
        const QStringList parts = QString(k.keys).split('\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                c.u.leave();
            c.u.type(parts[i]);
        }
        EXPECT_EQ(c.u.unit().commands(), k.logged);
        EXPECT_EQ(c.u.boxes(), k.boxes);
        EXPECT_EQ(c.u.p().LinkObject.DeviceAddress(), k.address);
        // The next poll goes to that letter, and the unit, moved or not, answers it.
        c.u.p().conn.RemoteMode = true;
        c.u.clearLogs();
        EXPECT_TRUE(c.u.w().poll().UpdateStatus());
        EXPECT_EQ(c.u.unit().commands().value(0), "?!#(");
        c.u.leave();
    }
}

// A clock the unit refused or left unanswered: no reset follows, a box tells it, the box shows
// the unit's clock as last read and then as the next read finds it; the poll runs again.
TEST_P(UnitClockOverLink, AClockTheUnitDidNotTakeIsToldAndResetsNothing)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    c.u.p().LinkObject.setMsgTimeout(0.3f);   // an unanswered serial command waits no longer
    const QString notTaken = "Unit Date & Time: The unit did not take the time 2026/03/04,09:05";
    const struct {
        const char* name;
        SimBehaviour::Kind unit;
        bool resetDue;
        QStringList boxes;
    } cases[] = {
        {"refused", SimBehaviour::Nak, true, {resetQuestion, notTaken + "; it was not reset."}},
        {"unanswered", SimBehaviour::Silent, true, {resetQuestion, notTaken + "; it was not reset."}},
        {"refused where no reset follows", SimBehaviour::Nak, false, {notTaken + "."}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        startClockCase(c);
        transmitting(c);
        c.u.p().unit.id.LldpFirmware = !k.resetDue;
        c.u.prompts.answers = {PromptAnswer::Ok};
        c.u.unit().editProfile([&](SimUnitProfile& p) { p.behaviour[clockCommand].kind = k.unit; });
        if (k.unit == SimBehaviour::Silent && GetParam() == UnitLink::Tcp)
            QTimer::singleShot(50, [&c] { c.clock.sleepMs(16000); });   // the 15 s wait for the reply passes
        QTest::mouseClick(c.u.w().ui.Command7, Qt::LeftButton);
        EXPECT_EQ(c.u.unit().commands(), QByteArrayList({clockCommand}));
        EXPECT_EQ(c.u.boxes(), k.boxes);
        EXPECT_EQ(c.u.prompts.boxes.last().icon, PromptIcon::Exclamation);
        EXPECT_EQ(c.u.w().ui.txtDateTime->text(), "2025/12/31,23:59");   // as before "Now"
        EXPECT_EQ(c.timerSwitches, QStringList({"off@0", "on@1"}));
        c.u.w().Timer1.stop();
        c.u.unit().editProfile([](SimUnitProfile& p) { p.behaviour.remove(clockCommand); });
        c.u.w().poll().ClockTickCount = 100;
        EXPECT_TRUE(c.u.w().poll().UpdateStatus());
        EXPECT_EQ(c.u.w().ui.txtDateTime->text(), "12/31/2025 23:59:58");   // the unit's own clock
    }
}

// An emptied address box shows the link's letter again once its edit ends, sending nothing;
// "Serial Com" then sends the RS-485 record with the link's letter, whatever the box holds.
TEST_P(UnitClockOverLink, AnEmptiedAddressBoxShowsTheLinksLetterAndSerialComSendsThatLetter)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    startClockCase(c);
    c.u.p().LinkObject.setDeviceAddress("A");
    c.u.unit().editProfile([](SimUnitProfile& p) { p.set("XR?", "XR4TA;OBMIP"); });
    c.u.w().features().InitCom2Settings();
    QLineEdit* box = c.u.w().ui.txtAdr;
    box->setText("B");
    const struct {
        const char* name;
        const char* keys;   // "\r" Enter, "\t" leave the box
        bool remote;
        QStringList boxes;
    } cases[] = {
        {"emptied, then left", "\b\t", true, {}},
        {"emptied, then Enter", "\b\r", true, {}},
        {"emptied, Enter and left", "\b\r\t", true, {}},
        {"a letter left in local mode", "\bc\t", false, {}},
        {"a letter entered in local mode", "\bc\r", false, {notRemote}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        c.u.p().conn.RemoteMode = k.remote;
        c.u.clearLogs();
        c.u.focus(box);
        const QStringList parts = QString(k.keys).split('\t');
        c.u.type(parts[0]);
        if (parts.size() > 1)
            c.u.leave();
        EXPECT_TRUE(c.u.unit().commands().isEmpty());
        EXPECT_EQ(c.u.boxes(), k.boxes);
        EXPECT_EQ(box->text(), "A");
        EXPECT_EQ(c.u.p().LinkObject.DeviceAddress(), "A");
        c.u.leave();
    }
    c.u.p().conn.RemoteMode = true;
    box->clear();
    c.u.prompts.modal = [](QDialog& d) {
        auto& dialog = dynamic_cast<frmAmpCom&>(d);
        dialog.ui.btnSet485->click();
        dialog.ui.Command1->click();
        return dialog.result();
    };
    c.u.clearLogs();
    c.u.w().ui.mnuAmpCom->trigger();
    EXPECT_EQ(c.u.unit().commands().value(0), "XR4TA;OBMIP");
}

TEST_P(UnitClockOverLink, DateBoxTakesNoKeysAndHoldsTheFocusOnAnInvalidText)
{
    ControlsWindow c(GetParam(), twtaProfile());
    ASSERT_TRUE(c.u.ready());
    QLineEdit* box = c.u.w().ui.txtDateTime;
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{"2026/03/04,09:05", true}, {"12/31/2025 23:59:58", true}, {"", true}, {"@@:@@", false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        startClockCase(c);
        box->setText(k.text);
        c.u.focus(box);
        c.u.type("7\b");
        EXPECT_EQ(box->text(), k.text);
        c.u.leave();
        QTest::qWait(20);
        EXPECT_EQ(c.u.boxes(), k.valid ? QStringList() : QStringList({"Data Error: Invalid Date & Time."}));
        EXPECT_EQ(box->hasFocus(), !k.valid);
        EXPECT_TRUE(c.u.unit().commands().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Links, UnitClockOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });

TEST(UnitClockOverTcp, AUnitThatClosesItsSocketOnResetEndsTheConnection)
{
    ControlsWindow c(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(c.u.ready());
    startClockCase(c);
    c.u.unit().editProfile([](SimUnitProfile& p) { p.behaviour["~"].kind = SimBehaviour::DropConnection; });
    QTest::mouseClick(c.u.w().ui.Command7, Qt::LeftButton);
    EXPECT_EQ(c.u.unit().commands(), QByteArrayList({clockCommand, "~"}));   // no probe
    EXPECT_FALSE(c.u.p().txn.LinkUp);
    EXPECT_FALSE(c.u.w().Timer1.isActive());   // the poll stays off on a dropped link
    EXPECT_EQ(c.u.w().ui.btnConnect->text(), "Connect");
}

// A connection that ends at the clock or the address command leaves the cleared window empty
// and shows no box: the link loss is what the operator sees.
TEST(UnitClockOverTcp, AConnectionEndingAtTheClockOrTheAddressLeavesTheWindowCleared)
{
    for (const bool clock : {true, false}) {
        SCOPED_TRACE(clock ? "clock" : "address");
        ControlsWindow c(UnitLink::Tcp, twtaProfile());
        ASSERT_TRUE(c.u.ready());
        startClockCase(c);
        const QByteArray dropped = clock ? clockCommand : QByteArray("XR21E");
        c.u.unit().editProfile([&](SimUnitProfile& p) { p.behaviour[dropped].kind = SimBehaviour::DropConnection; });
        if (clock) {
            QTest::mouseClick(c.u.w().ui.Command7, Qt::LeftButton);
        } else {
            c.u.focus(c.u.w().ui.txtAdr);
            c.u.type("\be\r");
        }
        EXPECT_EQ(c.u.unit().commands().last(), dropped);
        if (c.u.p().txn.LinkUp)
            c.u.w().poll().Timer1_Timer();   // the next poll finds the link lost
        EXPECT_FALSE(c.u.p().txn.LinkUp);
        EXPECT_TRUE(c.u.boxes().isEmpty());
        EXPECT_TRUE(c.u.w().ui.txtDateTime->text().isEmpty());
        EXPECT_TRUE(c.u.w().ui.txtAdr->text().isEmpty());
    }
}

// Over the serial line, where a unit answers at its own letter only: after an address command
// the link addresses the unit where it answers, and the box shows that letter.
TEST(UnitAddressOverSerial, TheLinkMovesOnlyToALetterTheUnitAnswersAt)
{
    ControlsWindow c(UnitLink::Serial, twtaProfile());
    ASSERT_TRUE(c.u.ready());
    c.u.p().LinkObject.setMsgTimeout(0.3f);   // each unanswered command waits no longer
    const auto unitOn = [](SimBehaviour::Kind kind, QByteArrayList commands) {
        return [kind, commands](ControlsWindow& c) {
            c.u.unit().editProfile([&](SimUnitProfile& p) {
                for (const QByteArray& command : commands)
                    p.behaviour[command].kind = kind;
            });
        };
    };
    struct Case {
        const char* name;
        std::function<void(ControlsWindow&)> setup;
        QByteArrayList logged;   // what the unit received: a command to another letter never reaches it
        const char* at;          // the unit's letter and the link's afterwards
        QStringList boxes;
    };
    const Case cases[] = {
        {"acknowledged", nullptr, {"XR?", "XR4TE"}, "E", {}},
        {"refused",
         unitOn(SimBehaviour::Nak, {"XR4TE"}),
         {"XR?", "XR4TE"},
         "A",
         {"Unit Address: The unit refused the address E; it is still at A."}},
        // Its status asked at the new letter, then at the old one.
        {"unanswered, the unit at the new letter",
         [](ControlsWindow& c) { c.u.controls->setAddressReplyLost(true); },
         {"XR?", "XR4TE", "1"},
         "E",
         {}},
        {"unanswered, the unit at the old letter",
         unitOn(SimBehaviour::Silent, {"XR4TE"}),
         {"XR?", "XR4TE", "1"},
         "A",
         {}},
        {"unanswered at both letters",
         unitOn(SimBehaviour::Silent, {"XR4TE", "1"}),
         {"XR?", "XR4TE", "1"},
         "A",
         {"Unit Address: The unit could not be reached at address E or A; the program still addresses it at A."}},
    };
    QLineEdit* box = c.u.w().ui.txtAdr;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        startClockCase(c);
        c.u.controls->setAddressReplyLost(false);
        c.u.p().LinkObject.setDeviceAddress("A");
        c.u.unit().editProfile([](SimUnitProfile& p) {
            p.address = 'A';
            p.set("XR?", "XR4TA;OBMIP");
            p.behaviour.remove("XR4TE");   // the controls feature takes it
            p.behaviour["1"] = SimBehaviour{};
        });
        c.u.w().unitClock().ShowLinkAddress();
        if (k.setup)
            k.setup(c);
        c.u.clearLogs();
        c.u.focus(box);
        c.u.type("\be\r");
        EXPECT_EQ(c.u.unit().commands(), k.logged);
        EXPECT_EQ(c.u.boxes(), k.boxes);
        EXPECT_EQ(c.u.unit().profile().address, *k.at);
        EXPECT_EQ(c.u.p().LinkObject.DeviceAddress(), k.at);
        EXPECT_EQ(box->text(), k.at);   // the focus still in the box
        // The letter shown, typed again and left, is not sent again.
        c.u.clearLogs();
        c.u.type(QString("\b") + QString(k.at).toLower());
        c.u.leave();
        EXPECT_TRUE(c.u.unit().commands().isEmpty());
        // The polls still reach the unit.
        c.u.unit().editProfile([](SimUnitProfile& p) { p.behaviour["1"] = SimBehaviour{}; });
        c.u.clearLogs();
        EXPECT_TRUE(c.u.w().poll().UpdateStatus());
        EXPECT_EQ(c.u.unit().commands().value(0), "?!#(");
        c.u.leave();
    }
}

// On the scripted serial line and the fake clock: the unit stays silent for 3.5 s after its
// reset, so the first probe after the 3 s wait goes unanswered and the second, a second
// later, is answered.
TEST(UnitClockOverSerial, AResetUnitIsProbedUntilItAnswersAgain)
{
    TestProgram t;
    qint64 quietUntil = 0;
    t.serial.responder = [&t, &quietUntil](const QByteArray& frame) -> QByteArray {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseSerialRequest(frame, address, command))
            return {};
        t.commands.append(command);
        if (command == "~")
            quietUntil = t.clock.msNow() + 3500;
        if (t.clock.msNow() < quietUntil)
            return {};
        return unitframes::serialReply('A', command == "1" ? QByteArray("1DD") : command);   // settings acknowledged
    };
    frmMain w{t.p()};
    t.p().LinkObject.setMsgTimeout(0.4f);
    BeginConnection(t.p(), false);
    t.p().conn.RemoteMode = true;
    const qint64 start = t.clock.msNow();
    w.unitClock().Command7_Click();
    const qint64 ms = t.clock.msNow() - start;
    EXPECT_EQ(t.commands, QByteArrayList({"%2026/03/14,15:09", "~", "1", "1"}));   // the fake wall clock
    EXPECT_GE(ms, 4300);                                                           // 3 s, a probe's time-out, 1 s
    EXPECT_LT(ms, 9000);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_TRUE(w.Timer1.isActive());
    w.Timer1.stop();
}

}   // namespace
