#pragma once
// The control characters that frame requests and replies on the serial line and over TCP.
#include <QChar>

namespace framechars {
constexpr QChar STX(0x02), ETX(0x03), ACK(0x06), NAK(0x15);
}
