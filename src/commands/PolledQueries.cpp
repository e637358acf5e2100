#include "commands/PolledQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <algorithm>
#include <array>

namespace SsaCmds {

namespace {
const QString Q = QStringLiteral("?");

// The reply of `command` and the position of its echo, when the echo stands in the data.
std::optional<Reply> askWithEcho(CommandContext& p, const QString& command, const QString& echo, int& at)
{
    auto r = Ask(p, command);
    at = r ? r->find(echo) : 0;
    return at ? r : std::nullopt;
}

// From `start`, the characters with a code of at least `minCode`, within the data.
QString runFrom(const Reply& r, int start, int minCode)
{
    int i = start;
    while (i <= r.dataEnd() && conv::CharCodeAt(r.text, i) >= minCode)
        ++i;
    return i > start ? conv::Mid(r.text, start, i - start) : QString();
}

QString printableRunAfter(CommandContext& p, const QString& command)
{
    int at = 0;
    const auto r = askWithEcho(p, command, Q, at);
    return r ? runFrom(*r, at + 1, 32) : QString();
}
}   // namespace

QString ReadFwdRFPower(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("?P"), Q, at);
    if (!r || r->len() <= 4)
        return QString();
    return conv::TrimBlanks(r->fixed(at + 1, 4));
}

QString ReadDrivePower(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("?S"), Q, at);
    if (!r || at != 3)
        return QString();
    // The unit writes its under-range mark directly before the number: the number is the
    // one after the mark, not the 0 that reading from the mark would give.
    QString value = conv::TrimBlanks(r->toEnd(4));
    if (value.startsWith(QLatin1Char('<')))
        value.remove(0, 1);
    const auto dbm = static_cast<float>(NumericValue(value));
    QString text = r->find(QStringLiteral("<"), 4) ? QStringLiteral("<") : QString();
    if (p.display.DisplayWatts)
        text += SingleFormatted(DbmToWatts(dbm), QStringLiteral("##0.0######"));
    else
        text += SingleFormatted(dbm, QStringLiteral("##0.0#"));
    return text;
}

QString GetAttenuation(CommandContext& p) { return printableRunAfter(p, QStringLiteral("?A")); }

qint16 ReadDLAtnCount(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("?/"), Q, at);
    return r ? NumericInteger(r->toEnd(at + 1)).value_or(-1) : qint16(-1);
}

QString ReadDLAtnCountText(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("?/"), Q, at);
    return r ? r->fixed(at + 1, 4) : QString();
}

qint16 GetAtnCount(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("8"), QStringLiteral("8"), at);
    if (!r)
        return -1;
    // Digits and what follows them in the code table; "-", "." and control characters end it.
    const QString count = runFrom(*r, at + 1, 48);
    return count.isEmpty() ? qint16(-1) : NumericInteger(count).value_or(-1);
}

QString ReadUnitDateTime(CommandContext& p) { return printableRunAfter(p, QStringLiteral("?%")); }

bool ReadCurrentSense(CommandContext& p)
{
    int at = 0;
    const auto r = askWithEcho(p, QStringLiteral("?IiJj"), Q, at);
    if (!r || r->len() <= 16)
        return false;
    std::array<QString, 4> fields;
    for (int k = 0; k < 4; ++k) {
        const auto field = r->fixedWhole(at + 1 + 4 * k, 4);
        if (!field)
            return false;
        fields[static_cast<size_t>(k)] = *field;
    }
    std::copy(fields.begin(), fields.end(), p.ReplyFields.begin());
    return true;
}

QString ReadCurrentSenseGain(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P92"));
    return r ? NumberedValue(*r, 7).value_or(QString()) : QString();
}

float ReadCurrentSenseResistor(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P93"));
    const auto text = r ? NumberedValue(*r, 7) : std::nullopt;
    const auto ohms = text ? DirectNumber(*text) : std::nullopt;
    return ohms ? static_cast<float>(*ohms) : 0.0f;
}

}   // namespace SsaCmds
