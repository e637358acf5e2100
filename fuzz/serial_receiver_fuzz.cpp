// The serial link's receiver fed any bytes as the unit's answer to a command.
#include "FuzzInput.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApp();
    static TestProgram t;
    const QByteArray answer = fuzz::bytes(data, size);
    t.serial.responder = [&answer](const QByteArray&) { return answer; };
    SendUnitCommand(t.p(), QStringLiteral("S?"));
    SendUnitCommand(t.p(), QStringLiteral("PA10.0"), true);
    return 0;
}
