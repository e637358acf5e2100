#pragma once
// The main window's log downloads: the fault log, the parameter logs and the trend logs.

#include <QString>

class PollLoop;
class QMainWindow;
struct LogDownloadContext;
struct CommandContext;
struct FilesState;
struct TransfersState;

class LogDownloads {
public:
    LogDownloads(CommandContext& p, FilesState& files, TransfersState& transfers, QMainWindow& window, PollLoop& poll);

    void mnuDnldFltLog_Click();     // "Short Fault Log"
    void mnuFullFaultLog_Click();   // "Full Fault Log"
    // Downloads `depth` entries of the fault log (at least 100) into the data folder, in
    // whichever paging the unit speaks, and opens the file in the text editor when asked; the
    // file's name when this download wrote it, else "".
    QString GetFaultLog(int depth, bool openInEditor);
    // Downloads log `type` (0 10-minute, 1 hourly, 2 daily, 3 monthly, 4 cathode current) into
    // its file in the data folder; the file's name ("plog.txt" ...) when this download wrote
    // it, else "".
    QString GetParameterLogFile(int type);
    // Downloads `count` records of the short- or long-term trend log into its file in the
    // data folder; the file's name when this download wrote it, else "".
    QString GetTrendLogFile(bool longTerm, int count);
    // The window's reset when a transfer found the unit gone (the TCP connection closed or
    // the serial device vanished).
    void dropLinkLostInTransfer();

private:
    CommandContext& p;
    FilesState& files_;
    TransfersState& transfers_;
    QMainWindow& window_;
    PollLoop& poll_;
    LogDownloadContext logDownloadContext();
};
