#pragma once
// An in-memory link to a scripted unit: each command is answered from `replies` (or
// `naks`) with a serial frame or, with `lines` set, a TCP line built from the reply's data,
// from `raw` as given, or not at all. While it lives it carries every command of the context it was given.
#include "link/LinkContext.h"
#include "link/TcpTransport.h"
#include "link/UnitTransport.h"
#include "support/UnitFrames.h"
#include <QByteArrayList>
#include <QMap>

class FakeTransport final : public UnitTransport {
public:
    explicit FakeTransport(LinkContext& p) : p_(p) { p_.transportStandIn = this; }
    ~FakeTransport() override
    {
        p_.transportStandIn = nullptr;
        if (p_.txn.Carrier == this)
            p_.txn.Carrier = &p_.serialTransport;
    }
    FakeTransport(const FakeTransport&) = delete;
    FakeTransport& operator=(const FakeTransport&) = delete;

    QMap<QByteArray, QByteArray> replies;            // command -> data of the unit's ACK reply
    QMap<QByteArray, QByteArray> naks;               // command -> data of a NAK reply
    QMap<QByteArray, QByteArray> raw;                // command -> the whole reply as it comes
    bool lines = false;                              // replies come as TCP lines, not serial frames
    QString error = QStringLiteral("No Response");   // what a failure's box says ("" = none)
    QByteArrayList commands;                         // every command sent, in order
    QString addresses;                               // the address each went to

    bool exchange(QChar address, const QString& command) override
    {
        const QByteArray key = command.toLatin1();
        commands << key;
        addresses += address;
        const char a = static_cast<char>(address.unicode());
        const auto build = [this, a](const QByteArray& data, char start) {
            return QString::fromLatin1(lines ? unitframes::tcpReply(a, data, start)
                                             : unitframes::serialReply(a, data, start));
        };
        if (raw.contains(key)) {
            reply_ = QString::fromLatin1(raw.value(key));
            return reply_.startsWith(QChar(unitframes::ACK));
        }
        if (replies.contains(key))
            reply_ = build(replies.value(key), unitframes::ACK);
        else if (naks.contains(key))
            reply_ = build(naks.value(key), unitframes::NAK);
        else
            reply_.clear();
        return replies.contains(key);
    }
    const QString& reply() const override { return reply_; }
    QString replyAsFrame() const override { return lines ? TcpLineAsFrame(reply_) : reply_; }
    void setReply(const QString& text) override { reply_ = text; }
    void reset() override { reply_.clear(); }
    QString errorText() const override { return error; }
    bool isOpen() const override { return true; }

private:
    LinkContext& p_;
    QString reply_;
};
