#include "link/frmLocateIP.h"
#include "platform/QtClock.h"
#include "platform/QtUdpSocket.h"
#include "support/FakeUdpSocket.h"
#include "support/SimUnitLan.h"
#include "support/TestProgram.h"
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList listLines(const frmLocateIP& dlg)
{
    QStringList lines;
    for (int i = 0; i < dlg.ui.lstIPAdrs->count(); ++i)
        lines << dlg.ui.lstIPAdrs->item(i)->text();
    return lines;
}

// A locator on the fake socket; the replies queued in `lan` arrive during the first
// round of events after the request goes out.
struct LocatorFixture : ::testing::Test {
    LocatorFixture()
    {
        t.p().linkDialogs.LocatedTcpPort = 2000;
        t.p().linkDialogs.LocatedIPAddress.clear();
        t.clock.onProcessEvents = [this] {
            for (const auto& [sender, data] : lan)
                udp.deliver(sender, data);
            lan.clear();
        };
    }
    void answer(const QString& sender, const QByteArray& data) { lan.append({sender, data}); }
    frmLocateIP& open()
    {
        dlg.reset();   // one locator at a time owns the socket
        dlg = std::make_unique<frmLocateIP>(t.p());
        return *dlg;
    }

    TestProgram t;
    FakeUdpSocket& udp = t.udp;
    QList<QPair<QString, QByteArray>> lan;
    std::unique_ptr<frmLocateIP> dlg;
};

}   // namespace

TEST_F(LocatorFixture, LoadsBoundAndWaitsForItsTimerBeforeTheFirstSearch)
{
    frmLocateIP& d = open();
    EXPECT_EQ(udp.boundPort, 2001);
    EXPECT_EQ(d.ui.txtPortNum->text(), QStringLiteral("2000"));
    EXPECT_FALSE(d.ui.btnSearch->isEnabled());
    EXPECT_TRUE(d.ui.Timer1->isActive());
    EXPECT_TRUE(udp.sent.isEmpty());
    dlg.reset();
    EXPECT_EQ(udp.closes, 1);
    EXPECT_FALSE(udp.onDataArrival);
}

TEST_F(LocatorFixture, SearchBroadcastsTheRequestAndListsAcceptedRepliesInArrivalOrder)
{
    answer("127.0.0.3", "ABCDEFGHOrvan SSPA 400W C-Band");
    answer("127.0.0.9", "ABCDEFGHOrvan 123456");   // 20 characters
    answer("127.0.0.2", "ABCDEFGHOrvan TWTA\x01"
                        "750");
    answer("127.0.0.4", "ABCDEFGHORVAN TWTA 750W Ku");
    frmLocateIP& d = open();
    d.Timer1_Timer();

    ASSERT_EQ(udp.sent.size(), 1);
    EXPECT_EQ(udp.sent[0].host, QStringLiteral("255.255.255.255"));
    EXPECT_EQ(udp.sent[0].port, 2000);
    EXPECT_EQ(udp.sent[0].data, QByteArray::fromHex("0100000000000000"));
    EXPECT_EQ(listLines(d), (QStringList{"127.0.0.3       Orvan SSPA 400W C-Band", "127.0.0.2       Orvan TWTA.750",
                                         "Search Complete"}));
    EXPECT_EQ(d.replyCount(), 2);
    EXPECT_FALSE(d.ui.Timer1->isActive());
    EXPECT_TRUE(d.ui.btnSearch->isEnabled());
    EXPECT_EQ(t.clock.sleeps, 5);

    // A new search starts from an empty table and an empty list.
    answer("127.0.0.5", "ABCDEFGHOrvan SSPA 100W L-Band");
    d.btnSearch_Click();
    EXPECT_EQ(listLines(d), (QStringList{"127.0.0.5       Orvan SSPA 100W L-Band", "Search Complete"}));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST_F(LocatorFixture, TableHoldsAtMost101Replies)
{
    for (int i = 0; i < 120; ++i)
        answer(QStringLiteral("127.0.1.%1").arg(i), "ABCDEFGHOrvan SSPA unit " + QByteArray::number(i));
    frmLocateIP& d = open();
    d.Timer1_Timer();
    EXPECT_EQ(d.replyCount(), 101);
    EXPECT_EQ(d.ui.lstIPAdrs->count(), 102);
    EXPECT_EQ(d.ui.lstIPAdrs->item(100)->text(), QStringLiteral("127.0.1.100     Orvan SSPA unit 100"));
}

TEST_F(LocatorFixture, RefusedBroadcastLeavesTheListEmptyWithOneMessage)
{
    udp.sendError = {10051, QStringLiteral("Network is unreachable")};
    frmLocateIP& d = open();
    d.Timer1_Timer();
    EXPECT_EQ(d.ui.lstIPAdrs->count(), 0);
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, QStringLiteral("UDP Error No: 10051\r\nDescr: Network is unreachable"));
    EXPECT_EQ(t.prompts.boxes[0].title, QStringLiteral("Network Error"));
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(d.ui.btnSearch->isEnabled());
}

TEST_F(LocatorFixture, SocketErrorsAreShownAndTheDialogStaysOpen)
{
    udp.bindError = {10048, QStringLiteral("Address in use")};
    open();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, QStringLiteral("UDP Error No: 10048\r\nDescr: Address in use"));
    EXPECT_EQ(dlg->result(), 0);
}

TEST_F(LocatorFixture, DoubleClickTakesTheUnitAndAValidPort)
{
    const struct {
        int row;   // -1: no line selected
        QString portText;
        QString address;   // handed back
        qint32 port;
        QString box;   // "" = no message
        bool closes;
    } cases[] = {
        {0, "", "127.0.0.2", 2000, "", true},
        {0, "2000", "127.0.0.2", 2000, "", true},
        {1, "40000", "127.0.0.3", 40000, "", true},
        {0, "0", "", 2000, "Port Number must be from 1 to 65535", false},
        {0, "70000", "", 2000, "Port Number must be from 1 to 65535", false},
        {2, "2000", "", 2000, "Invalid Entry", false},   // "Search Complete"
        {-1, "2000", "", 2000, "Invalid Entry", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        t.prompts.boxes.clear();
        t.p().linkDialogs = {};
        answer("127.0.0.2", "ABCDEFGHOrvan TWTA 750W Ku-Band");
        answer("127.0.0.3", "ABCDEFGHOrvan SSPA 400W C-Band");
        frmLocateIP& d = open();
        d.Timer1_Timer();
        d.ui.lstIPAdrs->setCurrentRow(c.row);
        d.ui.txtPortNum->setText(c.portText);
        d.lstIPAdrs_DblClick();
        EXPECT_EQ(t.p().linkDialogs.LocatedIPAddress, c.address);
        EXPECT_EQ(t.p().linkDialogs.LocatedTcpPort, c.port);
        EXPECT_EQ(d.result() == QDialog::Accepted, c.closes);
        if (c.box.isEmpty()) {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
        } else {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            EXPECT_EQ(t.prompts.boxes[0].text, c.box);
        }
    }
    EXPECT_EQ(t.prompts.boxes[0].title, QStringLiteral("ID Entry Error"));
}

TEST_F(LocatorFixture, CloseAfterASearchHandsBackNothing)
{
    answer("127.0.0.2", "ABCDEFGHOrvan TWTA 750W Ku-Band");
    frmLocateIP& d = open();
    d.Timer1_Timer();
    d.ui.lstIPAdrs->setCurrentRow(0);
    QTest::mouseClick(d.ui.btnClose, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(t.p().linkDialogs.LocatedIPAddress, QString());
}

TEST_F(LocatorFixture, OperatorDoubleClickOnALinePicksIt)
{
    answer("127.0.0.2", "ABCDEFGHOrvan TWTA 750W Ku-Band");
    frmLocateIP& d = open();
    d.show();
    d.Timer1_Timer();
    QWidget* viewport = d.ui.lstIPAdrs->viewport();
    const QPoint onLine = d.ui.lstIPAdrs->visualItemRect(d.ui.lstIPAdrs->item(0)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onLine);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, onLine);
    QCoreApplication::processEvents();
    EXPECT_EQ(t.p().linkDialogs.LocatedIPAddress, QStringLiteral("127.0.0.2"));
    EXPECT_EQ(d.result(), QDialog::Accepted);
    // Only digits go into the port box.
    d.ui.txtPortNum->clear();
    QTest::keyClicks(d.ui.txtPortNum, "4a0-0.1");
    EXPECT_EQ(d.ui.txtPortNum->text(), QStringLiteral("4001"));
}

// The discovery over real sockets: simulated units on 127.0.0.2 to 127.0.0.4 answer the
// request, which the program's broadcast target sends to the first of them.
TEST(LocatorOnLoopback, UnitsOnTwoAddressesAreListedAndAShortReplyIgnored)
{
    SimUnitLan lan;
    ASSERT_TRUE(lan.addUnit("127.0.0.2", "ABCDEFGHOrvan 1234567"));   // 21 characters
    ASSERT_TRUE(lan.addUnit("127.0.0.3", "ABCDEFGHOrvan SSPA 400W C-Band"));
    ASSERT_TRUE(lan.addUnit("127.0.0.4", "ABCDEFGHOrvan 123456"));   // 20 characters

    MemorySettingsStore settings;
    settings.setText("Locator", "BroadcastAddress", lan.listenAddress());
    QtUdpSocket udp(&settings);
    // Never let the request leave loopback.
    ASSERT_TRUE(QHostAddress(QtUdpSocket::sendTarget(QtUdpSocket::Broadcast, &settings)).isLoopback());
    QtClock clock;
    TestProgram t({.clock = &clock, .settings = &settings, .udp = &udp});

    frmLocateIP d(t.p());
    d.Timer1_Timer();
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_EQ(lan.requestsHeard(), 1);
    EXPECT_EQ(lan.lastRequest(), QByteArray::fromHex("0100000000000000"));
    EXPECT_EQ(lan.lastRequestPort(), 2001);
    QStringList lines = listLines(d);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.takeLast(), QStringLiteral("Search Complete"));
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"127.0.0.2       Orvan 1234567", "127.0.0.3       Orvan SSPA 400W C-Band"}));
}
