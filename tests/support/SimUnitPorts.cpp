#include "support/SimUnitPorts.h"

std::optional<SimAnswer> SimUnitPorts::answer(SimUnitProfile& profile, const QByteArray& command)
{
    const QByteArray prefix = command.left(2);
    if ((prefix != "X1" && prefix != "X2" && prefix != "XR") || command.contains('?'))
        return std::nullopt;
    std::lock_guard lock(mutex_);
    received_.append(command);
    SimAnswer a;
    if (refused.contains(command)) {
        a.how.kind = SimBehaviour::Nak;
        return a;
    }
    profile.set(prefix + "?", command);
    a.data = command;
    return a;
}

QByteArrayList SimUnitPorts::settingsReceived() const
{
    std::lock_guard lock(mutex_);
    return received_;
}
