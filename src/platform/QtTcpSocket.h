#pragma once
#include "platform/TcpSocket.h"
#include <QObject>
#include <QTcpSocket>

// The TCP socket control on QTcpSocket. A connection the unit closes reads as Closing (8)
// without an error event; any other socket failure reads as Error (9) and raises the error
// event. Both stay until close() or the next connect. The connect and error events are
// delivered from the event queue, never from inside QTcpSocket's own signal handling, so
// their handlers may run long, nested waits and close the socket; the socket reads as
// connected from the moment its connect event runs.
class QtTcpSocket final : public QObject, public ITcpSocket {
    Q_OBJECT
public:
    explicit QtTcpSocket(QObject* parent = nullptr);
    ~QtTcpSocket() override;

    void setRemoteHost(const QString& host) override { host_ = host; }
    QString remoteHost() const override { return host_; }
    void setRemotePort(int port) override { port_ = port; }
    int remotePort() const override { return port_; }
    void connectToRemote() override;
    void close() override;
    int state() const override;
    bool send(const QByteArray& data) override;
    QByteArray readAll() override { return socket_.readAll(); }

    // Number of the socket error as the operator's messages give it.
    static int errorNumber(QAbstractSocket::SocketError error);

private:
    void onSocketError(QAbstractSocket::SocketError error);
    void onDisconnected();
    // Runs `event` from the event queue unless the socket was closed or reconnected meanwhile.
    void deliverLater(std::function<void()> event);
    void reset();

    QTcpSocket socket_;
    QString host_;
    int port_ = 0;
    bool closedByPeer_ = false;
    bool failed_ = false;
    bool closingHere_ = false;
    bool connectDelivered_ = false;   // reads connected only together with the connect event
    quint64 generation_ = 0;          // bumped by close() and connectToRemote()
};
