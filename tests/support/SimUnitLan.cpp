#include "support/SimUnitLan.h"
#include <QDir>
#include <QNetworkDatagram>

SimUnitLan::SimUnitLan() : lock_(QDir::temp().filePath(QStringLiteral("tubamon-discovery-ports.lock")))
{
    lock_.tryLock(60000);
}

SimUnitLan::~SimUnitLan()
{
    units_.clear();
    lock_.unlock();
}

bool SimUnitLan::addUnit(const QString& address, const QByteArray& reply)
{
    const QHostAddress host(address);
    if (!host.isLoopback() || host.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    auto socket = std::make_unique<QUdpSocket>();
    if (!socket->bind(host, DiscoveryPort, QAbstractSocket::DontShareAddress))
        return false;
    QUdpSocket* raw = socket.get();
    QObject::connect(raw, &QUdpSocket::readyRead, [this, raw] { answer(*raw); });
    units_.push_back({std::move(socket), reply});
    return true;
}

QString SimUnitLan::listenAddress() const
{
    return units_.empty() ? QString() : units_.front().socket->localAddress().toString();
}

void SimUnitLan::answer(QUdpSocket& heardOn)
{
    while (heardOn.hasPendingDatagrams()) {
        const QNetworkDatagram request = heardOn.receiveDatagram();
        if (!request.senderAddress().isLoopback())
            continue;
        ++requests_;
        lastRequest_ = request.data();
        lastPort_ = static_cast<quint16>(request.senderPort());
        for (Unit& unit : units_)
            unit.socket->writeDatagram(unit.reply, request.senderAddress(), static_cast<quint16>(request.senderPort()));
    }
}
