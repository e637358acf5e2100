// Connecting through the main window on the real links: TCP to the simulated unit on
// loopback, and the serial search on a pseudo-terminal.
#include "app/Program.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/FakeSerialControl.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include "support/UnitFrames.h"
#include "app/frmMain.h"
#include <QAction>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A loopback port with nothing listening on it.
quint16 unusedLoopbackPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

// The main window with "Use Ethernet" stored and the target on loopback: the simulated
// unit's port, or one where nothing listens.
struct TcpWindow {
    explicit TcpWindow(bool unitListening)
    {
        quint16 port = 0;
        if (unitListening) {
            EXPECT_TRUE(sim.listen());
            port = sim.port();
        } else {
            port = unusedLoopbackPort();
        }
        store.setText("Settings", "UseEnet", "True");
        store.setText("Settings", "UseIP", "127.0.0.1");
        store.setText("Settings", "EthPort", QString::number(port));
        program = std::make_unique<Program>(fakes.platform(
            {.serial = &serial, .tcp = &socket, .clock = &clock, .prompts = &prompts, .settings = &store}));
        window = std::make_unique<frmMain>(*program);
        w().Form_Load();
    }
    ~TcpWindow() { window.reset(); }
    Program& p() { return *program; }
    frmMain& w() { return *window; }

    // Quick to refuse what it does not know: the first read after connecting asks for all.
    SimUnit unit{[] {
        SimUnitProfile profile = twtaProfile();
        profile.refuseAllUnknown();
        return profile;
    }()};
    SimUnitTcp sim{unit};
    MemorySettingsStore store;
    FakeSerialControl serial;
    QtTcpSocket socket;
    QtClock clock;
    FakePrompts prompts;
    FakePlatform fakes;   // the services the window needs none of
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> window;
};

TEST(ConnectOverTcp, ConnectsPollsAndDisconnects)
{
    TcpWindow t(true);
    ASSERT_EQ(t.socket.remoteHost(), "127.0.0.1");
    t.w().btnConnect_Click();
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
    t.w().mnuUseEnet_Click();
    ASSERT_FALSE(t.p().conn.UseEnet);
    t.unit.clearCommands();
    t.w().Timer1_Timer();
    ASSERT_FALSE(t.unit.commands().isEmpty());
    EXPECT_EQ(t.unit.commands().first(), "?!#(");
    EXPECT_EQ(t.p().conn.PollRetriesLeft, 2);
    EXPECT_TRUE(t.serial.written.isEmpty());

    t.w().btnConnect_Click();
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
    t.w().btnConnect_Click();
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
    SimUnit unit(profile);
    SimUnitSerial sim(unit);
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    MemorySettingsStore store;
    sim.mapPort(store, 3);
    store.setText("Settings", "CurrentPort", "3");
    QtSerialControl serial(&store);
    QtClock clock;
    FakePrompts prompts;
    FakePlatform fakes;
    Program p(fakes.platform({.serial = &serial, .clock = &clock, .prompts = &prompts, .settings = &store}));
    {
        frmMain w(p);
        w.Form_Load();
        ASSERT_FALSE(serial.isOpen());
        w.btnConnect_Click();   // "A" goes unanswered for 0.6 s, then "B" answers
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
        w.btnConnect_Click();
        EXPECT_EQ(w.ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(w.Timer1.isActive());
        EXPECT_FALSE(p.txn.LinkUp);
    }
    p.LinkObject.setOpenPort(false);
}

}   // namespace
