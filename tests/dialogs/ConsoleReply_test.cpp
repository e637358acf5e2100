// The console's display rules: framing characters named, the checksum left out, long
// lines split once at 100 characters.
#include "dialogs/ConsoleReply.h"
#include <gtest/gtest.h>

namespace {

TEST(ConsoleReply, FramingCharactersAreNamedOthersAreNot)
{
    EXPECT_EQ(ControlCharName(QChar(2)), "[STX]");
    EXPECT_EQ(ControlCharName(QChar(3)), "[ETX]");
    EXPECT_EQ(ControlCharName(QChar(6)), "[ACK]");
    EXPECT_EQ(ControlCharName(QChar(21)), "[NAK]");
    for (QChar other : {QChar(0), QChar(4), QChar('A'), QChar(13)})
        EXPECT_EQ(ControlCharName(other), "") << int(other.unicode());
}

TEST(ConsoleReply, FrameShownUpToItsEtx)
{
    const struct {
        const char* frame;
        const char* shown;
    } cases[] = {
        {"\x06"
         "APX12.5\x03"
         "7F",
         "[ACK]APX12.5[ETX]"},   // checksum left out
        {"\x06"
         "APX12.5\x03"
         "7F\r\n",
         "[ACK]APX12.5[ETX]"},   // and the TCP line end
        {"\x15"
         "A\x03"
         "00",
         "[NAK]A[ETX]"},
        {"\x06"
         "A\x03\x03"
         "1",
         "[ACK]A[ETX]"},   // the first ETX ends it
        {"ZAPX1\x03"
         "00",
         "APX1[ETX]"},   // an unnamed first character dropped
        {"\x06"
         "APX12.5",
         ""},           // no ETX: an empty line
        {"\x03", ""},   // ETX searched from the second on
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatConsoleReply(QString::fromLatin1(c.frame)), QString::fromLatin1(c.shown)) << c.shown;
}

TEST(ConsoleReply, LinesLongerThanOneHundredAreSplitOnce)
{
    EXPECT_EQ(SplitConsoleLine(QString(100, 'x')), QStringList({QString(100, 'x')}));
    EXPECT_EQ(SplitConsoleLine(""), QStringList({""}));
    const QString line = QString(100, 'a') + QString(150, 'b');
    EXPECT_EQ(SplitConsoleLine(line), QStringList({QString(100, 'a'), QString(150, 'b')}));
}

}   // namespace
