#include "commands/ConfigProductQueries.h"
#include "commands/QueryRule.h"
#include "platform/Conventions.h"
#include <QStringList>

namespace SsaCmds {

namespace {

// Numeric value of the text, rounded into 16 bits; -1 when it does not fit.
qint16 integerOr(const QString& text, qint16 fallback = -1) { return NumericInteger(text).value_or(fallback); }

// A one-digit setting: the echo found from position 3, the value the one character after it.
qint16 oneCharAfterEcho(CommandContext& p, const QString& command, const QString& echo)
{
    const auto r = Ask(p, command);
    if (!r)
        return -1;
    const int pos = r->find(echo);
    return pos ? integerOr(r->fixed(pos + echo.size(), 1)) : -1;
}

// A one-digit setting whose echo must stand at position 3 and value at `valuePos`.
qint16 oneCharAtFixedPlace(CommandContext& p, const QString& command, const QString& echo, int valuePos)
{
    const auto r = Ask(p, command);
    if (!r || r->find(echo) != 3)
        return -1;
    return integerOr(r->fixed(valuePos, 1));
}

}   // namespace

QString ReadModelCfgPartNumber(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YJ?"));
    if (!r)
        return QString();
    const int pos = r->find(QStringLiteral("YJ"));
    if (!pos)
        return QString();
    return r->upToEtx(pos + 2, pos + 2).value_or(QString());
}

QString ReadUnitModelText(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YT"));
    if (!r)
        return QString();
    const int pos = r->find(QStringLiteral("YT"));
    // Data only: the frame's ETX is not part of the text, so an empty text stays empty.
    return pos ? conv::TrimBlanks(r->toEnd(pos + 2)) : QString();
}

qint16 ReadOptionWord(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YM?"));
    if (!r)
        return -1;
    const int pos = r->find(QStringLiteral("YM"));
    // Words of 32768 or more do not fit the 16-bit word and give -1.
    return pos ? integerOr(r->toEnd(pos + 2)) : -1;
}

qint16 GetWGArcDetectorType(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PTW?"));
    if (!r)
        return -1;
    const int pos = r->find(QStringLiteral("TW"));
    return pos ? integerOr(r->toEnd(pos + 2)) : -1;
}

qint16 ReadUseParamLog(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P349"));
    if (!r || !r->find(QStringLiteral(".P349 ")) || r->len() <= 9)
        return -1;
    // The flag character stands at position 9; it must be data, not the frame's ETX.
    const int code = r->codeAt(9);
    return code < 0 ? qint16(-1) : static_cast<qint16>(code - 48);
}

qint16 ReadLEDMode(CommandContext& p) { return oneCharAfterEcho(p, QStringLiteral("PBW?"), QStringLiteral("BW")); }

qint16 ReadUplinkPowerControl(CommandContext& p)
{
    return oneCharAfterEcho(p, QStringLiteral("PBUH?"), QStringLiteral("UH"));
}

qint16 ReadPowerSaveMode(CommandContext& p)
{
    return oneCharAtFixedPlace(p, QStringLiteral("N?"), QStringLiteral("N"), 4);
}

qint16 ReadPowerSaveLevel(CommandContext& p)
{
    return oneCharAtFixedPlace(p, QStringLiteral("NP?"), QStringLiteral("NP"), 5);
}

QString ReadMaxSystemPrimePower(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("QmaxSYSPower?"));
    if (!r || r->find(QStringLiteral("wer")) != 12)
        return QString();
    // Position 15 is the separator after the mnemonic.
    return conv::TrimBlanks(r->fixed(16, 5));
}

ProductIdRecord ReadProductId(CommandContext& p)
{
    ProductIdRecord id;
    const auto r = Ask(p, QStringLiteral("PBO?"));
    if (!r)
        return id;
    const int pos = r->find(QStringLiteral("BO"));
    if (!pos)
        return id;
    // Split the data only, so a ";" checksum cannot add a part.
    const QStringList parts = SplitFields(r->toEnd(pos + 2), QStringLiteral(";"));
    if (parts.size() != 4)
        return id;
    id.Valid = true;
    id.PartNumber = parts[0];
    id.MfgId = parts[1];
    id.SerialNumber = parts[2];
    id.FunctionalId = conv::Left(parts[3], 6);
    return id;
}

QString ReadCalFactorText(CommandContext& p) { return QueryCalFactorText(p).value_or(QString()); }

std::optional<QString> QueryCalFactorText(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("QS?"));
    if (!r || r->find(QStringLiteral("QS")) != 3)
        return std::nullopt;
    return r->upToEtx(5).value_or(QStringLiteral("0.0,0.0;"));
}

}   // namespace SsaCmds
