#pragma once

// Sets a "running" flag for its lifetime and clears it again, so that a procedure that
// lets events run can refuse to be entered a second time from inside those events.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};
