#pragma once
// The calibration tables of the File menu: entries 0, 1, 4 and 5 of mnuCalTables, each holding
// the poll and the transfer lock; a download writes its file whole or not at all and opens it in
// the text editor, an upload is done only when the unit saved the table.

class CalFileChoice;
class LogDownloads;
class QMainWindow;
struct CalTableKind;
struct CalUploadPlan;
struct LogPaging;
struct UploadResult;
class UnitConnection;
struct CommandContext;
struct FilesState;
struct TransfersState;

class CalTransfers {
public:
    CalTransfers(CommandContext& p, FilesState& files, TransfersState& transfers, QMainWindow& window,
                 CalFileChoice& calFiles, UnitConnection& connection, LogDownloads& logs);

    void mnuCalTables_Click(int index);
    void DownloadRfCalTable();
    void UploadRfCalTable();
    void DownloadAtnCalTable();
    void UploadAtnCalTable();

private:
    CommandContext& p;
    FilesState& files_;
    TransfersState& transfers_;
    QMainWindow& window_;
    CalFileChoice& calFiles_;
    UnitConnection& connection_;
    LogDownloads& logs_;
    void downloadCalTable(const CalTableKind& kind);
    // A file that cannot be opened: the begin command where the unit takes it, the box, the abort.
    void unopenedAtnFile(bool beginSave, const LogPaging& link);
    // A file that may not be sent: its box; true then.
    bool refuseUpload(const CalTableKind& kind, const CalUploadPlan& plan);
    void finishCalUpload(const CalTableKind& kind, const UploadResult& result, bool save, const LogPaging& link);
};
