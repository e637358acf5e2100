// The menu entries that act at once: the setting toggles, the return loss, the unit actions,
// the sub-band items and the program's own entries.
#include "LinkedWindow.h"
#include "app/Program.h"
#include "link/Transaction.h"
#include "support/FakeShell.h"
#include "support/MainWindowProgram.h"
#include "app/MenuDialogRunner.h"
#include "status/PollLoop.h"
#include "status/WindowStates.h"
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Makes the unit acknowledge or refuse `command`.
void unitTakes(SimUnit& unit, const QByteArray& command, bool acknowledged)
{
    unit.editProfile([&](SimUnitProfile& profile) {
        profile.set(command, command);
        profile.behaviour[command].kind = acknowledged ? SimBehaviour::Answer : SimBehaviour::Nak;
    });
}

class SettingMenusOverLink : public testing::TestWithParam<UnitLink> {};

TEST_P(SettingMenusOverLink, TogglesChangeTheirMarkOnlyWhenTheUnitTookTheCommand)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    frmMainUi& ui = u.w().ui;
    struct Toggle {
        QAction* entry;
        bool remoteTest;
        const char* whenTicked;   // sent when the entry is ticked before the click
        const char* whenUnticked;
    };
    // The up-converter word is 1537 (bits 0, 9 and 10) before each click.
    const Toggle toggles[] = {
        {ui.mnuHeaterState, true, "PBH0", "PBH1"},    {ui.mnuHtrStby, true, ":0", ":1"},
        {ui.mnuLEDMode, true, "PBW0", "PBW1"},        {ui.mnuRfiInvert, true, "PTI1", "PTI0"},
        {ui.mnuAutoHVDisable, false, "PBA1", "PBA0"}, {ui.mnuAutoClrBUC, true, "YM1025", "YM1537"},
    };
    for (const Toggle& t : toggles)
        for (const bool tickedBefore : {true, false})
            for (const bool remote : {true, false})
                for (const bool acknowledged : {true, false}) {
                    const QByteArray command = tickedBefore ? t.whenTicked : t.whenUnticked;
                    SCOPED_TRACE(t.entry->text().toStdString() + (tickedBefore ? ", ticked" : ", unticked") +
                                 (remote ? ", remote" : ", local") + (acknowledged ? ", ACK" : ", NAK"));
                    Program& p = u.p();
                    p.conn.RemoteMode = remote;
                    p.unit.id.OptionWord = 1537;
                    p.unit.features.XmitRestoreDisabled = tickedBefore && t.entry == ui.mnuAutoHVDisable;
                    t.entry->setEnabled(true);
                    t.entry->setChecked(tickedBefore);
                    unitTakes(u.unit(), command, acknowledged);
                    u.clearLogs();

                    t.entry->trigger();

                    const bool sends = remote || !t.remoteTest;
                    EXPECT_EQ(u.unit().commands(), sends ? QByteArrayList{command} : QByteArrayList{});
                    EXPECT_EQ(u.boxes(), sends ? QStringList{} : QStringList{notRemote});
                    const bool changed = sends && acknowledged;
                    EXPECT_EQ(t.entry->isChecked(), changed ? !tickedBefore : tickedBefore);
                    if (t.entry == ui.mnuAutoClrBUC) {
                        EXPECT_EQ(p.unit.id.OptionWord, changed ? command.mid(2).toInt() : 1537);
                    }
                    if (t.entry == ui.mnuAutoHVDisable) {
                        EXPECT_EQ(p.unit.features.XmitRestoreDisabled, t.entry->isChecked());
                    }
                }
}

TEST_P(SettingMenusOverLink, UnitActionsAndSubBandItemsSendInLocalMode)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    frmMain& w = u.w();
    u.p().conn.RemoteMode = false;
    for (const char* c : {"PCT", "PCS", "PBS3"})
        unitTakes(u.unit(), c, true);
    const std::pair<QAction*, QByteArray> actions[] = {{w.ui.mnuWgArcTest, "PCT"}, {w.ui.mnuSumFltTest, "PCS"}};
    for (const auto& [entry, command] : actions) {
        u.clearLogs();
        entry->setEnabled(true);
        entry->trigger();
        EXPECT_EQ(u.unit().commands(), QByteArrayList{command});
        EXPECT_TRUE(u.boxes().isEmpty());
    }

    u.clearLogs();
    QAction* item = w.ui.subBandItem(3);
    item->setText("#3   31.55 GHz");
    item->setEnabled(true);
    item->trigger();
    const QByteArrayList sent = u.unit().commands();
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "PBS3");
    EXPECT_GT(sent.indexOf("PG?"), 0);
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#3   31.55 GHz");
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(u.boxes().isEmpty());
}

TEST_P(SettingMenusOverLink, RebootDisconnectsWhateverTheUnitAnswers)
{
    for (const bool acknowledged : {true, false}) {
        SCOPED_TRACE(acknowledged ? "ACK" : "NAK");
        LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
        ASSERT_TRUE(u.ready());
        unitTakes(u.unit(), "~", acknowledged);
        u.p().conn.RemoteMode = false;   // no remote test
        u.w().ui.mnuReboot->setEnabled(true);
        u.w().ui.mnuReboot->trigger();
        EXPECT_EQ(u.unit().commands(), QByteArrayList{"~"});
        EXPECT_EQ(u.w().ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(u.w().Timer1.isActive());
    }
}

TEST(SettingMenusOverTcp, AnEntryUsedDuringAPollWaitActsOnceAfterTheReply)
{
    LinkedWindow u(UnitLink::Tcp, QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    u.p().conn.RemoteMode = true;
    unitTakes(u.unit(), "PBH1", true);
    u.unit().editProfile([](SimUnitProfile& profile) { profile.behaviour["?!#("].delayMs = 300; });
    QAction* heater = u.w().ui.mnuHeaterState;
    heater->setEnabled(true);
    u.w().ui.mnuGainBal->setEnabled(true);
    heater->setChecked(false);
    bool dialogOpenedInWait = false;
    u.w().menuDialogs().menuDialogs.registerFactory(MenuDialog::GainBal, [&](Program& p, frmMain& w) {
        dialogOpenedInWait = TransactionInFlight(p);
        return std::make_unique<QDialog>(&w);
    });
    QTimer::singleShot(50, [&] {
        ASSERT_TRUE(TransactionInFlight(u.p()));
        heater->trigger();
        u.w().ui.mnuGainBal->trigger();
    });
    EXPECT_TRUE(u.w().poll().UpdateStatus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return u.prompts.modalRuns == 1; }, 3000));
    QTest::qWait(50);
    EXPECT_FALSE(dialogOpenedInWait);
    const QByteArrayList log = u.unit().commands();
    EXPECT_EQ(log.count("PBH1"), 1);
    EXPECT_EQ(log.first(), "?!#(");
    EXPECT_TRUE(heater->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Links, SettingMenusOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });

// The window on the fake line, connected and in remote mode, polling.
struct ConnectedWindow : MainWindowProgram {
    ConnectedWindow()
    {
        BeginConnection(p(), false);
        p().conn.RemoteMode = true;
        w().Timer1.start();
    }
};

TEST(AutoClearUpConverterMenu, ClearsAndSetsBitNineOfTheWholeWord)
{
    ConnectedWindow t;
    QAction* entry = t.w().ui.mnuAutoClrBUC;
    t.p().unit.id.OptionWord = 1537;
    entry->setChecked(true);
    t.replies["YM1025"] = "";
    t.replies["YM1537"] = "";
    entry->trigger();
    entry->trigger();
    EXPECT_EQ(t.commands, QByteArrayList({"YM1025", "YM1537"}));
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(t.p().unit.id.OptionWord, 1537);

    // A word with bit 15 set goes out as the negative 16-bit number.
    t.commands.clear();
    t.p().unit.id.OptionWord = -32767;   // 0x8001
    entry->setChecked(false);
    t.replies["YM-32255"] = "";   // 0x8201
    entry->trigger();
    EXPECT_EQ(t.commands, QByteArrayList({"YM-32255"}));
    EXPECT_TRUE(entry->isChecked());
}

// An answer the box does not take is named and asked again (here answered with Cancel); one
// the unit does not take is told.
TEST(ReturnLossMenu, SendsAnAnswerFromZeroAndStoresItOnlyWhenTaken)
{
    const QString takes = "Return Loss Level (dB): Return Loss: enter a number from 0.0 to 999.9 dB.";
    struct Case {
        const char* answer;   // "" is also a cancel
        bool acknowledged;
        QByteArrayList sent;
        float stored;
        QStringList boxes;
    };
    const Case cases[] = {
        {"12.34", true, {"PS12.3"}, 12.34f, {}},
        {"7", true, {"PS7.0"}, 7.0f, {}},
        {"0", true, {"PS0.0"}, 0.0f, {}},
        {"18.5", false, {"PS18.5"}, 14.5f, {"Return Loss Level (dB): The unit did not take: return loss 18.5 dB."}},
        {"-1", true, {}, 14.5f, {takes}},
        {"abc", true, {}, 14.5f, {takes}},
        {"", true, {}, 14.5f, {}},
    };
    for (const Case& c : cases) {
        for (const bool pollBefore : {true, false}) {
            SCOPED_TRACE(std::string("answer '") + c.answer + (pollBefore ? "', polling" : "', not polling"));
            ConnectedWindow t;
            if (!pollBefore)
                t.w().Timer1.stop();
            t.p().unit.config.ReturnLossLevel = 14.5f;
            for (const QByteArray& s : c.sent)
                if (c.acknowledged)
                    t.replies[s] = "";
            t.prompts.inputAnswers << c.answer;
            bool pollWhileOpen = true;
            t.prompts.whileOpen = [&] { pollWhileOpen = t.w().Timer1.isActive(); };
            t.w().ui.mnuReturnLoss->trigger();
            const bool askedAgain = c.boxes == QStringList{takes};
            ASSERT_EQ(t.prompts.inputs.size(), askedAgain ? 2 : 1);
            EXPECT_EQ(t.prompts.inputs[0].title, "Return Loss Level (dB)");
            EXPECT_EQ(t.prompts.inputs[0].text, "Enter New Return Loss Value (dB)\r\n\r\nCurrent Value: 14.5");
            EXPECT_EQ(t.commands, c.sent);
            EXPECT_FLOAT_EQ(t.p().unit.config.ReturnLossLevel, c.stored);
            QStringList boxes;
            for (const FakePrompts::Box& b : t.prompts.boxes)
                boxes << b.title + ": " + b.text;
            EXPECT_EQ(boxes, c.boxes);
            EXPECT_FALSE(pollWhileOpen);
            EXPECT_TRUE(t.w().Timer1.isActive());
        }
    }
}

TEST(ReturnLossMenu, TheCurrentValueIsAPlainNumber)
{
    const std::pair<float, const char*> cases[] = {
        {14.5f, "14.5"}, {7.0f, "7"}, {12.34f, "12.34"}, {0.0f, "0"}, {1e11f, "99999997952"}};
    for (const auto& [level, shown] : cases) {
        SCOPED_TRACE(shown);
        ConnectedWindow t;
        t.p().unit.config.ReturnLossLevel = level;
        t.w().ui.mnuReturnLoss->trigger();
        ASSERT_EQ(t.prompts.inputs.size(), 1);
        EXPECT_EQ(t.prompts.inputs[0].text.section("Current Value: ", 1), shown);
    }
}

TEST(ReturnLossMenu, RefusedInLocalModeAndOnAUnitWithoutTheSetting)
{
    ConnectedWindow t;
    t.p().unit.config.ReturnLossLevel = 3.0f;
    t.p().conn.RemoteMode = false;
    t.w().ui.mnuReturnLoss->trigger();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Not in Remote Mode");

    ConnectedWindow none;
    none.w().Timer1.stop();
    none.p().unit.config.ReturnLossLevel = -1.0f;
    none.w().ui.mnuReturnLoss->trigger();
    ASSERT_EQ(none.prompts.boxes.size(), 1);
    EXPECT_EQ(none.prompts.boxes[0].title, "Return Loss");
    EXPECT_EQ(none.prompts.boxes[0].text, "Feature Not Supported by Unit");
    EXPECT_EQ(none.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(none.prompts.inputs.isEmpty());
    EXPECT_TRUE(none.commands.isEmpty());
    EXPECT_TRUE(none.w().Timer1.isActive());   // running afterwards, also when it was off
}

TEST(OpenWebpageMenu, OpensOnlyAnAddressOfFourNumbers)
{
    struct Case {
        const char* address;
        const char* opened;   // nullptr: the error box
    };
    const Case cases[] = {
        {"192.168.1.20", "http://192.168.1.20"},
        {"010.0.0.1", "http://10.0.0.1"},
        {"1.2.3.4.5", nullptr},
        {"300.1.1.1", nullptr},
        {"a1.b2.c3.d4", nullptr},
        {"unit.example", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        ConnectedWindow t;
        t.p().conn.UnitIPAddress = c.address;
        t.w().ui.mnuOpenWebpage->trigger();
        if (c.opened) {
            EXPECT_EQ(t.shell.opened, QStringList{c.opened});
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
        } else {
            EXPECT_TRUE(t.shell.opened.isEmpty());
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            EXPECT_EQ(t.prompts.boxes[0].title, "IP Address Error");
            EXPECT_EQ(t.prompts.boxes[0].text, "Invalid IP Address");
            EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
        }
    }
}

TEST(ModelCfgPartNumberMenu, ShowsThePartNumberWithOkOnlyAndNoIcon)
{
    ConnectedWindow t;
    t.p().unit.id.ModelCfgPartNo = "461-2097-113 Rev C";
    t.w().ui.mnuModelCfgPN->trigger();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Model Config File");
    EXPECT_EQ(t.prompts.boxes[0].text, "Model Config Part Number and Revision: \r\n\r\n461-2097-113 Rev C");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::None);
    EXPECT_EQ(t.prompts.boxes[0].buttons, PromptButtons::Ok);
}

TEST(CurrentSenseAndPsVsetMenus, LeaveThePollRunning)
{
    for (const bool pollBefore : {true, false}) {
        ConnectedWindow t;
        if (!pollBefore)
            t.w().Timer1.stop();
        for (QAction* entry : {t.w().ui.mnuISense, t.w().ui.mnuPsVset}) {
            entry->trigger();
            EXPECT_TRUE(t.w().Timer1.isActive()) << entry->text().toStdString();
        }
        EXPECT_TRUE(t.commands.isEmpty());
    }
    ConnectedWindow gone;
    EndConnection(gone.p());
    gone.w().ui.mnuISense->trigger();
    EXPECT_FALSE(gone.w().Timer1.isActive());   // never for a connection that has ended
}

TEST(ExitMenu, ClosesTheWindowWithTheSettingsSaved)
{
    MainWindowProgram t;
    t.w().show();
    t.p().conn.PollAddress = 'K';
    t.w().ui.mnuFileExit->trigger();
    EXPECT_FALSE(t.w().isVisible());
    EXPECT_EQ(t.settings.getText("Settings", "PollAddress", ""), QString::number('K'));
}

}   // namespace

namespace {

// Every entry of the menu bar's menus and their submenus, submenus' own entries left out.
QList<QAction*> leafEntries(QMenuBar* bar)
{
    QList<QAction*> found;
    QList<QMenu*> menus;
    for (QAction* a : bar->actions())
        if (a->menu())
            menus << a->menu();
    while (!menus.isEmpty()) {
        for (QAction* a : menus.takeFirst()->actions()) {
            if (a->menu())
                menus << a->menu();
            else if (!a->isSeparator())
                found << a;
        }
    }
    return found;
}

}   // namespace

// Once connected every entry shown enabled does something when chosen. The entries the
// program offers no action for are shown disabled whatever the window does, the attenuator
// calibration scan not at all, and the two configuration entries keep the tick the unit's
// option word gave them.
TEST(MenuEntries, EveryEntryShownEnabledActsAndTheOthersStayDisabled)
{
    LinkedWindow u(UnitLink::Serial, QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    frmMainUi& ui = u.w().ui;
    const QAction* notOffered[] = {ui.mnuFltAlm, ui.mnuRfBandCfg,    ui.mnuRRfOffset, ui.mnuCathCurInit,
                                   ui.mnuRack,   ui.mnu2ndUmbilical, ui.mnuClrHrs,    ui.mnuMfgInfo};
    const bool rack = ui.mnuRack->isChecked();
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(ui.mnuAtnCal->isVisible());
        for (const QAction* a : notOffered)
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString() << " round " << round;
        u.w().states().DisableForm();
        u.w().states().EnableForm();
        u.w().states().ShowConnectedWindow();
        u.w().Timer1.stop();
    }
    for (QAction* a : {ui.mnuRack, ui.mnu2ndUmbilical}) {
        const bool ticked = a->isChecked();
        a->trigger();
        EXPECT_EQ(a->isChecked(), ticked) << a->objectName().toStdString();
    }
    EXPECT_EQ(ui.mnuRack->isChecked(), rack);
    EXPECT_TRUE(u.unit().commands().isEmpty());
    // A handler of the window's own on every entry shown enabled (disconnecting finds it).
    for (QAction* a : leafEntries(u.w().menuBar())) {
        if (a->isVisible() && a->isEnabled()) {
            EXPECT_TRUE(QObject::disconnect(a, &QAction::triggered, &u.w(), nullptr)) << a->objectName().toStdString();
        }
    }
}
