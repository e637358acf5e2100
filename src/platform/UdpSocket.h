#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// UDP socket of the unit locator: bound to a local port, one remote host and port for
// sending, and an event per arriving datagram with the datagram and its sender kept.
class IUdpSocket {
public:
    struct ErrorEvent {
        int number = 0;
        QString description;
    };

    virtual ~IUdpSocket() = default;
    // Binds to the port on every local IPv4 address; a failure is reported through onError.
    virtual bool bind(int localPort) = 0;
    virtual void setRemoteHost(const QString& host) = 0;
    virtual QString remoteHost() const = 0;
    virtual void setRemotePort(int port) = 0;
    virtual int remotePort() const = 0;
    // Sends one datagram to the remote host and port. False, with lastError(), when the
    // system refuses it; no onError is raised for it.
    virtual bool send(const QByteArray& data) = 0;
    virtual ErrorEvent lastError() const = 0;
    // The datagram of the last data-arrival event, and the address it came from.
    virtual QByteArray getData() const = 0;
    virtual QString remoteHostIP() const = 0;
    virtual void close() = 0;

    // Events; set by the window that uses the socket.
    std::function<void(int bytes)> onDataArrival;
    std::function<void(const ErrorEvent&)> onError;
};
