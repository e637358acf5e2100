#pragma once
#include <QString>

// File-related values shared across the program.
struct FilesState {
    // Folder of the last calibration-table file chosen in a file dialog; "" when none was
    // chosen in this run. Written at exit as the per-user setting "FilePath".
    QString CalFilePath;
    // The last fault-log download found the paged ("QF") log; cleared with the window.
    bool FaultLogQF = false;
};
