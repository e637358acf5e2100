#pragma once
// Queries of the unit's configuration and product data, read once after connecting.
#include "commands/UnitIdentity.h"
#include <QString>
#include <optional>

struct CommandContext;

namespace SsaCmds {

// "YJ?": model-configuration part number; "" without one.
QString ReadModelCfgPartNumber(CommandContext& p);
// "YT": unit-type text, trimmed; "" without one (an empty text is no text).
QString ReadUnitModelText(CommandContext& p);
// "YM?": configuration word; -1 without one or when it does not fit 16 bits.
qint16 ReadOptionWord(CommandContext& p);
// "PTW?": waveguide-arc detector type (0 "Tarsel", 1 "Fiber"); -1 without one.
qint16 GetWGArcDetectorType(CommandContext& p);
// ".?P349": 1 when the unit keeps parameter logs; -1 without a reply.
qint16 ReadUseParamLog(CommandContext& p);
// "PBW?": status LED mode; -1 without one.
qint16 ReadLEDMode(CommandContext& p);
// "PBUH?": 1 when uplink power control is available; -1 without a reply.
qint16 ReadUplinkPowerControl(CommandContext& p);
// "N?": power save off (0) or on (1); -1 without a reply.
qint16 ReadPowerSaveMode(CommandContext& p);
// "NP?": power-save level 0..7; -1 without a reply.
qint16 ReadPowerSaveLevel(CommandContext& p);
// "QmaxSYSPower?": maximum system prime power text; "" without one.
QString ReadMaxSystemPrimePower(CommandContext& p);
// "PBO?": product ID; all fields "" unless the reply holds exactly four parts.
ProductIdRecord ReadProductId(CommandContext& p);
// "QS?": cal-factor table ("freq,dB;" pairs); "0.0,0.0;" for an empty table, "" unanswered.
QString ReadCalFactorText(CommandContext& p);
// The same, nothing when the table could not be read (refused, unanswered, the link cut or
// no echo at its place).
std::optional<QString> QueryCalFactorText(CommandContext& p);

}   // namespace SsaCmds
