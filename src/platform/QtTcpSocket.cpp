#include "platform/QtTcpSocket.h"
#include "platform/Conventions.h"
#include <QTimer>

QtTcpSocket::QtTcpSocket(QObject* parent) : QObject(parent)
{
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        deliverLater([this] {
            connectDelivered_ = true;
            if (onConnect)
                onConnect();
        });
    });
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        if (onDataArrival)
            onDataArrival();
    });
    connect(&socket_, &QTcpSocket::errorOccurred, this, &QtTcpSocket::onSocketError);
    connect(&socket_, &QTcpSocket::disconnected, this, &QtTcpSocket::onDisconnected);
}

QtTcpSocket::~QtTcpSocket()
{
    socket_.disconnect(this);   // no events from the socket's own teardown
    socket_.abort();
}

void QtTcpSocket::reset()
{
    ++generation_;
    closingHere_ = true;
    socket_.abort();
    closingHere_ = false;
    closedByPeer_ = failed_ = connectDelivered_ = false;
}

void QtTcpSocket::connectToRemote()
{
    reset();
    // A dotted address is decimal to the operator; the resolver would read zero-led
    // groups ("192.168.001.010") as octal and reach another unit.
    socket_.connectToHost(conv::DecimalIPv4(host_).value_or(host_), static_cast<quint16>(port_));
}

void QtTcpSocket::close() { reset(); }

void QtTcpSocket::deliverLater(std::function<void()> event)
{
    QTimer::singleShot(0, this, [this, event = std::move(event), g = generation_] {
        if (g == generation_)
            event();
    });
}

void QtTcpSocket::onDisconnected()
{
    if (!closingHere_ && !failed_)
        closedByPeer_ = true;
}

int QtTcpSocket::state() const
{
    if (failed_)
        return Error;
    if (closedByPeer_)
        return Closing;
    switch (socket_.state()) {
    case QAbstractSocket::HostLookupState:
        return Resolving;
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ConnectedState:
        return connectDelivered_ ? Connected : Connecting;
    case QAbstractSocket::ClosingState:
        return Closing;
    default:
        return Closed;
    }
}

bool QtTcpSocket::send(const QByteArray& data)
{
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return false;
    if (socket_.write(data) != data.size())
        return false;
    socket_.flush();
    return true;
}

int QtTcpSocket::errorNumber(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return 10053;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::NetworkError:
        return 10050;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    default:
        return 10000 + static_cast<int>(error);
    }
}

void QtTcpSocket::onSocketError(QAbstractSocket::SocketError error)
{
    if (closingHere_)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        closedByPeer_ = true;   // the unit ended the connection: closing, not a failure
        return;
    }
    failed_ = true;
    ErrorEvent ev;
    ev.number = errorNumber(error);
    ev.description = socket_.errorString();
    ev.scode = static_cast<qint32>(error);
    ev.source = QStringLiteral("sckTcp");
    deliverLater([this, ev] {
        if (onError)
            onError(ev);
    });
}
