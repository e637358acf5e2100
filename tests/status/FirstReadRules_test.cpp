#include "status/FirstReadRules.h"
#include <gtest/gtest.h>

using namespace firstread;

TEST(FirstReadRules, MinAtnCount)
{
    struct Case {
        qint32 fw100;
        bool pic, twta;
        qint32 model;
        qint16 count;
    };
    for (const Case& c :
         {Case{199, false, false, 4817, 2048}, Case{200, false, false, 4817, 0}, Case{199, true, false, 4817, 0},
          Case{199, false, true, 6316, 0}, Case{100, false, false, 5363, 0}, Case{100, false, false, 5384, 0}})
        EXPECT_EQ(MinAtnCountFor(c.fw100, c.pic, c.twta, c.model), c.count) << c.fw100 << " " << c.model;
}

TEST(FirstReadRules, MaxAttenuationInTenthsOr30)
{
    for (const auto& [tenths, dB] : {std::pair<qint16, float>{315, 31.5f}, {250, 25.0f}, {0, 30.0f}, {-1, 30.0f}})
        EXPECT_FLOAT_EQ(MaxAttenuationFrom(tenths), dB) << tenths;
}

TEST(FirstReadRules, WaveguideArcTestMenu)
{
    EXPECT_TRUE(WgArcTestShown(0x1, 6316));
    EXPECT_FALSE(WgArcTestShown(0xFFFFE, 6316));
    EXPECT_TRUE(WgArcTestShown(0, 7428));
    EXPECT_TRUE(WgArcTestShown(0, 9214));
}

TEST(FirstReadRules, UnansweredLatchIsNotLatched)
{
    EXPECT_TRUE(LatchedFrom(1));
    EXPECT_FALSE(LatchedFrom(0));
    EXPECT_FALSE(LatchedFrom(-1));
}

TEST(FirstReadRules, InletTemperatureReadoutOnA7428TwtaInsideMinus38To118)
{
    EXPECT_TRUE(ReadsInletTemperature(7428, true, "15"));
    EXPECT_FALSE(ReadsInletTemperature(7428, true, ""));
    EXPECT_FALSE(ReadsInletTemperature(7428, false, "15"));
    EXPECT_FALSE(ReadsInletTemperature(6316, true, "15"));
    for (const auto& [t, shown] :
         {std::pair{-38.0f, true}, {118.0f, true}, {119.0f, false}, {-39.0f, false}, {118.4f, true}, {-50.0f, false}})
        EXPECT_EQ(InletTemperatureShown(t), shown) << t;
}

TEST(FirstReadRules, ConstantPowerLevelInDbmAsReceivedInWattsInTheGeneralForm)
{
    struct Case {
        const char* level;
        bool watts;
        const char* text;
    };
    for (const Case& c : {Case{"47.5", false, "47.5"}, Case{"47.5", true, "56.23413"}, Case{"30.0", true, "1"},
                          Case{"0.0", true, "0.001"}, Case{"", true, ""}})
        EXPECT_EQ(ConstPowerLevelText(c.level, c.watts), QString::fromLatin1(c.text)) << c.level << " " << c.watts;
}

TEST(FirstReadRules, ObmipFromAProductPartNumberLongerThanFive)
{
    EXPECT_FALSE(ObmipFromPartNumber("29167"));
    EXPECT_TRUE(ObmipFromPartNumber("291673"));
    EXPECT_FALSE(ObmipFromPartNumber(""));
}

TEST(FirstReadRules, OnlyAWholeStatusWordIsUsed)
{
    EXPECT_TRUE(IsWholeStatusWord("DAAA"));
    EXPECT_FALSE(IsWholeStatusWord("DAA"));
    EXPECT_FALSE(IsWholeStatusWord(""));
}
