// Log lines as comma-separated rows: event names, values, "<" values, identity lines, the
// cathode-current log's fixed columns, dates, times and seconds; the file reader, the log
// types and titles, the headings and the column letters.
#include "commands/UnitIdentity.h"
#include "status/QStringPrint.h"
#include "transfers/LogCsv.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ConvertLogLineToCsv, LinesBecomeRows)
{
    struct Case {
        const char* name;
        QString line;
        int type;
        QString row;
    };
    const QString event = QStringLiteral("Fault   ");   // padded to 8 characters
    const Case cases[] = {
        {"an event line", event + " 42.1 3.0 10.5 250101 134500", 0,
         event + ",42.1,3.0,10.5,01-01-25,13:45:00,1735739100"},
        {"no event", " 42.1 3.0 250101 134500", 1, " ,42.1,3.0,01-01-25,13:45:00,1735739100"},
        {"an event, the body beginning with a blank", event + "  42.1 250101 134500", 0,
         event + ",42.1,01-01-25,13:45:00,1735739100"},
        {"< and a blank: one cell", " 42.1 < 3.0 <  7 10.5 250101 134500", 2,
         " ,42.1,< 3.0,< 7,10.5,01-01-25,13:45:00,1735739100"},
        {"<12.0: one value", " <12.0 3.0 250101 134500", 2, " ,<12.0,3.0,01-01-25,13:45:00,1735739100"},
        {"< with no value after it", " 1.0 < 250101 134500", 2, " ,1.0,<,01-01-25,13:45:00,1735739100"},
        {"identity line", "SN: 12345", 0, "SN: 12345"},
        {"identity line without a number", "SN:", 0, "SN: "},
        {"one piece", "123456", 3, "12:34:56,"},
        {"cathode columns, four-digit time", "2.55.1010452011890 2603141500", 4,
         "2.5,5.1,010452,011890,03-14-26,15:00:00,1773500400"},
        {"cathode line too short", "2.55.1010452011890 2603141", 4, ""},
        {"no date", " 42.1 3.0  134500", 0, " ,42.1,3.0,13:45:00,"},
        {"a date that is none", " 42.1 251301 134500", 0, " ,42.1,13-01-25,13:45:00,"},
        {"a time that is none: the date alone", " 1.0 250101 99xx", 0, " ,1.0,01-01-25,99:xx:00,1735689600"},
        {"year 70", " 1.0 700101 000000", 0, " ,1.0,01-01-70,00:00:00,0"},
        {"year 69", " 1.0 691231 235959", 0, " ,1.0,12-31-69,23:59:59,-1"},
        {"year 68 leaves 32 bits", " 1.0 680101 000000", 0, " ,1.0,01-01-68,00:00:00,"},
        {"an event alone", "Fault", 5, "Fault,"},
        {"empty", "", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertLogLineToCsv(c.line, c.type), c.row) << c.name;
}

TEST(ReadLogFileAsCsv, HeadingThenOneRowPerDataLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plog.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("######\r\n#  Serial\r\n\r\n 42.1 250101 134500\r\n-----\r\nSN: 7\n");
    f.close();
    UnitIdentity sspa;
    EXPECT_EQ(ReadLogFileAsCsv(path, 0, sspa),
              GetLogCsvHeader(0, sspa) + "\r\n ,42.1,01-01-25,13:45:00,1735739100\r\nSN: 7\r\n");
    EXPECT_EQ(ReadLogFileAsCsv(dir.filePath("hlog.txt"), 1, sspa), "");
}

TEST(LogCsvNames, TypesTitlesHeadingsAndColumnLetters)
{
    struct Named {
        const char* file;
        int type;
        const char* title;
    };
    const Named names[] = {
        {"plog.txt", 0, "10-Min Log"},
        {"hlog.txt", 1, "Hourly Log"},
        {"dlog.txt", 2, "Daily Log"},
        {"mlog.txt", 3, "Monthly Log"},
        {"cmlog.txt", 4, "Cathode Current Log"},
        {"A_Bfltlog.txt", 5, "Fault Log"},
        {"A/Bfltlog.txt", -1, "Unknown Log File"},
        {"tlog.txt", -1, "Unknown Log File"},
    };
    for (const Named& n : names) {
        EXPECT_EQ(GetLogType(n.file, "A/B"), n.type) << n.file;
        EXPECT_EQ(GetLogTitle(n.file, "A/B"), n.title) << n.file;
    }

    UnitIdentity twta;
    twta.IsTwtaUnit = true;
    const QString rfInhibit = "Collector Temp (C), RF Inhibit (E=Enabled), Date";
    for (const qint32 model : {4471, 4487, 4491, 4470}) {
        twta.UnitModelCode = model;
        const QString heading = GetLogCsvHeader(1, twta);
        EXPECT_EQ(heading.split(',').size(), 12);
        EXPECT_EQ(heading.contains("Collector Temp (C), BUC Temp. (C), Date"), model != 4470) << model;
        EXPECT_EQ(heading.contains(rfInhibit), model == 4470) << model;
    }
    EXPECT_EQ(GetLogCsvHeader(4, twta), "Cathode Current, Anode V, Beam Hrs, Heater Hrs, Date, Time, Date/Time in Sec");
    EXPECT_EQ(GetLogCsvHeader(5, UnitIdentity()),
              "Event, Fwd Pwr (dBm), Rev Pwr (dBm),  Atten (dB), Collector Temp (C), RF Inhibit (E=Enabled), "
              "Date, Time, Date/Time in Sec");

    const std::pair<int, const char*> letters[] = {{1, "A"}, {9, "I"}, {12, "L"}, {15, "O"}, {0, ""}, {16, ""}};
    for (const auto& [number, letter] : letters)
        EXPECT_EQ(GetExcelColumnLetter(number), letter) << number;
}
