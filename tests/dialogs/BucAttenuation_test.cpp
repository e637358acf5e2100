#include "dialogs/BucAttenuation.h"
#include <gtest/gtest.h>

using namespace buc;

TEST(BucAttenuation, StepRoundingMovesTowardZeroOnHalfDecibels)
{
    struct Case {
        float in, out;
    };
    const Case cases[] = {{1.44f, 1.0f},  {1.49f, 1.5f}, {2.96f, 3.0f}, {-1.3f, -1.0f}, {20.3f, 20.0f},
                          {20.8f, 20.5f}, {0.25f, 0.0f}, {0.35f, 0.0f}, {31.5f, 31.5f}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(AdjustResult(c.in), c.out) << c.in;
    // A tenfold outside the 16-bit range passes through unchanged.
    for (float big : {3276.8f, 5000.0f, -3276.9f})
        EXPECT_FLOAT_EQ(AdjustResult(big), big) << big;
    EXPECT_FLOAT_EQ(AdjustResult(3276.7f), 3276.5f);
}

TEST(BucAttenuation, EnterStepsTheMaximumLeavingKeepsIt)
{
    const float max = 25.3f;
    EXPECT_EQ(AttenuationText(EnteredAttenuation(30.0, max)), "25.0");
    EXPECT_EQ(AttenuationText(LeftAttenuation(30.0, max)), "25.3");
    for (auto entry : {EnteredAttenuation, LeftAttenuation}) {
        EXPECT_EQ(AttenuationText(entry(-2.0, max)), "0.0");
        EXPECT_EQ(AttenuationText(entry(2.96, max)), "3.0");
        EXPECT_EQ(AttenuationText(entry(20.8, max)), "20.5");
    }
}

TEST(BucAttenuation, SpinStepsStopAtTheFixedLimits)
{
    EXPECT_FLOAT_EQ(SteppedAttenuation(0.0f, false), 0.0f);
    EXPECT_FLOAT_EQ(SteppedAttenuation(0.5f, false), 0.0f);
    EXPECT_FLOAT_EQ(SteppedAttenuation(31.5f, true), 31.5f);
    EXPECT_FLOAT_EQ(SteppedAttenuation(31.0f, true), 31.5f);
    EXPECT_FLOAT_EQ(SteppedAttenuation(10.0f, true), 10.5f);
}
