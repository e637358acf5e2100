#pragma once
#include "platform/TcpSocket.h"
#include <QByteArrayList>
#include <functional>

// A TCP socket with no network behind it. Each request sent goes to `responder`, whose
// pieces wait in `deliveries`; deliverNext() hands the next piece over through the data
// event (tests call it from the fake clock's rounds of events).
class FakeTcpSocket final : public ITcpSocket {
public:
    void setRemoteHost(const QString& h) override { host = h; }
    QString remoteHost() const override { return host; }
    void setRemotePort(int p) override { port = p; }
    int remotePort() const override { return port; }
    void connectToRemote() override
    {
        ++connects;
        st = stateAfterConnect;
    }
    void close() override
    {
        ++closes;
        st = stateAfterClose;
    }
    int state() const override { return st; }
    bool send(const QByteArray& data) override
    {
        if (st != Connected)
            return false;
        sent.append(data);
        if (responder)
            deliveries += responder(data);
        return true;
    }
    QByteArray readAll() override
    {
        QByteArray out = incoming;
        incoming.clear();
        return out;
    }
    bool deliverNext()
    {
        if (deliveries.isEmpty())
            return false;
        incoming += deliveries.takeFirst();
        if (onDataArrival)
            onDataArrival();
        return true;
    }

    QString host;
    int port = 0;
    int st = Closed;
    int stateAfterConnect = Connecting;
    int stateAfterClose = Closed;
    int connects = 0;
    int closes = 0;
    QByteArrayList sent;         // every request block, in order
    QByteArrayList deliveries;   // pieces waiting to arrive, one per data event
    QByteArray incoming;
    std::function<QByteArrayList(const QByteArray& request)> responder;
};
