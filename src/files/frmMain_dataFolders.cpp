// The main window's share of the data folders.
#include "files/DataFolders.h"
#include "app/Program.h"
#include "app/frmMain.h"

void frmMain::InitDataDirectory() { ::InitDataDirectory(p.platform.folders, p.platform.prompts); }
