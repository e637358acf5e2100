// The main window's serial-port, IP address, Ethernet port and locator menus.
#include "link/frmCom.h"
#include "link/frmLocateIP.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "platform/QtClock.h"
#include "platform/QtTcpSocket.h"
#include "platform/QtUdpSocket.h"
#include "support/FakeUdpSocket.h"
#include "support/SimUnitLan.h"
#include "support/SimUnitTcp.h"
#include "support/TcpTestProgram.h"
#include "app/frmMain.h"
#include "settings/TargetMenus.h"
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// What a test does inside a modal dialog, in place of the operator.
struct DialogScript {
    std::function<void(frmCom&)> com;
    std::function<void(frmLocateIP&)> locate;
    QString seenTitle;
    QString seenSettings;   // ComDialogSettings as the dialog opened

    int run(QDialog& dialog, Program& p)
    {
        seenTitle = dialog.windowTitle();
        if (auto* com = qobject_cast<frmCom*>(&dialog)) {
            seenSettings = p.linkDialogs.ComDialogSettings;
            if (this->com)
                this->com(*com);
        } else if (auto* locate = qobject_cast<frmLocateIP*>(&dialog)) {
            locate->Timer1_Timer();
            if (this->locate)
                this->locate(*locate);
        }
        return dialog.result();
    }
};

// Picks line `row` of the locator's list, with `port` in the port box.
std::function<void(frmLocateIP&)> pick(int row, const QString& port = QString())
{
    return [row, port](frmLocateIP& d) {
        d.ui.lstIPAdrs->setCurrentRow(row);
        d.ui.txtPortNum->setText(port);
        d.lstIPAdrs_DblClick();
    };
}

QString checkedPorts(const frmMain& w)
{
    QString marks;
    for (QAction* a : w.ui.mnuComPort)
        marks += a->isChecked() ? 'x' : '.';
    return marks;
}

struct TargetFixture : ::testing::Test {
    TargetFixture()
    {
        t.tcp.st = ITcpSocket::Closed;
        t.tcp.host = QStringLiteral("10.0.0.254");
        t.tcp.port = 2000;
        auto deliverTcp = t.clock.onProcessEvents;
        t.clock.onProcessEvents = [this, deliverTcp] {
            deliverTcp();
            for (const auto& [sender, data] : lan)
                udp.deliver(sender, data);
            lan.clear();
        };
        udp.onSend = [this](FakeUdpSocket&) { lan = units; };
        t.prompts.modal = [this](QDialog& d) { return script.run(d, t.p()); };
        t.p().LinkObject.setPortNumber(1);
        t.p().LinkObject.setCommSettings(QStringLiteral("19200,E,7,1"));
        w.ui.mnuComPort[0]->setChecked(true);
    }

    TcpTestProgram t;
    FakeUdpSocket& udp = t.udp;
    QList<QPair<QString, QByteArray>> units{{"127.0.0.2", "ABCDEFGHOrvan TWTA 750W Ku-Band"},
                                            {"127.0.0.3", "ABCDEFGHOrvan SSPA 400W C-Band"}};
    QList<QPair<QString, QByteArray>> lan;
    frmMain w{t.p()};
    DialogScript script;
};

}   // namespace

TEST_F(TargetFixture, ChoosingAnotherSerialPortProposesDefaultsAndMovesTheMark)
{
    script.com = [](frmCom& d) { d.btnOK_Click(); };
    w.ui.mnuComPort[1]->trigger();
    EXPECT_EQ(script.seenTitle, QStringLiteral("Com2 Port Settings"));
    EXPECT_EQ(script.seenSettings, QStringLiteral("9600,N,8,1"));
    EXPECT_EQ(t.p().LinkObject.PortNumber(), 2);
    EXPECT_EQ(t.p().LinkObject.CommSettings(), QStringLiteral("9600,N,8,1"));
    EXPECT_EQ(checkedPorts(w), QStringLiteral(".x........"));
    EXPECT_EQ(w.ui.mnuCom->title(), QStringLiteral("Serial Port:   COM2"));
}

TEST_F(TargetFixture, CurrentPortUnchangedOrCancelledLeavesEverything)
{
    const struct {
        int index;
        bool ok;
        QString proposed;
    } cases[] = {{0, true, "19200,E,7,1"}, {0, false, "19200,E,7,1"}, {4, false, "9600,N,8,1"}};
    for (const auto& c : cases) {
        script.com = [&c](frmCom& d) { c.ok ? d.btnOK_Click() : d.btnCancel_Click(); };
        w.ui.mnuCom->setTitle(QString());
        w.ui.mnuComPort[c.index]->trigger();
        EXPECT_EQ(script.seenSettings, c.proposed);
        EXPECT_FALSE(w.targets().ConfigPort(c.index + 1));
        EXPECT_EQ(t.p().LinkObject.PortNumber(), 1);
        EXPECT_EQ(t.p().LinkObject.CommSettings(), QStringLiteral("19200,E,7,1"));
        EXPECT_EQ(checkedPorts(w), QStringLiteral("x........."));
        EXPECT_EQ(w.ui.mnuCom->title(), QStringLiteral("Serial Port:   COM1"));
    }
}

TEST_F(TargetFixture, NewSettingsOnTheCurrentPortTakeEffect)
{
    script.com = [](frmCom& d) {
        d.ui.cbBaud->setCurrentText(QStringLiteral("57600"));
        d.ui.Option5->setChecked(true);
        d.btnOK_Click();
    };
    EXPECT_TRUE(w.targets().SetupSerialPort(1));
    EXPECT_EQ(t.p().LinkObject.CommSettings(), QStringLiteral("57600,N,7,1"));
    EXPECT_FALSE(w.targets().SetupSerialPort(11));
    EXPECT_FALSE(w.targets().SetupSerialPort(0));
}

TEST_F(TargetFixture, ScanShowsTheEntriesOfThePortsThatExist)
{
    auto mapPorts = [this](const QList<int>& present) {
        for (int n = 1; n <= 10; ++n)
            t.settings.setText("SerialPorts", QStringLiteral("COM%1").arg(n),
                               present.contains(n) ? "/dev/null" : "/nonexistent/tty");
    };
    auto shown = [this] {
        QList<int> ports;
        for (int i = 0; i < 10; ++i)
            if (w.ui.mnuComPort[i]->isVisible())
                ports << i + 1;
        return ports;
    };
    mapPorts({2, 5});
    w.ui.mnuPortScan->trigger();
    EXPECT_EQ(shown(), (QList<int>{2, 5}));
    mapPorts({1, 10});
    w.ui.mnuPortScan->trigger();
    EXPECT_EQ(shown(), (QList<int>{1, 10}));
}

TEST_F(TargetFixture, IPAddressEntryTakesFourNumberGroupsOnly)
{
    const struct {
        QString answer;
        QString host;   // afterwards
        QString box;
    } cases[] = {
        {"192.168.1.20", "192.168.1.20", ""},
        {"10.0.254", "10.0.0.254", "Invalid Address"},
        {"10.0.0.25x", "10.0.0.254", "Invalid Address"},
        {"", "10.0.0.254", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        t.tcp.host = t.p().conn.UnitIPAddress = QStringLiteral("10.0.0.254");
        w.ui.mnuEnterIP->setText(QStringLiteral("IP Address:    10.0.0.254"));
        t.prompts.boxes.clear();
        t.prompts.inputAnswers = {c.answer};
        w.ui.mnuEnterIP->trigger();
        EXPECT_EQ(t.prompts.inputs.last().text, QStringLiteral("Enter IP Address (xxx.xxx.xxx.xxx)"));
        EXPECT_EQ(t.prompts.inputs.last().title, QStringLiteral("IP Address"));
        EXPECT_EQ(t.prompts.lastProposed, QStringLiteral("10.0.0.254"));
        EXPECT_EQ(t.tcp.host, c.host);
        EXPECT_EQ(t.p().conn.UnitIPAddress, c.host);
        EXPECT_EQ(w.ui.mnuEnterIP->text(), "IP Address:    " + c.host);
        ASSERT_EQ(t.prompts.boxes.size(), c.box.isEmpty() ? 0 : 1);
        if (!c.box.isEmpty()) {
            EXPECT_EQ(t.prompts.boxes[0].text, c.box);
            EXPECT_EQ(t.prompts.boxes[0].title, QStringLiteral("Format Error"));
        }
    }
    EXPECT_EQ(t.tcp.connects, 0);   // used at the next connect
}

TEST_F(TargetFixture, EthernetPortEntryTakesOneTo65535)
{
    const struct {
        QString answer;
        int port;
    } cases[] = {{"65535", 65535}, {"0", 2000}, {"65536", 2000}, {"abc", 2000}, {"", 2000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        t.tcp.port = t.p().conn.EnetPort = 2000;
        w.ui.mnuEthPort->setText(QStringLiteral("Ethernet Port:2000"));
        t.prompts.boxes.clear();
        t.prompts.inputAnswers = {c.answer};
        w.ui.mnuEthPort->trigger();
        EXPECT_EQ(t.prompts.inputs.last().text, QStringLiteral("Enter Ethernet Port Number (1-65535)"));
        EXPECT_EQ(t.prompts.lastProposed, QStringLiteral("2000"));
        EXPECT_EQ(t.tcp.port, c.port);
        EXPECT_EQ(t.p().conn.EnetPort, c.port);
        EXPECT_EQ(w.ui.mnuEthPort->text(), "Ethernet Port:" + QString::number(c.port));
        const bool refused = c.port == 2000;
        ASSERT_EQ(t.prompts.boxes.size(), refused ? 1 : 0);
        if (refused) {
            EXPECT_EQ(t.prompts.boxes[0].text, QStringLiteral("Value out of range"));
            EXPECT_EQ(t.prompts.boxes[0].title, QStringLiteral("Ethernet Port Error"));
        }
    }
}

TEST_F(TargetFixture, LocatorClosedWithoutAPickChangesNothing)
{
    script.locate = [](frmLocateIP& d) { d.btnClose_Click(); };
    w.ui.mnuUseEnet->setChecked(true);
    w.ui.mnuLocateIP->trigger();
    EXPECT_EQ(script.seenTitle, QStringLiteral("Locate IP"));
    EXPECT_EQ(t.p().conn.UnitIPAddress, QStringLiteral("10.0.0.254"));
    EXPECT_EQ(t.p().conn.EnetPort, 2000);
    EXPECT_EQ(t.tcp.host, QStringLiteral("10.0.0.254"));
    EXPECT_EQ(w.ui.mnuEnterIP->text(), QStringLiteral("IP Address:    10.0.0.254"));
    EXPECT_EQ(t.tcp.connects, 0);
    EXPECT_EQ(udp.closes, 1);   // the locator's socket is let go with the dialog
}

TEST_F(TargetFixture, PickWhileDisconnectedStoresTheTargetAndConnectsOnlyOverEthernet)
{
    for (bool useEnet : {false, true}) {
        SCOPED_TRACE(useEnet);
        t.tcp.connects = 0;
        w.ui.mnuUseEnet->setChecked(useEnet);
        script.locate = pick(1, "40000");
        w.targets().mnuLocateIP_Click();
        EXPECT_EQ(t.p().conn.UnitIPAddress, QStringLiteral("127.0.0.3"));
        EXPECT_EQ(t.p().conn.EnetPort, 40000);
        EXPECT_EQ(t.tcp.host, QStringLiteral("127.0.0.3"));
        EXPECT_EQ(t.tcp.port, 40000);
        EXPECT_EQ(w.ui.mnuEnterIP->text(), QStringLiteral("IP Address:    127.0.0.3"));
        EXPECT_EQ(w.ui.mnuEthPort->text(), QStringLiteral("Ethernet Port:40000"));
        EXPECT_EQ(t.tcp.connects, useEnet ? 1 : 0);
    }
}

TEST_F(TargetFixture, PickWhileConnectedStopsThePollAndReconnects)
{
    t.tcp.st = ITcpSocket::Connected;
    t.tcp.stateAfterConnect = ITcpSocket::Connected;
    w.Timer1.start();
    script.locate = pick(0);
    w.targets().mnuLocateIP_Click();
    EXPECT_FALSE(w.Timer1.isActive());
    EXPECT_GE(t.tcp.closes, 1);
    EXPECT_EQ(t.tcp.connects, 1);
    EXPECT_EQ(t.tcp.host, QStringLiteral("127.0.0.2"));
    EXPECT_EQ(t.tcp.port, 2000);
    EXPECT_EQ(t.tcp.st, ITcpSocket::Connected);
    EXPECT_FALSE(t.calls.contains("dropped"));
}

TEST_F(TargetFixture, PickWhileAConnectionIsUpOnAnotherSocketStateAlsoStopsThePoll)
{
    // Connected over the serial line with "Use Ethernet" ticked, or over TCP just closed by
    // the unit: the new unit's first read must not run under the old connection's poll.
    const struct {
        bool overEnet;
        int state;
    } cases[] = {{false, ITcpSocket::Closed}, {true, ITcpSocket::Closing}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.overEnet);
        t.tcp.st = c.state;
        t.tcp.connects = 0;
        t.tcp.stateAfterConnect = ITcpSocket::Connected;
        BeginConnection(t.p(), c.overEnet);
        t.p().conn.FirstReadDone = true;
        w.ui.mnuUseEnet->setChecked(true);
        w.Timer1.start();
        script.locate = pick(0);
        w.targets().mnuLocateIP_Click();
        EXPECT_FALSE(w.Timer1.isActive());
        EXPECT_FALSE(t.p().conn.FirstReadDone);   // the window was cleared: the connect event reads anew
        EXPECT_FALSE(t.p().txn.LinkUp);
        EXPECT_EQ(t.tcp.connects, 1);
        EXPECT_EQ(t.tcp.host, QStringLiteral("127.0.0.2"));
    }
}

TEST_F(TargetFixture, FailedReconnectLeavesTheWindowAsADroppedLink)
{
    t.tcp.st = ITcpSocket::Connected;
    t.tcp.stateAfterConnect = ITcpSocket::Connecting;   // never answers
    // The drop path's window steps, recorded whatever the window wires to them.
    WindowHooks& h = t.p().hooks;
    h.setPollTimer = [this](bool on) { t.calls << (on ? "timer on" : "timer off"); };
    h.clearAndDisableWindow = [this] { t.calls << "clear and disable"; };
    h.showReadyToConnect = [this](bool overSerial) {
        t.calls << (overSerial ? "ready to connect, searches" : "ready to connect");
    };
    h.tcpLinkDropped = [this] { t.calls << "dropped"; };
    w.Timer1.start();
    script.locate = pick(0);
    w.targets().mnuLocateIP_Click();
    EXPECT_FALSE(w.Timer1.isActive());
    EXPECT_EQ(t.tcp.st, ITcpSocket::Closed);
    EXPECT_EQ(t.calls, (QStringList{"timer off", "clear and disable", "ready to connect", "dropped"}));
    EXPECT_EQ(t.p().conn.UnitIPAddress, QStringLiteral("127.0.0.2"));   // kept for the next connect
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

// Real sockets on loopback: the unit on 127.0.0.2 answers the discovery and serves TCP on
// the same address; picking it connects the program to it, and picking it again while
// connected reconnects.
TEST(LocateAndConnectOnLoopback, PickedUnitIsConnected)
{
    SimUnitLan lan;
    ASSERT_TRUE(lan.addUnit("127.0.0.2", "ABCDEFGHOrvan TWTA 750W Ku-Band"));
    SimUnit unit(twtaProfile());
    SimUnitTcp server(unit);
    ASSERT_TRUE(server.listen(QHostAddress("127.0.0.2")));

    MemorySettingsStore settings;
    settings.setText("Locator", "BroadcastAddress", lan.listenAddress());
    ASSERT_TRUE(QHostAddress(QtUdpSocket::sendTarget(QtUdpSocket::Broadcast, &settings)).isLoopback());
    QtUdpSocket udp(&settings);
    QtClock clock;
    QtTcpSocket tcp;
    TestProgram t({.tcp = &tcp, .clock = &clock, .settings = &settings, .udp = &udp});
    Program& p = t.p();
    p.conn.UseEnet = true;
    frmMain w(p);   // installs the window's hooks and the socket's events
    QStringList calls;
    p.hooks.runPollTick = [&calls] { calls << "tick"; };
    p.hooks.setPollTimer = [&calls](bool on) { calls << (on ? "timer on" : "timer off"); };
    w.ui.mnuUseEnet->setChecked(true);
    DialogScript script;
    script.locate = pick(0, QString::number(server.port()));
    t.prompts.modal = [&](QDialog& d) { return script.run(d, p); };

    w.targets().mnuLocateIP_Click();
    EXPECT_EQ(lan.requestsHeard(), 1);
    EXPECT_EQ(p.conn.UnitIPAddress, QStringLiteral("127.0.0.2"));
    EXPECT_EQ(tcp.remoteHost(), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(tcp.remotePort(), server.port());
    EXPECT_EQ(tcp.state(), ITcpSocket::Connected);
    EXPECT_EQ(server.connectionsAccepted, 1);
    EXPECT_EQ(calls, (QStringList{"tick", "timer on"}));

    w.Timer1.start();
    w.targets().mnuLocateIP_Click();
    EXPECT_EQ(tcp.state(), ITcpSocket::Connected);
    EXPECT_EQ(server.connectionsAccepted, 2);
    tcp.close();
}
