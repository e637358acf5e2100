#pragma once
#include "platform/UdpSocket.h"
#include <QUdpSocket>

class ISettingsStore;

// The locator's socket on QUdpSocket, IPv4 only. Datagrams for 255.255.255.255 go to the
// address named by the per-user setting "Locator/BroadcastAddress" when there is one, so
// tests and lab set-ups can keep the discovery on loopback.
class QtUdpSocket final : public IUdpSocket {
public:
    static inline const QString Broadcast = QStringLiteral("255.255.255.255");

    explicit QtUdpSocket(const ISettingsStore* store = nullptr);

    // Where a datagram for `host` is really sent.
    static QString sendTarget(const QString& host, const ISettingsStore* store);

    bool bind(int localPort) override;
    void setRemoteHost(const QString& host) override { remoteHost_ = host; }
    QString remoteHost() const override { return remoteHost_; }
    void setRemotePort(int port) override { remotePort_ = port; }
    int remotePort() const override { return remotePort_; }
    bool send(const QByteArray& data) override;
    ErrorEvent lastError() const override { return lastError_; }
    QByteArray getData() const override { return data_; }
    QString remoteHostIP() const override { return sender_; }
    void close() override { socket_.close(); }

private:
    void readDatagrams();
    void noteError();

    const ISettingsStore* store_;
    QUdpSocket socket_;
    QString remoteHost_;
    int remotePort_ = 0;
    QByteArray data_;
    QString sender_;
    ErrorEvent lastError_;
    bool quiet_ = false;   // bind and send report their own failures
};
