#pragma once
// Simulated units answering the locator's discovery on loopback. Every unit has its own
// socket bound to its own 127.x address on the discovery port. A request heard by any of
// them is answered by all, each from its own address, as all units on a LAN hear one
// broadcast; so the program's broadcast target is pointed at the first unit's address.
#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QUdpSocket>
#include <memory>
#include <vector>

class SimUnitLan {
public:
    static constexpr quint16 DiscoveryPort = 2000;

    SimUnitLan();
    ~SimUnitLan();

    // A unit on `address` (127.x.y.z) that answers a discovery request with `reply`.
    // False when the address cannot be bound.
    bool addUnit(const QString& address, const QByteArray& reply);
    // The address to use as the program's broadcast target.
    QString listenAddress() const;
    int requestsHeard() const { return requests_; }
    QByteArray lastRequest() const { return lastRequest_; }
    quint16 lastRequestPort() const { return lastPort_; }

private:
    struct Unit {
        std::unique_ptr<QUdpSocket> socket;
        QByteArray reply;
    };
    void answer(QUdpSocket& heardOn);

    QLockFile lock_;   // the fixed ports are shared by every test run on the machine
    std::vector<Unit> units_;
    int requests_ = 0;
    QByteArray lastRequest_;
    quint16 lastPort_ = 0;
};
