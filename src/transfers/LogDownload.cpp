#include "transfers/LogDownload.h"
#include "commands/CommandContext.h"
#include "files/FileIO.h"
#include "files/FilesState.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/FaultLogPaging.h"
#include "transfers/ParamLogPaging.h"
#include "transfers/TransferLock.h"
#include "transfers/TransfersState.h"
#include "transfers/TrendLogPaging.h"

namespace {
void logBox(IPrompts& prompts, const char* text, const char* title)
{
    prompts.message(QString::fromLatin1(text), QString::fromLatin1(title), PromptIcon::Exclamation);
}

// Writes the table up to its first empty slot into the kind's file in the data folder; its
// name when the file was written whole, else "".
QString writeLogFile(const CommandContext& p, const LogDownloadKind& kind, const QStringList& lines)
{
    if (kind.emptyText && lines.value(0).isEmpty()) {
        logBox(p.platform.prompts, kind.emptyText, kind.title);
        return QString();
    }
    QString name = kind.fileName(p.unit.id.UnitSerialNo);
    const QString path = p.platform.folders.dataFolder() + QLatin1Char('/') + name;
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    if (!kind.open(io, path) || !WriteTableLines(io, lines))
        return QString();
    if (kind.openInEditor)
        ShellOpen(p.platform.shell, path);
    return name;
}
}   // namespace

QString RunLogDownload(const LogDownloadContext& c, const LogDownloadKind& kind)
{
    const TransferLock lock(c.transfers, c.p, c.files, c.window);
    if (!lock.held())
        return QString();
    const PollPause pause(c.p, PollPause::Mode::On);
    const ConnectionWatch connection(c.p);
    QStringList& lines = c.transfers.*kind.lines;
    const LogTableScope table(lines, kind.tableSize);
    LogPaging paging{c.p, c.transfers, connection};
    const PagingResult result = kind.read(paging);
    if (LinkLostUnder(paging) && c.linkLost)
        c.linkLost();
    if (result == PagingResult::Failed)
        logBox(c.p.platform.prompts, "Download Failed", kind.title);
    if (result != PagingResult::Read)
        return QString();
    return writeLogFile(c.p, kind, lines);
}

LogDownloadKind FaultLogDownload(FilesState& files, int depth, bool openInEditor)
{
    return {FaultLogTitle,
            &TransfersState::FaultLogLines,
            FaultLogSlots,
            [&files, depth](LogPaging& c) {
                LetEventsRun(c);
                files.FaultLogQF = HasQFFaultLog(c.p);
                return files.FaultLogQF ? GetFaultLogQF(c, depth) : GetFaultLogLegacy(c, depth);
            },
            "Empty Faultlog Table",
            FaultLogFileName,
            [&files](FileIO& io, const QString& path) { return io.OpenFltLogFile(path, false, files.FaultLogQF); },
            openInEditor};
}

LogDownloadKind ParameterLogDownload(const ParamLogType& log, int type)
{
    return {ParamLogTitle,
            &TransfersState::ParamLogLines,
            log.tableSize,
            [type](LogPaging& c) { return GetParameterLog(c, type); },
            "Empty Parameter log Table",
            [name = log.fileName](const QString&) { return QString::fromLatin1(name); },
            [](FileIO& io, const QString& path) { return io.OpenParamLogFile(path, false); },
            false};
}

LogDownloadKind TrendLogDownload(bool longTerm, int count)
{
    return {TrendLogTitle,
            &TransfersState::TrendLogLines,
            TrendLogKindOf(longTerm).tableSize,
            [longTerm, count](LogPaging& c) { return GetTrendLog(c, longTerm, count); },
            nullptr,
            TrendLogFileName,
            [](FileIO& io, const QString& path) { return io.OpenTrendLogFile(path, false); },
            false};
}
