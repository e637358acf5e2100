#include "link/TargetEntries.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <QRegularExpression>

bool MatchesIPPattern(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^.*[0-9]\\..*[0-9]\\..*[0-9]\\..*[0-9]$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(text).hasMatch();
}

bool IsIPAddressEntry(const QString& answer)
{
    // Only an address the program can use and will keep at the next start: four numbers
    // 0 to 255. A looser entry would be dropped for the default target without a word.
    return answer.size() > 6 && MatchesIPPattern(answer) && IsValidIPAddress(answer);
}

std::optional<qint32> EthernetPortEntry(const QString& answer)
{
    const std::optional<double> number = conv::ToNumber(answer);
    if (!number)
        return std::nullopt;
    const std::optional<qint32> port = conv::ToLong(*number);
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return port;
}

std::optional<qint16> PollAddressEntry(const QString& answer)
{
    if (answer.size() != 1)
        return std::nullopt;
    const ushort code = answer.at(0).unicode();
    if (code < '?' || code > 'Z')
        return std::nullopt;
    return static_cast<qint16>(code);
}

QString PollAddressRefusal()
{
    return QStringLiteral("Address Error\r\n\r\nThe address is one character: \"?\", \"@\" or a capital letter "
                          "\"A\" to \"Z\".");
}

QString SerialPortCaption(int portNumber) { return QStringLiteral("Serial Port:   COM") + QString::number(portNumber); }

QString EthernetPortCaption(qint32 port) { return QStringLiteral("Ethernet Port:") + QString::number(port); }

QString IPAddressCaption(const QString& host) { return QStringLiteral("IP Address:    ") + host; }
