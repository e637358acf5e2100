#pragma once
// The simulated unit's level settings: it acknowledges the attenuation, attenuator count,
// constant-power, go-to-power, trip, linearizer, downlink and hour-meter commands, and its
// read-back queries ("?A", "8", "G?", "?HLR") answer with the value last set. Powers sent
// in watts are kept in dBm, as the unit reports them. A behaviour the profile gives one of
// these very commands (a refusal, a silence) is left to the profile's table.
#include "support/SimUnit.h"
#include <mutex>

class SimUnitLevels : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

    // The setting commands acknowledged, in order.
    QByteArrayList settingsReceived() const;

private:
    std::optional<SimAnswer> setting(SimUnitProfile& profile, const QByteArray& command);
    mutable std::mutex mutex_;
    QByteArrayList received_;
};
