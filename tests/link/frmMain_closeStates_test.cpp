// Closing the main window in every state: idle, searching, in a first read and in a poll that
// waits on a silent unit, over the serial line and TCP. Nothing is sent after the close but
// the command already on the wire, the settings are written and the window is unloaded
// within a second (3 s in real time over the pseudo-terminal and loopback TCP).
#include "support/LinkedMainWindow.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitProfile.h"
#include "support/UnitFrames.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <chrono>
#include <thread>

namespace {

// The main window on the fake links, with a scripted unit answering over the serial line or
// the TCP socket.
struct ClosingWindow : MainWindowProgram {
    explicit ClosingWindow(bool overTcp)
    {
        replies = twtaProfile().replies;
        tcp.responder = [this](const QByteArray& block) -> QByteArrayList {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseTcpRequest(block, address, command))
                return {};
            commands.append(command);
            if (!replies.contains(command))
                return {};
            return {unitframes::tcpReply('A', replies.value(command))};
        };
        clock.onProcessEvents = [this] {
            if (atEvents)
                atEvents();
            tcp.deliverNext();
        };
        QObject::connect(&w(), &frmMain::unloaded, &w(), [this] { unloadedAt = clock.msNow(); });
        w().Form_Load();
        p().conn.UseEnet = overTcp;
        w().ui.mnuPollEn->setChecked(true);   // the saved address: no search before the read
        tcp.stateAfterConnect = ITcpSocket::Connected;
    }

    qsizetype sent() const { return serial.written.size() + tcp.sent.size(); }

    // The operator closes the window (once).
    void closeNow()
    {
        if (closedAt >= 0)
            return;
        closedAt = clock.msNow();
        sentAtClose = sent();
        w().close();
    }
    // The close arrives while `command` is the last one sent.
    void closeAt(const QByteArray& command)
    {
        atEvents = [this, command] {
            if (!commands.isEmpty() && commands.last() == command)
                closeNow();
        };
    }
    // Connects: the saved address over the serial line; over TCP the connect event comes in
    // the first round of events of the connect's wait.
    void connectToUnit()
    {
        if (p().conn.UseEnet) {
            const auto events = atEvents;
            atEvents = [this, events] {
                if (tcp.st == ITcpSocket::Connected && !p().txn.LinkUp && !p().conn.ShuttingDown)
                    tcp.onConnect();
                else if (events)
                    events();
            };
        }
        w().connection().btnConnect_Click();
    }
    // A poll tick as the timer runs it.
    void pollTick()
    {
        BusyScope busy(w().handlerDepth());
        w().Timer1_Timer();
    }

    std::function<void()> atEvents;
    qint64 closedAt = -1, unloadedAt = -1;
    qsizetype sentAtClose = -1;
};

void expectClosed(ClosingWindow& t)
{
    ASSERT_GE(t.closedAt, 0) << "the close never came";
    t.atEvents = nullptr;
    QCoreApplication::processEvents();   // the close that waited for the handler to return
    EXPECT_GE(t.unloadedAt, 0) << "not unloaded";
    EXPECT_LE(t.unloadedAt - t.closedAt, 1000);
    EXPECT_EQ(t.sent(), t.sentAtClose) << "sent after the close";
    EXPECT_TRUE(t.settings.contains("Settings", "CurrentPort"));
    EXPECT_TRUE(t.prompts.boxes.isEmpty()) << t.prompts.boxes.value(0).text.toStdString();
    EXPECT_FALSE(t.w().Timer1.isActive());
}

}   // namespace

TEST(CloseInEveryState, NothingMoreIsSentAndTheWindowUnloadsAtOnce)
{
    struct Case {
        const char* state;
        bool overTcp;
        std::function<void(ClosingWindow&)> run;
    };
    const Case cases[] = {
        {"idle", false, [](ClosingWindow& t) { t.closeNow(); }},
        {"serial search", false,
         [](ClosingWindow& t) {
             t.replies.clear();
             t.w().ui.mnuPollEn->setChecked(false);
             t.atEvents = [&t] { t.closeNow(); };
             t.w().connection().btnConnect_Click();
         }},
        {"first read over serial", false,
         [](ClosingWindow& t) {
             t.closeAt("YGHI?");
             t.connectToUnit();
         }},
        {"first read over TCP", true,
         [](ClosingWindow& t) {
             t.closeAt("YGHI?");
             t.connectToUnit();
         }},
        {"poll over TCP on a silent unit", true,
         [](ClosingWindow& t) {
             t.connectToUnit();
             ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
             t.replies.clear();
             t.closeAt("?!#(");
             t.pollTick();
         }},
        {"poll over serial on a silent unit", false,
         [](ClosingWindow& t) {
             t.connectToUnit();
             ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
             // The close comes while the status query waits on the line.
             t.serial.responder = [&t](const QByteArray&) {
                 t.closeNow();
                 return QByteArray();
             };
             t.pollTick();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        ClosingWindow t(c.overTcp);
        c.run(t);
        expectClosed(t);
    }
}

// In real time the close takes effect within 3 s of the operator's click while a poll waits
// on a unit that has gone silent.
TEST(CloseInEveryState, APollOnASilentUnitEndsWithinThreeSecondsOverTheRealLinks)
{
    for (const bool overTcp : {false, true}) {
        SCOPED_TRACE(overTcp ? "loopback TCP" : "pseudo-terminal");
        SimUnitProfile profile = twtaProfile();
        profile.refuseAllUnknown();
        LinkedMainWindow t(overTcp ? UnitLink::Tcp : UnitLink::Serial, profile);
        t.w().connection().btnConnect_Click();
        ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
        t.w().Timer1.stop();
        t.unit.editProfile([](SimUnitProfile& p) {
            p.behaviour.clear();
            p.defaultBehaviour.kind = SimBehaviour::Silent;
        });
        bool unloaded = false;
        QObject::connect(&t.w(), &frmMain::unloaded, [&unloaded] { unloaded = true; });
        // The operator clicks the close box half a second into the tick; over the serial line
        // the window sees the click only once the blocking wait for the reply has ended.
        constexpr int ClickAtMs = 500;
        QElapsedTimer sinceTick;
        sinceTick.start();
        qsizetype sentAtClose = -1;
        QTimer::singleShot(ClickAtMs, &t.w(), [&] {
            sentAtClose = t.unit.commands().size();
            t.w().close();
        });
        {
            BusyScope busy(t.w().handlerDepth());   // as the poll timer runs the tick
            t.w().Timer1_Timer();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return unloaded; }, 20000));
        EXPECT_LE(sinceTick.elapsed(), ClickAtMs + 3000);
        EXPECT_EQ(t.unit.commands().size(), sentAtClose);
        EXPECT_TRUE(t.store.contains("Settings", "ComSettings"));
    }
}

// The window system's close request reaches the window while a poll waits on a silent unit
// over the pseudo-terminal: the wait on the line ends long before its 2 s time-out.
TEST(CloseInEveryState, ACloseRequestEndsASerialWaitAtOnce)
{
    SimUnitProfile profile = twtaProfile();
    profile.refuseAllUnknown();
    LinkedMainWindow t(UnitLink::Serial, profile);
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    t.w().Timer1.stop();
    t.w().show();
    QWindow* window = t.w().windowHandle();
    ASSERT_NE(window, nullptr);
    t.unit.editProfile([](SimUnitProfile& p) {
        p.behaviour.clear();
        p.defaultBehaviour.kind = SimBehaviour::Silent;
    });
    bool unloaded = false;
    QObject::connect(&t.w(), &frmMain::unloaded, [&unloaded] { unloaded = true; });
    // The operator's click, while this thread is blocked in the wait on the line.
    QElapsedTimer sinceClick;
    std::thread operatorThread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sinceClick.start();
        QCoreApplication::postEvent(window, new QCloseEvent);
    });
    {
        BusyScope busy(t.w().handlerDepth());
        t.w().Timer1_Timer();
    }
    operatorThread.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return unloaded; }, 5000));
    EXPECT_LT(sinceClick.elapsed(), 1000) << "the close waited for the wait on the line";
}
