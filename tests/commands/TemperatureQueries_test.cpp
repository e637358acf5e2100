#include "ReplyTable.h"
#include "commands/TemperatureQueries.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
}

TEST(TemperatureQueries, TemperatureRangeAndSensorFields)
{
    struct Case {
        bool twoSensors;
        QByteArray data;
        qint16 result;
        QString f0, f1;
    };
    const Case cases[] = {
        {false, "? 25 ", 25, " 25 ", ""},
        {false, "?-40 ", -40, "-40 ", ""},
        {false, "?120", 120, "120", ""},
        {false, "?125 ", -125, "125 ", ""},
        {false, "?-41", -125, "-41", ""},
        {false, "?25", 25, "25", ""},   // short: cut before ETX
        {true, "? 30  31 ", 30, " 30 ", " 31 "},
        {true, "? 30     ", 30, " 30 ", ""},   // blank second sensor
        {true, "? 30 3", 30, " 30 ", "3"},
        {false, "T 25", -125, old, old},   // no mark: fields untouched
        {true, "", -125, old, old},
    };
    for (const Case& c : cases) {
        TestProgram t;
        const QByteArray command = c.twoSensors ? "?TT" : "?T";
        if (!c.data.isEmpty())
            t.replies[command] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(ReadTemperature(t.p(), c.twoSensors), c.result) << Shown(c.data);
        EXPECT_EQ(t.p().ReplyFields[0], c.f0) << Shown(c.data);
        EXPECT_EQ(t.p().ReplyFields[1], c.f1) << Shown(c.data);
        EXPECT_EQ(t.commands, QByteArrayList{command});
    }
}

TEST(TemperatureQueries, TextReadings)
{
    CheckQueryTables<QString>({
        // Echo exactly at 5, value rounded "##0".
        {"PBKI?",
         ReadInletTempDiffAlarmLevel,
         {{"PBKI27.6", "28"}, {"PBKI5", "5"}, {"PBKI", ""}, {"XPBKI27", ""}, {"PKI27", ""}, {"", ""}}},
        // Numbered parameter: the blank at 7 or later, value rounded "##0".
        {".?P332", ReadMaxCalTemperature, {{".P332 85.4", "85"}, {".P3 85", ""}, {".P33285", ""}, {"", ""}}},
        {".?P333", ReadMinCalTemperature, {{".P333 -10", "-10"}}},
        // From 7 up to ETX, which must stand at 8 or later.
        {"YFTH?", ReadHelixCurrentTripLevel, {{"YFTH150", "150"}, {"YFTH", ""}, {"YFT150", ""}}},
        // Address and "G", level 0 up to below 64.
        {"G?",
         ReadConstPowerLevel,
         {{"G47.25", "47.3"},
          {"G47.05", "47.1"},
          {"G0.0", "0.0"},
          {"G5", "5.0"},
          {"G64.0", ""},
          {"G-1", ""},
          {"47.5", ""},
          {"", ""}}},
    });
}

TEST(TemperatureQueries, NumberReadings)
{
    CheckQueryTables<qint16>({
        // Two characters at 7 and 8; negative gives -1.
        {"YGHI?",
         ReadHelixCurrentRatio,
         {{"YGHI12", 12}, {"YGHI7", 7}, {"YGHI123", 12}, {"YGHI-5", -1}, {"XYGHI12", -1}, {"", -1}}},
        // One digit at 7; anything else gives -1.
        {"PBKL?", ReadLatchTempFaults, {{"PBKL1", 1}, {"PBKL0", 0}, {"PBKLx", -1}, {"PBKL", -1}, {"", -1}}},
    });
    CheckQueryTables<float>({
        // Four characters after the echo, when they stand before the frame's end.
        {"PHI?", ReadHelix2Current, {{"PHI1.25", 1.25f}, {"PHI1.2", 0.0f}, {"PHX1.255", 0.0f}, {"", 0.0f}}},
        {"?t", ReadInletTemperature, {{"? 23.4", 23.4f}, {"?", 0.0f}, {"t23", -50.0f}, {"", -50.0f}}},
    });
}

TEST(TemperatureQueries, InletTemperatureField)
{
    TestProgram t;
    t.replies["?t"] = "?27.6";
    t.p().ReplyFields.fill(old);
    EXPECT_FLOAT_EQ(ReadInletTemperature(t.p()), 27.6f);
    EXPECT_EQ(t.p().ReplyFields[0], "28");
    t.replies.remove("?t");
    ReadInletTemperature(t.p());
    EXPECT_EQ(t.p().ReplyFields[0], "28");   // unanswered: field kept
}

TEST(TemperatureQueries, DoubledQueriesUseTheLastAnsweredReply)
{
    struct Case {
        QByteArrayList replies;   // the two "PBKA?" transactions; "" unanswered
        QByteArray fallback;      // ".?P179" reply
        QString result;
        QByteArrayList sent;
    };
    const QByteArrayList twice{"PBKA?", "PBKA?"};
    const Case cases[] = {
        {{"PBKA50", "PBKA55"}, "", "55", twice},
        {{"PBKA50", ""}, ".P179 60", "50", twice},   // a failed buffer is never read
        {{"", "PBKA55"}, "", "55", twice},
        {{"PKA50", "PKA50"}, ".P179 60", "", twice},                          // answered without the echo: no fallback
        {{"", ""}, ".P179 50.5", "50.5", twice + QByteArrayList{".?P179"}},   // as the unit writes it
        {{"", ""}, ".P179", "", twice + QByteArrayList{".?P179"}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.sequences["PBKA?"] = c.replies;
        if (!c.fallback.isEmpty())
            t.replies[".?P179"] = c.fallback;
        EXPECT_EQ(ReadTempAlarmLevel(t.p()), c.result) << Shown(c.replies.join('|'));
        EXPECT_EQ(t.commands, c.sent) << Shown(c.replies.join('|'));
    }

    TestProgram t;
    t.sequences["PBKL?"] = {"PBKL1", ""};
    EXPECT_EQ(ReadLatchTempFaults(t.p()), 1);
    EXPECT_EQ(t.commands, QByteArrayList({"PBKL?", "PBKL?"}));
}

TEST(TemperatureQueries, FaultLevelByProcessor)
{
    struct Case {
        bool pic;
        QMap<QByteArray, QByteArray> replies;
        QString result;
        QByteArrayList sent;
    };
    const QByteArrayList twice{"PBKF?", "PBKF?"};
    const Case cases[] = {
        {true, {{".?P4", ".P4 85.5"}, {"PBKF?", "PBKF80"}}, "85.5", {".?P4"}},
        {true, {{".?P4", ".P4"}}, "", {".?P4"}},
        {true, {{"PBKF?", "PBKF80"}}, "", {".?P4"}},
        {false, {{"PBKF?", "PBKF80.4"}, {".?P136", ".P136 90"}}, "80", twice},
        {false, {{"PBKF?", "PKF80"}, {".?P136", ".P136 90"}}, "", twice},   // no echo: no fallback
        {false, {{".?P136", ".P136 90"}}, "90", twice + QByteArrayList{".?P136"}},
        {false, {{".?P136", ".P1 90"}}, "", twice + QByteArrayList{".?P136"}},   // blank before 7
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.p().unit.flags.PicProcessorUnit = c.pic;
        t.replies = c.replies;
        EXPECT_EQ(ReadTempFaultLevel(t.p()), c.result) << c.pic << " " << c.sent.join(',').data();
        EXPECT_EQ(t.commands, c.sent);
    }
}

TEST(TemperatureQueries, HeaterVoltageFallsBackOnlyWhenUnanswered)
{
    struct Case {
        QByteArray phv, j;
        float result;
        QByteArrayList sent;
    };
    const Case cases[] = {
        {"PHV6.30 ", "?9.99 ", 6.3f, {"PHV?"}}, {"PHV6.3", "?9.99 ", 0.0f, {"PHV?"}},   // value reaches the frame's end
        {"PXV6.30 ", "?9.99 ", 0.0f, {"PHV?"}},                                         // no echo: "?J" not sent
        {"", "?6.30 ", 6.3f, {"PHV?", "?J"}},   {"", "J6.30 ", 0.0f, {"PHV?", "?J"}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.phv.isEmpty())
            t.replies["PHV?"] = c.phv;
        t.replies["?J"] = c.j;
        EXPECT_FLOAT_EQ(ReadHeaterVoltage(t.p()), c.result) << Shown(c.phv);
        EXPECT_EQ(t.commands, c.sent) << Shown(c.phv);
    }
}

TEST(TemperatureQueries, HelixHeaterFields)
{
    struct Case {
        bool four;
        QByteArray data;
        bool result;
        QString f[4];
    };
    const Case cases[] = {
        {true, "?1234567890ABCDEF", true, {"1234", "5678", "90AB", "CDEF"}},
        {true, "?1234567890AB", true, {"1234", "5678", "90AB", old}},
        {true, "?12345678", true, {"1234", "5678", old, old}},
        {true, "?1234567", false, {"1234", old, old, old}},
        {false, "?1234567890ABCDEF", true, {"1234", "5678", old, old}},
        {false, "V12345678", false, {old, old, old, old}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.replies[c.four ? "?VIvi" : "?VI"] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(ReadHelixHeaterReadings(t.p(), c.four), c.result) << Shown(c.data);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.p().ReplyFields[static_cast<size_t>(k)], c.f[k]) << Shown(c.data) << " field " << k;
    }
}

TEST(TemperatureQueries, TripLevelFieldsOnlyWhenWhole)
{
    struct Case {
        QByteArray data;
        bool result;
        QString f[3];
    };
    const Case cases[] = {
        {"?F47.5L20.0R30.0", true, {"F47.5", "L20.0", "R30.0"}},
        {"?F47.5L20.0R30", false, {"F47.5", "L20.0", old}},
        {"?F47.5L20", false, {"F47.5", old, old}},
        {"?F47", false, {old, old, old}},
        {"F47.5L20.0R30.0", false, {old, old, old}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.replies["?HLR"] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(GetRFTripLevels(t.p()), c.result) << Shown(c.data);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(t.p().ReplyFields[static_cast<size_t>(k)], c.f[k]) << Shown(c.data) << " field " << k;
    }
}

TEST(TemperatureQueries, UnitGain)
{
    TestProgram t;
    t.p().ReplyFields.fill(old);
    t.replies["PBJ?"] = "PBJ1 2.5";
    EXPECT_TRUE(ReadUnitGain(t.p()));
    EXPECT_EQ(t.p().ReplyFields[0], "1");
    EXPECT_EQ(t.p().ReplyFields[1], "2.5");
    t.replies["PBJ?"] = "PBJ012";   // not longer than 10 characters
    t.p().ReplyFields.fill(old);
    EXPECT_FALSE(ReadUnitGain(t.p()));
    EXPECT_EQ(t.p().ReplyFields[0], old);
}
