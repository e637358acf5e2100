#include "status/PollRules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// The tick of each answered poll from counters at 0.
std::vector<poll::Tick> Schedule(int polls)
{
    qint16 readings = 0, clock = 0;
    std::vector<poll::Tick> ticks;
    for (int i = 0; i < polls; ++i)
        ticks.push_back(poll::CountAnsweredPoll(readings, clock));
    return ticks;
}

std::vector<int> PollsWith(const std::vector<poll::Tick>& ticks, poll::Tick tick)
{
    std::vector<int> polls;
    for (size_t i = 0; i < ticks.size(); ++i)
        if (ticks[i] == tick)
            polls.push_back(static_cast<int>(i) + 1);
    return polls;
}

}   // namespace

TEST(PollRules, ReadingsEveryFourthPollClockOnThe21stAfterTheLastAndNeverTogether)
{
    const auto ticks = Schedule(130);
    const auto readings = PollsWith(ticks, poll::Tick::Readings);
    ASSERT_EQ(readings.size(), 32u);
    for (size_t i = 0; i < readings.size(); ++i)
        EXPECT_EQ(readings[i], 4 * static_cast<int>(i + 1));
    // Poll 84 is a readings tick, so that clock tick moves to 85; 106 and 127 follow.
    EXPECT_EQ(PollsWith(ticks, poll::Tick::Clock), (std::vector<int>{21, 42, 63, 85, 106, 127}));
}

TEST(PollRules, RetryBudgetOfTwoThenTheLinkIsLost)
{
    qint16 left = poll::RetryBudget;
    EXPECT_EQ(poll::SpendRetry(left), poll::Failure::RetrySpent);
    EXPECT_EQ(poll::SpendRetry(left), poll::Failure::RetrySpent);
    EXPECT_EQ(poll::SpendRetry(left), poll::Failure::LinkLost);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(poll::SpendRetry(left), poll::Failure::LinkLost);   // stays at 0, never below
    EXPECT_EQ(left, 0);
}

TEST(PollRules, HourMetersTakeOnlyZeroTo999999)
{
    for (const auto& [hours, shown] : {std::pair{0, true}, {999999, true}, {1000000, false}, {-1, false}, {123, true}})
        EXPECT_EQ(poll::HoursShown(hours), shown) << hours;
}

TEST(PollRules, DCInputReadOnModel5942FromFirmware257OrOnPicUnitsButNever5363)
{
    struct Case {
        qint32 model, fw100;
        bool pic, reads;
    };
    for (const Case& c : {Case{5942, 257, false, true}, Case{5942, 256, false, false}, Case{5942, 256, true, true},
                          Case{5363, 300, true, false}, Case{7467, 310, false, false}, Case{5806, 100, true, true}})
        EXPECT_EQ(poll::ReadsDCInput(c.model, c.fw100, c.pic), c.reads) << c.model << " " << c.fw100 << " " << c.pic;
}
