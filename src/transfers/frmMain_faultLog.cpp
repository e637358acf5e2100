// The main window's fault-log download: the two menu entries and the download.
#include "app/Program.h"
#include "app/frmMain.h"
#include "transfers/LogDownload.h"

void frmMain::mnuDnldFltLog_Click() { GetFaultLog(100, true); }

void frmMain::mnuFullFaultLog_Click() { GetFaultLog(p.unit.features.FullFaultLogSize, true); }

QString frmMain::GetFaultLog(int depth, bool openInEditor)
{
    return RunLogDownload(logDownloadContext(), FaultLogDownload(p.files, depth, openInEditor));
}
