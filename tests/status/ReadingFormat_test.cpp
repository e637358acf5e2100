#include "QStringPrint.h"
#include "status/ReadingFormat.h"
#include <gtest/gtest.h>

using namespace readings;

namespace {
// The box text a power reading gives, "-" when the box keeps its text.
QString shown(const std::optional<PowerText>& t) { return t ? t->text : QStringLiteral("-"); }
QString shown(const std::optional<QString>& t) { return t ? *t : QStringLiteral("-"); }
}   // namespace

TEST(ReadingFormat, ForwardPowerInDbmAndWatts)
{
    struct Case {
        const char* reading;
        const char* dBm;     // box text in the dBm display, "-" unchanged
        const char* watts;   // box text in the watts display
    };
    const Case cases[] = {
        {"65.2", "65.2", "3311.3"},
        {"47.0", "47.0", "50.1"},
        {"-12.5", "-12.5", "0.0"},
        {"<12", "< 12.0", "< 0.0"},
        {"<30", "< 30.0", "< 1.0"},
        {"<", "< 0.0", "< 0.0"},   // nothing after the mark counts as 0
        {"", "-", "-"},            // no reading: the last good value stays
        {"6x.2", "-", "-"},        // not a number: the box keeps its value
        {"-", "-", "-"},
        {"1e39", "-", "-"},      // beyond single precision: never a wrapped number
        {"500", "500.0", "-"},   // its watts would not fit single precision
        {"<1e39", "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown(ForwardPowerText(c.reading, false)), c.dBm) << c.reading;
        EXPECT_EQ(shown(ForwardPowerText(c.reading, true)), c.watts) << c.reading;
    }
}

TEST(ReadingFormat, PowerTextKeepsTheUnroundedPowerBehindIt)
{
    const auto fwd = ForwardPowerText("<12.34", true);
    ASSERT_TRUE(fwd);
    EXPECT_FLOAT_EQ(fwd->dBm, 12.34f);
    const auto rev = ReversePowerText("<5", 3.3f, false);
    ASSERT_TRUE(rev);
    EXPECT_EQ(rev->text, "< 3.3");
    EXPECT_FLOAT_EQ(rev->dBm, 3.3f);
}

TEST(ReadingFormat, ReversePowerUnderRangeShowsTheBandMinimum)
{
    struct Case {
        const char* reading;
        float bandMin;
        const char* dBm;
        const char* watts;
    };
    const Case cases[] = {
        {"1.2", 0.1f, "1.2", "0.0"},
        {"27.0", 0.1f, "27.0", "0.5"},
        {"<5", 0.1f, "< 0.1", "< 0.0"},   // minimum above 0: the minimum stands in
        {"<5", 30.0f, "< 30.0", "< 1.0"},
        {"<5", 0.0f, "< 5.0", "< 0.0"},   // minimum 0 or less: the number after the mark
        {"<5", -3.0f, "< 5.0", "< 0.0"},
        {"10<5", 8.0f, "< 5.0", "< 0.0"},   // a number before the mark at or above the minimum
        {"10<5", 12.0f, "< 12.0", "< 0.0"},
        {"", 0.1f, "-", "-"},
        {"1.2.3", 0.1f, "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown(ReversePowerText(c.reading, c.bandMin, false)), c.dBm) << c.reading << " " << c.bandMin;
        EXPECT_EQ(shown(ReversePowerText(c.reading, c.bandMin, true)), c.watts) << c.reading << " " << c.bandMin;
    }
}

TEST(ReadingFormat, TemperatureBoxes)
{
    struct Case {
        const char* name;
        qint16 t;
        const char* second;
        bool inlet;
        const char* txtTemp;    // "-" unchanged
        const char* txtTemp2;   // "-" unchanged
    };
    const Case cases[] = {
        {"single sensor", 35, "", false, "35", "-"},
        {"dual tube", 35, "31", false, "35, 31", "-"},
        {"dual tube, second with blanks", 35, " 31 ", false, "35, 31", "-"},
        {"inlet readout", 35, "28.5", true, "35", "28.5"},
        {"inlet readout without a second value", 35, "", true, "35", "-"},
        {"negative", -12, "-5", false, "-12, -5", "-"},
        {"no reading", -125, "31", false, "-", "-"},
    };
    for (const Case& c : cases) {
        const auto t = TemperatureTextsFor(c.t, c.second, c.inlet);
        EXPECT_EQ(t ? t->txtTemp : QStringLiteral("-"), c.txtTemp) << c.name;
        EXPECT_EQ(t && t->txtTemp2 ? *t->txtTemp2 : QStringLiteral("-"), c.txtTemp2) << c.name;
    }
}

TEST(ReadingFormat, BoxFormats)
{
    EXPECT_EQ(shown(AttenuationText("10.5")), "10.5");
    EXPECT_EQ(shown(AttenuationText(" 3")), "3.0");
    EXPECT_EQ(shown(AttenuationText("0.05")), "0.1");
    EXPECT_EQ(shown(AttenuationText("")), "-");
    EXPECT_EQ(shown(AttenuationText("dB")), "-");

    EXPECT_EQ(shown(HelixHeaterText("5120")), "5120.0");
    EXPECT_EQ(shown(HelixHeaterText(" 250")), "250.0");
    EXPECT_EQ(shown(HelixHeaterText("6.30")), "6.3");
    EXPECT_EQ(shown(HelixHeaterText("")), "-");   // a field the reply did not hold
    EXPECT_EQ(shown(HelixHeaterText("\x03")), "-");
    EXPECT_EQ(shown(HelixHeaterText(0.85f)), "0.9");
    EXPECT_EQ(shown(HelixHeaterText(0.0f)), "0.0");

    EXPECT_EQ(shown(CathodeCurrentText(340)), "340");
    EXPECT_EQ(shown(CathodeCurrentText(0)), "0");
    EXPECT_EQ(shown(CathodeCurrentText(-1)), "-");
    EXPECT_EQ(shown(AnodeVoltageText(1200)), "1200");
    EXPECT_EQ(shown(AnodeVoltageText(-1)), "-");

    EXPECT_EQ(shown(RfFrequencyCaption("14250")), "14250 MHz");
    EXPECT_EQ(shown(RfFrequencyCaption("")), "-");
}
