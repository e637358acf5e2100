#pragma once
// Cathode-current monitor settings and readings, and the float-supply (AMC) parameters.
#include <QString>

struct CommandContext;

namespace SsaCmds {

// ReplyFields 0 to 10: the ";"-separated AMC parameters (8 to 12 of them).
bool ReadFloatSupplyYCA(CommandContext& p);
// ReplyFields 0 heater voltage, 1 heater current, 2 focus electrode off, 3 focus electrode on
// (also kept by name in unit.readings.FloatSupplySettings).
bool ReadFloatSupplySettings(CommandContext& p);
// 0 or more when the unit has the float supply; -1 otherwise.
qint16 ReadFloatSupplyYCI(CommandContext& p);
// 1 when monitoring is on, 0 when off, -1 unanswered; the unit's own mode digit is left in
// unit.readings.CathodeCurrentMode.
qint16 ReadCathodeCurrentMonitoring(CommandContext& p);
qint16 QueryPBFM(CommandContext& p);
qint16 ReadIdealCathodeCurrent(CommandContext& p);
qint16 GetCathodeCurrent(CommandContext& p);
qint16 ReadAnodeVoltage(CommandContext& p);
qint16 ReadCathodeCurrentScalar(CommandContext& p);
qint16 ReadAnodeVoltageScale(CommandContext& p);
bool ReadNegativeAnodeEnable(CommandContext& p);
qint16 ReadNegAnodeStartVoltage(CommandContext& p);

}   // namespace SsaCmds
