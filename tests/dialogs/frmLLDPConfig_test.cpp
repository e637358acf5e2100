// The unit's LLDP agent dialog: its boxes filled from the values the main window read, the
// checks and their red boxes, the key rules, the commands each section sends to the
// simulated unit over the pseudo-terminal and loopback TCP, and its menu entry.
#include "app/frmMain.h"
#include "commands/NetworkQueries.h"
#include "dialogs/frmLLDPConfig.h"
#include "link/Transaction.h"
#include "status/QStringPrint.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitLldp.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The LLDP values as the simulated solid-state unit reports them.
void reportLldp(UnitConfig& c)
{
    c.LldpEnabled = true;
    c.LldpTxTimer = 30;
    c.LldpHoldTime = 4;
    c.LldpReinitDelay = 2;
    c.LldpHostName = "unit-a";
    c.LldpFactoryMed = 1;
    c.LldpFactoryHwRev = "HW2";
    c.LldpFactoryUuid = "uuid-0001";
}

bool red(const QLineEdit* box) { return box->palette().color(QPalette::Base) == QColor(255, 0, 0); }

QStringList redBoxes(const frmLLDPConfig& d)
{
    QStringList names;
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        if (red(box))
            names << box->objectName();
    return names;
}

// A program linked to the simulated unit, which keeps the LLDP settings it is sent.
struct LldpUnit : UnitLinkProgram {
    explicit LldpUnit(UnitLink link) : UnitLinkProgram(link, QuickProfile(sspaProfile()))
    {
        unit->addFeature(lldp);
        reportLldp(program->unit.config);
    }

    std::shared_ptr<SimUnitLldp> lldp = std::make_shared<SimUnitLldp>();
};

// Shows the dialog through the modal seam; `operate` plays the operator.
int showAndOperate(Program& p, FakePrompts& prompts, const std::function<void(frmLLDPConfig&)>& operate)
{
    frmLLDPConfig dialog(p);
    prompts.modal = [&](QDialog& d) {
        auto& f = static_cast<frmLLDPConfig&>(d);
        operate(f);
        return f.result();
    };
    return p.platform.prompts.runModal(dialog);
}

// As showAndOperate, then OK.
int operateThenOK(Program& p, FakePrompts& prompts, const std::function<void(frmLLDPConfig&)>& operate)
{
    return showAndOperate(p, prompts, [&](frmLLDPConfig& d) {
        operate(d);
        d.ui.btnOK->click();
    });
}

}   // namespace

TEST(frmLLDPConfig, OpensWithTheValuesTheUnitReported)
{
    TestProgram t;
    UnitConfig& c = t.p().unit.config;
    reportLldp(c);
    c.LldpFactoryMed = 16777215;
    frmLLDPConfig d(t.p());
    EXPECT_EQ(d.windowTitle(), "Link Layer Discovery Protocol");
    EXPECT_TRUE(d.ui.chkEnable->isChecked());
    const QStringList shown = {d.ui.txtlldpTxTimer->text(),     d.ui.txtlldpHoldtime->text(),
                               d.ui.txtlldpReinitDelay->text(), d.ui.txtlldpHostname->text(),
                               d.ui.txtlldpMED->text(),         d.ui.txtlldpHWRev->text(),
                               d.ui.txtlldpUUID->text()};
    EXPECT_EQ(shown, QStringList({"30", "4", "2", "unit-a", "16777215", "HW2", "uuid-0001"}));
    EXPECT_TRUE(redBoxes(d).isEmpty());
    // The TX timer's tooltip agrees with its check; the host name box says what it takes.
    EXPECT_EQ(d.ui.txtlldpTxTimer->toolTip(), "30 - 65534");
    EXPECT_EQ(d.ui.txtlldpHostname->toolTip(),
              "5 - 255 characters: letters A-Z and a-z, digits, blanks and the ASCII signs, but not ;");
    EXPECT_EQ(d.ui.lblHostnameRule->text(), "5 - 255 ASCII characters, no ;");
    EXPECT_EQ(d.ui.lblHostnameRule->accessibleName(), d.ui.lblHostnameRule->text());
    EXPECT_FALSE(d.ui.lblHostnameRule->isHidden());
    EXPECT_EQ(d.ui.txtlldpUUID->maxLength(), 36);

    c.LldpEnabled = false;
    frmLLDPConfig off(t.p());
    EXPECT_FALSE(off.ui.chkEnable->isChecked());
    EXPECT_TRUE(t.commands.isEmpty());
}

// A unit that reported no LLDP values: every box is empty and Enable unticked, and OK refuses
// the empty boxes until the operator fills them.
TEST(frmLLDPConfig, ValuesTheUnitDidNotReportAreEmptyAndOkRefusesThem)
{
    TestProgram t;
    frmLLDPConfig d(t.p());
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_FALSE(d.ui.chkEnable->isChecked());
    d.ui.chkEnable->click();
    d.ui.btnOK->click();
    EXPECT_EQ(redBoxes(d).size(), 7);
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_TRUE(t.commands.isEmpty());
}

// A value the unit reported that is longer than its box takes is shown whole, so OK without
// an edit sends nothing; the limit still holds for what the operator types.
TEST(frmLLDPConfig, ValuesLongerThanTheBoxesAreShownWholeAndOkSendsNothing)
{
    struct Case {
        const char* box;
        QString UnitConfig::*value;
        QString text;
        int limit;
    };
    const Case cases[] = {
        {"txtlldpHWRev", &UnitConfig::LldpFactoryHwRev, "ABCD", 3},
        {"txtlldpUUID", &UnitConfig::LldpFactoryUuid, QString(37, QLatin1Char('u')), 36},
        {"txtlldpHostname", &UnitConfig::LldpHostName, QString(256, QLatin1Char('h')), 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        TestProgram t;
        reportLldp(t.p().unit.config);
        t.p().unit.config.*c.value = c.text;
        const int result = showAndOperate(t.p(), t.prompts, [&](frmLLDPConfig& d) {
            auto* box = d.findChild<QLineEdit*>(c.box);
            EXPECT_EQ(box->text(), c.text);
            d.ui.btnOK->click();
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_TRUE(t.commands.isEmpty());

        // Shortened by the operator, the box takes no more than its limit again.
        frmLLDPConfig d(t.p());
        auto* box = d.findChild<QLineEdit*>(c.box);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_X);
        EXPECT_EQ(box->text(), c.text);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, "xyz");
        EXPECT_EQ(box->text().size(), c.limit);
    }

    // The unit's own reply, as the main window reads it: nothing goes back.
    TestProgram t;
    UnitConfig& c = t.p().unit.config;
    reportLldp(c);
    SsaCmds::ParseFactoryLLDP(t.p(), "1;ABCD;abcde");
    SsaCmds::ParseUserLLDP(t.p(), "0;30;0;2;abcde");
    EXPECT_EQ(operateThenOK(t.p(), t.prompts, [](frmLLDPConfig&) {}), QDialog::Accepted);
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmLLDPConfig, EachFailingBoxTurnsRedAndNothingIsSent)
{
    struct Case {
        const char* box;
        QString text;
        bool passes;
    };
    const Case cases[] = {
        {"txtlldpTxTimer", "29", false},
        {"txtlldpTxTimer", "30", true},
        {"txtlldpTxTimer", "65534", true},
        {"txtlldpTxTimer", "65535", false},
        {"txtlldpTxTimer", "", false},
        {"txtlldpHoldtime", "65535", true},
        {"txtlldpHoldtime", "99999", false},
        {"txtlldpHoldtime", "0", true},
        {"txtlldpReinitDelay", "1", false},
        {"txtlldpReinitDelay", "6", false},
        {"txtlldpReinitDelay", "2", true},
        {"txtlldpReinitDelay", "5", true},
        {"txtlldpHostname", "abcd", false},
        {"txtlldpHostname", "abcde", true},
        {"txtlldpHostname", "", false},
        {"txtlldpHostname", "ab;cd", false},
        {"txtlldpHostname",
         "ab\x03"
         "cd",
         false},
        {"txtlldpHostname", "caf\u20ac-1", false},
        {"txtlldpHostname", "caf\u00e9-1", false},
        {"txtlldpHostname", "Unit 7_a.b-~", true},
        {"txtlldpMED", "16777215", true},
        {"txtlldpMED", "16777216", false},
        {"txtlldpMED", "", false},
        {"txtlldpHWRev", "", false},
        {"txtlldpHWRev", "A", true},
        {"txtlldpHWRev", "A;", false},
        {"txtlldpUUID", "abcd", false},
        {"txtlldpUUID", "abcde", true},
        {"txtlldpUUID", "ab;cdef", false},
        {"txtlldpUUID", "abc\tdef", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.text.toStdString() + "\"");
        TestProgram t;
        reportLldp(t.p().unit.config);
        bool changed = false;
        const int result = showAndOperate(t.p(), t.prompts, [&](frmLLDPConfig& d) {
            auto* box = d.findChild<QLineEdit*>(c.box);
            changed = box->text() != c.text;
            box->setText(c.text);
            d.ui.btnOK->click();
            EXPECT_EQ(redBoxes(d), c.passes ? QStringList() : QStringList({c.box}));
        });
        EXPECT_EQ(result, c.passes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(t.commands.isEmpty(), !(c.passes && changed));
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
    }

    // Both sections are checked, so a failing box of each turns red.
    TestProgram t;
    reportLldp(t.p().unit.config);
    frmLLDPConfig d(t.p());
    d.ui.txtlldpTxTimer->setText("29");
    d.ui.txtlldpHWRev->clear();
    d.ui.btnOK->click();
    EXPECT_EQ(redBoxes(d), QStringList({"txtlldpTxTimer", "txtlldpHWRev"}));
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmLLDPConfig, KeysAndEditsTurnABoxBackAndNumericBoxesTakeDigitsOnly)
{
    TestProgram t;
    reportLldp(t.p().unit.config);
    frmLLDPConfig d(t.p());
    for (QLineEdit* box : {d.ui.txtlldpTxTimer, d.ui.txtlldpHostname, d.ui.txtlldpHWRev, d.ui.txtlldpMED})
        box->clear();
    d.ui.btnOK->click();
    EXPECT_EQ(redBoxes(d), QStringList({"txtlldpTxTimer", "txtlldpHostname", "txtlldpMED", "txtlldpHWRev"}));

    // Defaults recheck nothing: the numeric boxes stay red, the text boxes changed and turn back.
    d.ui.btnUserDefaults->click();
    d.ui.btnFactDefaults->click();
    EXPECT_EQ(redBoxes(d), QStringList({"txtlldpTxTimer", "txtlldpMED"}));

    QTest::keyClicks(d.ui.txtlldpTxTimer, "a");   // discarded, but the box turns back
    EXPECT_EQ(d.ui.txtlldpTxTimer->text(), "30");
    QTest::keyClicks(d.ui.txtlldpMED, "1-2 ");
    EXPECT_EQ(d.ui.txtlldpMED->text(), "8000812");
    EXPECT_TRUE(redBoxes(d).isEmpty());

    // Pasted text keeps its digits only.
    QGuiApplication::clipboard()->setText("4x5");
    d.ui.txtlldpHoldtime->clear();
    d.ui.txtlldpHoldtime->paste();
    EXPECT_EQ(d.ui.txtlldpHoldtime->text(), "45");

    EXPECT_TRUE(frmLLDPConfig::IsNumericKey(13));
    EXPECT_TRUE(frmLLDPConfig::IsNumericKey(8));
    EXPECT_TRUE(frmLLDPConfig::IsNumericKey('9'));
    EXPECT_FALSE(frmLLDPConfig::IsNumericKey('a'));
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmLLDPConfig, OkSendsEachChangedSectionToTheSimulatedUnit)
{
    struct Case {
        const char* what;
        std::function<void(frmLLDPConfig&)> operate;
        QByteArrayList sent;
    };
    const Case cases[] = {
        {"nothing changed", [](frmLLDPConfig&) {}, {}},
        {"a number typed as it was", [](frmLLDPConfig& d) { d.ui.txtlldpHoldtime->setText("04"); }, {}},
        {"only Enable cleared",
         [](frmLLDPConfig& d) { d.ui.chkEnable->click(); },
         {"QlldpSetupConfig 0;30;4;2;unit-a"}},
        {"only the UUID",
         [](frmLLDPConfig& d) { d.ui.txtlldpUUID->setText("uuid-0002"); },
         {"QlldpFactorySetup 1;HW2;uuid-0002"}},
        {"host name case",
         [](frmLLDPConfig& d) { d.ui.txtlldpHostname->setText("Unit-A"); },
         {"QlldpSetupConfig 1;30;4;2;Unit-A"}},
        {"both sections, factory first",
         [](frmLLDPConfig& d) {
             d.ui.txtlldpReinitDelay->setText("5");
             d.ui.txtlldpMED->setText("80008");
         },
         {"QlldpFactorySetup 80008;HW2;uuid-0001", "QlldpSetupConfig 1;30;4;5;unit-a"}},
        {"user defaults",
         [](frmLLDPConfig& d) { d.ui.btnUserDefaults->click(); },
         {"QlldpSetupConfig 1;30;120;2;DEFAULTBUC"}},
        {"factory defaults",
         [](frmLLDPConfig& d) { d.ui.btnFactDefaults->click(); },
         {"QlldpFactorySetup 80008;A;00000000-0000-0000-0000-000000000000"}},
    };
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        LldpUnit u(link);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(UnitLinkName(link)) + ", " + c.what);
            u.unit->clearCommands();
            EXPECT_EQ(operateThenOK(*u.program, u.prompts, c.operate), QDialog::Accepted);
            EXPECT_EQ(u.unit->commands(), c.sent);
        }
        // The dialog leaves the program-wide values as the unit reported them.
        UnitConfig expected;
        reportLldp(expected);
        const UnitConfig& c = u.program->unit.config;
        EXPECT_EQ(c.LldpReinitDelay, expected.LldpReinitDelay);
        EXPECT_EQ(c.LldpFactoryMed, expected.LldpFactoryMed);
        EXPECT_EQ(c.LldpHostName, expected.LldpHostName);

        // A refusal shows no box and the dialog closes all the same.
        u.lldp->refuse = true;
        u.unit->clearCommands();
        EXPECT_EQ(operateThenOK(*u.program, u.prompts, cases[6].operate), QDialog::Accepted);
        EXPECT_EQ(u.unit->commands(), cases[6].sent);
        EXPECT_TRUE(u.prompts.boxes.isEmpty());
    }
}

TEST(frmLLDPConfig, CloseAndEscSendNothing)
{
    TestProgram t;
    reportLldp(t.p().unit.config);
    for (const bool esc : {false, true}) {
        frmLLDPConfig d(t.p());
        d.ui.btnUserDefaults->click();
        d.ui.txtlldpUUID->setText("uuid-0002");
        if (esc)
            QTest::keyClick(d.ui.txtlldpUUID, Qt::Key_Escape);
        else
            d.ui.btnClose->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    // Enter in a box presses no button.
    frmLLDPConfig d(t.p());
    d.show();
    d.ui.txtlldpUUID->setText("uuid-0002");
    QTest::keyClick(d.ui.txtlldpUUID, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmLLDPConfig, TabReachesEveryControlAndEachBoxIsNamed)
{
    TestProgram t;
    reportLldp(t.p().unit.config);
    frmLLDPConfig d(t.p());
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    // It opens showing the user section and the buttons; the factory section lies below.
    EXPECT_FALSE(d.ui.txtlldpHostname->visibleRegion().isEmpty());
    EXPECT_FALSE(d.ui.chkEnable->visibleRegion().isEmpty());
    EXPECT_TRUE(d.ui.txtlldpUUID->visibleRegion().isEmpty());

    d.ui.txtlldpTxTimer->setFocus(Qt::TabFocusReason);
    QStringList order = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
        if (QApplication::focusWidget() == d.ui.txtlldpMED) {   // tabbing in brings it into view
            EXPECT_FALSE(d.ui.txtlldpMED->visibleRegion().isEmpty());
        }
    }
    EXPECT_EQ(order, QStringList({"txtlldpTxTimer", "txtlldpHoldtime", "txtlldpReinitDelay", "txtlldpHostname",
                                  "btnUserDefaults", "txtlldpMED", "txtlldpHWRev", "txtlldpUUID", "btnFactDefaults",
                                  "btnOK", "btnClose", "chkEnable", "txtlldpTxTimer"}));
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(d.ui.txtlldpTxTimer->accessibleName(), "TX timer");
}

// The menu entry opens the dialog in remote mode only; afterwards the main window reads the
// settings back and the poll is as it was.
TEST(frmLLDPConfig, MenuEntryOpensItAndReadsTheSettingsBack)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        LldpUnit u(link);
        Program& p = *u.program;
        p.unit.id.LldpFirmware = true;
        frmMain w(p);
        BeginConnection(p, link == UnitLink::Tcp);
        const bool pollOn = link == UnitLink::Serial;
        if (pollOn)
            w.Timer1.start();

        p.conn.RemoteMode = false;
        w.ui.mnuLLDPCfg->trigger();
        EXPECT_EQ(u.prompts.modalRuns, 0);
        ASSERT_EQ(u.prompts.boxes.size(), 1);
        EXPECT_EQ(u.prompts.boxes[0].text, "Not in Remote Mode");

        p.conn.RemoteMode = true;
        u.unit->clearCommands();
        u.prompts.modal = [&](QDialog& d) {
            auto* f = qobject_cast<frmLLDPConfig*>(&d);
            EXPECT_NE(f, nullptr);
            if (!f)
                return 0;
            f->ui.txtlldpHostname->setText("unit-b");
            f->ui.btnOK->click();
            EXPECT_EQ(p.unit.config.LldpHostName, "unit-a");   // not until it is read back
            return f->result();
        };
        w.ui.mnuLLDPCfg->trigger();
        EXPECT_EQ(u.prompts.modalRuns, 1);
        EXPECT_EQ(u.unit->commands(),
                  QByteArrayList({"QlldpSetupConfig 1;30;4;2;unit-b", "QlldpFactorySetup?", "QlldpSetupConfig?"}));
        EXPECT_EQ(p.unit.config.LldpHostName, "unit-b");
        EXPECT_EQ(w.Timer1.isActive(), pollOn);
        w.Timer1.stop();
    }
}
