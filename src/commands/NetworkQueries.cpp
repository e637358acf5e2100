#include "commands/NetworkQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include <QStringList>

namespace SsaCmds {

namespace {

// The text from just after the echo up to the first ETX; nothing when the echo is missing
// at or after `minPos`, or the reply is not longer than `minLen`.
std::optional<QString> textToEtx(CommandContext& p, const QString& command, const QString& echo, int minPos, int minLen)
{
    const auto r = Ask(p, command);
    if (!r || r->len() <= minLen)
        return std::nullopt;
    const int at = r->find(echo);
    if (at < minPos)
        return std::nullopt;
    const int start = at + static_cast<int>(echo.size());
    return r->upToEtx(start, start).value_or(QString());
}

QString dottedQuad(CommandContext& p, const char* command, const char* echo)
{
    const QString text =
        textToEtx(p, QString::fromLatin1(command), QString::fromLatin1(echo), 2, 4).value_or(QString());
    const QStringList parts = SplitFields(text, QStringLiteral("."));
    if (parts.size() < 4)
        return QString();
    QStringList quad;
    for (int i = 0; i < 4; ++i)
        quad << conv::FormatText(parts.at(i), QStringLiteral("##0"));
    return quad.join(QLatin1Char('.'));
}

}   // namespace

QString GetIPAddress(CommandContext& p) { return dottedQuad(p, "PEI?", "EI"); }
QString GetNetMask(CommandContext& p) { return dottedQuad(p, "PEN?", "EN"); }
QString GetRouterAddress(CommandContext& p) { return dottedQuad(p, "PER?", "ER"); }

QString GetMACAddress(CommandContext& p)
{
    return textToEtx(p, QStringLiteral("PEM?"), QStringLiteral("EM"), 4, 17).value_or(QString());
}

bool ReadDhcpEnabled(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PEO?"));
    if (!r || r->len() <= 4)
        return false;
    const int at = r->find(QStringLiteral("EO"));
    const auto digit = at > 0 ? r->digitAt(at + 2) : std::nullopt;
    return digit.value_or(0) != 0;
}

QString GetFactoryLLDPText(CommandContext& p)
{
    return textToEtx(p, QStringLiteral("QlldpFactorySetup?"), QStringLiteral("up "), 2, 24).value_or(QString());
}

QString GetUserLLDPText(CommandContext& p)
{
    return textToEtx(p, QStringLiteral("QlldpSetupConfig?"), QStringLiteral("ig "), 2, 30).value_or(QString());
}

void ParseFactoryLLDP(CommandContext& p, const QString& text)
{
    const QStringList f = SplitFields(text, QStringLiteral(";"));
    if (f.size() != 3)
        return;
    UnitConfig& c = p.unit.config;
    if (const auto med = DirectLong(f.at(0)))
        c.LldpFactoryMed = *med;
    c.LldpFactoryHwRev = f.at(1);
    c.LldpFactoryUuid = f.at(2);
}

void ParseUserLLDP(CommandContext& p, const QString& text)
{
    const QStringList f = SplitFields(text, QStringLiteral(";"));
    if (f.size() != 5)
        return;
    UnitConfig& c = p.unit.config;
    if (const auto on = DirectLong(f.at(0)); on && (*on == 0 || *on == 1))
        c.LldpEnabled = *on == 1;
    if (const auto v = DirectLong(f.at(1)); v && *v >= 5 && *v <= 65534)
        c.LldpTxTimer = *v;
    if (const auto v = DirectLong(f.at(2)); v && *v >= 0 && *v <= 65535)
        c.LldpHoldTime = *v;
    if (const auto v = DirectLong(f.at(3)); v && *v >= 2 && *v <= 5)
        c.LldpReinitDelay = static_cast<qint16>(*v);
    c.LldpHostName = f.at(4);
}

bool ReadTWTEOLParams(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("QEP?"));
    if (!r || r->find(QStringLiteral("EP")) != 4)
        return false;
    const QString semi = QStringLiteral(";");
    int start = 6;
    for (int i = 0; i < 2; ++i) {
        const int s = r->find(semi, start);
        if (s <= start)
            return false;
        p.ReplyFields[static_cast<size_t>(i)] = r->between(start, s);
        start = s + 1;
    }
    const auto third = NumericInteger(r->toEnd(start));
    if (!third)
        return false;
    p.ReplyFields[2] = conv::FormatNumber(*third, QStringLiteral("###0"));
    return true;
}

QString ReadTWTLifeText(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("QEC"));
    if (!r || r->find(QStringLiteral("EC")) != 4)
        return QString();
    const int s = r->find(QStringLiteral(";"), 6);
    return s > 6 ? r->between(6, s) : QString();
}

}   // namespace SsaCmds
