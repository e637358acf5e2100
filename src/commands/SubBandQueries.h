#pragma once
// Sub-bands, RF frequency, power-supply voltage setting, DC input, and the attenuator count.
#include "commands/UnitReadings.h"
#include <QString>

struct CommandContext;

namespace SsaCmds {

// The whole unit's setting when subBand is below 0, else that sub-band's.
PSVsetReply ReadPSVsetValue(CommandContext& p, qint16 subBand);
// ReplyFields 0 to 7: the frequencies of sub-bands 1 to 8 ("" where none).
// True when at least one is above 0.
bool ReadSubBandList(CommandContext& p);
// The current sub-band number (-1 when unknown); ReplyFields 0 its frequency.
qint16 GetCurrentSubBand(CommandContext& p);
// RF frequency in MHz, formatted "####0".
QString ReadRFFrequency(CommandContext& p);
// ReplyFields 0 the DC input voltage; True when it is a number.
bool ReadDCInputVoltage(CommandContext& p);
// index 1 alarm low, 2 alarm high, 3 fault low, 4 fault high; ReplyFields 0 the limit.
bool GetDCVInLimit(CommandContext& p, qint16 index);
// ReplyFields 0 the DC input voltage ratio.
bool ReadDCVInRatio(CommandContext& p);
// Sends a raw attenuator DAC count in the form the unit takes; True when acknowledged.
bool SendAtnCountCmd(CommandContext& p, qint16 count);

}   // namespace SsaCmds
