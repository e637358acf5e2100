#include "commands/CathodeQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include <climits>

namespace SsaCmds {

namespace {
// The ";"-separated AMC replies: the parts after the echo up to ETX, between minParts and
// maxParts of them, go into ReplyFields from 0; the entry after the last part is cleared.
std::optional<QStringList> readAmcParts(CommandContext& p, const QString& command, const QString& echo, int minParts,
                                        int maxParts)
{
    const auto r = Ask(p, command);
    const int at = r ? r->find(echo) : 0;
    if (at == 0 || r->len() <= 4)
        return std::nullopt;
    const int start = at + 2;
    const auto text = r->upToEtx(start, start);
    if (!text)
        return std::nullopt;
    const QStringList parts = SplitFields(*text, QStringLiteral(";"));
    const int n = static_cast<int>(parts.size());
    if (n < minParts || n > maxParts)
        return std::nullopt;
    StoreReplyFields(p, parts);
    SetReplyField(p, n, QString());
    return parts;
}

// The monitor reads take any reply longer than 4 characters and return the text after the
// echo; without the echo the value is read from the first data character.
std::optional<QString> monitorText(CommandContext& p, const QString& command)
{
    const auto r = Ask(p, command);
    if (!r || r->len() <= 4)
        return std::nullopt;
    const QString echo = command.mid(1, command.size() - 2);   // "PBFS?" -> "BFS"
    const int at = r->find(echo);
    return r->toEnd(at ? at + static_cast<int>(echo.size()) : 3);
}

std::optional<qint16> monitorValue(CommandContext& p, const QString& command)
{
    const auto text = monitorText(p, command);
    return text ? NumericInteger(*text) : std::nullopt;
}

qint16 positiveOrMinusOne(std::optional<qint16> v) { return v && *v > 0 ? *v : qint16(-1); }

// "PBFE?" / "PBFF?": the echo exactly at 4, the value from 7.
std::optional<qint16> negativeAnodeValue(CommandContext& p, const QString& command, const QString& echo)
{
    const auto r = Ask(p, command);
    if (!r || r->len() <= 4 || r->find(echo) != 4)
        return std::nullopt;
    return NumericInteger(r->toEnd(7));
}
}   // namespace

bool ReadFloatSupplyYCA(CommandContext& p)
{
    return readAmcParts(p, QStringLiteral("YCA?"), QStringLiteral("CA"), 8, 12).has_value();
}

bool ReadFloatSupplySettings(CommandContext& p)
{
    const auto parts = readAmcParts(p, QStringLiteral("YCD?"), QStringLiteral("CD"), 4, INT_MAX);
    if (!parts)
        return false;
    p.unit.readings.FloatSupplySettings = {parts->at(0), parts->at(1), parts->at(2), parts->at(3)};
    return true;
}

qint16 ReadFloatSupplyYCI(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YCI?"));
    const int at = r ? r->find(QStringLiteral("CI")) : 0;
    if (at == 0 || r->len() <= 4)
        return -1;
    return NumericInteger(r->toEnd(at + 2)).value_or(-1);
}

qint16 ReadCathodeCurrentMonitoring(CommandContext& p)
{
    p.unit.readings.CathodeCurrentMode = CathodeModeUnknown;
    const auto text = monitorText(p, QStringLiteral("PBFS?"));
    if (!text)
        return -1;
    // A character that is not a digit counts as off.
    const qint16 mode = DirectInteger(text->left(1)).value_or(CathodeModeOff);
    p.unit.readings.CathodeCurrentMode = mode;
    return mode > 0 ? 1 : 0;
}

qint16 QueryPBFM(CommandContext& p) { return positiveOrMinusOne(monitorValue(p, QStringLiteral("PBFM?"))); }

qint16 ReadIdealCathodeCurrent(CommandContext& p)
{
    return positiveOrMinusOne(monitorValue(p, QStringLiteral("PBFI?")));
}

qint16 GetCathodeCurrent(CommandContext& p)
{
    std::optional<qint16> current;
    if (auto r = Ask(p, QStringLiteral("?C"))) {
        const int start = r->find(QStringLiteral("?")) + 1;
        if (r->len() > 4 && start > 2)
            current = NumericInteger(r->fixed(start, 4));
    } else {
        // Units without "?C" report the cathode current to the monitor read.
        current = monitorValue(p, QStringLiteral("PBFC?"));
    }
    return current && *current >= 0 ? *current : qint16(-1);
}

qint16 ReadAnodeVoltage(CommandContext& p) { return positiveOrMinusOne(monitorValue(p, QStringLiteral("PBFA?"))); }

qint16 ReadCathodeCurrentScalar(CommandContext& p)
{
    const auto v = monitorValue(p, QStringLiteral("PBFO?"));
    return v && *v >= 0 ? *v : qint16(0);
}

qint16 ReadAnodeVoltageScale(CommandContext& p) { return monitorValue(p, QStringLiteral("PBFT?")).value_or(0); }

bool ReadNegativeAnodeEnable(CommandContext& p)
{
    const auto v = negativeAnodeValue(p, QStringLiteral("PBFE?"), QStringLiteral("BFE"));
    return v && *v != 0;
}

qint16 ReadNegAnodeStartVoltage(CommandContext& p)
{
    return negativeAnodeValue(p, QStringLiteral("PBFF?"), QStringLiteral("BFF")).value_or(0);
}

}   // namespace SsaCmds
