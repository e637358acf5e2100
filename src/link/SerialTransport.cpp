#include "link/SerialTransport.h"
#include "link/FrameChars.h"
#include "link/OVLink.h"
#include "platform/SerialControl.h"

bool SerialTransport::exchange(QChar address, const QString& command)
{
    if (link_.DeviceAddress() != QString(address))
        link_.setDeviceAddress(QString(address));
    qint16 err = 0;
    link_.Clear();
    link_.send(framechars::STX.unicode(), command);
    link_.Receive(err);
    return err == 0;
}

const QString& SerialTransport::reply() const { return link_.reply(); }

void SerialTransport::setReply(const QString& text) { link_.setReply(text); }

QString SerialTransport::errorText() const { return link_.ErrString(); }

bool SerialTransport::isOpen() const
{
    const ISerialControl* port = link_.commControl();
    return port && port->isOpen();
}
