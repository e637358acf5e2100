#include "commands/PartNumbers.h"
#include "commands/RemoteMessage.h"
#include "support/FakePrompts.h"
#include <gtest/gtest.h>

TEST(PartNumbers, ParseModelNumber)
{
    struct Case {
        const char* text;
        qint32 model;
        const char* partNo;   // "keep" when left as it was
    } cases[] = {
        {"Model 672-7436-005", 7436, "672-7436-005"},
        {"X672-0123-999 rest", 123, "672-0123-999"},
        {"672-7436-005", 7436, "keep"},    // at the very start: the dash rule
        {"A 672-74X6-005", 74, "keep"},    // not a part number: between the dashes
        {"A 672-7436-05", 7436, "keep"},   // too short for the pattern
        {"X--5", 0, "keep"},               // adjacent dashes
        {"Type-42", 42, "keep"},           // a lone dash: all after it
        {"Type-12.5-x", 12, "keep"},       // rounded (ties to even)
        {"Type-13.5-x", 14, "keep"},
        {"Type-99999999999-1", 0, "keep"},   // outside the 32-bit range
        {"-7436-005", 0, "keep"},            // a dash at position 1
        {"no part number", 0, "keep"},
        {"", 0, "keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString partNo = "keep";
        EXPECT_EQ(ParseModelNumber(c.text, partNo), c.model);
        EXPECT_EQ(partNo, c.partNo);
    }
}

TEST(PartNumbers, ValidatePartNumber)
{
    struct Case {
        const char* text;
        const char* shortForm;
    } cases[] = {
        {"672-7436-005", "7436005"},
        {"  672-7436-005  ", "7436005"},   // trimmed before the groups are taken
        {" 7436005 ", "7436005"},
        {"672-7436-05", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FakePrompts prompts;
        EXPECT_EQ(ValidatePartNumber(prompts, c.text), c.shortForm);
        if (QString(c.shortForm).isEmpty()) {
            ASSERT_EQ(prompts.boxes.size(), 1);
            EXPECT_EQ(prompts.boxes[0].text, "Invalid Part Number or format:xxx-xxxx-xxx");
            EXPECT_EQ(prompts.boxes[0].title, "Parameter Error");
            EXPECT_EQ(prompts.boxes[0].icon, PromptIcon::Exclamation);
        } else {
            EXPECT_TRUE(prompts.boxes.isEmpty());
        }
    }
}

TEST(PartNumbers, DecodeVersionLetters)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"E.CE", "4.24"}, {"B.J", "1.9"}, {"b.j", "1.9"}, {"1.0", "."},
                 {"5.2A", ".0"},   {"K.Z", "."},   {"", ""},       {"AJ", "09"}};
    for (const Case& c : cases)
        EXPECT_EQ(DecodeVersionLetters(c.in), c.out) << c.in;
}

TEST(RemoteMessage, ShowsTheOneBox)
{
    FakePrompts prompts;
    ShowNotInRemoteMsg(prompts);
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].text, "Not in Remote Mode");
    EXPECT_EQ(prompts.boxes[0].title, "Communication Error");
    EXPECT_EQ(prompts.boxes[0].icon, PromptIcon::Exclamation);
}
