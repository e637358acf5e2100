#pragma once
// The connected main window for saving and replaying whole configuration command files:
// the unit refuses the queries its profile does not know and acknowledges every setting
// command; the wall clock of the file header is fixed, the poll timer is off.
#include "FileBytes.h"
#include "support/LinkedMainWindow.h"

struct CmdFileWindow : LinkedMainWindow {
    CmdFileWindow(UnitLink link, const SimUnitProfile& profile);
    // Connects and reads the unit, in remote mode; false (with a test failure) when the
    // window did not connect.
    bool connect();
    // The file saved into `folder` (made when missing) under `name`; "<missing>" when none.
    QByteArray save(const QString& folder, const QString& name);
};
