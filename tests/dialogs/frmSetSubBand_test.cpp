// The sub-band choice dialog: one button for each sub-band with a frequency, the current one
// selected, a choice handed to the main window and sent by it to the simulated unit over the
// pseudo-terminal and loopback TCP; browsing, the current one and the close box send nothing.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "app/frmMain.h"
#include "dialogs/frmSetSubBand.h"
#include "status/QStringPrint.h"
#include "app/MenuDialogRunner.h"
#include <QLabel>
#include <QAccessible>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// Sub-bands 1 to 8 with these frequencies ("" for one the unit lacks), `current` current.
UnitConfig subBands(std::initializer_list<const char*> freqs, qint16 current)
{
    UnitConfig c;
    int n = 1;
    for (const char* f : freqs)
        c.SubBandFreqs[static_cast<size_t>(n++)] = f;
    c.CurrentSubBand = current;
    return c;
}

// The captions of the buttons shown, with "*" before the selected one.
QStringList shown(const frmSetSubBand& d)
{
    QStringList all;
    for (const QRadioButton* o : d.ui.optSelectedSB)
        if (!o->isHidden())
            all << (o->isChecked() ? "*" : "") + o->text();
    return all;
}

QRadioButton* option(frmSetSubBand& d, int n) { return d.ui.optSelectedSB[static_cast<size_t>(n - 1)]; }

}   // namespace

TEST(frmSetSubBand, OneButtonForEachSubBandWithAFrequencyAndTheCurrentSelected)
{
    struct Case {
        UnitConfig config;
        QStringList shown;
    };
    const Case cases[] = {
        {subBands({"21.75", "23.00", "31.55"}, 2), {"#1  21.75 GHz", "*#2  23.00 GHz", "#3  31.55 GHz"}},
        {subBands({"14.00", "", "14.50", "14.75"}, 4), {"#1  14.00 GHz", "#3  14.50 GHz", "*#4  14.75 GHz"}},
        {subBands({"14.00", "", "14.50"}, 2), {"#1  14.00 GHz", "#3  14.50 GHz"}},
        {subBands({"14.00", "14.25"}, 0), {"#1  14.00 GHz", "#2  14.25 GHz"}},
        {subBands({"14.00", "14.25"}, -1), {"#1  14.00 GHz", "#2  14.25 GHz"}},
    };
    for (const Case& c : cases) {
        int chosen = 0;
        frmSetSubBand d(c.config, [&chosen](qint16 n) { chosen = n; });
        EXPECT_EQ(shown(d), c.shown);
        EXPECT_EQ(chosen, 0);
        EXPECT_EQ(d.windowTitle(), "Select Sub-Band");
    }
    // The right column holds sub-bands 5 to 8.
    const UnitConfig eight = subBands({"1", "2", "3", "4", "5", "6", "7", "8"}, 1);
    frmSetSubBand d(eight, {});
    d.show();
    EXPECT_EQ(option(d, 4)->x(), option(d, 1)->x());
    EXPECT_GT(option(d, 5)->x(), option(d, 4)->x());
    EXPECT_EQ(option(d, 5)->y(), option(d, 1)->y());
}

TEST(frmSetSubBand, OnlyAnotherSubBandChosenIsHandedOn)
{
    const UnitConfig config = subBands({"21.75", "23.00", "31.55", "", "32.00"}, 2);
    QList<qint16> chosen;
    const auto choose = [&chosen](qint16 n) { chosen << n; };

    frmSetSubBand same(config, choose);
    int finished = 0;
    QObject::connect(&same, &QDialog::finished, [&finished] { ++finished; });
    same.show();
    option(same, 2)->click();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(finished, 0);   // the dialog stays open, the current one still selected
    EXPECT_FALSE(same.isHidden());
    EXPECT_EQ(shown(same), QStringList({"#1  21.75 GHz", "*#2  23.00 GHz", "#3  31.55 GHz", "#5  32.00 GHz"}));

    // Radio buttons to assistive technology, the group one Tab stop: the selected button.
    frmSetSubBand browsed(config, choose);
    for (QRadioButton* o : browsed.ui.optSelectedSB)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(o)->role(), QAccessible::RadioButton);
    EXPECT_EQ(TabChain(browsed, option(browsed, 2)), QStringList({"optSelectedSB_1"}));
    option(browsed, 2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(browsed, 2), Qt::Key_Down);
    QTest::keyClick(option(browsed, 3), Qt::Key_Right);   // past the sub-band without a button
    EXPECT_TRUE(option(browsed, 5)->hasFocus());
    QTest::keyClick(option(browsed, 5), Qt::Key_Up);
    EXPECT_TRUE(option(browsed, 3)->hasFocus());
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(option(browsed, 2)->isChecked());
    QTest::keyClick(option(browsed, 3), Qt::Key_Space);
    EXPECT_EQ(chosen, QList<qint16>({3}));
    EXPECT_TRUE(browsed.isHidden());

    frmSetSubBand closed(config, choose);
    closed.show();
    EXPECT_TRUE(EscCloses(closed));
    closed.show();
    closed.close();   // the close box
    EXPECT_EQ(chosen, QList<qint16>({3}));
}

TEST(frmSetSubBand, TheLabelsDoubleClickSendsTheChosenSubBand)
{
    struct Case {
        UnitConfig config;
        int clicked;
        QStringList sent;   // the sub-band commands the unit received
    };
    const Case cases[] = {
        {subBands({"21.75", "23.00", "31.55"}, 2), 3, {"PBS3"}},
        {subBands({"21.75", "", "23.00", "31.55"}, 1), 4, {"PBS4"}},
        {subBands({"21.75", "23.00", "31.55"}, 2), 2, {}},
    };
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.clicked);
            SettingsUnit u(link);
            ASSERT_TRUE(u.ready());
            frmMain w(u.p());
            u.p().unit.config.SubBandFreqs = c.config.SubBandFreqs;
            u.p().unit.config.CurrentSubBand = c.config.CurrentSubBand;
            u.clear();
            bool pollDuring = true;
            u.prompts.modal = [&](QDialog& d) {
                pollDuring = w.Timer1.isActive();
                option(static_cast<frmSetSubBand&>(d), c.clicked)->click();
                return d.result();
            };
            w.menuDialogs().lblSBandFrq_DblClick();
            EXPECT_EQ(u.prompts.modalRuns, 1);
            EXPECT_FALSE(pollDuring);
            EXPECT_TRUE(w.Timer1.isActive());
            QStringList sent = u.sent().filter(QRegularExpression("^PBS\\d$"));
            EXPECT_EQ(sent, c.sent);
            if (!c.sent.isEmpty()) {
                EXPECT_EQ(u.sent().value(0), c.sent[0]);   // nothing before it
                w.Timer1.stop();
            }
        }
    }
}
