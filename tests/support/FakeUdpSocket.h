#pragma once
#include "platform/UdpSocket.h"
#include <QByteArrayList>
#include <QList>

// Records what the locator does with its socket; datagrams are handed in by the test.
class FakeUdpSocket final : public IUdpSocket {
public:
    struct Sent {
        QString host;
        int port;
        QByteArray data;
    };

    bool bind(int localPort) override
    {
        boundPort = localPort;
        ++binds;
        if (bindError.number != 0 && onError)
            onError(bindError);
        return bindError.number == 0;
    }
    void setRemoteHost(const QString& host) override { host_ = host; }
    QString remoteHost() const override { return host_; }
    void setRemotePort(int port) override { port_ = port; }
    int remotePort() const override { return port_; }
    bool send(const QByteArray& data) override
    {
        sent.append({host_, port_, data});
        if (sendError.number != 0)
            return false;
        if (onSend)
            onSend(*this);
        return true;
    }
    ErrorEvent lastError() const override { return sendError; }
    QByteArray getData() const override { return data_; }
    QString remoteHostIP() const override { return sender_; }
    void close() override { ++closes; }

    // A datagram arrives from `sender`.
    void deliver(const QString& sender, const QByteArray& data)
    {
        sender_ = sender;
        data_ = data;
        if (onDataArrival)
            onDataArrival(static_cast<int>(data.size()));
    }

    QList<Sent> sent;
    int boundPort = 0;
    int binds = 0;
    int closes = 0;
    ErrorEvent bindError;                         // number != 0: bind fails with it
    ErrorEvent sendError;                         // number != 0: send fails with it
    std::function<void(FakeUdpSocket&)> onSend;   // runs after each accepted send

private:
    QString host_;
    int port_ = 0;
    QByteArray data_;
    QString sender_;
};
