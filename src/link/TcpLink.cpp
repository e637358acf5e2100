#include "link/LinkContext.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/TcpSocket.h"

namespace {
constexpr char STX = 0x02, ETX = 0x03;
constexpr QChar ACK(0x06), CR('\r');
constexpr qint64 ReplyWaitMs = 15000;
constexpr qint64 CloseWaitMs = 3000;
constexpr int CloseCheckMs = 10;

QByteArray requestBlock(QChar address, const QString& command)
{
    QByteArray block;
    block += STX;
    block += QString(address).toLatin1();
    block += command.toLatin1();
    block += ETX;
    block += "M\r\n";
    return block;
}

bool foundDropped(int state)
{
    return state == ITcpSocket::Closed || state == ITcpSocket::Closing || state == ITcpSocket::Error;
}

// Lets events run (user input held back) until the data event hands a line over, the
// socket leaves the connected state or 15 s have passed.
bool awaitReply(LinkContext& p, ITcpSocket& socket, qint64 deadline)
{
    IClock& clock = *p.platform.clock;
    for (;;) {
        if (p.tcp.TcpReplyReady) {
            QString& buffer = p.LinkObject.ReplyBuffer;
            buffer = p.tcp.TcpReplyText;
            return !buffer.isEmpty() && buffer.at(0) == ACK;
        }
        if (socket.state() != ITcpSocket::Connected || p.conn.ShuttingDown)
            return false;   // no reply can come any more, or the window is closing
        const qint64 left = deadline - clock.msNow();
        if (left < 0)
            return false;
        clock.waitForEvents(static_cast<int>(left) + 1, true);
    }
}
}   // namespace

bool SendEnetCommand(LinkContext& p, QChar address, const QString& command)
{
    TcpLinkState& tcp = p.tcp;
    tcp.TcpReplyReady = false;
    tcp.TcpReplyText.clear();
    // A late fragment of an earlier reply is never glued on, and the rest of an earlier
    // over-long line is not dropped from this reply.
    tcp.TcpRxBuffer.clear();
    tcp.TcpRxDiscarding = false;
    ITcpSocket* socket = p.platform.tcp;
    if (!socket || !p.platform.clock)
        return false;
    bool ok = false;
    const int state = socket->state();
    if (state == ITcpSocket::Connected) {
        const qint64 deadline = p.platform.clock->msNow() + ReplyWaitMs;
        ok = socket->send(requestBlock(address, command)) && awaitReply(p, *socket, deadline);
    } else if (foundDropped(state)) {
        ResetDroppedTcpLink(p);
    }
    tcp.TcpReplyText.clear();
    return ok;
}

bool CloseEnetConnection(LinkContext& p)
{
    ITcpSocket* socket = p.platform.tcp;
    IClock* clock = p.platform.clock;
    if (!socket || !clock)
        return false;
    const qint64 start = clock->msNow();
    socket->close();
    for (;;) {
        if (socket->state() == ITcpSocket::Closed)
            return true;
        if (clock->msNow() - start > CloseWaitMs)
            return false;
        clock->waitForEvents(CloseCheckMs, true);
    }
}

void TcpDataArrived(LinkContext& p, const QByteArray& bytes)
{
    TcpLinkState& tcp = p.tcp;
    const QString in = QString::fromLatin1(bytes);
    if (tcp.TcpRxDiscarding) {
        // The rest of an over-long line, up to its CR, and what followed it, are dropped.
        if (in.contains(CR))
            tcp.TcpRxDiscarding = false;
        return;
    }
    tcp.TcpRxBuffer += in;
    const qsizetype cr = tcp.TcpRxBuffer.indexOf(CR);
    if (cr < 0) {
        if (tcp.TcpRxBuffer.size() > TcpLinkState::MaxRx) {
            tcp.TcpRxBuffer.clear();
            tcp.TcpRxDiscarding = true;
        }
        return;
    }
    // Only the first line counts: bytes after its CR, and any further line before the
    // next transaction starts, are dropped.
    if (cr < TcpLinkState::MaxRx && !tcp.TcpReplyReady) {
        tcp.TcpReplyText += tcp.TcpRxBuffer.left(cr + 1);
        tcp.TcpReplyReady = true;
    }
    tcp.TcpRxBuffer.clear();
}
