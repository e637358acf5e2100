#include "support/SimUnitTcp.h"
#include "support/UnitFrames.h"
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

SimUnitTcp::SimUnitTcp(SimUnit& unit, QObject* parent) : QObject(parent), unit_(unit)
{
    connect(&server_, &QTcpServer::newConnection, this, &SimUnitTcp::onNewConnection);
}

SimUnitTcp::~SimUnitTcp()
{
    const auto sockets = buffers_.keys();
    for (QTcpSocket* s : sockets) {
        s->disconnect(this);
        s->abort();
    }
}

bool SimUnitTcp::listen(const QHostAddress& address, quint16 port)
{
    return address.isLoopback() && server_.listen(address, port);
}

void SimUnitTcp::dropConnections()
{
    const auto sockets = buffers_.keys();
    for (QTcpSocket* s : sockets)
        s->disconnectFromHost();
}

void SimUnitTcp::onNewConnection()
{
    while (QTcpSocket* s = server_.nextPendingConnection()) {
        ++connectionsAccepted;
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        buffers_.insert(s, {});
        connect(s, &QTcpSocket::readyRead, this, [this, s] { onReadyRead(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] {
            buffers_.remove(s);
            s->deleteLater();
        });
    }
}

void SimUnitTcp::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    for (qsizetype lf = buffer.indexOf('\n'); lf >= 0; lf = buffer.indexOf('\n')) {
        const QByteArray block = buffer.left(lf + 1);
        buffer.remove(0, lf + 1);
        requests.append(block);
        char address = 0;
        QByteArray command;
        if (unitframes::parseTcpRequest(block, address, command))
            serve(socket, address, command);
    }
}

void SimUnitTcp::serve(QTcpSocket* socket, char address, const QByteArray& command)
{
    const SimAnswer a = unit_.answer(address, command);
    const SimBehaviour& how = a.how;
    QByteArray line;
    switch (how.kind) {
    case SimBehaviour::Silent:
        return;
    case SimBehaviour::DropConnection: {
        QPointer<QTcpSocket> s(socket);
        QTimer::singleShot(how.delayMs, this, [s] {
            if (s)
                s->disconnectFromHost();
        });
        return;
    }
    case SimBehaviour::Nak:
        line = unitframes::tcpReply(a.address, {}, unitframes::NAK);
        break;
    case SimBehaviour::CutShort:
        line = unitframes::tcpReply(a.address, a.data);
        line.chop(2);   // no ETX, no CR: the line never ends
        break;
    case SimBehaviour::StrayBytesFirst:
        line = "xy" + unitframes::tcpReply(a.address, a.data);
        break;
    case SimBehaviour::NoEtx:
        line = unitframes::tcpReply(a.address, a.data);
        line.remove(line.size() - 2, 1);   // the ETX before the CR
        break;
    default:   // TCP lines carry no checksum to corrupt
        line = unitframes::tcpReply(a.address, a.data);
        break;
    }
    line += how.trailing;
    QByteArrayList pieces;
    int from = 0;
    for (int cut : how.splitAt) {
        if (cut > from && cut < line.size()) {
            pieces << line.mid(from, cut - from);
            from = cut;
        }
    }
    pieces << line.mid(from);
    QPointer<QTcpSocket> s(socket);
    QTimer::singleShot(how.delayMs, this, [this, s, pieces, gap = how.pieceGapMs] {
        if (s)
            writePieces(s, pieces, gap);
    });
}

void SimUnitTcp::writePieces(QTcpSocket* socket, QByteArrayList pieces, int gapMs)
{
    if (pieces.isEmpty())
        return;
    socket->write(pieces.takeFirst());
    socket->flush();
    if (pieces.isEmpty())
        return;
    QPointer<QTcpSocket> s(socket);
    QTimer::singleShot(gapMs, this, [this, s, pieces, gapMs] {
        if (s)
            writePieces(s, pieces, gapMs);
    });
}
