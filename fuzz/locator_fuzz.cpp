// The locator's handling of a discovery reply datagram: whether it is taken, what is kept
// and how its list line reads; and the port box on any text.
#include "FuzzInput.h"
#include "link/LocatorReplies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString datagram = fuzz::text(fuzz::bytes(data, size));
    if (locator::ReplyAccepted(datagram))
        (void)locator::ListLine(QStringLiteral("127.0.0.1"), locator::ReplyText(datagram));
    (void)locator::ReplyText(datagram);
    (void)locator::ListLine(datagram, datagram);
    (void)locator::PortEntry(datagram, locator::DefaultTcpPort);
    return 0;
}
