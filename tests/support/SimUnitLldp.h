#pragma once
// The simulated unit's LLDP agent: it acknowledges the set commands "QlldpSetupConfig ..."
// and "QlldpFactorySetup ..." (or refuses them all while `refuse` is set), and its queries
// "QlldpSetupConfig?" and "QlldpFactorySetup?" then answer with the fields last set.
#include "support/SimUnit.h"
#include <atomic>

class SimUnitLldp : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

    std::atomic<bool> refuse = false;
};
