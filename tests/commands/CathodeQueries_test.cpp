#include "ReplyTable.h"
#include "commands/CathodeQueries.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
}

TEST(CathodeQueries, MonitorReadings)
{
    CheckQueryTables<qint16>({
        // One digit after the echo; a bare reply without the echo is read from its start.
        {"PBFS?",
         ReadCathodeCurrentMonitoring,
         {{"PBFS2", 1}, {"PBFS1", 1}, {"PBFS0", 0}, {"PBFSx", 0}, {"1", 1}, {"", -1}}},
        // Whole numbers after the echo, each with its own floor.
        {"PBFM?", QueryPBFM, {{"PBFM12", 12}, {"PBFM0", -1}, {"7", 7}, {"PBFM40000", -1}, {"", -1}}},
        {"PBFI?", ReadIdealCathodeCurrent, {{"PBFI350", 350}, {"PBFI-3", -1}}},
        {"PBFA?", ReadAnodeVoltage, {{"PBFA1200", 1200}, {"PBFA0", -1}}},
        {"PBFO?", ReadCathodeCurrentScalar, {{"PBFO4095", 4095}, {"PBFO-5", 0}, {"", 0}}},
        {"PBFT?", ReadAnodeVoltageScale, {{"PBFT-5", -5}, {"PBFT99999", 0}, {"", 0}}},
        // Echo exactly at 4.
        {"PBFF?", ReadNegAnodeStartVoltage, {{"PBFF120", 120}, {"XPBFF120", 0}, {"120", 0}, {"", 0}}},
        {"YCI?", ReadFloatSupplyYCI, {{"YCI0", 0}, {"YCI12.5", 12}, {"YC", -1}, {"YCI40000", -1}, {"", -1}}},
    });
    CheckQueryTables<bool>({
        {"PBFE?", ReadNegativeAnodeEnable, {{"PBFE1", true}, {"PBFE0", false}, {"XPBFE1", false}, {"", false}}},
    });
}

TEST(CathodeQueries, MonitoringModeDigitIsKept)
{
    const std::pair<QByteArray, qint16> cases[] = {
        {"PBFS0", CathodeModeOff}, {"PBFS1", CathodeModeEnabled}, {"PBFS2", CathodeModeMonitor},
        {"PBFSx", CathodeModeOff}, {"", CathodeModeUnknown},
    };
    for (const auto& [data, mode] : cases) {
        TestProgram t;
        t.p().unit.readings.CathodeCurrentMode = 7;
        if (!data.isEmpty())
            t.replies["PBFS?"] = data;
        ReadCathodeCurrentMonitoring(t.p());
        EXPECT_EQ(t.p().unit.readings.CathodeCurrentMode, mode) << data.data();
    }
}

TEST(CathodeQueries, CathodeCurrentFallsBackOnlyWhenUnanswered)
{
    struct Case {
        QByteArray c, pbfc;
        qint16 result;
        QByteArrayList sent;
    };
    const Case cases[] = {
        {"? 123", "PBFC45", 123, {"?C"}},    {"?-12", "PBFC45", -1, {"?C"}},
        {"C123", "PBFC45", -1, {"?C"}},   // no mark: no fallback
        {"", "PBFC45", 45, {"?C", "PBFC?"}}, {"", "PBFC-4", -1, {"?C", "PBFC?"}},
        {"", "", -1, {"?C", "PBFC?"}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.c.isEmpty())
            t.replies["?C"] = c.c;
        if (!c.pbfc.isEmpty())
            t.replies["PBFC?"] = c.pbfc;
        EXPECT_EQ(GetCathodeCurrent(t.p()), c.result) << Shown(c.c);
        EXPECT_EQ(t.commands, c.sent) << Shown(c.c);
    }
}

TEST(CathodeQueries, FloatSupplyParts)
{
    struct Case {
        QByteArray command, data;
        bool result;
        int parts;     // entries 0 .. parts-1 hold "p0", "p1", ...
        int cleared;   // entry set to "" (-1: none)
    };
    const Case cases[] = {
        {"YCA?", "YCAp0;p1;p2;p3;p4;p5;p6", false, 0, -1},
        {"YCA?", "YCAp0;p1;p2;p3;p4;p5;p6;p7", true, 8, 8},
        {"YCA?", "YCAp0;p1;p2;p3;p4;p5;p6;p7;p8;p9;p10;p11", true, 11, -1},   // twelfth dropped
        {"YCA?", "YCAp0;p1;p2;p3;p4;p5;p6;p7;p8;p9;p10;p11;p12", false, 0, -1},
        {"YCD?", "YCDp0;p1;p2;p3", true, 4, 4},
        {"YCD?", "YCDp0;p1;p2", false, 0, -1},
        {"YCD?", "YCXp0;p1;p2;p3", false, 0, -1},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.replies[c.command] = c.data;
        t.p().ReplyFields.fill(old);
        const bool r = c.command == "YCA?" ? ReadFloatSupplyYCA(t.p()) : ReadFloatSupplySettings(t.p());
        EXPECT_EQ(r, c.result) << c.data.data();
        for (int k = 0; k < 11; ++k) {
            const QString want = k < c.parts ? QStringLiteral("p%1").arg(k) : k == c.cleared ? QString() : old;
            EXPECT_EQ(t.p().ReplyFields[static_cast<size_t>(k)], want) << c.data.data() << " entry " << k;
        }
    }
}

TEST(CathodeQueries, FloatSupplySettingsByName)
{
    TestProgram t;
    t.replies["YCD?"] = "YCD6.3;0.8;1.5;2.25";
    ASSERT_TRUE(ReadFloatSupplySettings(t.p()));
    const FloatSupplyValues& v = t.p().unit.readings.FloatSupplySettings;
    EXPECT_EQ(v.HeaterVoltage, "6.3");
    EXPECT_EQ(v.HeaterCurrent, "0.8");
    EXPECT_EQ(v.FocusElectrodeOff, "1.5");
    EXPECT_EQ(v.FocusElectrodeOn, "2.25");
}

TEST(CathodeQueries, NakAndFrameBytesGiveDefaults)
{
    TestProgram t;
    t.rawReplies["PBFS?"] = unitframes::serialReply('A', "PBFS1", unitframes::NAK);
    t.rawReplies["PBFO?"] = unitframes::serialReply('A', "PBFO12", unitframes::NAK);
    t.rawReplies["YCD?"] = unitframes::serialReply('A', "YCD1;2;3;4", unitframes::NAK);
    t.p().ReplyFields.fill(old);
    EXPECT_EQ(ReadCathodeCurrentMonitoring(t.p()), -1);
    EXPECT_EQ(ReadCathodeCurrentScalar(t.p()), 0);
    EXPECT_FALSE(ReadFloatSupplySettings(t.p()));
    EXPECT_EQ(t.p().ReplyFields[0], old);
    // A reply of the bare frame: nothing after the address but ETX and checksum.
    t.rawReplies["PBFA?"] = unitframes::serialReply('A', "");
    EXPECT_EQ(ReadAnodeVoltage(t.p()), -1);
}
