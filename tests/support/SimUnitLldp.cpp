#include "support/SimUnitLldp.h"

std::optional<SimAnswer> SimUnitLldp::answer(SimUnitProfile& profile, const QByteArray& command)
{
    const int blank = command.indexOf(' ');
    const QByteArray mnemonic = command.left(blank);
    if (blank < 0 || (mnemonic != "QlldpSetupConfig" && mnemonic != "QlldpFactorySetup"))
        return std::nullopt;
    SimAnswer a;
    if (refuse) {
        a.how.kind = SimBehaviour::Nak;
        return a;
    }
    profile.set(mnemonic + "?", command);
    a.data = command;
    return a;
}
