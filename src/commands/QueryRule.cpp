#include "commands/QueryRule.h"
#include "link/Program.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"

namespace SsaCmds {

namespace {
constexpr QChar ETX(0x03);
}

int Reply::find(const QString& echo, int from) const
{
    from = qMax(from, 3);
    const int pos = conv::InStr(text, echo, from);
    if (pos == 0 || pos + static_cast<int>(echo.size()) - 1 > dataEnd())
        return 0;
    return pos;
}

int Reply::findFromStart(const QString& what) const
{
    const int pos = conv::InStr(text, what, 1);
    if (pos == 0 || pos + static_cast<int>(what.size()) - 1 > dataEnd())
        return 0;
    return pos;
}

int Reply::etxFrom(int from) const { return conv::InStr(text, QString(ETX), qMax(from, 1)); }

QString Reply::toEnd(int start) const
{
    if (start < 1 || start > dataEnd())
        return QString();
    return conv::Mid(text, start, dataEnd() - start + 1);
}

std::optional<QString> Reply::upToEtx(int start, int etxSearchFrom) const
{
    const int etx = etxFrom(etxSearchFrom);
    if (etx <= start || etx > len())
        return std::nullopt;
    // Never past the data, even when an ETX-like byte is missing at its place.
    const int end = qMin(etx - 1, dataEnd());
    if (end < start)
        return QString();
    return conv::Mid(text, start, end - start + 1);
}

QString Reply::toLastButOne(int start) const { return toEnd(start); }

QString Reply::fixed(int start, int width) const
{
    if (start < 1 || start > dataEnd() || width <= 0)
        return QString();
    return conv::Mid(text, start, qMin(width, dataEnd() - start + 1));
}

std::optional<QString> Reply::fixedWhole(int start, int width) const
{
    if (start < 1 || width < 0 || start + width - 1 > dataEnd())
        return std::nullopt;
    return conv::Mid(text, start, width);
}

std::optional<Reply> Ask(Program& p, const QString& command)
{
    if (!SendUnitCommand(p, command, false))
        return std::nullopt;
    return Reply{p.LinkObject.ReplyBuffer};
}

double NumericValue(const QString& text) { return conv::Val(text); }

std::optional<qint16> NumericInteger(const QString& text) { return conv::ToInteger(conv::Val(text)); }

std::optional<qint32> NumericLong(const QString& text) { return conv::ToLong(conv::Val(text)); }

std::optional<double> DirectNumber(const QString& text) { return conv::ToNumber(text); }

std::optional<qint16> DirectInteger(const QString& text)
{
    const auto n = conv::ToNumber(text);
    return n ? conv::ToInteger(*n) : std::nullopt;
}

std::optional<qint32> DirectLong(const QString& text)
{
    const auto n = conv::ToNumber(text);
    return n ? conv::ToLong(*n) : std::nullopt;
}

} // namespace SsaCmds
