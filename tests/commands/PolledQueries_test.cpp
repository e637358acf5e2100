#include "ReplyTable.h"
#include "commands/PolledQueries.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
}

TEST(PolledQueries, TextReadings)
{
    CheckQueryTables<QString>({
        // Four characters after the mark, blanks trimmed, never frame bytes.
        {"?P",
         ReadFwdRFPower,
         {{"?47.5", "47.5"}, {"? 47 ", "47"}, {"?47.55", "47.5"}, {"?4", "4"}, {"?", ""}, {"P47.5", ""}, {"", ""}}},
        // Printable run after the mark: up to the first control character.
        {"?A",
         GetAttenuation,
         {{"?12.5 dB", "12.5 dB"},
          {"?1\x01"
           "2",
           "1"},
          {"?", ""},
          {"A12.5", ""}}},
        {"?%", ReadUnitDateTime, {{"?Jan 02 2024 12:30:00", "Jan 02 2024 12:30:00"}, {"", ""}}},
        // Four characters untrimmed.
        {"?/", ReadDLAtnCountText, {{"? 123", " 123"}, {"?12", "12"}, {"/123", ""}}},
        // Numbered parameter text: the blank after 6, up to ETX.
        {".?P92", ReadCurrentSenseGain, {{".P92 1.25", "1.25"}, {".P92 ", ""}, {".P9 1.25", ""}, {"", ""}}},
    });
}

TEST(PolledQueries, NumberReadings)
{
    CheckQueryTables<qint16>({
        // Digits after "8" up to the first character below "0".
        {"8",
         GetAtnCount,
         {{"81234", 1234}, {"812.5", 12}, {"8-5", -1}, {"8", -1}, {"840000", -1}, {"7123", -1}, {"", -1}}},
        {"?/", ReadDLAtnCount, {{"?0123", 123}, {"?x", 0}, {"/123", -1}, {"", -1}}},
    });
    CheckQueryTables<float>({
        {".?P93", ReadCurrentSenseResistor, {{".P93 0.05", 0.05f}, {".P93 abc", 0.0f}, {".P93 ", 0.0f}, {"", 0.0f}}},
    });
}

TEST(PolledQueries, DrivePowerInTheDisplayUnit)
{
    struct Case {
        bool watts;
        QByteArray data;
        QString result;
    };
    const Case cases[] = {
        {false, "?-12.5", "-12.5"},
        {false, "?10.123", "10.12"},
        {false, "?-20.005", "-20.01"},
        {false, "? 47", "47.0"},
        {false, "?<-20", "<-20.0"},
        {true, "?30", "1.0"},
        {true, "?<20", "<0.1"},
        {false, "?-20<", "<-20.0"},
        {true, "?36.5", "4.466836"},
        {false, "X?-12", ""},
        {false, "", ""},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.p().display.DisplayWatts = c.watts;
        if (!c.data.isEmpty())
            t.replies["?S"] = c.data;
        EXPECT_EQ(ReadDrivePower(t.p()), c.result) << c.data.data();
    }
}

TEST(PolledQueries, CurrentSenseTakesAllFourOrNone)
{
    struct Case {
        QByteArray data;
        bool result;
        QString f[4];
    };
    const Case cases[] = {
        {"?AAAABBBBCCCCDDDD", true, {"AAAA", "BBBB", "CCCC", "DDDD"}},
        {"?AAAABBBBCCCCDD", false, {old, old, old, old}},   // long enough, fourth field cut by the frame
        {"?AAAABBBB", false, {old, old, old, old}},
        {"XAAAABBBBCCCCDDDD", false, {old, old, old, old}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.replies["?IiJj"] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(ReadCurrentSense(t.p()), c.result) << c.data.data();
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.p().ReplyFields[static_cast<size_t>(k)], c.f[k]) << c.data.data() << " field " << k;
    }
}

TEST(PolledQueries, NakGivesDefaults)
{
    TestProgram t;
    for (const char* command : {"?P", "?A", "8", "?IiJj"})
        t.rawReplies[command] = unitframes::serialReply('A', "?12345678901234567", unitframes::NAK);
    t.p().ReplyFields.fill(old);
    EXPECT_EQ(ReadFwdRFPower(t.p()), "");
    EXPECT_EQ(GetAttenuation(t.p()), "");
    EXPECT_EQ(GetAtnCount(t.p()), -1);
    EXPECT_FALSE(ReadCurrentSense(t.p()));
    EXPECT_EQ(t.p().ReplyFields[0], old);
}
