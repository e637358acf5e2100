// A log page that holds fewer entries or records than the unit's own counts call for, through
// the main window against the simulated unit over the pseudo-terminal and loopback TCP: each
// log kind fails there as for a refused page, writes no file and keeps the older one.
#include "LogWindow.h"
#include "status/QStringPrint.h"
#include "transfers/LogDownloads.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {
class ShortPages : public ::testing::TestWithParam<UnitLink> {};

QByteArrayList paramLines(int count)
{
    QByteArrayList lines;
    for (int k = 1; k <= count; ++k)
        lines << "P " + QByteArray::number(k).rightJustified(4, '0') + " 47.5  2.1 10.5 35 260314 1500";
    return lines;
}
}   // namespace

TEST_P(ShortPages, AShortPageOfEachLogFailsTheDownloadAndKeepsTheOlderFile)
{
    const struct {
        const char* name;
        std::function<void(SimUnitLogs&)> log;
        std::function<QString(frmMain&)> download;
        const char* file;   // in the data folder
        QByteArray lastPage;
        const char* title;
    } cases[] = {
        {"fault log: QF50 says 10 of 120 and holds 5",
         [](SimUnitLogs& l) {
             SimUnitLogs::FaultLog log{SimUnitLogs::Scheme::Paged, FaultEntries(120)};
             log.shortPages[50] = 5;
             l.setFaultLog(log);
         },
         [](frmMain& w) { return w.GetFaultLog(500, true); }, "T10452fltlog.txt", "QF50", "Faultlog Download"},
        {"10-minute log: 4P20 holds 5 lines",
         [](SimUnitLogs& l) {
             l.setParamLog("4P", {paramLines(60), true, {{20, 5}}});
         },
         [](frmMain& w) { return w.GetParameterLogFile(0); }, "plog.txt", "4P20", "Parameterlog Download"},
        {"short-term trend log: 4TS100 holds 7 and a half records",
         [](SimUnitLogs& l) {
             l.setTrendLog("4TS", {TrendRecords(400), true, {{100, QByteArray(100, '.')}}, {{100, 7}}});
         },
         [](frmMain& w) { return w.logs().GetTrendLogFile(false, 360); }, "T10452tlog.txt", "4TS100",
         "Trend log Download"},
    };
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    const QByteArray older = "an older log\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.log(*t.logs);
        const QString path = t.dataFile(c.file);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(older);
        }
        t.clearLogs();

        EXPECT_EQ(c.download(t.w()), "");

        EXPECT_EQ(t.commands().value(t.commands().size() - 1), c.lastPage);
        EXPECT_EQ(t.boxes(), QStringList{QString(c.title) + ": Download Failed"});
        EXPECT_EQ(ReadBytes(path), older);
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    }
}

INSTANTIATE_TEST_SUITE_P(Links, ShortPages, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });
