#include "ui/frmMain.h"

void frmMain::ClearForm() {}

void frmMain::DisableForm() {}

void frmMain::EnableForm() {}
