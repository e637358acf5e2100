#include "status/PowerDisplay.h"
#include <gtest/gtest.h>

using namespace PowerDisplay;

namespace {

struct SwitchCase {
    const char* text;
    std::optional<WrittenPower> written;
    const BoxFormat* format;
    bool toWatts;
    const char* expected;   // nullptr: the text stays
};

TEST(PowerDisplay, SwitchUnitConvertsEachKindOfBox)
{
    const SwitchCase cases[] = {
        {"47.0", {}, &ReadingBox, true, "50.1"},
        {"50.1", {}, &ReadingBox, false, "47.0"},
        {"< 20.0", {}, &ReadingBox, true, "< 0.1"},
        {"< 0.1", {}, &ReadingBox, false, "< 20.0"},
        {"<12", {}, &ReadingBox, true, "< 0.0"},
        {"0.0", {}, &LevelBox, false, "30.0"},   // 0 W counts as 30 dBm
        {"50.1", {}, &LevelBox, false, "47.0"},
        {"< 20.0", {}, &LevelBox, true, "0.0"},   // level boxes keep no mark: 0 dBm
        {"0.5", {}, &DriveBox, true, "0.001122"},
        {"<0.5", {}, &DriveBox, true, "< 0.001122"},
        {"0.001122", {}, &DriveBox, false, "0.5"},
        {"abc", {}, &ReadingBox, true, "0.0"},   // no number: 0 dBm
        {"", {}, &ReadingBox, true, nullptr},
        {"", {}, &DriveBox, false, nullptr},
        {"1e39", {}, &LevelBox, false, nullptr},   // beyond single precision
        {"500", {}, &ReadingBox, true, nullptr},   // watts beyond single precision
        {"1e308", {}, &ReadingBox, false, nullptr},
    };
    for (const SwitchCase& c : cases) {
        const auto r = SwitchUnit(QString::fromLatin1(c.text), c.written, *c.format, c.toWatts);
        if (!c.expected) {
            EXPECT_FALSE(r.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.text;
        EXPECT_EQ(r->text, QString::fromLatin1(c.expected)) << c.text;
    }
}

TEST(PowerDisplay, ARoundTripStartsFromTheUnroundedPowerTheProgramWrote)
{
    // 10 dBm is 0.01 W, shown "0.0"; back in dBm it must read 10.0, not 30.0.
    const auto watts = SwitchUnit(QStringLiteral("10.0"), WrittenPower{QStringLiteral("10.0"), 10.0f}, LevelBox, true);
    ASSERT_TRUE(watts);
    EXPECT_EQ(watts->text, QStringLiteral("0.0"));
    EXPECT_FLOAT_EQ(watts->dBm, 10.0f);
    const auto dBm = SwitchUnit(watts->text, *watts, LevelBox, false);
    ASSERT_TRUE(dBm);
    EXPECT_EQ(dBm->text, QStringLiteral("10.0"));

    const auto under =
        SwitchUnit(QStringLiteral("< 12.0"), WrittenPower{QStringLiteral("< 12.0"), 12.0f}, ReadingBox, true);
    ASSERT_TRUE(under);
    EXPECT_EQ(under->text, QStringLiteral("< 0.0"));
    EXPECT_EQ(SwitchUnit(under->text, *under, ReadingBox, false)->text, QStringLiteral("< 12.0"));

    // Once the operator has typed over it, the box converts from its own text.
    const auto typed = SwitchUnit(QStringLiteral("5.0"), WrittenPower{QStringLiteral("0.0"), 10.0f}, LevelBox, false);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, QStringLiteral("37.0"));

    // The same text written in the other unit is another power: 0.5 W is 27 dBm, not 0.5 dBm.
    const auto otherUnit =
        SwitchUnit(QStringLiteral("0.5"), WrittenPower{QStringLiteral("0.5"), 0.5f, false}, DriveBox, false);
    ASSERT_TRUE(otherUnit);
    EXPECT_EQ(otherUnit->text, QStringLiteral("26.99"));
    const auto typedInDbm =
        SwitchUnit(QStringLiteral("50.1"), WrittenPower{QStringLiteral("50.1"), 47.0f, true}, LevelBox, true);
    ASSERT_TRUE(typedInDbm);
    EXPECT_EQ(typedInDbm->text, QStringLiteral("102.3"));
}

TEST(PowerDisplay, DrivePowerSupportedByFirmwareOrModel)
{
    EXPECT_TRUE(DrivePowerSupportedBy(QStringLiteral("672-7415-007"), 1234));
    for (const qint32 model : {7436, 7467, 5384})
        EXPECT_TRUE(DrivePowerSupportedBy(QStringLiteral("672-1111-001"), model)) << model;
    EXPECT_FALSE(DrivePowerSupportedBy(QStringLiteral("672-7415-008"), 7415));
    EXPECT_FALSE(DrivePowerSupportedBy(QString(), -1));
}

}   // namespace
