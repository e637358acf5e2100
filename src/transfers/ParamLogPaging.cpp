#include "transfers/ParamLogPaging.h"
#include "commands/CommandContext.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "platform/Progress.h"
#include "transfers/TransferData.h"
#include "transfers/TransfersState.h"
#include <array>

namespace {
constexpr std::array<ParamLogType, 5> kTypes = {{
    {"4P", 60, "plog.txt", 192, 190},
    {"4H", 120, "hlog.txt", 192, 190},
    {"4D", 90, "dlog.txt", 192, 190},
    {"4M", 36, "mlog.txt", 192, 190},
    {"4C", 2190, "cmlog.txt", 2192, 2190},
}};

struct PageState {
    int stored = 0;
    bool read = false;       // a page was read to its end
    bool finished = false;   // the log has ended
};

// Stores the lines of one answered page (reply copied as it came) and decides whether the
// log ended with it. False when the page is short: fewer lines than its place calls for
// (ten, or what is left to the bound) without ending the log.
bool readPage(LogPaging& c, const QString& command, const QString& reply, int bound, PageState& s)
{
    const int before = s.stored;
    if (reply.size() <= 5)
        return false;
    const QString data = ReplyData(reply);
    QStringList& table = c.t.ParamLogLines;
    for (const QString& line : BangLines(data, data.startsWith(command) ? command.size() : 0)) {
        if (s.stored >= bound || !StoreLine(table, s.stored, line))
            break;
        ++s.stored;
        LetEventsRun(c);
    }
    s.read = true;
    if (s.stored >= bound)
        s.finished = true;
    else if (s.stored == 0)
        s.finished = true;   // an empty page before any line: the log is empty
    else if (table.value(s.stored - 1).startsWith(QLatin1String("-----")))
        s.finished = true;
    return s.finished || s.stored - before >= qMin(10, bound - before);
}
}   // namespace

const ParamLogType* ParamLogTypeOf(int type)
{
    return type >= 0 && type < static_cast<int>(kTypes.size()) ? &kTypes[static_cast<size_t>(type)] : nullptr;
}

PagingResult GetParameterLog(LogPaging& c, int type)
{
    const ParamLogType* log = ParamLogTypeOf(type);
    if (!log)
        return PagingResult::Failed;
    const ScopedLinkTimeout timeout(c.p.LinkObject, ParamLogTimeout);
    const QString command = QString::fromLatin1(log->command);
    const int bound = qMin(log->lineBound, log->limit);
    const ProgressScope progress(*c.p.progressInUse, QString::fromLatin1(ParamLogTitle), bound);
    EndTableAt(c.t.ParamLogLines, 0);
    PageState s;
    for (int index = 0; index < log->limit && !s.finished; index += 10) {
        const bool answered = SendUnitCommand(c.p, command + QString::number(index), false);
        const QString reply = UnitReply(c.p);
        LetEventsRun(c);
        // A short page would leave a gap in the log: it fails as a refused page does.
        const bool whole = answered && readPage(c, command, reply, bound, s);
        EndTableAt(c.t.ParamLogLines, s.stored);
        if (auto stop = AfterPage(c, progress, whole ? std::optional<int>(s.stored) : std::nullopt, s.stored))
            return *stop;
    }
    return s.read ? PagingResult::Read : PagingResult::Failed;
}
