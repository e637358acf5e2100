#pragma once
// The simulated unit itself, whatever carries its frames: decides from its profile whether
// and how it answers one command, and records what it was sent. Each transport (the
// pseudo-terminal of SimUnitSerial, the local TCP server of SimUnitTcp) parses its own
// request frames, asks answer() and turns the result into bytes on its own wire.
// Safe to use from a transport's thread and the test's thread at once.
#include "support/SimUnitProfile.h"
#include <QByteArrayList>
#include <functional>
#include <mutex>

struct SimAnswer {
    SimBehaviour how;      // how.kind == Silent: the unit sends nothing
    char address = 'A';    // the unit's own address, for the reply
    QByteArray data;       // reply data: echo and value
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

private:
    mutable std::mutex mutex_;
    SimUnitProfile profile_;
    QByteArrayList commands_;
};
