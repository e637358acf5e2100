#pragma once
// Indexed scaler and pot reads, start-up state, hour meters, the unit's serial ports,
// temperature coefficients, RF inhibit, bands, heater, factory trips and fan control.
#include <QString>
#include <optional>
#include <span>

struct CommandContext;

namespace SsaCmds {

// Elements 1 to the last of `scalers` ("YO" & n & "?"); -1 where unanswered. Always True.
bool ReadADCScalers(CommandContext& p, std::span<qint16> scalers);
qint16 ReadDigitalPot(CommandContext& p, int n);
QString ReadOverdriveFaultTripLevel(CommandContext& p);   // "##0.0"; "-1.0" when unanswered
// Pots 1, 4, 5 and 6, the overdrive trip level and the uplink power control option into
// the unit's configuration values, with whether the last two were answered.
void ReadDigitalPotSettings(CommandContext& p);
qint16 ReadStartupConfig(CommandContext& p);
qint32 ReadPowerSupplyHours(CommandContext& p);
qint32 ReadTransmitHours(CommandContext& p);
QString ReadRevRFPower(CommandContext& p);
// Baud, parity, data bits and stop bits of unit port 1 or 2 into ReplyFields 0 to 3.
bool GetUnitPortSettings(CommandContext& p, int port);
// Wire count, termination, RS-485 address and protocol tag into ReplyFields 0 to 3.
bool GetPort2Protocol(CommandContext& p);
QString ReadTempCoefficient(CommandContext& p);
// Sub-bands 1 to subBandCount (at least 1) into ReplyFields 0 to 7. Always True.
bool ReadBandTempCoefficients(CommandContext& p, int subBandCount);
bool ReadRFInhibit(CommandContext& p);
// The same read telling an unanswered query (nothing) from the inhibit off (false).
std::optional<bool> ReadRFInhibitState(CommandContext& p);
qint16 ReadRfiInvert(CommandContext& p);
// Band letters; the band's frequency text into ReplyFields(0).
QString GetRFBandText(CommandContext& p);
// "NOT SUPPORTED" when unanswered; the band's frequency "#0.0#" into ReplyFields(0).
QString GetBandName(CommandContext& p, int n);
qint16 ReadHeaterStandby(CommandContext& p);
qint16 ReadHeaterState(CommandContext& p);
// Forward and reverse factory trip levels into ReplyFields 0 and 1; True when there are none.
bool GetFactoryTripLevels(CommandContext& p);
qint16 ReadFanControlTemperature(CommandContext& p);

}   // namespace SsaCmds
