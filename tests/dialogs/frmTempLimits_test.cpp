// The temperature trip levels dialog against the simulated unit over the pseudo-terminal and
// loopback TCP: each level by Enter or OK with its numbered-parameter fallback, the latch
// box, what is kept when the unit refuses, the level boxes' keys and the keyboard.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "dialogs/frmTempLimits.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void storeLevels(Program& p, bool pic, bool latch)
{
    p.unit.flags.PicProcessorUnit = pic;
    p.unit.config.TempFaultLevel = "60";
    p.unit.config.TempAlarmLevel = "55";
    p.unit.config.LatchTempFaults = latch;
}

}   // namespace

TEST(frmTempLimits, OkSendsEachChangedLevelWithItsFallback)
{
    struct Case {
        const char* what;
        bool pic;
        QByteArrayList refused;
        QStringList sent;
        bool faultKept, alarmKept;
    };
    const Case cases[] = {
        {"taken", false, {}, {"PBKF65", "PBKA58"}, true, true},
        {"fault by its fallback", false, {"PBKF65"}, {"PBKF65", ".P136 65", "PBKA58"}, true, true},
        {"alarm by its fallback", false, {"PBKA58"}, {"PBKF65", "PBKA58", ".P179 58"}, true, true},
        {"PIC processor", true, {}, {".P4 65", "PBKA58"}, true, true},
        {"all refused",
         false,
         {"PBKF65", ".P136 65", "PBKA58", ".P179 58"},
         {"PBKF65", ".P136 65", "PBKA58", ".P179 58"},
         false,
         false},
        {"PIC fault refused", true, {".P4 65"}, {".P4 65", "PBKA58"}, false, true},
    };
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        for (const Case& k : cases) {
            SCOPED_TRACE(k.what);
            SettingsUnit u(link);
            ASSERT_TRUE(u.ready());
            u.refuse(k.refused);
            storeLevels(u.p(), k.pic, false);
            frmTempLimits d(u.p());
            const bool closed = u.show<frmTempLimits>(d, [](frmTempLimits& f) {
                f.ui.txtFltTripLvl->setText("65");
                f.ui.txtAlrmTripLvl->setText("58");
                f.ui.btnOK->click();
            });
            EXPECT_TRUE(closed);
            EXPECT_EQ(u.sent(), k.sent);
            EXPECT_EQ(u.p().unit.config.TempFaultLevel, k.faultKept ? "65" : "60");
            EXPECT_EQ(u.p().unit.config.TempAlarmLevel, k.alarmKept ? "58" : "55");
        }
    }
}

// A level the unit reported is shown whole, however long: OK without an edit sends nothing.
TEST(frmTempLimits, AReportedLevelLongerThanTheBoxIsShownWholeAndOkSendsNothing)
{
    for (const char* level : {"1000", "85.5"}) {
        SCOPED_TRACE(level);
        TestProgram t;
        t.p().conn.RemoteMode = true;
        storeLevels(t.p(), false, false);
        t.p().unit.config.TempFaultLevel = level;
        frmTempLimits d(t.p());
        EXPECT_EQ(d.ui.txtFltTripLvl->text(), level);
        d.ui.btnOK->click();
        EXPECT_TRUE(t.commands.isEmpty());
    }
}

TEST(frmTempLimits, EnterSendsAtOnceAndOkSendsOnlyWhatTheUnitHasNotTaken)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SettingsUnit u(link);
        ASSERT_TRUE(u.ready());
        storeLevels(u.p(), false, false);
        u.refuse({"PBKA50", ".P179 50"});
        frmTempLimits d(u.p());
        d.ui.txtFltTripLvl->clear();
        QTest::keyClicks(d.ui.txtFltTripLvl, "70\r");
        EXPECT_EQ(u.sent(), QStringList({"PBKF70"}));
        d.ui.txtAlrmTripLvl->clear();
        QTest::keyClicks(d.ui.txtAlrmTripLvl, "50\r");
        EXPECT_EQ(u.p().unit.config.TempFaultLevel, "70");
        EXPECT_EQ(u.p().unit.config.TempAlarmLevel, "55");
        u.clear();
        d.ui.btnOK->click();   // the refused alarm level goes again, the fault level does not
        EXPECT_EQ(u.sent(), QStringList({"PBKA50", ".P179 50"}));
    }
}

TEST(frmTempLimits, TheLatchIsSentAsSetAndARefusalPutsTheBoxBack)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SettingsUnit u(link);
        ASSERT_TRUE(u.ready());
        storeLevels(u.p(), false, false);
        frmTempLimits unlatched(u.p());
        EXPECT_TRUE(u.sent().isEmpty());

        u.p().unit.config.LatchTempFaults = true;
        frmTempLimits d(u.p());
        EXPECT_EQ(u.sent(), QStringList({"PBKL1"}));   // the load sets the box again
        d.ui.chkLatchFlts->click();
        EXPECT_EQ(u.sent(), QStringList({"PBKL1", "PBKL0"}));
        EXPECT_FALSE(u.p().unit.config.LatchTempFaults);

        u.clear();
        u.refuseAll(true);
        d.ui.chkLatchFlts->click();
        EXPECT_EQ(u.sent(), QStringList({"PBKL1"}));
        EXPECT_FALSE(d.ui.chkLatchFlts->isChecked());
        EXPECT_FALSE(u.p().unit.config.LatchTempFaults);
        d.ui.btnClose->click();
        EXPECT_EQ(u.sent(), QStringList({"PBKL1"}));
    }
}

TEST(frmTempLimits, TheLevelBoxesTakeDigitsOnly)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    storeLevels(t.p(), true, false);
    frmTempLimits d(t.p());
    EXPECT_TRUE(d.ui.chkLatchFlts->isHidden());
    d.ui.txtFltTripLvl->clear();
    d.ui.txtAlrmTripLvl->clear();
    QTest::keyClicks(d.ui.txtFltTripLvl, "-1.2a345");
    QTest::keyClicks(d.ui.txtAlrmTripLvl, "1234");
    d.ui.txtAlrmTripLvl->insert("5x");                // a paste of anything but digits is refused
    EXPECT_EQ(d.ui.txtFltTripLvl->text(), "12345");   // cut short by nothing: OK names it
    EXPECT_EQ(d.ui.txtAlrmTripLvl->text(), "1234");

    t.p().conn.RemoteMode = false;
    QTest::keyClicks(d.ui.txtAlrmTripLvl, "6\r");
    EXPECT_EQ(d.ui.txtAlrmTripLvl->text(), "1234");
    EXPECT_EQ(t.prompts.boxes.size(), 2);
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmTempLimits, TheKeyboardReachesEveryControl)
{
    TestProgram t;
    storeLevels(t.p(), false, false);
    frmTempLimits d(t.p());
    EXPECT_EQ(d.windowTitle(), "Temperature Trip Levels");
    ExpectBoxesNamed(d);
    EXPECT_EQ(d.ui.txtFltTripLvl->accessibleName(), "Temperature fault trip level");
    EXPECT_EQ(TabChain(d, d.ui.txtFltTripLvl),
              QStringList({"txtFltTripLvl", "txtAlrmTripLvl", "chkLatchFlts", "btnOK", "btnClose"}));
    EXPECT_TRUE(EscCloses(d));
    EXPECT_TRUE(t.commands.isEmpty());
}
