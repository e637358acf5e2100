#pragma once
// Every reading procedure with the value it gives against the simulated unit's profiles,
// written as text so one loop can check them all over any link.
#include "commands/CathodeQueries.h"
#include "commands/LinearizerQueries.h"
#include "commands/PolledQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "app/Program.h"
#include <QStringList>
#include <functional>
#include <vector>

struct ReadingCase {
    const char* name;
    bool tube;         // the TWTA profile answers it
    bool solidState;   // the SSPA profile answers it
    std::function<QString(Program&)> read;
    QString expected;
};

namespace readingcases {
using namespace SsaCmds;

inline QString n(qint32 v) { return QString::number(v); }
inline QString f(float v) { return QString::number(v); }
inline QString b(bool v) { return v ? QStringLiteral("T") : QStringLiteral("F"); }
// The result followed by ReplyFields 0 .. count-1.
inline QString withFields(const QString& result, const Program& p, int count)
{
    QStringList parts{result};
    for (int k = 0; k < count; ++k)
        parts << p.ReplyFields[static_cast<size_t>(k)];
    return parts.join(QLatin1Char('|'));
}

inline const std::vector<ReadingCase>& all()
{
    static const std::vector<ReadingCase> cases = {
        // Both families.
        {"ReadTemperature", true, true, [](Program& p) { return n(ReadTemperature(p, false)); }, "35"},
        {"ReadInletTemperature", true, true, [](Program& p) { return f(ReadInletTemperature(p)); }, "28.4"},
        {"ReadTempFaultLevel", true, true, ReadTempFaultLevel, "85"},
        {"ReadTempAlarmLevel", true, true, ReadTempAlarmLevel, "75"},
        {"ReadInletTempDiffAlarmLevel", true, true, ReadInletTempDiffAlarmLevel, "15"},
        {"ReadLatchTempFaults", true, true, [](Program& p) { return n(ReadLatchTempFaults(p)); }, "1"},
        {"ReadMaxCalTemperature", true, true, ReadMaxCalTemperature, "70"},
        {"ReadMinCalTemperature", true, true, ReadMinCalTemperature, "-20"},
        {"ReadConstPowerLevel", true, true, ReadConstPowerLevel, "47.5"},
        {"GetRFTripLevels", true, true, [](Program& p) { return withFields(b(GetRFTripLevels(p)), p, 3); },
         "T|F70.0|L10.0|R45.0"},
        {"ReadFwdRFPower", true, true, ReadFwdRFPower, "65.2"},
        {"ReadDrivePower", true, true, ReadDrivePower, "-12.5"},
        {"GetAttenuation", true, true, GetAttenuation, "10.5"},
        {"GetAtnCount", true, true, [](Program& p) { return n(GetAtnCount(p)); }, "2048"},
        {"ReadUnitDateTime", true, true, ReadUnitDateTime, "12/31/2025 23:59:58"},
        {"ReadRFFrequency", true, true, ReadRFFrequency, "14250"},
        {"GetCurrentSubBand", true, true, [](Program& p) { return withFields(n(GetCurrentSubBand(p)), p, 1); },
         "2|14.25"},
        {"ReadSubBandList", true, true, [](Program& p) { return withFields(b(ReadSubBandList(p)), p, 4); },
         "T|14.00|14.25|14.50|"},
        {"ReadPSVsetValue", true, true,
         [](Program& p) {
             const PSVsetReply r = ReadPSVsetValue(p, -1);
             return n(r.Status) + "|" + n(r.Value);
         },
         "0|1250"},
        // Tube units.
        {"ReadTemperature two sensors", true, false,
         [](Program& p) { return withFields(n(ReadTemperature(p, true)), p, 2); }, "35| 35 | 31 "},
        {"ReadHelixHeaterReadings", true, false,
         [](Program& p) { return withFields(b(ReadHelixHeaterReadings(p, true)), p, 4); }, "T|5120| 250|6.30| 245"},
        {"ReadHelixCurrentRatio", true, false, [](Program& p) { return n(ReadHelixCurrentRatio(p)); }, "20"},
        {"ReadHelixCurrentTripLevel", true, false, ReadHelixCurrentTripLevel, "12.5"},
        {"ReadHeaterVoltage", true, false, [](Program& p) { return f(ReadHeaterVoltage(p)); }, "6.3"},
        {"ReadHelix2Current", true, false, [](Program& p) { return f(ReadHelix2Current(p)); }, "0.85"},
        {"ReadUnitGain", true, false, [](Program& p) { return withFields(b(ReadUnitGain(p)), p, 2); }, "T|1|3.5"},
        {"ReadFloatSupplyYCA", true, false, [](Program& p) { return withFields(b(ReadFloatSupplyYCA(p)), p, 9); },
         "T|1|2|3|4|5|6|7|8|"},
        {"ReadFloatSupplySettings", true, false,
         [](Program& p) {
             const bool ok = ReadFloatSupplySettings(p);
             const FloatSupplyValues& v = p.unit.readings.FloatSupplySettings;
             return QStringList{b(ok), v.HeaterVoltage, v.HeaterCurrent, v.FocusElectrodeOff, v.FocusElectrodeOn}.join(
                 '|');
         },
         "T|6.3|0.8|1.5|2.25"},
        {"ReadFloatSupplyYCI", true, false, [](Program& p) { return n(ReadFloatSupplyYCI(p)); }, "1"},
        {"ReadCathodeCurrentMonitoring", true, false,
         [](Program& p) {
             const qint16 on = ReadCathodeCurrentMonitoring(p);
             return n(on) + "|" + n(p.unit.readings.CathodeCurrentMode);
         },
         "1|2"},
        {"QueryPBFM", true, false, [](Program& p) { return n(QueryPBFM(p)); }, "3"},
        {"ReadIdealCathodeCurrent", true, false, [](Program& p) { return n(ReadIdealCathodeCurrent(p)); }, "350"},
        {"GetCathodeCurrent", true, false, [](Program& p) { return n(GetCathodeCurrent(p)); }, "340"},
        {"ReadAnodeVoltage", true, false, [](Program& p) { return n(ReadAnodeVoltage(p)); }, "1200"},
        {"ReadCathodeCurrentScalar", true, false, [](Program& p) { return n(ReadCathodeCurrentScalar(p)); }, "2048"},
        {"ReadAnodeVoltageScale", true, false, [](Program& p) { return n(ReadAnodeVoltageScale(p)); }, "4000"},
        {"ReadNegativeAnodeEnable", true, false, [](Program& p) { return b(ReadNegativeAnodeEnable(p)); }, "T"},
        {"ReadNegAnodeStartVoltage", true, false, [](Program& p) { return n(ReadNegAnodeStartVoltage(p)); }, "150"},
        // Solid-state units.
        {"ReadCurrentSense", false, true, [](Program& p) { return withFields(b(ReadCurrentSense(p)), p, 4); },
         "T| 1.2| 3.4| 5.6| 7.8"},
        {"ReadCurrentSenseGain", false, true, ReadCurrentSenseGain, "2.5"},
        {"ReadCurrentSenseResistor", false, true, [](Program& p) { return f(ReadCurrentSenseResistor(p)); }, "0.05"},
        {"ReadDCInputVoltage", false, true, [](Program& p) { return withFields(b(ReadDCInputVoltage(p)), p, 1); },
         "T|48.2"},
        {"GetDCVInLimit", false, true,
         [](Program& p) {
             QStringList limits;
             for (qint16 i = 1; i <= 4; ++i)
                 limits << withFields(b(GetDCVInLimit(p, i)), p, 1);
             return limits.join(' ');
         },
         "T|42.0 T|56.0 T|40.0 T|58.0"},
        {"ReadDCVInRatio", false, true, [](Program& p) { return withFields(b(ReadDCVInRatio(p)), p, 1); }, "T|1.02"},
        {"ReadDLAtnCount", false, true, [](Program& p) { return n(ReadDLAtnCount(p)); }, "512"},
        {"ReadDLAtnCountText", false, true, ReadDLAtnCountText, "0512"},
        {"GetLinearizerParams", false, true,
         [](Program& p) { return withFields(b(GetLinearizerParams(p, true)), p, 3); }, "T|A012|P034|0512"},
        {"GetSubBandSaveParams", false, true,
         [](Program& p) { return withFields(b(GetSubBandSaveParams(p, 2)), p, 6); }, "T|A013|P035|S057|1|-1.5|T0.5"},
    };
    return cases;
}
}   // namespace readingcases
