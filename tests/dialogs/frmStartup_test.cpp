// The start-up state dialog: the stored state shown on opening, each choice sent at once
// against the simulated unit over the pseudo-terminal and loopback TCP, refusals and local
// mode putting the stored option back, and the keyboard.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "dialogs/frmStartup.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include <QPushButton>
#include <QAccessible>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The option shown selected: "Normal", "Off", "On", or "" for none.
QString selected(const frmStartup& d)
{
    for (const QRadioButton* o : {d.ui.optNorm, d.ui.optOff, d.ui.optOn})
        if (o->isChecked())
            return o->text();
    return {};
}

}   // namespace

TEST(frmStartup, OpensWithTheStoredStateAndSendsNothing)
{
    struct Case {
        qint16 stored;
        const char* shown;
        bool othersEnabled;
    };
    const Case cases[] = {{-1, "Normal", false}, {0, "Normal", true}, {1, "Off", true}, {2, "On", true}, {7, "", true}};
    for (const Case& c : cases) {
        TestProgram t;
        t.p().conn.RemoteMode = true;
        t.p().unit.config.StartupMode = c.stored;
        frmStartup d(t.p());
        EXPECT_EQ(selected(d), c.shown) << c.stored;
        EXPECT_EQ(d.ui.optOff->isEnabled(), c.othersEnabled) << c.stored;
        EXPECT_EQ(d.ui.optOn->isEnabled(), c.othersEnabled) << c.stored;
        EXPECT_TRUE(t.commands.isEmpty()) << c.stored;
        EXPECT_FALSE(t.p().conn.FormUpdating);
    }
    TestProgram t;
    EXPECT_EQ(frmStartup(t.p()).windowTitle(), "Amplifier Startup ");
}

TEST(frmStartup, EachChoiceIsSentAtOnceAndTheDialogStaysOpen)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SettingsUnit u(link);
        ASSERT_TRUE(u.ready());
        u.p().unit.config.StartupMode = 0;
        frmStartup d(u.p());
        int finished = 0;
        QObject::connect(&d, &QDialog::finished, [&finished] { ++finished; });
        bool openAfterChoices = false;
        const bool closed = u.show<frmStartup>(d, [&](frmStartup& f) {
            f.ui.optOff->click();
            f.ui.optOn->click();
            f.ui.optOn->click();   // already selected: nothing
            openAfterChoices = finished == 0;
            f.ui.Command1->click();
        });
        EXPECT_EQ(u.sent(), QStringList({"PX1", "PX2"}));
        EXPECT_EQ(u.p().unit.config.StartupMode, 2);
        EXPECT_TRUE(openAfterChoices);
        EXPECT_TRUE(closed);
        EXPECT_TRUE(u.boxes().isEmpty());
    }
}

TEST(frmStartup, ARefusalOrLocalModeSelectsTheStoredStateAgain)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SettingsUnit u(link);
        ASSERT_TRUE(u.ready());
        u.p().unit.config.StartupMode = 1;
        u.refuseAll(true);
        frmStartup d(u.p());
        d.ui.optOn->click();
        EXPECT_EQ(u.sent(), QStringList({"PX2"}));
        EXPECT_EQ(u.p().unit.config.StartupMode, 1);
        EXPECT_EQ(selected(d), "Off");
        d.ui.optNorm->click();   // the stored state's option counts as selected again
        EXPECT_EQ(u.sent(), QStringList({"PX2", "PX0"}));

        u.clear();
        u.refuseAll(false);
        u.p().conn.RemoteMode = false;
        d.ui.optOn->click();
        EXPECT_TRUE(u.sent().isEmpty());
        EXPECT_EQ(u.boxes(), QStringList({"Communication Error: Not in Remote Mode"}));
        EXPECT_EQ(selected(d), "Off");
        EXPECT_EQ(u.p().unit.config.StartupMode, 1);
    }
}

TEST(frmStartup, ArrowKeysOnlyBrowseSpaceChoosesEscCloses)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    t.p().unit.config.StartupMode = 0;
    t.replies["PX2"] = "";
    frmStartup d(t.p());
    // Radio buttons to assistive technology, the group one Tab stop.
    for (QRadioButton* o : {d.ui.optNorm, d.ui.optOff, d.ui.optOn})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(o)->role(), QAccessible::RadioButton);
    EXPECT_EQ(TabChain(d, d.ui.optNorm), QStringList({"optNorm", "Command1"}));
    d.ui.optNorm->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.ui.optNorm, Qt::Key_Down);
    QTest::keyClick(d.ui.optOff, Qt::Key_Down);
    EXPECT_TRUE(d.ui.optOn->hasFocus());
    QTest::keyClick(d.ui.optOn, Qt::Key_Down);   // the last one: the focus stays
    QTest::keyClick(d.ui.optOn, Qt::Key_Up);
    EXPECT_TRUE(d.ui.optOff->hasFocus());
    EXPECT_EQ(selected(d), "Normal");
    EXPECT_TRUE(t.commands.isEmpty());
    QTest::keyClick(d.ui.optOff, Qt::Key_Right);
    QTest::keyClick(d.ui.optOn, Qt::Key_Space);
    EXPECT_EQ(t.commands, QByteArrayList({"PX2"}));
    EXPECT_EQ(selected(d), "On");
    EXPECT_EQ(TabChain(d, d.ui.optOn), QStringList({"optOn", "Command1"}));   // the stop follows the focus
    EXPECT_TRUE(EscCloses(d));
}
