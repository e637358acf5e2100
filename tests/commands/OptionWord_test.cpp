#include "commands/OptionWord.h"
#include <gtest/gtest.h>

TEST(OptionWord, EachTestReadsItsOwnBit)
{
    struct Case {
        const char* name;
        bool (*test)(qint32);
        int bit;
    } cases[] = {
        {"HasDualTWTAOption", HasDualTWTAOption, 1},
        {"HasMultiBandOption", HasMultiBandOption, 2},
        {"HasTwoRFDetectorsOption", HasTwoRFDetectorsOption, 3},
        {"HasInvertedThermalIlokOption", HasInvertedThermalIlokOption, 4},
        {"HasTempForRevPwrOption", HasTempForRevPwrOption, 4},
        {"HasOptionBit5", HasOptionBit5, 5},
        {"HasOrvanAnalogOption", HasOrvanAnalogOption, 6},
        {"HasCalverdaneAnalogOption", HasCalverdaneAnalogOption, 7},
        {"HasLinSlopeOption", HasLinSlopeOption, 8},
        {"HasAutoClearBucOption", HasAutoClearBucOption, 9},
        {"HasProgrammableBucOption", HasProgrammableBucOption, 10},
        {"HasNoRevDetectorOption", HasNoRevDetectorOption, 12},
        {"IsMaskBit0Set", IsMaskBit0Set, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int bit = 0; bit < 32; ++bit)
            EXPECT_EQ(c.test(qint32(1u << bit)), bit == c.bit) << "bit " << bit;
        EXPECT_TRUE(c.test(-1));
        EXPECT_FALSE(c.test(0));
    }
}

TEST(OptionWord, RackIsBitZeroClear)
{
    EXPECT_TRUE(IsRackOption(0));
    EXPECT_FALSE(IsRackOption(1));
    EXPECT_TRUE(IsRackOption(0xFFFE));
    EXPECT_FALSE(HasOrvanAnalogOption(qint16(0x8000)));
    EXPECT_TRUE(HasCalverdaneAnalogOption(128));
    EXPECT_TRUE(HasNoRevDetectorOption(4096));
}
