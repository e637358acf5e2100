#pragma once
#include <QChar>
#include <QString>

// One link to the unit as the command transaction sees it: send one command, wait for its
// reply and keep that reply until the next one. The serial line and the TCP connection each
// implement it and own their reply and receive state.
class UnitTransport {
public:
    virtual ~UnitTransport() = default;

    // Sends `command` to the unit at `address` and waits for its reply; true for a good one
    // (a checked frame on the serial line, a line starting with ACK over TCP).
    virtual bool exchange(QChar address, const QString& command) = 0;
    // The last reply as it came: a serial frame (start character through checksum) or a
    // TCP line through its CR. Empty when none came.
    virtual const QString& reply() const = 0;
    // The last reply in the serial frame's form, whichever link carried it.
    virtual QString replyAsFrame() const = 0;
    // Replaces the last reply (cleared before each transaction, or a saved one put back).
    virtual void setReply(const QString& text) = 0;
    // Forgets the last reply and any part of one received so far.
    virtual void reset() = 0;
    // What the error box of a failed exchange says; empty when this link shows none.
    virtual QString errorText() const = 0;
    // The link can still carry commands: the port is open, the socket connected.
    virtual bool isOpen() const = 0;
};
