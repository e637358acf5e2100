#pragma once
// Queries of the RF power limits, attenuation limits, fault latches and enable masks.
#include "commands/UnitConfig.h"
#include <QString>

struct CommandContext;

namespace SsaCmds {

// Band maximum / minimum RF power in dBm as "#0.0" text; "" when unanswered.
QString GetBandRCValue(CommandContext& p, qint32 firmwareVersion100, qint32 modelCode, int band);
QString GetBandRFValue(CommandContext& p, qint32 firmwareVersion100, qint32 modelCode, int band);
// Maximum attenuation of RF bands 1 to 4 into ReplyFields 0 to 3.
void ReadBandMaxAttenuations(CommandContext& p);
QString ReadAttenuatorRange(CommandContext& p);
// Tenths of a dB; -1 when unanswered.
qint16 ReadMaxAttenuation(CommandContext& p);
qint16 ReadAutoHVDisable(CommandContext& p);
qint16 ReadLowLineLatched(CommandContext& p);
qint16 ReadExtIlokLatched(CommandContext& p);
float ReadReturnLossSetting(CommandContext& p);
QString ReadReverseRFOffset(CommandContext& p);
PowerLimitReply ReadMaxRFPowerLimit(CommandContext& p);
PowerLimitReply ReadMaxRFPowerFaultLevel(CommandContext& p);
// Write EnableMaskReply (and, for faults, EnableMaskReply2) when answered.
bool ReadFaultEnableMask(CommandContext& p);
bool ReadAlarmEnableMask(CommandContext& p);

}   // namespace SsaCmds
