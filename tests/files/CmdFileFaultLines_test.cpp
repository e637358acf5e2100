// The fault and alarm enable sections and their bit maps, from plain unit values.
#include "files/CmdFileLines.h"
#include <gtest/gtest.h>

using namespace cmdlines;

namespace {
// The bit numbers a map lists, with E or D: "0E", "1D" ...
QStringList bits(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines) {
        if (line.size() < 30 || !line.startsWith("#  "))
            continue;
        EXPECT_EQ(line.indexOf(':') < 30 && (line.endsWith("Enabled") || line.endsWith("Disabled")), true)
            << line.toStdString();
        out << line.mid(3, 2).trimmed() + (line.endsWith("Enabled") ? "E" : "D");
    }
    return out;
}

QStringList range(int from, int to, qint64 mask = 0)
{
    QStringList out;
    for (int b = from; b <= to; ++b)
        out << QString::number(b) + (((mask >> b) & 1) ? "E" : "D");
    return out;
}
}   // namespace

TEST(CmdFileFaultLines, TubeFaultMapAndItsOptionalBits)
{
    FaultMapUnit tube;
    tube.twta = true;
    const QStringList single = FaultEnableLines(tube, 5, 0, true);
    EXPECT_EQ(single.mid(0, 4), QStringList({"#", "#Fault Enable Status", "#", "# Fault Bit-Map"}));
    EXPECT_EQ(single[4], "#  0 -  Wg Arc:               Enabled");
    EXPECT_EQ(single[5], "#  1 -  UpConverter:          Disabled");
    EXPECT_EQ(bits(single), range(0, 20, 5) + QStringList{"28D"});
    EXPECT_EQ(single.last(), "YIF5");
    for (const QString& line : single.mid(4, single.size() - 5))
        EXPECT_EQ(line.indexOf(line.endsWith("Enabled") ? "Enabled" : "Disabled"), 30) << line.toStdString();

    // The first condition that holds names the bit: a dual TWTA with optional-fault flags.
    FaultMapUnit dual = tube;
    dual.dualTwta = dual.heater = dual.wgArc1 = dual.v24Present = dual.extRefPresent = true;
    const QStringList lines = TWTAFaultMapLines(dual, 1 << 21);
    EXPECT_TRUE(lines.contains("#  21 - Heater Fault:         Enabled"));
    EXPECT_TRUE(lines.contains("#  22 - TWT Temp 2:           Disabled"));
    EXPECT_TRUE(lines.contains("#  23 - HV Under 2:           Disabled"));
    EXPECT_TRUE(lines.contains("#  24 - HV Over 2:            Disabled"));
    EXPECT_TRUE(lines.contains("#  25 - Helix Arc 2:          Disabled"));
    EXPECT_EQ(bits(lines), range(0, 28, 1 << 21));

    FaultMapUnit flagsOnly = tube;
    flagsOnly.wgPressure = flagsOnly.extRefLock = flagsOnly.v24Present = true;
    const QStringList some = TWTAFaultMapLines(flagsOnly, 0);
    EXPECT_TRUE(some.contains("#  23 - WG Pressure:          Disabled"));
    EXPECT_TRUE(some.contains("#  24 - Ext Ref Lock:         Disabled"));
    EXPECT_TRUE(some.contains("#  25 - 24V Present:          Disabled"));
    EXPECT_EQ(bits(some), (range(0, 20) + QStringList{"23D", "24D", "25D", "28D"}));
}

TEST(CmdFileFaultLines, SolidStateFaultMaps)
{
    FaultMapUnit sspa;
    sspa.coverIlok = sspa.powerSupply2 = true;
    EXPECT_EQ(bits(SSPAFaultMapLines(sspa, 0xffff, 0)), range(0, 15, 0xffff));

    FaultMapUnit m7436;
    m7436.not7436 = false;
    EXPECT_EQ(bits(SSPAFaultMapLines(m7436, 0, 0)),
              QStringList({"1D", "5D", "6D", "7D", "9D", "10D", "11D", "12D", "13D", "14D"}));

    FaultMapUnit rack;   // a rack unit without the second supply: no bits 2 and 8
    EXPECT_EQ(bits(SSPAFaultMapLines(rack, 0, 0)),
              QStringList({"0D", "1D", "3D", "4D", "5D", "6D", "7D", "9D", "10D", "11D", "12D", "13D", "14D", "15D"}));

    FaultMapUnit second = sspa;
    second.hasMask2 = true;
    const QStringList two = FaultEnableLines(second, 5, 3, true);
    EXPECT_EQ(bits(two), (range(0, 15, 5) + QStringList{"32E", "33E", "34D", "35D"}));
    EXPECT_TRUE(two.contains("#  34 - -5V PS Fault:         Disabled"));
    EXPECT_EQ(two.last(), "YIF5,3");

    FaultMapUnit pic = second;
    pic.picProcessor = true;
    pic.extRef = true;
    const QStringList hp = FaultEnableLines(pic, 1 << 16, 3, true);
    EXPECT_EQ(bits(hp), range(0, 14) + QStringList{"16E"});
    EXPECT_TRUE(hp.contains("#  16 - Ext Ref. Fault:       Enabled"));

    FaultMapUnit noSecond = sspa;   // a second word this connection never received
    EXPECT_EQ(FaultEnableLines(noSecond, 5, 3, true).last(), "YIF5");
    EXPECT_EQ(FaultEnableLines(noSecond, 0, 0, false),
              QStringList({"#", "#Fault Enable Status", "#Fault enables: not read from the unit", "#YIF0"}));
}

TEST(CmdFileFaultLines, AlarmMapsAndLatches)
{
    const QStringList tube = AlarmEnableLines(true, 0x1001, true);
    EXPECT_EQ(tube.mid(0, 4), QStringList({"#", "#Alarm Enable Status", "#", "# Alarm Bit-Map"}));
    EXPECT_EQ(bits(tube), QStringList({"0E", "1D", "2D", "3D", "4D", "5D", "6D", "7D", "9D", "10D", "11D", "12E"}));
    EXPECT_TRUE(tube.contains("#  11 -  Check Heatsink Fins: Disabled"));
    EXPECT_EQ(tube.last(), "YIA4097");
    const QStringList sspa = AlarmEnableLines(false, 0x800, true);
    EXPECT_EQ(bits(sspa), QStringList({"0D", "1D", "2D", "3D", "4D", "5D", "6D", "7D", "9D", "10D", "11E"}));
    EXPECT_TRUE(sspa.contains("#  11 -  DCV Input Alarm:     Enabled"));
    EXPECT_EQ(sspa.last(), "YIA2048");
    // A mask never read says so once instead of listing every bit, and is recorded only.
    EXPECT_EQ(AlarmEnableLines(false, 0, false),
              QStringList({"#", "#Alarm Enable Status", "#Alarm enables: not read from the unit", "#YIA0"}));

    EXPECT_EQ(LatchLines(true, true, false, true),
              QStringList({"#Ext Ilok Latched: Enabled", ".P212 1", "#Low Line Latched: Disabled", ".P151 0"}));
    EXPECT_EQ(LatchLines(false, false, true, true),
              QStringList({"#Ext Ilok Latched: Disabled", "#.P212 0", "#Low Line Latched: Enabled", ".P151 1"}));
}
