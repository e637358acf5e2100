#include "platform/QtSerialControl.h"
#include "platform/SerialPortNames.h"
#include <QElapsedTimer>
#include <cerrno>
#include <climits>
#include <cstring>
#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace {
struct LineSettings {
    qint32 baud = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// "9600,N,8,1" -> line settings; false when any field is not understood.
bool parseLineSettings(const QString& text, LineSettings& out)
{
    const QStringList f = text.split(',');
    if (f.size() != 4)
        return false;
    bool ok = false;
    out.baud = f[0].trimmed().toInt(&ok);
    if (!ok || out.baud <= 0)
        return false;
    const QString parity = f[1].trimmed().toUpper();
    if (parity == "N")
        out.parity = QSerialPort::NoParity;
    else if (parity == "E")
        out.parity = QSerialPort::EvenParity;
    else if (parity == "O")
        out.parity = QSerialPort::OddParity;
    else if (parity == "M")
        out.parity = QSerialPort::MarkParity;
    else if (parity == "S")
        out.parity = QSerialPort::SpaceParity;
    else
        return false;
    const int bits = f[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8)
        return false;
    out.dataBits = static_cast<QSerialPort::DataBits>(bits);
    const QString stop = f[3].trimmed();
    if (stop == "1")
        out.stopBits = QSerialPort::OneStop;
    else if (stop == "1.5")
        out.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == "2")
        out.stopBits = QSerialPort::TwoStop;
    else
        return false;
    return true;
}
}   // namespace

bool QtSerialControl::setSettings(const QString& settings)
{
    settings_ = settings;
    if (!port_.isOpen())
        return true;
    return applySettings();
}

bool QtSerialControl::applySettings()
{
    LineSettings ls;
    if (!parseLineSettings(settings_, ls)) {
        error_ = QStringLiteral("Invalid line settings \"%1\"").arg(settings_);
        return false;
    }
    const bool ok = port_.setBaudRate(ls.baud) && port_.setParity(ls.parity) && port_.setDataBits(ls.dataBits) &&
                    port_.setStopBits(ls.stopBits) && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok)
        noteFailure();
    return ok;
}

bool QtSerialControl::setRtsEnable(bool on)
{
    if (!port_.isOpen())
        return true;              // applied at open
    port_.setRequestToSend(on);   // a pseudo-terminal refuses this; that is fine
    port_.clearError();
    return true;
}

bool QtSerialControl::setOpen(bool open)
{
    if (!open) {
        if (port_.isOpen())
            port_.close();
        return true;
    }
    if (port_.isOpen())
        return true;
    LineSettings ls;
    if (!parseLineSettings(settings_, ls)) {
        error_ = settings_.isEmpty() ? QStringLiteral("No line settings")
                                     : QStringLiteral("Invalid line settings \"%1\"").arg(settings_);
        return false;
    }
    if (portNumber_ < 1 || portNumber_ > 10) {
        error_ = QStringLiteral("Invalid Port Number");
        return false;
    }
    port_.setPortName(serialDeviceForPort(store_, portNumber_));
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = serialPortFailure(label(), QStringLiteral("could not be opened"), port_.errorString());
        port_.clearError();
        return false;
    }
    if (!applySettings()) {
        port_.close();
        return false;
    }
    port_.setRequestToSend(true);   // refused by a pseudo-terminal: tolerated
    port_.clearError();
    return true;
}

QString QtSerialControl::label() const { return serialPortLabel(store_, portNumber_); }

void QtSerialControl::noteFailure()
{
    const QString reason = port_.errorString();
    const bool gone = port_.error() == QSerialPort::ResourceError;
    port_.clearError();
    if (gone)
        deviceGone(reason);
    else
        error_ = serialPortFailure(label(), QStringLiteral("failed"), reason);
}

void QtSerialControl::deviceGone(const QString& reason)
{
    // The device was unplugged or its other end hung up: nothing more will come from it.
    error_ = serialPortFailure(label(), QStringLiteral("is no longer available"), reason);
    port_.close();
}

bool QtSerialControl::checkErrors()
{
    const auto err = port_.error();
    if (err != QSerialPort::NoError && err != QSerialPort::TimeoutError) {
        noteFailure();
        return false;
    }
    port_.clearError();
    return true;
}

QtSerialControl::LineState QtSerialControl::waitAndPull(int ms)
{
#ifdef Q_OS_UNIX
    pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
    QElapsedTimer t;
    t.start();
    int r;
    do {
        r = ::poll(&p, 1, qMax(0, ms - static_cast<int>(t.elapsed())));
    } while (r < 0 && errno == EINTR);
    if (r < 0) {
        deviceGone(QString::fromLocal8Bit(std::strerror(errno)));
        return LineState::Gone;
    }
    if (r == 0)
        return LineState::Quiet;
    const bool hungUp = p.revents & (POLLHUP | POLLERR | POLLNVAL);
    if (p.revents & POLLIN)
        port_.waitForReadyRead(0);
    if (hungUp) {
        // What arrived before the hang-up is still taken; after it the device is gone.
        port_.clearError();
        if (port_.bytesAvailable() > 0)
            return LineState::Input;
        deviceGone(QStringLiteral("hung up"));
        return LineState::Gone;
    }
#else
    port_.waitForReadyRead(qMax(0, ms));
#endif
    if (!checkErrors())
        return port_.isOpen() ? LineState::Quiet : LineState::Gone;
    return port_.bytesAvailable() > 0 ? LineState::Input : LineState::Quiet;
}

bool QtSerialControl::write(const QByteArray& data)
{
    if (!port_.isOpen()) {
        error_ = QStringLiteral("Port is not open");
        return false;
    }
    if (waitAndPull(0) == LineState::Gone)
        return false;
    if (port_.write(data) != data.size()) {
        noteFailure();
        return false;
    }
    // Push the bytes out now: no event loop will do it for us.
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(1000)) {
            noteFailure();
            return false;
        }
    }
    return true;
}

int QtSerialControl::inBufferCount()
{
    if (!port_.isOpen())
        return 0;
    if (port_.bytesAvailable() == 0 && waitAndPull(0) == LineState::Gone)
        return 0;
    return static_cast<int>(qMin<qint64>(port_.bytesAvailable(), INT_MAX));
}

void QtSerialControl::discardInput()
{
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

QByteArray QtSerialControl::read()
{
    if (!port_.isOpen())
        return {};
    return inputLen_ > 0 ? port_.read(inputLen_) : port_.readAll();
}

bool QtSerialControl::waitForInput(int ms)
{
    if (!port_.isOpen())
        return false;
    if (port_.bytesAvailable() > 0)
        return true;
    // Blocks in the kernel until the line has input, hangs up or the time is over.
    return waitAndPull(ms) == LineState::Input;
}
