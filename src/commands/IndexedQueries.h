#pragma once
// Indexed scaler and pot reads, start-up state, hour meters, the unit's serial ports,
// temperature coefficients, RF inhibit, bands, heater, factory trips and fan control.
#include <QString>
#include <optional>
#include <span>

struct Program;

namespace SsaCmds {

// Elements 1 to the last of `scalers` ("YO" & n & "?"); -1 where unanswered. Always True.
bool ReadADCScalers(Program& p, std::span<qint16> scalers);
qint16 ReadDigitalPot(Program& p, int n);
QString ReadOverdriveFaultTripLevel(Program& p);   // "##0.0"; "-1.0" when unanswered
// Pots 1, 4, 5 and 6, the overdrive trip level and the uplink power control option into
// the unit's configuration values.
void ReadDigitalPotSettings(Program& p);
qint16 ReadStartupConfig(Program& p);
qint32 ReadPowerSupplyHours(Program& p);
qint32 ReadTransmitHours(Program& p);
QString ReadRevRFPower(Program& p);
// Baud, parity, data bits and stop bits of unit port 1 or 2 into ReplyFields 0 to 3.
bool GetUnitPortSettings(Program& p, int port);
// Wire count, termination, RS-485 address and protocol tag into ReplyFields 0 to 3.
bool GetPort2Protocol(Program& p);
QString ReadTempCoefficient(Program& p);
// Sub-bands 1 to subBandCount (at least 1) into ReplyFields 0 to 7. Always True.
bool ReadBandTempCoefficients(Program& p, int subBandCount);
bool ReadRFInhibit(Program& p);
// The same read telling an unanswered query (nothing) from the inhibit off (false).
std::optional<bool> ReadRFInhibitState(Program& p);
qint16 ReadRfiInvert(Program& p);
// Band letters; the band's frequency text into ReplyFields(0).
QString GetRFBandText(Program& p);
// "NOT SUPPORTED" when unanswered; the band's frequency "#0.0#" into ReplyFields(0).
QString GetBandName(Program& p, int n);
qint16 ReadHeaterStandby(Program& p);
qint16 ReadHeaterState(Program& p);
// Forward and reverse factory trip levels into ReplyFields 0 and 1; True when there are none.
bool GetFactoryTripLevels(Program& p);
qint16 ReadFanControlTemperature(Program& p);

} // namespace SsaCmds
