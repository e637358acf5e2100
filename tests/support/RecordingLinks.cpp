#include "support/RecordingLinks.h"

bool RecordingSerial::write(const QByteArray& data)
{
    sent_(data);
    return inner_.write(data);
}

RecordingTcp::RecordingTcp(ITcpSocket& inner, std::function<void(const QByteArray&)> sent)
    : inner_(inner), sent_(std::move(sent))
{
    inner_.onConnect = [this] {
        if (onConnect)
            onConnect();
    };
    inner_.onDataArrival = [this] {
        if (onDataArrival)
            onDataArrival();
    };
    inner_.onError = [this](const ErrorEvent& e) {
        if (onError)
            onError(e);
    };
}

bool RecordingTcp::send(const QByteArray& data)
{
    sent_(data);
    return inner_.send(data);
}
