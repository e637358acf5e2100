#include "support/SimUnitLevels.h"
#include <QRegularExpression>
#include <cmath>

namespace {

SimAnswer acknowledged() { return SimAnswer{}; }

QByteArray tenths(double v) { return QByteArray::number(v, 'f', 1); }

double toDbm(double value, bool inDbm) { return inDbm ? value : 10.0 * std::log10(value) + 30.0; }

// The "?HLR" reply: "?" then, per row (forward high, forward low, reverse), the type letter
// and the level in dBm in four characters.
void setTrip(SimUnitProfile& profile, int row, char type, double dBm)
{
    QByteArray reply = profile.replies.value("?HLR", "?D40.0D10.0D45.0");
    reply = reply.leftJustified(16, ' ');
    const QByteArray field = type + tenths(dBm).rightJustified(4, ' ');
    reply.replace(1 + 5 * row, 5, field);
    profile.set("?HLR", reply);
}

}   // namespace

std::optional<SimAnswer> SimUnitLevels::answer(SimUnitProfile& profile, const QByteArray& command)
{
    if (profile.behaviour.contains(command))
        return std::nullopt;   // a behaviour a test gave this very command (a refusal, a silence) wins
    auto a = setting(profile, command);
    if (a) {
        std::lock_guard lock(mutex_);
        received_.append(command);
    }
    return a;
}

QByteArrayList SimUnitLevels::settingsReceived() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

std::optional<SimAnswer> SimUnitLevels::setting(SimUnitProfile& profile, const QByteArray& command)
{
    static const QRegularExpression number(QStringLiteral("^\\d+(\\.\\d*)?$"));
    const auto valueAfter = [&](int at) -> std::optional<double> {
        const QString rest = QString::fromLatin1(command.mid(at));
        if (!number.match(rest).hasMatch())
            return std::nullopt;
        return rest.toDouble();
    };
    if (command.startsWith('K')) {
        if (const auto v = valueAfter(1)) {
            profile.set("?A", "?" + tenths(*v));
            return acknowledged();
        }
    }
    for (const QByteArray& prefix : {QByteArray("C"), QByteArray(".D9 "), QByteArray(".D1 ")}) {
        if (command.startsWith(prefix)) {
            if (const auto v = valueAfter(static_cast<int>(prefix.size()))) {
                profile.set("8", "8" + QByteArray::number(static_cast<int>(*v)));
                return acknowledged();
            }
        }
    }
    if (command.startsWith('G') || command.startsWith('E')) {
        const bool dBm = command.size() > 1 && command.at(1) == 'M';
        if (const auto v = valueAfter(dBm ? 2 : 1)) {
            if (command.startsWith('G'))
                profile.set("G?", "G" + tenths(toDbm(*v, dBm)));
            return acknowledged();
        }
    }
    static const QByteArray rows = "MLO";
    if (command.size() > 2 && rows.contains(command.at(0)) && QByteArray("FAD").contains(command.at(1))) {
        const bool dBm = command.at(2) == 'M';
        if (const auto v = valueAfter(dBm ? 3 : 2)) {
            setTrip(profile, static_cast<int>(rows.indexOf(command.at(0))), command.at(1), toDbm(*v, dBm));
            return acknowledged();
        }
    }
    for (const QByteArray& prefix : {QByteArray("PZ"), QByteArray("Pz"), QByteArray("P/")})
        if (command.startsWith(prefix) && valueAfter(2))
            return acknowledged();
    if (command.startsWith("YH") && command.size() == 14 && valueAfter(2))
        return acknowledged();
    return std::nullopt;
}
