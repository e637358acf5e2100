// The TCP data event fed any chunks, as the socket may deliver a reply in pieces.
#include "FuzzInput.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestProgram t;
    t.p().tcpTransport.reset();
    for (const QByteArray& chunk : fuzz::pieces(data, size))
        TcpDataArrived(t.p(), chunk);
    return 0;
}
