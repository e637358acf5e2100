#include "transfers/CalTableTransfer.h"
#include "commands/CommandContext.h"
#include "commands/QueryRule.h"
#include "files/FileIO.h"
#include "link/Transaction.h"
#include "platform/Progress.h"
#include "transfers/CalTables.h"

namespace {
// Sends the read command of the level; the reply, or nothing when the transaction failed.
// A TCP line is taken in the serial frame's form, so a line without ETX loses none of its data.
std::optional<QString> readLevel(const LogPaging& c, const CalTableKind& kind, int tenths)
{
    if (!SendUnitCommand(c.p, QString::fromLatin1(kind.readCommand) + CalLevelText(tenths), false))
        return std::nullopt;
    return UnitReplyFrame(c.p);
}

// After each level: events run, then the indicator, Cancel, a failed read and the link decide.
std::optional<PagingResult> afterLevel(const LogPaging& c, const ProgressScope& progress, bool read, int k)
{
    if (read)
        LetEventsRun(c);
    return AfterPage(c, progress, read ? std::optional<int>(0) : std::nullopt, k + 1);
}

}   // namespace

PagingResult DownloadRfCalEntries(const LogPaging& c, FileIO& file)
{
    const CalTableKind& kind = RfCalTable;
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(kind.downloadTitle), kind.levels);
    bool started = false;
    for (int k = 0; k < kind.levels; ++k) {
        const std::optional<QString> reply = readLevel(c, kind, k);
        if (reply && IsNoEntryReply(*reply)) {
            if (started)
                return PagingResult::Read;   // the table has ended
        } else if (reply) {
            // Any reply without "NO ENTRY" starts the table, whether or not it carries an entry.
            started = true;
            if (IsWholeDbLevel(k))
                file.AddToFile(CalMarkerLine(k));
            if (const auto entry = CalEntryText(*reply, QString::fromLatin1(kind.readCommand)))
                file.AddRecordLine(*entry);
        }
        if (auto stop = afterLevel(c, progress, reply.has_value(), k))
            return *stop;
    }
    return PagingResult::Read;
}

PagingResult DownloadAtnCalEntries(const LogPaging& c, FileIO& file, int firstTenths)
{
    const CalTableKind& kind = AtnCalTable;
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(kind.downloadTitle), kind.levels);
    bool started = false;   // an entry line has been written
    for (int k = 0; k < kind.levels; ++k) {
        const int tenths = firstTenths + k;
        if (IsWholeDbLevel(k))
            file.AddToFile(CalMarkerLine(tenths));
        const std::optional<QString> reply = readLevel(c, kind, tenths);
        if (reply && reply->size() >= 2) {
            if (IsNoEntryReply(*reply)) {
                if (started)
                    return PagingResult::Read;
            } else if (const auto entry = CalEntryText(*reply, QString::fromLatin1(kind.readCommand))) {
                file.AddRecordLine(*entry);
                started = true;
            }
        }
        if (auto stop = afterLevel(c, progress, reply.has_value(), k))
            return *stop;
    }
    return PagingResult::Read;
}

UploadResult UploadCalEntries(const LogPaging& c, const CalTableKind& kind, const CalUploadPlan& plan, int fileLines)
{
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(kind.uploadTitle), fileLines);
    const auto ended = [&c] { return c.p.conn.ShuttingDown || LinkLost(c); };
    for (const CalWrite& write : plan.writes) {
        if (!SendUnitCommand(c.p, write.command, false))
            return {ended() ? UploadResult::Ended : UploadResult::Refused};
        LetEventsRun(c);
        progress.setValue(write.line);
        if (ended())
            return {UploadResult::Ended};
        if (progress.cancelled())
            return {UploadResult::Cancelled};
    }
    return {plan.writes.isEmpty() ? UploadResult::NothingSent : UploadResult::Sent};
}
