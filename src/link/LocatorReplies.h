#pragma once
// The locator's rules for discovery replies and the lines of its list.
#include <QByteArray>
#include <QString>
#include <optional>

namespace locator {

constexpr int DiscoveryPort = 2000;   // the units listen here
constexpr int LocalPort = 2001;       // the request goes out from here
constexpr int TableSize = 101;        // reply table entries 0..100
constexpr int DefaultTcpPort = 2000;

// 0x01 followed by seven zero bytes.
QByteArray DiscoveryRequest();
// A reply is taken when it is longer than 20 characters and holds "Orvan" (exact case).
bool ReplyAccepted(const QString& reply);
// What is kept of an accepted reply: the text from its 9th character on.
QString ReplyText(const QString& reply);
// A list line: the address padded with blanks to 16 characters, then the text with every
// character that is not printable shown as ".".
QString ListLine(const QString& address, const QString& text);
// The port box: empty keeps `current`; 1..65535 is taken; anything else is refused.
std::optional<qint32> PortEntry(const QString& text, qint32 current);

}   // namespace locator
