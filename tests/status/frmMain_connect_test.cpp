// Connecting on the serial line through the main window: the search over line settings and
// addresses, the single poll address, Terminate, and disconnecting. The unit is a fake on
// the fake serial line, so every 0.6 s or 2 s time-out passes on the fake clock.
#include "app/Program.h"
#include "commands/StatusQueries.h"
#include "link/Transaction.h"
#include "link/UnitSearch.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitProfile.h"
#include "support/TcpTestProgram.h"
#include "support/UnitFrames.h"
#include "settings/TargetMenus.h"
#include "status/UnitConnection.h"
#include "settings/SettingMenus.h"
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Probe {
    char address;
    QString settings;
    bool operator==(const Probe&) const = default;
};

// The main window with a unit on the fake serial line that answers the status-code query
// at `address` on the line settings `settings` only; with anyAddress it answers every address.
// Of the first read after a find it answers only the status query the read asks when the
// unit has been silent on three queries in a row.
struct SerialUnitWindow : MainWindowProgram {
    SerialUnitWindow(char address, const QString& settings, bool anyAddress = false)
    {
        serial.responder = [=, this](const QByteArray& frame) -> QByteArray {
            char to = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, to, command))
                return {};
            const bool here = serial.lineSettings == settings && (anyAddress || to == address);
            if (command == "?!#(" || command == "?!#9")
                return here ? unitframes::serialReply(address, "?" + QByteArray(12, '@')) : QByteArray();
            if (command != "1")
                return {};   // the first read after a find: the unit answers only the probe
            probes.append({to, serial.lineSettings});
            timeouts.append(p().LinkObject.MsgTimeout());
            if (!here)
                return {};
            return unitframes::serialReply(address, "1DD");
        };
        clock.onProcessEvents = [this] {
            statusLines.append(w().ui.sbStatusBarPanel1->text());
            if (duringEvents)
                duringEvents();
        };
        w().Form_Load();
        serial.written.clear();
    }

    QList<Probe> probes;
    QList<float> timeouts;
    QStringList statusLines;   // the status panel at each round of events
    std::function<void()> duringEvents;
};

// Every probe of a search from "A" to `last` over the settings up to `settingsCount`.
QList<Probe> searchProbes(char last, int settingsCount, char stopAt = 0)
{
    QList<Probe> probes;
    for (int s = 0; s < settingsCount; ++s) {
        for (char a = 'A'; a <= last; ++a) {
            probes.append({a, UnitSearch::LineSettings().at(s)});
            if (s == settingsCount - 1 && a == stopAt)
                return probes;
        }
    }
    return probes;
}

TEST(ConnectSearch, CoversItsAddressRangeOverTheTwelveLineSettings)
{
    struct Case {
        const char* name;
        void (UnitConnection::*start)();
        char unitAddress;
        int unitSetting;   // index into the line settings
        bool found;
        QList<Probe> probes;
    };
    const QStringList& s = UnitSearch::LineSettings();
    const Case cases[] = {
        {"Connect, B on the second setting", &UnitConnection::btnConnect_Click, 'B', 1, true,
         searchProbes('C', 2, 'B')},
        {"Extended Search, E", &UnitConnection::mnuExtSrch_Click, 'E', 0, true, searchProbes('F', 1, 'E')},
        {"Advanced Search, Z on the last setting", &UnitConnection::mnuAdvSrch_Click, 'Z', 11, true,
         searchProbes('Z', 12, 'Z')},
        {"Connect, E is out of reach", &UnitConnection::mnuConnect_Click, 'E', 0, false, searchProbes('C', 12)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SerialUnitWindow t(c.unitAddress, s.at(c.unitSetting));
        (t.w().connection().*c.start)();
        EXPECT_EQ(t.probes, c.probes);
        const OVLink& link = t.p().LinkObject;
        EXPECT_FLOAT_EQ(link.MsgTimeout(), 2.0f);   // back from the probes' 0.6 s
        for (float timeout : t.timeouts)
            EXPECT_FLOAT_EQ(timeout, UnitSearch::ProbeTimeout);
        EXPECT_EQ(t.w().ui.sbStatusBarPanel1->text(), QString());
        EXPECT_EQ(t.p().conn.CommSettingsTable, QStringList{QString()});
        if (c.found) {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
            EXPECT_EQ(link.DeviceAddress(), QString(QChar(c.unitAddress)));
            EXPECT_EQ(link.CommSettings(), s.at(c.unitSetting));
            EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
            EXPECT_TRUE(t.w().Timer1.isActive());
            EXPECT_TRUE(t.p().txn.LinkUp);
            EXPECT_FALSE(t.p().txn.ConnectedOverEnet);
            EXPECT_EQ(t.p().conn.PollRetriesLeft, 2);
        } else {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            EXPECT_EQ(t.prompts.boxes[0].text, "Unit Not Found");
            EXPECT_EQ(t.prompts.boxes[0].title, "Connect");
            EXPECT_EQ(link.DeviceAddress(), "A");
            EXPECT_EQ(link.CommSettings(), "9600,N,8,1");
            EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
            EXPECT_FALSE(t.w().Timer1.isActive());
            EXPECT_FALSE(t.p().txn.LinkUp);
            for (QAction* a : {t.w().ui.mnuConnect, t.w().ui.mnuExtSrch, t.w().ui.mnuAdvSrch})
                EXPECT_TRUE(a->isEnabled());
        }
    }
}

TEST(ConnectSearch, ShowsEachTryInTheStatusBarWhileTheButtonReadsTerminate)
{
    SerialUnitWindow t('B', "19200,N,8,1");
    QStringList captions;
    t.duringEvents = [&] { captions << t.w().ui.btnConnect->text(); };
    t.w().connection().btnConnect_Click();
    // The search's rounds of events; the first read after the find lets events run too.
    EXPECT_EQ(t.statusLines.mid(0, 5), QStringList({"Searching: A, 9600,N,8,1", "Searching: B, 9600,N,8,1",
                                                    "Searching: C, 9600,N,8,1", "", "Searching: A, 19200,N,8,1"}));
    EXPECT_EQ(captions.mid(0, 5), QStringList(5, "Terminate"));
}

TEST(ConnectSearch, TerminateStopsAfterTheCurrentAddress)
{
    SerialUnitWindow t('B', "19200,N,8,1");
    t.duringEvents = [&] { t.w().connection().btnConnect_Click(); };
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.probes, QList<Probe>({{'A', "9600,N,8,1"}}));
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Unit Not Found");
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.p().conn.AbortScan);
    EXPECT_EQ(t.p().LinkObject.DeviceAddress(), "A");
}

TEST(ConnectSearch, AStaleTerminateRequestDoesNotEndTheNextConnect)
{
    for (const bool singleAddress : {false, true}) {
        SCOPED_TRACE(singleAddress ? "single address" : "search");
        SerialUnitWindow t('B', "9600,N,8,1");
        if (singleAddress) {
            t.w().settingMenus().mnuPollEn_Click();
            t.p().conn.PollAddress = 'B';
        }
        t.p().conn.AbortScan = true;
        t.w().connection().btnConnect_Click();
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
        EXPECT_EQ(t.p().LinkObject.DeviceAddress(), "B");
        EXPECT_TRUE(t.p().txn.LinkUp);
    }
}

TEST(ConnectSearch, ConnectRequestsDuringASearchDoNotStartAnother)
{
    SerialUnitWindow t('B', "19200,N,8,1");
    t.duringEvents = [&] {
        t.w().connection().mnuConnect_Click();
        t.w().connection().mnuExtSrch_Click();
        t.w().connection().mnuAdvSrch_Click();
        t.w().connection().ConnectToUnit();
    };
    t.w().connection().mnuConnect_Click();
    EXPECT_EQ(t.probes, searchProbes('C', 2, 'B'));
    EXPECT_FALSE(t.p().conn.ExtendedSearch);
    EXPECT_FALSE(t.p().conn.AdvancedSearch);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST(ConnectSearch, KeepsTheSerialPortChosenWhileItRuns)
{
    SerialUnitWindow t('Z', "9600,N,8,1");   // out of reach: nothing is found
    bool chosen = false;
    t.duringEvents = [&] {
        if (std::exchange(chosen, true))
            return;
        t.prompts.modal = [&](QDialog&) {
            t.p().linkDialogs.ComDialogSettings = "38400,E,7,1";   // OK in the dialog
            return 1;
        };
        t.w().targets().mnuComPort_Click(1);
    };
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.p().LinkObject.PortNumber(), 2);
    EXPECT_EQ(t.p().LinkObject.CommSettings(), "38400,E,7,1");
    EXPECT_EQ(t.p().LinkObject.DeviceAddress(), "A");
}

TEST(ConnectSearch, TheAddressInTheUnitsReplyIsTaken)
{
    SerialUnitWindow t('B', "9600,N,8,1", true);
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.probes, QList<Probe>({{'A', "9600,N,8,1"}}));
    EXPECT_EQ(t.p().LinkObject.DeviceAddress(), "B");
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
}

TEST(ConnectSearch, KeepsToTheSerialLineWhenUseEthernetIsTickedMeanwhile)
{
    SerialUnitWindow t('B', "19200,N,8,1");
    t.tcp.st = ITcpSocket::Connected;   // a socket that would take the probes
    bool ticked = false;
    t.duringEvents = [&] {
        if (!std::exchange(ticked, true))
            t.w().ui.mnuUseEnet->trigger();
    };
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.probes, searchProbes('C', 2, 'B'));
    EXPECT_TRUE(t.tcp.sent.isEmpty());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    EXPECT_FALSE(t.p().txn.ConnectedOverEnet);
    EXPECT_TRUE(t.p().conn.UseEnet);   // the choice holds for the next connect
}

TEST(ConnectSearch, ASearchStartedWhileConnectedStopsThePollFirst)
{
    SerialUnitWindow t('A', "9600,N,8,1");
    t.w().connection().btnConnect_Click();
    ASSERT_TRUE(t.w().Timer1.isActive());
    // Ticking and unticking "Poll Single Address " enables "Advanced Search" again.
    t.w().ui.mnuPollEn->trigger();
    t.w().ui.mnuPollEn->trigger();
    ASSERT_TRUE(t.w().ui.mnuAdvSrch->isEnabled());
    QList<bool> polling;
    QStringList captions;
    t.duringEvents = [&] {
        polling << t.w().Timer1.isActive();
        captions << t.w().ui.btnConnect->text();
    };
    t.probes.clear();
    t.w().ui.mnuAdvSrch->trigger();
    ASSERT_FALSE(polling.isEmpty());
    EXPECT_FALSE(polling.contains(true));
    EXPECT_EQ(captions.first(), "Terminate");
    EXPECT_EQ(t.probes.first(), (Probe{'A', "9600,N,8,1"}));
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(t.p().txn.LinkUp);
}

// The main window on a fake socket that connects in the first pause of the connect's wait:
// the connect event runs there (the first read), with `atConnect` just before it and
// `afterConnect` right after it.
struct TcpConnectWindow {
    TcpConnectWindow()
    {
        t.replies = sspaProfile().replies;
        t.tcp.st = ITcpSocket::Closed;
        t.clock.onProcessEvents = [this] {
            if (!std::exchange(connected, true)) {
                if (atConnect)
                    atConnect();
                t.tcp.st = ITcpSocket::Connected;
                t.tcp.onConnect();
                if (afterConnect)
                    afterConnect();
            }
            t.tcp.deliverNext();
        };
    }
    ~TcpConnectWindow() { w.Timer1.stop(); }

    TcpTestProgram t;
    frmMain w{t.p()};
    bool connected = false;
    std::function<void()> atConnect, afterConnect;
};

TEST(ConnectOverTcpWait, UntickingUseEthernetMeanwhileStillReadsTheUnitOverTcp)
{
    TcpConnectWindow c;
    c.w.ui.mnuUseEnet->setChecked(true);
    c.atConnect = [&] { c.w.ui.mnuUseEnet->trigger(); };
    c.w.connection().btnConnect_Click();
    EXPECT_FALSE(c.t.p().conn.UseEnet);
    EXPECT_TRUE(c.t.p().conn.FirstReadDone);
    EXPECT_TRUE(c.t.p().txn.ConnectedOverEnet);
    EXPECT_EQ(c.w.ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(c.t.serial.written.isEmpty());
    EXPECT_TRUE(c.t.prompts.boxes.isEmpty());
}

TEST(ConnectOverTcpWait, AStaleTerminateRequestDoesNotEndTheFirstRead)
{
    TcpConnectWindow c;
    c.t.p().conn.AbortScan = true;
    c.w.connection().btnConnect_Click();
    EXPECT_TRUE(c.t.p().conn.FirstReadDone);
    EXPECT_EQ(c.w.ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(c.t.prompts.boxes.isEmpty());
}

TEST(ConnectOverTcpWait, ASocketThatDropsAfterTheFirstReadEndsThatConnection)
{
    TcpConnectWindow c;
    c.afterConnect = [&] { c.t.tcp.st = ITcpSocket::Closing; };   // the unit closed it as the read ended
    c.w.connection().btnConnect_Click();
    // The connection was made: it ends as a dropped poll does, without a box.
    EXPECT_TRUE(c.t.prompts.boxes.isEmpty());
    EXPECT_FALSE(c.t.p().txn.LinkUp);
    EXPECT_FALSE(c.w.Timer1.isActive());
    EXPECT_EQ(c.w.ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(c.w.ui.chkPS->isEnabled());
    EXPECT_TRUE(c.w.ui.mnuConnect->isEnabled());
    EXPECT_TRUE(c.w.ui.btnConnect->isEnabled());
}

// The link ends a TCP connection on its own when a poll finds the socket closed and on the
// socket's error event: either way the window is ready to connect again, and the search
// menus, which the TCP road switched off, stay off.
TEST(ConnectOverTcpEnds, TheLinkLeavesTheWindowReadyToConnect)
{
    struct Case {
        const char* what;
        std::function<void(TcpConnectWindow&)> end;
    };
    const Case cases[] = {
        {"a poll finds the socket closed",
         [](TcpConnectWindow& c) {
             c.t.tcp.st = ITcpSocket::Closed;
             c.w.Timer1_Timer();
         }},
        {"the socket's error event",
         [](TcpConnectWindow& c) {
             c.t.tcp.onError({10054, "Connection reset", 7, "sckTcp"});
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TcpConnectWindow c;
        c.w.connection().btnConnect_Click();
        ASSERT_EQ(c.w.ui.btnConnect->text(), "Disconnect");
        k.end(c);
        EXPECT_FALSE(c.t.p().txn.LinkUp);
        EXPECT_FALSE(c.w.Timer1.isActive());
        EXPECT_EQ(c.w.ui.btnConnect->text(), "Connect");
        EXPECT_TRUE(c.w.ui.btnConnect->isEnabled());
        EXPECT_TRUE(c.w.ui.mnuConnect->isEnabled());
        EXPECT_FALSE(c.w.ui.mnuExtSrch->isEnabled());
        EXPECT_FALSE(c.w.ui.mnuAdvSrch->isEnabled());
    }
}

TEST(ConnectSingleAddress, ProbesOnlyThePollAddressWithTheSavedSettings)
{
    struct Case {
        char unitAddress;
        bool found;
    };
    for (const Case& c : {Case{'K', true}, Case{'B', false}}) {
        SCOPED_TRACE(c.unitAddress);
        SerialUnitWindow t(c.unitAddress, "19200,E,7,1");
        t.p().LinkObject.setCommSettings("19200,E,7,1");
        t.w().settingMenus().mnuPollEn_Click();
        t.p().conn.PollAddress = 'K';
        t.p().conn.ExtendedSearch = true;
        t.w().connection().mnuConnect_Click();
        EXPECT_EQ(t.probes, QList<Probe>({{'K', "19200,E,7,1"}}));
        EXPECT_EQ(t.timeouts, QList<float>({2.0f}));
        EXPECT_FALSE(t.p().conn.ExtendedSearch);
        EXPECT_EQ(t.w().ui.btnConnect->text(), c.found ? "Disconnect" : "Connect");
        EXPECT_EQ(t.prompts.boxes.size(), c.found ? 0 : 1);
        EXPECT_TRUE(t.statusLines.filter("Searching").isEmpty());
    }
}

TEST(ConnectDisconnect, TheButtonStopsPollingAndLeavesTheSerialPortOpen)
{
    SerialUnitWindow t('A', "9600,N,8,1");
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    EXPECT_FALSE(t.w().ui.mnuConnect->isEnabled());
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.serial.open);
    EXPECT_EQ(t.tcp.closes, 0);
    for (QAction* a : {t.w().ui.mnuConnect, t.w().ui.mnuExtSrch, t.w().ui.mnuAdvSrch})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_TRUE(t.p().conn.FormUpdating);   // cleared window

    // Connecting again searches anew.
    t.probes.clear();
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.probes, QList<Probe>({{'A', "9600,N,8,1"}}));
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
}

TEST(ConnectDisconnect, DisconnectFromUnitAlsoClosesThePort)
{
    SerialUnitWindow t('A', "9600,N,8,1");
    t.w().settingMenus().mnuPollEn_Click();   // single address: the search menus stay disabled
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    t.p().conn.FirstReadDone = true;
    t.p().conn.EnetFirstReadPending = true;
    const qint64 before = t.clock.msNow();
    t.w().connection().DisconnectFromUnit();
    EXPECT_FALSE(t.serial.open);
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_TRUE(t.w().ui.mnuConnect->isEnabled());
    EXPECT_TRUE(t.w().ui.mnuUseEnet->isEnabled());
    EXPECT_FALSE(t.w().ui.mnuAdvSrch->isEnabled());
    EXPECT_FALSE(t.p().conn.FirstReadDone);
    EXPECT_FALSE(t.p().conn.EnetFirstReadPending);
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_GE(t.clock.msNow() - before, 1000);
}

// The search's probe as the window gives it: the status-code query.
static std::function<bool()> statusProbe(Program& p)
{
    return [&p] { return SsaCmds::ReadUnitStatusCode(p) >= 0; };
}

TEST(FindUnitAddress, RefusesAnEmptySettingOrCodesOutsideTheAddresses)
{
    struct Case {
        QString settings;
        int low, high;
    };
    for (const Case& c : {Case{"", 65, 67}, Case{"9600,N,8,1", 63, 67}, Case{"9600,N,8,1", 65, 91}}) {
        SerialUnitWindow t('A', "9600,N,8,1");
        EXPECT_EQ(FindUnitAddress(t.p(), c.settings, c.low, c.high, statusProbe(t.p()), [](const QString&) {}),
                  QString());
        EXPECT_TRUE(t.probes.isEmpty());
    }
    // The codes may come in either order.
    SerialUnitWindow t('B', "9600,N,8,1");
    EXPECT_EQ(FindUnitAddress(t.p(), "9600,N,8,1", 'C', '@', statusProbe(t.p()), [](const QString&) {}), "B");
    EXPECT_EQ(t.probes, QList<Probe>({{'@', "9600,N,8,1"}, {'A', "9600,N,8,1"}, {'B', "9600,N,8,1"}}));
}

}   // namespace
