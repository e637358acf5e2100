// The main window as a screen reader meets it: a label that shows a value is read by that
// value and says what it stands for; a list reads its choice and is labelled by its caption.
#include "WindowFixture.h"
#include "support/MainWindowProgram.h"
#include "status/UnitConnection.h"
#include "status/Readings.h"
#include "status/StatusPanels.h"
#include "status/SubBands.h"
#include <QAccessible>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

struct Read {
    QString name, description, text;
};

Read readOut(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    Read r{a->text(QAccessible::Name), a->text(QAccessible::Description), QStringLiteral("<no text interface>")};
    if (QAccessibleTextInterface* t = a->textInterface())
        r.text = t->text(0, t->characterCount());
    return r;
}

void expectReadAs(QWidget* w, const QString& value, const char* standsFor)
{
    const Read r = readOut(w);
    EXPECT_EQ(r.name, value) << w->objectName().toStdString();
    EXPECT_EQ(r.text, value) << w->objectName().toStdString();
    EXPECT_EQ(r.description, standsFor) << w->objectName().toStdString();
}

}   // namespace

TEST(WindowAccessible, TheStatusMessageIsReadDuringASearch)
{
    MainWindowProgram t;   // no unit answers on the line
    t.w().Form_Load();
    Read during;
    t.clock.onProcessEvents = [&] {
        QLabel* panel = t.w().ui.sbStatusBarPanel1;
        if (during.name.isEmpty() && panel->text().startsWith("Searching: ")) {
            during = readOut(panel);
            t.p().conn.AbortScan = true;   // one try is enough
        }
    };
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(during.name, "Searching: A, 9600,N,8,1");
    EXPECT_EQ(during.text, "Searching: A, 9600,N,8,1");
    EXPECT_EQ(during.description, "Status message");
}

TEST(WindowAccessible, ValueLabelsAreReadByTheirValue)
{
    WindowOnUnit tw;
    tw.connect(Scripted(twtaProfile(), {{"QEC", "QEC06M;"}, {"PBS?", "PBS314.50"}}));
    tw.w.readings().UpdateRFFrequency();
    tw.w.bands().UpdateSubBands();
    tw.w.panels().SetSummaryStatus(QStringLiteral("H@J@"));   // standby, local
    const frmMainUi& u = tw.w.ui;
    expectReadAs(u.Label31, "Standby", "Transmitter state");
    expectReadAs(u.Label33, "Local", "Remote or local");
    expectReadAs(u.lblRFFrqVal, "14250 MHz", "RF frequency");
    expectReadAs(u.lblSBandFrq, "#3   14.50 GHz", "Current sub-band");
    expectReadAs(u.lblTWTLife, "06 Months", "Tube service life");

    tw.w.panels().SetSummaryStatus(QStringLiteral("T@@@"));   // on, remote: the new values are read
    expectReadAs(u.Label31, "HV On", "Transmitter state");
    expectReadAs(u.Label33, "Remote", "Remote or local");
}

TEST(WindowAccessible, WaveguideSwitchListsReadTheirPositionAndCaption)
{
    WindowOnUnit tw;
    tw.connect(Scripted(sspaProfile()));
    tw.w.panels().SetAutoModeSumStatus(0x4A);   // switch 1 at B, switch 2 at A
    struct Case {
        QComboBox* list;
        const char* position;
        QLabel* caption;
    };
    const Case cases[] = {{tw.w.ui.cmbWgSw1, "B", tw.w.ui.lblWgSw1}, {tw.w.ui.cmbWgSw2, "A", tw.w.ui.lblWgSw2}};
    for (const Case& c : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.list);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Value), c.position) << c.list->objectName().toStdString();
        QStringList labels;
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(c.caption->text())) << c.list->objectName().toStdString();
    }
}
