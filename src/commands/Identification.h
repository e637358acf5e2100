#pragma once
// Identifying the connected unit: family, model code, firmware part number and families,
// the identity boxes, the firmware version and whether it takes levels in dBm.
#include <QString>

struct CommandContext;

namespace SsaCmds {
// "00": part number, serial number, firmware revision and compile date into
// ReplyFields 0 to 3; false when unanswered or without the "0" echo.
bool GetUnitIDFields(CommandContext& p);
// "0C": CPLD version text; "" without one.
QString ReadCPLDVersion(CommandContext& p);
// "0S": identity text of the touch-screen models (not used further).
QString ReadUnitId0S(CommandContext& p);
}   // namespace SsaCmds

// The whole identification, run once by the first read: sets the family, model code,
// firmware part number and families, CPLD version, identity boxes, serial number,
// firmware version and the touch-screen flag.
void DetermineUnitType(CommandContext& p);
// Reads "00" into the identity boxes and the serial number, then derives
// FirmwareVersion100 from the firmware-revision box; "0S" for the touch-screen models.
void GetUnitIDVersion(CommandContext& p, qint32 modelCode);
// Whether the unit takes power and trip levels in dBm.
bool CanUsedBmTripLevels(const CommandContext& p);

// A firmware revision text as a number: x 100 when it has a decimal point, as it
// stands otherwise; lettered revisions are turned into digits first.
qint32 FirmwareVersionFromText(const QString& revision);
// The part-number field of "00" in its full form: 7 characters get the prefix and a dash
// after the fourth, 8 characters the prefix, any other length stays.
QString ExpandUnitPartNo(const QString& field, const QString& prefix);
