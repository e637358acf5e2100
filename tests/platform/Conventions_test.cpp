#include "platform/Conventions.h"
#include <gtest/gtest.h>

using namespace conv;

TEST(Conventions, FormatPatterns)
{
    struct Case {
        double v;
        const char* pattern;
        const char* out;
    };
    const Case cases[] = {
        {27.6, "##0", "28"},
        {5, "#0.0", "5.0"},
        {14250, "####0", "14250"},
        {47.0, "##0.0", "47.0"},
        {0.05, "#0.0", "0.1"},
        {0.25, "#0.0", "0.3"},
        {-0.25, "#0.0", "-0.3"},
        {-0.04, "#0.0", "0.0"},
        {2.5, "##0", "3"},
        {-2.5, "##0", "-3"},
        {1.005, "#0.00", "1.01"},
        {5.25, "##0.0######", "5.25"},
        {5, "##0.0######", "5.0"},
        {0.1234567891, "##0.0######", "0.1234568"},
        {999.95, "##0.0", "1000.0"},
        {0, "##0.0", "0.0"},
        {1e20, "##0", "100000000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.v, c.pattern), QString(c.out)) << c.v << " " << c.pattern;
    EXPECT_EQ(FormatText("", "##0.0"), "");
    EXPECT_EQ(FormatText("12.34", "##0.0"), "12.3");
    EXPECT_EQ(FormatText("abc", "##0.0"), "abc");
}

TEST(Conventions, ValReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        double v;
    };
    const Case cases[] = {
        {"12.5\x03", 12.5}, {"  -7 dB", -7}, {"1 2 3", 123}, {"1.5E2x", 150}, {"1e", 1}, {"abc", 0},  {"", 0},
        {".5", 0.5},        {"+3", 3},       {"1.2.3", 1.2}, {"\t4\n2", 42},  {"-", 0},  {"&H10", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.v) << c.text;
}

TEST(Conventions, IntegerConversionRoundsToEvenAndChecksRange)
{
    EXPECT_EQ(ToInteger(12.5), qint16(12));
    EXPECT_EQ(ToInteger(13.5), qint16(14));
    EXPECT_EQ(ToInteger(-2.5), qint16(-2));
    EXPECT_EQ(ToInteger(32767.4), qint16(32767));
    EXPECT_FALSE(ToInteger(32767.6));
    EXPECT_FALSE(ToInteger(40000));
    EXPECT_EQ(ToInteger(-32768), qint16(-32768));
    EXPECT_FALSE(ToLong(3e9));
    EXPECT_EQ(ToLong(2147483647.0), 2147483647);
}

TEST(Conventions, NumericTest)
{
    const char* yes[] = {"1", " 12 ", "-3.5", "+.5", "5.", "1e3", "2.5E-2", "0"};
    const char* no[] = {"", "    ", "1.2.3", "&H10", "0x10", "1e", "abc", "1 2", "--1", "."};
    for (const char* t : yes)
        EXPECT_TRUE(IsNumeric(t)) << t;
    for (const char* t : no)
        EXPECT_FALSE(IsNumeric(t)) << t;
}

// The numeric test, the number conversion and Val skip the same blanks and agree on what
// a number beyond the double range is.
TEST(Conventions, NumericTestConversionAndValAgree)
{
    struct Case {
        const char* text;
        bool numeric;
        double val;
    };
    const Case cases[] = {
        {" \t\r\n7 \r\n", true, 7},
        {"\v\v7", false, 0},
        {"\f\f7", false, 0},
        {"7\v", false, 7},
        {"\x03"
         "7",
         false, 0},
        {"1E999", false, 0},
        {"-1e999", false, 0},
        {"1E308", true, 1e308},
        {"2.5e-3", true, 0.0025},
        {"1e-999", false, 0},
        {"\t-4.5\t", true, -4.5},
    };
    for (const Case& c : cases) {
        const QString t = QString::fromLatin1(c.text);
        EXPECT_EQ(IsNumeric(t), c.numeric) << c.text;
        EXPECT_EQ(ToNumber(t).has_value(), c.numeric) << c.text;
        EXPECT_DOUBLE_EQ(Val(t), c.val) << c.text;
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(*ToNumber(t), Val(t)) << c.text;
        }
    }
}

TEST(Conventions, DateValidity)
{
    const char* yes[] = {"Nov 1 2008", "Nov  1 2008", "November 12 2008", "2/29/2008", "2008-11-01", "dec 31 1999"};
    const char* no[] = {"Nov 31 2008", "2/29/2009", "Foo 1 2008", "2008-13-01", "", "11 1 2008"};
    for (const char* t : yes)
        EXPECT_TRUE(IsDate(t)) << t;
    for (const char* t : no)
        EXPECT_FALSE(IsDate(t)) << t;
}

TEST(Conventions, DateAndTimeValidity)
{
    const char* yes[] = {
        "2026/03/14,15:09", "12/31/2025 23:59:58", "2026/3/4", "Nov 1 2008 9:05 PM", "23:59", "0:00:00",
        "12:30 am",         "2008-11-01  07:15"};
    const char* no[] = {"",
                        "  ",
                        "2026/02/30,15:09",
                        "12/31/2025 24:00",
                        "13:00 PM",
                        "15:60",
                        "2026/03/1415:09",
                        ",15:09",
                        "12/31/2025, 23:59:60",
                        "@@@@",
                        "12:3",
                        "1234:56"};
    for (const char* t : yes)
        EXPECT_TRUE(IsDateTime(t)) << t;
    for (const char* t : no)
        EXPECT_FALSE(IsDateTime(t)) << t;
}

TEST(Conventions, TextPositions)
{
    EXPECT_EQ(InStr("ABCABC", "BC"), 2);
    EXPECT_EQ(InStr("ABCABC", "BC", 3), 5);
    EXPECT_EQ(InStr("ABC", "X"), 0);
    EXPECT_EQ(InStr("ABC", "A", 0), 0);
    EXPECT_EQ(Mid("ABCDEF", 3, 2), "CD");
    EXPECT_EQ(Mid("ABC", 5), "");
    EXPECT_EQ(Mid("ABC", 2), "BC");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
}

TEST(Conventions, DecimalIPv4IsThePlainDecimalForm)
{
    struct Case {
        const char* text;
        const char* plain;
    };   // "" = not an address
    const Case cases[] = {
        {"192.168.001.010", "192.168.1.10"},
        {"010.000.000.001", "10.0.0.1"},
        {"10.0.0.254", "10.0.0.254"},
        {" 10.0. 0.1 ", "10.0.0.1"},
        {"10.0.0.256", ""},
        {"10.0.0", ""},
        {"0x7f.0.0.1", ""},
        {"unit.local", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        const std::optional<QString> plain = DecimalIPv4(c.text);
        EXPECT_EQ(plain.value_or(QString()), QString(c.plain)) << c.text;
    }
}
