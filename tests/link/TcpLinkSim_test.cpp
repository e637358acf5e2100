// The TCP link against the simulated unit on loopback, with the real socket and clock.
#include "commands/StatusQueries.h"
#include "app/Program.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "platform/QtClock.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/SimUnitTcp.h"
#include "support/UnitFrames.h"
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct SimTcp {
    SimTcp()
    {
        program = std::make_unique<Program>(fakes.platform({.tcp = &socket, .clock = &clock, .prompts = &prompts}));
        p().LinkObject.setDeviceAddress("A");
        p().conn.UseEnet = true;
        ConnectTcpSocketEvents(p());
        p().hooks.runPollTick = [this] { calls << "tick"; };
        p().hooks.setPollTimer = [this](bool on) { calls << (on ? "timer on" : "timer off"); };
        p().hooks.clearAndDisableWindow = [this] { calls << "clear and disable"; };
        p().hooks.showReadyToConnect = [this](bool overSerial) {
            calls << (overSerial ? "ready to connect, searches" : "ready to connect");
        };
        EXPECT_TRUE(server.listen());
        socket.setRemoteHost("127.0.0.1");
        socket.setRemotePort(server.port());
    }
    Program& p() { return *program; }
    void edit(const std::function<void(SimUnitProfile&)>& f) { unit.editProfile(f); }
    QString line(const QByteArray& data, char start = unitframes::ACK)
    {
        return QString::fromLatin1(unitframes::tcpReply('A', data, start));
    }

    QtClock clock;
    QtTcpSocket socket;
    FakePrompts prompts;
    FakePlatform fakes;   // the services the link needs none of
    std::unique_ptr<Program> program;
    SimUnit unit{twtaProfile()};
    SimUnitTcp server{unit};
    QStringList calls;
};
}   // namespace

TEST(TcpLinkSim, ConnectsFramesAndReadsTheStatus)
{
    SimTcp s;
    ASSERT_TRUE(OpenConnection(s.p()));
    EXPECT_EQ(s.calls, QStringList({"tick", "timer on"}));
    s.p().ReplyFields.fill("");
    EXPECT_TRUE(SsaCmds::QueryStatusWords(s.p()));
    EXPECT_EQ(s.server.requests, QByteArrayList{QByteArray("\x02"
                                                           "A?!#(\x03"
                                                           "M\r\n")});
    EXPECT_EQ(s.p().ReplyFields[0], "D@@@");
    EXPECT_EQ(s.p().ReplyFields[2], "@@@@");
    EXPECT_EQ(SsaCmds::ReadUnitStatusCode(s.p()), 0x404);
}

TEST(TcpLinkSim, ReplyInThreePiecesIsOneTransaction)
{
    SimTcp s;
    s.edit([](SimUnitProfile& pr) { pr.behaviour["1"].splitAt = {2, 4}; });
    int deliveries = 0;
    s.socket.onDataArrival = [&] {
        ++deliveries;
        sckTcp_DataArrival(s.p());
    };
    ASSERT_TRUE(OpenConnection(s.p()));
    EXPECT_TRUE(SendUnitCommand(s.p(), "1"));
    EXPECT_EQ(UnitReply(s.p()), s.line("1DD"));
    EXPECT_EQ(deliveries, 3);
    EXPECT_EQ(s.unit.commands().size(), 1);
}

TEST(TcpLinkSim, TwoLinesInOneDeliveryYieldTheFirst)
{
    SimTcp s;
    s.edit([](SimUnitProfile& pr) { pr.behaviour["1"].trailing = unitframes::tcpReply('A', "1EE"); });
    ASSERT_TRUE(OpenConnection(s.p()));
    EXPECT_TRUE(SendUnitCommand(s.p(), "1"));
    EXPECT_EQ(UnitReply(s.p()), s.line("1DD"));
    s.edit([](SimUnitProfile& pr) {
        pr.behaviour.remove("1");
        pr.set("?!", "?ABCD");
    });
    EXPECT_EQ(SsaCmds::ReadSingleStatusWord(s.p(), 1), "ABCD");   // the dropped line does not leak
}

TEST(TcpLinkSim, NakFailsWithoutABox)
{
    SimTcp s;
    s.edit([](SimUnitProfile& pr) { pr.behaviour["1"].kind = SimBehaviour::Nak; });
    ASSERT_TRUE(OpenConnection(s.p()));
    EXPECT_FALSE(SendUnitCommand(s.p(), "1", true));
    EXPECT_EQ(UnitReply(s.p()), s.line("", unitframes::NAK));
    EXPECT_TRUE(s.prompts.boxes.isEmpty());
}

TEST(TcpLinkSim, UnitClosingTheConnectionIsClosingNotAnError)
{
    SimTcp s;
    s.edit([](SimUnitProfile& pr) { pr.behaviour["1"].kind = SimBehaviour::DropConnection; });
    ASSERT_TRUE(OpenConnection(s.p()));
    s.calls.clear();
    EXPECT_FALSE(SendUnitCommand(s.p(), "1"));   // ends as soon as the socket closes
    EXPECT_EQ(s.socket.state(), ITcpSocket::Closing);
    EXPECT_TRUE(s.calls.isEmpty());
    EXPECT_FALSE(SendUnitCommand(s.p(), "1"));   // the next command finds it dropped
    EXPECT_EQ(s.calls, QStringList({"timer off", "clear and disable", "ready to connect"}));
    EXPECT_EQ(s.socket.state(), ITcpSocket::Closed);
    EXPECT_TRUE(s.prompts.boxes.isEmpty());
    EXPECT_EQ(s.unit.commands().size(), 1);
}

TEST(TcpLinkSim, RefusedConnectionRaisesTheSocketErrorBox)
{
    SimTcp s;
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    s.socket.setRemotePort(closed.serverPort());
    closed.close();
    EXPECT_FALSE(OpenConnection(s.p()));
    ASSERT_EQ(s.prompts.boxes.size(), 1);
    EXPECT_EQ(s.prompts.boxes[0].title, "TCP/IP Socket Error");
    EXPECT_TRUE(s.prompts.boxes[0].text.startsWith("Error No.: 10061\r\nDescr: "))
        << s.prompts.boxes[0].text.toStdString();
    EXPECT_TRUE(s.prompts.boxes[0].text.endsWith("\r\nSource: sckTcp\r\n"));
    EXPECT_EQ(s.calls, QStringList({"timer off", "clear and disable", "ready to connect"}));
}

TEST(TcpLinkSim, TimerTickDuringTheWaitSendsNothing)
{
    SimTcp s;
    s.edit([](SimUnitProfile& pr) {
        pr.set("PBFE?", "PBFE12.5");
        pr.behaviour["PBFE?"].delayMs = 100;
    });
    ASSERT_TRUE(OpenConnection(s.p()));
    bool tickRan = false, tickSent = true;
    QTimer tick;
    tick.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        tickRan = true;
        tickSent = SsaCmds::QueryStatusWords(s.p()) || SendUnitCommand(s.p(), "I");
    });
    tick.start(10);
    EXPECT_TRUE(SendUnitCommand(s.p(), "PBFE?"));
    EXPECT_TRUE(tickRan);
    EXPECT_FALSE(tickSent);
    EXPECT_EQ(s.unit.commands(), QByteArrayList{"PBFE?"});
    EXPECT_EQ(UnitReply(s.p()), s.line("PBFE12.5"));
}

TEST(TcpLinkSim, ZeroLedAddressGroupsAreDecimal)
{
    // "127.000.000.010" is 127.0.0.10 to the operator; read as octal it would be 127.0.0.8.
    SimTcp s;
    SimUnitTcp unit10(s.unit);
    ASSERT_TRUE(unit10.listen(QHostAddress("127.0.0.10")));
    s.socket.setRemoteHost("127.000.000.010");
    s.socket.setRemotePort(unit10.port());
    ASSERT_TRUE(OpenConnection(s.p()));
    EXPECT_EQ(unit10.connectionsAccepted, 1);
    EXPECT_EQ(s.socket.remoteHost(), "127.000.000.010");   // kept as the operator typed it
    s.socket.close();
}
