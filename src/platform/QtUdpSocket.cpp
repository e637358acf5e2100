#include "platform/QtUdpSocket.h"
#include "platform/SettingsStore.h"
#include <QNetworkDatagram>

QtUdpSocket::QtUdpSocket(const ISettingsStore* store) : store_(store)
{
    QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { readDatagrams(); });
    QObject::connect(&socket_, &QUdpSocket::errorOccurred, [this](QAbstractSocket::SocketError) {
        if (quiet_)
            return;
        noteError();
        if (onError)
            onError(lastError_);
    });
}

QString QtUdpSocket::sendTarget(const QString& host, const ISettingsStore* store)
{
    if (host != Broadcast || !store)
        return host;
    const QString other =
        store->getText(QStringLiteral("Locator"), QStringLiteral("BroadcastAddress"), QString()).trimmed();
    return other.isEmpty() ? host : other;
}

bool QtUdpSocket::bind(int localPort)
{
    if (socket_.state() != QAbstractSocket::UnconnectedState)
        socket_.close();
    quiet_ = true;
    const bool bound =
        socket_.bind(QHostAddress::AnyIPv4, static_cast<quint16>(localPort), QAbstractSocket::DontShareAddress);
    quiet_ = false;
    if (!bound) {
        noteError();
        if (onError)
            onError(lastError_);
    }
    return bound;
}

bool QtUdpSocket::send(const QByteArray& data)
{
    const QHostAddress target(sendTarget(remoteHost_, store_));
    if (target.protocol() != QAbstractSocket::IPv4Protocol) {
        lastError_ = {QAbstractSocket::HostNotFoundError,
                      QStringLiteral("Not an IPv4 address: ") + sendTarget(remoteHost_, store_)};
        return false;
    }
    quiet_ = true;
    const qint64 written = socket_.writeDatagram(data, target, static_cast<quint16>(remotePort_));
    quiet_ = false;
    if (written != data.size()) {
        noteError();
        return false;
    }
    return true;
}

void QtUdpSocket::readDatagrams()
{
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        if (!datagram.isValid())
            break;
        data_ = datagram.data();
        bool isV4 = false;
        const quint32 v4 = datagram.senderAddress().toIPv4Address(&isV4);
        sender_ = isV4 ? QHostAddress(v4).toString() : datagram.senderAddress().toString();
        if (onDataArrival)
            onDataArrival(static_cast<int>(data_.size()));
    }
}

void QtUdpSocket::noteError() { lastError_ = {static_cast<int>(socket_.error()), socket_.errorString()}; }
