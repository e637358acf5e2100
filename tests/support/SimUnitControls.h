#pragma once
// The simulated unit's operating controls. It acknowledges the transmitter ("@" on, "A"
// off), RF inhibit ("I"/"J"), constant power off ("H"), the waveguide ("UA"/"UM",
// "U0" to "U3", "PC" and a configuration digit), the RF frequency ("TF" and a number,
// then read back by "TF?"), the band ("T" and a band name it lists, read back by "T?"),
// the sub-band ("PBS" and a sub-band it lists, read back by "PBS?"),
// the clock ("%yyyy/mm/dd,hh:mm", then read back by "?%" in the unit's own form),
// the reset ("~") and the device address ("XR" wires, termination and letter, or "XA" and
// a letter). Its summary status (and ".?P54") follow these commands and the constant
// power level "G"/"GM" (which the level feature answers). After "~" it can stay quiet for
// a while; after an address command it answers from the new letter, once its reply to that
// command has gone out from the old one. A behaviour the profile gives one of these very
// commands (a refusal, a dropped line) is left to the profile's table.
#include "support/SimUnit.h"
#include <chrono>
#include <mutex>

class SimUnitControls : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

    // The control commands acknowledged, in order ("G" is the level feature's).
    QByteArrayList settingsReceived() const;

    // After "~" the unit answers nothing for this long (wall-clock time).
    void setResetSilence(std::chrono::milliseconds quiet);
    // The unit takes an address command but its reply never comes.
    void setAddressReplyLost(bool lost);
    // After "~" the unit refuses (NAK) this many commands, so a test need not wait out time-outs.
    // What an earlier reset left of its refusals ends here.
    void setResetRefusals(int count);

private:
    std::optional<SimAnswer> control(SimUnitProfile& profile, const QByteArray& command);
    mutable std::mutex mutex_;
    QByteArrayList received_;
    std::chrono::milliseconds silence_{0};
    int refusals_ = 0;
    std::chrono::steady_clock::time_point quietUntil_{};
    int refusalsLeft_ = 0;
    bool addressReplyLost_ = false;
};
