#pragma once
// The up-converter's IF attenuation as the set-up dialog enters it: values move to the
// 0.5 dB steps the unit takes, and are kept inside the range the unit allows.
#include <QString>

namespace buc {

// The value on a 0.5 dB step, moved toward zero: the value times ten is rounded to the
// nearest whole number (a half to the even one), then cut back to a multiple of 5. A value
// whose tenfold lies outside the 16-bit range comes back unchanged.
// 1.44 gives 1.0, 1.49 gives 1.5, 2.96 gives 3.0, -1.3 gives -1.0.
float AdjustResult(float value);

// What Enter puts in the box for the typed `value`: 0 below zero, the stepped maximum
// above `maxAtten`, else the stepped value.
float EnteredAttenuation(double value, float maxAtten);
// What leaving the box puts in it: as Enter, but a value above the maximum becomes the
// maximum itself, not stepped.
float LeftAttenuation(double value, float maxAtten);

// One spin step of 0.5 dB from `atten`, held to 0.0 .. 31.5.
float SteppedAttenuation(float atten, bool up);

// The attenuation as the box and the command show it ("#0.0").
QString AttenuationText(double value);

}   // namespace buc
