#include "commands/StatusQueries.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

TEST(StatusQueries, StatusWordReplies)
{
    struct Case {
        const char* name;
        bool legacy;
        char address;
        QByteArray data;   // empty: no answer
        bool result;
        QString f0, f1, f2;
    };
    const QString old = "old";
    const Case cases[] = {
        {"complete", false, 'A', "?ABCDEFGHIJKL", true, "ABCD", "EFGH", "IJKL"},
        {"legacy", true, 'A', "?ABCDEFGHI", true, "ABCD", "EFGH", "I"},
        {"ends after the summary", false, 'A', "?ABCD", false, "ABCD", old, old},
        {"no mark", false, 'A', "XABCDEFGHIJKL", false, old, old, old},
        {"unanswered", false, 'A', "", false, old, old, old},
        // The alarm word is cut before ETX: never frame bytes in a field.
        {"short alarm word", false, 'A', "?ABCDEFGHIJ", true, "ABCD", "EFGH", "IJ"},
        {"alarm word at ETX", false, 'A', "?ABCDEFGH", true, "ABCD", "EFGH", ""},
        {"legacy alarm at ETX", true, 'A', "?ABCDEFGH", true, "ABCD", "EFGH", ""},
        // An address "?" is not the mark.
        {"address ?", false, '?', "?ABCDEFGHIJKL", true, "ABCD", "EFGH", "IJKL"},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.unitAddress = c.address;
        t.p().unit.id.LegacyStatusQuery = c.legacy;
        const QByteArray command = c.legacy ? "?!#9" : "?!#(";
        if (!c.data.isEmpty())
            t.replies[command] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(QueryStatusWords(t.p()), c.result) << c.name;
        EXPECT_EQ(t.commands, QByteArrayList{command}) << c.name;
        EXPECT_EQ(t.p().ReplyFields[0], c.f0) << c.name;
        EXPECT_EQ(t.p().ReplyFields[1], c.f1) << c.name;
        EXPECT_EQ(t.p().ReplyFields[2], c.f2) << c.name;
        EXPECT_EQ(t.p().ReplyFields[3], old) << c.name;
    }
}

TEST(StatusQueries, UnitStatusCode)
{
    struct Case {
        QByteArray data;
        qint16 code;
    };
    const Case cases[] = {
        {"1\x44\x40", 1024},
        {"1\x7F\x41", 0x3F * 256 | 1},
        {"1", 0},   // no status characters: still an answer
        {"1\x44", 0x400},
        {"2DD", -1},   // no echo
        {"", -1},      // unanswered
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.data.isEmpty())
            t.replies["1"] = c.data;
        EXPECT_EQ(ReadUnitStatusCode(t.p()), c.code) << c.data.toHex().data();
    }
}

TEST(StatusQueries, SingleStatusWord)
{
    TestProgram t;
    t.replies["?!"] = "?ABCD";
    t.replies["?#"] = "?AB";
    t.replies["?("] = "XYZ";
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 1), "ABCD");
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 3), "AB");   // short: no ETX or checksum in it
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 2), "");     // no mark
    EXPECT_EQ(t.commands, QByteArrayList({"?!", "?#", "?("}));
    t.replies.remove("?(");
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 2), "");   // unanswered
    const auto sent = t.commands.size();
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 4), "");
    EXPECT_EQ(ReadSingleStatusWord(t.p(), 0), "");
    EXPECT_EQ(t.commands.size(), sent);
}
