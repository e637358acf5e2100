#include "link/OVLink.h"
#include "link/FrameChars.h"
#include "platform/Clock.h"
#include "platform/QtClock.h"
#include "platform/SerialControl.h"
#include <cmath>

namespace {
using framechars::ACK;
using framechars::ETX;
using framechars::NAK;
using framechars::STX;
constexpr QChar OpenBrace('{'), CloseBrace('}');
// The wait on the line looks for a close request of the window at least this often.
constexpr qint64 CloseRequestCheckMs = 50;
}   // namespace

OVLink::OVLink(IClock* clock)
{
    setClock(clock);
    errTexts_ = {QStringLiteral("No Error"),
                 QStringLiteral("Bad Address"),
                 QStringLiteral("Checksum Error"),
                 QStringLiteral("Bad Start Byte"),
                 QStringLiteral("Huge Response"),
                 QStringLiteral("Buffer Overflow Error"),
                 QStringLiteral("Command Not Acknowledged"),
                 QStringLiteral("Incomplete Response"),
                 QStringLiteral("No Response"),
                 QString()};
}

OVLink::~OVLink() = default;

void OVLink::setClock(IClock* clock)
{
    if (!clock && !ownClock_)
        ownClock_ = std::make_unique<QtClock>();
    clock_ = clock ? clock : ownClock_.get();
}

int OVLink::XorChecksum(const QString& text)
{
    int sum = 0;
    for (QChar c : text)
        sum ^= (c.unicode() & 0xFF);
    return sum;
}

int OVLink::PrintableChecksum(const QString& text)
{
    qint64 sum = 0;
    for (QChar c : text)
        sum += (c.unicode() & 0xFF);
    const qint64 m = ((sum - 32) % 95 + 95) % 95;
    return static_cast<int>(m + 32);
}

QString OVLink::BuildFrame(int startChar, QChar address, const QString& command)
{
    // Characters outside Latin-1 go out as "?": the checksum covers what is written.
    QString frame = QString::fromLatin1((QChar(startChar) + QString(address) + command + ETX).toLatin1());
    frame += QChar(XorChecksum(frame));
    return frame;
}

void OVLink::setPortError(const QString& text)
{
    errNumber_ = 9;
    errTexts_[9] = text.isEmpty() ? QStringLiteral("Serial port error") : text;
}

bool OVLink::EnsurePortOpen()
{
    errNumber_ = 0;
    if (!control_) {
        setPortError(QStringLiteral("No serial port"));
        return false;
    }
    if (control_->isOpen())
        return true;
    // An open with no line settings would open the device with whatever it had and
    // write to it: refuse it.
    if (commSettings_.trimmed().isEmpty()) {
        setPortError(QStringLiteral("No line settings for the serial port"));
        return false;
    }
    control_->setPortNumber(portNumber_);
    if (!control_->setSettings(commSettings_) || !control_->setRtsEnable(true) || !control_->setOpen(true)) {
        setPortError(control_->errorString());
        return false;
    }
    control_->write(QByteArrayLiteral("\r\n"));
    clock_->sleepMs(50);
    control_->setInputLen(0);
    if (!control_->isOpen()) {
        setPortError(control_->errorString());
        return false;
    }
    return true;
}

void OVLink::send(int startChar, const QString& command)
{
    unsent_ = true;
    if (!EnsurePortOpen())
        return;
    const QString frame = BuildFrame(startChar, deviceAddress_, command);
    if (!control_->write(frame.toLatin1())) {
        setPortError(control_->errorString());
        return;
    }
    unsent_ = false;
    errNumber_ = 0;
}

bool OVLink::portReady() const { return control_ && control_->isOpen(); }

void OVLink::Receive(qint16& errNumber)
{
    if (!EnsurePortOpen() || unsent_) {
        errNumber_ = 9;   // the port check's text, or the failed write's
        errNumber = errNumber_;
        return;
    }
    control_->setInputLen(1);
    reply_.clear();
    bool inFrame = false, checksumNext = false, done = false;
    const qint64 deadline = clock_->msNow() + timeoutMs_;
    qint64 lookedAt = clock_->msNow();

    while (!done) {
        qint64 now = clock_->msNow();
        if (now - lookedAt >= CloseRequestCheckMs) {
            clock_->processWindowEvents();   // a close request sets the stop flag
            lookedAt = now = clock_->msNow();
        }
        if (deadline < now || (stop_ && *stop_)) {
            errNumber_ = reply_.isEmpty() ? 8 : 7;
            done = true;   // the rest of this turn still runs: a waiting checksum decides
        }
        if (control_->inBufferCount() == 0) {
            if (!portReady()) {
                setPortError(control_->errorString());
                break;
            }
            if (!done)
                control_->waitForInput(
                    static_cast<int>(qMin(deadline - now + 1, lookedAt + CloseRequestCheckMs - now)));
            continue;
        }
        const QByteArray got = control_->read();
        if (got.isEmpty())
            continue;
        const QChar c(static_cast<uchar>(got.at(0)));
        if (checksumNext) {
            done = true;
            const int expected = reply_.startsWith(OpenBrace) ? PrintableChecksum(reply_) : XorChecksum(reply_);
            errNumber_ = expected == c.unicode() ? 0 : 2;
            reply_ += c;
            continue;
        }
        if ((c == ETX || c == CloseBrace) && inFrame) {
            checksumNext = true;
            reply_ += c;
        } else if (c == STX || c == ACK || c == NAK || (c == OpenBrace && !reply_.startsWith(STX))) {
            reply_ = c;
            inFrame = true;
            checksumNext = false;
        } else if (inFrame) {
            reply_ += c;
        } else {
            continue;   // stray characters before any start character
        }
        if (reply_.size() > MaxReply) {
            errNumber_ = 4;
            done = true;
        }
    }

    if (errNumber_ == 0) {
        if (reply_.startsWith(NAK))
            errNumber_ = 6;
        else if (checkAddress_ && (reply_.size() < 2 || reply_.at(1) != deviceAddress_))
            errNumber_ = 1;
    }
    errNumber = errNumber_;
}

void OVLink::Clear()
{
    if (control_ && control_->isOpen())
        control_->discardInput();
}

void OVLink::setMsgTimeout(float seconds)
{
    if (!std::isfinite(seconds) || seconds >= 32767.0f)
        return;
    const double ms = std::round(static_cast<double>(seconds) * 1000.0);
    timeoutMs_ = static_cast<qint32>(qMax(0.0, ms));
}

void OVLink::setDeviceAddress(const QString& address)
{
    deviceAddress_ = address.isEmpty() ? QChar(' ') : address.at(0);
}

void OVLink::setOpenPort(bool open)
{
    if (control_)
        control_->setOpen(open);
}

void OVLink::setCommSettings(const QString& settings)
{
    commSettings_ = settings;
    if (control_ && control_->isOpen())
        control_->setSettings(settings);
}

void OVLink::setPortNumber(int n)
{
    if (n < 1 || n > 10) {
        setPortError(QStringLiteral("Invalid Port Number"));
        return;
    }
    portNumber_ = static_cast<qint16>(n);
    if (control_ && control_->isOpen())
        control_->setOpen(false);
    EnsurePortOpen();
}
