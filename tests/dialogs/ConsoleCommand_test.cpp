// The console's refusal of a command the link cannot carry.
#include "dialogs/ConsoleCommand.h"
#include <gtest/gtest.h>

namespace {

TEST(ConsoleCommand, OnlyACharacterOutsideLatin1IsRefusedAndTheFirstIsNamed)
{
    const struct {
        const char* command;   // UTF-8
        const char* named;     // nullptr: sent
    } cases[] = {
        {"", nullptr},
        {"PX?", nullptr},
        {"Z\xC3\xA9\xC3\xBF", nullptr},                           // é and ÿ: Latin-1
        {"Z\xC3\xA9\xE2\x82\xAC", "\"\xE2\x82\xAC\" (U+20AC)"},   // €
        {"\xC4\x80"
         "A\xE2\x82\xAC",
         "\"\xC4\x80\" (U+0100)"},                                 // the first of two
        {"K\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\" (U+1F600)"},   // beyond the 16-bit range
    };
    for (const auto& c : cases) {
        const auto text = UnsendableCommandText(QString::fromUtf8(c.command));
        if (!c.named) {
            EXPECT_FALSE(text.has_value()) << c.command;
            continue;
        }
        ASSERT_TRUE(text.has_value()) << c.command;
        EXPECT_EQ(*text, QString::fromUtf8("The command holds %1, a character the link cannot carry; nothing was sent.")
                             .arg(QString::fromUtf8(c.named)));
    }
}

}   // namespace
