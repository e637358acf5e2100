#include "app/Program.h"
#include "app/frmMain.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmCmdLine.h"
#include "platform/Prompts.h"

void frmMain::connectConsoleAboutMenus()
{
    connect(ui.mnuCmdLine, &QAction::triggered, this, &frmMain::mnuCmdLine_Click);
    connect(ui.mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::mnuCmdLine_Click()
{
    if (!console_)
        console_ = new frmCmdLine(p, this);
    console_->show();
    console_->raise();
    console_->activateWindow();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(p.platform.prompts, p.platform.sysInfo, this);
    if (p.platform.prompts)
        p.platform.prompts->runModal(about);
}
