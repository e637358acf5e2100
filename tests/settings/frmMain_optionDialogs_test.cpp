// The option dialogs opened from their main-window entries: each entry shows its own dialog
// with the poll off and the link time-out its rule gives, and puts the poll back after it.
#include "app/Program.h"
#include "link/Transaction.h"
#include "support/MainWindowProgram.h"
#include "app/MenuDialogRunner.h"
#include <QAction>
#include <QDialog>
#include <gtest/gtest.h>

TEST(OptionDialogEntries, EachEntryOpensItsDialogWithThePollOffAndPutsThePollBack)
{
    struct Entry {
        const char* caption;   // nullptr: the sub-band label's double click
        const char* dialog;
        float timeoutDuring;
        bool pollOnAfterOff;   // poll mode on: running afterwards even when it was off
    };
    const Entry entries[] = {
        {"Startup Cfg", "frmStartup", 5.0f, true},
        {"Gain Balance", "frmGainBal", 5.0f, false},
        {"Power Save", "FrmPowerSave", 5.0f, true},
        {"Max Power Level", "frmPwrLimit", 2.0f, false},
        {"Temperature Trip Levels", "frmTempLimits", 5.0f, true},
        {nullptr, "frmSetSubBand", 5.0f, true},
    };
    for (const Entry& e : entries) {
        for (const bool pollOn : {true, false}) {
            SCOPED_TRACE(std::string(e.dialog) + (pollOn ? ", polling" : ", not polling"));
            MainWindowProgram t;
            BeginConnection(t.p(), false);
            t.p().conn.RemoteMode = true;
            t.p().LinkObject.setMsgTimeout(5.0f);
            if (pollOn)
                t.w().Timer1.start();
            QString shown;
            bool pollDuring = true;
            float timeoutDuring = 0;
            t.prompts.modal = [&](QDialog& d) {
                shown = d.objectName();
                pollDuring = t.w().Timer1.isActive();
                timeoutDuring = t.p().LinkObject.MsgTimeout();
                d.reject();
                return d.result();
            };
            if (!e.caption)
                t.w().menuDialogs().lblSBandFrq_DblClick();
            for (QAction* a : t.w().findChildren<QAction*>())
                if (e.caption && a->text() == e.caption)
                    a->trigger();
            EXPECT_EQ(shown, e.dialog);
            EXPECT_FALSE(pollDuring);
            EXPECT_FLOAT_EQ(timeoutDuring, e.timeoutDuring);
            EXPECT_EQ(t.w().Timer1.isActive(), pollOn || e.pollOnAfterOff);
            EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 5.0f);
            EXPECT_TRUE(t.commands.isEmpty()) << t.commands.join(' ').toStdString();
        }
    }
}
