// A wait for a reply sleeps in the kernel until the reply comes: a reply 200 ms late, with
// nothing else happening, costs a handful of rounds of events over loopback TCP and over a
// pseudo-terminal, not one round after another. The unit answers from its own thread, so
// that only the program's rounds are counted.
#include "link/Transaction.h"
#include "support/EventRounds.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitTcpThread.h"
#include <gtest/gtest.h>

namespace {
constexpr int LateMs = 200;
constexpr int AHandful = 10;

void answerLate(SimUnit& unit)
{
    unit.editProfile([](SimUnitProfile& p) { p.behaviour["1"].delayMs = LateMs; });
}
}   // namespace

TEST(WaitRounds, AReplyLateBy200MsOverLoopbackTcpTakesAHandfulOfRounds)
{
    SimUnit unit(twtaProfile());
    SimUnitTcpThread sim(unit);
    LoopbackTcpProgram t;
    ASSERT_TRUE(t.connectTo(sim.port()));
    ASSERT_TRUE(SendUnitCommand(t.p(), "1"));   // the connection is settled
    answerLate(unit);
    EventRounds rounds;
    ASSERT_TRUE(SendUnitCommand(t.p(), "1"));
    EXPECT_LE(rounds.count(), AHandful);
}

TEST(WaitRounds, AReplyLateBy200MsOverAPseudoTerminalTakesAHandfulOfRounds)
{
    SerialUnitProgram t(twtaProfile());
    ASSERT_TRUE(SendUnitCommand(t.p(), "1"));   // opens the port
    answerLate(t.unit);
    EventRounds rounds;
    ASSERT_TRUE(SendUnitCommand(t.p(), "1"));
    EXPECT_LE(rounds.count(), AHandful);
}
