// Clearing the status panels: every summary, fault and alarm label hidden.
#include "ui/frmMain.h"
#include <QLabel>

void frmMain::ClearSummaryStatus()
{
    for (QLabel* l : {ui.Label31, ui.Label32, ui.Label33, ui.Label34, ui.Label35, ui.Label36, ui.Label13,
                      ui.lblSBUCWarmup, ui.lbllcBucDrive})
        l->hide();
}

void frmMain::ClearFaultStatus()
{
    ui.NoFaults->hide();
    for (const auto& byte : ui.faultBytes())
        for (QLabel* l : byte)
            l->hide();
    ui.NoAlarms->hide();
    for (const auto& byte : ui.alarmBytes())
        for (QLabel* l : byte)
            l->hide();
}
