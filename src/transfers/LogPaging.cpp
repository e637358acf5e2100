#include "transfers/LogPaging.h"
#include "commands/CommandContext.h"
#include "files/FileIO.h"
#include "link/ConnectionWatch.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

bool LinkLost(const LogPaging& c)
{
    if (c.connection.ended())
        return true;
    return !CurrentTransport(c.p).isOpen();
}

bool LinkLostUnder(const LogPaging& c) { return c.p.txn.LinkUp && !c.connection.ended() && LinkLost(c); }

std::optional<PagingResult> AfterPage(const LogPaging& c, const ProgressScope& progress,
                                      const std::optional<int>& count, int stored)
{
    if (c.p.conn.ShuttingDown)
        return PagingResult::Stopped;
    progress.setValue(stored);
    if (progress.cancelled())
        return PagingResult::Stopped;
    if (!count || LinkLost(c))
        return PagingResult::Failed;
    return std::nullopt;
}

void LetEventsRun(const LogPaging& c) { c.p.platform.clock.processEvents(); }

bool StoreLine(QStringList& table, int index, const QString& line)
{
    if (index < 0 || index >= table.size())
        return false;
    table[index] = line;
    return true;
}

void EndTableAt(QStringList& table, int index)
{
    if (index >= 0 && index < table.size())
        table[index].clear();
}

bool WriteTableLines(FileIO& io, const QStringList& table)
{
    for (const QString& line : table) {
        if (line.isEmpty())
            break;
        io.AddRecordLine(line);
    }
    return io.CloseFile();
}
