// A unit that falls silent or drops its connection during the first read after connecting:
// the read asks about the link after three unanswered queries and ends as a dropped poll
// does; "Disconnect" is shown only for a read that ended with the link still up. Over the
// scripted serial line (replies awaited 0.3 s on the fake clock) and loopback TCP, or the
// fake socket, connecting through the window.
#include "support/LinkedMainWindow.h"
#include "support/TcpTestProgram.h"
#include "support/UnitFrames.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The unit answers its first `answered` commands, then falls silent or drops the connection
// on every later one.
class FallsSilent : public SimUnitFeature {
public:
    FallsSilent(int answered, SimBehaviour::Kind then) : left_(answered), then_(then) {}
    std::optional<SimAnswer> answer(SimUnitProfile&, const QByteArray&) override
    {
        if (left_-- > 0)
            return std::nullopt;
        SimAnswer a;
        a.how.kind = then_;
        return a;
    }

private:
    int left_;
    SimBehaviour::Kind then_;
};

SimUnitProfile quickTwta()
{
    SimUnitProfile profile = twtaProfile();
    profile.refuseAllUnknown();
    return profile;
}

// The commands of a whole first read of the profile's unit.
QByteArrayList firstReadCommands(const SimUnitProfile& profile)
{
    TestProgram scripted;
    scripted.replies = profile.replies;
    frmMain w{scripted.p()};
    w.FirstTimeRead();
    return scripted.commands;
}

// The window on the scripted serial line and the fake clock, loaded from stored settings as
// LinkedMainWindow is (COM3, the saved address "A", no search): the unit's answers go out
// as frames, a command it is silent on goes unanswered and waits out its time-out at once.
struct FakeLineWindow {
    explicit FakeLineWindow(const SimUnitProfile& profile) : unit(profile)
    {
        t.serial.responder = [this](const QByteArray& frame) -> QByteArray {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, address, command))
                return {};
            const SimAnswer a = unit.answer(address, command);
            if (a.how.kind == SimBehaviour::Silent)
                return {};
            return unitframes::serialReply(a.address, a.data,
                                           a.how.kind == SimBehaviour::Nak ? unitframes::NAK : unitframes::ACK);
        };
        t.settings.setText("Settings", "CurrentPort", "3");
        t.settings.setText("Settings", "PollStatus", "1");
        window = std::make_unique<frmMain>(t.p());
        w().Form_Load();
        watcher = std::make_unique<QObject>();
        QObject::connect(w().ui.mnuAtnCal, &QAction::enabledChanged, watcher.get(), [this](bool on) {
            disconnectShown = disconnectShown || (on && w().ui.btnConnect->text() == "Disconnect");
        });
    }
    frmMain& w() { return *window; }
    Program& p() { return t.p(); }

    TestProgram t;
    FakePrompts& prompts = t.prompts;
    SimUnit unit;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QObject> watcher;
    bool disconnectShown = false;
};

template <class Window> void expectDisconnected(Window& t)
{
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.disconnectShown);
    EXPECT_TRUE(t.prompts.boxes.isEmpty()) << t.prompts.boxes.value(0).text.toStdString();
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_FALSE(t.p().conn.FirstReadDone);
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_FALSE(t.w().ui.chkPS->isEnabled());   // cleared and disabled
    EXPECT_TRUE(t.w().ui.mnuConnect->isEnabled());
    EXPECT_TRUE(t.w().ui.btnConnect->isEnabled());
}

}   // namespace

TEST(FirstReadLinkLoss, ASilentOrClosedLinkEndsTheReadDisconnected)
{
    const SimUnitProfile profile = quickTwta();
    const qsizetype n = firstReadCommands(profile).size();
    ASSERT_GT(n, 20);
    const auto fallsSilentAt = [](auto& t, int before, SimBehaviour::Kind then) {
        t.p().LinkObject.setMsgTimeout(0.3f);
        t.unit.addFeature(std::make_shared<FallsSilent>(before, then));
        t.w().connection().btnConnect_Click();
        expectDisconnected(t);
        // The command it fell silent on, two more unanswered, and the status query.
        EXPECT_GT(t.unit.commands().size(), before);
        EXPECT_LE(t.unit.commands().size() - before, 4);
    };
    for (const bool overTcp : {false, true}) {
        for (const qsizetype k : {qsizetype(1), n / 2, n}) {
            SCOPED_TRACE(std::string(overTcp ? "TCP closed" : "serial silent") + " at command " + std::to_string(k));
            // Over the serial line the connect probe comes first.
            const int before = static_cast<int>(k - 1) + (overTcp ? 0 : 1);
            if (overTcp) {
                LinkedMainWindow t(UnitLink::Tcp, profile);
                fallsSilentAt(t, before, SimBehaviour::DropConnection);
            } else {
                FakeLineWindow t(profile);   // the time-outs on the fake clock
                fallsSilentAt(t, before, SimBehaviour::Silent);
            }
        }
    }
}

TEST(FirstReadLinkLoss, AUnitSilentOnTenQueriesButAnsweringTheStatusQueryIsRead)
{
    SimUnitProfile profile = quickTwta();
    const QByteArrayList commands = firstReadCommands(profile);
    // Ten queries in a row, after the alarm word that decides which status query it asks.
    const QByteArrayList silent = commands.mid(commands.indexOf("?(") + 1, 10);
    ASSERT_EQ(silent.size(), 10);
    for (const QByteArray& c : silent)
        profile.behaviour[c].kind = SimBehaviour::Silent;
    {
        SCOPED_TRACE("serial");   // each unanswered query waits 0.3 s on the fake clock
        FakeLineWindow t(profile);
        t.p().LinkObject.setMsgTimeout(0.3f);
        t.w().connection().btnConnect_Click();
        EXPECT_TRUE(t.p().conn.FirstReadDone);
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
        EXPECT_TRUE(t.p().txn.LinkUp);
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
        EXPECT_TRUE(t.unit.commands().contains("?!#("));   // it was asked about the link
        t.w().Timer1.stop();
    }
    {
        // Over TCP each unanswered query waits 15 s: on the fake socket and clock.
        SCOPED_TRACE("TCP");
        TcpTestProgram t;
        t.replies = profile.replies;
        for (const QByteArray& c : silent)
            t.replies.remove(c);
        frmMain w{t.p()};
        t.tcp.onConnect();
        EXPECT_TRUE(t.p().conn.FirstReadDone);
        EXPECT_EQ(w.ui.btnConnect->text(), "Disconnect");
        EXPECT_TRUE(t.commands.contains("?!#("));
        w.Timer1.stop();
    }
}
