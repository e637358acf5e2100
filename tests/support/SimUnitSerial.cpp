#include "support/SimUnitSerial.h"
#include "platform/SettingsStore.h"
#include "support/UnitFrames.h"
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
qint64 nowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
}   // namespace

SimUnitSerial::SimUnitSerial(SimUnit& unit) : unit_(unit) {}

SimUnitSerial::~SimUnitSerial() { stop(); }

bool SimUnitSerial::start()
{
    if (thread_.joinable())
        return true;
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Raw line: no echo, no signal characters (ETX is ^C), no CR/LF translation.
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
    char name[128] = {};
    ::ptsname_r(master_, name, sizeof name);
    devicePath_ = QString::fromLocal8Bit(name);
    // The unit keeps its own slave descriptor open: without any, the master reads as hung up.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (::pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        closeFd(master_);
        closeFd(slave_);
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimUnitSerial::stop()
{
    if (thread_.joinable()) {
        const char c = 'q';
        [[maybe_unused]] auto n = ::write(stopPipe_[1], &c, 1);
        thread_.join();
    }
    closeFd(master_);
    closeFd(slave_);
    closeFd(stopPipe_[0]);
    closeFd(stopPipe_[1]);
}

void SimUnitSerial::mapPort(ISettingsStore& store, int n) const
{
    store.setText(QStringLiteral("SerialPorts"), QStringLiteral("COM%1").arg(n), devicePath_);
}

QByteArrayList SimUnitSerial::frames() const
{
    std::lock_guard lock(mutex_);
    return frames_;
}

void SimUnitSerial::run()
{
    char buf[512];
    for (;;) {
        pollfd fds[2] = {{stopPipe_[0], POLLIN, 0}, {master_, POLLIN, 0}};
        const nfds_t count = master_ >= 0 ? 2 : 1;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (count < 2 || !(fds[1].revents & POLLIN))
            continue;
        const ssize_t n = ::read(master_, buf, sizeof buf);
        for (ssize_t i = 0; i < n; ++i) {
            takeByte(buf[i]);
            if (master_ < 0)
                break;   // hung up while serving
        }
    }
}

void SimUnitSerial::takeByte(char c)
{
    using namespace unitframes;
    if (checksumNext_) {
        frame_ += c;
        inFrame_ = checksumNext_ = false;
        serve(frame_);
    } else if (c == STX) {
        frame_ = QByteArray(1, c);
        inFrame_ = true;
    } else if (inFrame_) {
        frame_ += c;
        checksumNext_ = (c == ETX);
    }
}

void SimUnitSerial::serve(const QByteArray& frame)
{
    const qint64 start = nowNs();
    {
        std::lock_guard lock(mutex_);
        frames_.append(frame);
    }
    char address = 0;
    QByteArray command;
    if (!unitframes::parseSerialRequest(frame, address, command)) {
        ++badFrames_;
        return;
    }
    const SimAnswer a = unit_.answer(address, command);
    if (a.how.delayMs > 0 && !pause(a.how.delayMs))
        return;
    if (a.how.kind == SimBehaviour::DropConnection) {
        hangUp();
    } else if (a.how.kind != SimBehaviour::Silent) {
        const QByteArray bytes = replyBytes(a);
        int from = 0;
        for (int cut : a.how.splitAt) {
            if (cut <= from || cut >= bytes.size())
                continue;
            if (!writeAll(bytes.mid(from, cut - from)) || !pause(a.how.pieceGapMs))
                return;
            from = cut;
        }
        if (!writeAll(bytes.mid(from)))
            return;
    }
    lastServiceNs_ = nowNs() - start;
    totalServiceNs_ += lastServiceNs_;
    ++answered_;
}

QByteArray SimUnitSerial::replyBytes(const SimAnswer& a) const
{
    using namespace unitframes;
    switch (a.how.kind) {
    case SimBehaviour::Nak:
        return serialReply(a.address, a.data, NAK);
    case SimBehaviour::BadChecksum: {
        QByteArray f = serialReply(a.address, a.data);
        f.back() = static_cast<char>(f.back() ^ 0x5A);
        return f;
    }
    case SimBehaviour::CutShort: {
        QByteArray f = serialReply(a.address, a.data);
        f.chop(2);   // neither ETX nor checksum
        return f;
    }
    case SimBehaviour::StrayBytesFirst:
        return QByteArray("\r\nxy") + serialReply(a.address, a.data);
    case SimBehaviour::NoEtx: {
        QByteArray f = serialReply(a.address, a.data + '}');
        f.chop(2);   // the ETX and its checksum
        char sum = 0;
        for (char c : f)
            sum ^= c;
        return f + sum;
    }
    default:
        return serialReply(a.address, a.data);
    }
}

bool SimUnitSerial::pause(int ms)
{
    pollfd p{stopPipe_[0], POLLIN, 0};
    const qint64 end = nowNs() + qint64(ms) * 1000000;
    for (;;) {
        const qint64 left = end - nowNs();
        if (left <= 0)
            return true;
        const int r = ::poll(&p, 1, static_cast<int>((left + 999999) / 1000000));
        if (r > 0)
            return false;
    }
}

bool SimUnitSerial::writeAll(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size() && master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        // The line is full: wait until the program reads, or until told to stop.
        pollfd fds[2] = {{stopPipe_[0], POLLIN, 0}, {master_, POLLOUT, 0}};
        ::poll(fds, 2, 100);
        if (fds[0].revents)
            return false;
    }
    return done == bytes.size();
}

void SimUnitSerial::hangUp()
{
    // Both ends of the unit's side close: the device node goes and the program's reads fail.
    closeFd(master_);
    closeFd(slave_);
}
