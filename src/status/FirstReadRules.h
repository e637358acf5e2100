#pragma once
// The decisions the first read takes from what the unit answered.
#include <QString>

namespace firstread {

// Lowest valid attenuator count: 0 from firmware 2.00 on, on PIC-processor units, on
// TWTAs and on models 5363 and 5384; 2048 on the older solid-state firmware.
qint16 MinAtnCountFor(qint32 firmwareVersion100, bool picProcessorUnit, bool isTwta, qint32 modelCode);

// The maximum attenuation in dB from ".?P203" (tenths of a dB); 30.0 without a value above 0.
float MaxAttenuationFrom(qint16 tenths);

// The waveguide-arc test menu: bit 0 of the fault-enable mask, or models 7428 and 9214.
bool WgArcTestShown(qint32 faultEnableMask, qint32 modelCode);

// A latch setting (".?P151", ".?P212") counts as latched when the unit answered non-zero;
// an unanswered read (-1) is not a latch.
bool LatchedFrom(qint16 value);

// The inlet temperature readout: read only on a 7428 TWTA with an inlet alarm level; shown
// when the reading, as a whole number, lies from -38 to 118.
bool ReadsInletTemperature(qint32 modelCode, bool isTwta, const QString& inletAlarmLevel);
bool InletTemperatureShown(float reading);

// The constant-power level box: the unit's dBm text as received, or in watts its number
// converted and written in the general number form (up to seven significant digits).
QString ConstPowerLevelText(const QString& levelDbm, bool displayWatts);

// The unit takes the on-board protocol settings when its product part number is longer
// than five characters.
bool ObmipFromPartNumber(const QString& productPartNumber);

// A status word of the first read is used only when it holds all four characters.
bool IsWholeStatusWord(const QString& word);

}   // namespace firstread
