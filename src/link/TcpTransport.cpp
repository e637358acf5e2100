#include "link/TcpTransport.h"
#include "link/FrameChars.h"
#include "link/LinkContext.h"
#include "link/TcpConnection.h"
#include "platform/Clock.h"
#include "platform/TcpSocket.h"

namespace {
using framechars::ACK;
using framechars::ETX;
using framechars::NAK;
using framechars::STX;
constexpr QChar CR('\r');
constexpr qint64 ReplyWaitMs = 15000;

QByteArray requestBlock(QChar address, const QString& command)
{
    QByteArray block;
    block += STX.toLatin1();
    block += QString(address).toLatin1();
    block += command.toLatin1();
    block += ETX.toLatin1();
    block += "M\r\n";
    return block;
}

bool foundDropped(int state)
{
    return state == ITcpSocket::Closed || state == ITcpSocket::Closing || state == ITcpSocket::Error;
}

bool isFrameByte(QChar c) { return c == STX || c == ETX || c == ACK || c == NAK || c == CR; }
}   // namespace

bool TcpTransport::exchange(QChar address, const QString& command)
{
    // A late fragment of an earlier reply is never glued on, and the rest of an earlier
    // over-long line is not dropped from this reply.
    resetReceive();
    ITcpSocket& socket = p_.platform.tcp;
    bool ok = false;
    const int state = socket.state();
    if (state == ITcpSocket::Connected) {
        const qint64 deadline = p_.platform.clock.msNow() + ReplyWaitMs;
        ok = socket.send(requestBlock(address, command)) && awaitReply(socket, deadline);
    } else if (foundDropped(state)) {
        ResetDroppedTcpLink(p_);
    }
    line_.clear();
    return ok;
}

// Lets events run (user input held back) until the data event hands a line over, the
// socket leaves the connected state or 15 s have passed.
bool TcpTransport::awaitReply(ITcpSocket& socket, qint64 deadline)
{
    IClock& clock = p_.platform.clock;
    for (;;) {
        if (lineReady_) {
            reply_ = line_;
            return !reply_.isEmpty() && reply_.at(0) == ACK;
        }
        if (socket.state() != ITcpSocket::Connected || p_.conn.ShuttingDown)
            return false;   // no reply can come any more, or the window is closing
        const qint64 left = deadline - clock.msNow();
        if (left < 0)
            return false;
        clock.waitForEvents(static_cast<int>(left) + 1, true);
    }
}

QString TcpTransport::replyAsFrame() const { return TcpLineAsFrame(reply_); }

void TcpTransport::reset()
{
    reply_.clear();
    resetReceive();
}

void TcpTransport::resetReceive()
{
    lineReady_ = false;
    line_.clear();
    rx_.clear();
    discarding_ = false;
}

bool TcpTransport::isOpen() const
{
    const ITcpSocket& socket = p_.platform.tcp;
    return socket.state() == ITcpSocket::Connected;
}

void TcpTransport::dataArrived(const QByteArray& bytes)
{
    const QString in = QString::fromLatin1(bytes);
    if (discarding_) {
        // The rest of an over-long line, up to its CR, and what followed it, are dropped.
        if (in.contains(CR))
            discarding_ = false;
        return;
    }
    rx_ += in;
    const qsizetype cr = rx_.indexOf(CR);
    if (cr < 0) {
        if (rx_.size() > MaxRx) {
            rx_.clear();
            discarding_ = true;
        }
        return;
    }
    // Only the first line counts: bytes after its CR, and any further line before the
    // next transaction starts, are dropped.
    if (cr < MaxRx && !lineReady_) {
        line_ += rx_.left(cr + 1);
        lineReady_ = true;
    }
    rx_.clear();
}

QString TcpLineAsFrame(const QString& line)
{
    qsizetype end = qMin<qsizetype>(2, line.size());   // start character and address
    while (end < line.size() && !isFrameByte(line.at(end)))
        ++end;
    return line.left(end) + ETX + CR;
}
