#include "transfers/FaultLogPaging.h"
#include "commands/CommandContext.h"
#include "files/FileNames.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "platform/Progress.h"
#include "transfers/TransferData.h"
#include "transfers/TransfersState.h"
#include <functional>

namespace {
const QString kEndLine(20, QLatin1Char('-'));

// Reads the page `step` asks for; sets `stored` to its entries and gives the paging's end
// when it must stop there.
using PageRead = std::function<std::optional<PagingResult>(int step, int& stored)>;

// The rule both schemes follow once the first page has left `remaining` entries wanted:
// fewer than none is a failure; otherwise the page `secondStep` on is read, then pages ten
// on until nothing more is wanted or a page holds fewer than ten.
PagingResult pageOn(int remaining, int secondStep, const PageRead& read)
{
    if (remaining < 0)
        return PagingResult::Failed;
    if (remaining == 0)
        return PagingResult::Read;
    int n = 0;
    if (auto stop = read(secondStep, n))
        return *stop;
    remaining -= n;
    while (remaining > 0) {
        if (auto stop = read(10, n))
            return *stop;
        if (n < 10)
            break;
        remaining -= n;
    }
    return PagingResult::Read;
}

bool endLineStored(const TransfersState& t)
{
    return t.LegacyStoredCount > 0 && t.FaultLogLines.value(t.LegacyStoredCount - 1) == kEndLine;
}
}   // namespace

QString FaultLogFileName(const QString& serialNo) { return SafeFileNamePart(serialNo) + QStringLiteral("fltlog.txt"); }

bool HasQFFaultLog(CommandContext& p) { return SendUnitCommand(p, QStringLiteral("QF0;0"), false); }

std::optional<int> GetFaultLogCount(CommandContext& p)
{
    if (!SendUnitCommand(p, QStringLiteral("QF0;0"), false))
        return std::nullopt;
    return QFLogCount(ReplyData(UnitReply(p)));
}

std::optional<int> ReadFaultLogPageQF(LogPaging& c, int step)
{
    TransfersState& t = c.t;
    if (step == -1) {
        t.QFStoredCount = 0;
        t.QFPageIndex = 0;
    } else {
        t.QFPageIndex += step;
    }
    if (!SendUnitCommand(c.p, QStringLiteral("QF") + QString::number(t.QFPageIndex), false))
        return std::nullopt;
    const QString data = ReplyData(UnitReply(c.p));
    int stored = 0;
    for (const QString& entry : QFPageEntries(data)) {
        if (!StoreLine(t.FaultLogLines, t.QFStoredCount, entry))
            break;
        ++t.QFStoredCount;
        ++stored;
        LetEventsRun(c);
    }
    EndTableAt(t.FaultLogLines, t.QFStoredCount);
    // A page short of what the unit's own counts call for fails as a refused page does.
    if (stored < QFPageExpected(data, t.QFPageIndex))
        return std::nullopt;
    return stored;
}

std::optional<int> ReadFaultLogPageLegacy(LogPaging& c, int step)
{
    TransfersState& t = c.t;
    QString command = QStringLiteral("4");
    if (step == -1) {
        t.LegacyStoredCount = 0;
        t.LegacyPageIndex = 100;
    } else {
        t.LegacyPageIndex += step;
        command += QString::number(t.LegacyPageIndex);
    }
    if (!SendUnitCommand(c.p, command, false))
        return std::nullopt;
    const QString reply = UnitReply(c.p);
    if (reply.size() <= 5)
        return 0;
    const QString data = ReplyData(reply);
    const QStringList lines = BangLines(data, data.startsWith(QLatin1Char('4')) ? 1 : 0);   // after the echo
    int stored = 0;
    for (const QString& line : lines) {
        if (!StoreLine(t.FaultLogLines, t.LegacyStoredCount, line))
            break;
        ++t.LegacyStoredCount;
        ++stored;
        LetEventsRun(c);
        if (line == kEndLine)
            break;
    }
    EndTableAt(t.FaultLogLines, t.LegacyStoredCount);
    return stored;
}

PagingResult GetFaultLogQF(LogPaging& c, int depth)
{
    const ScopedLinkTimeout timeout(c.p.LinkObject, FaultLogTimeout);
    const std::optional<int> count = GetFaultLogCount(c.p);
    if (c.p.conn.ShuttingDown)
        return PagingResult::Stopped;
    if (!count || LinkLost(c))
        return PagingResult::Failed;
    const int wanted = qMin(qMax(depth, 100), *count);
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(FaultLogTitle), wanted);
    const PageRead read = [&](int step, int& stored) {
        const std::optional<int> n = ReadFaultLogPageQF(c, step);
        stored = n.value_or(0);
        return AfterPage(c, progress, n, c.t.QFStoredCount);
    };
    int n = 0;
    if (auto stop = read(-1, n))
        return *stop;
    return pageOn(wanted - n, 10, read);
}

PagingResult GetFaultLogLegacy(LogPaging& c, int depth)
{
    const ScopedLinkTimeout timeout(c.p.LinkObject, FaultLogTimeout);
    const int wanted = qMax(depth, 100);
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(FaultLogTitle), wanted);
    const PageRead read = [&](int step, int& stored) {
        std::optional<int> n = ReadFaultLogPageLegacy(c, step);
        // A unit may refuse the pages past its log's end: once the end line is stored such
        // a page counts as empty.
        if (!n && endLineStored(c.t) && !LinkLost(c))
            n = 0;
        stored = n.value_or(0);
        return AfterPage(c, progress, n, c.t.LegacyStoredCount);
    };
    int n = 0;
    if (auto stop = read(-1, n))
        return *stop;
    if (wanted == 100)
        return PagingResult::Read;
    return pageOn(wanted - n, 0, read);
}
