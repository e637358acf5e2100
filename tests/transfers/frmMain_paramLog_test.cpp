// The parameter-log download through the main window against the simulated unit over the
// pseudo-terminal and loopback TCP: pages asked for, time-outs, the file, the boxes, a
// refused page, a lost link, Cancel and the files byte for byte.
#include "LogWindow.h"
#include "support/XlsxReader.h"
#include "transfers/LogExport.h"
#include "status/QStringPrint.h"
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// `count` lines "<log> <k> ...", numbered from 1, the last one the end line when `endLine`.
QByteArrayList logLines(const QByteArray& log, int count, bool endLine = false)
{
    QByteArrayList lines;
    for (int k = 1; k <= count; ++k)
        lines << log + ' ' + QByteArray::number(k).rightJustified(4, '0') + " 47.5  2.1 10.5 35 260314 1500";
    if (endLine && count > 0)
        lines.last() = "----- end of log -----";
    return lines;
}

struct ParamCase {
    const char* name;
    int type;
    SimUnitLogs::ParamLog log;
    QByteArrayList commands;
    QByteArrayList lines;   // the file's lines; empty: no file
    QStringList boxes;
    QByteArray nak;   // a page the unit refuses
};

std::vector<ParamCase> paramCases()
{
    const QByteArrayList tenMinute = logLines("P", 23, true);
    const QByteArrayList hourly = logLines("H", 150);
    const QByteArrayList monthly = logLines("M", 15, true);
    QByteArrayList broken = logLines("P", 13, true);
    broken[5] = "x";   // a one-character line ends its page
    const QByteArrayList cathode = logLines("C", 2200);
    const QString failed = "Parameterlog Download: Download Failed";
    return {
        {"10-minute, end line on page 20", 0, {tenMinute}, {"4P0", "4P10", "4P20"}, tenMinute, {}},
        {"hourly, full pages", 1, {hourly}, LogPages("4H", 0, 110), hourly.mid(0, 120), {}},
        {"daily, empty first page", 2, {{}}, {"4D0"}, {}, {"Parameterlog Download: Empty Parameter log Table"}},
        {"monthly without the echo", 3, {monthly, false}, {"4M0", "4M10"}, monthly, {}},
        // A page that holds fewer lines than its place calls for, without the end line, would
        // leave a gap: the download fails, as for a refused page.
        {"a one-character line", 0, {broken}, {"4P0"}, {}, {failed}},
        {"hourly, page 20 short", 1, {hourly, true, {{20, 5}}}, {"4H0", "4H10", "4H20"}, {}, {failed}},
        {"daily, a short last page without the end line",
         2,
         {logLines("D", 25)},
         {"4D0", "4D10", "4D20"},
         {},
         {failed}},
        {"cathode current", 4, {cathode}, LogPages("4C", 0, 2180), cathode.mid(0, 2190), {}},
        {"hourly, page 30 refused", 1, {hourly}, LogPages("4H", 0, 30), {}, {failed}, "4H30"},
        {"10-minute, first page refused", 0, {tenMinute}, {"4P0"}, {}, {failed}, "4P0"},
    };
}

class ParamLogOverLink : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST_P(ParamLogOverLink, PagesTimeOutsFileAndBoxesOfEachLog)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    const char* names[] = {"plog.txt", "hlog.txt", "dlog.txt", "mlog.txt", "cmlog.txt"};
    const QByteArray commands[] = {"4P", "4H", "4D", "4M", "4C"};
    const int bounds[] = {60, 120, 90, 36, 2190};
    int k = 0;
    for (const ParamCase& c : paramCases()) {
        SCOPED_TRACE(c.name);
        const QString path = t.dataFile(names[c.type]);
        QFile::remove(path);
        t.logs->setParamLog(commands[c.type], c.log);
        t.unit.editProfile([&](SimUnitProfile& profile) {
            profile.behaviour.remove("4H30");
            profile.behaviour.remove("4P0");
            if (!c.nak.isEmpty())
                profile.behaviour[c.nak].kind = SimBehaviour::Nak;
        });
        t.clearLogs();
        const float before = (k++ % 2) ? 3.5f : 2.0f;
        t.p().LinkObject.setMsgTimeout(before);

        const QString returned = t.w().GetParameterLogFile(c.type);

        EXPECT_EQ(t.commands(), c.commands);
        for (const SentCommand& s : t.sent)
            EXPECT_FLOAT_EQ(s.timeout, 10.0f) << s.command.toStdString();
        EXPECT_EQ(t.boxes(), c.boxes);
        EXPECT_EQ(t.progress.titles, QStringList{"Parameterlog Download"});
        EXPECT_EQ(t.progress.maximum, bounds[c.type]);
        const QByteArray file = ReadBytes(path);
        if (c.lines.isEmpty()) {
            EXPECT_EQ(returned, "");
            EXPECT_EQ(file, "<missing>");
        } else {
            EXPECT_EQ(returned, names[c.type]);
            EXPECT_EQ(LogBodyLines(file), c.lines);
            EXPECT_EQ(t.progress.values.last(), c.lines.size());
        }
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_EQ(t.p().transfers.ParamLogLines.size(), 1);
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), before);
        EXPECT_TRUE(t.w().Timer1.isActive());
        t.w().Timer1.stop();
    }
}

TEST_P(ParamLogOverLink, ALostLinkOrCancelLeavesNoFileAndTheOlderOneAsItWas)
{
    const QByteArray older = "an older log\r\n";
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "lost link");
        LogWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        t.logs->setParamLog("4H", {logLines("H", 150)});
        if (cancel)
            t.progress.cancelAtValue = 20;
        else
            t.unit.editProfile(
                [](SimUnitProfile& profile) { profile.behaviour["4H20"].kind = SimBehaviour::DropConnection; });
        const QString path = t.dataFile("hlog.txt");
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(older);
        }
        EXPECT_EQ(t.w().GetParameterLogFile(1), "");
        EXPECT_EQ(t.commands(), QByteArrayList({"4H0", "4H10", "4H20"}).mid(0, cancel ? 2 : 3));
        EXPECT_EQ(ReadBytes(path), older);
        EXPECT_EQ(t.boxes().count("Parameterlog Download: Download Failed"), cancel ? 0 : 1);
        EXPECT_EQ(t.w().Timer1.isActive(), cancel);
        EXPECT_EQ(t.w().ui.btnConnect->text(), cancel ? "Disconnect" : "Connect");
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, ParamLogOverLink, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

TEST(ParamLogFiles, TenMinuteAndCathodeLogsByteForByte)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LogWindow t(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(t.connect());
    t.p().unit.features.HasParamLog = true;
    t.logs->setParamLog("4P", {{"001  47.5  2.1 10.5 5120 250.3 6.30 35 0 260314 150000",
                                "002  47.4  2.1 10.5 5118 250.1 6.30 36 0 260314 151000", "----- 260314 151026"}});
    t.logs->setParamLog("4C",
                        {{"2.51 5120 10452 11890 2603141500", "2.50 5118 10453 11891 2603141600", "----- 2603141626"}});
    EXPECT_EQ(t.w().GetParameterLogFile(0), "plog.txt");
    EXPECT_EQ(ReadBytes(t.dataFile("plog.txt")), GoldenBytes("plog.txt"));
    // Also without a serial number the cathode-current log has its header.
    t.p().unit.id.UnitSerialNo.clear();
    EXPECT_EQ(t.w().GetParameterLogFile(4), "cmlog.txt");
    EXPECT_EQ(ReadBytes(t.dataFile("cmlog.txt")), GoldenBytes("cmlog.txt"));
    QLocale::setDefault(QLocale::system());
}

// A line holding line ends (the serial line carries any byte) is one line of its file and
// one row of its sheet.
TEST(ParamLogFiles, ALineHoldingLineEndsIsOneLineOfTheFileAndOneRowOfTheSheet)
{
    LogWindow t(UnitLink::Serial, twtaProfile());
    ASSERT_TRUE(t.connect());
    const QByteArrayList lines = {" 47.5\r\n2.1 10.5\n35 E 251211 103000", " 47.4 2.5 10.5 36 D 251211 104000",
                                  "----- 251211 104026"};
    t.logs->setParamLog("4P", {lines});
    EXPECT_EQ(t.w().GetParameterLogFile(0), "plog.txt");
    QByteArray oneLine = lines[0];
    oneLine.replace('\r', ' ').replace('\n', ' ');
    EXPECT_EQ(LogBodyLines(ReadBytes(t.dataFile("plog.txt"))), QByteArrayList({oneLine, lines[1], lines[2]}));

    const auto book = ReadXlsx(ExportLogsToExcel(t.p(), {"plog.txt"}));
    ASSERT_TRUE(book);
    const XlsxSheet& sheet = book->at(0);
    QStringList row6, row7;
    for (const char* column : {"B", "C", "D", "E", "F", "G"}) {
        row6 << sheet.cells.value(column + QString("6")).value;
        row7 << sheet.cells.value(column + QString("7")).value;
    }
    EXPECT_EQ(row6, QStringList({"47.5", "2.1", "10.5", "35", "E", "12-11-25"}));
    EXPECT_EQ(row7, QStringList({"47.4", "2.5", "10.5", "36", "D", "12-11-25"}));
    EXPECT_FALSE(sheet.cells.contains("A8"));
}
