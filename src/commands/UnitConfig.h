#pragma once
#include <QString>

// Values the configuration queries leave for their callers.
struct UnitConfig {
};
