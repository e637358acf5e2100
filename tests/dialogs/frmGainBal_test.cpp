// The gain balance dialog: Ok against the simulated unit over the pseudo-terminal and
// loopback TCP (value first, then the enable, each only when changed and kept only when the
// unit took it), the value box's key filter, and the keyboard.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "dialogs/frmGainBal.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(frmGainBal, OkSendsTheValueThenTheEnableEachOnlyWhenChanged)
{
    struct Case {
        const char* storedValue;
        bool storedEnabled;
        const char* typed;
        bool checked;
        QStringList sent;
    };
    const Case cases[] = {
        {"0.0", false, "1", false, {"PG1.0"}},
        {"2.0", false, "2", true, {"PG1"}},
        {"0.5", false, "1.5", true, {"PG1.5", "PG1"}},
        {"2.0", true, "2.", false, {"PG0"}},
        {"2.0", true, "2", true, {}},
    };
    ForEachCaseTakenAndRefused<Case>(cases, [](SettingsUnit& u, const Case& k, bool refused) {
        SCOPED_TRACE(k.typed);
        UnitConfig& c = u.p().unit.config;
        c.GainBalanceValue = k.storedValue;
        c.GainBalanceEnabled = k.storedEnabled;
        frmGainBal d(u.p());
        EXPECT_EQ(d.ui.Text1->text(), k.storedValue);
        EXPECT_EQ(d.ui.Check1->isChecked(), k.storedEnabled);
        const bool closed = u.show<frmGainBal>(d, [&](frmGainBal& f) {
            f.ui.Text1->clear();
            QTest::keyClicks(f.ui.Text1, k.typed);
            f.ui.Check1->setChecked(k.checked);
            f.ui.btnOk->click();
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(u.sent(), k.sent);
        // Only what the unit took is kept.
        const bool valueSent = !k.sent.isEmpty() && k.sent[0].contains('.');
        EXPECT_EQ(c.GainBalanceValue, valueSent && !refused ? k.sent[0].mid(2) : QString(k.storedValue));
        EXPECT_EQ(c.GainBalanceEnabled, refused ? k.storedEnabled : k.checked);
    });
}

// A value the unit reported is shown whole, however long: Ok without an edit sends nothing.
TEST(frmGainBal, AReportedValueLongerThanTheBoxIsShownWholeAndOkSendsNothing)
{
    for (const char* value : {"-12.5", "10.25"}) {
        SCOPED_TRACE(value);
        TestProgram t;
        t.p().conn.RemoteMode = true;
        t.p().unit.config.GainBalanceValue = value;
        frmGainBal d(t.p());
        EXPECT_EQ(d.ui.Text1->text(), value);
        d.ui.btnOk->click();
        EXPECT_TRUE(t.commands.isEmpty());
        EXPECT_EQ(t.p().unit.config.GainBalanceValue, value);
    }
}

TEST(frmGainBal, TheValueBoxTakesDigitsAndOnePointOnlyAndNothingInLocalMode)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    frmGainBal d(t.p());
    QTest::keyClicks(d.ui.Text1, "-1a.5\r");
    EXPECT_EQ(d.ui.Text1->text(), "1.5");
    QTest::keyClick(d.ui.Text1, Qt::Key_Backspace);
    QTest::keyClicks(d.ui.Text1, "2345");
    EXPECT_EQ(d.ui.Text1->text(), "1.2345");   // cut short by nothing: Ok names it
    EXPECT_TRUE(t.commands.isEmpty());

    t.p().conn.RemoteMode = false;
    QTest::keyClicks(d.ui.Text1, "\b7");
    EXPECT_EQ(d.ui.Text1->text(), "1.2345");
    ASSERT_EQ(t.prompts.boxes.size(), 2);
    EXPECT_EQ(t.prompts.boxes[1].text, "Not in Remote Mode");
}

TEST(frmGainBal, CancelSendsNothingAndTheKeyboardReachesEveryControl)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    t.p().unit.config.GainBalanceValue = "1.0";
    frmGainBal d(t.p());
    EXPECT_EQ(d.windowTitle(), "Gain Balance");
    ExpectBoxesNamed(d);
    EXPECT_EQ(d.ui.Text1->accessibleName(), "Gain balance value");
    EXPECT_EQ(TabChain(d, d.ui.Check1), QStringList({"Check1", "Text1", "btnOk", "btnCancel"}));
    d.ui.Text1->setFocus();
    QTest::keyClicks(d.ui.Text1, "5");
    EXPECT_TRUE(EscCloses(d));
    EXPECT_TRUE(t.commands.isEmpty());
    EXPECT_EQ(t.p().unit.config.GainBalanceValue, "1.0");

    frmGainBal cancelled(t.p());
    cancelled.ui.Check1->setChecked(true);
    cancelled.ui.btnCancel->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_TRUE(t.commands.isEmpty());
}
