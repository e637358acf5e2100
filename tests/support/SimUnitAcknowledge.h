#pragma once
// A simulated unit's option: every setting command (no "?" in it) that its profile has no
// entry or behaviour for is acknowledged with empty data, as a unit takes a setting. The
// unit records it as it records every command.
#include "support/SimUnit.h"

class SimUnitAcknowledgeSettings final : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;
};
