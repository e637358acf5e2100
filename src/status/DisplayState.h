#pragma once
#include <QString>

// Display choices and values the main window shares with the other modules.
struct DisplayState {
    bool DisplayWatts = false;
    float RrfFloor = 27.0f;
};
