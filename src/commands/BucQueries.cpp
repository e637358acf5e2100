#include "commands/BucQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"

namespace SsaCmds {

namespace {

// The leading number after the echo of one up-converter query, to the end of the data.
std::optional<double> bucValue(CommandContext& p, const QString& command, const QString& echo)
{
    const auto r = Ask(p, command);
    const int at = r ? r->find(echo) : 0;
    if (at == 0)
        return std::nullopt;
    return NumericValue(r->toEnd(at + static_cast<int>(echo.size())));
}

float bucSingle(CommandContext& p, const char* command, const char* echo, float none, bool* answered = nullptr)
{
    const auto v = bucValue(p, QString::fromLatin1(command), QString::fromLatin1(echo));
    if (answered)
        *answered = v.has_value();
    return v ? static_cast<float>(*v) : none;
}

}   // namespace

float ReadBucAttenuation(CommandContext& p) { return bucSingle(p, "PBCA?", "CA", -1.0f); }
float ReadBucPower(CommandContext& p) { return bucSingle(p, "PBCP?", "CP", -60.0f); }
float ReadBucSetpoint(CommandContext& p, bool* answered) { return bucSingle(p, "PBCS?", "CS", -60.0f, answered); }
float ReadBucTemperature(CommandContext& p) { return bucSingle(p, "PBCT?", "CT", -60.0f); }
float ReadBucMaxAttenuation(CommandContext& p, bool* answered) { return bucSingle(p, "PBCN?", "CN", 31.5f, answered); }
float ReadBucOffset(CommandContext& p, bool* answered) { return bucSingle(p, "PBCO?", "CO", 0.0f, answered); }
float ReadBucIdeal(CommandContext& p) { return bucSingle(p, "PBCI?", "CI", 0.0f); }

qint16 ReadBucMode(CommandContext& p)
{
    const auto v = bucValue(p, QStringLiteral("PBCM?"), QStringLiteral("CM"));
    return v ? conv::ToInteger(*v).value_or(-1) : -1;
}

qint16 ReadGainBalance(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PG?"));
    if (!r || r->len() <= 9)
        return -1;
    const int at = r->find(QStringLiteral("PG"));
    const auto state = at > 0 ? r->digitAt(at + 2) : std::nullopt;
    if (!state)
        return -1;
    p.ReplyFields[0] = conv::FormatNumber(NumericValue(r->toEnd(at + 3)), QStringLiteral("#0.0"));
    return *state;
}

bool ReadIFGainBalance(CommandContext& p)
{
    p.ReplyFields[0].clear();
    const auto r = Ask(p, QStringLiteral("PBCG?"));
    if (!r || r->len() <= 7)
        return false;
    const int at = r->find(QStringLiteral("PBCG"));
    const int start = at + 4;
    if (at == 0 || start >= r->len() - 2)
        return false;
    p.ReplyFields[0] = conv::FormatNumber(NumericValue(r->toEnd(start)), QStringLiteral("#0.0"));
    return true;
}

}   // namespace SsaCmds
