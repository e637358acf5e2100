// The log selection dialog opened from "Download Parameter Logs" against the simulated unit
// over the pseudo-terminal and loopback TCP: the boxes and Select All, the downloads in
// their order with nothing else sent between them, the editor or the workbook, failed logs,
// Cancel and a dropped connection mid-download, and the poll around the dialog.
#include "LogWindow.h"
#include "support/XlsxReader.h"
#include "status/QStringPrint.h"
#include "transfers/frmLogs.h"
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
QByteArrayList paramLines(const QByteArray& log, int count)
{
    QByteArrayList lines;
    for (int k = 1; k <= count; ++k)
        lines << " 47.5 2.1 10.5 35 E 2603" + QByteArray::number(10 + k) + " 1500" + log.right(1) + "0";
    lines << "----- end of log -----";
    return lines;
}

// A unit with all five parameter logs (25 lines each but the monthly 3) and a paged fault log.
void serveAllLogs(LogWindow& t)
{
    for (const QByteArray log : {"4P", "4H", "4D", "4C"})
        t.logs->setParamLog(log, {paramLines(log, 24)});
    t.logs->setParamLog("4M", {paramLines("4M", 2)});
    t.logs->setFaultLog({SimUnitLogs::Scheme::Paged, FaultEntries(3)});
    t.p().unit.cathode.CathodeCurrentEnabled = true;
}

// The logs the commands went to, one entry per run of commands of the same log.
QByteArrayList logRuns(const QByteArrayList& commands)
{
    QByteArrayList runs;
    for (const QByteArray& c : commands)
        if (runs.isEmpty() || runs.last() != c.left(2))
            runs << c.left(2);
    return runs;
}

// Opens the dialog from its menu entry and runs `script` in it, as the operator would.
struct Opened {
    bool pollOffInside = false;
    bool made = false;
};
Opened openLogs(LogWindow& t, const std::function<void(frmLogs&)>& script)
{
    Opened o;
    t.prompts.modal = [&](QDialog& d) {
        auto* logs = qobject_cast<frmLogs*>(&d);
        o.made = logs != nullptr;
        o.pollOffInside = !t.w().Timer1.isActive();
        if (logs)
            script(*logs);
        return d.result();
    };
    t.w().ui.mnuPLog->setEnabled(true);
    t.w().ui.mnuPLog->trigger();
    return o;
}

QStringList dataFiles(const LogWindow& t, const char* pattern)
{
    return QDir(t.folders.dataFolder()).entryList({pattern}, QDir::Files, QDir::Name);
}

class LogsDialog : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST(frmLogs, BoxesSelectAllAndOkWithNothingTicked)
{
    for (const bool cathode : {false, true}) {
        SCOPED_TRACE(cathode ? "cathode-current monitoring" : "no cathode-current monitoring");
        LogWindow t(UnitLink::Tcp, twtaProfile());
        ASSERT_TRUE(t.connect());
        t.p().unit.cathode.CathodeCurrentEnabled = cathode;
        const Opened o = openLogs(t, [&](frmLogs& d) {
            EXPECT_EQ(d.windowTitle(), "Parameter Logs");
            EXPECT_TRUE(d.ui.optNotepad->isChecked());
            EXPECT_FALSE(d.UseExcel);
            EXPECT_TRUE(d.ui.ProgressBar1->isHidden());
            EXPECT_EQ(d.ui.ProgressBar1->accessibleName(), "Download progress");
            EXPECT_EQ(d.ui.chkCathMon->isHidden(), !cathode);
            const auto ticked = [&d] {
                int n = 0;
                for (QCheckBox* b : d.ui.logBoxes())
                    n += b->isChecked();
                return n;
            };
            d.ui.chkAll->click();
            EXPECT_EQ(ticked(), cathode ? 6 : 5);
            d.ui.chkAll->click();
            EXPECT_EQ(ticked(), 0);
            d.ui.optExcel->click();
            EXPECT_TRUE(d.UseExcel);
            d.ui.Command1->click();
            EXPECT_EQ(d.result(), QDialog::Accepted);
        });
        EXPECT_TRUE(o.made);
        EXPECT_TRUE(o.pollOffInside);
        EXPECT_TRUE(t.commands().isEmpty());
        EXPECT_TRUE(t.w().Timer1.isActive());   // the menu switches it on after the dialog
        EXPECT_TRUE(t.shell.opened.isEmpty());

        // Cancel before OK sends nothing either.
        t.w().Timer1.stop();
        openLogs(t, [](frmLogs& d) {
            d.ui.chkAll->click();
            d.ui.Command2->click();
            EXPECT_EQ(d.result(), QDialog::Rejected);
        });
        EXPECT_TRUE(t.commands().isEmpty());
        EXPECT_TRUE(t.w().Timer1.isActive());
    }
}

TEST_P(LogsDialog, AllSixInTheirOrderThenTheEditorOrTheWorkbook)
{
    for (const bool excel : {false, true}) {
        SCOPED_TRACE(excel ? "Open in Excel" : "Open in Notepad");
        LogWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        serveAllLogs(t);
        QList<int> bar;
        bool pollOff = true, onlyCancelActive = true;
        int rounds = 0;
        openLogs(t, [&](frmLogs& d) {
            QObject::connect(d.ui.ProgressBar1, &QProgressBar::valueChanged, [&bar](int v) { bar << v; });
            t.clock.onProcessEvents = [&] {
                ++rounds;
                pollOff = pollOff && !t.w().Timer1.isActive();
                onlyCancelActive = onlyCancelActive && d.ui.Command2->isEnabled() && !d.ui.Command1->isEnabled() &&
                                   !d.ui.chkHourly->isEnabled() && !d.ui.chkAll->isEnabled() &&
                                   !d.ui.optExcel->isEnabled();
            };
            d.ui.chkAll->click();
            (excel ? d.ui.optExcel : d.ui.optNotepad)->click();
            d.ui.Command1->click();
            EXPECT_EQ(d.ui.ProgressBar1->maximum(), 6);
            EXPECT_FALSE(d.ui.ProgressBar1->isHidden());
        });
        t.clock.onProcessEvents = nullptr;
        EXPECT_EQ(logRuns(t.commands()), QByteArrayList({"4P", "4H", "4D", "4M", "4C", "QF"}));
        EXPECT_GT(rounds, 6);
        EXPECT_TRUE(pollOff);   // no status query between the downloads
        EXPECT_TRUE(onlyCancelActive);
        EXPECT_EQ(bar, QList<int>({0, 1, 2, 3, 4, 5, 6}));
        EXPECT_TRUE(t.boxes().isEmpty());
        const QStringList names = {"plog.txt", "hlog.txt",  "dlog.txt",
                                   "mlog.txt", "cmlog.txt", t.p().unit.id.UnitSerialNo + "fltlog.txt"};
        if (excel) {
            const QString workbook = t.dataFile(t.p().unit.id.UnitSerialNo + "Logs.xlsx");
            EXPECT_EQ(t.shell.opened, QStringList{workbook});
            const auto book = ReadXlsx(workbook);
            ASSERT_TRUE(book);
            QStringList sheets;
            for (const XlsxSheet& s : *book)
                sheets << s.name;
            EXPECT_EQ(sheets, QStringList({"10-Min Log", "Hourly Log", "Daily Log", "Monthly Log",
                                           "Cathode Current Log", "Fault Log"}));
        } else {
            QStringList paths;
            for (const QString& n : names)
                paths << t.dataFile(n);
            EXPECT_EQ(t.shell.opened, paths);
        }
        EXPECT_TRUE(t.w().Timer1.isActive());
    }
}

TEST_P(LogsDialog, OnlyFailedLogsOpenNoWorkbook)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    serveAllLogs(t);
    t.unit.editProfile([](SimUnitProfile& profile) {
        profile.behaviour["4H0"].kind = SimBehaviour::Nak;
        profile.behaviour["4D0"].kind = SimBehaviour::Nak;
    });
    openLogs(t, [](frmLogs& d) {
        d.ui.chkHourly->click();
        d.ui.chkDaily->click();
        d.ui.optExcel->click();
        d.ui.Command1->click();
    });
    EXPECT_EQ(t.commands(), QByteArrayList({"4H0", "4D0"}));
    EXPECT_EQ(t.boxes(), QStringList(2, "Parameterlog Download: Download Failed"));
    EXPECT_TRUE(dataFiles(t, "*.xlsx").isEmpty());
    EXPECT_TRUE(t.shell.opened.isEmpty());
}

TEST_P(LogsDialog, CancelOrClosingMidDownloadStopsAfterThePage)
{
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closing the dialog" : "Cancel");
        LogWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        serveAllLogs(t);
        bool pressed = false;
        openLogs(t, [&](frmLogs& d) {
            d.show();
            t.clock.onProcessEvents = [&] {
                if (!pressed && t.commands().contains("4H10")) {
                    pressed = true;
                    if (close)
                        d.close();
                    else
                        d.ui.Command2->click();
                    EXPECT_TRUE(d.isVisible());   // it closes once the page is done
                }
            };
            d.ui.chkAll->click();
            d.ui.optExcel->click();
            d.ui.Command1->click();
            EXPECT_TRUE(d.isHidden());
        });
        t.clock.onProcessEvents = nullptr;
        const QByteArrayList tenMinute = LogPages("4P", 0, 20);
        EXPECT_EQ(t.commands(), tenMinute + QByteArrayList({"4H0", "4H10"}));
        EXPECT_EQ(dataFiles(t, "*"), QStringList{"plog.txt"});   // no hourly log, no workbook
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_TRUE(t.boxes().isEmpty());
        EXPECT_TRUE(t.w().Timer1.isActive());
    }
}

INSTANTIATE_TEST_SUITE_P(Links, LogsDialog, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

TEST(frmLogs, ATcpDropMidDownloadFailsThatLogAndStartsNoOther)
{
    LogWindow t(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(t.connect());
    serveAllLogs(t);
    t.unit.editProfile([](SimUnitProfile& profile) { profile.behaviour["4H10"].kind = SimBehaviour::DropConnection; });
    openLogs(t, [](frmLogs& d) {
        d.ui.chkAll->click();
        d.ui.optNotepad->click();
        d.ui.Command1->click();
        EXPECT_TRUE(d.isHidden());
    });
    EXPECT_EQ(t.commands(), LogPages("4P", 0, 20) + QByteArrayList({"4H0", "4H10"}));
    EXPECT_EQ(t.boxes(), QStringList{"Parameterlog Download: Download Failed"});
    EXPECT_EQ(dataFiles(t, "*"), QStringList{"plog.txt"});
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.w().Timer1.isActive());
}
