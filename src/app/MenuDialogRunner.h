#pragma once
// The main window's entries that open a dialog: one routine runs each entry's rules (the
// remote test, the link time-out, the poll, the steps around the dialog) and shows the dialog
// its factory makes.
#include "app/MenuDialogs.h"

class FeatureReads;
class frmMain;
struct Program;

class MenuDialogRunner {
public:
    MenuDialogRunner(Program& p, frmMain& window, FeatureReads& features);
    void lblSBandFrq_DblClick();
    void lbllcBucDrive_DblClick();
    // Runs the entry's rules of app/MenuDialogs.h with the dialog registered in menuDialogs.
    void RunMenuDialog(MenuDialog row);
    menus::MenuDialogRegistry menuDialogs;

private:
    Program& p;
    frmMain& window_;
    FeatureReads& features_;
    void showMenuDialog(MenuDialog row);
    void runAfterDialogSteps(unsigned steps);
    void showModelessDialog(MenuDialog row);
};
