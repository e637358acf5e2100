#include "commands/OptionWord.h"

namespace {
bool bitSet(qint32 word, int bit) { return (static_cast<quint32>(word) >> bit) & 1u; }
}   // namespace

bool IsRackOption(qint32 w) { return !bitSet(w, 0); }
bool HasDualTWTAOption(qint32 w) { return bitSet(w, 1); }
bool HasMultiBandOption(qint32 w) { return bitSet(w, 2); }
bool HasTwoRFDetectorsOption(qint32 w) { return bitSet(w, 3); }
bool HasInvertedThermalIlokOption(qint32 w) { return bitSet(w, 4); }
bool HasTempForRevPwrOption(qint32 w) { return bitSet(w, 4); }
bool HasOptionBit5(qint32 w) { return bitSet(w, 5); }
bool HasOrvanAnalogOption(qint32 w) { return bitSet(w, 6); }
bool HasCalverdaneAnalogOption(qint32 w) { return bitSet(w, 7); }
bool HasLinSlopeOption(qint32 w) { return bitSet(w, 8); }
bool HasAutoClearBucOption(qint32 w) { return bitSet(w, 9); }
bool HasProgrammableBucOption(qint32 w) { return bitSet(w, 10); }
bool HasNoRevDetectorOption(qint32 w) { return bitSet(w, 12); }
bool IsMaskBit0Set(qint32 mask) { return bitSet(mask, 0); }
