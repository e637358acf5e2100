#pragma once
// The log downloads: one procedure that every log kind runs through, under the same guards in
// the same order, and a row per kind saying how it pages, what it keeps and where it goes.
#include "transfers/LogPaging.h"
#include <QString>
#include <QStringList>
#include <functional>

class FileIO;
class QMainWindow;
struct CommandContext;
struct FilesState;
struct ParamLogType;
struct TransfersState;

// What a download runs on: the program's parts, the window the transfer lock freezes, and the
// window's reaction to a link found gone under the download (the TCP connection closed or the
// serial device vanished while the connection still counted as up).
struct LogDownloadContext {
    CommandContext& p;
    FilesState& files;
    TransfersState& transfers;
    QMainWindow& window;
    std::function<void()> linkLost;
};

// One log kind's specifics.
struct LogDownloadKind {
    const char* title;                              // of the download's boxes
    QStringList TransfersState::*lines;             // the line table the paging fills
    int tableSize;                                  // the table's size while the download runs
    std::function<PagingResult(LogPaging&)> read;   // the whole paging
    const char* emptyText;                          // the box for a log read without lines; null: it is written empty
    std::function<QString(const QString& serialNo)> fileName;   // in the data folder
    std::function<bool(FileIO&, const QString& path)> open;     // opens the file for writing
    bool openInEditor;
};

// Downloads one log: under the transfer lock, with the poll held and the connection watched,
// into the kind's line table sized for it; then the window's reset when the link was found
// gone, "Download Failed" when the paging failed, and on a log read the file written whole
// (and opened in the text editor when the kind asks). The file's name when this download
// wrote it, else "".
QString RunLogDownload(const LogDownloadContext& c, const LogDownloadKind& kind);

// The rows. The fault log: `depth` entries (at least 100) in whichever paging the unit speaks,
// noted in FilesState::FaultLogQF. A parameter log: log `type`, described by `log`. A trend
// log: `count` records of the short- or long-term log.
LogDownloadKind FaultLogDownload(FilesState& files, int depth, bool openInEditor);
LogDownloadKind ParameterLogDownload(const ParamLogType& log, int type);
LogDownloadKind TrendLogDownload(bool longTerm, int count);
