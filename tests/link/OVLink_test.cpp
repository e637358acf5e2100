#include "link/OVLink.h"
#include "support/FakeClock.h"
#include "support/FakeSerialControl.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace unitframes;

namespace {
// A link on a fake port, set up as at start-up: "9600,N,8,1", address "A".
struct LinkOnFakes {
    FakeClock clock;
    FakeSerialControl serial{&clock};
    OVLink link{&clock};

    LinkOnFakes()
    {
        link.setCommControl(&serial);
        link.setCommSettings(QStringLiteral("9600,N,8,1"));
        link.setDeviceAddress(QStringLiteral("A"));
    }
    // One command whose answer is `reply`; returns the error number.
    qint16 exchange(const QByteArray& reply)
    {
        serial.responder = [reply](const QByteArray&) { return reply; };
        qint16 err = -1;
        link.Clear();
        link.send(2, QStringLiteral("?!#("));
        link.Receive(err);
        return err;
    }
};

QString latin1(const QByteArray& b) { return QString::fromLatin1(b); }
}   // namespace

TEST(OVLink, FramesTheCommandWithItsXorChecksum)
{
    EXPECT_EQ(OVLink::BuildFrame(2, 'A', "?!#("), latin1("\x02"
                                                         "A?!#(\x03"
                                                         "U"));
    // All eight bits of each byte count: 02 ^ 41 ^ E9 ^ 03 = A9.
    EXPECT_EQ(OVLink::BuildFrame(2, 'A', latin1("\xE9")), latin1("\x02"
                                                                 "A\xE9\x03\xA9"));

    LinkOnFakes f;
    f.exchange(serialReply('A', "?"));
    // Opening the port writes CR LF once; the frame follows in one write, no line end.
    ASSERT_EQ(f.serial.written.size(), 2);
    EXPECT_EQ(f.serial.written[0], QByteArray("\r\n"));
    EXPECT_EQ(f.serial.written[1], QByteArray("\x02"
                                              "A?!#(\x03"
                                              "U"));
    EXPECT_EQ(f.serial.inputLen, 1);   // the receiver reads one character at a time
}

TEST(OVLink, CollectsOneReplyFrame)
{
    const QByteArray huge = QByteArray(1, ACK) + QByteArray(OVLink::MaxReply, 'x');
    const QByteArray largest = serialReply('A', QByteArray(OVLink::MaxReply - 3, 'x'));
    struct Case {
        const char* what;
        QByteArray in;
        bool checkAddress;
        qint16 err;
        QByteArray buffer;   // expected reply()
    } cases[] = {
        {"good frame", serialReply('A', "?ABC"), false, 0, serialReply('A', "?ABC")},
        {"a byte above 0x7F",
         "\x06"
         "A\xB0"
         "5\x03\xC1",
         false, 0,
         "\x06"
         "A\xB0"
         "5\x03\xC1"},
        {"stray bytes first", "xy\r\n\x03" + serialReply('A', "1"), false, 0, serialReply('A', "1")},
        {"STX in data restarts",
         "\x06"
         "A12" +
             serialReply('A', "34", STX),
         false, 0, serialReply('A', "34", STX)},
        {"ACK in data restarts",
         "\x06"
         "A12" +
             serialReply('A', "34"),
         false, 0, serialReply('A', "34")},
        {"NAK in data restarts",
         "\x06"
         "A12" +
             serialReply('A', "34", NAK),
         false, 6, serialReply('A', "34", NAK)},
        {"} ends the data of an ACK frame",
         QByteArray("\x06"
                    "A1}\x0B"
                    "rest"),
         false, 0,
         QByteArray("\x06"
                    "A1}\x0B")},
        {"{ frame, printable checksum", "{A1}M", true, 0, "{A1}M"},
        {"{ frame, wrong printable checksum", "{A1}N", false, 2, "{A1}N"},
        {"{ inside an STX frame is data", serialReply('A', "{1", STX), false, 0, serialReply('A', "{1", STX)},
        {"NAK with a good checksum", serialReply('A', "X", NAK), false, 6, serialReply('A', "X", NAK)},
        {"NAK from another address, checked", serialReply('B', "X", NAK), true, 6, serialReply('B', "X", NAK)},
        {"another address, checked", serialReply('B', "1"), true, 1, serialReply('B', "1")},
        {"another address, unchecked", serialReply('B', "1"), false, 0, serialReply('B', "1")},
        {"lower-case address, checked", serialReply('a', "1"), true, 1, serialReply('a', "1")},
        {"wrong checksum", serialReply('A', "1").chopped(1) + 'Z', false, 2, serialReply('A', "1").chopped(1) + 'Z'},
        {"huge response", huge + ETX, false, 4, huge},
        {"largest frame", largest, false, 0, largest},
        {"incomplete",
         "\x06"
         "A12",
         false, 7,
         "\x06"
         "A12"},
        {"no response", "", false, 8, ""},
        {"stray bytes only", "xyz", false, 8, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LinkOnFakes f;
        f.link.setCheckAddress(c.checkAddress);
        EXPECT_EQ(f.exchange(c.in), c.err);
        EXPECT_EQ(f.link.reply(), latin1(c.buffer));
    }
}

TEST(OVLink, DeadlineLetsAWaitingChecksumDecide)
{
    const QByteArray frame = serialReply('A', "1");
    struct Case {
        const char* what;
        qint64 checksumLateMs;   // after the deadline
        qint16 err;
    } cases[] = {{"checksum waiting at the deadline", 1, 0}, {"checksum too late", 50, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LinkOnFakes f;
        f.link.setMsgTimeout(0.5f);
        f.exchange({});   // opens the port
        const qint64 start = f.clock.msNow();
        f.serial.arriveAt(start + 10, frame.chopped(1));
        f.serial.arriveAt(start + 500 + c.checksumLateMs, frame.right(1));
        qint16 err = -1;
        f.link.Receive(err);
        EXPECT_EQ(err, c.err);
        EXPECT_LE(f.clock.msNow() - start, 502);
    }
}

TEST(OVLink, WaitsForTheTimeOut)
{
    LinkOnFakes f;
    f.link.setMsgTimeout(0.6f);
    f.exchange({});
    const qint64 start = f.clock.msNow();
    qint16 err = -1;
    f.link.Receive(err);
    EXPECT_EQ(err, 8);
    EXPECT_EQ(f.link.ErrString(), "No Response");
    EXPECT_GE(f.clock.msNow() - start, 600);
    EXPECT_LE(f.clock.msNow() - start, 602);
}

TEST(OVLink, PortFailuresGiveError9AndNeverSuccess)
{
    const QByteArray frame("\x02"
                           "A1\x03"
                           "q");
    struct Case {
        const char* what;
        std::function<void(LinkOnFakes&)> arrange;
        QString text;
        bool sendFails;
        std::function<void(LinkOnFakes&)> afterSend = nullptr;
    } cases[] = {
        {"port does not open", [](LinkOnFakes& f) { f.serial.failOpen = true; }, "Cannot open port", true},
        {"no line settings", [](LinkOnFakes& f) { f.link.setCommSettings(""); }, "No line settings for the serial port",
         true},
        {"no control", [](LinkOnFakes& f) { f.link.setCommControl(nullptr); }, "No serial port", true},
        {"write fails",
         [](LinkOnFakes& f) {
             f.serial.failWrite = true;
             f.serial.error = "Write error";
         },
         "Write error", true},
        {"device vanishes while waiting", [](LinkOnFakes& f) { f.serial.vanishOnWait = true; }, "Device gone", false},
        {"port opens only after the send", [](LinkOnFakes& f) { f.serial.failOpen = true; }, "Cannot open port", true,
         [](LinkOnFakes& f) { f.serial.failOpen = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LinkOnFakes f;
        c.arrange(f);
        f.link.setReply("old");
        f.serial.responder = [](const QByteArray&) { return QByteArray(); };
        const qint64 start = f.clock.msNow();
        f.link.Clear();
        f.link.send(2, "1");
        EXPECT_EQ(f.serial.written.contains(frame), !c.sendFails);
        EXPECT_EQ(f.link.ErrString(), c.sendFails ? c.text : "No Error");
        if (c.afterSend)
            c.afterSend(f);
        qint16 err = -1;
        f.link.Receive(err);
        EXPECT_EQ(err, 9);
        EXPECT_EQ(f.link.ErrString(), c.text);
        if (c.sendFails) {
            EXPECT_EQ(f.link.reply(), "old");
        }
        EXPECT_LT(f.clock.msNow() - start, 1000) << "no wait for a reply that cannot come";
    }
}

TEST(OVLink, EmptySettingsNeverOpenOrWrite)
{
    // Start-up sets the port number before the line settings.
    FakeClock clock;
    FakeSerialControl serial{&clock};
    OVLink link{&clock};
    link.setCommControl(&serial);
    link.setPortNumber(2);
    EXPECT_EQ(link.ErrString(), "No line settings for the serial port");
    EXPECT_EQ(serial.opens, 0);
    EXPECT_TRUE(serial.written.isEmpty());
    link.setCommSettings("9600,N,8,1");
    link.send(2, "1");
    EXPECT_EQ(serial.port, 2);
    EXPECT_EQ(serial.lineSettings, "9600,N,8,1");
    EXPECT_EQ(serial.written.size(), 2);
}

TEST(OVLink, DefaultsAtConstruction)
{
    OVLink link;
    EXPECT_EQ(link.DeviceAddress(), "@");
    EXPECT_FLOAT_EQ(link.MsgTimeout(), 5.0f);
    EXPECT_EQ(link.PortNumber(), 1);
    EXPECT_EQ(link.ErrString(), "No Error");
    EXPECT_EQ(link.CommSettings(), "");
    EXPECT_EQ(link.reply(), "");
}

TEST(OVLink, MsgTimeoutIsStoredInWholeMilliseconds)
{
    struct Case {
        float set;
        float read;
    } cases[] = {{0.6f, 0.6f},    {40000.0f, 2.0f},  {32767.0f, 2.0f}, {32766.0f, 32766.0f},
                 {0.0004f, 0.0f}, {0.0126f, 0.013f}, {NAN, 2.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        OVLink link;
        link.setMsgTimeout(2.0f);
        link.setMsgTimeout(c.set);
        EXPECT_FLOAT_EQ(link.MsgTimeout(), c.read);
    }
}

TEST(OVLink, DeviceAddressKeepsOneCharacter)
{
    OVLink link;
    link.setDeviceAddress("AB");
    EXPECT_EQ(link.DeviceAddress(), "A");
    link.setDeviceAddress("");
    EXPECT_EQ(link.DeviceAddress(), " ");
}

TEST(OVLink, PortNumberOutsideOneToTenIsRefused)
{
    for (int n : {0, 11, -1}) {
        SCOPED_TRACE(n);
        LinkOnFakes f;
        f.link.setPortNumber(4);
        f.link.setPortNumber(n);
        EXPECT_EQ(f.link.PortNumber(), 4);
        EXPECT_EQ(f.link.ErrString(), "Invalid Port Number");
        EXPECT_EQ(f.serial.port, 4);
    }
}

TEST(OVLink, PortNumberReopensOnTheNewPort)
{
    LinkOnFakes f;
    f.exchange(serialReply('A', "1"));
    ASSERT_TRUE(f.serial.open);
    ASSERT_EQ(f.serial.opens, 1);
    f.link.setPortNumber(3);
    EXPECT_EQ(f.link.PortNumber(), 3);
    EXPECT_EQ(f.serial.port, 3);
    EXPECT_TRUE(f.serial.open);
    EXPECT_EQ(f.serial.opens, 2);   // closed on COM1, opened on COM3
    EXPECT_EQ(f.link.ErrString(), "No Error");
}

TEST(OVLink, CommSettingsReachAnOpenPortAtOnce)
{
    LinkOnFakes f;
    f.link.setCommSettings("19200,E,7,1");
    EXPECT_EQ(f.serial.lineSettings, "") << "a closed port takes them at its next opening";
    f.exchange({});
    EXPECT_EQ(f.serial.lineSettings, "19200,E,7,1");
    f.link.setCommSettings("9600,N,8,1");
    EXPECT_EQ(f.serial.lineSettings, "9600,N,8,1");
    EXPECT_EQ(f.link.CommSettings(), "9600,N,8,1");
}

TEST(OVLink, ClearAndOpenPortDriveTheControl)
{
    LinkOnFakes f;
    f.link.Clear();   // port closed: nothing to discard, nothing fails
    EXPECT_EQ(f.serial.discards, 0);
    f.link.setOpenPort(true);
    EXPECT_TRUE(f.serial.open);
    f.serial.input = "junk";
    f.link.Clear();
    EXPECT_TRUE(f.serial.input.isEmpty());
    f.link.setOpenPort(false);
    EXPECT_FALSE(f.serial.open);
}

TEST(OVLink, TransactionCollectsAReplyAfterStrayBytes)
{
    TestProgram t;
    t.rawReplies["?!#("] = "xy" + serialReply('A', "?ABCDEFGHIJKL");
    OVLink& link = t.p().LinkObject;
    qint16 err = -1;
    link.Clear();
    link.send(2, "?!#(");
    link.Receive(err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(link.reply(), latin1(serialReply('A', "?ABCDEFGHIJKL")));
}
