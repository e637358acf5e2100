// The link over a real pseudo-terminal: QtSerialControl on the slave end, the simulated
// unit on the master end. An answer ends the wait at once, so answered cases keep a
// generous time-out (a loaded machine may be slow to run the unit's thread); cases that
// must run into the time-out use a short one.
#include "link/OVLink.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnitSerial.h"
#include "support/UnitFrames.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace unitframes;

namespace {
const QByteArray StatusData = "?"
                              "\x44\x40\x40\x40"
                              "\x40\x40\x40\x40"
                              "\x40\x40\x40\x40";

constexpr float Answered = 3.0f, Unanswered = 0.2f;   // time-outs, seconds

struct LinkOverPty {
    SimUnit unit;
    SimUnitSerial sim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    QtClock clock;
    OVLink link{&clock};

    LinkOverPty()
    {
        unit.editProfile([](SimUnitProfile& p) { p.set("?!#(", StatusData); });
        if (!sim.start())
            ADD_FAILURE() << "no pseudo-terminal: " << sim.errorText().toStdString();
        sim.mapPort(store, 3);
        link.setCommControl(&serial);
        link.setCheckAddress(false);
        link.setMsgTimeout(Answered);
        link.setDeviceAddress("A");
        link.setCommSettings("9600,N,8,1");
        link.setPortNumber(3);
    }
    ~LinkOverPty() { link.setOpenPort(false); }

    qint16 exchange(const QString& command)
    {
        qint16 err = -1;
        link.Clear();
        link.send(2, command);
        link.Receive(err);
        return err;
    }
    void behave(SimBehaviour::Kind kind, int delayMs = 0)
    {
        unit.editProfile([&](SimUnitProfile& p) {
            p.defaultBehaviour = SimBehaviour{};
            p.defaultBehaviour.kind = kind;
            p.defaultBehaviour.delayMs = delayMs;
        });
    }
};
}   // namespace

TEST(OVLinkPty, BytesAboveSevenBitsRoundTripWithTheirChecksums)
{
    // The unit drops a request whose checksum is wrong, and the link a reply's.
    LinkOverPty t;
    const QByteArray command = "N\xE9?", data = "N\xE9\xB0"
                                                "5";
    t.unit.editProfile([&](SimUnitProfile& p) { p.set(command, data); });
    EXPECT_EQ(t.exchange(QString::fromLatin1(command)), 0) << t.link.ErrString().toStdString();
    ASSERT_EQ(t.sim.frames().size(), 1);
    EXPECT_EQ(t.sim.frames()[0], QByteArray("\x02"
                                            "AN\xE9?\x03\xD8"));
    EXPECT_EQ(t.sim.badFrames(), 0);
    EXPECT_EQ(t.link.reply(), QString::fromLatin1(serialReply('A', data)));
}

TEST(OVLinkPty, StatusQueryRoundTrip)
{
    LinkOverPty t;
    ASSERT_EQ(t.link.ErrString(), "No Error");
    EXPECT_EQ(t.exchange("?!#("), 0) << t.link.ErrString().toStdString();
    ASSERT_EQ(t.sim.frames().size(), 1);
    EXPECT_EQ(t.sim.frames()[0], QByteArray("\x02"
                                            "A?!#(\x03"
                                            "U"));
    EXPECT_EQ(t.unit.commands(), QByteArrayList{"?!#("});
    EXPECT_EQ(t.link.reply(), QString::fromLatin1(serialReply('A', StatusData)));
    // The port stays open for the next command.
    EXPECT_EQ(t.exchange("?!#("), 0);
    EXPECT_EQ(t.sim.frames().size(), 2);
}

TEST(OVLinkPty, ErrorsFromTheUnit)
{
    struct Case {
        const char* what;
        SimBehaviour::Kind kind;
        qint16 err;
    } cases[] = {
        {"stray bytes first", SimBehaviour::StrayBytesFirst, 0},
        {"bad checksum", SimBehaviour::BadChecksum, 2},
        {"NAK", SimBehaviour::Nak, 6},
        {"cut short", SimBehaviour::CutShort, 7},
        {"silent", SimBehaviour::Silent, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LinkOverPty t;
        t.behave(c.kind);
        t.link.setMsgTimeout(c.err == 7 || c.err == 8 ? Unanswered : Answered);
        EXPECT_EQ(t.exchange("?!#("), c.err) << t.link.ErrString().toStdString();
        EXPECT_EQ(t.unit.commands().size(), 1);
    }
}

TEST(OVLinkPty, AnswerWithinTheTimeOutAfterADelay)
{
    LinkOverPty t;
    t.behave(SimBehaviour::Answer, 100);
    EXPECT_EQ(t.exchange("?!#("), 0);
    t.unit.editProfile([](SimUnitProfile& p) { p.defaultBehaviour.splitAt = {1, 5}; });
    EXPECT_EQ(t.exchange("?!#("), 0) << "a reply in pieces";
}

TEST(OVLinkPty, AddressChecks)
{
    LinkOverPty t;
    t.unit.editProfile([](SimUnitProfile& p) { p.address = 'B'; });
    t.link.setMsgTimeout(Unanswered);
    EXPECT_EQ(t.exchange("?!#("), 8) << "a unit answers only its own address";
    t.link.setMsgTimeout(Answered);
    t.unit.editProfile([](SimUnitProfile& p) { p.answerAnyAddress = true; });
    EXPECT_EQ(t.exchange("?!#("), 0) << "any address is taken with the check off";
    t.link.setCheckAddress(true);
    EXPECT_EQ(t.exchange("?!#("), 1);
    EXPECT_EQ(t.link.ErrString(), "Bad Address");
}

TEST(OVLinkPty, HugeResponse)
{
    LinkOverPty t;
    t.unit.editProfile([](SimUnitProfile& p) { p.set("DUMP", QByteArray(20000, 'x')); });
    EXPECT_EQ(t.exchange("DUMP"), 4);
    EXPECT_EQ(t.link.reply().size(), OVLink::MaxReply + 1);
    // The rest of the flood is discarded before the next command.
    EXPECT_EQ(t.exchange("?!#("), 0);
}

TEST(OVLinkPty, PortFailures)
{
    {
        SCOPED_TRACE("device missing");
        LinkOverPty t;
        t.link.setOpenPort(false);
        QTemporaryDir dir;
        t.store.setText("SerialPorts", "COM4", dir.filePath("ttyMissing"));
        t.link.setPortNumber(4);
        EXPECT_NE(t.link.ErrString(), "No Error");
        EXPECT_EQ(t.exchange("?!#("), 9);
        EXPECT_FALSE(t.link.ErrString().isEmpty());
        EXPECT_TRUE(t.sim.frames().isEmpty());
    }
    {
        SCOPED_TRACE("invalid port number");
        LinkOverPty t;
        t.link.setPortNumber(11);
        EXPECT_EQ(t.link.ErrString(), "Invalid Port Number");
        EXPECT_EQ(t.link.PortNumber(), 3);
    }
    {
        SCOPED_TRACE("device vanishes while the link waits");
        LinkOverPty t;
        t.behave(SimBehaviour::DropConnection);
        t.link.setMsgTimeout(5.0f);   // must end at once, not after the time-out
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(t.exchange("?!#("), 9);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_TRUE(t.link.ErrString().contains("no longer available")) << t.link.ErrString().toStdString();
        // No second try here: the freed pseudo-terminal number may already serve another test.
    }
}

TEST(OVLinkPty, PortNumberMovesToTheMappedDevice)
{
    LinkOverPty t;
    SimUnit other;
    other.editProfile([](SimUnitProfile& p) { p.set("1", "1DD"); });
    SimUnitSerial otherSim(other);
    ASSERT_TRUE(otherSim.start());
    otherSim.mapPort(t.store, 5);
    ASSERT_EQ(t.exchange("?!#("), 0);
    t.link.setPortNumber(5);
    EXPECT_EQ(t.exchange("1"), 0);
    EXPECT_EQ(other.commands(), QByteArrayList{"1"});
    EXPECT_EQ(t.unit.commands().size(), 1);
}
