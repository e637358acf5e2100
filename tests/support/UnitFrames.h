#pragma once
// The unit's side of the framing, for fakes and the simulated unit.
#include <QByteArray>
#include <QString>

namespace unitframes {
constexpr char STX = 0x02, ETX = 0x03, ACK = 0x06, NAK = 0x15;

// ACK (or `start`), address, data, ETX, XOR checksum.
QByteArray serialReply(char address, const QByteArray& data, char start = ACK);
// ACK, address, data, ETX, CR: one TCP reply line.
QByteArray tcpReply(char address, const QByteArray& data, char start = ACK);
// A request frame STX address command ETX checksum split into its parts; false when it is not one.
bool parseSerialRequest(const QByteArray& frame, char& address, QByteArray& command);
// A TCP request block STX address command ETX "M" CR LF split into its parts; false when
// it is not one.
bool parseTcpRequest(const QByteArray& block, char& address, QByteArray& command);
}   // namespace unitframes
