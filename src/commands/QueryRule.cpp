#include "commands/QueryRule.h"
#include "link/FrameChars.h"
#include "commands/CommandContext.h"
#include "link/SharedRoutines.h"
#include "link/TcpTransport.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"

namespace SsaCmds {

namespace {
using framechars::ETX;
}

Reply Reply::FromTcpLine(const QString& line) { return Reply{TcpLineAsFrame(line)}; }

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
    if (start < 3 || start > dataEnd())
        return QString();
    return conv::Mid(text, start, dataEnd() - start + 1);
}

std::optional<QString> Reply::upToEtx(int start, int etxSearchFrom) const
{
    const int etx = etxFrom(etxSearchFrom);
    if (etx <= start || start < 3)
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
    if (start < 3 || start > dataEnd() || width <= 0)
        return QString();
    return conv::Mid(text, start, qMin(width, dataEnd() - start + 1));
}

std::optional<QString> Reply::fixedWhole(int start, int width) const
{
    if (start < 3 || width < 0 || start + width - 1 > dataEnd())
        return std::nullopt;
    return conv::Mid(text, start, width);
}

QString Reply::between(int start, int stop) const { return fixed(start, qMin(stop, dataEnd() + 1) - start); }

int Reply::codeAt(int pos) const { return pos >= 3 && pos <= dataEnd() ? conv::CharCodeAt(text, pos) : -1; }

QString Reply::field(int markPos, int k, int width) const { return fixed(fieldStart(markPos, k, width), width); }

bool Reply::fieldTaken(int markPos, int k, int width, FieldTest test) const
{
    const int start = fieldStart(markPos, k, width);
    switch (test) {
    case FieldTest::Always:
        return true;
    case FieldTest::Whole:
        return start + width < len();
    case FieldTest::Started:
        return start < len();
    }
    return false;
}

std::optional<qint16> Reply::digitAt(int pos) const
{
    const auto c = fixedWhole(pos, 1);
    if (!c || !c->at(0).isDigit() || c->at(0).unicode() > 127)
        return std::nullopt;
    return static_cast<qint16>(c->at(0).unicode() - '0');
}

std::optional<Reply> Ask(CommandContext& p, const QString& command)
{
    if (!SendUnitCommand(p, command, false))
        return std::nullopt;
    return Reply{UnitReplyFrame(p)};
}

std::optional<Reply> AskTwice(CommandContext& p, const QString& command)
{
    auto first = Ask(p, command);
    auto second = Ask(p, command);
    return second ? second : first;
}

std::optional<FallbackReply> AskWithFallback(CommandContext& p, const QString& command, const QString& fallback,
                                             bool twice)
{
    if (auto r = twice ? AskTwice(p, command) : Ask(p, command))
        return FallbackReply{*r, false};
    if (auto r = Ask(p, fallback))
        return FallbackReply{*r, true};
    return std::nullopt;
}

void SetReplyField(CommandContext& p, int k, const QString& text)
{
    if (k >= 0 && k < static_cast<int>(p.ReplyFields.size()))
        p.ReplyFields[static_cast<size_t>(k)] = text;
}

int StoreReplyFields(CommandContext& p, const QStringList& parts, int first)
{
    int stored = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const int k = first + i;
        if (k < 0 || k >= static_cast<int>(p.ReplyFields.size()))
            continue;
        SetReplyField(p, k, parts.at(i));
        ++stored;
    }
    return stored;
}

int TakeFields(CommandContext& p, const Reply& r, int markPos, int width, std::initializer_list<FieldTest> tests)
{
    int k = 0;
    for (FieldTest test : tests) {
        if (!r.fieldTaken(markPos, k, width, test))
            break;
        SetReplyField(p, k, r.field(markPos, k, width));
        ++k;
    }
    return k;
}

std::optional<QString> NumberedValue(const Reply& r, int minBlankPos)
{
    const int blank = r.find(QStringLiteral(" "));
    if (blank == 0 || blank < minBlankPos)
        return std::nullopt;
    return r.toLastButOne(blank + 1);
}

QStringList SplitFields(const QString& text, const QString& separator)
{
    if (text.isEmpty())
        return {};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

double NumericValue(const QString& text) { return conv::Val(text); }

std::optional<qint16> NumericInteger(const QString& text) { return conv::ToInteger(conv::Val(text)); }

std::optional<qint32> NumericLong(const QString& text) { return conv::ToLong(conv::Val(text)); }

QString NumericFormatted(const QString& text, const QString& pattern)
{
    return conv::FormatNumber(conv::Val(text), pattern);
}

QString SingleFormatted(float value, const QString& pattern)
{
    return conv::FormatNumber(SingleAsWritten(value), pattern);
}

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

}   // namespace SsaCmds
