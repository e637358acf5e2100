#pragma once
// The simulated unit's own serial ports: it acknowledges the port commands "X1...",
// "X2..." and "XR..." (refusing those listed in `refused`), and its read-backs "X1?",
// "X2?" and "XR?" then answer with the settings last set.
#include "support/SimUnit.h"
#include <mutex>

class SimUnitPorts : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

    QByteArrayList settingsReceived() const;   // the port commands received, in order
    QByteArrayList refused;                    // port commands answered with a NAK

private:
    mutable std::mutex mutex_;
    QByteArrayList received_;
};
