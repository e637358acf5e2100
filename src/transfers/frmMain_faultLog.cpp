// The main window's fault-log download: the two menu entries, the download and its file.
#include "app/Program.h"
#include "app/frmMain.h"
#include "files/FileIO.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/FaultLogPaging.h"
#include "transfers/TransferLock.h"

namespace {
void faultLogBox(IPrompts& prompts, const char* text)
{
    prompts.message(QString::fromLatin1(text), QString::fromLatin1(FaultLogTitle), PromptIcon::Exclamation);
}
}   // namespace

void frmMain::mnuDnldFltLog_Click() { GetFaultLog(100, true); }

void frmMain::mnuFullFaultLog_Click() { GetFaultLog(p.unit.features.FullFaultLogSize, true); }

QString frmMain::GetFaultLog(int depth, bool openInEditor)
{
    const TransferLock lock(p.transfers, p, p.files, *this);
    if (!lock.held())
        return QString();
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    const LogTableScope table(p.transfers.FaultLogLines, FaultLogSlots);
    p.platform.clock.processEvents();
    p.files.FaultLogQF = HasQFFaultLog(p);
    LogPaging paging{p, p.transfers, connection};
    const PagingResult result = p.files.FaultLogQF ? GetFaultLogQF(paging, depth) : GetFaultLogLegacy(paging, depth);
    if (p.txn.LinkUp && !connection.ended() && LinkLost(paging))
        dropLinkLostInTransfer();
    if (result == PagingResult::Failed)
        faultLogBox(p.platform.prompts, "Download Failed");
    if (result != PagingResult::Read || !SaveFaultLogFile(openInEditor))
        return QString();
    return FaultLogFileName(p.unit.id.UnitSerialNo);
}

bool frmMain::SaveFaultLogFile(bool openInEditor)
{
    const QStringList& lines = p.transfers.FaultLogLines;
    if (lines.value(0).isEmpty()) {
        faultLogBox(p.platform.prompts, "Empty Faultlog Table");
        return false;
    }
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    const QString path = p.platform.folders.dataFolder() + QLatin1Char('/') + FaultLogFileName(p.unit.id.UnitSerialNo);
    if (!io.OpenFltLogFile(path, false, p.files.FaultLogQF))
        return false;
    if (!WriteTableLines(io, lines))
        return false;
    if (openInEditor)
        ShellOpen(p.platform.shell, path);
    return true;
}
