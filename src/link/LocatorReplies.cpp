#include "link/LocatorReplies.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"

namespace locator {

QByteArray DiscoveryRequest()
{
    QByteArray request(8, '\0');
    request[0] = '\x01';
    return request;
}

bool ReplyAccepted(const QString& reply)
{
    return reply.size() > 20 && reply.contains(QStringLiteral("Orvan"), Qt::CaseSensitive);
}

QString ReplyText(const QString& reply) { return conv::Mid(reply, 9); }

QString ListLine(const QString& address, const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        if (!IsPrintableChar(c.unicode()))
            c = QLatin1Char('.');
    return address.leftJustified(16, QLatin1Char(' ')) + shown;
}

std::optional<qint32> PortEntry(const QString& text, qint32 current)
{
    if (text.trimmed().isEmpty())
        return current;
    const double value = conv::Val(text);
    if (value < 1 || value > 65535)
        return std::nullopt;
    return conv::ToLong(value);
}

}   // namespace locator
