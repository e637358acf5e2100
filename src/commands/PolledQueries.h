#pragma once
// The readings the poll refreshes: RF and drive power, attenuation and attenuator counts,
// the unit's date and time, and current sense.
#include <QString>

struct Program;

namespace SsaCmds {

QString ReadFwdRFPower(Program& p);
// Input drive power in the display unit, with a leading "<" when the unit marks it so.
QString ReadDrivePower(Program& p);
QString GetAttenuation(Program& p);
qint16 ReadDLAtnCount(Program& p);
QString ReadDLAtnCountText(Program& p);
qint16 GetAtnCount(Program& p);
QString ReadUnitDateTime(Program& p);
// ReplyFields 0 to 3: the four current-sense readings; nothing is set unless all four are there.
bool ReadCurrentSense(Program& p);
QString ReadCurrentSenseGain(Program& p);
float ReadCurrentSenseResistor(Program& p);

} // namespace SsaCmds
