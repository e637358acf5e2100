#include "transfers/TrendLogPaging.h"
#include "commands/CommandContext.h"
#include "files/FileNames.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Progress.h"
#include "transfers/TransferData.h"
#include "transfers/TransfersState.h"
#include <cmath>
#include <utility>

namespace {
constexpr TrendLogKind kShortTerm{"4TS", 17280, 17282};
constexpr TrendLogKind kLongTerm{"4TL", 30660, 30662};

// The number before the range's "-" times `perUnit`; 0 without a "-" or for a count that a
// 16-bit record count cannot hold.
int rangeRecords(const QString& range, int perUnit)
{
    const qsizetype dash = range.indexOf(u'-');
    if (dash < 0)
        return 0;
    const double n = conv::Val(range.left(dash)) * perUnit;
    return n >= 0 && n <= 32767 ? static_cast<int>(std::lround(n)) : 0;
}
}   // namespace

const TrendLogKind& TrendLogKindOf(bool longTerm) { return longTerm ? kLongTerm : kShortTerm; }

QString TrendLogFileName(const QString& serialNo) { return SafeFileNamePart(serialNo) + QStringLiteral("tlog.txt"); }

int ShortTermRecordCount(const QString& range) { return rangeRecords(range, 360); }

int LongTermRecordCount(const QString& range)
{
    const qsizetype dash = range.indexOf(u'-');
    const QString unit = dash < 0 ? QString() : range.mid(dash + 1, 1);
    const std::pair<const char*, int> perUnit[] = {{"D", 6}, {"W", 42}, {"M", 182}, {"Y", 2190}};
    for (const auto& [letter, records] : perUnit)
        if (unit == QLatin1String(letter))
            return rangeRecords(range, records);
    return 0;
}

QStringList TrendPageRecords(const QString& data, const QString& command)
{
    QStringList out;
    for (qsizetype pos = data.startsWith(command) ? command.size() : 0; pos + TrendRecordLength <= data.size();
         pos += TrendRecordLength)
        out << data.mid(pos, TrendRecordLength);
    return out;
}

PagingResult GetTrendLog(LogPaging& c, bool longTerm, int count)
{
    const TrendLogKind& kind = TrendLogKindOf(longTerm);
    count = qBound(0, count, kind.maximum);
    const ScopedLinkTimeout timeout(c.p.LinkObject, TrendLogTimeout);
    const QString command = QString::fromLatin1(kind.command);
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(TrendLogTitle), count);
    QStringList& table = c.t.TrendLogLines;
    EndTableAt(table, 0);
    int stored = 0;
    bool read = false, finished = false;
    for (int index = 0; index < count && !finished; index += 10) {
        const bool answered = SendUnitCommand(c.p, command + QString::number(index), false);
        const QString reply = UnitReply(c.p);
        LetEventsRun(c);
        const int before = stored;
        if (answered && reply.size() > 6) {
            for (const QString& record : TrendPageRecords(ReplyData(reply), command)) {
                if (stored >= count || !StoreLine(table, stored, record))
                    break;
                ++stored;
                LetEventsRun(c);
            }
            read = true;
        }
        EndTableAt(table, stored);
        finished = stored > before && table.value(stored - 1).startsWith(QLatin1String("----"));
        // A page of fewer whole records than its place calls for (ten, or what is left of the
        // count) that does not end the log would leave a gap: it fails as a refused page does.
        const bool whole = answered && (finished || stored - before >= qMin(10, count - before));
        if (auto stop = AfterPage(c, progress, whole ? std::optional<int>(stored) : std::nullopt, stored))
            return *stop;
    }
    return read ? PagingResult::Read : PagingResult::Failed;
}
