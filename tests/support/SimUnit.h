#pragma once
// The simulated unit itself, whatever carries its frames: decides from its profile whether
// and how it answers one command, and records what it was sent. Each transport (the
// pseudo-terminal of SimUnitSerial, the local TCP server of SimUnitTcp) parses its own
// request frames, asks answer() and turns the result into bytes on its own wire.
// Safe to use from a transport's thread and the test's thread at once.
#include "support/SimUnitProfile.h"
#include <QByteArrayList>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct SimAnswer {
    SimBehaviour how;     // how.kind == Silent: the unit sends nothing
    char address = 'A';   // the unit's own address, for the reply
    QByteArray data;      // reply data: echo and value
};

class SimUnit;

// A stateful behaviour of the simulated unit (settings it keeps, logs it pages out,
// tables it stores...): asked before the profile's table, under the unit's lock, with the
// profile at hand so it can change what later queries read. An empty result lets the
// next feature, then the table, answer.
class SimUnitFeature {
public:
    virtual ~SimUnitFeature() = default;
    virtual std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) = 0;
};

class SimUnit {
public:
    explicit SimUnit(SimUnitProfile profile = {});

    // One command sent to `address`. The unit stays silent for another address (unless its
    // profile answers any) and when it should answer normally a command its profile does not
    // know. Every command sent to the unit is recorded, known or not.
    SimAnswer answer(char address, const QByteArray& command);

    void setProfile(const SimUnitProfile& profile);
    // Changes the profile in place, e.g. to switch a command's behaviour between steps.
    void editProfile(const std::function<void(SimUnitProfile&)>& edit);
    SimUnitProfile profile() const;

    QByteArrayList commands() const;   // commands sent to the unit, in order
    void clearCommands();

    // Adds a stateful behaviour; features are asked in the order they were added.
    void addFeature(std::shared_ptr<SimUnitFeature> feature);

private:
    mutable std::mutex mutex_;
    SimUnitProfile profile_;
    QByteArrayList commands_;
    std::vector<std::shared_ptr<SimUnitFeature>> features_;
};
