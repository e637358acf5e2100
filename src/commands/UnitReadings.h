#pragma once
#include <QString>

// Values the reading queries leave for their callers.
struct UnitReadings {
};
