#pragma once
#include "link/ConnectionState.h"

// Holds FormUpdating set while code writes the window's controls, so that their change
// handlers send nothing, and puts back the value it had before (not simply false).
class FormUpdatingGuard {
public:
    explicit FormUpdatingGuard(ConnectionState& conn) : flag_(conn.FormUpdating), saved_(conn.FormUpdating)
    {
        flag_ = true;
    }
    ~FormUpdatingGuard() { flag_ = saved_; }
    FormUpdatingGuard(const FormUpdatingGuard&) = delete;
    FormUpdatingGuard& operator=(const FormUpdatingGuard&) = delete;

private:
    bool& flag_;
    const bool saved_;
};
