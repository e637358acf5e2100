// The main window's parameter-log download: one log into its file in the data folder.
#include "app/Program.h"
#include "app/frmMain.h"
#include "transfers/LogDownload.h"
#include "transfers/ParamLogPaging.h"

QString frmMain::GetParameterLogFile(int type)
{
    const ParamLogType* log = ParamLogTypeOf(type);
    return log ? RunLogDownload(logDownloadContext(), ParameterLogDownload(*log, type)) : QString();
}
