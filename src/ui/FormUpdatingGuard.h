#pragma once
#include "platform/BusyFlag.h"

// Holds the window's FormUpdating flag set while code writes the window's controls, so that
// their change handlers send nothing, and puts back the value it had before (not simply false).
class FormUpdatingGuard : public BusyFlag {
public:
    explicit FormUpdatingGuard(bool& formUpdating) : BusyFlag(formUpdating) {}
};
