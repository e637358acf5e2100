// Connecting through the main window on the real links: TCP to the simulated unit on
// loopback, and the serial search on a pseudo-terminal.
#include "support/LinkedMainWindow.h"
#include "support/UnitFrames.h"
#include "status/UnitConnection.h"
#include "settings/SettingMenus.h"
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The main window with "Use Ethernet" stored and the target on loopback: the simulated
// unit's port, or one where nothing listens any more.
struct TcpWindow : LinkedMainWindow {
    explicit TcpWindow(bool unitListening)
        : LinkedMainWindow(UnitLink::Tcp, QuickProfile(twtaProfile()))   // the first read asks for all
    {
        if (!unitListening)
            tcpSim.stopListening();
    }
    SimUnitTcp& sim = tcpSim;
    FakeSerialControl& serial = noSerial;
};

TEST(ConnectOverTcp, ConnectsPollsAndDisconnects)
{
    TcpWindow t(true);
    ASSERT_EQ(t.socket.remoteHost(), "127.0.0.1");
    t.w().connection().btnConnect_Click();
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_EQ(t.sim.connectionsAccepted, 1);
    EXPECT_EQ(t.socket.state(), ITcpSocket::Connected);
    EXPECT_TRUE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.p().txn.ConnectedOverEnet);
    // The connect event ran the first read, then started the poll timer.
    EXPECT_TRUE(t.p().conn.FirstReadDone);
    EXPECT_TRUE(t.unit.commands().contains("YT"));
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(t.w().Timer1.isActive());
    EXPECT_TRUE(t.w().ui.btnConnect->isEnabled());

    // Unticking "Use Ethernet" now changes the next connect only: the poll stays on TCP.
    t.w().settingMenus().mnuUseEnet_Click();
    ASSERT_FALSE(t.p().conn.UseEnet);
    t.unit.clearCommands();
    t.w().Timer1_Timer();
    ASSERT_FALSE(t.unit.commands().isEmpty());
    EXPECT_EQ(t.unit.commands().first(), "?!#(");
    EXPECT_EQ(t.p().conn.PollRetriesLeft, 2);
    EXPECT_TRUE(t.serial.written.isEmpty());

    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.socket.state(), ITcpSocket::Closed);
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_TRUE(t.w().ui.mnuConnect->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.sim.openConnections() == 0; }, 5000));
}

TEST(ConnectOverTcp, ARefusedConnectionShowsOneBoxAndLeavesConnectUsable)
{
    TcpWindow t(false);
    t.w().connection().btnConnect_Click();
    QTest::qWait(100);   // a late socket error event would show its box now
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Unable to Connect to Unit");
    EXPECT_EQ(t.prompts.boxes[0].title, "Ethernet Communication Error");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(t.socket.state(), ITcpSocket::Closed);
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_TRUE(t.w().ui.btnConnect->isEnabled());
    EXPECT_TRUE(t.w().ui.mnuConnect->isEnabled());
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_FALSE(t.p().conn.ConnectWaitRunning);
}

TEST(ConnectOverPty, TheSearchFindsTheUnitAtItsAddress)
{
    SimUnitProfile profile = twtaProfile();
    profile.address = 'B';
    profile.refuseAllUnknown();   // the first read after the find asks for everything
    LinkedMainWindow t(UnitLink::Serial, profile, true);
    SimUnit& unit = t.unit;
    SimUnitSerial& sim = t.serialSim;
    QtSerialControl& serial = t.realSerial;
    FakePrompts& prompts = t.prompts;
    Program& p = t.p();
    {
        frmMain& w = t.w();
        ASSERT_FALSE(serial.isOpen());
        w.connection().btnConnect_Click();   // "A" goes unanswered for 0.6 s, then "B" answers
        EXPECT_TRUE(prompts.boxes.isEmpty());
        EXPECT_EQ(p.LinkObject.DeviceAddress(), "B");
        EXPECT_EQ(p.LinkObject.CommSettings(), "9600,N,8,1");
        EXPECT_EQ(w.ui.btnConnect->text(), "Disconnect");
        EXPECT_TRUE(w.Timer1.isActive());
        EXPECT_TRUE(p.conn.FirstReadDone);
        QList<char> probed;
        for (const QByteArray& frame : sim.frames())
            probed << frame.at(1);
        ASSERT_GE(probed.size(), 2);
        EXPECT_EQ(probed.mid(0, 2), QList<char>({'A', 'B'}));

        unit.clearCommands();
        w.Timer1_Timer();
        ASSERT_FALSE(unit.commands().isEmpty());
        EXPECT_EQ(unit.commands().first(), "?!#(");
        w.connection().btnConnect_Click();
        EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(w.Timer1.isActive());
        EXPECT_FALSE(p.txn.LinkUp);
    }
}

}   // namespace
