// The main window's trend-log download: the records asked for into the log's file in the
// data folder.
#include "app/Program.h"
#include "app/frmMain.h"
#include "files/FileIO.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/TransferLock.h"
#include "transfers/TrendLogPaging.h"

namespace {
// Writes the table up to its first empty slot; true when the file was written whole.
bool writeTrendLogFile(const Program& p, const QString& path)
{
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    return io.OpenTrendLogFile(path, false) && WriteTableLines(io, p.transfers.TrendLogLines);
}
}   // namespace

QString frmMain::GetTrendLogFile(bool longTerm, int count)
{
    const TransferLock lock(p.transfers, p, p.files, *this);
    if (!lock.held())
        return QString();
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    const LogTableScope table(p.transfers.TrendLogLines, TrendLogKindOf(longTerm).tableSize);
    LogPaging paging{p, p.transfers, connection};
    const PagingResult result = GetTrendLog(paging, longTerm, count);
    if (p.txn.LinkUp && !connection.ended() && LinkLost(paging))
        dropLinkLostInTransfer();
    if (result == PagingResult::Failed)
        p.platform.prompts.message(QStringLiteral("Download Failed"), QString::fromLatin1(TrendLogTitle),
                                   PromptIcon::Exclamation);
    if (result != PagingResult::Read)
        return QString();
    QString name = TrendLogFileName(p.unit.id.UnitSerialNo);
    if (!writeTrendLogFile(p, p.platform.folders.dataFolder() + QLatin1Char('/') + name))
        return QString();
    return name;
}
