#pragma once
// Bit tests of the unit's configuration word (OptionWord, read with "YM?"). Bits 1, 4 and 5
// mean different things on tube and solid-state units; bit 11 has no test.
#include <QtGlobal>

bool IsRackOption(qint32 word);                   // bit 0 clear; set means an outdoor unit
bool HasDualTWTAOption(qint32 word);              // bit 1: dual TWTA, dual umbilical on SSPAs
bool HasMultiBandOption(qint32 word);             // bit 2
bool HasTwoRFDetectorsOption(qint32 word);        // bit 3
bool HasInvertedThermalIlokOption(qint32 word);   // bit 4, tube units
bool HasTempForRevPwrOption(qint32 word);         // bit 4, solid-state units
bool HasOptionBit5(qint32 word);                  // bit 5: focus electrode / DC input monitor
bool HasOrvanAnalogOption(qint32 word);           // bit 6
bool HasCalverdaneAnalogOption(qint32 word);      // bit 7
bool HasLinSlopeOption(qint32 word);              // bit 8
bool HasAutoClearBucOption(qint32 word);          // bit 9
bool HasProgrammableBucOption(qint32 word);       // bit 10
bool HasNoRevDetectorOption(qint32 word);         // bit 12
bool IsMaskBit0Set(qint32 mask);                  // bit 0 of a fault-enable mask
