#pragma once
// Everything the program knows about the connected unit: identity, option flags and
// the values read from it. Grouped by concern; each group lives in its own header.
#include "commands/OptionFlags.h"
#include "commands/UnitIdentity.h"
#include "commands/UnitReadings.h"
#include "commands/UnitConfig.h"
#include "commands/UnitFeatures.h"

struct UnitState {
    UnitIdentity id;
    UnitReadings readings;
    UnitConfig config;
    // Per-model option flags (set by the identification and SetProjectSpecificValues).
    OptionFlags flags;
    // Optional features and the cathode-current monitor (set by the window layout).
    UnitFeatures features;
    CathodeSettings cathode;
};
