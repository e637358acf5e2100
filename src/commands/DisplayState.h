#pragma once
#include <QString>

// Display choices and values the main window shares with the other modules.
struct DisplayState {
    bool DisplayWatts = false;
    float RrfFloor = 27.0f;

    // Input drive power display: the unit reports its drive power (set at every first
    // read), and the forward-count box currently shows it.
    bool DrivePowerSupported = false;
    bool DrivePowerShown = false;

    // Window layout per family.
    bool DualHelixDisplay = false;      // a single-tube TWTA also shows its heater current
    bool CathodeDisplayModel = false;   // the model has the cathode-current display
    bool InletTempShown = false;        // the inlet temperature box is in use
};
