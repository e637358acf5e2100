#include "commands/LinearizerQueries.h"
#include "commands/QueryRule.h"
#include "commands/SubBandQueries.h"
#include "commands/CommandContext.h"

namespace SsaCmds {

namespace {
// One per-sub-band query ("PZ?" & n ...): the reply when it carries the echo.
std::optional<Reply> askSubBand(CommandContext& p, const QString& mnemonic, qint16 n, bool& answered)
{
    auto r = Ask(p, mnemonic + QLatin1Char('?') + QString::number(n));
    answered = r.has_value();
    return r && r->find(mnemonic) ? r : std::nullopt;
}

// The 4-character field after the echo and the sub-band digit.
QString subBandField(const Reply& r, const QString& mnemonic) { return r.fixed(r.find(mnemonic) + 3, 4); }
}   // namespace

bool GetLinearizerParams(CommandContext& p, bool withSlope)
{
    const auto r = Ask(p, QStringLiteral("?Zz"));
    const int at = r && r->len() > 8 ? r->find(QStringLiteral("?")) : 0;
    if (at == 0)
        return false;
    p.ReplyFields[0] = r->fixed(at + 1, 4);
    p.ReplyFields[1] = r->fixed(at + 5, 4);
    if (withSlope) {
        p.ReplyFields[2].clear();
        const auto slope = Ask(p, QStringLiteral("?/"));
        if (const int s = slope ? slope->find(QStringLiteral("?")) : 0)
            p.ReplyFields[2] = slope->fixed(s + 1, 4);
    }
    return true;
}

bool GetSubBandSaveParams(CommandContext& p, qint16 n, bool* tiltRead)
{
    if (tiltRead)
        *tiltRead = false;
    for (int k = 0; k <= 5; ++k)
        p.ReplyFields[static_cast<size_t>(k)].clear();
    bool answered = false;
    const QString amplitude = QStringLiteral("PZ");
    const auto first = askSubBand(p, amplitude, n, answered);
    if (!first)
        return false;
    p.ReplyFields[0] = subBandField(*first, amplitude);

    struct Step {
        QString mnemonic;
        size_t field;
    };
    const Step steps[] = {{QStringLiteral("Pz"), 1}, {QStringLiteral("P/"), 2}};
    for (const Step& s : steps)
        if (const auto r = askSubBand(p, s.mnemonic, n, answered))
            p.ReplyFields[s.field] = subBandField(*r, s.mnemonic);

    const QString balance = QStringLiteral("PG");
    if (const auto r = askSubBand(p, balance, n, answered)) {
        p.ReplyFields[3] = r->fixed(r->find(balance) + 2, 1);
        p.ReplyFields[4] = subBandField(*r, balance);
    }

    const QString tilt = QStringLiteral("P|");
    if (const auto r = askSubBand(p, tilt, n, answered)) {
        p.ReplyFields[5] = subBandField(*r, tilt);
        if (tiltRead)
            *tiltRead = true;
    } else if (!answered) {
        // A unit without the tilt query: the sub-band's power-supply set voltage instead.
        const PSVsetReply vset = ReadPSVsetValue(p, n);
        if (vset.Status != -1)
            p.ReplyFields[5] = QString::number(vset.Value);
    }
    return true;
}

}   // namespace SsaCmds
