#include "commands/TemperatureQueries.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"

namespace SsaCmds {

namespace {
const QString QuestionMark = QStringLiteral("?");

QString formatWhole(const QString& text) { return NumericFormatted(text, QStringLiteral("##0")); }

// "PBK.?" replies: the echo exactly at 5 and a value after it; the value is the rest.
std::optional<QString> levelAfterEchoAt5(const Reply& r, const QString& echo)
{
    if (r.find(echo) != 5 || r.len() - 1 <= 7)
        return std::nullopt;
    return r.toEnd(7);
}

// A trip level sent twice, with a numbered parameter to fall back on when neither was answered.
QString readTripLevel(CommandContext& p, const QString& command, const QString& echo, const QString& fallback)
{
    const auto answer = AskWithFallback(p, command, fallback, true);
    if (!answer)
        return QString();
    if (answer->fromFallback)
        return NumberedValue(answer->reply, 7).value_or(QString());
    const auto text = levelAfterEchoAt5(answer->reply, echo);
    return text ? formatWhole(*text) : QString();
}

QString readCalTemperature(CommandContext& p, const QString& command)
{
    if (auto r = Ask(p, command))
        if (auto text = NumberedValue(*r, 7))
            return formatWhole(*text);
    return QString();
}

// The 4 characters from `start` as a number, when they stand before the frame's end.
float fourCharValue(const Reply& r, int start)
{
    return start + 4 < r.len() ? static_cast<float>(NumericValue(r.fixed(start, 4))) : 0.0f;
}
}   // namespace

qint16 ReadTemperature(CommandContext& p, bool twoSensors)
{
    constexpr qint16 NoValue = -125;
    const auto r = Ask(p, twoSensors ? QStringLiteral("?TT") : QStringLiteral("?T"));
    const int at = r ? r->find(QuestionMark) : 0;
    if (at == 0)
        return NoValue;
    p.ReplyFields[0] = r->field(at, 0, 4);
    QString second;
    if (twoSensors) {
        second = r->field(at, 1, 4);
        if (!conv::IsNumeric(second))
            second.clear();
    }
    p.ReplyFields[1] = second;
    const auto t = NumericInteger(p.ReplyFields[0]);
    return t && *t >= -40 && *t <= 120 ? *t : NoValue;
}

float ReadInletTemperature(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("?t"));
    const int at = r ? r->find(QuestionMark) : 0;
    if (at == 0)
        return -50.0f;
    const auto t = static_cast<float>(NumericValue(r->toEnd(at + 1)));
    p.ReplyFields[0] = conv::FormatNumber(t, QStringLiteral("##0"));
    return t;
}

QString ReadTempFaultLevel(CommandContext& p)
{
    // PIC-processor units keep the trip level as a numbered parameter.
    if (p.unit.flags.PicProcessorUnit) {
        const auto r = Ask(p, QStringLiteral(".?P4"));
        return r ? NumberedValue(*r, 1).value_or(QString()) : QString();
    }
    return readTripLevel(p, QStringLiteral("PBKF?"), QStringLiteral("KF"), QStringLiteral(".?P136"));
}

QString ReadTempAlarmLevel(CommandContext& p)
{
    return readTripLevel(p, QStringLiteral("PBKA?"), QStringLiteral("KA"), QStringLiteral(".?P179"));
}

QString ReadInletTempDiffAlarmLevel(CommandContext& p)
{
    if (auto r = Ask(p, QStringLiteral("PBKI?")))
        if (auto text = levelAfterEchoAt5(*r, QStringLiteral("KI")))
            return formatWhole(*text);
    return QString();
}

qint16 ReadLatchTempFaults(CommandContext& p)
{
    if (auto r = AskTwice(p, QStringLiteral("PBKL?")))
        if (levelAfterEchoAt5(*r, QStringLiteral("KL")))
            return DirectInteger(r->fixed(7, 1)).value_or(-1);
    return -1;
}

QString ReadMaxCalTemperature(CommandContext& p) { return readCalTemperature(p, QStringLiteral(".?P332")); }

QString ReadMinCalTemperature(CommandContext& p) { return readCalTemperature(p, QStringLiteral(".?P333")); }

bool ReadHelixHeaterReadings(CommandContext& p, bool fourFields)
{
    const auto r = Ask(p, fourFields ? QStringLiteral("?VIvi") : QStringLiteral("?VI"));
    const int at = r ? r->find(QuestionMark) : 0;
    if (at == 0)
        return false;
    // Helix voltage and current, then heater voltage and second helix current.
    const int taken =
        fourFields ? TakeFields(p, *r, at, 4, {FieldTest::Whole, FieldTest::Whole, FieldTest::Whole, FieldTest::Whole})
                   : TakeFields(p, *r, at, 4, {FieldTest::Whole, FieldTest::Whole});
    return taken >= 2;
}

qint16 ReadHelixCurrentRatio(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YGHI?"));
    if (!r || r->find(QStringLiteral("HI")) != 5)
        return -1;
    const auto ratio = NumericInteger(r->fixed(7, 2));
    return ratio && *ratio >= 0 ? *ratio : -1;
}

QString ReadHelixCurrentTripLevel(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("YFTH?"));
    if (!r || r->find(QStringLiteral("TH")) != 5)
        return QString();
    return r->upToEtx(7).value_or(QString());
}

float ReadHeaterVoltage(CommandContext& p)
{
    // Units without "PHV?" report the heater voltage after "?J".
    const auto answer = AskWithFallback(p, QStringLiteral("PHV?"), QStringLiteral("?J"));
    if (!answer)
        return 0.0f;
    const QString echo = answer->fromFallback ? QuestionMark : QStringLiteral("HV");
    const int at = answer->reply.find(echo);
    return at ? fourCharValue(answer->reply, at + static_cast<int>(echo.size())) : 0.0f;
}

float ReadHelix2Current(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PHI?"));
    const int at = r ? r->find(QStringLiteral("HI")) : 0;
    return at ? fourCharValue(*r, at + 2) : 0.0f;
}

QString ReadConstPowerLevel(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("G?"));
    const int at = r ? r->findFromStart(p.LinkObject.DeviceAddress() + QLatin1Char('G')) : 0;
    if (at < 2)
        return QString();
    const auto level = static_cast<float>(NumericValue(r->toEnd(at + 2)));
    if (level < 0.0f || level >= 64.0f)
        return QString();
    return SingleFormatted(level, QStringLiteral("#0.0"));
}

bool GetRFTripLevels(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("?HLR"));
    const int at = r ? r->find(QuestionMark) : 0;
    if (at == 0)
        return false;
    // A field is taken only when it lies wholly before the frame's end.
    return TakeFields(p, *r, at, 5, {FieldTest::Whole, FieldTest::Whole, FieldTest::Whole}) == 3;
}

bool ReadUnitGain(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("PBJ?"));
    const int at = r ? r->find(QStringLiteral("BJ")) : 0;
    if (at == 0 || r->len() <= 10)
        return false;
    p.ReplyFields[0] = r->fixed(at + 2, 1);
    p.ReplyFields[1] = conv::TrimBlanks(r->fixed(at + 3, 4));
    return true;
}

}   // namespace SsaCmds
