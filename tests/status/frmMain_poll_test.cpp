#include "app/Program.h"
#include "link/Transaction.h"
#include "support/SimUnitProfile.h"
#include "support/TcpTestProgram.h"
#include "app/frmMain.h"
#include "status/UnitConnection.h"
#include "status/PollLoop.h"
#include "status/Readings.h"
#include "status/WindowStates.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window connected to the scripted unit on the serial line or over TCP, after its first
// read, with the poll timer running and the counters of a fresh window.
template <class T> struct Connected {
    explicit Connected(bool overTcp = false)
    {
        t.replies = twtaProfile().replies;
        BeginConnection(t.p(), overTcp);
        w.FirstTimeRead();
        w.ui.btnConnect->setText("Disconnect");
        w.ui.mnuConnect->setEnabled(false);
        w.ui.mnuExtSrch->setEnabled(false);
        w.ui.mnuAdvSrch->setEnabled(false);
        w.states().EnableForm();
        t.p().conn.PollRetriesLeft = 2;
        w.Timer1.start();
        t.commands.clear();
    }
    ~Connected() { w.Timer1.stop(); }

    // The commands of one tick.
    QByteArrayList tick()
    {
        const qsizetype from = t.commands.size();
        w.Timer1_Timer();
        return t.commands.mid(from);
    }
    // The next `polls` status queries go unanswered (serial line), or all of them.
    void statusUnanswered(int polls) { t.sequences["?!#("] = QByteArrayList(polls, QByteArray()); }
    void statusUnanswered() { t.replies.remove("?!#("); }

    T t;
    frmMain w{t.p()};
};

using SerialConnected = Connected<TestProgram>;

std::vector<int> PollsSending(const std::vector<QByteArrayList>& polls, const QByteArray& command)
{
    std::vector<int> found;
    for (size_t i = 0; i < polls.size(); ++i)
        if (polls[i].contains(command))
            found.push_back(static_cast<int>(i) + 1);
    return found;
}

}   // namespace

TEST(Poll, AnsweredPollsReadTheSlowerReadingsAndTheClockOnSchedule)
{
    SerialConnected c;
    std::vector<QByteArrayList> polls;
    for (int i = 0; i < 90; ++i)
        polls.push_back(c.tick());
    for (const QByteArrayList& poll : polls)
        EXPECT_EQ(poll.value(0), "?!#(");
    std::vector<int> readings;
    for (int n = 4; n <= 88; n += 4)
        readings.push_back(n);
    EXPECT_EQ(PollsSending(polls, "PBS?"), readings);   // the current sub-band: a readings tick
    EXPECT_EQ(PollsSending(polls, "?%"), (std::vector<int>{21, 42, 63, 85}));
    EXPECT_EQ(PollsSending(polls, "?M"), (std::vector<int>{21, 42, 63, 85}));
    EXPECT_EQ(c.t.p().conn.PollRetriesLeft, 2);
}

TEST(Poll, UnansweredPollsAdvanceNeitherCountAndAnAnswerRestoresTheBudget)
{
    SerialConnected c;
    for (int i = 0; i < 3; ++i)
        c.tick();
    c.statusUnanswered(2);
    for (int spent = 1; spent <= 2; ++spent) {
        const QByteArrayList sent = c.tick();
        EXPECT_EQ(sent, QByteArrayList({"?!#("}));   // nothing else is read
        EXPECT_EQ(c.t.p().conn.PollRetriesLeft, 2 - spent);
    }
    EXPECT_EQ(c.w.ui.txtPSHours->text(), "12345");   // the window keeps what it showed
    EXPECT_EQ(c.w.ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(c.w.Timer1.isActive());
    // The fourth answered poll, not the sixth poll, is the readings tick.
    EXPECT_TRUE(c.tick().contains("PBS?"));
    EXPECT_EQ(c.t.p().conn.PollRetriesLeft, 2);
}

TEST(Poll, TheThirdFailedPollInARowDropsTheLink)
{
    struct Case {
        const char* name;
        bool overTcp;
        bool pollSingleAddress;
        bool searchesEnabled;
    };
    for (const Case& k : {Case{"serial", false, false, true}, Case{"serial, single address", false, true, false},
                          Case{"TCP", true, false, false}}) {
        SCOPED_TRACE(k.name);
        Connected<TcpTestProgram> c(k.overTcp);
        c.t.p().conn.UseEnet = k.overTcp;
        c.t.p().conn.FirstReadDone = true;
        c.w.ui.mnuPollEn->setChecked(k.pollSingleAddress);
        for (int i = 0; i < 5; ++i)
            c.tick();   // readings 5, clock 5
        c.statusUnanswered();
        c.tick();
        c.tick();
        EXPECT_EQ(c.w.ui.btnConnect->text(), "Disconnect");
        c.tick();
        EXPECT_EQ(c.w.ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(c.w.Timer1.isActive());
        EXPECT_TRUE(c.w.ui.mnuConnect->isEnabled());
        EXPECT_EQ(c.w.ui.mnuExtSrch->isEnabled(), k.searchesEnabled);
        EXPECT_EQ(c.w.ui.mnuAdvSrch->isEnabled(), k.searchesEnabled);
        EXPECT_EQ(c.w.ui.txtPSHours->text(), "");   // cleared
        EXPECT_FALSE(c.w.ui.chkPS->isEnabled());    // and disabled
        EXPECT_EQ(c.t.p().conn.PollRetriesLeft, 0);
        EXPECT_FALSE(c.t.p().conn.FirstReadDone);
        EXPECT_FALSE(c.t.p().conn.EnetFirstReadPending);
        EXPECT_FALSE(c.t.p().txn.LinkUp);
        EXPECT_EQ(c.w.poll().ClockTickCount, 0);
        EXPECT_EQ(c.w.poll().ReadingsTickCount, 1);   // kept
        EXPECT_TRUE(c.t.prompts.boxes.isEmpty());
    }
}

TEST(Poll, ATickOverTcpBeforeAnyFirstReadSendsNothing)
{
    TcpTestProgram t;
    BeginConnection(t.p(), true);
    frmMain w{t.p()};
    w.Timer1_Timer();
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(Poll, ATickThatFallsDueWhileAnotherWaitsSendsNothing)
{
    // Inside a TCP wait for the status reply, and while the first read lets events run.
    for (const bool duringFirstRead : {false, true}) {
        SCOPED_TRACE(duringFirstRead ? "first read" : "TCP wait");
        TcpTestProgram t;
        t.replies = twtaProfile().replies;
        BeginConnection(t.p(), true);
        frmMain w{t.p()};
        if (!duringFirstRead)
            w.FirstTimeRead();
        t.p().conn.FirstReadDone = true;
        t.p().conn.PollRetriesLeft = 2;
        t.commands.clear();
        int nestedSent = -1;
        t.clock.onProcessEvents = [&] {
            if (nestedSent < 0) {
                const qsizetype before = t.commands.size();
                w.Timer1_Timer();
                nestedSent = static_cast<int>(t.commands.size() - before);
            }
            t.tcp.deliverNext();
        };
        if (duringFirstRead)
            w.FirstTimeRead();
        else
            w.Timer1_Timer();
        EXPECT_EQ(nestedSent, 0);
        EXPECT_EQ(t.p().conn.PollRetriesLeft, 2);   // the refused tick cost no retry
    }
}

TEST(Poll, APollRunningWhenDisconnectIsPressedWritesNothingIntoTheClearedWindow)
{
    Connected<TcpTestProgram> c(true);
    c.t.p().conn.FirstReadDone = true;
    c.w.poll().ClockTickCount = 20;   // the next answered poll reads the clock
    c.t.clock.onProcessEvents = [&] {
        c.t.tcp.deliverNext();   // the reply is already in when the operator disconnects
        if (c.t.commands.last() == "?%" && c.t.p().txn.LinkUp)
            c.w.connection().btnConnect_Click();   // reads "Disconnect"
    };
    c.tick();
    EXPECT_EQ(c.t.commands.last(), "?%");   // nothing sent after it
    EXPECT_EQ(c.w.ui.txtDateTime->text(), "");
    EXPECT_EQ(c.w.ui.txtPSHours->text(), "");
    EXPECT_FALSE(c.w.Timer1.isActive());
}

TEST(Poll, HourMetersAndDCInput)
{
    SerialConnected c;
    c.t.replies["?M"] = "?-00012";   // six characters only: a value below 0 is the way out of range
    c.t.replies.remove("?N");
    c.w.readings().UpdateHours();
    EXPECT_EQ(c.w.ui.txtPSHours->text(), "12345");   // out of range: kept
    EXPECT_EQ(c.w.ui.txtXmtHours->text(), "321");    // unanswered: kept

    struct Case {
        qint32 model, fw100;
        bool pic, reads;
    };
    for (const Case& k : {Case{5942, 257, false, true}, Case{5942, 256, false, false}, Case{5363, 300, true, false}}) {
        c.t.commands.clear();
        c.w.ui.txtCS2->clear();
        c.t.p().unit.id.UnitModelCode = k.model;
        c.t.p().unit.id.FirmwareVersion100 = k.fw100;
        c.t.p().unit.flags.PicProcessorUnit = k.pic;
        c.t.replies["PBDV?"] = "PBDV48.2";
        c.w.readings().UpdateDCVIn();
        EXPECT_EQ(c.t.commands.contains("PBDV?"), k.reads) << k.model << " " << k.fw100;
        EXPECT_EQ(c.w.ui.txtCS2->text(), k.reads ? "48.2" : "") << k.model;
    }
}
