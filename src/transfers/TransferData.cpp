#include "transfers/TransferData.h"
#include "commands/QueryRule.h"

QString ReplyData(const QString& reply) { return reply.size() > 4 ? reply.mid(2, reply.size() - 4) : QString(); }

QStringList BangLines(const QString& data, qsizetype from)
{
    QStringList lines;
    qsizetype pos = qMax<qsizetype>(from, 0);
    for (;;) {
        const qsizetype bang = data.indexOf(QLatin1Char('!'), pos);
        if (bang < 0 || bang - pos < 2)
            return lines;
        lines << data.mid(pos, bang - pos);
        pos = bang + 1;
    }
}

QStringList QFPageEntries(const QString& data)
{
    constexpr int MaxEntries = 10;
    const qsizetype first = data.indexOf(QLatin1Char(';'));
    if (first < 1)
        return {};
    const qsizetype second = data.indexOf(QLatin1Char(';'), first + 1);
    const qsizetype third = second < 0 ? -1 : data.indexOf(QLatin1Char(';'), second + 1);
    if (third < 0)
        return {};
    QStringList entries;
    for (const QString& piece : data.mid(third + 1).split(QLatin1Char('!'))) {
        if (piece.isEmpty() || entries.size() == MaxEntries)
            break;
        entries << piece;
    }
    return entries;
}

int QFLogCount(const QString& data)
{
    const qsizetype first = data.indexOf(QLatin1Char(';'));
    const qsizetype second = first < 0 ? -1 : data.indexOf(QLatin1Char(';'), first + 1);
    if (second < 0)
        return 0;
    return SsaCmds::DirectInteger(data.mid(first + 1, second - first - 1)).value_or(0);
}

int QFPageExpected(const QString& data, int index)
{
    constexpr int PageSize = 10;
    const QStringList fields = data.split(QLatin1Char(';'));
    const int onPage = fields.size() > 3 ? SsaCmds::DirectInteger(fields[2]).value_or(0) : 0;
    const int left = QFLogCount(data) - index;
    return qBound(0, qMax(onPage, qMin(left, PageSize)), PageSize);
}
