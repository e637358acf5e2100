#include "ui/EntryKeys.h"
#include "settings/LevelEntry.h"
#include "link/SharedRoutines.h"
#include "status/QStringPrint.h"
#include <gtest/gtest.h>

using namespace levels;

namespace {
const Band band{35.0f, 49.0f};
const QString dbmBox = "Value out of Range\r\n\r\nValid Range: %1 to %2 dBm";
const QString wattsBox = "Value out of Range\r\n\r\nValid Range: %1 to %2 Watts";
}   // namespace

TEST(LevelEntry, ConvertTripPowerChoosesTheUnitAndTestsTheBand)
{
    struct Case {
        float level;
        bool watts, dbmLevels;
        float value;   // -1: refused
        QString box;   // the "Range Error" text, "" for none
    };
    const Case cases[] = {
        {47.0f, false, true, 47.0f, ""},
        {36.0f, false, true, 36.0f, ""},   // minimum + 1 is in range
        {49.0f, false, true, 49.0f, ""},
        {35.5f, false, true, -1.0f, dbmBox.arg("36.0", "49.0")},
        {49.1f, false, true, -1.0f, dbmBox.arg("36.0", "49.0")},
        {41.0f, false, false, 12.589254f, ""},   // sent in watts
        {0.0f, false, true, -1.0f, ""},          // 0 or less: no box
        {-3.0f, true, true, -1.0f, ""},
        {20.0f, true, true, 20.0f, ""},                            // watts display: watts, also for dBm units
        {4.0f, true, false, 4.0f, ""},                             // 36.02 dBm
        {3.9f, true, false, -1.0f, wattsBox.arg("4.0", "79.4")},   // 35.91 dBm
        {80.0f, true, true, -1.0f, wattsBox.arg("4.0", "79.4")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.level << (c.watts ? " W" : " dBm") << (c.dbmLevels ? " dBm unit" : ""));
        const PowerCheck r = ConvertTripPower(c.level, band, c.watts, c.dbmLevels);
        EXPECT_NEAR(r.value, c.value, 1e-4);
        EXPECT_EQ(r.rangeText, c.box);
    }
}

// The watts range is the dBm range converted, tested as a level goes out (one decimal): every
// power the dBm range takes is taken as the window shows it in watts, one beyond it is refused
// in both units, the ends of the range as shown are taken, and a tenth beyond them is not.
TEST(LevelEntry, AWattsLevelIsTakenExactlyWhenItsPowerIsTakenInDbm)
{
    const Band bands[] = {band, {25.0f, 55.0f}, {10.0f, 46.5f}, {29.0f, 50.0f}, {0.1f, 50.0f}};
    for (const Band& b : bands) {
        SCOPED_TRACE(testing::Message() << b.minDbm << " to " << b.maxDbm << " dBm");
        const LevelRange watts = RangeOf(b, true);
        for (float dBm = b.minDbm + 1.0f; dBm <= b.maxDbm; dBm += 0.05f) {
            ASSERT_GT(ConvertTripPower(dBm, b, false, true).value, 0.0f) << dBm;
            const float shown = QString::number(DbmToWatts(dBm), 'f', 1).toFloat();
            if (shown >= 0.1f) {   // below, the power is shown and sent as 0.0 W
                EXPECT_GT(ConvertTripPower(shown, b, true, true).value, 0.0f) << dBm << " dBm, " << shown << " W";
            }
        }
        // A power beyond the range by more than the watts display resolves is refused in both.
        for (const float dBm : {b.minDbm, b.maxDbm + 1.0f}) {
            EXPECT_LT(ConvertTripPower(dBm, b, false, true).value, 0.0f) << dBm;
            EXPECT_LT(ConvertTripPower(DbmToWatts(dBm), b, true, true).value, 0.0f) << dBm;
        }
        const auto low = static_cast<float>(watts.low), high = static_cast<float>(watts.high);
        EXPECT_GT(ConvertTripPower(low, b, true, true).value, 0.0f);
        EXPECT_GT(ConvertTripPower(high, b, true, true).value, 0.0f);
        EXPECT_LT(ConvertTripPower(low - 0.1f, b, true, true).value, 0.0f);
        EXPECT_LT(ConvertTripPower(high + 0.1f, b, true, true).value, 0.0f);
    }
    EXPECT_EQ(RangeOf(band, false).text, dbmBox.arg("36.0", "49.0"));
    EXPECT_EQ(RangeOf(band, true).text, wattsBox.arg("4.0", "79.4"));   // 3.98 and 79.43 W
    EXPECT_EQ(RangeOf({25.0f, 55.0f}, true).text, wattsBox.arg("0.4", "316.2"));
    EXPECT_EQ(RangeOf({29.0f, 50.0f}, true).text, wattsBox.arg("1.0", "100.0"));
    EXPECT_EQ(RangeOf({10.0f, 46.5f}, true).text, wattsBox.arg("0.1", "44.7"));   // 0.013 and 44.67 W
}

TEST(LevelEntry, TripRowsAreNamedInFull)
{
    EXPECT_EQ(TripRowName(TripRow::ForwardHigh), "Forward High RF Trip");
    EXPECT_EQ(TripRowName(TripRow::ForwardLow), "Forward Low RF Trip");
    EXPECT_EQ(TripRowName(TripRow::Reverse), "Reverse RF Trip");
}

TEST(LevelEntry, PowerCommands)
{
    EXPECT_TRUE(DbmMode(true, false));
    EXPECT_FALSE(DbmMode(true, true));
    EXPECT_FALSE(DbmMode(false, false));
    EXPECT_EQ(TripCommand(TripRow::ForwardHigh, "Fault", true, 47.0f), "MFM47.0");
    EXPECT_EQ(TripCommand(TripRow::ForwardHigh, "Fault", false, 12.589254f), "MF12.6");
    EXPECT_EQ(TripCommand(TripRow::Reverse, "Alarm", true, 40.5f), "OAM40.5");
    EXPECT_EQ(TripCommand(TripRow::Reverse, "Disabled", true, 40.5f), "ODM40.5");
    EXPECT_EQ(TripCommand(TripRow::ForwardLow, "", false, 1258.9254f), "LD1258.9");
    EXPECT_EQ(ConstPowerCommand(true, 47.05f), "GM47.1");
    EXPECT_EQ(ConstPowerCommand(false, 20.0f), "G20.0");
    EXPECT_EQ(GoToPowerCommand(true, 45.0f), "EM45.0");
    EXPECT_EQ(ConstPowerBoxText("43.0", false), "43.0");
    EXPECT_EQ(ConstPowerBoxText("43.0", true), "20.0");
    EXPECT_EQ(ConstPowerBoxText("", false), std::nullopt);   // unanswered: the box keeps its text
}

TEST(LevelEntry, TextsSentAsTypedTakeOnlyWhatTheKeysAllow)
{
    EXPECT_EQ(AttenuationCommand("12"), "K12");
    EXPECT_EQ(AttenuationCommand("12.50"), "K12.50");
    EXPECT_EQ(AttenuationCommand(".5"), "K.5");
    for (const char* junk : {"", "-3", "1.2.3", "12a", " 12", "1e3", "."})
        EXPECT_EQ(AttenuationCommand(junk), std::nullopt) << junk;
    EXPECT_EQ(LevelValue("47.5"), 47.5f);
    EXPECT_EQ(LevelValue("4x7"), 0.0f);

    struct Count {
        const char* text;
        qint16 min;
        std::optional<qint16> sent;
    };
    for (const Count& c :
         {Count{"4095", 0, 4095}, Count{"4096", 0, {}}, Count{"2047", 2048, {}}, Count{"2048.5", 2048, 2048},
          Count{"2049.5", 2048, 2050}, Count{"", 0, {}}, Count{"99999", 0, {}}, Count{"x", 0, {}}})
        EXPECT_EQ(AtnCountEntry(c.text, c.min), c.sent) << c.text;

    struct Param {
        ParamBox box;
        const char* text;
        ParamEntry::Kind kind;
        const char* command;
    };
    const Param params[] = {
        {ParamBox::LinAmp, "4095", ParamEntry::Send, "PZ4095"},
        {ParamBox::LinAmp, "4096", ParamEntry::OutOfRange, ""},
        {ParamBox::LinAmp, "0012", ParamEntry::Send, "PZ0012"},
        {ParamBox::LinPhase, "0012", ParamEntry::Send, "Pz12"},
        {ParamBox::LinPhase, "0", ParamEntry::Send, "Pz0"},
        {ParamBox::LinAmp, "", ParamEntry::Empty, ""},
        {ParamBox::LinPhase, "1.5", ParamEntry::OutOfRange, ""},
        {ParamBox::LinAmp, "99999999999999999999", ParamEntry::OutOfRange, ""},
        {ParamBox::AtnCnt, "12.5", ParamEntry::Send, "P/12.5"},
        {ParamBox::AtnCnt, "4095.9", ParamEntry::Send, "P/4095.9"},
        {ParamBox::AtnCnt, "4096", ParamEntry::OutOfRange, ""},
        {ParamBox::AtnCnt, "", ParamEntry::Empty, ""},
        {ParamBox::AtnCnt, "-1", ParamEntry::OutOfRange, ""},
    };
    for (const Param& c : params) {
        const ParamEntry e = ParamCommand(c.box, c.text);
        EXPECT_EQ(e.kind, c.kind) << c.text;
        EXPECT_EQ(e.command, c.command) << c.text;
    }

    EXPECT_EQ(HoursCommand("123", "46"), "YH000123000046");
    EXPECT_EQ(HoursCommand("999999", "0"), "YH999999000000");
    EXPECT_EQ(HoursRefusalText("999999", "0"), "");
    const QString refused = "%1 Hours: enter a whole number from 0 to 999999.";
    for (const auto& [ps, xmt, named] :
         {std::tuple{"", "46", "PS"}, std::tuple{"1234567", "46", "PS"}, std::tuple{"12", "4.6", "Xmtr"},
          std::tuple{"12", "", "Xmtr"}, std::tuple{"x", "1234567", "PS"}}) {
        EXPECT_EQ(HoursCommand(ps, xmt), std::nullopt) << ps << " " << xmt;
        EXPECT_EQ(HoursRefusalText(ps, xmt), refused.arg(named)) << ps << " " << xmt;
    }
}

TEST(LevelEntry, SpinStepsRoundToTheValueWrittenAndKeepTheirBounds)
{
    struct Case {
        const char* text;
        bool up;
        std::optional<QString> att, downlink, linearizer;
    };
    const Case cases[] = {
        {"12.3", true, "12.4", "12.4", "13"},
        {"29.9", true, "30.0", "30.0", "31"},
        {"30.0", true, std::nullopt, "30.1", "31"},
        {"0.0", false, std::nullopt, std::nullopt, std::nullopt},
        {"0.05", false, std::nullopt, std::nullopt, std::nullopt},   // -0.05 is written -0.1
        {"0.1", false, "0.0", "0.0", std::nullopt},                  // rounds to 0: not below 0
        {"4094", true, std::nullopt, "4094.1", "4095"},
        {"4095", true, std::nullopt, "4095.1", std::nullopt},   // the boxes' own maximum
        {"5", false, "4.9", "4.9", "4"},
        {"2.5", false, "2.4", "2.4", "1"},                      // 2.5 rounds to 2 (halves to even)
        {"40000", false, "39999.9", "39999.9", std::nullopt},   // does not fit an Integer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << (c.up ? " up" : " down"));
        EXPECT_EQ(AttenuationStep(c.text, c.up, 30.0f), c.att);
        EXPECT_EQ(DownlinkStep(c.text, c.up), c.downlink);
        EXPECT_EQ(LinearizerStep(c.text, c.up), c.linearizer);
    }
    EXPECT_FLOAT_EQ(ConstPowerStep("45.0", true), 45.1f);
    EXPECT_FLOAT_EQ(ConstPowerStep("45.0", false), 44.9f);
    EXPECT_FLOAT_EQ(ConstPowerStep("", true), 0.0f);
}

TEST(EntryKeys, KeysPerBoxAndTheFocusLossesThatCount)
{
    using entry::KeyAction;
    using entry::Keys;
    struct Case {
        Keys keys;
        char16_t typed;
        KeyAction action;
    };
    const Case cases[] = {
        {Keys::Decimal, u'5', KeyAction::Pass},    {Keys::Decimal, u'.', KeyAction::Pass},
        {Keys::Decimal, u'\b', KeyAction::Pass},   {Keys::Decimal, u'\r', KeyAction::Enter},
        {Keys::Decimal, u'-', KeyAction::Discard}, {Keys::Decimal, u'a', KeyAction::Discard},
        {Keys::Decimal, 22, KeyAction::Discard},   {Keys::Digits, u'.', KeyAction::Discard},
        {Keys::Digits, u'7', KeyAction::Pass},     {Keys::Digits, u'\r', KeyAction::Enter},
        {Keys::None, u'5', KeyAction::Discard},    {Keys::None, u'\r', KeyAction::Discard},
        {Keys::Letters, u'b', KeyAction::Upper},   {Keys::Letters, u'Z', KeyAction::Pass},
        {Keys::Letters, u'5', KeyAction::Discard}, {Keys::Letters, u'@', KeyAction::Discard},
        {Keys::Letters, u'\r', KeyAction::Enter},  {Keys::Letters, u'\b', KeyAction::Pass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entry::FilterKey(c.keys, QChar(c.typed)), c.action) << int(c.keys) << " " << int(c.typed);
    for (Qt::FocusReason r : {Qt::MouseFocusReason, Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ShortcutFocusReason,
                              Qt::OtherFocusReason})
        EXPECT_TRUE(entry::LeavesBox(r)) << r;
    for (Qt::FocusReason r : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason, Qt::MenuBarFocusReason})
        EXPECT_FALSE(entry::LeavesBox(r)) << r;
}
