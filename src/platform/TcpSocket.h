#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// TCP client socket with the state numbers the program tests.
class ITcpSocket {
public:
    enum State { Closed = 0, Resolving = 4, Connecting = 6, Connected = 7, Closing = 8, Error = 9 };
    struct ErrorEvent {
        int number = 0;
        QString description;
        qint32 scode = 0;
        QString source;
    };

    virtual ~ITcpSocket() = default;
    virtual void setRemoteHost(const QString& host) = 0;
    virtual QString remoteHost() const = 0;
    virtual void setRemotePort(int port) = 0;
    virtual int remotePort() const = 0;
    virtual void connectToRemote() = 0;
    virtual void close() = 0;
    virtual int state() const = 0;
    virtual bool send(const QByteArray& data) = 0;
    virtual QByteArray readAll() = 0;

    // Events; set by the main window.
    std::function<void()> onConnect;
    std::function<void()> onDataArrival;
    std::function<void(const ErrorEvent&)> onError;
};
