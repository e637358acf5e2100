// The main-window entries that open a dialog: the poll, the link time-out and the steps
// around each dialog, with a stub dialog registered for every entry.
#include "app/Program.h"
#include "link/Transaction.h"
#include "app/MenuDialogs.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitProfile.h"
#include "app/MenuDialogRunner.h"
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Poll { Restore, On, Untouched };

struct Entry {
    const char* name;
    MenuDialog row;
    bool timeout2s;
    Poll poll;
};

const Entry Entries[] = {
    {"Ethernet Cfg", MenuDialog::EnetCfg, true, Poll::Restore},
    {"LLDP COnfiguration", MenuDialog::LLDPCfg, false, Poll::Restore},
    {"Serial Com", MenuDialog::AmpCom, false, Poll::On},
    {"Block UpConverter", MenuDialog::lcBucSetup, true, Poll::Restore},
    {"IF drive label", MenuDialog::lcBucSetup, true, Poll::Restore},
    {"Gain Balance", MenuDialog::GainBal, false, Poll::Restore},
    {"Max Power Level", MenuDialog::MaxPwrLvl, true, Poll::Restore},
    {"Startup Cfg", MenuDialog::StartupCfg, false, Poll::On},
    {"Temperature Trip Levels", MenuDialog::TempTripLevels, false, Poll::On},
    {"Power Save", MenuDialog::PowerSave, false, Poll::On},
    {"Download Parameter Logs", MenuDialog::PLog, false, Poll::On},
    {"Download Trend Logs", MenuDialog::TrendLogs, false, Poll::On},
    {"Cal-Factor Table", MenuDialog::CalFactor, false, Poll::On},
    {"&About ", MenuDialog::HelpAbout, false, Poll::Untouched},
    {"sub-band label", MenuDialog::SetSubBand, false, Poll::On},
};

// The main window on the fake line, connected, in remote mode, with the link time-out at
// 5.0 s and a stub dialog for every entry that records the poll and time-out it sees.
struct MenuWindow {
    explicit MenuWindow(bool pollOn)
    {
        t.replies = sspaProfile().replies;
        BeginConnection(t.p(), false);
        t.p().conn.RemoteMode = true;
        t.p().LinkObject.setMsgTimeout(5.0f);
        if (pollOn)
            w().Timer1.start();
        for (int row = 0; row < MenuDialogCount; ++row)
            w().menuDialogs().menuDialogs.registerFactory(static_cast<MenuDialog>(row),
                                                          [this](Program&, frmMain& window) {
                                                              ++made;
                                                              return std::make_unique<QDialog>(&window);
                                                          });
        t.prompts.modal = [this](QDialog&) {
            pollDuring = w().Timer1.isActive();
            timeoutDuring = t.p().LinkObject.MsgTimeout();
            if (duringDialog)
                duringDialog();
            return 1;
        };
    }
    frmMain& w() { return t.w(); }

    // Uses the entry as the operator does: its menu item, or a double click on its label.
    void open(const Entry& e)
    {
        frmMainUi& ui = w().ui;
        const QString name = e.name;
        if (name == "IF drive label" || name == "sub-band label") {
            QTest::mouseDClick(name == "IF drive label" ? ui.lbllcBucDrive : ui.lblSBandFrq, Qt::LeftButton);
            return;
        }
        for (QAction* a : w().findChildren<QAction*>())
            if (a->text() == name) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no entry " << e.name;
    }
    float timeout() { return t.p().LinkObject.MsgTimeout(); }

    MainWindowProgram t;
    int made = 0;
    bool pollDuring = false;
    float timeoutDuring = 0;
    std::function<void()> duringDialog;
};

}   // namespace

TEST(MenuDialogs, EachEntryHoldsThePollAndTheLinkTimeOutAsItsRuleSays)
{
    for (const Entry& e : Entries) {
        for (const bool pollOn : {true, false}) {
            SCOPED_TRACE(std::string(e.name) + (pollOn ? ", polling" : ", not polling"));
            MenuWindow m(pollOn);
            m.open(e);
            ASSERT_EQ(m.t.prompts.modalRuns, 1);
            EXPECT_EQ(m.pollDuring, e.poll == Poll::Untouched && pollOn);
            EXPECT_FLOAT_EQ(m.timeoutDuring, e.timeout2s ? 2.0f : 5.0f);
            EXPECT_EQ(m.w().Timer1.isActive(), e.poll == Poll::On || pollOn);
            EXPECT_FLOAT_EQ(m.timeout(), 5.0f);
        }
    }
}

TEST(MenuDialogs, ADialogNotMadeOrClosedAtOncePutsBothBack)
{
    for (const Entry& e : {Entries[0], Entries[2], Entries[6]}) {
        SCOPED_TRACE(e.name);
        MenuWindow m(false);
        m.w().menuDialogs().menuDialogs.registerFactory(e.row,
                                                        [](Program&, frmMain&) { return std::unique_ptr<QDialog>(); });
        m.open(e);
        EXPECT_EQ(m.t.prompts.modalRuns, 0);
        EXPECT_EQ(m.w().Timer1.isActive(), e.poll == Poll::On);
        EXPECT_FLOAT_EQ(m.timeout(), 5.0f);

        MenuWindow closed(true);
        closed.t.prompts.modal = [](QDialog&) { return 0; };
        closed.open(e);
        EXPECT_TRUE(closed.w().Timer1.isActive());
        EXPECT_FLOAT_EQ(closed.timeout(), 5.0f);
    }
}

TEST(MenuDialogs, AnEntryWithoutADialogDoesNothing)
{
    MenuWindow m(true);
    m.w().menuDialogs().menuDialogs.registerFactory(MenuDialog::PLog, nullptr);
    m.t.commands.clear();
    m.open(Entries[10]);
    EXPECT_EQ(m.t.prompts.modalRuns, 0);
    EXPECT_TRUE(m.w().Timer1.isActive());
    EXPECT_TRUE(m.t.commands.isEmpty());
}

TEST(MenuDialogs, ALinkDroppedWhileTheDialogIsOpenLeavesThePollOffAndReadsNothing)
{
    for (const Entry& e : {Entries[2], Entries[5], Entries[7]}) {
        SCOPED_TRACE(e.name);
        MenuWindow m(true);
        m.duringDialog = [&m] { EndConnection(m.t.p()); };
        m.t.commands.clear();
        m.open(e);
        EXPECT_FALSE(m.w().Timer1.isActive());
        EXPECT_TRUE(m.t.commands.isEmpty()) << m.t.commands.join(' ').toStdString();
        EXPECT_FLOAT_EQ(m.timeout(), 5.0f);
    }
}

TEST(MenuDialogs, LldpInLocalModeShowsTheBoxAndOpensNothing)
{
    MenuWindow m(true);
    m.t.p().conn.RemoteMode = false;
    m.open(Entries[1]);
    EXPECT_EQ(m.made, 0);
    EXPECT_EQ(m.t.prompts.modalRuns, 0);
    ASSERT_EQ(m.t.prompts.boxes.size(), 1);
    EXPECT_EQ(m.t.prompts.boxes[0].text, "Not in Remote Mode");
    EXPECT_TRUE(m.w().Timer1.isActive());
    EXPECT_FLOAT_EQ(m.timeout(), 5.0f);

    // The other entries open in local mode; their dialogs handle it.
    m.open(Entries[5]);
    EXPECT_EQ(m.t.prompts.modalRuns, 1);
}

TEST(MenuDialogs, NetworkSettingsAreReadAgainOnlyAfterAChangeAndWithinTheShortTimeOut)
{
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "changed" : "unchanged");
        MenuWindow m(false);
        m.t.p().dialogs.EnetSettingsChanged = true;   // cleared before the dialog opens
        m.t.replies.remove("PEI?");                   // unanswered: the read waits out the time-out
        m.duringDialog = [&m, changed] {
            EXPECT_FALSE(m.t.p().dialogs.EnetSettingsChanged);
            m.t.p().dialogs.EnetSettingsChanged = changed;
        };
        m.t.commands.clear();
        const qint64 before = m.t.clock.msNow();
        m.open(Entries[0]);
        const qint64 waited = m.t.clock.msNow() - before;
        EXPECT_EQ(m.t.commands.contains("PEI?"), changed);
        if (changed) {
            EXPECT_GE(waited, 2000);
            EXPECT_LT(waited, 5000);
        }
        EXPECT_FLOAT_EQ(m.timeout(), 5.0f);
    }
}

TEST(MenuDialogs, TheStepsAfterEachDialogReadItsSettingsBack)
{
    struct Case {
        std::size_t entry;
        QByteArrayList reads;   // in this order, among the commands after the dialog
    };
    const Case cases[] = {
        {1, {"QlldpFactorySetup?", "QlldpSetupConfig?"}},
        {2, {"X1?", "X2?", "XR?"}},
        {3, {"PBCA?"}},
        {4, {"PBCA?"}},
    };
    for (const Case& c : cases) {
        const Entry& e = Entries[c.entry];
        SCOPED_TRACE(e.name);
        MenuWindow m(false);
        m.t.p().unit.id.LldpFirmware = true;
        m.t.commands.clear();
        m.open(e);
        qsizetype from = 0;
        for (const QByteArray& read : c.reads) {
            const qsizetype at = m.t.commands.indexOf(read, from);
            EXPECT_GE(at, from) << read.toStdString() << " in " << m.t.commands.join(' ').toStdString();
            from = at < 0 ? from : at + 1;
        }
    }
}

TEST(MenuDialogs, TheConsoleIsShownBesideTheWindowAndOnlyOnce)
{
    MenuWindow m(true);
    m.w().show();
    m.t.commands.clear();
    m.w().ui.mnuCmdLine->trigger();
    m.w().ui.mnuCmdLine->trigger();
    EXPECT_EQ(m.made, 1);
    EXPECT_EQ(m.t.prompts.modalRuns, 0);
    QWidget* console = m.w().menuDialogs().menuDialogs.kept(MenuDialog::CmdLine);
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(m.w().Timer1.isActive());
    EXPECT_TRUE(m.t.commands.isEmpty());

    delete console;   // a console closed for good: the next click makes a new one
    m.w().ui.mnuCmdLine->trigger();
    EXPECT_EQ(m.made, 2);
}
