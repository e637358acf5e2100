// The main window's fault-log download: the two menu entries and the download.
#include "commands/CommandContext.h"
#include "transfers/LogDownloads.h"
#include "ui/frmMainUi.h"
#include "status/PollLoop.h"
#include "transfers/LogDownload.h"

// The main window's parameter-log download: one log into its file in the data folder.
#include "transfers/ParamLogPaging.h"

// The main window's trend-log download: the records asked for into the log's file in the
// data folder.

// The main window's download entries and what the downloads share of the window.
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include <QAction>

LogDownloads::LogDownloads(CommandContext& p, FilesState& files, TransfersState& transfers, QMainWindow& window,
                           PollLoop& poll)
    : p(p), files_(files), transfers_(transfers), window_(window), poll_(poll)
{
}

void LogDownloads::mnuDnldFltLog_Click() { GetFaultLog(100, true); }

void LogDownloads::mnuFullFaultLog_Click() { GetFaultLog(p.unit.features.FullFaultLogSize, true); }

QString LogDownloads::GetFaultLog(int depth, bool openInEditor)
{
    return RunLogDownload(logDownloadContext(), FaultLogDownload(files_, depth, openInEditor));
}

QString LogDownloads::GetParameterLogFile(int type)
{
    const ParamLogType* log = ParamLogTypeOf(type);
    return log ? RunLogDownload(logDownloadContext(), ParameterLogDownload(*log, type)) : QString();
}

QString LogDownloads::GetTrendLogFile(bool longTerm, int count)
{
    return RunLogDownload(logDownloadContext(), TrendLogDownload(longTerm, count));
}

void LogDownloads::dropLinkLostInTransfer()
{
    // As the next command would find it: a closed TCP connection is reset, a vanished serial
    // device ends the connection as failed polls do. Nothing is sent to try the link again.
    if (RoutedOverEnet(p))
        ResetDroppedTcpLink(p);
    else
        poll_.dropLostLink();
}

LogDownloadContext LogDownloads::logDownloadContext()
{
    return {p, files_, transfers_, window_, [this] { dropLinkLostInTransfer(); }};
}
