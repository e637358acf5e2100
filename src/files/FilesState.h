#pragma once
#include <QString>

// File-related values shared across the program.
struct FilesState {
    // Folder of the last calibration-table file chosen in a file dialog; "" when none was
    // chosen in this run. Written at exit as the per-user setting "FilePath".
    QString CalFilePath;
    // The main window's one file dialog: its start folder and file name keep their last use
    // ("" before any dialog set them).
    QString DialogFolder;
    QString DialogFileName;
    // A configuration file is being saved or replayed: a second one started meanwhile is ignored.
    bool CmdFileBusy = false;
    // The last fault-log download found the paged ("QF") log; cleared with the window.
    bool FaultLogQF = false;
};
