#pragma once
// Temperatures, helix and heater readings, constant-power level, RF and temperature trip
// levels and unit gain.
#include <QString>

struct CommandContext;

namespace SsaCmds {

// Unit temperature in degrees C; -125 when unanswered or outside -40..120.
// ReplyFields 0 (and 1 with two sensors) hold the raw fields.
qint16 ReadTemperature(CommandContext& p, bool twoSensors);
// Inlet temperature; -50 when unanswered. ReplyFields 0 = the value formatted "##0".
float ReadInletTemperature(CommandContext& p);
QString ReadTempFaultLevel(CommandContext& p);
QString ReadTempAlarmLevel(CommandContext& p);
QString ReadInletTempDiffAlarmLevel(CommandContext& p);
// 1 when temperature faults latch, 0 when not, -1 when unknown.
qint16 ReadLatchTempFaults(CommandContext& p);
QString ReadMaxCalTemperature(CommandContext& p);
QString ReadMinCalTemperature(CommandContext& p);
// ReplyFields 0 helix voltage, 1 helix current, and with four fields 2 heater voltage,
// 3 second helix current. True once the helix current was taken.
bool ReadHelixHeaterReadings(CommandContext& p, bool fourFields);
qint16 ReadHelixCurrentRatio(CommandContext& p);
QString ReadHelixCurrentTripLevel(CommandContext& p);
float ReadHeaterVoltage(CommandContext& p);
float ReadHelix2Current(CommandContext& p);
// Constant-power level formatted "#0.0"; "" unless 0 <= level < 64.
QString ReadConstPowerLevel(CommandContext& p);
// ReplyFields 0 forward-high, 1 forward-low, 2 reverse trip (type character and level).
// True when all three were taken.
bool GetRFTripLevels(CommandContext& p);
// ReplyFields 0 gain mode, 1 gain value.
bool ReadUnitGain(CommandContext& p);

}   // namespace SsaCmds
