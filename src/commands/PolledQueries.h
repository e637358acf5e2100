#pragma once
// The readings the poll refreshes: RF and drive power, attenuation and attenuator counts,
// the unit's date and time, and current sense.
#include <QString>

struct CommandContext;

namespace SsaCmds {

QString ReadFwdRFPower(CommandContext& p);
// Input drive power in the display unit, with a leading "<" when the unit marks it so.
QString ReadDrivePower(CommandContext& p);
QString GetAttenuation(CommandContext& p);
qint16 ReadDLAtnCount(CommandContext& p);
QString ReadDLAtnCountText(CommandContext& p);
qint16 GetAtnCount(CommandContext& p);
QString ReadUnitDateTime(CommandContext& p);
// ReplyFields 0 to 3: the four current-sense readings; nothing is set unless all four are there.
bool ReadCurrentSense(CommandContext& p);
QString ReadCurrentSenseGain(CommandContext& p);
float ReadCurrentSenseResistor(CommandContext& p);

}   // namespace SsaCmds
