#pragma once
#include "link/UnitTransport.h"

class OVLink;

// The serial line: each exchange clears the port's input, writes one frame and collects
// one checked reply frame (OVLink does the framing and the checks and holds the reply).
class SerialTransport final : public UnitTransport {
public:
    explicit SerialTransport(OVLink& link) : link_(link) {}

    bool exchange(QChar address, const QString& command) override;
    const QString& reply() const override;
    QString replyAsFrame() const override { return reply(); }
    void setReply(const QString& text) override;
    void reset() override { setReply(QString()); }
    QString errorText() const override;
    bool isOpen() const override;

private:
    OVLink& link_;
};
