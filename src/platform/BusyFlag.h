#pragma once

// The one RAII flag guard: sets a flag for its lifetime and puts back the value it found,
// so that a procedure that lets events run can refuse to be entered a second time from
// inside those events, and nested holders of the same flag leave it as they found it.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = saved_; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
    const bool saved_;
};
