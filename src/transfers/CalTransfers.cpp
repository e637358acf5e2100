// The main window's calibration-table entries: the forward RF power and attenuator tables
// read into a file and written back into the unit.
#include "commands/CommandContext.h"
#include "transfers/CalTransfers.h"
#include "ui/frmMainUi.h"
#include "files/CalFileChoice.h"
#include "status/UnitConnection.h"
#include "transfers/LogDownloads.h"
#include "files/FileIO.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "transfers/CalTableTransfer.h"
#include "transfers/CalTables.h"
#include "transfers/TransferLock.h"
#include <QAction>
#include <optional>

namespace {
void calBox(IPrompts& prompts, const QString& text, const char* title, PromptIcon icon = PromptIcon::Exclamation)
{
    prompts.message(text, QString::fromLatin1(title), icon);
}

// Clears the status panel on every way out.
class StatusPanelScope {
public:
    explicit StatusPanelScope(UnitConnection& w) : w_(w) {}
    ~StatusPanelScope() { w_.DisplayStatusMsg(QString()); }
    StatusPanelScope(const StatusPanelScope&) = delete;
    StatusPanelScope& operator=(const StatusPanelScope&) = delete;

private:
    UnitConnection& w_;
};

void letTransferEventsRun(CommandContext& p) { p.platform.clock.processEvents(); }

// A table file read whole; nothing when it cannot be opened.
std::optional<QStringList> readTableFile(const QString& path)
{
    FileIO io;
    if (!io.OpenRfCalFile(path, true))   // read as it stands: the kind only picks a header to write
        return std::nullopt;
    QStringList lines;
    while (!io.AtEndOfFile())
        lines << io.ReadNextLine();
    return lines;
}
}   // namespace

CalTransfers::CalTransfers(CommandContext& p, FilesState& files, TransfersState& transfers, QMainWindow& window,
                           CalFileChoice& calFiles, UnitConnection& connection, LogDownloads& logs)
    : p(p), files_(files), transfers_(transfers), window_(window), calFiles_(calFiles), connection_(connection),
      logs_(logs)
{
}

void CalTransfers::mnuCalTables_Click(int index)
{
    const TransferLock lock(transfers_, p, files_, window_);
    if (!lock.held())
        return;
    const PollPause pause(p, PollPause::Mode::On);
    switch (index) {
    case 0:
        DownloadRfCalTable();
        break;
    case 1:
        UploadRfCalTable();
        break;
    case 4:
        DownloadAtnCalTable();
        break;
    case 5:
        UploadAtnCalTable();
        break;
    default:
        break;
    }
}

void CalTransfers::DownloadRfCalTable() { downloadCalTable(RfCalTable); }

void CalTransfers::DownloadAtnCalTable() { downloadCalTable(AtnCalTable); }

void CalTransfers::downloadCalTable(const CalTableKind& kind)
{
    const bool atn = &kind == &AtnCalTable;
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    const QString path = calFiles_.GetSaveAsFileName(kind.fileType);
    if (path.isEmpty())
        return;
    const ConnectionWatch connection(p);
    const ScopedLinkTimeout timeout(p.LinkObject, kind.timeout);
    const StatusPanelScope status(connection_);
    if (!(atn ? io.OpenAtnCalFile(path, false) : io.OpenRfCalFile(path, false)))
        return;
    const LogPaging link{p, transfers_, connection};
    PagingResult result = PagingResult::Failed;
    if (atn) {
        letTransferEventsRun(p);
        if (SendUnitCommand(p, QStringLiteral("YAL"), true)) {
            connection_.DisplayStatusMsg(QString::fromLatin1(kind.retrievingText));
            const UnitIdentity& id = p.unit.id;
            result = DownloadAtnCalEntries(
                link, io, FirstAtnLevelTenths(id.IsTwtaUnit, p.unit.config.LcBucInstalled, id.UnitModelCode));
        } else if (p.conn.ShuttingDown) {
            result = PagingResult::Stopped;
        }
    } else {
        connection_.DisplayStatusMsg(QString::fromLatin1(kind.retrievingText));
        letTransferEventsRun(p);
        result = DownloadRfCalEntries(link, io);
    }
    if (LinkLostUnder(link))
        logs_.dropLinkLostInTransfer();
    if (result == PagingResult::Read && !io.CloseFile())
        result = PagingResult::Failed;   // the file could not be written whole: the old one stays
    io.Discard();
    if (result == PagingResult::Failed) {
        calBox(p.platform.prompts, QStringLiteral("Download Failed"), kind.downloadTitle);
    } else if (result == PagingResult::Read) {
        calBox(p.platform.prompts, QStringLiteral("Download Done"), kind.downloadTitle, PromptIcon::Information);
        ShellOpen(p.platform.shell, path);
    }
}

void CalTransfers::UploadRfCalTable()
{
    const CalTableKind& kind = RfCalTable;
    const StatusPanelScope status(connection_);
    const QString path = calFiles_.GetFileNameToOpen(kind.fileType);
    if (path.isEmpty())
        return;
    const ConnectionWatch connection(p);
    const ScopedLinkTimeout timeout(p.LinkObject, kind.timeout);
    const std::optional<QStringList> lines = readTableFile(path);
    if (!lines)
        return;
    const CalUploadPlan plan = PlanCalUpload(*lines, kind, 0, kind.levels - 1);
    if (refuseUpload(kind, plan))
        return;
    connection_.DisplayStatusMsg(QString::fromLatin1(kind.sendingText));
    letTransferEventsRun(p);
    const LogPaging link{p, transfers_, connection};
    if (!SendUnitCommand(p, QString::fromLatin1(kind.beginCommand), false)) {
        if (p.conn.ShuttingDown || LinkLost(link))
            finishCalUpload(kind, {UploadResult::Ended}, true, link);
        else
            calBox(p.platform.prompts, QStringLiteral("Unable To Initialize Cal Table"), "RF Cal Table Upload Failure");
        return;
    }
    finishCalUpload(kind, UploadCalEntries(link, kind, plan, static_cast<int>(lines->size())), true, link);
}

void CalTransfers::UploadAtnCalTable()
{
    const CalTableKind& kind = AtnCalTable;
    const UnitIdentity& id = p.unit.id;
    const bool beginSave =
        TakesAtnBeginSave(id.IsTwtaUnit, id.UnitModelCode, id.FirmwareVersion100, id.boxes.txtCplDate);
    const StatusPanelScope status(connection_);
    const QString path = calFiles_.GetFileNameToOpen(kind.fileType);
    if (path.isEmpty())
        return;
    const ConnectionWatch connection(p);
    const ScopedLinkTimeout timeout(p.LinkObject, kind.timeout);
    const LogPaging link{p, transfers_, connection};
    const std::optional<QStringList> lines = readTableFile(path);
    if (!lines) {
        unopenedAtnFile(beginSave, link);
        return;
    }
    const int first = FirstAtnLevelTenths(id.IsTwtaUnit, p.unit.config.LcBucInstalled, id.UnitModelCode);
    const CalUploadPlan plan = PlanCalUpload(*lines, kind, first, first + kind.levels - 1);
    if (refuseUpload(kind, plan))
        return;
    if (beginSave)
        SendUnitCommand(p, QString::fromLatin1(kind.beginCommand), false);   // a refusal is not looked at
    if (p.conn.ShuttingDown || LinkLost(link)) {
        finishCalUpload(kind, {UploadResult::Ended}, beginSave, link);
        return;
    }
    connection_.DisplayStatusMsg(QString::fromLatin1(kind.sendingText));
    letTransferEventsRun(p);
    finishCalUpload(kind, UploadCalEntries(link, kind, plan, static_cast<int>(lines->size())), beginSave, link);
}

void CalTransfers::unopenedAtnFile(bool beginSave, const LogPaging& link)
{
    const CalTableKind& kind = AtnCalTable;
    if (beginSave)
        SendUnitCommand(p, QString::fromLatin1(kind.beginCommand), false);
    if (p.conn.ShuttingDown || LinkLost(link)) {
        finishCalUpload(kind, {UploadResult::Ended}, beginSave, link);
        return;
    }
    calBox(p.platform.prompts, QStringLiteral("Unable To Open Cal File"), "Atten Cal Table Upload Failure");
    SendUnitCommand(p, QString::fromLatin1(kind.abortCommand), false);
    if (LinkLostUnder(link))
        logs_.dropLinkLostInTransfer();
}

bool CalTransfers::refuseUpload(const CalTableKind& kind, const CalUploadPlan& plan)
{
    if (plan.badLine == 0)
        return false;
    calBox(p.platform.prompts, plan.problem, kind.uploadTitle);
    return true;
}

void CalTransfers::finishCalUpload(const CalTableKind& kind, const UploadResult& result, bool save,
                                   const LogPaging& link)
{
    bool done = false;
    switch (result.outcome) {
    case UploadResult::Sent:
        // Done only when the unit has stored the table.
        done = !save || SendUnitCommand(p, QString::fromLatin1(kind.saveCommand), false);
        break;
    case UploadResult::NothingSent:
    case UploadResult::Refused:
    case UploadResult::Cancelled:
        if (!p.conn.ShuttingDown && !LinkLost(link))
            SendUnitCommand(p, QString::fromLatin1(kind.abortCommand), false);
        break;
    case UploadResult::Ended:
        break;
    }
    if (LinkLostUnder(link))
        logs_.dropLinkLostInTransfer();
    if (p.conn.ShuttingDown)
        return;
    const bool cancelled = result.outcome == UploadResult::Cancelled;
    const char* text = done ? "Upload Done" : cancelled ? "Upload Cancelled" : "Upload Failed";
    calBox(p.platform.prompts, QString::fromLatin1(text), kind.uploadTitle,
           done || cancelled ? PromptIcon::Information : PromptIcon::Exclamation);
}
