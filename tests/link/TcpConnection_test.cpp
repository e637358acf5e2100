#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "support/TcpTestProgram.h"
#include <gtest/gtest.h>

TEST(TcpConnection, ConnectEventRunsTheFirstTickThenStartsPolling)
{
    TcpTestProgram t;
    const quint64 id = t.p().txn.ConnectionId;
    bool pendingDuringTick = false;
    t.p().hooks.runPollTick = [&] {
        pendingDuringTick = t.p().conn.EnetFirstReadPending;
        t.calls << "tick";
    };
    t.tcp.onConnect();
    EXPECT_EQ(t.calls, QStringList({"tick", "timer on"}));
    EXPECT_TRUE(pendingDuringTick);
    EXPECT_TRUE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.p().txn.ConnectedOverEnet);
    EXPECT_EQ(t.p().txn.ConnectionId, id + 1);
}

TEST(TcpConnection, ConnectEventIgnoredOffTcpOrWhenNotConnected)
{
    struct Case {
        bool useEnet;
        int state;
    };
    for (const Case& c : {Case{false, ITcpSocket::Connected}, Case{true, ITcpSocket::Closing}}) {
        TcpTestProgram t;
        t.p().conn.UseEnet = c.useEnet;
        t.tcp.st = c.state;
        sckTcp_Connect(t.p());
        EXPECT_TRUE(t.calls.isEmpty());
        EXPECT_FALSE(t.p().conn.EnetFirstReadPending);
        EXPECT_FALSE(t.p().txn.LinkUp);
    }
}

TEST(TcpConnection, ErrorEventShowsTheBoxAndResetsTheWindow)
{
    TcpTestProgram t;
    BeginConnection(t.p(), true);
    t.p().conn.EnetFirstReadPending = true;
    t.p().conn.FirstReadDone = true;
    t.tcp.onError({10061, "Connection refused", 7, "sckTcp"});
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "TCP/IP Socket Error");
    EXPECT_EQ(t.prompts.boxes[0].text,
              "Error No.: 10061\r\nDescr: Connection refused\r\nScode: 7\r\nSource: sckTcp\r\n");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(t.tcp.closes, 1);
    EXPECT_EQ(t.calls, QStringList({"timer off", "clear and disable", "ready to connect", "button on"}));
    EXPECT_FALSE(t.p().conn.EnetFirstReadPending);
    EXPECT_FALSE(t.p().conn.FirstReadDone);
    EXPECT_FALSE(t.p().txn.LinkUp);
}

TEST(TcpConnection, OpenConnectionWaitsUpToTwentyPauses)
{
    struct Case {
        int connectedAfterPauses;   // 0: never
        bool result;
        int pauses;
    };
    for (const Case& c : {Case{0, false, 20}, Case{1, true, 1}, Case{3, true, 3}}) {
        TcpTestProgram t;
        t.tcp.st = ITcpSocket::Connected;   // an old connection, closed first
        int rounds = 0;
        t.clock.onProcessEvents = [&] {
            if (++rounds == c.connectedAfterPauses)
                t.tcp.st = ITcpSocket::Connected;
        };
        EXPECT_EQ(OpenConnection(t.p()), c.result);
        EXPECT_EQ(t.tcp.closes, 1);
        EXPECT_EQ(t.tcp.connects, 1);
        EXPECT_EQ(t.clock.sleeps, c.pauses);
        EXPECT_EQ(rounds, c.pauses);
    }
}

TEST(TcpConnection, CloseConnectionReportsWhetherTheSocketClosed)
{
    TcpTestProgram t;
    EXPECT_TRUE(CloseConnection(t.p()));
    t.tcp.stateAfterClose = ITcpSocket::Closing;
    EXPECT_FALSE(CloseConnection(t.p()));
    const qint64 start = t.clock.msNow();
    EXPECT_FALSE(CloseEnetConnection(t.p()));   // gives up after 3 s
    EXPECT_GT(t.clock.msNow() - start, 3000);
    EXPECT_LT(t.clock.msNow() - start, 3100);
}
