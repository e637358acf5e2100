// The trend-log dialog opened from "Download Trend Logs" against the simulated unit over the
// pseudo-terminal and loopback TCP: the lists and their counts, the pages asked for, the
// bar, the records stored, the end record, a refused page, Cancel, the file byte for byte
// and the editor, and the poll around the dialog.
#include "LogWindow.h"
#include "status/QStringPrint.h"
#include "transfers/TrendLogPaging.h"
#include "transfers/frmTrendLogs.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
// Opens the dialog from its menu entry and runs `script` in it; false when no trend-log
// dialog came up or the poll ran while it was open.
bool openTrendLogs(LogWindow& t, const std::function<void(frmTrendLogs&)>& script)
{
    bool shown = false;
    t.prompts.modal = [&](QDialog& d) {
        auto* dialog = qobject_cast<frmTrendLogs*>(&d);
        shown = dialog && !t.w().Timer1.isActive();
        if (dialog)
            script(*dialog);
        return d.result();
    };
    t.w().ui.mnuTrendLogs->setEnabled(true);
    t.w().ui.mnuTrendLogs->trigger();
    t.prompts.modal = nullptr;
    return shown;
}

// Chooses the log and its range as the operator does.
void choose(frmTrendLogs& d, bool longTerm, const QString& range)
{
    (longTerm ? d.ui.optLongTermLog : d.ui.optShortTermLog)->click();
    QComboBox* list = longTerm ? d.ui.cmbDays : d.ui.cmbHours;
    list->setCurrentIndex(list->findText(range));
}

QByteArray endRecord() { return QByteArray("---- end of log ").leftJustified(200, '-'); }

class TrendLogs : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST(TrendRecordCount, RecordsOfEachRange)
{
    const std::pair<const char*, int> shortTerm[] = {
        {" 1-Hours", 360}, {" 6-Hours", 2160}, {"48-Hours", 17280}, {"", 0}, {"12", 0}};
    for (const auto& [range, count] : shortTerm)
        EXPECT_EQ(ShortTermRecordCount(range), count) << range;
    const std::pair<const char*, int> longTerm[] = {{" 1-Week", 42},     {" 3-Weeks", 126},  {" 1-Month", 182},
                                                    {"18-Months", 3276}, {" 3-Years", 6570}, {"14-Years", 30660},
                                                    {"2-Days", 12},      {" 3-Xs", 0},       {"", 0},
                                                    {"99-Years", 0}};   // past a 16-bit count: refused
    for (const auto& [range, count] : longTerm)
        EXPECT_EQ(LongTermRecordCount(range), count) << range;
}

TEST(frmTrendLogs, ListsOptionsCancelAndNoRange)
{
    LogWindow t(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(t.connect());
    EXPECT_TRUE(openTrendLogs(t, [](frmTrendLogs& d) {
        EXPECT_EQ(d.windowTitle(), "Trend Logs");
        EXPECT_TRUE(d.ui.optShortTermLog->isChecked());
        EXPECT_FALSE(d.ui.cmbHours->isHidden());
        EXPECT_TRUE(d.ui.cmbDays->isHidden());
        EXPECT_TRUE(d.ui.ProgressBar1->isHidden());
        EXPECT_EQ(d.ui.cmbHours->count(), 12);
        EXPECT_EQ(d.ui.cmbDays->count(), 22);
        EXPECT_EQ(d.ui.cmbHours->itemText(0), " 1-Hours");
        EXPECT_EQ(d.ui.cmbDays->itemText(21), "14-Years");
        for (QComboBox* list : {d.ui.cmbHours, d.ui.cmbDays}) {
            EXPECT_EQ(list->currentIndex(), -1);
            EXPECT_FALSE(list->isEditable());
        }
        EXPECT_EQ(d.ui.cmbHours->accessibleName(), "Hours range");
        EXPECT_EQ(d.ui.cmbDays->accessibleName(), "Days range");
        EXPECT_EQ(d.ui.ProgressBar1->accessibleName(), "Download progress");
        d.ui.optLongTermLog->click();
        EXPECT_TRUE(d.ui.cmbHours->isHidden());
        EXPECT_FALSE(d.ui.cmbDays->isHidden());
        d.ui.optShortTermLog->click();
        EXPECT_FALSE(d.ui.cmbHours->isHidden());
        choose(d, false, "12-Hours");
        d.ui.btnCancel->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }));
    EXPECT_TRUE(t.commands().isEmpty());
    EXPECT_TRUE(t.w().Timer1.isActive());

    // OK with no range chosen: nothing is asked for, so nothing failed.
    t.w().Timer1.stop();
    EXPECT_TRUE(openTrendLogs(t, [](frmTrendLogs& d) {
        d.ui.optLongTermLog->click();
        d.ui.btnOK->click();
        EXPECT_EQ(d.TrendRecordCount, 0);
    }));
    EXPECT_TRUE(t.commands().isEmpty());
    EXPECT_TRUE(t.boxes().isEmpty());
    EXPECT_EQ(ReadBytes(t.dataFile(TrendLogFileName(t.p().unit.id.UnitSerialNo))), "<missing>");
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_TRUE(t.w().Timer1.isActive());
}

TEST_P(TrendLogs, PagesBarRecordsAndFile)
{
    struct Case {
        const char* name;
        bool longTerm;
        const char* range;
        SimUnitLogs::TrendLog log;
        QByteArrayList commands;
        QList<int> bar;   // the bar's values as they change, after its first 0
        int stored;       // records in the file; -1 no file
        QByteArray nak;   // a page the unit refuses
    };
    QByteArrayList ending = TrendRecords(24);
    ending << endRecord();
    const QByteArray shortTail(150, '#');
    const Case cases[] = {
        {"one hour",
         false,
         " 1-Hours",
         {TrendRecords(400)},
         LogPages("4TS", 0, 350),
         [] {
             QList<int> v;
             for (int k = 10; k <= 360; k += 10)
                 v << k;
             return v;
         }(),
         360},
        // A page of fewer whole records than it should hold, without the end record, fails
        // the download: the rest of the log would follow a gap.
        {"pages of 10, then 9 and a short tail",
         false,
         " 1-Hours",
         {TrendRecords(19), true, {{10, shortTail}}},
         {"4TS0", "4TS10"},
         {10, 19},
         -1},
        {"page 100 short by two and a half records",
         false,
         " 1-Hours",
         {TrendRecords(400), true, {{100, shortTail}}, {{100, 7}}},
         LogPages("4TS", 0, 100),
         [] {
             QList<int> v;
             for (int k = 10; k <= 100; k += 10)
                 v << k;
             return v << 107;
         }(),
         -1},
        {"an end record, no echo", false, " 2-Hours", {ending, false}, {"4TS0", "4TS10", "4TS20"}, {10, 20, 25}, 25},
        {"count reached mid-page",
         true,
         " 1-Week",
         {TrendRecords(100)},
         LogPages("4TL", 0, 40),
         {10, 20, 30, 40, 42},
         42},
        {"fourteen years", true, "14-Years", {{endRecord()}}, {"4TL0"}, {1}, 1},
        {"a refused page", false, " 1-Hours", {TrendRecords(400)}, {"4TS0", "4TS10"}, {10}, -1, "4TS10"},
    };
    const int maximums[] = {360, 360, 360, 720, 42, 30660, 360};
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    const QString file = t.dataFile(TrendLogFileName(t.p().unit.id.UnitSerialNo));
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file);
        t.logs->setTrendLog(c.longTerm ? "4TL" : "4TS", c.log);
        t.unit.editProfile([&](SimUnitProfile& profile) {
            profile.behaviour.remove("4TS10");
            if (!c.nak.isEmpty())
                profile.behaviour[c.nak].kind = SimBehaviour::Nak;
        });
        t.clearLogs();
        t.w().Timer1.stop();
        QList<int> bar;
        int tableSize = 0;
        t.clock.onProcessEvents = [&] { tableSize = qMax(tableSize, int(t.p().transfers.TrendLogLines.size())); };
        EXPECT_TRUE(openTrendLogs(t, [&](frmTrendLogs& d) {
            QObject::connect(d.ui.ProgressBar1, &QProgressBar::valueChanged, [&bar](int v) { bar << v; });
            choose(d, c.longTerm, c.range);
            d.ui.btnOK->click();
            EXPECT_EQ(d.TrendRecordCount, maximums[k]);
            EXPECT_EQ(d.ui.ProgressBar1->maximum(), maximums[k]);
            EXPECT_FALSE(d.ui.ProgressBar1->isHidden());
        }));
        t.clock.onProcessEvents = nullptr;
        EXPECT_EQ(t.commands(), c.commands);
        for (const SentCommand& s : t.sent)
            EXPECT_FLOAT_EQ(s.timeout, 10.0f) << s.command.toStdString();
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
        EXPECT_EQ(bar.mid(1), c.bar);
        EXPECT_EQ(tableSize, c.longTerm ? 30662 : 17282);
        EXPECT_EQ(t.p().transfers.TrendLogLines.size(), 1);
        const QByteArray written = ReadBytes(file);
        if (c.stored < 0) {
            EXPECT_EQ(written, "<missing>");
            EXPECT_EQ(t.boxes(), QStringList{"Trend log Download: Download Failed"});
            EXPECT_TRUE(t.shell.opened.isEmpty());
        } else {
            QByteArrayList records = c.log.records.mid(0, c.stored);
            EXPECT_EQ(LogBodyLines(written), records);
            EXPECT_TRUE(t.boxes().isEmpty());
            EXPECT_EQ(t.shell.opened, QStringList{file});
        }
        EXPECT_TRUE(t.w().Timer1.isActive());
        ++k;
    }
}

TEST_P(TrendLogs, CancelDuringTheDownloadStopsAfterThePage)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    t.logs->setTrendLog("4TS", {TrendRecords(400)});
    const QString file = t.dataFile(TrendLogFileName(t.p().unit.id.UnitSerialNo));
    {
        QFile older(file);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("an older log\r\n");
    }
    bool onlyCancelActive = false;
    EXPECT_TRUE(openTrendLogs(t, [&](frmTrendLogs& d) {
        t.clock.onProcessEvents = [&] {
            if (!onlyCancelActive && t.commands().contains("4TS20")) {
                onlyCancelActive = d.ui.btnCancel->isEnabled() && !d.ui.btnOK->isEnabled() &&
                                   !d.ui.cmbHours->isEnabled() && !d.ui.optLongTermLog->isEnabled();
                d.ui.btnCancel->click();
            }
        };
        choose(d, false, "48-Hours");
        d.ui.btnOK->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }));
    t.clock.onProcessEvents = nullptr;
    EXPECT_TRUE(onlyCancelActive);
    EXPECT_EQ(t.commands(), QByteArrayList({"4TS0", "4TS10", "4TS20"}));
    EXPECT_EQ(ReadBytes(file), "an older log\r\n");
    EXPECT_TRUE(t.boxes().isEmpty());
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_TRUE(t.w().Timer1.isActive());
}

INSTANTIATE_TEST_SUITE_P(Links, TrendLogs, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

TEST(TrendLogFiles, TwtaAndSspaLogsByteForByte)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const bool twta : {true, false}) {
        SCOPED_TRACE(twta ? "TWTA" : "SSPA");
        LogWindow t(UnitLink::Tcp, twta ? twtaProfile() : sspaProfile());
        ASSERT_TRUE(t.connect());
        t.logs->setTrendLog("4TS", {TrendRecords(2, "2603141500 0000 47.5 35 2.10 5.12 6.30 10.5") << endRecord()});
        EXPECT_TRUE(openTrendLogs(t, [](frmTrendLogs& d) {
            choose(d, false, " 1-Hours");
            d.ui.btnOK->click();
        }));
        const QString name = TrendLogFileName(t.p().unit.id.UnitSerialNo);
        EXPECT_EQ(t.shell.opened, QStringList{t.dataFile(name)});
        EXPECT_EQ(ReadBytes(t.dataFile(name)), GoldenBytes(twta ? "tlog_twta.txt" : "tlog_sspa.txt"));
    }
    QLocale::setDefault(QLocale::system());
}

// A record holding line ends (the serial line carries any byte) is one line of its file.
TEST(TrendLogFiles, ARecordHoldingLineEndsIsOneLineOfTheFile)
{
    LogWindow t(UnitLink::Serial, twtaProfile());
    ASSERT_TRUE(t.connect());
    QByteArrayList records = TrendRecords(2);
    records[0].replace(20, 8, "\r\nA\r\nB\r\n");
    records[0].replace(40, 2, "\r\n");
    ASSERT_EQ(records[0].size(), 200);
    t.logs->setTrendLog("4TS", {records << endRecord()});
    EXPECT_TRUE(openTrendLogs(t, [](frmTrendLogs& d) {
        choose(d, false, " 1-Hours");
        d.ui.btnOK->click();
    }));
    QByteArray oneLine = records[0];
    oneLine.replace('\r', ' ').replace('\n', ' ');
    const QByteArrayList body = LogBodyLines(ReadBytes(t.dataFile(TrendLogFileName(t.p().unit.id.UnitSerialNo))));
    EXPECT_EQ(body, QByteArrayList({oneLine, records[1], records[2]}));
}
