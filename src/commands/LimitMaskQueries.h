#pragma once
// Queries of the RF power limits, attenuation limits, fault latches and enable masks.
#include "commands/UnitConfig.h"
#include <QString>

struct Program;

namespace SsaCmds {

// Band maximum / minimum RF power in dBm as "#0.0" text; "" when unanswered.
QString GetBandRCValue(Program& p, qint32 firmwareVersion100, qint32 modelCode, int band);
QString GetBandRFValue(Program& p, qint32 firmwareVersion100, qint32 modelCode, int band);
// Maximum attenuation of RF bands 1 to 4 into ReplyFields 0 to 3.
void ReadBandMaxAttenuations(Program& p);
QString ReadAttenuatorRange(Program& p);
// Tenths of a dB; -1 when unanswered.
qint16 ReadMaxAttenuation(Program& p);
qint16 ReadAutoHVDisable(Program& p);
qint16 ReadLowLineLatched(Program& p);
qint16 ReadExtIlokLatched(Program& p);
float ReadReturnLossSetting(Program& p);
QString ReadReverseRFOffset(Program& p);
PowerLimitReply ReadMaxRFPowerLimit(Program& p);
PowerLimitReply ReadMaxRFPowerFaultLevel(Program& p);
// Write EnableMaskReply (and, for faults, EnableMaskReply2) when answered.
bool ReadFaultEnableMask(Program& p);
bool ReadAlarmEnableMask(Program& p);

} // namespace SsaCmds
