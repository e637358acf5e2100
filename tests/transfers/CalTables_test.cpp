// The calibration tables' pure pieces: levels and markers, the entry of a reply, the
// attenuator's first level and its begin/save rule, and the values of a file's lines.
#include "files/CmdFileSections.h"
#include "transfers/CalTables.h"
#include "status/QStringPrint.h"
#include <gtest/gtest.h>

TEST(CalTables, LevelsAreWholeTenthsWrittenWithTwoIntegerDigits)
{
    const struct {
        int tenths;
        const char* text;
    } cases[] = {{-40, "-04.0"}, {-4, "-00.4"}, {-1, "-00.1"}, {0, "00.0"},   {3, "00.3"},
                 {25, "02.5"},   {400, "40.0"}, {409, "40.9"}, {768, "76.8"}, {600, "60.0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CalLevelText(c.tenths), c.text) << c.tenths;
        EXPECT_EQ(CalMarkerLine(c.tenths), QStringLiteral("[%1 dBm]").arg(c.text));
    }
    // Counting from -4.0 by tenths meets every tenth exactly: 0.0 is the 40th level.
    EXPECT_EQ(CalLevelText(-40 + 39), "-00.1");
    EXPECT_EQ(CalLevelText(-40 + 40), "00.0");
}

TEST(CalTables, EntryTextOfAReply)
{
    const QString ack = "\x06"
                        "A";
    const struct {
        const char* name;
        QString reply;
        std::optional<QString> entry;
    } cases[] = {
        {"serial frame",
         ack + "YFC12.3 dB Entry#0A1F\x03"
               "x",
         "12.3 dB Entry#0A1F"},
        {"TCP line", ack + "YFC12.3 dB Entry#0A1F\x03\r", "12.3 dB Entry#0A1F"},
        {"cut at the first ETX",
         ack + "YFC12.3\x03"
               "ab\x03"
               "x",
         "12.3"},
        {"no ETX: the last two left off", ack + "YFC12.3 dB Entry#0A1F}x", "12.3 dB Entry#0A1F"},
        {"no ETX: whatever the last two are", ack + "YFC12.3 dB Entry#0A1F\r", "12.3 dB Entry#0A1"},
        {"echo only",
         ack + "YFC\x03"
               "x",
         ""},
        {"echo misplaced",
         ack + "xYFC12.3\x03"
               "x",
         std::nullopt},
        {"other echo",
         ack + "YAC12.3\x03"
               "x",
         std::nullopt},
        {"no echo",
         ack + "12.3 dB\x03"
               "x",
         std::nullopt},
        {"too short", ack + "YF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalEntryText(c.reply, "YFC"), c.entry) << c.name;
    EXPECT_TRUE(IsNoEntryReply(ack + "YFC02.4 NO ENTRY\x03"
                                     "x"));
    EXPECT_FALSE(IsNoEntryReply(ack + "YFC02.4 no entry\x03"
                                      "x"));
}

TEST(CalTables, FirstAttenuatorLevel)
{
    EXPECT_EQ(FirstAtnLevelTenths(true, false, 6316), 0);    // TWTA
    EXPECT_EQ(FirstAtnLevelTenths(true, true, 6316), -40);   // TWTA with the programmable up-converter
    EXPECT_EQ(FirstAtnLevelTenths(false, false, 9214), 0);
    EXPECT_EQ(FirstAtnLevelTenths(false, true, 9214), 0);
    EXPECT_EQ(FirstAtnLevelTenths(false, false, 7467), -40);   // SSPA
}

TEST(CalTables, AttenuatorBeginAndSaveCommands)
{
    const struct {
        bool twta;
        qint32 model;
        qint32 fw;
        const char* date;
        bool takes;
    } cases[] = {
        {true, 6316, 900, "Nov 8 2007", false},
        {true, 6316, 100, "Nov 9 2007", true},
        {true, 6316, 900, "2007-11-08", false},
        {true, 6316, 545, "", false},
        {true, 6316, 546, "", true},
        {true, 6316, 546, "not a date", true},
        {false, 5363, 900, "Dec 1 2010", false},
        {false, 7467, 900, "Nov 9 2007", true},
        {false, 7467, 900, "Nov 8 2007", false},
        {false, 7467, 900, "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TakesAtnBeginSave(c.twta, c.model, c.fw, c.date), c.takes)
            << c.twta << " " << c.model << " " << c.fw << " " << c.date;
}

TEST(CalTables, ValueAndEntryOfAFileLine)
{
    const struct {
        const char* line;
        const char* value;
        const char* entry;
    } cases[] = {
        {"12.3 dB Entry#0A1F", "12.3", "0A1F"},
        {"12.3 db entry#0a1f", "12.3", "0a1f"},
        {"  -4.0   DB ENTRY#00ff trailing", "-4.0", "00ff"},
        {"+7 dB Entry#12", "+7", "12"},   // the line ends sooner
        {"12.3 dB Entry#", "12.3", ""},
        {"[13.0 dBm]", "", ""},
        {"12dB Entry#0A1F", "", "0A1F"},         // "dB" at the 3rd character
        {"123dB x Entry#0A1F", "123", "0A1F"},   // at the 4th
        {"Entry#0A1F 12.3 dB", "", ""},
        {"x1.2 dB Entry#0A1F", "", "0A1F"},
        {"1e5 dB Entry#0001", "", "0001"},   // no exponent
        {"1 2 dB Entry#0001", "", "0001"},   // no blank inside
        {"1.2.3 dB Entry#0001", "", "0001"},
        {"    . dB Entry#0001", "", "0001"},
        {"#  Created: 14/03/2026", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetCalLineValue(c.line), c.value) << c.line;
        EXPECT_EQ(GetCalLineEntry(c.line), c.entry) << c.line;
    }
}

TEST(CalTables, ControlCharacters)
{
    EXPECT_FALSE(HoldsControlChar("0A1F"));
    EXPECT_FALSE(HoldsControlChar(QString("\xb0"
                                          "A ~")));
    for (const int code : {0, 9, 13, 31, 127})
        EXPECT_TRUE(HoldsControlChar(QString("0A") + QChar(code))) << code;
}

// An upload's file is judged whole before anything is sent: the first line that forbids it
// is named, otherwise every entry line becomes one write.
TEST(CalTables, UploadPlanOfAFile)
{
    const QString rfHeader = "#                  RF Power Cal File (Ku)";
    const QString atnHeader = "#                  Attenuator Cal File";
    const struct {
        const char* name;
        const CalTableKind& kind;
        QStringList lines;
        QStringList writes;
        int badLine;
        QString problem;
    } cases[] = {
        {"own header, markers skipped",
         RfCalTable,
         {"#####", rfHeader, "", "[13.0 dBm]", "13.0 dB Entry#0001", "+7 dB Entry#0002", "76.8 dB Entry#0003"},
         {"YFF13.0 0001", "YFF+7 0002", "YFF76.8 0003"},
         0,
         ""},
        {"no header", AtnCalTable, {"-4.0 dB Entry#0001", "56. dB Entry#0002"}, {"YAF-4.0 0001", "YAF56. 0002"}, 0, ""},
        {"the other table's header",
         RfCalTable,
         {"#####", "#", atnHeader, "0.5 dB Entry#0005"},
         {},
         3,
         "Line 3: the file is an \"Attenuator Cal File\", not an \"RF Power Cal File\"; nothing was sent."},
        {"the other table named after the header is a comment",
         AtnCalTable,
         {"1.0 dB Entry#0001", rfHeader},
         {"YAF1.0 0001"},
         0,
         ""},
        {"above the table",
         RfCalTable,
         {"76.9 dB Entry#0001"},
         {},
         1,
         "Line 1: the level 76.9 dB is outside the table's levels, 0.0 to 76.8 dB; nothing was sent."},
        {"below the attenuator's first level",
         AtnCalTable,
         {"1.0 dB Entry#0001", "-4.1 dB Entry#0002"},
         {},
         2,
         "Line 2: the level -4.1 dB is outside the table's levels, -4.0 to 56.0 dB; nothing was sent."},
        {"a control character in a line without an entry",
         RfCalTable,
         {"1.0 dB Entry#0001", QString("note") + QChar(9)},
         {},
         2,
         "Line 2 holds a control character; nothing was sent."},
        {"a control character in a comment",
         RfCalTable,
         {QString("#") + QChar(1), "1.0 dB Entry#0001"},
         {"YFF1.0 0001"},
         0,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int first = &c.kind == &RfCalTable ? 0 : -40;
        const CalUploadPlan plan = PlanCalUpload(c.lines, c.kind, first, first + c.kind.levels - 1);
        QStringList writes;
        for (const CalWrite& w : plan.writes)
            writes << w.command;
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(plan.badLine, c.badLine);
        EXPECT_EQ(plan.problem, c.problem);
    }
}
