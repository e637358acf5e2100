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

UploadResult uploadEntries(const LogPaging& c, FileIO& file, const CalTableKind& kind)
{
    QStringList lines;
    while (!file.AtEndOfFile())
        lines << file.ReadNextLine();
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(kind.uploadTitle),
                                 static_cast<int>(lines.size()));
    const auto ended = [&c] { return c.p.conn.ShuttingDown || LinkLost(c); };
    bool sent = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString value = GetCalLineValue(lines[i]);
        const QString entry = GetCalLineEntry(lines[i]);
        if (!value.isEmpty() && !entry.isEmpty()) {
            if (HasControlChar(entry))
                return {UploadResult::ControlChar, i + 1};
            const QString command = QString::fromLatin1(kind.writeCommand) + value + QLatin1Char(' ') + entry;
            if (!SendUnitCommand(c.p, command, false))
                return {ended() ? UploadResult::Ended : UploadResult::Refused};
            sent = true;
        }
        LetEventsRun(c);
        progress.setValue(i + 1);
        if (ended())
            return {UploadResult::Ended};
        if (progress.cancelled())
            return {UploadResult::Cancelled};
    }
    return {sent ? UploadResult::Sent : UploadResult::NothingSent};
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

UploadResult UploadRfCalEntries(const LogPaging& c, FileIO& file) { return uploadEntries(c, file, RfCalTable); }

UploadResult UploadAtnCalEntries(const LogPaging& c, FileIO& file) { return uploadEntries(c, file, AtnCalTable); }
