#include "support/SimUnitLogs.h"

const QByteArray SimUnitLogs::EndLine(20, '-');

namespace {
// The index after `prefix` when the rest of the command is a decimal number.
std::optional<int> pageIndex(const QByteArray& command, const QByteArray& prefix)
{
    if (!command.startsWith(prefix) || command.size() == prefix.size())
        return std::nullopt;
    bool ok = false;
    const int index = command.mid(prefix.size()).toInt(&ok);
    return ok && index >= 0 ? std::optional<int>(index) : std::nullopt;
}

QByteArray bangLines(const QByteArrayList& lines, int from, int count)
{
    QByteArray out;
    for (int k = from; k < from + count && k < lines.size(); ++k)
        out += lines[k] + '!';
    return out;
}
}   // namespace

void SimUnitLogs::setFaultLog(const FaultLog& log)
{
    std::lock_guard lock(mutex_);
    fault_ = log;
}

void SimUnitLogs::setParamLog(const QByteArray& command, const ParamLog& log)
{
    std::lock_guard lock(mutex_);
    params_[command] = log;
}

void SimUnitLogs::setTrendLog(const QByteArray& command, const TrendLog& log)
{
    std::lock_guard lock(mutex_);
    trends_[command] = log;
}

std::optional<SimAnswer> SimUnitLogs::answer(SimUnitProfile& profile, const QByteArray& command)
{
    std::lock_guard lock(mutex_);
    std::optional<SimAnswer> a;
    if (fault_.scheme == Scheme::Legacy) {
        a = legacyReply(command);
    } else if (fault_.scheme == Scheme::Paged) {
        if (auto data = pagedReply(command))
            a = SimAnswer{{}, 'A', *data};
    }
    if (!a)
        if (auto data = paramReply(command))
            a = SimAnswer{{}, 'A', *data};
    if (!a)
        if (auto data = trendReply(command))
            a = SimAnswer{{}, 'A', *data};
    if (a && profile.behaviour.contains(command))
        a->how = profile.behaviour.value(command);
    return a;
}

std::optional<QByteArray> SimUnitLogs::pagedReply(const QByteArray& command) const
{
    const QByteArray count =
        QByteArray::number(fault_.reportedCount >= 0 ? fault_.reportedCount : int(fault_.entries.size()));
    if (command == "QF0;0")
        return "QF0;" + count + ";0;";
    const auto index = pageIndex(command, "QF");
    if (!index)
        return std::nullopt;
    const int n = qBound(0, int(fault_.entries.size()) - *index, 10);
    QByteArray data = command + ';' + count + ';' + QByteArray::number(n) + ';' +
                      bangLines(fault_.entries, *index, fault_.shortPages.value(*index, 10));
    if (fault_.closingEmptyEntry)
        data += '!';
    return data;
}

std::optional<SimAnswer> SimUnitLogs::legacyReply(const QByteArray& command) const
{
    SimAnswer a;
    if (command == "QF0;0") {
        a.how.kind = SimBehaviour::Nak;
        return a;
    }
    QByteArrayList all = fault_.entries;
    if (fault_.endLine)
        all << EndLine;
    int from = 0, count = 100;
    if (command != "4") {
        const auto index = pageIndex(command, "4");
        if (!index || *index < 100)
            return std::nullopt;
        from = *index;
        count = 10;
    }
    if (from >= all.size() && from > 0 && fault_.refusePastEnd)
        a.how.kind = SimBehaviour::Nak;
    a.data = "4" + bangLines(all, from, count);
    return a;
}

std::optional<QByteArray> SimUnitLogs::paramReply(const QByteArray& command) const
{
    const QByteArray log = command.left(2);
    if (!params_.contains(log))
        return std::nullopt;
    const auto index = pageIndex(command, log);
    if (!index)
        return std::nullopt;
    const ParamLog& p = params_[log];
    return (p.echo ? log : QByteArray()) + bangLines(p.lines, *index, p.shortPages.value(*index, 10));
}

std::optional<QByteArray> SimUnitLogs::trendReply(const QByteArray& command) const
{
    const QByteArray log = command.left(3);
    if (!trends_.contains(log))
        return std::nullopt;
    const auto index = pageIndex(command, log);
    if (!index)
        return std::nullopt;
    const TrendLog& t = trends_[log];
    QByteArray data = t.echo ? log : QByteArray();
    for (int k = *index; k < *index + t.shortPages.value(*index, 10) && k < t.records.size(); ++k)
        data += t.records[k];
    return data + t.tails.value(*index);
}

QByteArrayList TrendRecords(int count, const QByteArray& text)
{
    QByteArrayList records;
    for (int k = 1; k <= count; ++k)
        records << (QByteArray::number(k).rightJustified(5, '0') + ' ' + text).leftJustified(200, '.');
    return records;
}

QByteArrayList FaultEntries(int count, const QByteArray& text)
{
    QByteArrayList entries;
    for (int k = 1; k <= count; ++k)
        entries << QByteArray::number(k).rightJustified(4, '0') + ' ' + text;
    return entries;
}
