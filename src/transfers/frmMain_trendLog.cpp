// The main window's trend-log download: the records asked for into the log's file in the
// data folder.
#include "app/Program.h"
#include "app/frmMain.h"
#include "transfers/LogDownload.h"

QString frmMain::GetTrendLogFile(bool longTerm, int count)
{
    return RunLogDownload(logDownloadContext(), TrendLogDownload(longTerm, count));
}
