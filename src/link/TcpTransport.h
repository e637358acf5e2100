#pragma once
#include "link/UnitTransport.h"
#include <QByteArray>

struct LinkContext;
class ITcpSocket;

// The TCP connection: each exchange sends STX address command ETX "M" CR LF and waits up to
// 15 s (less when the socket stops being connected) for the first reply line that the
// socket's data event hands over. A socket found closed, closing or in error resets the
// window's connection state (hooks); one still connecting only fails. Failures show no box.
class TcpTransport final : public UnitTransport {
public:
    static constexpr int MaxRx = 16384;

    explicit TcpTransport(LinkContext& p) : p_(p) {}

    bool exchange(QChar address, const QString& command) override;
    const QString& reply() const override { return reply_; }
    QString replyAsFrame() const override;
    void setReply(const QString& text) override { reply_ = text; }
    void reset() override;
    QString errorText() const override { return QString(); }
    bool isOpen() const override;

    // The socket's data event: collects bytes up to the first CR and hands the first line
    // over; a line longer than MaxRx is dropped whole.
    void dataArrived(const QByteArray& bytes);

    // What the data event holds for the transaction: a line handed over but not yet taken,
    // and the bytes of a line still without its CR.
    const QString& pendingLine() const { return line_; }
    qsizetype pendingBytes() const { return rx_.size(); }

private:
    void resetReceive();
    bool awaitReply(ITcpSocket& socket, qint64 deadline);

    LinkContext& p_;
    QString reply_;
    bool lineReady_ = false;
    QString line_;
    QString rx_;
    bool discarding_ = false;   // an over-long line is being dropped up to its CR
};

// A TCP reply line in the serial frame's form: its data end at the closing ETX, or at the
// CR of a line without one, and at any earlier frame byte (STX, ETX, ACK, NAK), as the
// serial receiver never lets one into the data. What follows is dropped; ETX and CR then
// stand at the last two places.
QString TcpLineAsFrame(const QString& line);
