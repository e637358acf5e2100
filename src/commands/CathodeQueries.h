#pragma once
// Cathode-current monitor settings and readings, and the float-supply (AMC) parameters.
#include <QString>

struct Program;

namespace SsaCmds {

// ReplyFields 0 to 10: the ";"-separated AMC parameters (8 to 12 of them).
bool ReadFloatSupplyYCA(Program& p);
// ReplyFields 0 heater voltage, 1 heater current, 2 focus electrode off, 3 focus electrode on
// (also kept by name in unit.readings.FloatSupplySettings).
bool ReadFloatSupplySettings(Program& p);
// 0 or more when the unit has the float supply; -1 otherwise.
qint16 ReadFloatSupplyYCI(Program& p);
// 1 when monitoring is on, 0 when off, -1 unanswered; the unit's own mode digit is left in
// unit.readings.CathodeCurrentMode.
qint16 ReadCathodeCurrentMonitoring(Program& p);
qint16 QueryPBFM(Program& p);
qint16 ReadIdealCathodeCurrent(Program& p);
qint16 GetCathodeCurrent(Program& p);
qint16 ReadAnodeVoltage(Program& p);
qint16 ReadCathodeCurrentScalar(Program& p);
qint16 ReadAnodeVoltageScale(Program& p);
bool ReadNegativeAnodeEnable(Program& p);
qint16 ReadNegAnodeStartVoltage(Program& p);

} // namespace SsaCmds
