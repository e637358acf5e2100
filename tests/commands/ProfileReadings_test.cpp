#include "ReadingProcedures.h"
#include "ReplyTable.h"
#include "support/SimUnitProfile.h"
#include <gtest/gtest.h>

// Each reading procedure gives the profile's value: the profiles and the parsers agree.
TEST(ProfileReadings, EveryReadingGivesTheProfileValue)
{
    const SimUnitProfile twta = twtaProfile();
    const SimUnitProfile sspa = sspaProfile();
    for (const ReadingCase& c : readingcases::all()) {
        for (const SimUnitProfile* profile : {&twta, &sspa}) {
            if ((profile == &twta && !c.tube) || (profile == &sspa && !c.solidState))
                continue;
            TestProgram t;
            t.replies = profile->replies;
            EXPECT_EQ(c.read(t.p()), c.expected) << c.name << (profile == &twta ? " (TWTA)" : " (SSPA)");
        }
    }
}
