// The unit's network settings dialog: its load, keys and range checks, and what reaches the
// simulated unit over the pseudo-terminal and loopback TCP when the operator presses OK or
// Cancel, shown through the modal seam.
#include "dialogs/frmEnetCfg.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitAcknowledge.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QAccessible>
#include <gtest/gtest.h>

namespace {

// The settings as the main window read them: static address 192.168.1.20, mask
// 255.255.255.0, gateway 192.168.1.1, port 3000.
void reportNetwork(Program& p)
{
    UnitConfig& c = p.unit.config;
    c.UnitIPOctets = {192, 168, 1, 20};
    c.UnitNetMaskOctets = {255, 255, 255, 0};
    c.UnitGatewayOctets = {192, 168, 1, 1};
    c.UnitMACAddress = "00-11-22-33-44-55";
    c.UnitDhcpEnabled = false;
    c.UnitAddressRead = true;
    p.conn.EnetPort = 3000;
}

// A program linked to the simulated unit that takes every network setting but those
// listed in `refused`.
struct NetUnit : UnitLinkProgram {
    NetUnit(UnitLink link, const QByteArrayList& refused = {}) : UnitLinkProgram(link, refusing(refused))
    {
        unit->addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
        reportNetwork(*program);
    }
    // The network commands the unit received: settings, the apply step, the reset.
    QStringList sent() const
    {
        QStringList all;
        for (const QByteArray& c : unit->commands())
            if ((c.startsWith("PE") && !c.contains('?')) || c == "~")
                all << QString::fromLatin1(c);
        return all;
    }
    // Opens the dialog, lets `operate` edit it, then presses OK; the dialog's result.
    int okAfter(const std::function<void(frmEnetCfg&)>& operate)
    {
        frmEnetCfg dialog(*program, program->dialogs, [this] { ++targetShown; });
        prompts.modal = [&](QDialog& d) {
            auto& f = static_cast<frmEnetCfg&>(d);
            operate(f);
            f.ui.cmdOK->click();
            return f.result();
        };
        return program->platform.prompts.runModal(dialog);
    }

    static SimUnitProfile refusing(const QByteArrayList& refused)
    {
        SimUnitProfile profile = sspaProfile();
        for (const QByteArray& command : refused)
            profile.behaviour[command].kind = SimBehaviour::Nak;
        return profile;
    }

    int targetShown = 0;   // the menus were told of a new target
};

// Shows the dialog active, so that focus moves and keys reach its boxes.
void showActive(QDialog& d)
{
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

void typeInto(QLineEdit* box, const QString& keys)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, keys);
}

}   // namespace

TEST(frmEnetCfg, OpensWithTheUnitsValuesAndThePortRule)
{
    struct Case {
        qint32 port;
        const char* shown;
        bool editable;
    };
    const Case cases[] = {{3000, "3000", true},  {2000, "2000", false}, {0, "2000", false},
                          {5000, "2000", false}, {4096, "4096", true},  {1, "1", true}};
    for (const Case& c : cases) {
        TestProgram t;
        reportNetwork(t.p());
        t.p().conn.EnetPort = c.port;
        frmEnetCfg d(t.p(), t.p().dialogs);
        EXPECT_EQ(d.ui.txtPort->text(), c.shown) << c.port;
        EXPECT_EQ(d.ui.txtPort->isEnabled(), c.editable) << c.port;
    }
    TestProgram t;
    reportNetwork(t.p());
    frmEnetCfg d(t.p(), t.p().dialogs);
    QStringList octets;
    for (QLineEdit* box : d.ui.octetBoxes())
        octets << box->text();
    EXPECT_EQ(octets.join(' '), "192 168 1 20 255 255 255 0 192 168 1 1");
    EXPECT_EQ(d.ui.lblMac->text(), "00-11-22-33-44-55");
    EXPECT_TRUE(d.ui.optStaticIP->isChecked());
    EXPECT_EQ(d.windowTitle(), "Ethernet Configuration");

    t.p().unit.config.UnitDhcpEnabled = true;
    frmEnetCfg dhcp(t.p(), t.p().dialogs);
    EXPECT_TRUE(dhcp.ui.optDhcp->isChecked());
    for (QLineEdit* box : dhcp.ui.octetBoxes())
        EXPECT_FALSE(box->isEnabled());
    dhcp.ui.optStaticIP->click();
    for (QLineEdit* box : dhcp.ui.octetBoxes())
        EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(dhcp.ui.txtPort->isEnabled());   // the mode never touches the port box
}

// A unit that reported no address of its own: the octet boxes are empty, and OK refuses a
// group sent with a box left empty until every box of it is typed.
TEST(frmEnetCfg, AnAddressTheUnitDidNotReportIsEmptyAndNotSentHalfTyped)
{
    NetUnit n(UnitLink::Serial);
    n.program->unit.config.UnitAddressRead = false;
    int result = n.okAfter([](frmEnetCfg& d) {
        for (QLineEdit* box : d.ui.octetBoxes())
            EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        d.ui.txtIP4b->setText("9");
    });
    EXPECT_NE(result, QDialog::Accepted);
    ASSERT_EQ(n.prompts.boxes.size(), 1);
    EXPECT_EQ(n.prompts.boxes[0].text, "Value out of Range (0 - 255)");
    EXPECT_TRUE(n.sent().isEmpty());

    result = n.okAfter([](frmEnetCfg& d) {
        const auto boxes = d.ui.octetBoxes();
        for (int i = 0; i < 4; ++i)
            boxes[size_t(i)]->setText(i == 0 ? "127" : i == 3 ? "9" : "0");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(n.sent(), QStringList({"PEI127.0.0.9", "PES"}));
}

TEST(frmEnetCfg, TabOrderAndAccessibleNames)
{
    TestProgram t;
    reportNetwork(t.p());
    frmEnetCfg d(t.p(), t.p().dialogs);
    QStringList order;
    QWidget* w = d.ui.txtIP1b;
    while (order.size() < 17) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order.join(' ').toStdString(),
              "txtIP1b txtIP2b txtIP3b txtIP4b txtNM1b txtNM2b txtNM3b txtNM4b txtGW1b txtGW2b "
              "txtGW3b txtGW4b optDhcp optStaticIP cmdOK cmdCancel txtPort");
    EXPECT_EQ(d.ui.txtIP1b->accessibleName(), "IP address octet 1");
    EXPECT_EQ(d.ui.txtNM4b->accessibleName(), "Net mask octet 4");
    EXPECT_EQ(d.ui.txtGW2b->accessibleName(), "Gateway address octet 2");
    EXPECT_EQ(d.ui.txtPort->accessibleName(), "Port number");
    // The MAC address is a value: its text is its name, what it stands for its description.
    QAccessibleInterface* mac = QAccessible::queryAccessibleInterface(d.ui.lblMac);
    ASSERT_NE(mac, nullptr);
    EXPECT_EQ(mac->text(QAccessible::Name), "00-11-22-33-44-55");
    EXPECT_EQ(mac->text(QAccessible::Description), "MAC address");
}

TEST(frmEnetCfg, KeysTakeDigitsAndTheDotMovesOn)
{
    TestProgram t;
    reportNetwork(t.p());
    frmEnetCfg d(t.p(), t.p().dialogs);
    showActive(d);
    typeInto(d.ui.txtIP1b, "1a.");
    EXPECT_EQ(d.ui.txtIP1b->text(), "1");
    EXPECT_TRUE(d.ui.txtIP2b->hasFocus());
    typeInto(d.ui.txtIP4b, ".");
    EXPECT_TRUE(d.ui.txtNM1b->hasFocus());
    typeInto(d.ui.txtNM4b, ".");
    EXPECT_TRUE(d.ui.txtGW1b->hasFocus());
    typeInto(d.ui.txtGW4b, "7.");
    EXPECT_TRUE(d.ui.txtGW4b->hasFocus());
    EXPECT_EQ(d.ui.txtGW4b->text(), "7");
    typeInto(d.ui.txtIP3b, "1234");   // at most three characters
    EXPECT_EQ(d.ui.txtIP3b->text(), "123");
    typeInto(d.ui.txtPort, "30.0x1");
    EXPECT_EQ(d.ui.txtPort->text(), "3001");
    QTest::keyClick(d.ui.txtPort, Qt::Key_Escape);   // Esc is Cancel
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST(frmEnetCfg, ABoxLeftOutOfRangeKeepsTheFocus)
{
    struct Case {
        const char* box;
        const char* value;
        const char* message;
    };
    const Case cases[] = {{"txtIP2b", "300", "Value out of Range (0 - 255)"},
                          {"txtNM4b", "256", "Value out of Range (0 - 255)"},
                          {"txtPort", "0", "Value out of Range (1 - 65535)"},
                          {"txtPort", "70000", "Value out of Range (1 - 65535)"},
                          {"txtPort", "99999999999999999999", "Value out of Range (1 - 65535)"},
                          {"txtIP2b", "255", nullptr},
                          {"txtPort", "65535", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.value);
        TestProgram t;
        reportNetwork(t.p());
        frmEnetCfg d(t.p(), t.p().dialogs);
        showActive(d);
        auto* box = d.findChild<QLineEdit*>(c.box);
        typeInto(box, c.value);
        QTest::keyClick(box, Qt::Key_Tab);
        QApplication::processEvents();
        if (c.message) {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            EXPECT_EQ(t.prompts.boxes[0].text, c.message);
            EXPECT_EQ(t.prompts.boxes[0].title, "Range Error");
            EXPECT_TRUE(box->hasFocus());
        } else {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
            EXPECT_FALSE(box->hasFocus());
        }
    }
}

TEST(frmEnetCfg, OkWithAValueOutOfRangeSendsNothingAndStaysOpen)
{
    for (const char* box : {"txtNM3b", "txtPort"}) {
        SCOPED_TRACE(box);
        NetUnit n(UnitLink::Serial);
        const int result = n.okAfter([&](frmEnetCfg& d) { d.findChild<QLineEdit*>(box)->setText("70000"); });
        EXPECT_EQ(result, QDialog::Rejected);   // not accepted: still open when the script ends
        ASSERT_EQ(n.prompts.boxes.size(), 1);
        EXPECT_EQ(n.prompts.boxes[0].title, "Range Error");
        EXPECT_TRUE(n.sent().isEmpty());
        EXPECT_EQ(n.program->unit.config.UnitNetMaskOctets[2], 255);
        EXPECT_FALSE(n.program->dialogs.EnetSettingsChanged);
    }
}

// An octet the unit reported that no box takes (four digits, a sign) is shown whole: OK
// without an edit sends nothing, and an edit beside it in its group meets the range check
// rather than sending a value cut to fit.
TEST(frmEnetCfg, AnOctetOutOfTheBoxesIsShownWholeAndNeverSentCut)
{
    for (const qint16 octet : {qint16(1000), qint16(-1)}) {
        SCOPED_TRACE(octet);
        NetUnit n(UnitLink::Serial);
        n.program->unit.config.UnitIPOctets[0] = octet;
        EXPECT_EQ(n.okAfter([&](frmEnetCfg& d) { EXPECT_EQ(d.ui.txtIP1b->text(), QString::number(octet)); }),
                  QDialog::Accepted);
        EXPECT_TRUE(n.sent().isEmpty());

        EXPECT_EQ(n.okAfter([](frmEnetCfg& d) { d.ui.txtIP4b->setText("21"); }), QDialog::Rejected);
        ASSERT_EQ(n.prompts.boxes.size(), 1);
        EXPECT_EQ(n.prompts.boxes[0].text, "Value out of Range (0 - 255)");
        EXPECT_TRUE(n.sent().isEmpty());
        EXPECT_EQ(n.program->unit.config.UnitIPOctets[0], octet);
    }
}

TEST(frmEnetCfg, OkSendsWhatChangedThenTheApplyStep)
{
    struct Case {
        const char* name;
        UnitLink link;
        std::function<void(frmEnetCfg&)> edit;
        QByteArrayList refused;
        QStringList sent;
        bool changed;
        bool processorUnit = false;
    };
    const auto mask3 = [](frmEnetCfg& d) { d.ui.txtNM3b->setText("0"); };
    const Case cases[] = {
        {"mask octet 3, serial", UnitLink::Serial, mask3, {}, {"PEN255.255.0.0", "PES"}, true},
        {"mask octet 3, processor unit", UnitLink::Serial, mask3, {}, {"PEN255.255.0.0"}, true, true},
        {"address then DHCP",
         UnitLink::Serial,
         [](frmEnetCfg& d) {
             d.ui.txtIP4b->setText("21");
             d.ui.optDhcp->click();
         },
         {},
         {"PEO1", "PES"},
         true},
        {"address and gateway",
         UnitLink::Serial,
         [](frmEnetCfg& d) {
             d.ui.txtIP4b->setText("21");
             d.ui.txtGW4b->setText("254");
         },
         {},
         {"PEI192.168.1.21", "PER192.168.1.254", "PES"},
         true},
        {"only the port",
         UnitLink::Serial,
         [](frmEnetCfg& d) { d.ui.txtPort->setText("3001"); },
         {},
         {"PEP3001", "PES"},
         false},
        {"nothing", UnitLink::Serial, [](frmEnetCfg&) {}, {}, {}, false},
        {"mode refused",
         UnitLink::Serial,
         [](frmEnetCfg& d) {
             d.ui.optDhcp->click();
             d.ui.optStaticIP->click();
             d.ui.txtIP4b->setText("21");
             d.ui.txtNM3b->setText("0");
         },
         {"PEO0"},
         {"PEO0", "PEI192.168.1.21"},
         true},
        {"mode refused, TCP",
         UnitLink::Tcp,
         [](frmEnetCfg& d) {
             d.ui.optDhcp->click();
             d.ui.optStaticIP->click();
             d.ui.txtIP4b->setText("21");
             d.ui.txtNM3b->setText("0");
         },
         {"PEO0"},
         {"PEO0", "PEI192.168.1.21"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetUnit n(c.link, c.refused);
        n.program->unit.flags.EnetProcessorUnit = c.processorUnit;
        EXPECT_EQ(n.okAfter(c.edit), QDialog::Accepted);
        EXPECT_EQ(n.sent(), c.sent);
        EXPECT_EQ(n.program->dialogs.EnetSettingsChanged, c.changed);
        QStringList errors;
        for (const FakePrompts::Box& b : n.prompts.boxes)
            errors << b.title;
        // A refused command is told over the serial line only.
        EXPECT_EQ(errors.contains("Communication Error"), !c.refused.isEmpty() && c.link == UnitLink::Serial);
    }
}

TEST(frmEnetCfg, OverTcpTheResetIsAskedAndSentOnYesOnly)
{
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        NetUnit n(UnitLink::Tcp);
        n.prompts.answers = {answer};
        n.okAfter([](frmEnetCfg& d) { d.ui.txtNM3b->setText("0"); });
        ASSERT_EQ(n.prompts.boxes.size(), 1);
        EXPECT_EQ(n.prompts.boxes[0].title, "Ethernet Configuration");
        EXPECT_EQ(n.prompts.boxes[0].text,
                  "Unit must be reset for new \r\nparameters to take effect!\r\n\r\nReset Now?");
        EXPECT_EQ(n.prompts.boxes[0].buttons, PromptButtons::YesNo);
        EXPECT_EQ(n.sent(),
                  answer == PromptAnswer::Yes ? QStringList({"PEN255.255.0.0", "~"}) : QStringList({"PEN255.255.0.0"}));
    }
}

// The program follows the unit to its new address and port over the serial line once the
// unit took them, over TCP only when the operator has the unit reset.
TEST(frmEnetCfg, TheTargetFollowsTheUnitOverTcpOnlyAfterTheReset)
{
    struct Case {
        const char* name;
        UnitLink link;
        PromptAnswer reset;
        bool portRefused;
        bool dhcp;
        QString host;   // the target afterwards; "" = as before
        qint32 port;    // 0 = as before
    };
    const Case cases[] = {
        {"serial, port taken", UnitLink::Serial, PromptAnswer::No, false, false, "", 3001},
        {"serial, port refused", UnitLink::Serial, PromptAnswer::No, true, false, "", 0},
        {"TCP, No", UnitLink::Tcp, PromptAnswer::No, false, false, "", 0},
        {"TCP, Yes", UnitLink::Tcp, PromptAnswer::Yes, false, false, "127.0.0.9", 3001},
        {"TCP, Yes, port refused", UnitLink::Tcp, PromptAnswer::Yes, true, false, "", 0},
        {"TCP, Yes, DHCP", UnitLink::Tcp, PromptAnswer::Yes, false, true, "", 3001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetUnit n(c.link, c.portRefused ? QByteArrayList{"PEP3001"} : QByteArrayList{});
        n.prompts.answers = {c.reset};
        SetTcpTarget(*n.program, "127.0.0.1", 3000);   // the live connection stays as it is
        n.okAfter([&](frmEnetCfg& d) {
            if (c.dhcp)
                d.ui.optDhcp->click();
            const auto boxes = d.ui.octetBoxes();
            for (int i = 0; i < 4; ++i)
                boxes[size_t(i)]->setText(QString::number(i == 0 ? 127 : i == 3 ? 9 : 0));
            d.ui.txtPort->setText("3001");
        });
        EXPECT_TRUE(n.sent().contains("PEP3001"));
        const ITcpSocket& socket = n.program->platform.tcp;
        const QString host = c.host.isEmpty() ? QStringLiteral("127.0.0.1") : c.host;
        const qint32 port = c.port ? c.port : 3000;
        EXPECT_EQ(socket.remoteHost(), host);
        EXPECT_EQ(n.program->conn.UnitIPAddress, host);
        EXPECT_EQ(socket.remotePort(), port);
        EXPECT_EQ(n.program->conn.EnetPort, port);
        EXPECT_EQ(n.targetShown, c.port || !c.host.isEmpty() ? 1 : 0);
    }
}

TEST(frmEnetCfg, TheApplyStepRepeatsOnlyOnTheConnectionThatWasSent)
{
    NetUnit n(UnitLink::Serial);
    n.okAfter([](frmEnetCfg& d) { d.ui.txtGW4b->setText("2"); });
    n.unit->clearCommands();
    n.okAfter([](frmEnetCfg&) {});   // nothing changed: the unit is told to apply again
    EXPECT_EQ(n.sent(), QStringList({"PES"}));
    EXPECT_TRUE(n.program->dialogs.EnetSettingsChanged);

    n.unit->clearCommands();
    BeginConnection(*n.program, false);   // another connection: this unit received nothing
    n.okAfter([](frmEnetCfg&) {});
    EXPECT_TRUE(n.sent().isEmpty());
    EXPECT_FALSE(n.program->dialogs.EnetSettingsChanged);
}

TEST(frmEnetCfg, CancelSendsNothingAndKeepsEveryValue)
{
    NetUnit n(UnitLink::Serial);
    n.program->dialogs.EnetSettingsChanged = true;   // as the caller left it
    frmEnetCfg dialog(*n.program, n.program->dialogs);
    n.prompts.modal = [](QDialog& d) {
        auto& f = static_cast<frmEnetCfg&>(d);
        f.show();
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f))
            ADD_FAILURE() << "dialog not active";
        for (QLineEdit* box : f.ui.octetBoxes())
            typeInto(box, "300");   // left with Tab-less moves: a click into the next box
        typeInto(f.ui.txtPort, "70000");
        f.ui.optDhcp->click();
        f.ui.cmdCancel->click();
        return f.result();
    };
    n.prompts.boxes.clear();
    EXPECT_EQ(n.program->platform.prompts.runModal(dialog), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_TRUE(n.sent().isEmpty());
    const UnitConfig& c = n.program->unit.config;
    EXPECT_EQ(c.UnitIPOctets, (std::array<qint16, 4>{192, 168, 1, 20}));
    EXPECT_EQ(c.UnitNetMaskOctets, (std::array<qint16, 4>{255, 255, 255, 0}));
    EXPECT_EQ(c.UnitGatewayOctets, (std::array<qint16, 4>{192, 168, 1, 1}));
    EXPECT_EQ(n.program->conn.EnetPort, 3000);
    EXPECT_TRUE(n.program->dialogs.EnetSettingsChanged);
    frmEnetCfg again(*n.program, n.program->dialogs);
    EXPECT_EQ(again.ui.txtIP4b->text(), "20");
    EXPECT_EQ(again.ui.txtPort->text(), "3000");
}
