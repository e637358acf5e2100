#pragma once
#include "link/ConnectionState.h"
#include "platform/BusyFlag.h"

// Holds FormUpdating set while code writes the window's controls, so that their change
// handlers send nothing, and puts back the value it had before (not simply false).
class FormUpdatingGuard : public BusyFlag {
public:
    explicit FormUpdatingGuard(ConnectionState& conn) : BusyFlag(conn.FormUpdating) {}
};
