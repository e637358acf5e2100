#include "ui/frmMain.h"

void frmMain::UpdateGainBalance() {}
