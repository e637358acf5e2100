#include "app/Program.h"
#include "status/DecodeText.h"
#include "ui/FormUpdatingGuard.h"
#include "link/Transaction.h"
#include "support/TcpTestProgram.h"
#include "support/TestProgram.h"
#include "ui/IndicatorListArea.h"
#include "ui/TextColour.h"
#include "ui/Twips.h"
#include "app/frmMain.h"
#include "status/UnitConnection.h"
#include "status/StatusPanels.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using decodetext::Field;

namespace {

class PanelsTest : public ::testing::Test {
protected:
    TestProgram t;
    frmMain w{t.p()};

    void SetUp() override { w.panels().InitFaultsAlarms(); }

    void twta(qint32 model = 4817)
    {
        t.p().unit.id.IsTwtaUnit = true;
        t.p().unit.id.UnitModelCode = model;
    }
    void sspa(qint32 model = 1234)
    {
        t.p().unit.id.IsTwtaUnit = false;
        t.p().unit.id.UnitModelCode = model;
    }

    // Where a list label stands in its frame, in twips, while the list is not scrolled.
    static QPoint inFrame(QLabel* l, QWidget* frame)
    {
        const QPoint px = l->mapTo(frame, QPoint(0, 0));
        return {twips::FromPixels(px.x()), twips::FromPixels(px.y())};
    }

    QList<QLabel*> summaryLabels() const
    {
        return {w.ui.Label31, w.ui.Label32, w.ui.Label33,       w.ui.Label34,      w.ui.Label35,
                w.ui.Label36, w.ui.Label13, w.ui.lblSBUCWarmup, w.ui.lbllcBucDrive};
    }
    QList<QLabel*> listLabels() const
    {
        QList<QLabel*> all{w.ui.NoFaults, w.ui.NoAlarms};
        for (const auto& bytes : {w.ui.faultBytes(), w.ui.alarmBytes()})
            for (const auto& labels : bytes)
                for (QLabel* l : labels)
                    all << l;
        return all;
    }
    QList<QLabel*> shown(const QList<QLabel*>& labels) const
    {
        QList<QLabel*> out;
        for (QLabel* l : labels)
            if (!l->isHidden())
                out << l;
        return out;
    }
};

TEST_F(PanelsTest, FaultRowsStandInTheirFrameInTheirColour)
{
    twta();
    w.panels().SetFaultStatus(QStringLiteral("A@@A"));
    EXPECT_EQ(shown(listLabels()), (QList<QLabel*>{w.ui.FaultAbit[0], w.ui.FaultDbit[0]}));
    EXPECT_EQ(inFrame(w.ui.FaultAbit[0], w.ui.Frame28), QPoint(120, 240));
    EXPECT_EQ(inFrame(w.ui.FaultDbit[0], w.ui.Frame28), QPoint(120, 240 + 195));
    EXPECT_EQ(TextColour(w.ui.FaultDbit[0]), qRgb(255, 0, 0));
    EXPECT_EQ(TextColour(w.ui.AlarmCbit[4]), qRgb(255, 0, 0));

    // All clear: only "No Faults", in row 0, in the window's own colour.
    w.panels().SetFaultStatus(QStringLiteral("@@@@"));
    EXPECT_EQ(shown(listLabels()), QList<QLabel*>{w.ui.NoFaults});
    EXPECT_EQ(inFrame(w.ui.NoFaults, w.ui.Frame28), QPoint(120, 240));
    EXPECT_NE(TextColour(w.ui.NoFaults), qRgb(255, 0, 0));

    // A field too short to decode leaves the list as it is.
    w.panels().SetFaultStatus(QStringLiteral("AAA"));
    EXPECT_EQ(shown(listLabels()), QList<QLabel*>{w.ui.NoFaults});
}

TEST_F(PanelsTest, EveryIndicatorNameFitsItsLabelAlsoBesideTheScrollBar)
{
    struct Unit {
        bool twta;
        qint32 model;
        bool dualTwta, lldp;
    };
    const Unit units[] = {
        {true, 4817, true, false},    // the second tube's names: "Helix Arc Latch 2", ...
        {true, 6316, false, false},   // "Phase Sequence", "Missing Phase"
        {false, 1234, false, true},   // "Inp Over Drive", "Cover Interlock"
    };
    w.show();
    for (const Unit& u : units) {
        t.p().unit.id.IsTwtaUnit = u.twta;
        t.p().unit.id.UnitModelCode = u.model;
        t.p().unit.id.LldpFirmware = u.lldp;
        t.p().unit.config.DualTwtaUnit = u.dualTwta;
        w.panels().InitFaultNames();
        w.panels().InitAlarmNames();
        // Every row taken, so both lists scroll and their bars cover part of each row.
        w.panels().SetFaultStatus(QStringLiteral("\x7f\x43\x7f\x7f"));
        w.panels().SetAlarmStatus(QStringLiteral("\x7f\x7f\x7f\x7f"));
        ASSERT_TRUE(w.ui.FaultList->verticalScrollBar()->isVisible());
        ASSERT_TRUE(w.ui.AlarmList->verticalScrollBar()->isVisible());
        for (IndicatorListArea* area : {w.ui.FaultList, w.ui.AlarmList}) {
            for (QLabel* l : area->findChildren<QLabel*>()) {
                const int textRight =
                    l->mapTo(area->viewport(), QPoint(0, 0)).x() + l->fontMetrics().horizontalAdvance(l->text());
                EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
                EXPECT_LE(textRight, area->viewport()->width()) << l->text().toStdString() << " model " << u.model;
            }
        }
    }
}

TEST_F(PanelsTest, AlarmRowsAndTheEmptyAlarmField)
{
    sspa();
    t.p().unit.id.LldpFirmware = true;
    w.panels().SetAlarmStatus(QStringLiteral("@G@@"));
    EXPECT_EQ(shown(listLabels()), (QList<QLabel*>{w.ui.AlarmBbit[0], w.ui.AlarmBbit[1], w.ui.AlarmBbit[2]}));
    for (int bit = 0; bit < 3; ++bit)
        EXPECT_EQ(inFrame(w.ui.AlarmBbit[bit], w.ui.Frame26), QPoint(120, 240 + 195 * bit));
    w.panels().SetAlarmStatus(QString());
    EXPECT_EQ(shown(listLabels()).size(), 3);
    w.panels().SetAlarmStatus(QStringLiteral("@@@@"));
    EXPECT_EQ(shown(listLabels()), QList<QLabel*>{w.ui.NoAlarms});
    EXPECT_EQ(inFrame(w.ui.NoAlarms, w.ui.Frame26), QPoint(120, 240));
}

TEST_F(PanelsTest, ALongListScrollsAndRowsZeroToEightStayInPlace)
{
    w.show();
    sspa();
    IndicatorListArea* area = w.ui.FaultList;
    w.panels().SetFaultStatus(QStringLiteral("\x7f\x7f\x7f\x7f"));   // 15 rows
    const QList<QLabel*> order = {w.ui.FaultAbit[5], w.ui.FaultAbit[4], w.ui.FaultAbit[3], w.ui.FaultAbit[2],
                                  w.ui.FaultAbit[1], w.ui.FaultAbit[0], w.ui.FaultBbit[5], w.ui.FaultBbit[4],
                                  w.ui.FaultBbit[3], w.ui.FaultBbit[2], w.ui.FaultBbit[1], w.ui.FaultBbit[0],
                                  w.ui.FaultCbit[4], w.ui.FaultDbit[1], w.ui.FaultDbit[3]};
    for (int row = 0; row < order.size(); ++row)
        EXPECT_EQ(inFrame(order[row], w.ui.Frame28), QPoint(120, 240 + 195 * row)) << row;
    // Rows 0 to 8 are seen from top to bottom without scrolling; the rest once scrolled.
    const QRect seen(area->viewport()->mapTo(w.ui.Frame28, QPoint(0, 0)), area->viewport()->size());
    auto inSight = [&](QLabel* l) {
        const QRect r(l->mapTo(w.ui.Frame28, QPoint(0, 0)), l->size());
        return r.top() >= seen.top() && r.bottom() <= seen.bottom() && seen.contains(r.topLeft());
    };
    for (int row = 0; row < 9; ++row)
        EXPECT_TRUE(inSight(order[row])) << row;
    EXPECT_FALSE(inSight(order[9]));
    ASSERT_TRUE(area->verticalScrollBar()->isVisible());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    EXPECT_TRUE(inSight(order.last()));

    // A short list needs no scroll bar, and shows from the top again.
    w.panels().SetFaultStatus(QStringLiteral("A@@@"));
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_EQ(inFrame(w.ui.FaultAbit[0], w.ui.Frame28), QPoint(120, 240));
}

TEST_F(PanelsTest, ATwtaShowingAFaultRefreshesRfInhibitSilently)
{
    struct Case {
        const char* what;
        bool twta;
        qint32 model;
        QString field;
        QByteArrayList sent;
        bool ticked;
    } cases[] = {
        {"TWTA with a fault", true, 4817, QStringLiteral("A@@A"), {".?P54"}, true},
        {"TWTA all clear", true, 4817, QStringLiteral("@@@@"), {}, false},
        {"TWTA model that has no inhibit read", true, 6316, QStringLiteral("A@@@"), {}, false},
        {"SSPA with a fault", false, 1234, QStringLiteral("A@@A"), {}, false},
        {"field too short", true, 4817, QStringLiteral("A@@"), {}, false},
    };
    t.replies[".?P54"] = ".P54 1";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.commands.clear();
        {
            FormUpdatingGuard clear(t.p().conn.FormUpdating);   // untick without a handler running
            w.ui.chkRFI->setChecked(false);
        }
        t.p().unit.id.IsTwtaUnit = c.twta;
        t.p().unit.id.UnitModelCode = c.model;
        w.panels().SetFaultStatus(c.field);
        EXPECT_EQ(t.commands, c.sent);
        EXPECT_EQ(w.ui.chkRFI->isChecked(), c.ticked);
        EXPECT_FALSE(t.p().conn.FormUpdating);
    }
}

TEST(Panels, ADisconnectDuringTheRfInhibitRefreshLeavesTheClearedWindowHeld)
{
    TcpTestProgram t;
    BeginConnection(t.p(), true);
    frmMain w{t.p()};
    w.panels().InitFaultsAlarms();
    t.p().unit.id.IsTwtaUnit = true;
    t.p().unit.id.UnitModelCode = 4817;
    t.p().conn.FirstReadDone = true;
    t.p().conn.FormUpdating = false;   // connected and polling
    t.replies[".?P54"] = ".P54 1";
    w.ui.btnConnect->setText("Disconnect");
    bool disconnected = false;
    t.clock.onProcessEvents = [&] {
        t.tcp.deliverNext();
        if (!disconnected && t.commands.contains(".?P54")) {
            disconnected = true;
            w.connection().btnConnect_Click();   // the operator disconnects while the read waits
        }
    };
    w.panels().SetFaultStatus(QStringLiteral("A@@A"));
    ASSERT_TRUE(disconnected);
    ASSERT_FALSE(t.p().conn.FirstReadDone);
    // As the clearing left it: the handlers of the cleared window stay silent.
    EXPECT_TRUE(t.p().conn.FormUpdating);
}

struct PanelSummaryCase {
    const char* what;
    bool twta;
    QString field;
    QStringList shownCaptions;   // in row order
    bool chkPS, chkConstPwr, chkAutoMode;
    int sw1, sw2, cfg;   // entry indexes
};

TEST_F(PanelsTest, SummaryPanelFromATableOfWordsSendsNothing)
{
    const PanelSummaryCase cases[] = {
        {"TWTA standby, auto HV, remote, every indicator",
         true,
         Field({0x4F, 0x71, 0x7D, 0x63}),
         {"Standby", "Auto HV On", "Remote", "Const Power", "RF Inhibited", "Summary Fault", "Htr Standby",
          "BUC Warmup", "IF Drive High"},
         true,
         true,
         true,
         0,
         0,
         3},
        {"TWTA HV on, local", true, Field({0x50, 0x40, 0x52, 0x46}), {"HV On", "Local"}, true, false, false, 1, 1, 5},
        {"TWTA FTD", true, Field({0x44, 0x40, 0x40, 0x47}), {"FTD", "Remote"}, false, false, false, 1, 1, 5},
        {"SSPA Vdd on",
         false,
         Field({0x56, 0x40, 0x49, 0x44}),
         {"Vdd On", "Remote", "Const Power"},
         true,
         true,
         false,
         0,
         0,
         4},
        {"SSPA warmup keeps Transmitter ON",
         false,
         Field({0x40, 0x60, 0x40, 0x40}),
         {"Warmup", "Local", "Summary Fault"},
         true,
         false,
         false,
         0,
         0,
         0},
        {"SSPA standby", false, Field({0x48, 0x40, 0x40, 0x41}), {"Standby", "Local"}, false, false, false, 0, 0, 1},
    };
    for (const PanelSummaryCase& c : cases) {
        SCOPED_TRACE(c.what);
        t.p().unit.id.IsTwtaUnit = c.twta;
        w.panels().SetSummaryStatus(c.field);
        QStringList captions;
        for (QLabel* l : shown(summaryLabels()))
            captions << l->text();
        // Shown labels, in the order of their rows.
        QList<QLabel*> rows = shown(summaryLabels());
        std::sort(rows.begin(), rows.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QStringList byRow;
        for (int i = 0; i < rows.size(); ++i) {
            byRow << rows[i]->text();
            EXPECT_EQ(twips::Top(rows[i]), 240 + 195 * i);
            EXPECT_EQ(twips::Left(rows[i]), 120);
        }
        EXPECT_EQ(byRow, c.shownCaptions);
        EXPECT_EQ(t.p().conn.RemoteMode, c.shownCaptions.contains("Remote"));
        EXPECT_EQ(w.ui.chkPS->isChecked(), c.chkPS);
        EXPECT_EQ(w.ui.chkConstPwr->isChecked(), c.chkConstPwr);
        EXPECT_EQ(w.ui.chkAutoMode->isChecked(), c.chkAutoMode);
        EXPECT_EQ(w.ui.cmbWgSw1->currentIndex(), c.sw1);
        EXPECT_EQ(w.ui.cmbWgSw2->currentIndex(), c.sw2);
        EXPECT_EQ(w.ui.cmbWgCfg->currentIndex(), c.cfg);
        EXPECT_FALSE(t.p().conn.FormUpdating);
    }
    EXPECT_EQ(TextColour(w.ui.Label31), qRgb(0, 128, 0));
    EXPECT_EQ(TextColour(w.ui.Label36), qRgb(255, 0, 0));
    EXPECT_TRUE(t.commands.isEmpty()) << t.commands.join(' ').toStdString();
}

TEST_F(PanelsTest, SummaryFieldOfAnotherLengthChangesNothing)
{
    t.p().unit.id.IsTwtaUnit = true;
    w.panels().SetSummaryStatus(Field({0x54, 0x40, 0x40, 0x40}));
    ASSERT_TRUE(t.p().conn.RemoteMode);
    w.panels().SetSummaryStatus(QStringLiteral("@@@"));
    w.panels().SetSummaryStatus(QStringLiteral("@@@@@"));
    EXPECT_TRUE(t.p().conn.RemoteMode);
    EXPECT_EQ(w.ui.Label33->text(), QStringLiteral("Remote"));
    EXPECT_TRUE(w.ui.chkPS->isChecked());
}

TEST_F(PanelsTest, SummaryPanelPutsBackTheFormUpdatingItFound)
{
    t.p().conn.FormUpdating = true;   // the first read holds it through the panel
    w.panels().SetSummaryStatus(QStringLiteral("@@@@"));
    EXPECT_TRUE(t.p().conn.FormUpdating);
}

TEST_F(PanelsTest, ClearingHidesEveryStatusLabelAndKeepsTheRest)
{
    twta();
    w.panels().SetSummaryStatus(Field({0x4F, 0x71, 0x7D, 0x62}));
    w.panels().SetFaultStatus(QStringLiteral("\x7f\x41\x40\x40"));
    w.panels().SetAlarmStatus(QStringLiteral("@@@@"));
    ASSERT_FALSE(shown(summaryLabels()).isEmpty());
    ASSERT_FALSE(shown(listLabels()).isEmpty());
    const QPoint where = w.ui.FaultAbit[0]->pos();
    const QString caption = w.ui.Label31->text();
    t.commands.clear();   // the fault list's RF-inhibit read

    w.panels().ClearSummaryStatus();
    w.panels().ClearFaultStatus();
    EXPECT_TRUE(shown(summaryLabels()).isEmpty());
    EXPECT_TRUE(shown(listLabels()).isEmpty());
    EXPECT_TRUE(t.p().conn.RemoteMode);
    EXPECT_TRUE(w.ui.chkPS->isChecked());
    EXPECT_TRUE(w.ui.chkConstPwr->isChecked());
    EXPECT_TRUE(w.ui.chkAutoMode->isChecked());
    EXPECT_EQ(w.ui.cmbWgCfg->currentIndex(), 2);
    EXPECT_EQ(w.ui.FaultAbit[0]->pos(), where);
    EXPECT_EQ(w.ui.Label31->text(), caption);
    EXPECT_EQ(w.ui.FaultList->verticalScrollBar()->maximum(), 0);   // nothing left to scroll to
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST_F(PanelsTest, TwtaThenSspaLeavesNoTwtaCaptionOnTheSspa)
{
    twta(4471);
    t.p().unit.config.DualTwtaUnit = false;
    w.panels().InitFaultNames();
    EXPECT_EQ(w.ui.FaultAbit[5]->text(), QStringLiteral("Helix Arc Latch"));
    EXPECT_EQ(w.ui.FaultCbit[2]->text(), QStringLiteral("24V Present"));
    EXPECT_EQ(w.ui.FaultDbit[4]->text(), QStringLiteral("Up Converter"));

    sspa();
    w.panels().InitFaultNames();
    EXPECT_EQ(w.ui.FaultAbit[5]->text(), QStringLiteral("Fault A bit 5"));
    EXPECT_EQ(w.ui.FaultCbit[2]->text(), QStringLiteral("Fault C bit 2"));
    EXPECT_EQ(w.ui.FaultDbit[0]->text(), QStringLiteral("Fault D bit 0"));
    EXPECT_EQ(w.ui.FaultDbit[4]->text(), QStringLiteral("Fault D bit 4"));
    EXPECT_EQ(w.ui.FaultAbit[4]->text(), QStringLiteral("Up Converter"));
}

TEST_F(PanelsTest, AlarmNamesOnTheLabels)
{
    t.p().unit.id.UnitModelCode = 4471;
    w.panels().InitAlarmNames();
    EXPECT_EQ(w.ui.AlarmAbit[2]->text(), QStringLiteral("TLT Alarm"));
    EXPECT_EQ(w.ui.AlarmAbit[1]->text(), QString());
    EXPECT_EQ(w.ui.AlarmDbit[2]->text(), QStringLiteral("Chk Fins"));
    EXPECT_EQ(w.ui.AlarmBbit[3]->text(), QStringLiteral("Alarm B bit 3"));
}

}   // namespace
