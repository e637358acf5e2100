#include "settings/ControlCommands.h"
#include "status/QStringPrint.h"
#include <QLocale>
#include <gtest/gtest.h>

using namespace controls;

TEST(ControlCommands, WaveguideCommands)
{
    EXPECT_EQ(WaveguideCfgCommand("6 - Standalone w/load"), QString("PC6"));
    EXPECT_EQ(WaveguideCfgCommand("0 - None"), QString("PC0"));
    EXPECT_EQ(WaveguideCfgCommand(""), std::nullopt);
    const struct {
        int sw;
        const char* entry;
        std::optional<QString> command;
    } cases[] = {
        {1, "A", "U1"},        {1, "B", "U0"},         {2, "A", "U3"},         {2, "B", "U2"},
        {1, "", std::nullopt}, {2, "a", std::nullopt}, {3, "A", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WaveguideSwitchCommand(c.sw, c.entry), c.command) << c.sw << c.entry;
}

TEST(ControlCommands, ConstantPowerStartsFromTheReadingUnlessUnderRange)
{
    EXPECT_FLOAT_EQ(ConstPowerStartLevel("45.5", "40"), 45.5f);
    EXPECT_FLOAT_EQ(ConstPowerStartLevel(" 45.5", ""), 45.5f);
    EXPECT_FLOAT_EQ(ConstPowerStartLevel("< 30.0", "44.5"), 44.5f);
    EXPECT_FLOAT_EQ(ConstPowerStartLevel("< 30.0", ""), 0.0f);
    EXPECT_FLOAT_EQ(ConstPowerStartLevel("<", "4x"), 0.0f);   // not a plain number: refused as 0
}

TEST(ControlCommands, RfFrequencyEntry)
{
    const struct {
        const char* answer;
        std::optional<QString> sent;
    } cases[] = {
        {"14250.4", "14250"},        {"14250.5", "14251"},    {" 27500 ", "27500"},     {"1.425e4", "14250"},
        {"", std::nullopt},          {"abc", std::nullopt},   {"14,250", std::nullopt}, {"&H3000", std::nullopt},
        {"14250 MHz", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RfFrequencyEntry(c.answer), c.sent) << c.answer;
}

TEST(ControlCommands, ClockTextIsTheSameOnEveryLocale)
{
    const QLocale saved;
    for (const char* name : {"en_US", "de_DE", "ar_EG", "fa_IR"}) {
        QLocale::setDefault(QLocale(name));
        EXPECT_EQ(UnitClockText(QDateTime(QDate(2026, 3, 4), QTime(21, 5, 59))), "2026/03/04,21:05") << name;
    }
    QLocale::setDefault(saved);
}

TEST(ControlCommands, AddressLetterAndCommand)
{
    const struct {
        const char* text;
        std::optional<QChar> letter;
    } cases[] = {
        {"B", QChar('B')},   {"z", QChar('Z')},   {"", std::nullopt},  {"AB", std::nullopt},
        {"1", std::nullopt}, {"@", std::nullopt}, {"[", std::nullopt}, {"\xc3\xa9", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddressLetter(QString::fromUtf8(c.text)), c.letter) << c.text;
    EXPECT_EQ(AddressLetter(QString(QChar(0x0131))), std::nullopt);   // dotless i is no "I"
    EXPECT_EQ(AddressCommand(true, "4", "T", 'C'), "XR4TC");
    EXPECT_EQ(AddressCommand(false, "4", "T", 'C'), "XAC");
}

TEST(ControlCommands, TheLinkFollowsTheAddressOnlyWhereTheUnitIs)
{
    const struct {
        const char* name;
        SettingAnswer answer;
        char wanted;
        const char* answersAt;   // the letters at which the unit answers its status
        const char* asked;       // the letters asked, in order
        char letter;
        const char* message;
    } cases[] = {
        {"taken", SettingAnswer::Taken, 'E', "", "", 'E', ""},
        {"refused", SettingAnswer::Refused, 'E', "E", "", 'D', "The unit refused the address E; it is still at D."},
        {"unanswered, at the new letter", SettingAnswer::Unanswered, 'E', "E", "E", 'E', ""},
        {"unanswered, at the old letter", SettingAnswer::Unanswered, 'E', "D", "ED", 'D', ""},
        {"unanswered, at both: the new one first", SettingAnswer::Unanswered, 'E', "DE", "E", 'E', ""},
        {"unanswered, at neither", SettingAnswer::Unanswered, 'E', "", "ED", 'D',
         "The unit could not be reached at address E or D; the program still addresses it at D."},
        {"the same letter, unanswered at it", SettingAnswer::Unanswered, 'D', "", "D", 'D',
         "The unit could not be reached at address D; the program still addresses it at D."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString asked;
        const AddressMove move = MoveAddress(c.answer, QChar(c.wanted), QChar('D'), [&](QChar at) {
            asked += at;
            return QString(c.answersAt).contains(at);
        });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(move.letter, QChar(c.letter));
        EXPECT_EQ(move.message, c.message);
    }
}

TEST(ControlCommands, ClockNotTakenTellsWhetherAResetWasDue)
{
    EXPECT_EQ(ClockNotTakenText("2026/12/11,17:15", true),
              "The unit did not take the time 2026/12/11,17:15; it was not reset.");
    EXPECT_EQ(ClockNotTakenText("2026/12/11,17:15", false), "The unit did not take the time 2026/12/11,17:15.");
}
