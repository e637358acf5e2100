#include "support/SimUnitCalTables.h"
#include <cmath>

namespace {
std::optional<int> tenthsOf(const QByteArray& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || text.isEmpty() || !std::isfinite(v) || std::fabs(v) > 1000)
        return std::nullopt;
    return int(std::lround(v * 10));
}

SimAnswer answered(const QByteArray& data, SimBehaviour::Kind kind = SimBehaviour::Answer)
{
    SimAnswer a;
    a.how.kind = kind;
    a.data = data;
    return a;
}
}   // namespace

void SimUnitCalTables::setTable(char kind, const Table& table)
{
    std::lock_guard lock(mutex_);
    State& s = kind == 'F' ? rf_ : atn_;
    s.table = table;
    s.pending.clear();
}

SimUnitCalTables::Table SimUnitCalTables::table(char kind) const
{
    std::lock_guard lock(mutex_);
    return kind == 'F' ? rf_.table : atn_.table;
}

QByteArrayList SimUnitCalTables::writes(char kind) const
{
    std::lock_guard lock(mutex_);
    return kind == 'F' ? rf_.writes : atn_.writes;
}

std::optional<SimAnswer> SimUnitCalTables::answer(SimUnitProfile& profile, const QByteArray& command)
{
    if (command.size() < 3 || command[0] != 'Y' || (command[1] != 'F' && command[1] != 'A'))
        return std::nullopt;
    std::lock_guard lock(mutex_);
    const bool shaped = profile.behaviour.contains(command);
    const SimBehaviour how = profile.behaviour.value(command);
    std::optional<SimAnswer> a =
        reply(command[1] == 'F' ? rf_ : atn_, command, !shaped || how.kind == SimBehaviour::Answer);
    if (a && shaped) {
        const SimBehaviour::Kind own = a->how.kind;
        a->how = how;
        if (how.kind == SimBehaviour::Answer)
            a->how.kind = own;   // a reply without ETX keeps its form, with the delay given
    }
    return a;
}

std::optional<SimAnswer> SimUnitCalTables::reply(State& s, const QByteArray& command, bool apply)
{
    const char op = command[2];
    const QByteArray echo = command.left(3);
    const bool bare = command.size() == 3;
    if (op == 'C') {
        const auto level = tenthsOf(command.mid(3));
        if (!level)
            return std::nullopt;
        if (!s.table.levels.contains(*level))
            return answered(echo + " NO ENTRY");
        const Level& l = s.table.levels[*level];
        switch (l.form) {
        case Form::NoEcho:
            return answered(l.entry);
        case Form::NoEtx:
            return answered(echo + l.entry, SimBehaviour::NoEtx);
        default:
            return answered(echo + l.entry);
        }
    }
    if (op == 'L' && bare && command[1] == 'A')
        return answered(echo);
    if ((op == 'I' || op == 'S') && bare) {
        if (!s.table.beginAndSave)
            return answered({}, SimBehaviour::Nak);
        if (apply && op == 'S')
            s.table.levels = s.pending;
        if (apply)
            s.pending.clear();
        return answered(echo);
    }
    if (op == 'A' && bare) {
        if (apply)
            s.pending.clear();
        return answered(echo);
    }
    if (op == 'F') {
        const qsizetype blank = command.indexOf(' ', 3);
        const auto level = blank < 0 ? std::nullopt : tenthsOf(command.mid(3, blank - 3));
        if (!level)
            return answered({}, SimBehaviour::Nak);
        if (apply) {
            s.writes << command;
            const Level written{command.mid(3, blank - 3) + " dB Entry#" + command.mid(blank + 1)};
            (s.table.beginAndSave ? s.pending : s.table.levels)[*level] = written;
        }
        return answered(echo);
    }
    return std::nullopt;
}

QByteArray CalEntry(int tenths)
{
    const int code = (0x0A00 + tenths * 37) & 0xFFFF;
    return QByteArray::number(tenths / 10.0, 'f', 1) + " dB Entry#" +
           QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
}

QMap<int, SimUnitCalTables::Level> CalEntries(int from, int to)
{
    QMap<int, SimUnitCalTables::Level> levels;
    for (int t = from; t <= to; ++t)
        levels[t] = {CalEntry(t)};
    return levels;
}
