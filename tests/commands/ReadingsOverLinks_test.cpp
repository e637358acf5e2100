// Every reading procedure gives the simulated unit's profile value: over the scripted fake
// link, and over the real serial line on a pseudo-terminal. Time-outs are kept short (0.2 s).
#include "ReadingProcedures.h"
#include "ReplyTable.h"
#include "support/LinkedUnit.h"
#include <gtest/gtest.h>

namespace {
void checkReadings(Program& program, bool tube, const char* path)
{
    for (const ReadingCase& c : readingcases::all()) {
        if (tube ? !c.tube : !c.solidState)
            continue;
        EXPECT_EQ(c.read(program), c.expected) << c.name << (tube ? " (TWTA, " : " (SSPA, ") << path << ")";
    }
}

SimUnitProfile profileFor(bool tube) { return tube ? twtaProfile() : sspaProfile(); }
}

TEST(ReadingsOverLinks, FakeLink)
{
    for (const bool tube : {true, false}) {
        TestProgram t;
        t.replies = profileFor(tube).replies;
        checkReadings(t.p(), tube, "fake link");
    }
}

TEST(ReadingsOverLinks, SerialLine)
{
    for (const bool tube : {true, false}) {
        SerialUnitProgram s(profileFor(tube));
        checkReadings(s.p(), tube, "serial");
    }
}
