#include "dialogs/ConsoleReply.h"

namespace {
constexpr qsizetype ConsoleLineWidth = 100;
}

QString ControlCharName(QChar c)
{
    switch (c.unicode()) {
    case 2:
        return QStringLiteral("[STX]");
    case 3:
        return QStringLiteral("[ETX]");
    case 6:
        return QStringLiteral("[ACK]");
    case 21:
        return QStringLiteral("[NAK]");
    default:
        return {};
    }
}

QString FormatConsoleReply(const QString& replyBuffer)
{
    const qsizetype etx = replyBuffer.indexOf(QChar(3), 1);
    if (etx < 0)
        return {};
    return ControlCharName(replyBuffer.at(0)) + replyBuffer.mid(1, etx - 1) + ControlCharName(QChar(3));
}

QStringList SplitConsoleLine(const QString& line)
{
    if (line.size() <= ConsoleLineWidth)
        return {line};
    return {line.left(ConsoleLineWidth), line.mid(ConsoleLineWidth)};
}
