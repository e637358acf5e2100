#include "commands/IndexedQueries.h"
#include "commands/ConfigProductQueries.h"
#include "commands/QueryRule.h"
#include "link/SharedRoutines.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"

namespace SsaCmds {

namespace {

const QString Blank = QStringLiteral(" ");

// Value of an indexed read: the text after the first blank, which stands at 5 or later.
std::optional<QString> indexedValue(CommandContext& p, const QString& command)
{
    const auto r = Ask(p, command);
    const int blank = r ? r->find(Blank) : 0;
    if (blank == 0 || blank + 1 < 6)
        return std::nullopt;
    return r->toEnd(blank + 1);
}

qint16 indexedInteger(CommandContext& p, const QString& command)
{
    const auto v = indexedValue(p, command);
    return v ? NumericInteger(*v).value_or(-1) : -1;
}

// Fixed-width field after the "?" of an hour-meter or reverse-power reply.
std::optional<QString> statusField(CommandContext& p, const QString& command, int minLen, int width)
{
    const auto r = Ask(p, command);
    if (!r || r->len() <= minLen)
        return std::nullopt;
    const int at = r->find(QStringLiteral("?"));
    return at > 0 ? r->fixedWhole(at + 1, width) : std::nullopt;
}

qint32 hours(CommandContext& p, const QString& command)
{
    const auto field = statusField(p, command, 6, 6);
    return field ? NumericLong(*field).value_or(-1) : -1;
}

// The run of letters from `start`.
QString lettersFrom(const Reply& r, int start)
{
    const QString rest = r.toEnd(start);
    int n = 0;
    while (n < rest.size() && IsLetterChar(rest.at(n).unicode()))
        ++n;
    return rest.left(n);
}

// One digit right after the echo, which must stand exactly at `pos`.
qint16 digitAfterEchoAt(CommandContext& p, const QString& command, const QString& echo, int pos, int minLen)
{
    const auto r = Ask(p, command);
    if (!r || r->len() <= minLen || r->find(echo) != pos)
        return -1;
    return r->digitAt(pos + static_cast<int>(echo.size())).value_or(-1);
}

// A temperature coefficient text: 5 characters from position 5 in a short reply, in a long
// one the text from 5 up to `end` when that stands beyond position 22.
QString coefficientText(const Reply& r, int end)
{
    if (r.len() < 23)
        return r.fixedWhole(5, 5).value_or(QString());
    if (end <= 22)
        return QString();
    return r.between(5, end);
}

// Digits and points after `echo` (found above position 4), blanks skipped.
QString tripLevel(const Reply& r, const QString& echo)
{
    const int at = r.find(echo);
    if (at <= 4)
        return QString();
    QString level;
    for (const QChar c : r.toEnd(at + 2)) {
        if (c == ' ')
            continue;
        if (!(c.isDigit() || c == '.') || c.unicode() > 127)
            break;
        level += c;
    }
    return level;
}

}   // namespace

bool ReadADCScalers(CommandContext& p, std::span<qint16> scalers)
{
    for (size_t n = 1; n < scalers.size(); ++n)
        scalers[n] = indexedInteger(p, QStringLiteral("YO%1?").arg(n));
    return true;
}

qint16 ReadDigitalPot(CommandContext& p, int n) { return indexedInteger(p, QStringLiteral("YP%1?").arg(n)); }

QString ReadOverdriveFaultTripLevel(CommandContext& p)
{
    const auto v = indexedValue(p, QStringLiteral("YP3?"));
    const float level = v ? static_cast<float>(NumericValue(*v)) : -1.0f;
    return SingleFormatted(level, QStringLiteral("##0.0"));
}

void ReadDigitalPotSettings(CommandContext& p)
{
    UnitConfig& c = p.unit.config;
    for (const int n : {1, 4, 5, 6})
        c.DigitalPotValues[static_cast<size_t>(n)] = ReadDigitalPot(p, n);
    const QString overdrive = ReadOverdriveFaultTripLevel(p);
    c.OverdriveTripLevel = NumericValue(overdrive);
    c.OverdriveTripLevelRead = overdrive != QLatin1String("-1.0");
    const qint16 uplink = ReadUplinkPowerControl(p);
    c.UplinkPowerControl = uplink == 1;
    c.UplinkPowerControlRead = uplink >= 0;
}

qint16 ReadStartupConfig(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PX?"));
    const int at = r ? r->find(QStringLiteral("PX")) : 0;
    const auto c = at > 0 ? r->fixedWhole(at + 2, 1) : std::nullopt;
    return c ? NumericInteger(*c).value_or(-1) : -1;
}

qint32 ReadPowerSupplyHours(CommandContext& p) { return hours(p, QStringLiteral("?M")); }

qint32 ReadTransmitHours(CommandContext& p) { return hours(p, QStringLiteral("?N")); }

QString ReadRevRFPower(CommandContext& p)
{
    return conv::TrimBlanks(statusField(p, QStringLiteral("?Q"), 4, 4).value_or(QString()));
}

bool GetUnitPortSettings(CommandContext& p, int port)
{
    if (port != 1 && port != 2)
        return false;
    p.LinkObject.Clear();
    const auto r = Ask(p, port == 1 ? QStringLiteral("X1?") : QStringLiteral("X2?"));
    if (!r || r->len() <= 10 || conv::Mid(r->text, 3, 1) != QStringLiteral("X"))
        return false;
    const auto fields = r->fixedWhole(5, 9);   // baud (6), parity, data bits, stop bits
    if (!fields)
        return false;
    p.ReplyFields[0] = fields->left(6);
    for (int i = 1; i <= 3; ++i)
        p.ReplyFields[static_cast<size_t>(i)] = fields->at(5 + i);
    return true;
}

bool GetPort2Protocol(CommandContext& p)
{
    for (int i = 0; i <= 3; ++i)
        p.ReplyFields[static_cast<size_t>(i)].clear();
    const auto r = Ask(p, QStringLiteral("XR?"));
    if (!r || r->len() <= 4)
        return false;
    const int start = conv::Mid(r->text, 3, 2) == QStringLiteral("XR") ? 5 : 4;
    const auto fields = r->fixedWhole(start, 3);
    if (!fields)
        return false;
    for (int i = 0; i < 3; ++i)
        p.ReplyFields[static_cast<size_t>(i)] = fields->at(i);
    const int next = start + 3;
    if (r->fixedWhole(next, 1) == QStringLiteral(";")) {
        int tag = r->find(QStringLiteral("OBMIP"), next);
        if (tag == 0)
            tag = r->find(QStringLiteral("ORVAN"));
        if (tag > 0)
            p.ReplyFields[3] = conv::Mid(r->text, tag, 5);
    }
    return true;
}

QString ReadTempCoefficient(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YB?"));
    if (!r || r->len() <= 6 || r->find(QStringLiteral("YB")) != 3)
        return QString();
    return coefficientText(*r, r->etxFrom(22));
}

bool ReadBandTempCoefficients(CommandContext& p, int subBandCount)
{
    for (int i = 0; i <= 7; ++i)
        p.ReplyFields[static_cast<size_t>(i)].clear();
    for (int n = 1; n == 1 || n <= subBandCount; ++n) {
        const auto r = Ask(p, QStringLiteral("YB?%1").arg(n));
        if (!r)
            break;
        if (r->len() <= 12 || r->find(QStringLiteral("YB")) != 3 || n > 11)
            continue;
        int end = r->etxFrom(5);
        const int s = r->find(QStringLiteral("s"), 5);
        if (s > 0 && s < end)
            end = s;
        p.ReplyFields[static_cast<size_t>(n - 1)] = coefficientText(*r, end);
    }
    return true;
}

bool ReadRFInhibit(CommandContext& p) { return ReadRFInhibitState(p).value_or(false); }

std::optional<bool> ReadRFInhibitState(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral(".?P54"));
    if (!r || r->len() <= 7)
        return std::nullopt;
    const int blank = r->find(Blank);
    const auto digit = blank > 0 ? r->digitAt(blank + 1) : std::nullopt;
    if (!digit)
        return std::nullopt;
    return *digit != 0;
}

qint16 ReadRfiInvert(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PTI?"));
    if (!r || r->len() <= 5)
        return -1;
    const int at = r->find(QStringLiteral("TI"));
    const auto digit = at > 0 ? r->digitAt(at + 2) : std::nullopt;
    if (!digit)
        return -1;
    return *digit == 0 ? 1 : 0;
}

QString GetRFBandText(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("T?"));
    if (!r || conv::Mid(r->text, 3, 1) != QStringLiteral("T") || r->dataEnd() < 3)
        return QString();
    QString band = lettersFrom(*r, 4);
    p.ReplyFields[0].clear();
    const int comma = r->find(QStringLiteral(","));
    if (comma > 0) {
        QString freq = r->fixedWhole(comma + 1, 7).value_or(QString());
        while (freq.startsWith(QLatin1Char(' ')))
            freq.remove(0, 1);
        p.ReplyFields[0] = freq;
    }
    return band;
}

QString GetBandName(CommandContext& p, int n)
{
    const auto r = Ask(p, QStringLiteral(".?B%1").arg(n));
    if (!r)
        return QStringLiteral("NOT SUPPORTED");
    const int at = r->find(QStringLiteral(".B"));
    if (r->len() <= 4 || at < 2)
        return QString();
    QString name = lettersFrom(*r, at + 3);
    p.ReplyFields[0].clear();
    const int comma = r->find(QStringLiteral(","));
    if (comma > 0) {
        const float freq = static_cast<float>(NumericValue(r->toEnd(comma + 1)));
        p.ReplyFields[0] = SingleFormatted(freq, QStringLiteral("#0.0#"));
    }
    return name;
}

qint16 ReadHeaterStandby(CommandContext& p)
{
    return digitAfterEchoAt(p, QStringLiteral(":?"), QStringLiteral(":"), 3, 3);
}

qint16 ReadHeaterState(CommandContext& p)
{
    return digitAfterEchoAt(p, QStringLiteral("PBH?"), QStringLiteral("BH"), 4, 4);
}

bool GetFactoryTripLevels(CommandContext& p)
{
    p.ReplyFields[0].clear();
    p.ReplyFields[1].clear();
    const auto forward = Ask(p, QStringLiteral("YFTF?"));
    if (!forward)
        return true;
    p.ReplyFields[0] = tripLevel(*forward, QStringLiteral("TF"));
    if (const auto reverse = Ask(p, QStringLiteral("YFTR?")))
        p.ReplyFields[1] = tripLevel(*reverse, QStringLiteral("TR"));
    return false;
}

qint16 ReadFanControlTemperature(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PBG?"));
    if (!r || r->find(QStringLiteral("PBG")) != 3)
        return -1;
    // The value runs to the end of the data; ETX and the checksum are not part of it.
    return DirectInteger(r->toEnd(6)).value_or(-1);
}

}   // namespace SsaCmds
