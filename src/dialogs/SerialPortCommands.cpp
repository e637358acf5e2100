#include "dialogs/SerialPortCommands.h"

namespace ampcom {

QString PortCommand(const QString& prefix, const QString& baud, const QString& parity, const QString& dataBits,
                    const QString& stopBits)
{
    return prefix + QStringLiteral("%1").arg(baud.toInt(), 6, 10, QLatin1Char('0')) + parity.left(1) + dataBits +
           stopBits;
}

std::optional<QString> WiringCommand(const QString& wiring, const QString& termination, const QString& address,
                                     const QString& protocol, bool obmipSupported)
{
    if (address.size() != 1 || address.at(0) < QLatin1Char('A') || address.at(0) > QLatin1Char('Z'))
        return std::nullopt;
    QString command = QStringLiteral("XR") + wiring.left(1) + termination.left(1) + address;
    if (!protocol.isEmpty() && obmipSupported)
        command += QLatin1Char(';') + protocol;
    return command;
}

int ParityEntry(const QString& parity)
{
    if (parity == QLatin1String("N"))
        return 0;
    if (parity == QLatin1String("O"))
        return 1;
    if (parity == QLatin1String("E"))
        return 2;
    return -1;
}

}   // namespace ampcom
