// Every reading procedure gives the simulated unit's profile value: over the scripted fake
// link, the serial line of a pseudo-terminal and a loopback TCP connection.
#include "ReadingProcedures.h"
#include "ReplyTable.h"
#include "support/LinkedUnit.h"
#include <gtest/gtest.h>
#include <tuple>

namespace {
bool answers(const ReadingCase& c, bool tube) { return tube ? c.tube : c.solidState; }

void checkReadings(Program& program, bool tube)
{
    for (const ReadingCase& c : readingcases::all())
        if (answers(c, tube)) {
            EXPECT_EQ(c.read(program), c.expected) << c.name << (tube ? " (TWTA)" : " (SSPA)");
        }
}

// The family's profile, refusing at once what it does not know (the sub-band list asks
// past the last sub-band).
SimUnitProfile profileFor(bool tube)
{
    SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
    TestProgram t;
    t.replies = profile.replies;
    for (const ReadingCase& c : readingcases::all())
        if (answers(c, tube))
            c.read(t.p());
    profile.refuseUnknown(t.commands);
    return profile;
}
}   // namespace

class ReadingsOverLinks : public testing::TestWithParam<std::tuple<UnitLink, bool>> {};

TEST_P(ReadingsOverLinks, ReturnTheProfilesValues)
{
    const auto [link, tube] = GetParam();
    RunOverLink(link, profileFor(tube), [tube = tube](Program& p) { checkReadings(p, tube); });
}

namespace {
std::string caseName(const testing::TestParamInfo<std::tuple<UnitLink, bool>>& info)
{
    return std::string(UnitLinkName(std::get<0>(info.param))) + (std::get<1>(info.param) ? "Twta" : "Sspa");
}
}   // namespace

INSTANTIATE_TEST_SUITE_P(ProfilesAndLinks, ReadingsOverLinks,
                         testing::Combine(testing::Values(UnitLink::Fake, UnitLink::Serial, UnitLink::Tcp),
                                          testing::Bool()),
                         caseName);
