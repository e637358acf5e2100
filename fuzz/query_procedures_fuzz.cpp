// Every reading procedure of the command module on any reply: the unit answers each command
// with the input's data in a well-formed frame.
#include "FuzzInput.h"
#include "commands/ReadingProcedures.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApp();
    static TestProgram t;
    const QByteArray reply = fuzz::bytes(data, size);
    t.serial.responder = [&reply](const QByteArray&) { return unitframes::serialReply('A', reply); };
    for (const ReadingCase& c : readingcases::all())
        (void)c.read(t.p());
    return 0;
}
