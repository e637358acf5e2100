#pragma once
// Queries of the unit's configuration and product data, read once after connecting.
#include "commands/UnitIdentity.h"
#include <QString>

struct Program;

namespace SsaCmds {

// "YJ?": model-configuration part number; "" without one.
QString ReadModelCfgPartNumber(Program& p);
// "YT": unit-type text, trimmed; "" without one (an empty text is no text).
QString ReadUnitModelText(Program& p);
// "YM?": configuration word; -1 without one or when it does not fit 16 bits.
qint16 ReadOptionWord(Program& p);
// "PTW?": waveguide-arc detector type (0 "Tarsel", 1 "Fiber"); -1 without one.
qint16 GetWGArcDetectorType(Program& p);
// ".?P349": 1 when the unit keeps parameter logs; -1 without a reply.
qint16 ReadUseParamLog(Program& p);
// "PBW?": status LED mode; -1 without one.
qint16 ReadLEDMode(Program& p);
// "PBUH?": 1 when uplink power control is available; -1 without a reply.
qint16 ReadUplinkPowerControl(Program& p);
// "N?": power save off (0) or on (1); -1 without a reply.
qint16 ReadPowerSaveMode(Program& p);
// "NP?": power-save level 0..7; -1 without a reply.
qint16 ReadPowerSaveLevel(Program& p);
// "QmaxSYSPower?": maximum system prime power text; "" without one.
QString ReadMaxSystemPrimePower(Program& p);
// "PBO?": product ID; all fields "" unless the reply holds exactly four parts.
ProductIdRecord ReadProductId(Program& p);
// "QS?": cal-factor table ("freq,dB;" pairs); "0.0,0.0;" for an empty table, "" unanswered.
QString ReadCalFactorText(Program& p);

} // namespace SsaCmds
