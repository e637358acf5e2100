// The unit's serial ports dialog: its lists filled from the port values the main window
// read, the parity rule, the OpenBMIP box, and its Set buttons against the simulated unit
// over the pseudo-terminal and loopback TCP, shown through the modal seam.
#include "dialogs/SerialPortCommands.h"
#include "dialogs/frmAmpCom.h"
#include "status/QStringPrint.h"
#include "link/Transaction.h"
#include "support/LinkedUnit.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitPorts.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList items(const QComboBox* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->itemText(i);
    return all;
}

// The unit's port values as a unit at 9600,N,8,1 and 19200,E,7,1 on four terminated wires
// with the OpenBMIP tag reports them, in remote mode.
void reportPorts(Program& p)
{
    UnitConfig& c = p.unit.config;
    c.Com1Baud = 9600;
    c.Com1Parity = "N";
    c.Com1DataBits = 8;
    c.Com1StopBits = 1;
    c.Com2Baud = 19200;
    c.Com2Parity = "E";
    c.Com2DataBits = 7;
    c.Com2StopBits = 1;
    c.Rs485WireCount = 4;
    c.Rs485Termination = "T";
    c.Rs485Protocol = "OBMIP";
    c.ObmipSupported = true;
    p.conn.RemoteMode = true;
}

// A program linked to the simulated unit that acknowledges the port commands.
struct PortsUnit : UnitLinkProgram {
    explicit PortsUnit(UnitLink link) : UnitLinkProgram(link, QuickProfile(sspaProfile()))
    {
        unit->addFeature(ports);
        reportPorts(*program);
    }
    QStringList sent() const
    {
        QStringList all;
        for (const QByteArray& c : ports->settingsReceived())
            all << QString::fromLatin1(c);
        return all;
    }

    std::shared_ptr<SimUnitPorts> ports = std::make_shared<SimUnitPorts>();
};

// Shows the dialog through the modal seam; `operate` plays the operator, then Close.
int showAndOperate(Program& p, FakePrompts& prompts, const std::function<void(frmAmpCom&)>& operate)
{
    frmAmpCom dialog(p);
    prompts.modal = [&](QDialog& d) {
        auto& f = static_cast<frmAmpCom&>(d);
        operate(f);
        f.ui.Command1->click();
        return f.result();
    };
    return p.platform.prompts.runModal(dialog);
}

}   // namespace

TEST(SerialPortCommands, PortAndWiringCommands)
{
    using namespace ampcom;
    EXPECT_EQ(PortCommand("X1", "9600", "None", "8", "1"), "X1009600N81");
    EXPECT_EQ(PortCommand("X1", "4800", "Odd", "7", "2"), "X1004800O72");
    EXPECT_EQ(PortCommand("X2", "115200", "Even", "7", "1"), "X2115200E71");
    struct Case {
        const char* wire;
        const char* term;
        const char* address;
        const char* tag;
        bool supported;
        const char* command;
    };
    const Case cases[] = {
        {"4 Wire", "Terminated", "B", "OBMIP", true, "XR4TB;OBMIP"},
        {"2 Wire", "Unterminated", "A", "ORVAN", true, "XR2UA;ORVAN"},
        {"4 Wire", "Terminated", "B", "OBMIP", false, "XR4TB"},   // the unit takes no tag
        {"4 Wire", "Terminated", "B", "", true, "XR4TB"},         // no tag set
        // No command without the unit's address.
        {"2 Wire", "Terminated", "", "", false, nullptr},
        {"2 Wire", "Terminated", " ", "", false, nullptr},
        {"2 Wire", "Terminated", "@", "", false, nullptr},
        {"2 Wire", "Terminated", "b", "", false, nullptr},
        {"2 Wire", "Terminated", "BC", "", false, nullptr},
    };
    for (const Case& c : cases) {
        const auto command = WiringCommand(c.wire, c.term, c.address, c.tag, c.supported);
        EXPECT_EQ(command, c.command ? std::optional<QString>(c.command) : std::nullopt) << c.address;
    }
    EXPECT_EQ(ParityEntry("N"), 0);
    EXPECT_EQ(ParityEntry("E"), 2);
    EXPECT_EQ(ParityEntry("*"), -1);
}

TEST(frmAmpCom, OpensWithThePortsTheUnitReported)
{
    struct Case {
        const char* parity;
        qint16 dataBits;
        const char* parityShown;
        const char* dataShown;
    };
    // Odd or even parity with 8 data bits keeps 8: a Set pressed for the speed alone must not
    // change the unit to 7 data bits. Both entries are offered in every case.
    const Case cases[] = {{"N", 8, "None", "8"}, {"E", 8, "Even", "8"}, {"O", 8, "Odd", "8"},
                          {"O", 7, "Odd", "7"},  {"N", 0, "None", ""},  {"*", 8, "", "8"}};
    for (const Case& c : cases) {
        TestProgram t;
        reportPorts(t.p());
        t.p().unit.config.Com1Parity = c.parity;
        t.p().unit.config.Com1DataBits = c.dataBits;
        t.p().unit.config.Com2Parity = c.parity;
        t.p().unit.config.Com2DataBits = c.dataBits;
        frmAmpCom d(t.p());
        for (QComboBox* parity : {d.ui.cmb232Parity, d.ui.cmb485Parity})
            EXPECT_EQ(parity->currentText(), c.parityShown) << c.parity << c.dataBits;
        for (QComboBox* data : {d.ui.cmb232Data, d.ui.cmb485Data}) {
            EXPECT_EQ(data->currentText(), c.dataShown) << c.parity << c.dataBits;
            EXPECT_EQ(items(data), QStringList({"7", "8"})) << c.parity << c.dataBits;
        }
    }
    TestProgram t;
    reportPorts(t.p());
    frmAmpCom d(t.p());
    EXPECT_EQ(
        QStringList({d.ui.cmb232Baud->currentText(), d.ui.cmb232Stop->currentText(), d.ui.cmb485Baud->currentText(),
                     d.ui.cmb485Wire->currentText(), d.ui.cmb485Term->currentText()}),
        QStringList({"9600", "1", "19200", "4 Wire", "Terminated"}));
    EXPECT_FALSE(d.ui.chkOBMIP->isHidden());
    EXPECT_TRUE(d.ui.chkOBMIP->isChecked());
    EXPECT_EQ(t.p().unit.config.Rs485Protocol, "OBMIP");   // the load changes no value
    EXPECT_EQ(d.windowTitle(), "Serial Communication");

    // A port the unit did not report opens empty; no protocol tag, no OpenBMIP box.
    UnitConfig& c = t.p().unit.config;
    c.Com1Baud = 0;
    c.Com1Parity = "*";
    c.Com1StopBits = 0;
    c.Rs485WireCount = 0;
    c.Rs485Termination = "*";
    c.Rs485Protocol.clear();
    frmAmpCom empty(t.p());
    for (QComboBox* list :
         {empty.ui.cmb232Baud, empty.ui.cmb232Parity, empty.ui.cmb232Stop, empty.ui.cmb485Wire, empty.ui.cmb485Term})
        EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
    EXPECT_TRUE(empty.ui.chkOBMIP->isHidden());
}

TEST(frmAmpCom, ParityRuleGovernsEachPortsOwnDataBits)
{
    TestProgram t;
    reportPorts(t.p());
    frmAmpCom d(t.p());
    d.ui.cmb232Data->setCurrentIndex(1);     // 8
    d.ui.cmb232Parity->setCurrentIndex(1);   // Odd
    EXPECT_EQ(d.ui.cmb232Data->currentText(), "7");
    EXPECT_EQ(items(d.ui.cmb232Data), QStringList({"7"}));
    EXPECT_EQ(items(d.ui.cmb485Data), QStringList({"7", "8"}));   // the other port's list untouched
    d.ui.cmb232Parity->setCurrentIndex(0);                        // None
    EXPECT_EQ(items(d.ui.cmb232Data), QStringList({"7", "8"}));
    d.ui.cmb485Parity->setCurrentIndex(0);   // None, then Even
    d.ui.cmb485Data->setCurrentIndex(1);
    d.ui.cmb485Parity->setCurrentIndex(2);
    EXPECT_EQ(d.ui.cmb485Data->currentText(), "7");
    EXPECT_EQ(items(d.ui.cmb485Data), QStringList({"7"}));
    EXPECT_EQ(items(d.ui.cmb232Data), QStringList({"7", "8"}));
}

TEST(frmAmpCom, OpenBmipSelects38400AndSetsTheTagAtOnce)
{
    TestProgram t;
    reportPorts(t.p());
    t.p().unit.config.Rs485Protocol = "ORVAN";
    frmAmpCom d(t.p());
    EXPECT_FALSE(d.ui.chkOBMIP->isChecked());
    d.ui.chkOBMIP->click();
    EXPECT_EQ(t.p().unit.config.Rs485Protocol, "OBMIP");
    EXPECT_EQ(d.ui.cmb485Baud->currentText(), "38400");
    d.ui.chkOBMIP->click();
    EXPECT_EQ(t.p().unit.config.Rs485Protocol, "ORVAN");
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmAmpCom, SetButtonsAgainstTheSimulatedUnit)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        PortsUnit u(link);
        Program& p = *u.program;
        const int result = showAndOperate(p, u.prompts, [](frmAmpCom& d) {
            d.ui.cmb232Baud->setCurrentIndex(0);   // 4800
            d.ui.btnSet232->click();
            d.ui.btnSet485->click();
        });
        EXPECT_EQ(result, QDialog::Accepted);
        // "XR" carries the address the link uses.
        EXPECT_EQ(u.sent(), QStringList({"X1004800N81", "XR4TA;OBMIP", "X2019200E71"}));
        EXPECT_TRUE(u.prompts.boxes.isEmpty());

        // Without OpenBMIP support: no tag.
        p.unit.config.ObmipSupported = false;
        u.ports->refused = {"XR4TA"};
        showAndOperate(p, u.prompts, [](frmAmpCom& d) { d.ui.btnSet485->click(); });
        EXPECT_EQ(u.sent().mid(3), QStringList({"XR4TA"}));   // refused: no "X2" follows
        // The command transaction shows its error box on the serial line only.
        if (link == UnitLink::Serial) {
            ASSERT_EQ(u.prompts.boxes.size(), 1);
            EXPECT_EQ(u.prompts.boxes[0].title, "Communication Error");
        }

        // Without a letter to address the unit at, neither "XR" nor "X2" goes out.
        p.LinkObject.setDeviceAddress("");
        const qsizetype before = u.unit->commands().size();
        showAndOperate(p, u.prompts, [](frmAmpCom& d) { d.ui.btnSet485->click(); });
        EXPECT_EQ(u.unit->commands().size(), before);
    }
}

TEST(frmAmpCom, SetSendsNothingInLocalModeOrWithAListUnchosen)
{
    struct Case {
        const char* what;
        bool remote;
        bool reported;
        const char* box;
        const char* title;
    };
    const Case cases[] = {
        {"local mode", false, true, "Not in Remote Mode", "Communication Error"},
        {"ports not reported", true, false, "Settings Incomplete.", "Port Setting Error"},
    };
    for (const Case& c : cases) {
        TestProgram t;
        reportPorts(t.p());
        t.p().conn.RemoteMode = c.remote;
        if (!c.reported) {
            t.p().unit.config.Com1Baud = 0;
            t.p().unit.config.Com2Parity = "*";
        }
        showAndOperate(t.p(), t.prompts, [](frmAmpCom& d) {
            d.ui.btnSet232->click();
            d.ui.btnSet485->click();
        });
        EXPECT_TRUE(t.commands.isEmpty()) << c.what;
        ASSERT_EQ(t.prompts.boxes.size(), 2) << c.what;
        for (const FakePrompts::Box& b : t.prompts.boxes) {
            EXPECT_EQ(b.text, c.box) << c.what;
            EXPECT_EQ(b.title, c.title) << c.what;
            EXPECT_EQ(b.icon, PromptIcon::Exclamation) << c.what;
        }
    }
}

TEST(frmAmpCom, EveryListIsNamedAndReachedByTab)
{
    TestProgram t;
    reportPorts(t.p());
    frmAmpCom d(t.p());
    for (QComboBox* list : d.findChildren<QComboBox*>()) {
        EXPECT_FALSE(list->accessibleName().isEmpty()) << list->objectName().toStdString();
        EXPECT_TRUE(list->focusPolicy() & Qt::TabFocus) << list->objectName().toStdString();
    }
    EXPECT_EQ(d.ui.cmb485Term->accessibleName(), "RS-485 termination");
}

TEST(frmAmpCom, OpenedFromItsEntryTheMainWindowReadsThePortsBackAndPolls)
{
    MainWindowProgram t;
    t.replies = sspaProfile().replies;
    BeginConnection(t.p(), false);
    reportPorts(t.p());
    t.replies["XR4TB;OBMIP"] = "XR4TB;OBMIP";
    t.replies["X2019200E71"] = "X2019200E71";
    // The RS-485 address is the one the link uses, never the address box's text.
    t.p().LinkObject.setDeviceAddress("B");
    t.w().ui.txtAdr->clear();
    t.prompts.modal = [&](QDialog& d) {
        auto& dialog = dynamic_cast<frmAmpCom&>(d);
        EXPECT_FALSE(t.w().Timer1.isActive());
        t.commands.clear();
        dialog.ui.btnSet485->click();
        dialog.ui.Command1->click();
        return dialog.result();
    };
    t.w().ui.mnuAmpCom->trigger();   // the poll was off before
    ASSERT_EQ(t.prompts.modalRuns, 1);
    EXPECT_EQ(t.commands.join(' ').toStdString(), "XR4TB;OBMIP X2019200E71 X1? X2? XR?");
    EXPECT_TRUE(t.w().Timer1.isActive());
}
