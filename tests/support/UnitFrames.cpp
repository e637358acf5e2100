#include "support/UnitFrames.h"

namespace unitframes {

QByteArray serialReply(char address, const QByteArray& data, char start)
{
    QByteArray f;
    f += start;
    f += address;
    f += data;
    f += ETX;
    char sum = 0;
    for (char c : f)
        sum ^= c;
    f += sum;
    return f;
}

QByteArray tcpReply(char address, const QByteArray& data, char start)
{
    QByteArray f;
    f += start;
    f += address;
    f += data;
    f += ETX;
    f += '\r';
    return f;
}

bool parseSerialRequest(const QByteArray& frame, char& address, QByteArray& command)
{
    if (frame.size() < 4 || frame.at(0) != STX || frame.at(frame.size() - 2) != ETX)
        return false;
    char sum = 0;
    for (qsizetype i = 0; i < frame.size() - 1; ++i)
        sum ^= frame.at(i);
    if (sum != frame.back())
        return false;
    address = frame.at(1);
    command = frame.mid(2, frame.size() - 4);
    return true;
}

bool parseTcpRequest(const QByteArray& block, char& address, QByteArray& command)
{
    if (block.size() < 6 || block.at(0) != STX || !block.endsWith(QByteArray("\x03M\r\n")))
        return false;
    address = block.at(1);
    command = block.mid(2, block.size() - 6);
    return true;
}

}   // namespace unitframes
