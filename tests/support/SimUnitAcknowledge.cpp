#include "support/SimUnitAcknowledge.h"

std::optional<SimAnswer> SimUnitAcknowledgeSettings::answer(SimUnitProfile& profile, const QByteArray& command)
{
    if (command.contains('?') || profile.knows(command) || profile.behaviour.contains(command))
        return std::nullopt;
    return SimAnswer{};
}
