#include "ui/frmMain.h"

void frmMain::Timer1_Timer() {}
