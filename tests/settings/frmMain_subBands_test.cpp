#include "LinkedWindow.h"
#include "app/Program.h"
#include "link/Transaction.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include "app/frmMain.h"
#include "status/FeatureReads.h"
#include "status/SubBands.h"
#include "status/WindowStates.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SubBandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.replies = sspaProfile().replies;
        BeginConnection(t.p(), false);
    }
    // Sub-band frequencies 1 to 8 as the unit answers them (nullptr: unanswered) and its
    // current sub-band reply.
    void subBands(std::initializer_list<const char*> freqs, const char* current)
    {
        for (int n = 1; n <= 8; ++n)
            t.replies.remove(QByteArray("PBS") + QByteArray::number(n) + "?");
        int n = 1;
        for (const char* f : freqs) {
            if (f)
                t.replies[QByteArray("PBS") + QByteArray::number(n) + "?"] =
                    QByteArray("PBS") + QByteArray::number(n) + f;
            ++n;
        }
        t.replies["PBS?"] = current;
    }
    QAction* item(int n) const { return w.ui.subBandItem(n); }
    bool menuShown() const { return w.ui.mnuSubBands->menuAction()->isVisible(); }
    UnitConfig& config() { return t.p().unit.config; }

    TestProgram t;
    frmMain w{t.p()};
};

}   // namespace

TEST_F(SubBandsTest, MenuFromTheSubBandsTheUnitHas)
{
    subBands({"21.75", "23.00", "     ", "31.55"}, "PBS431.55");
    w.bands().UpdateSubBands();
    EXPECT_EQ(config().SubBandCount, 3);
    EXPECT_EQ(config().SubBandFreqs[3], "");
    EXPECT_EQ(config().SubBandFreqs[4], "31.55");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(item(n)->isVisible(), n == 1 || n == 2 || n == 4) << n;
    EXPECT_EQ(item(1)->text(), "#1   21.75 GHz");
    EXPECT_EQ(item(2)->text(), "#2   23.00 GHz");
    EXPECT_EQ(item(4)->text(), "#4   31.55 GHz");
    EXPECT_TRUE(menuShown());
    EXPECT_EQ(config().CurrentSubBand, 4);
    EXPECT_TRUE(item(4)->isChecked());
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#4   31.55 GHz");
    EXPECT_FALSE(w.ui.lblSBandFrq->isHidden());
    EXPECT_FALSE(w.ui.lblSband->isHidden());
}

TEST_F(SubBandsTest, NoCurrentFrequencyHidesTheMenuAndNoSubBandsAtAllToo)
{
    subBands({"14.00", "14.25"}, "PBS20.00");
    w.bands().UpdateSubBands();
    EXPECT_EQ(config().CurrentSubBand, 0);
    for (int n = 1; n <= 8; ++n)
        EXPECT_FALSE(item(n)->isChecked()) << n;
    EXPECT_FALSE(menuShown());
    EXPECT_TRUE(w.ui.lblSBandFrq->isHidden());
    EXPECT_TRUE(w.ui.lblSband->isHidden());

    subBands({}, "PBS214.25");
    t.commands.clear();
    w.bands().UpdateSubBands();
    EXPECT_FALSE(menuShown());
    EXPECT_EQ(config().SubBandCount, 0);
    EXPECT_EQ(t.commands, QByteArrayList({"PBS1?"}));   // nothing more is asked
}

TEST_F(SubBandsTest, NoItemKeepsTheFrequencyOfAnEarlierUnit)
{
    subBands({"14.00", "14.25"}, "PBS114.00");
    w.bands().UpdateSubBands();
    w.states().ClearForm();   // disconnected: no item left to choose
    for (int n = 1; n <= 8; ++n)
        EXPECT_FALSE(item(n)->isVisible()) << n;
    subBands({"     ", "29.50"}, "PBS229.50");   // the next unit has no sub-band 1
    w.bands().UpdateSubBands();
    EXPECT_FALSE(item(1)->isVisible());
    EXPECT_EQ(item(1)->text(), "#1   ");
    EXPECT_TRUE(item(2)->isVisible());
}

TEST_F(SubBandsTest, RfBandList)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<const char*, const char*>> replies;   // command, reply (nullptr: none)
        QStringList listed;
        bool hasNames;
    };
    const Case cases[] = {
        {"band 1 not supported", {{".?B1", nullptr}}, {}, false},
        {"two named bands, band 3 not supported", {{".?B3", nullptr}}, {"Ku", "Ka"}, true},
        {"band 2 without a name", {{".?B2", ".B2"}, {".?B3", ".B3C,6.175"}, {".?B4", nullptr}}, {"Ku", "C"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        config().RfBandNames = {"", "X", "X", "X", "X"};   // an earlier unit's bands
        for (const auto& [command, reply] : c.replies) {
            if (reply)
                t.replies[command] = reply;
            else
                t.replies.remove(command);
        }
        t.p().conn.FormUpdating = false;
        w.bands().InitcmbRfBand();
        QStringList listed;
        for (int i = 0; i < w.ui.cmbRfBand->count(); ++i)
            listed << w.ui.cmbRfBand->itemText(i);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(config().HasRfBandNames, c.hasNames);
        EXPECT_FALSE(t.p().conn.FormUpdating);   // given back after filling the list
        for (int n = 1; n <= 4; ++n)
            EXPECT_NE(config().RfBandNames[n], "X") << n;
        t.replies = sspaProfile().replies;
    }
    EXPECT_EQ(config().RfBandNames[3], "C");
    EXPECT_EQ(config().RfBandFreqs[3], "6.18");
    EXPECT_EQ(config().RfBandFreqs[2], "");
}

TEST_F(SubBandsTest, ChoosingSubBand6SendsItWaitsThenReadsItsValues)
{
    subBands({"14.00", "14.25", "14.50", "14.75", "15.00", "15.25"}, "PBS114.00");
    w.bands().UpdateSubBands();
    t.p().unit.id.LldpFirmware = true;
    t.replies["PBS6"] = "";
    t.commands.clear();
    qint64 sentAt = -1, gainBalanceAt = -1;
    QString labelWhenSent;
    auto responder = t.serial.responder;
    t.serial.responder = [&](const QByteArray& frame) {
        const QByteArray reply = responder(frame);
        if (t.commands.last() == "PBS6") {
            sentAt = t.clock.msNow();
            labelWhenSent = w.ui.lblSBandFrq->text();
        }
        if (t.commands.last() == "PG?" && gainBalanceAt < 0)
            gainBalanceAt = t.clock.msNow();
        return reply;
    };
    w.SetCurrentSubBand(6);
    ASSERT_EQ(t.commands.value(0), "PBS6");
    EXPECT_EQ(labelWhenSent, "#6   15.25 GHz");
    EXPECT_TRUE(item(6)->isChecked());
    EXPECT_FALSE(item(1)->isChecked());
    EXPECT_GE(gainBalanceAt - sentAt, 200);
    EXPECT_EQ(t.commands.mid(1, 2), QByteArrayList({"PG?", "PBCG?"}));
    // The network-discovery family re-reads its hour meters after the change.
    EXPECT_TRUE(t.commands.contains("?M"));
    EXPECT_EQ(config().PsVsetValue, 1250);
    EXPECT_EQ(config().CurrentSubBand, 6);   // taken: current at once, the poll confirms it

    // A sub-band the unit refuses: the window goes back to the one it is on.
    t.replies.remove("PBS2");
    w.SetCurrentSubBand(2);
    EXPECT_EQ(config().CurrentSubBand, 6);
    EXPECT_TRUE(item(6)->isChecked());
    EXPECT_FALSE(item(2)->isChecked());
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#6   15.25 GHz");

    t.commands.clear();
    w.SetCurrentSubBand(9);
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST_F(SubBandsTest, ThePollFollowsASubBandChangeAtTheUnit)
{
    subBands({"14.00", "14.25"}, "PBS114.00");
    w.bands().UpdateSubBands();
    struct Step {
        const char* current;   // "PBS?" reply; nullptr: unanswered
        qint16 expected;
        bool reReads;
    };
    for (const Step& s : {Step{"PBS114.00", 1, false}, Step{"PBS214.25", 2, true}, Step{nullptr, -1, false},
                          Step{"PBS214.25", 2, true}}) {
        if (s.current)
            t.replies["PBS?"] = s.current;
        else
            t.replies.remove("PBS?");
        t.commands.clear();
        w.bands().UpdateCurrentSubBand();
        EXPECT_EQ(config().CurrentSubBand, s.expected) << s.current;
        EXPECT_EQ(t.commands.contains("PG?"), s.reReads) << s.current;
        for (int n = 1; n <= 2; ++n)
            EXPECT_EQ(item(n)->isChecked(), n == s.expected) << s.current << " item " << n;
    }
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#2   14.25 GHz");

    w.ui.mnuSubBands->menuAction()->setVisible(false);   // a unit without sub-bands
    t.commands.clear();
    w.bands().UpdateCurrentSubBand();
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST_F(SubBandsTest, GainBalanceAndUnitGain)
{
    w.features().UpdateGainBalance();
    EXPECT_TRUE(w.ui.mnuGainBal->isVisible());
    EXPECT_TRUE(w.ui.mnuGainBal->isEnabled());
    EXPECT_TRUE(config().GainBalanceEnabled);
    EXPECT_EQ(config().GainBalanceValue, "2.5");
    EXPECT_TRUE(config().HasIfGainBalance);
    EXPECT_EQ(config().IfGainBalanceValue, "1.5");

    t.replies.remove("PG?");
    t.replies.remove("PBCG?");
    t.commands.clear();
    w.features().UpdateGainBalance();
    EXPECT_FALSE(w.ui.mnuGainBal->isVisible());
    EXPECT_FALSE(config().GainBalanceEnabled);
    EXPECT_EQ(t.commands, QByteArrayList({"PG?", "PBCG?"}));
    EXPECT_FALSE(config().HasIfGainBalance);

    t.replies["PBJ?"] = "PBJ1 3.5";
    EXPECT_TRUE(w.features().UpdateUnitGain());
    EXPECT_TRUE(config().UnitGainEnabled);
    EXPECT_EQ(config().UnitGainValue, "3.5");
    t.replies.remove("PBJ?");
    EXPECT_FALSE(w.features().UpdateUnitGain());
    EXPECT_FALSE(config().HasUnitGain);
    EXPECT_FALSE(config().UnitGainEnabled);
}

TEST_F(SubBandsTest, SubBandValuesOfModel7436)
{
    t.p().unit.id.UnitModelCode = 7436;
    config().TempCoefText = "old";
    w.bands().LoadSubBandParameters();
    EXPECT_EQ(config().TempCoefText, "0.015");
    EXPECT_EQ(config().PsVsetValue, 1250);
    t.replies.remove("YB?");
    w.bands().LoadSubBandParameters();
    EXPECT_EQ(config().TempCoefText, "0.015");   // an empty answer keeps it
}

// A sub-band the unit took from the menu is current at once: the choice dialog marks it, and a
// click on the sub-band before it goes back there.
class SubBandChoiceOverLink : public testing::TestWithParam<UnitLink> {};

TEST_P(SubBandChoiceOverLink, TheDialogMarksTheSubBandJustTakenAndGoesBackOnAClick)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    frmMain& w = u.w();
    u.unit().editProfile([](SimUnitProfile& profile) { profile.set("PBS?", "PBS114.00"); });
    w.bands().UpdateSubBands();
    ASSERT_EQ(u.p().unit.config.CurrentSubBand, 1);

    u.clearLogs();
    w.ui.subBandItem(2)->trigger();
    EXPECT_EQ(u.unit().commands().value(0), "PBS2");
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#2   14.25 GHz");
    EXPECT_EQ(u.p().unit.config.CurrentSubBand, 2);

    int marked = -1;
    u.prompts.modal = [&](QDialog& dialog) {
        const auto options = dialog.findChildren<QRadioButton*>();
        for (QRadioButton* option : options)
            if (option->isChecked())
                marked = option->objectName().section('_', 1).toInt() + 1;
        QRadioButton* first = dialog.findChild<QRadioButton*>("optSelectedSB_0");
        if (first)
            QTest::mouseClick(first, Qt::LeftButton);
        return dialog.result();
    };
    u.clearLogs();
    QTest::mouseDClick(w.ui.lblSBandFrq, Qt::LeftButton);
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(u.unit().commands().value(0), "PBS1");
    EXPECT_EQ(w.ui.lblSBandFrq->text(), "#1   14.00 GHz");
    EXPECT_TRUE(w.ui.subBandItem(1)->isChecked());
    EXPECT_FALSE(w.ui.subBandItem(2)->isChecked());

    // The poll confirms it: nothing changes and nothing is read again.
    u.clearLogs();
    w.bands().UpdateCurrentSubBand();
    EXPECT_EQ(u.unit().commands(), QByteArrayList({"PBS?"}));
    EXPECT_EQ(u.p().unit.config.CurrentSubBand, 1);
}

INSTANTIATE_TEST_SUITE_P(Links, SubBandChoiceOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });
