#include "status/BandLists.h"
#include <gtest/gtest.h>

using namespace bands;

TEST(BandLists, SubBandListKeepsFrequenciesAboveZero)
{
    std::array<QString, 11> fields{};
    fields[0] = "21.75";
    fields[1] = "23.00";
    fields[2] = "";
    fields[3] = "31.55";
    fields[4] = "0.00";
    fields[8] = "99.00";   // beyond sub-band 8: not part of the list
    const SubBandList list = SubBandListFrom(fields);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.freqs[1], "21.75");
    EXPECT_EQ(list.freqs[2], "23.00");
    EXPECT_EQ(list.freqs[3], "");
    EXPECT_EQ(list.freqs[4], "31.55");
    EXPECT_EQ(list.freqs[5], "");
    EXPECT_EQ(list.freqs[9], "");
}

TEST(BandLists, SubBandCaptions)
{
    EXPECT_EQ(SubBandCaption(1, "21.75"), "#1   21.75 GHz");
    EXPECT_EQ(SubBandCaption(8, "31.55"), "#8   31.55 GHz");
    EXPECT_EQ(SubBandCaption(3, ""), "#3   ");
}

TEST(BandLists, CurrentSubBandShownOnlyWithAFrequencyAndANumberFrom1To8)
{
    struct Case {
        qint16 current;
        const char* freq;
        bool shown;
    };
    for (const Case& c : {Case{2, "14.25", true}, Case{2, "0.00", false}, Case{2, "", false}, Case{0, "14.25", false},
                          Case{9, "14.25", false}, Case{-1, "14.25", false}, Case{8, "31.55", true}})
        EXPECT_EQ(ShowsCurrentSubBand(c.current, c.freq), c.shown) << c.current << " " << c.freq;
}

TEST(BandLists, BandNamesAndFrequencies)
{
    EXPECT_EQ(ClassifyBandName("NOT SUPPORTED"), BandName::EndOfList);
    EXPECT_EQ(ClassifyBandName(""), BandName::Empty);
    EXPECT_EQ(ClassifyBandName("Ku"), BandName::Listed);
    EXPECT_EQ(BandFrequencyText("14.25"), "14.25");
    EXPECT_EQ(BandFrequencyText("29.5"), "29.50");
    EXPECT_EQ(BandFrequencyText(""), "");
}
