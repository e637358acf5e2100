#include "commands/StatusQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"

namespace SsaCmds {

namespace {
constexpr int WordWidth = 4;
}

bool QueryStatusWords(CommandContext& p)
{
    const bool legacy = p.unit.id.LegacyStatusQuery;
    const auto r = Ask(p, legacy ? QStringLiteral("?!#9") : QStringLiteral("?!#("));
    if (!r)
        return false;
    const int mark = r->find(QStringLiteral("?"));
    if (mark == 0)
        return false;
    if (TakeFields(p, *r, mark, WordWidth, {FieldTest::Whole, FieldTest::Whole}) < 2)
        return false;
    const int alarmStart = Reply::fieldStart(mark, 2, WordWidth);
    if (alarmStart >= r->len())
        return false;
    // Cut at the data's end: a short alarm word never carries ETX or the checksum.
    SetReplyField(p, 2, r->fixed(alarmStart, legacy ? 1 : WordWidth));
    return true;
}

bool StatusQueryAnswered(CommandContext& p)
{
    const auto fields = p.ReplyFields;
    const bool answered = QueryStatusWords(p);
    p.ReplyFields = fields;
    return answered;
}

qint16 ReadUnitStatusCode(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("1"));
    if (!r)
        return -1;
    const int echo = r->find(QStringLiteral("1"));
    if (echo == 0)
        return -1;
    const int c1 = qMax(0, r->codeAt(echo + 1)) & 0x3F;
    const int c2 = qMax(0, r->codeAt(echo + 2)) & 0x3F;
    return static_cast<qint16>(c1 * 256 | c2);
}

QString ReadSingleStatusWord(CommandContext& p, int type)
{
    static const char* const commands[] = {"?!", "?(", "?#"};
    if (type < 1 || type > 3)
        return QString();
    const auto r = Ask(p, QString::fromLatin1(commands[type - 1]));
    if (!r)
        return QString();
    const int mark = r->find(QStringLiteral("?"));
    return mark == 0 ? QString() : r->fixed(mark + 1, WordWidth);
}

}   // namespace SsaCmds
