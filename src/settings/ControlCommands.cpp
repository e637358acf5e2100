#include "settings/ControlCommands.h"
#include "platform/Conventions.h"
#include "settings/LevelEntry.h"

namespace controls {

std::optional<QString> WaveguideCfgCommand(const QString& entry)
{
    if (entry.isEmpty())
        return std::nullopt;
    return QStringLiteral("PC") + entry.at(0);
}

std::optional<QString> WaveguideSwitchCommand(int sw, const QString& entry)
{
    const bool a = entry == QLatin1String("A");
    if (!a && entry != QLatin1String("B"))
        return std::nullopt;
    if (sw == 1)
        return QString(a ? "U1" : "U0");
    if (sw == 2)
        return QString(a ? "U3" : "U2");
    return std::nullopt;
}

float ConstPowerStartLevel(const QString& forwardPower, const QString& constLevel)
{
    if (!forwardPower.contains(QLatin1Char('<')))
        return static_cast<float>(conv::Val(forwardPower));
    return constLevel.isEmpty() ? 0.0f : levels::LevelValue(constLevel);
}

std::optional<QString> RfFrequencyEntry(const QString& answer)
{
    const std::optional<double> mhz = conv::ToNumber(answer);
    if (!mhz)
        return std::nullopt;
    return conv::FormatNumber(*mhz, QStringLiteral("####0"));
}

QString UnitClockText(const QDateTime& now)
{
    // Format letters, not the locale's: "/", "," and ":" stay as written.
    return now.toString(QStringLiteral("yyyy/MM/dd,HH:mm"));
}

std::optional<QChar> AddressLetter(const QString& text)
{
    if (text.size() != 1)
        return std::nullopt;
    char16_t c = text.at(0).unicode();
    if (c >= u'a' && c <= u'z')
        c = static_cast<char16_t>(c - u'a' + u'A');   // ASCII only: no other script's letter becomes one
    if (c < u'A' || c > u'Z')
        return std::nullopt;
    return QChar(c);
}

QString AddressCommand(bool recordRead, const QString& wires, const QString& termination, QChar letter)
{
    if (recordRead)
        return QStringLiteral("XR") + wires + termination + letter;
    return QStringLiteral("XA") + letter;
}

AddressMove MoveAddress(SettingAnswer answer, QChar wanted, QChar current, const std::function<bool(QChar)>& answersAt)
{
    switch (answer) {
    case SettingAnswer::Taken:
        return {wanted, {}};
    case SettingAnswer::Refused:
        return {current, QStringLiteral("The unit refused the address %1; it is still at %2.").arg(wanted, current)};
    case SettingAnswer::Unanswered:
        break;
    }
    // The reply may be lost while the unit took the letter: its status answers where it is.
    if (answersAt(wanted))
        return {wanted, {}};
    if (wanted != current && answersAt(current))
        return {current, {}};
    const QString tried = wanted == current ? QString(current) : QStringLiteral("%1 or %2").arg(wanted, current);
    return {current, QStringLiteral("The unit could not be reached at address %1; the program still addresses it "
                                    "at %2.")
                         .arg(tried, current)};
}

QString ClockNotTakenText(const QString& time, bool resetDue)
{
    const QString text = QStringLiteral("The unit did not take the time %1").arg(time);
    return text + (resetDue ? QStringLiteral("; it was not reset.") : QStringLiteral("."));
}

}   // namespace controls
