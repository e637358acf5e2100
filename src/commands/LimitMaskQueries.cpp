#include "commands/LimitMaskQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>

namespace SsaCmds {

namespace {

// The value of a numbered parameter with a three-digit number: the text after the first
// blank, which must stand after position 7.
std::optional<QString> numberedValue(const Reply& r)
{
    const int blank = r.find(QStringLiteral(" "));
    if (blank <= 7)
        return std::nullopt;
    return r.toLastButOne(blank + 1);
}

// The characters from `start` while their codes are 32 to 60 (blank, digits, signs, point).
QString signedNumberChars(const Reply& r, int start)
{
    const QString rest = r.toEnd(start);
    const auto end =
        std::find_if(rest.begin(), rest.end(), [](QChar c) { return c.unicode() < 32 || c.unicode() > 60; });
    return rest.left(end - rest.begin());
}

// Band RF limit: "PBRC?" / "PBRF?" on the models that have it, else the band's numbered
// parameter, whose value is in tenths on most firmware.
QString bandRFLimit(CommandContext& p, qint32 fw100, qint32 model, int band, bool echoModel, const QString& command,
                    const QString& echo, const std::array<const char*, 4>& numbered)
{
    if (echoModel) {
        const auto r = Ask(p, command);
        if (!r || r->len() <= 7)
            return QString();
        const int at = r->find(echo);
        if (at <= 3)
            return QString();
        const float v = static_cast<float>(NumericValue(r->toEnd(at + 2)));
        return conv::TrimBlanks(SingleFormatted(v, QStringLiteral("#0.0")));
    }
    const int index = band >= 1 && band <= 4 ? band - 1 : 0;
    const auto r = Ask(p, QString::fromLatin1(numbered[static_cast<size_t>(index)]));
    if (!r || r->len() <= 4)
        return QString();
    const int blank = r->find(QStringLiteral(" "));
    if (blank == 0)
        return QString();
    double v = NumericValue(r->toEnd(blank + 1));
    static constexpr std::array<qint32, 4> wholeUnitModels{5806, 5819, 5833, 5363};
    const bool wholeUnits = model != 5384 && fw100 < 200 &&
                            std::find(wholeUnitModels.begin(), wholeUnitModels.end(), model) == wholeUnitModels.end();
    if (!wholeUnits)
        v /= 10.0;
    return conv::TrimBlanks(conv::FormatNumber(v, QStringLiteral("#0.0")));
}

// Reads one enable mask (and, when asked, the second one after a ",").
bool readEnableMask(CommandContext& p, const QString& command, const QString& echo, bool second)
{
    const auto r = Ask(p, command);
    if (!r)
        return false;
    const int at = r->find(echo);
    const int start = at + 2;
    if (at == 0 || start <= 4 || start >= r->len())
        return false;
    const auto mask = NumericLong(r->toEnd(start));
    if (!mask)
        return false;
    UnitConfig& c = p.unit.config;
    c.EnableMaskReply = *mask;
    if (second) {
        const int comma = r->find(QStringLiteral(","), qMax(start, 6));
        if (comma > 0) {
            if (const auto mask2 = NumericLong(r->toEnd(comma + 1))) {
                c.EnableMaskReply2 = *mask2;
                c.SecondMaskReceived = true;
            }
        }
    }
    return true;
}

}   // namespace

QString GetBandRCValue(CommandContext& p, qint32 firmwareVersion100, qint32 modelCode, int band)
{
    return bandRFLimit(p, firmwareVersion100, modelCode, band, modelCode == 7428, QStringLiteral("PBRC?"),
                       QStringLiteral("RC"), {".?P71", ".?P118", ".?P122", ".?P126"});
}

QString GetBandRFValue(CommandContext& p, qint32 firmwareVersion100, qint32 modelCode, int band)
{
    return bandRFLimit(p, firmwareVersion100, modelCode, band, modelCode == 7428 || modelCode == 7467,
                       QStringLiteral("PBRF?"), QStringLiteral("RF"), {".?P66", ".?P116", ".?P120", ".?P124"});
}

void ReadBandMaxAttenuations(CommandContext& p)
{
    static constexpr std::array<const char*, 4> commands{".?P203", ".?P320", ".?P321", ".?P322"};
    for (size_t i = 0; i < commands.size(); ++i) {
        QString& field = p.ReplyFields[i];
        const auto r = Ask(p, QString::fromLatin1(commands[i]));
        if (!r) {
            field.clear();
            continue;
        }
        if (const auto value = numberedValue(*r)) {
            const double db = NumericValue(*value) / 10.0 + 0.0;   // + 0.0: no "-0"
            field = QString::number(db, 'f', QLocale::FloatingPointShortest);
        }
    }
}

QString ReadAttenuatorRange(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P334"));
    if (!r)
        return QString();
    const int blank = r->find(QStringLiteral(" "));
    const int etx = r->etxFrom(1);
    if (blank == 0 || etx <= blank)
        return QString();
    const QString value = r->upToEtx(blank + 1).value_or(QString());
    return conv::FormatNumber(NumericValue(value) / 10.0, QStringLiteral("#0.0"));
}

qint16 ReadMaxAttenuation(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P203"));
    const auto value = r ? numberedValue(*r) : std::nullopt;
    return value ? DirectInteger(*value).value_or(-1) : -1;
}

qint16 ReadAutoHVDisable(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PBA?"));
    const int at = r ? r->find(QStringLiteral("BA")) : 0;
    if (at == 0)
        return -1;
    return r->digitAt(at + 2).value_or(-1);
}

namespace {
qint16 readLatch(CommandContext& p, const QString& command)
{
    const auto r = Ask(p, command);
    const auto value = r ? numberedValue(*r) : std::nullopt;
    return value ? NumericInteger(*value).value_or(-1) : -1;
}
}   // namespace

qint16 ReadLowLineLatched(CommandContext& p) { return readLatch(p, QStringLiteral(".?P151")); }

qint16 ReadExtIlokLatched(CommandContext& p) { return readLatch(p, QStringLiteral(".?P212")); }

float ReadReturnLossSetting(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PS?"));
    const int at = r ? r->find(QStringLiteral("PS")) : 0;
    if (at == 0)
        return -1.0f;
    return static_cast<float>(NumericValue(r->toEnd(at + 2)));
}

QString ReadReverseRFOffset(CommandContext& p)
{
    QString none = QStringLiteral(" 0");
    const auto r = Ask(p, QStringLiteral("PR?"));
    if (!r || r->len() <= 4)
        return none;
    const int at = r->find(QStringLiteral("PR"));
    if (at == 0)
        return none;
    const double v = NumericValue(signedNumberChars(*r, at + 2)) + 0.0;
    const QString digits = QString::number(std::abs(v), 'f', QLocale::FloatingPointShortest);
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

PowerLimitReply ReadMaxRFPowerLimit(CommandContext& p)
{
    PowerLimitReply out;
    const auto r = Ask(p, QStringLiteral("PO?"));
    if (!r || r->len() <= 8)
        return out;
    const int at = r->find(QStringLiteral("PO"));
    const auto flag = at > 0 ? r->fixedWhole(at + 2, 1) : std::nullopt;
    if (!flag)
        return out;
    const int start = at + 3;
    const int semi = r->find(QStringLiteral(";"));
    out.Values[0] = *flag;
    if (start < semi) {
        const QString first = r->between(start, semi);
        out.Values[1] = conv::FormatNumber(NumericValue(first), QStringLiteral("##0.0##"));
        out.Values[2] = conv::FormatNumber(NumericValue(r->toEnd(semi + 1)), QStringLiteral("##0.0#"));
    } else {
        out.Values[1] = conv::FormatNumber(NumericValue(r->toEnd(start)), QStringLiteral("##0.0##"));
    }
    out.Valid = 1;
    return out;
}

PowerLimitReply ReadMaxRFPowerFaultLevel(CommandContext& p)
{
    PowerLimitReply out;
    const auto r = Ask(p, QStringLiteral("POO?"));
    if (!r || r->len() <= 8)
        return out;
    // A reply without its echo is not this query's answer.
    const int at = r->find(QStringLiteral("OO"));
    if (at == 0)
        return out;
    out.Values[0] = signedNumberChars(*r, at + 2);
    out.Valid = 1;
    return out;
}

bool ReadFaultEnableMask(CommandContext& p)
{
    return readEnableMask(p, QStringLiteral("YIF?"), QStringLiteral("IF"), true);
}

bool ReadAlarmEnableMask(CommandContext& p)
{
    return readEnableMask(p, QStringLiteral("YIA?"), QStringLiteral("IA"), false);
}

}   // namespace SsaCmds
