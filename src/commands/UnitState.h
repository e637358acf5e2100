#pragma once
// Everything the program knows about the connected unit: identity, option flags and
// the values read from it. Grouped by concern; each group lives in its own header.
#include "commands/UnitIdentity.h"
#include "commands/UnitReadings.h"
#include "commands/UnitConfig.h"

struct UnitState {
    UnitIdentity id;
    UnitReadings readings;
    UnitConfig config;
};
