// The link and display menu entries: "Use Ethernet", "Poll Single Address ", the poll
// address and the power display unit.
#include "app/Program.h"
#include "link/TargetEntries.h"
#include "link/Transaction.h"
#include "support/MainWindowProgram.h"
#include "status/UnitConnection.h"
#include "settings/SettingMenus.h"
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(UseEthernetMenu, TicksTheChoiceAndGuardsAdvancedSearch)
{
    struct Case {
        bool tickedBefore;
        const char* caption;
        bool advancedBefore;
        bool advancedAfter;
    };
    for (const Case& c : {Case{false, "Connect", true, false}, Case{true, "Connect", false, true},
                          Case{true, "Disconnect", false, false}}) {
        SCOPED_TRACE(std::string(c.tickedBefore ? "ticked, " : "unticked, ") + c.caption);
        MainWindowProgram t;
        frmMainUi& ui = t.w().ui;
        ui.mnuUseEnet->setChecked(c.tickedBefore);
        t.p().conn.UseEnet = c.tickedBefore;
        ui.btnConnect->setText(c.caption);
        ui.mnuAdvSrch->setEnabled(c.advancedBefore);
        ui.mnuUseEnet->trigger();   // as the operator picks it: the mark flips once
        EXPECT_EQ(ui.mnuUseEnet->isChecked(), !c.tickedBefore);
        EXPECT_EQ(t.p().conn.UseEnet, !c.tickedBefore);
        EXPECT_EQ(ui.mnuAdvSrch->isEnabled(), c.advancedAfter);
    }
}

TEST(UseEthernetMenu, ALiveSerialConnectionKeepsItsLinkUntilTheNextConnect)
{
    MainWindowProgram t;
    t.replies["1"] = "1DD";
    // Silent on every other query but the status query the first read asks after three.
    t.replies["?!#("] = "?" + QByteArray(12, '@');
    t.replies["?!#9"] = "?" + QByteArray(9, '@');
    t.tcp.st = ITcpSocket::Connected;
    t.w().Form_Load();
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");

    t.w().ui.mnuUseEnet->trigger();
    ASSERT_TRUE(t.p().conn.UseEnet);
    t.commands.clear();
    EXPECT_TRUE(SendUnitCommand(t.p(), "1"));
    EXPECT_EQ(t.commands, QByteArrayList({"1"}));
    EXPECT_TRUE(t.tcp.sent.isEmpty());

    // Disconnecting ends the serial connection; the socket is left alone.
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.tcp.closes, 0);
    EXPECT_FALSE(t.w().ui.mnuExtSrch->isEnabled());
    EXPECT_FALSE(t.w().ui.mnuAdvSrch->isEnabled());
}

TEST(PollSingleAddressMenu, TicksAndGuardsAdvancedSearch)
{
    MainWindowProgram t;
    QAction* item = t.w().ui.mnuPollEn;
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(t.w().ui.mnuAdvSrch->isEnabled());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(t.w().ui.mnuAdvSrch->isEnabled());
}

TEST(PollAddressMenu, TakesOneAddressCharacterAndRefusesTheRest)
{
    struct Case {
        const char* answer;
        bool taken;
    };
    const Case cases[] = {{"K", true},  {"?", true},   {"@", true},  {"Z", true},  {"a", false}, {"g", false},
                          {"1", false}, {"GG", false}, {"[", false}, {">", false}, {" ", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        MainWindowProgram t;
        t.w().Form_Load();
        t.p().conn.PollAddress = 'C';
        t.prompts.inputAnswers << c.answer;
        t.w().ui.mnuPollAdrs->trigger();
        ASSERT_EQ(t.prompts.inputs.size(), 1);
        EXPECT_EQ(t.prompts.inputs[0].text, "Enter Unit Address (A-Z)");
        EXPECT_EQ(t.prompts.inputs[0].title, "Unit Address");
        EXPECT_EQ(t.prompts.lastProposed, "C");
        if (c.taken) {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
            EXPECT_EQ(t.p().conn.PollAddress, QChar::fromLatin1(c.answer[0]).unicode());
            EXPECT_EQ(t.w().ui.mnuPollAdrs->text(), QStringLiteral("Poll Address ") + c.answer);
        } else {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            // The refusal names what is taken.
            EXPECT_EQ(t.prompts.boxes[0].text, "Address Error\r\n\r\nThe address is one character: \"?\", \"@\" or "
                                               "a capital letter \"A\" to \"Z\".");
            EXPECT_EQ(t.prompts.boxes[0].title, "Tubamon");
            EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
            EXPECT_EQ(t.p().conn.PollAddress, 'C');
            EXPECT_EQ(t.w().ui.mnuPollAdrs->text(), "Poll Address A");
        }
    }
    // An empty answer (or Cancel) changes nothing and says nothing.
    MainWindowProgram t;
    t.w().settingMenus().mnuPollAdrs_Click();
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_EQ(t.p().conn.PollAddress, 65);
}

TEST(WattsMenu, SwitchesTheDisplayUnitAndItsCaptionBothWays)
{
    MainWindowProgram t;
    QAction* item = t.w().ui.mnuWatts;
    item->trigger();
    EXPECT_EQ(item->text(), "Display dBm");
    EXPECT_TRUE(t.p().display.DisplayWatts);
    EXPECT_EQ(t.w().ui.Label5->text(), "Watts");
    item->trigger();
    EXPECT_EQ(item->text(), "Display Watts");
    EXPECT_FALSE(t.p().display.DisplayWatts);
    EXPECT_EQ(t.w().ui.Label5->text(), "dBm");
    EXPECT_TRUE(t.commands.isEmpty());
}

}   // namespace
