// The power-limit dialog: the limit shown in the display unit, OK against the simulated unit
// over the pseudo-terminal and loopback TCP (limit in dBm, fault level, enable, each only
// when changed and kept only when the unit took it), the limit box's keys and its tidying
// on leaving, and the keyboard.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "dialogs/frmPwrLimit.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void storeLimit(Program& p, bool watts, const char* limit, const char* fault, bool enabled)
{
    p.display.DisplayWatts = watts;
    p.unit.config.MaxPowerLimitValue = limit;
    p.unit.config.MaxPowerFaultLevel = fault;
    p.unit.config.MaxPowerLimitEnabled = enabled;
}

}   // namespace

TEST(frmPwrLimit, OpensWithTheLimitInTheDisplayUnit)
{
    struct Case {
        bool watts;
        const char* limit;
        const char* fault;
        const char* shown;
        const char* unit;
        bool faultBox;
    };
    const Case cases[] = {
        {true, "50.0", "3.0", "100.0", "Watts", true},
        {false, "47.05", "-1", "47.05", "dBm", false},
        {true, "30", "0", "1.0", "Watts", true},
    };
    for (const Case& c : cases) {
        TestProgram t;
        storeLimit(t.p(), c.watts, c.limit, c.fault, c.watts);
        frmPwrLimit d(t.p(), {});
        EXPECT_EQ(d.ui.Text1->text(), c.shown) << c.limit;
        EXPECT_EQ(d.ui.lblUnits->text(), c.unit) << c.limit;
        EXPECT_EQ(d.ui.Text2->isEnabled(), c.faultBox) << c.limit;
        EXPECT_EQ(d.ui.Text2->text(), c.faultBox ? c.fault : "") << c.limit;
        EXPECT_EQ(d.ui.Check1->isChecked(), c.watts) << c.limit;
        EXPECT_EQ(d.windowTitle(), "Max RF Power Level");
    }
}

TEST(frmPwrLimit, OkSendsTheChangedLimitInDbmTheFaultLevelAndTheEnable)
{
    struct Case {
        const char* what;
        bool watts;
        const char* limit;        // stored
        const char* typedLimit;   // nullptr: the box as it opened
        const char* typedFault;
        bool storedEnabled, checked;
        QStringList sent;
    };
    const Case cases[] = {
        {"watts typed", true, "50.0", "200", nullptr, false, false, {"PO53.0"}},
        {"all three", false, "47.0", "45", "4", false, true, {"PO45.0", "POO4.0", "PO1"}},
        {"enable off", false, "47.0", nullptr, nullptr, true, false, {"PO0"}},
        {"untouched watts box", true, "47.05", nullptr, nullptr, false, false, {}},
        {"dBm box tidied", false, "47.05", "47.1", "3.0", false, false, {}},
    };
    ForEachCaseTakenAndRefused<Case>(cases, [](SettingsUnit& u, const Case& k, bool refused) {
        SCOPED_TRACE(k.what);
        const UnitConfig& c = u.p().unit.config;
        storeLimit(u.p(), k.watts, k.limit, "3.0", k.storedEnabled);
        frmPwrLimit d(u.p(), {});
        const bool closed = u.show<frmPwrLimit>(d, [&](frmPwrLimit& f) {
            if (k.typedLimit)
                f.ui.Text1->setText(k.typedLimit);
            if (k.typedFault)
                f.ui.Text2->setText(k.typedFault);
            f.ui.Check1->setChecked(k.checked);
            f.ui.OKButton->click();
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(u.sent(), k.sent);
        const bool limitTaken = !refused && !k.sent.isEmpty() && k.sent[0].contains('.');
        EXPECT_EQ(c.MaxPowerLimitValue, limitTaken ? k.sent[0].mid(2) : QString(k.limit));
        EXPECT_EQ(c.MaxPowerFaultLevel, !refused && k.sent.size() > 1 ? k.sent[1].mid(3) : QString("3.0"));
        EXPECT_EQ(c.MaxPowerLimitEnabled, refused ? k.storedEnabled : k.checked);
    });
}

TEST(frmPwrLimit, AnEmptyLimitBoxIsNamedAndNothingIsSent)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    storeLimit(t.p(), false, "", "3.0", false);
    frmPwrLimit d(t.p(), {});
    int finished = 0;
    QObject::connect(&d, &QDialog::finished, [&finished] { ++finished; });
    d.ui.Text2->setText("5");
    d.ui.Check1->setChecked(true);
    d.ui.OKButton->click();
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(t.commands.isEmpty());
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Max RF Power Level");
    EXPECT_EQ(t.prompts.boxes[0].text, "Max Power Level: enter a number.");
}

TEST(frmPwrLimit, TheLimitBoxKeysAndItsTidyingOnlyWhenLeft)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    storeLimit(t.p(), false, "47.0", "-1", false);
    frmPwrLimit d(t.p(), {});
    EXPECT_EQ(TabChain(d, d.ui.Text1), QStringList({"Text1", "Check1", "OKButton", "CancelButton"}));   // no fault box
    d.ui.Text1->setFocus(Qt::MouseFocusReason);
    d.ui.Text1->clear();
    QTest::keyClicks(d.ui.Text1, "a-4.5\r");
    EXPECT_EQ(d.ui.Text1->text(), "4.5");
    EXPECT_FALSE(d.isHidden());   // Enter pressed no button

    // Local mode: each key shows the box and is still typed; the box's focus loss to the
    // message box tidies nothing, and leaving leaves a text the dialog does not take as typed.
    t.p().conn.RemoteMode = false;
    t.prompts.whileOpen = [&d] {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(d.ui.Text1, &out);
    };
    QTest::keyClicks(d.ui.Text1, "x");
    EXPECT_EQ(d.ui.Text1->text(), "4.5x");
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Not in Remote Mode");
    d.ui.Check1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.ui.Text1->text(), "4.5x");
    d.ui.Text1->setText("4.56");
    d.ui.Text1->setFocus(Qt::TabFocusReason);
    d.ui.Check1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.ui.Text1->text(), "4.6");
    EXPECT_TRUE(t.commands.isEmpty());
    ExpectBoxesNamed(d);
    EXPECT_TRUE(EscCloses(d));
}

// A valid limit beside a fault level the dialog does not take: nothing at all is sent, the
// box names the fault level and the focus goes back to its box; the limit goes once mended.
TEST(frmPwrLimit, NoHalfOfAnEntryIsSentAndTheRefusedFieldGetsTheFocus)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    storeLimit(t.p(), false, "47.0", "3.0", false);
    t.replies["PO45.0"] = "";
    t.replies["POO2.0"] = "";
    frmPwrLimit d(t.p(), typednum::Between(26, 55, "#0.0", "dBm"));
    d.show();
    d.ui.Text1->setText("45");
    d.ui.Text2->setText("abc");
    d.ui.OKButton->setFocus();
    d.ui.OKButton->click();
    EXPECT_TRUE(t.commands.isEmpty());
    EXPECT_FALSE(d.isHidden());
    EXPECT_EQ(d.focusWidget(), d.ui.Text2);
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Fault Level: enter a number from 0.1 to 99.9 dB, at most 4 characters.");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);

    d.ui.Text2->setText("2");
    d.ui.OKButton->click();
    EXPECT_EQ(t.commands, QByteArrayList({"PO45.0", "POO2.0"}));
    EXPECT_TRUE(d.isHidden());
}
