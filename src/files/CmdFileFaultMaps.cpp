// Command-file sections: Fault and alarm enables and bit maps.
#include "commands/CommandContext.h"
#include "commands/OptionWord.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include <span>

namespace cmdlines {

namespace {

// One bit's label for the unit (30 characters); `when` (a flag of the unit) must hold,
// none: always. Several labels of one bit: the first that holds is taken.
struct MapBit {
    int bit;
    const char* label;
    bool FaultMapUnit::*when;
};

const MapBit kTwtaFaultBits[] = {
    {0, "#  0 -  Wg Arc:               ", nullptr},
    {1, "#  1 -  UpConverter:          ", nullptr},
    {2, "#  2 -  Cover Ilok:           ", nullptr},
    {3, "#  3 -  Cable Ilok:           ", nullptr},
    {4, "#  4 -  Ext Ilok:             ", nullptr},
    {5, "#  5 -  Low Line:             ", nullptr},
    {6, "#  6 -  Over Temp:            ", nullptr},
    {7, "#  7 -  TWT Temp:             ", nullptr},
    {8, "#  8 -  HV Under:             ", nullptr},
    {9, "#  9 -  HV Over:              ", nullptr},
    {10, "#  10 - Helix Arc:            ", nullptr},
    {11, "#  11 - Helix Arc lch:        ", nullptr},
    {12, "#  12 - Input Overdrive:      ", nullptr},
    {13, "#  13 - Input Overdrive lch:  ", nullptr},
    {14, "#  14 - Fan Fault:            ", nullptr},
    {15, "#  15 - Thermal Ilok:         ", nullptr},
    {16, "#  16 - VSWR Fault:           ", nullptr},
    {17, "#  17 - RF High:              ", nullptr},
    {18, "#  18 - Factory RF:           ", nullptr},
    {19, "#  19 - RF Low:               ", nullptr},
    {20, "#  20 - Reflected RF:         ", nullptr},
    {21, "#  21 - Heater Fault:         ", &FaultMapUnit::heater},
    {21, "#  21 - Pwr Mismatch:         ", &FaultMapUnit::dualTwta},
    {22, "#  22 - Phase Sequence:       ", &FaultMapUnit::phaseSeq},
    {22, "#  22 - TWT Temp 2:           ", &FaultMapUnit::dualTwta},
    {23, "#  23 - Missing Phase:        ", &FaultMapUnit::missingPhase},
    {23, "#  23 - HV Under 2:           ", &FaultMapUnit::dualTwta},
    {23, "#  23 - Ext Ref Present:      ", &FaultMapUnit::extRefPresent},
    {23, "#  23 - WG Pressure:          ", &FaultMapUnit::wgPressure},
    {24, "#  24 - HV Over 2:            ", &FaultMapUnit::dualTwta},
    {24, "#  24 -  Wg Arc 1:            ", &FaultMapUnit::wgArc1},
    {24, "#  24 - Ext Ref Lock:         ", &FaultMapUnit::extRefLock},
    {25, "#  25 - Helix Arc 2:          ", &FaultMapUnit::dualTwta},
    {25, "#  25 -  Wg Arc 2:            ", &FaultMapUnit::wgArc2},
    {25, "#  25 - 24V Present:          ", &FaultMapUnit::v24Present},
    {26, "#  26 - Helix Arc lch 2:      ", &FaultMapUnit::dualTwta},
    {27, "#  27 - Thermal Ilok 2:       ", &FaultMapUnit::dualTwta},
    {28, "#  28 - RF Pwr Limit:         ", nullptr},
};
const MapBit kSspaFaultBits[] = {
    {0, "#  0 -  Wg Arc:               ", &FaultMapUnit::not7436},
    {1, "#  1 -  UpConverter:          ", nullptr},
    {2, "#  2 -  Cover Ilok:           ", &FaultMapUnit::coverIlok},
    {3, "#  3 -  Cable Ilok:           ", &FaultMapUnit::not7436},
    {4, "#  4 -  Ext Ilok:             ", &FaultMapUnit::not7436},
    {5, "#  5 -  Low Line:             ", nullptr},
    {6, "#  6 -  Over Temp:            ", nullptr},
    {7, "#  7 -  Power Supply:         ", nullptr},
    {8, "#  8 -  Power Supply 2:       ", &FaultMapUnit::powerSupply2},
    {9, "#  9 -  VSWR Fault:           ", nullptr},
    {10, "#  10 - RF High:              ", nullptr},
    {11, "#  11 - Factory RF:           ", nullptr},
    {12, "#  12 - RF Low:               ", nullptr},
    {13, "#  13 - Reflected RF:         ", nullptr},
    {14, "#  14 - RF Pwr Limit:         ", nullptr},
    {15, "#  15 - DCV Input Fault:      ", &FaultMapUnit::not7436},
};
const MapBit kHpBucFaultBits[] = {
    {0, "#  0 -  Wg Arc:               ", nullptr},
    {1, "#  1 -  UpConverter:          ", nullptr},
    {2, "#  2 -  Cover Ilok:           ", nullptr},
    {3, "#  3 -  Cable Ilok:           ", nullptr},
    {4, "#  4 -  Ext Ilok:             ", nullptr},
    {5, "#  5 -  Low Line:             ", nullptr},
    {6, "#  6 -  Over Temp:            ", nullptr},
    {7, "#  7 -  Power Supply:         ", nullptr},
    {8, "#  8 -  VSWR Fault:           ", nullptr},
    {9, "#  9 -  RF High:              ", nullptr},
    {10, "#  10 - Factory RF:           ", nullptr},
    {11, "#  11 - RF Low:               ", nullptr},
    {12, "#  12 - Reflected RF:         ", nullptr},
    {13, "#  13 - RF Pwr Limit:         ", nullptr},
    {14, "#  14 - DCV Input Fault:      ", nullptr},
    {15, "#  15 - Linearizer Fault:     ", &FaultMapUnit::linearizer},
    {16, "#  16 - Ext Ref. Fault:       ", &FaultMapUnit::extRef},
    {17, "#  17 - Ext Ref. Lock Fault:  ", &FaultMapUnit::extRefLock},
};
const MapBit kSspaSecondWordBits[] = {
    {0, "#  32 - 10V PS Fault:         ", nullptr},
    {1, "#  33 - 7V PS Fault:          ", nullptr},
    {2, "#  34 - -5V PS Fault:         ", nullptr},
    {3, "#  35 - PS Fault Signal:      ", nullptr},
};
const MapBit kTwtaAlarmBits[] = {
    {0, "#  0 -   Input Overdrive:     ", nullptr},  {1, "#  1 -   Low Input Drive:     ", nullptr},
    {2, "#  2 -   High Input Drive:    ", nullptr},  {3, "#  3 -   Const Pwr Suspend:   ", nullptr},
    {4, "#  4 -   RF High:             ", nullptr},  {5, "#  5 -   RF Low:              ", nullptr},
    {6, "#  6 -   Reflected RF:        ", nullptr},  {7, "#  7 -   VSWR Alarm:          ", nullptr},
    {9, "#  9 -   Low DCV:             ", nullptr},  {10, "#  10 -  High Temperature:    ", nullptr},
    {11, "#  11 -  Check Heatsink Fins: ", nullptr}, {12, "#  12 -  Ext Ref Present:     ", nullptr},
};
const MapBit kSspaAlarmBits[] = {
    {0, "#  0 -   Input Overdrive:     ", nullptr},  {1, "#  1 -   Low Input Drive:     ", nullptr},
    {2, "#  2 -   High Input Drive:    ", nullptr},  {3, "#  3 -   Const Pwr Suspend:   ", nullptr},
    {4, "#  4 -   RF High:             ", nullptr},  {5, "#  5 -   RF Low:              ", nullptr},
    {6, "#  6 -   Reflected RF:        ", nullptr},  {7, "#  7 -   VSWR Alarm:          ", nullptr},
    {9, "#  9 -   Low DCV:             ", nullptr},  {10, "#  10 -  High Temperature:    ", nullptr},
    {11, "#  11 -  DCV Input Alarm:     ", nullptr},
};

QStringList bitLines(std::span<const MapBit> bits, const FaultMapUnit& u, qint32 mask)
{
    QStringList lines;
    int lastBit = -1;
    for (const MapBit& b : bits) {
        if (b.bit == lastBit || (b.when && !(u.*b.when)))
            continue;
        lastBit = b.bit;
        const bool set = (static_cast<quint32>(mask) >> b.bit) & 1u;
        lines << QString::fromLatin1(b.label) + (set ? QStringLiteral("Enabled") : QStringLiteral("Disabled"));
    }
    return lines;
}

QStringList mapLines(const char* title, std::span<const MapBit> bits, const FaultMapUnit& u, qint32 mask)
{
    return QStringList{QStringLiteral("#"), QString::fromLatin1(title)} + bitLines(bits, u, mask);
}

const char* kFaultTitle = "# Fault Bit-Map";
const char* kAlarmTitle = "# Alarm Bit-Map";
}   // namespace

QStringList TWTAFaultMapLines(const FaultMapUnit& u, qint32 mask)
{
    return mapLines(kFaultTitle, kTwtaFaultBits, u, mask);
}

QStringList HPBucFaultMapLines(const FaultMapUnit& u, qint32 mask)
{
    return mapLines(kFaultTitle, kHpBucFaultBits, u, mask);
}

QStringList SSPAFaultMapLines(const FaultMapUnit& u, qint32 mask, qint32 mask2)
{
    if (u.picProcessor)
        return HPBucFaultMapLines(u, mask);
    QStringList lines = mapLines(kFaultTitle, kSspaFaultBits, u, mask);
    if (u.hasMask2)
        lines << bitLines(kSspaSecondWordBits, u, mask2);
    return lines;
}

QStringList TWTAAlarmMapLines(qint32 mask) { return mapLines(kAlarmTitle, kTwtaAlarmBits, FaultMapUnit{}, mask); }

QStringList SSPAAlarmMapLines(qint32 mask) { return mapLines(kAlarmTitle, kSspaAlarmBits, FaultMapUnit{}, mask); }

QStringList FaultEnableLines(const FaultMapUnit& u, qint32 mask, qint32 mask2, bool maskRead)
{
    QStringList lines{QStringLiteral("#"), QStringLiteral("#Fault Enable Status")};
    // A mask never read says so once, rather than listing every fault as disabled.
    if (!maskRead)
        lines << QStringLiteral("#Fault enables: not read from the unit");
    else
        lines << (u.twta ? TWTAFaultMapLines(u, mask) : SSPAFaultMapLines(u, mask, mask2));
    QString command = QStringLiteral("YIF") + QString::number(mask);
    if (u.hasMask2)
        command += QStringLiteral(",") + QString::number(mask2);
    // A mask never read must not disable every fault on a replay.
    return lines << LiveIf(maskRead, command);
}

QStringList AlarmEnableLines(bool twta, qint32 mask, bool maskRead)
{
    QStringList lines{QStringLiteral("#"), QStringLiteral("#Alarm Enable Status")};
    if (!maskRead)
        lines << QStringLiteral("#Alarm enables: not read from the unit");
    else
        lines << (twta ? TWTAAlarmMapLines(mask) : SSPAAlarmMapLines(mask));
    return lines << LiveIf(maskRead, QStringLiteral("YIA") + QString::number(mask));
}

QStringList LatchLines(bool extIlok, bool extIlokRead, bool lowLine, bool lowLineRead)
{
    const auto pair = [](const char* label, const char* command, bool on, bool read) {
        return QStringList{
            QString::fromLatin1(label) + (on ? QStringLiteral("Enabled") : QStringLiteral("Disabled")),
            LiveIf(read, QString::fromLatin1(command) + (on ? QStringLiteral("1") : QStringLiteral("0")))};
    };
    return pair("#Ext Ilok Latched: ", ".P212 ", extIlok, extIlokRead) +
           pair("#Low Line Latched: ", ".P151 ", lowLine, lowLineRead);
}

}   // namespace cmdlines

using namespace cmdlines;

namespace {
FaultMapUnit faultMapUnit(const UnitState& unit)
{
    const OptionFlags& f = unit.flags;
    const qint32 word = unit.id.OptionWord;
    FaultMapUnit u;
    u.twta = unit.id.IsTwtaUnit;
    u.picProcessor = f.PicProcessorUnit;
    u.not7436 = unit.id.UnitModelCode != 7436;
    u.coverIlok = !IsRackOption(word) && u.not7436;
    u.powerSupply2 = HasDualTWTAOption(word) && u.not7436;
    u.dualTwta = unit.config.DualTwtaUnit;
    u.heater = f.HasHeaterFault;
    u.phaseSeq = f.HasPhaseSeqFault;
    u.missingPhase = f.HasMissingPhaseFault;
    u.extRefPresent = f.HasExtRefPresentFault;
    u.wgPressure = f.HasWGPressureFault;
    u.wgArc1 = f.HasWGArc1Fault;
    u.extRefLock = f.HasExtRefLockFault;
    u.wgArc2 = f.HasWGArc2Fault;
    u.v24Present = f.Has24VPresentFault;
    u.linearizer = f.HasLinearizerFault;
    u.extRef = f.HasExtRefFault;
    u.hasMask2 = f.HasFaultEnableMask2;
    return u;
}
}   // namespace

bool SaveFaultEnableCfg(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit || ModelIn(unit.id.UnitModelCode, {7415, 7428}))
        return true;
    const FaultMapUnit u = faultMapUnit(unit);
    c.Write(FaultEnableLines(u, unit.config.FaultEnableMask, u.hasMask2 ? unit.flags.FaultEnableMask2 : 0,
                             unit.config.FaultEnableMaskRead));
    return true;
}

bool SaveLatchedFaults(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit || ModelIn(unit.id.UnitModelCode, {7415, 7428, 7436}))
        return true;
    const UnitConfig& u = unit.config;
    c.Write(LatchLines(u.ExtIlokLatched, u.ExtIlokLatchRead, u.LowLineLatched, u.LowLineLatchRead));
    return true;
}

bool SaveAlarmEnableCfg(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit || ModelIn(unit.id.UnitModelCode, {7415, 7428}))
        return true;
    c.Write(AlarmEnableLines(unit.id.IsTwtaUnit, unit.config.AlarmEnableMask, unit.config.AlarmEnableMaskRead));
    return true;
}
