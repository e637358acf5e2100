#include "commands/StatusQueries.h"
#include "link/ConnectionWatch.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"
#include "support/TcpTestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

namespace {
const QString Line = QString::fromLatin1(unitframes::tcpReply('A', "1DD"));
}

TEST(Transaction, EmptyCommandSendsNothing)
{
    TcpTestProgram t;
    t.p().LinkObject.setReply("old");
    EXPECT_TRUE(SendUnitCommand(t.p(), ""));
    EXPECT_TRUE(UnitReply(t.p()).isEmpty());
    EXPECT_TRUE(t.tcp.sent.isEmpty());
}

TEST(Transaction, SerialFailureShowsTheBoxOnlyWhenAsked)
{
    TestProgram t;   // nothing answers on the serial line
    EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_FALSE(SendUnitCommand(t.p(), "1", true));
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "No Response");
    EXPECT_EQ(t.prompts.boxes[0].title, "Communication Error");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
}

TEST(Transaction, RoutesByTheLinkOfTheConnection)
{
    struct Case {
        bool linkUp, overEnet, useEnet, expectTcp;
    };
    const Case cases[] = {
        {false, false, true, true},
        {false, true, false, false},
        {true, false, true, false},   // connected over serial: "Use Ethernet" waits for the next connection
        {true, true, false, true},
    };
    for (const Case& c : cases) {
        TcpTestProgram t;
        t.replies["1"] = "1DD";
        t.p().conn.UseEnet = c.useEnet;
        if (c.linkUp)
            BeginConnection(t.p(), c.overEnet);
        EXPECT_TRUE(SendUnitCommand(t.p(), "1"));
        EXPECT_EQ(t.tcp.sent.size(), c.expectTcp ? 1 : 0);
        EXPECT_EQ(t.serial.written.isEmpty(), c.expectTcp);
    }
}

TEST(Transaction, ConnectionIdMovesWithEachConnection)
{
    TestProgram t;
    const quint64 before = t.p().txn.ConnectionId;
    BeginConnection(t.p(), true);
    EXPECT_TRUE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.p().txn.ConnectedOverEnet);
    EndConnection(t.p());
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_EQ(t.p().txn.ConnectionId, before + 2);
}

TEST(Transaction, AWatchedProcedureSendsNothingOnceItsConnectionEnded)
{
    TestProgram t;
    t.replies["1"] = "1DD";
    BeginConnection(t.p(), false);
    {
        const ConnectionWatch outer(t.p());
        EXPECT_TRUE(SendUnitCommand(t.p(), "1"));
        EndConnection(t.p());   // a Disconnect while the procedure runs
        EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
        {
            const ConnectionWatch inner(t.p());   // a step of the same procedure
            EXPECT_TRUE(inner.ended());
            EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
            BeginConnection(t.p(), false);   // a new connection made meanwhile
            const ConnectionWatch fresh(t.p());
            EXPECT_TRUE(SendUnitCommand(t.p(), "1"));
        }
        EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
    }
    EXPECT_TRUE(SendUnitCommand(t.p(), "1"));   // no procedure runs: commands go out
    EXPECT_EQ(t.commands.size(), 3);
}

TEST(TcpTransaction, FramesTheRequestAndTakesTheLine)
{
    TcpTestProgram t;
    t.replies["?!#("] = "?ABCDEFGHIJKL";
    EXPECT_TRUE(SendUnitCommand(t.p(), "?!#(", true));
    EXPECT_EQ(t.tcp.sent, QByteArrayList{QByteArray("\x02"
                                                    "A?!#(\x03"
                                                    "M\r\n")});
    EXPECT_EQ(UnitReply(t.p()), QString::fromLatin1(unitframes::tcpReply('A', "?ABCDEFGHIJKL")));
    EXPECT_TRUE(t.p().tcpTransport.pendingLine().isEmpty());
    EXPECT_TRUE(t.clock.lastExcludedUserInput);   // the wait holds user input back
}

TEST(TcpTransaction, Deliveries)
{
    struct Case {
        const char* name;
        QByteArrayList pieces;
        bool oneRound;   // all pieces arrive in one round of events
        bool ok;
        QString buffer;
    };
    const Case cases[] = {
        {"three pieces",
         {"\x06"
          "A1",
          "D", "D\x03\r"},
         false,
         true,
         Line},
        {"two lines in one delivery",
         {"\x06"
          "A1DD\x03\r\x06"
          "A2EE\x03\r"},
         false,
         true,
         Line},
        {"two lines in one round",
         {"\x06"
          "A1DD\x03\r",
          "\x06"
          "A2EE\x03\r"},
         true,
         true,
         Line},
        {"NAK",
         {"\x15"
          "A\x03\r"},
         false,
         false,
         "\x15"
         "A\x03\r"},
        {"stray bytes first",
         {"xy\x06"
          "A1DD\x03\r"},
         false,
         false,
         "xy\x06"
         "A1DD\x03\r"},
        {"bare CR", {"\r"}, false, false, "\r"},
    };
    for (const Case& c : cases) {
        TcpTestProgram t;
        t.tcp.responder = [&c](const QByteArray&) { return c.pieces; };
        if (c.oneRound)
            t.clock.onProcessEvents = [&t] {
                while (t.tcp.deliverNext()) {
                }
            };
        EXPECT_EQ(SendUnitCommand(t.p(), "1", true), c.ok) << c.name;
        EXPECT_EQ(UnitReply(t.p()), c.buffer) << c.name;
        EXPECT_TRUE(t.prompts.boxes.isEmpty()) << c.name;   // never a box over TCP
    }
}

TEST(TcpTransaction, NoReplyFailsAfterFifteenSeconds)
{
    TcpTestProgram t;
    const qint64 start = t.clock.msNow();
    EXPECT_FALSE(SendUnitCommand(t.p(), "1", true));
    EXPECT_GE(t.clock.msNow() - start, 15000);
    EXPECT_LT(t.clock.msNow() - start, 15100);
    EXPECT_TRUE(UnitReply(t.p()).isEmpty());
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_TRUE(t.calls.isEmpty());
}

TEST(TcpTransaction, SocketLeavingTheConnectedStateEndsTheWait)
{
    TcpTestProgram t;
    t.clock.onProcessEvents = [&t] { t.tcp.st = ITcpSocket::Closing; };
    const qint64 start = t.clock.msNow();
    EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
    EXPECT_LT(t.clock.msNow() - start, 100);
}

TEST(TcpTransaction, EachTransactionStartsWithAnEmptyReceiveBuffer)
{
    TcpTestProgram t;
    t.replies["1"] = "1DD";
    // A fragment of an earlier reply, and a line that came while nothing waited.
    TcpDataArrived(t.p(), "\x06"
                          "Astale\x03\r");
    TcpDataArrived(t.p(), "\x06"
                          "A?AB");
    ASSERT_EQ(t.p().tcpTransport.pendingLine(), QString::fromLatin1("\x06"
                                                                    "Astale\x03\r"));
    ASSERT_EQ(t.p().tcpTransport.pendingBytes(), 5);
    EXPECT_TRUE(SendUnitCommand(t.p(), "1"));
    EXPECT_EQ(UnitReply(t.p()), Line);
}

TEST(TcpTransaction, OverlongLinesAreDropped)
{
    const QByteArray huge(TcpTransport::MaxRx, 'x');
    struct Case {
        const char* name;
        QByteArrayList pieces;
    };
    const Case cases[] = {
        {"no CR in the cap",
         {"\x06"
          "A" +
              huge,
          "tail\r"}},
        {"CR past the cap",
         {"\x06"
          "A" +
          huge + "\x03\r"}},
        {"no CR ever comes",
         {"\x06"
          "A" +
          huge}},
    };
    for (const Case& c : cases) {
        TcpTestProgram t;
        t.tcp.responder = [&c](const QByteArray&) { return c.pieces; };
        EXPECT_FALSE(SendUnitCommand(t.p(), "1")) << c.name;
        EXPECT_TRUE(UnitReply(t.p()).isEmpty()) << c.name;
        EXPECT_LE(t.p().tcpTransport.pendingBytes(), TcpTransport::MaxRx) << c.name;
        // The link recovers with the next line.
        t.tcp.deliveries.clear();
        t.tcp.responder = [](const QByteArray&) { return QByteArrayList{unitframes::tcpReply('A', "1DD")}; };
        EXPECT_TRUE(SendUnitCommand(t.p(), "1")) << c.name;
    }
}

TEST(TcpTransaction, SocketNotConnected)
{
    struct Case {
        int state;
        bool reset;
    };
    const Case cases[] = {
        {ITcpSocket::Closed, true},      {ITcpSocket::Closing, true},    {ITcpSocket::Error, true},
        {ITcpSocket::Connecting, false}, {ITcpSocket::Resolving, false},
    };
    for (const Case& c : cases) {
        TcpTestProgram t;
        BeginConnection(t.p(), true);
        t.tcp.st = c.state;
        EXPECT_FALSE(SendUnitCommand(t.p(), "1", true));
        EXPECT_TRUE(t.tcp.sent.isEmpty());
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
        if (c.reset) {
            EXPECT_EQ(t.calls, QStringList({"timer off", "clear and disable", "ready to connect", "dropped"}))
                << c.state;
            EXPECT_EQ(t.tcp.closes, 1);
            EXPECT_EQ(t.tcp.st, ITcpSocket::Closed);
            EXPECT_FALSE(t.p().txn.LinkUp);
        } else {
            EXPECT_TRUE(t.calls.isEmpty()) << c.state;
            EXPECT_EQ(t.tcp.closes, 0);
            EXPECT_TRUE(t.p().txn.LinkUp);
        }
    }
}

TEST(TcpTransaction, NestedCommandsDuringTheWaitSendNothing)
{
    TcpTestProgram t;
    t.replies["PBFE?"] = "PBFE12.5";
    t.replies["?!#("] = "?ABCDEFGHIJKL";
    t.p().ReplyFields.fill("old");
    bool nestedRan = false;
    t.clock.onProcessEvents = [&] {
        if (!nestedRan) {
            nestedRan = true;
            // What a poll tick and a button handler would do while the reply is awaited.
            EXPECT_TRUE(TransactionInFlight(t.p()));
            EXPECT_FALSE(SsaCmds::QueryStatusWords(t.p()));
            EXPECT_FALSE(SendUnitCommand(t.p(), "I", true));
            return;
        }
        t.tcp.deliverNext();
    };
    EXPECT_TRUE(SendUnitCommand(t.p(), "PBFE?"));
    EXPECT_TRUE(nestedRan);
    EXPECT_EQ(t.commands, QByteArrayList{"PBFE?"});
    EXPECT_EQ(UnitReply(t.p()), QString::fromLatin1(unitframes::tcpReply('A', "PBFE12.5")));
    EXPECT_EQ(t.p().ReplyFields[0], "old");
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_FALSE(TransactionInFlight(t.p()));
}
