#include "commands/SubBandQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include <array>

namespace SsaCmds {

namespace {
// The DC-input reads: ReplyFields 0 = the number after the echo up to the first ETX.
// A text that is no number is not kept: its callers store and show the entry as it is.
bool readDcText(CommandContext& p, const QString& command, const QString& echo, int minEchoPos)
{
    p.ReplyFields[0].clear();
    const auto r = Ask(p, command);
    const int at = r ? r->find(echo) : 0;
    if (at == 0 || at < minEchoPos)
        return false;
    const QString text = r->upToEtx(at + static_cast<int>(echo.size())).value_or(QString());
    if (!conv::IsNumeric(text))
        return false;
    p.ReplyFields[0] = text;
    return true;
}

// A sub-band's frequency: the 5 characters after "BS" and the sub-band digit.
QString subBandFrequency(const Reply& r, int echoAt) { return conv::TrimBlanks(r.fixed(echoAt + 3, 5)); }
}   // namespace

PSVsetReply ReadPSVsetValue(CommandContext& p, qint16 subBand)
{
    PSVsetReply reply;
    QString command = QStringLiteral("YC?");
    if (subBand >= 0)
        command += QLatin1Char(':') + QString::number(subBand);
    const auto r = Ask(p, command);
    const int at = r ? r->find(QStringLiteral("YC")) : 0;
    if (at == 0)
        return reply;
    if (const auto v = NumericInteger(r->toEnd(at + 2))) {
        reply.Value = *v;
        reply.Status = 0;
    }
    return reply;
}

bool ReadSubBandList(CommandContext& p)
{
    for (int i = 0; i < 8; ++i)
        p.ReplyFields[static_cast<size_t>(i)].clear();
    bool any = false;
    for (int i = 1; i <= 8; ++i) {
        const auto r = Ask(p, QStringLiteral("PBS%1?").arg(i));
        if (!r)
            break;   // later sub-bands are not asked
        const int at = r->find(QStringLiteral("BS"));
        if (at < 4)
            continue;
        QString& entry = p.ReplyFields[static_cast<size_t>(i - 1)];
        entry = subBandFrequency(*r, at);
        if (NumericValue(entry) > 0)
            any = true;
        else
            entry.clear();
    }
    return any;
}

qint16 GetCurrentSubBand(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PBS?"));
    const int at = r ? r->find(QStringLiteral("BS")) : 0;
    if (at < 4)
        return -1;
    p.ReplyFields[0] = subBandFrequency(*r, at);
    return DirectInteger(r->fixed(at + 2, 1)).value_or(-1);
}

QString ReadRFFrequency(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("TF?"));
    const int at = r ? r->find(QStringLiteral("TF")) : 0;
    if (at == 0)
        return QString();
    // 32-bit: frequencies of 32768 MHz and above are real.
    const auto mhz = NumericLong(r->toEnd(at + 2));
    return mhz ? conv::FormatNumber(*mhz, QStringLiteral("####0")) : QString();
}

bool ReadDCInputVoltage(CommandContext& p) { return readDcText(p, QStringLiteral("PBDV?"), QStringLiteral("DV"), 5); }

bool GetDCVInLimit(CommandContext& p, qint16 index)
{
    static const std::array<QString, 4> mnemonics = {QStringLiteral("PBDAL"), QStringLiteral("PBDAH"),
                                                     QStringLiteral("PBDFL"), QStringLiteral("PBDFH")};
    if (index < 1 || index > 4) {
        p.ReplyFields[0].clear();
        return false;
    }
    const QString& mnemonic = mnemonics[static_cast<size_t>(index - 1)];
    return readDcText(p, mnemonic + QLatin1Char('?'), mnemonic, 3);
}

bool ReadDCVInRatio(CommandContext& p) { return readDcText(p, QStringLiteral("PBDR?"), QStringLiteral("DR"), 5); }

bool SendAtnCountCmd(CommandContext& p, qint16 count)
{
    const QString number = QString::number(count);
    const OptionFlags& flags = p.unit.flags;
    if (flags.CommandCSupported)
        return SendUnitCommand(p, QLatin1Char('C') + number, false);
    // A negative count keeps its sign right after the prefix.
    const QString gap = count >= 0 ? QStringLiteral(" ") : QString();
    return SendUnitCommand(p, flags.AtnCountCmdPrefix + gap + number, false);
}

}   // namespace SsaCmds
