// The main window's parameter-log download: one log into its file in the data folder.
#include "app/Program.h"
#include "app/frmMain.h"
#include "files/FileIO.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/ParamLogPaging.h"
#include "transfers/TransferLock.h"

namespace {
void paramLogBox(IPrompts& prompts, const char* text)
{
    prompts.message(QString::fromLatin1(text), QString::fromLatin1(ParamLogTitle), PromptIcon::Exclamation);
}

// Writes the table up to its first empty slot; true when the file was written whole.
bool writeParamLogFile(const Program& p, const QString& path)
{
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    return io.OpenParamLogFile(path, false) && WriteTableLines(io, p.transfers.ParamLogLines);
}
}   // namespace

QString frmMain::GetParameterLogFile(int type)
{
    const ParamLogType* log = ParamLogTypeOf(type);
    if (!log)
        return QString();
    const TransferLock lock(p.transfers, p, p.files, *this);
    if (!lock.held())
        return QString();
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    const LogTableScope table(p.transfers.ParamLogLines, log->tableSize);
    LogPaging paging{p, p.transfers, connection};
    const PagingResult result = GetParameterLog(paging, type);
    if (p.txn.LinkUp && !connection.ended() && LinkLost(paging))
        dropLinkLostInTransfer();
    if (result == PagingResult::Failed)
        paramLogBox(p.platform.prompts, "Download Failed");
    if (result != PagingResult::Read)
        return QString();
    if (p.transfers.ParamLogLines.value(0).isEmpty()) {
        paramLogBox(p.platform.prompts, "Empty Parameter log Table");
        return QString();
    }
    QString name = QString::fromLatin1(log->fileName);
    if (!writeParamLogFile(p, p.platform.folders.dataFolder() + QLatin1Char('/') + name))
        return QString();
    return name;
}
