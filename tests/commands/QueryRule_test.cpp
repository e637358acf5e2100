#include "commands/QueryRule.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
Reply serialFrame(const QByteArray& data, char address = 'A')
{
    return Reply{QString::fromLatin1(unitframes::serialReply(address, data))};
}
Reply tcpLine(const QByteArray& data) { return Reply{QString::fromLatin1(unitframes::tcpReply('A', data))}; }

// A unit on the fake serial line that answers each command from a queue of replies
// (an empty entry: no answer).
void answerInTurn(TestProgram& t, QList<QByteArray> turns)
{
    t.serial.responder = [&t, turns](const QByteArray& frame) mutable -> QByteArray {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseSerialRequest(frame, address, command))
            return {};   // the line end written when the port opens
        t.commands.append(command);
        const QByteArray data = turns.isEmpty() ? QByteArray() : turns.takeFirst();
        return data.isEmpty() ? QByteArray() : unitframes::serialReply('A', data);
    };
}
}   // namespace

TEST(QueryRule, SearchesAndCutsStayInsideTheData)
{
    // Data "PBFE12" at 3..8, ETX 9, checksum 10.
    const Reply r = serialFrame("PBFE12");
    EXPECT_EQ(r.find("BFE"), 4);
    EXPECT_EQ(r.find("12"), 7);
    EXPECT_EQ(r.find("2\x03"), 0);          // an echo reaching into ETX is not there
    EXPECT_EQ(r.find("A"), 0);              // the address letter is not data
    EXPECT_EQ(r.findFromStart("APB"), 2);   // the "G?" form starts at the address
    EXPECT_EQ(r.toEnd(7), "12");
    EXPECT_EQ(r.toLastButOne(8), "2");
    EXPECT_EQ(r.fixed(7, 4), "12");
    EXPECT_FALSE(r.fixedWhole(7, 3));
    EXPECT_EQ(*r.fixedWhole(7, 2), "12");
    EXPECT_EQ(r.between(3, 7), "PBFE");
    EXPECT_EQ(r.between(7, 20), "12");
    EXPECT_EQ(r.codeAt(8), '2');
    EXPECT_EQ(r.codeAt(9), -1);   // ETX
    EXPECT_EQ(r.codeAt(2), -1);   // address
    EXPECT_EQ(r.toEnd(2), "");
    EXPECT_EQ(r.fixed(9, 2), "");
}

TEST(QueryRule, TheEchoIsSoughtInTheDataOnlyWhateverTheAddress)
{
    // Replies from units whose address letter is the echo's first letter: that letter in
    // the address never starts an echo, wherever the search is asked to begin.
    struct Case {
        char address;
        QByteArray data;
        const char* echo;
        int from;   // 0: the default start
        int at;
    };
    const Case cases[] = {
        {'P', "PBFE12", "PBFE", 0, 3}, {'P', "BFE12", "PBFE", 0, 0},   // the echo's first letter missing from the data
        {'P', "BFE12", "PBFE", 1, 0},  {'P', "BFE12", "PBFE", 2, 0}, {'P', "XPBFE1", "PBFE", 0, 4},
        {'Y', "FTH12", "YFTH", 0, 0},  {'?', "12", "?", 1, 0},       {'?', "?12", "?", 2, 3},
    };
    for (const Case& c : cases) {
        const Reply r = serialFrame(c.data, c.address);
        SCOPED_TRACE(std::string(1, c.address) + c.data.toStdString() + " from " + std::to_string(c.from));
        EXPECT_EQ(c.from ? r.find(c.echo, c.from) : r.find(c.echo), c.at);
    }
}

TEST(QueryRule, UpToEtxNeedsTheEtxAfterTheStart)
{
    const Reply r = serialFrame("YFTH12");   // ETX at 9
    EXPECT_EQ(*r.upToEtx(7), "12");
    EXPECT_EQ(*r.upToEtx(8), "2");
    EXPECT_FALSE(r.upToEtx(9));
    EXPECT_FALSE(r.upToEtx(2));
    // A TCP line ends with ETX and CR: same positions.
    EXPECT_EQ(*tcpLine("YFTH12").upToEtx(7), "12");
    EXPECT_EQ(tcpLine("YFTH12").toEnd(7), "12");
}

TEST(QueryRule, FixedWidthFields)
{
    // "?" at 3, fields of 5 from 4: "F1234" "L5678" "R9", then ETX at 16.
    TestProgram t;
    const Reply r = serialFrame("?F1234L5678R9");
    ASSERT_EQ(r.find("?"), 3);
    EXPECT_EQ(r.field(3, 2, 5), "R9");
    t.p().ReplyFields.fill("old");
    EXPECT_EQ(TakeFields(t.p(), r, 3, 5, {FieldTest::Always, FieldTest::Started, FieldTest::Started}), 3);
    EXPECT_EQ(t.p().ReplyFields[2], "R9");
    t.p().ReplyFields.fill("old");
    EXPECT_EQ(TakeFields(t.p(), r, 3, 5, {FieldTest::Whole, FieldTest::Whole, FieldTest::Whole}), 2);
    EXPECT_EQ(t.p().ReplyFields[1], "L5678");
    EXPECT_EQ(t.p().ReplyFields[2], "old");
}

TEST(QueryRule, ReplyFieldsAreWrittenOnlyInsideTheTable)
{
    TestProgram t;
    t.p().ReplyFields.fill("old");
    SetReplyField(t.p(), -1, "x");
    SetReplyField(t.p(), 11, "x");
    SetReplyField(t.p(), 10, "ten");
    EXPECT_EQ(t.p().ReplyFields[10], "ten");
    EXPECT_EQ(t.p().ReplyFields[0], "old");
    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve << QString::number(i);
    EXPECT_EQ(StoreReplyFields(t.p(), twelve), 11);
    EXPECT_EQ(t.p().ReplyFields[10], "10");
    EXPECT_EQ(StoreReplyFields(t.p(), {"a", "b", "c"}, 9), 2);
    EXPECT_EQ(t.p().ReplyFields[10], "b");
}

TEST(QueryRule, SplitFieldsKeepsEmptyParts)
{
    EXPECT_TRUE(SplitFields("", ";").isEmpty());
    EXPECT_EQ(SplitFields("a;;b;", ";"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(SplitFields("x", "/"), QStringList({"x"}));
}

TEST(QueryRule, AskNeverParsesAFailedTransaction)
{
    TestProgram t;
    t.rawReplies["PBFE?"] = unitframes::serialReply('A', "PBFE12", unitframes::NAK);
    EXPECT_FALSE(Ask(t.p(), "PBFE?"));
    EXPECT_FALSE(UnitReply(t.p()).isEmpty());   // the NAK frame is there, unread
    t.replies["PBFE?"] = "PBFE12";
    t.rawReplies.clear();
    const auto r = Ask(t.p(), "PBFE?");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->toEnd(7), "12");
}

TEST(QueryRule, DoubledQueryTakesTheLastAnsweredReply)
{
    struct Case {
        QByteArray first, second;
        std::optional<QString> value;
    };
    const Case cases[] = {
        {"PBKF30", "PBKF31", "31"},
        {"PBKF30", "", "30"},   // second transaction failed: the first's reply stands
        {"", "PBKF31", "31"},
        {"", "", std::nullopt},
    };
    for (const Case& c : cases) {
        TestProgram t;
        answerInTurn(t, {c.first, c.second});
        const auto r = AskTwice(t.p(), "PBKF?");
        EXPECT_EQ(t.commands, QByteArrayList({"PBKF?", "PBKF?"}));
        EXPECT_EQ(r ? std::optional<QString>(r->toEnd(7)) : std::nullopt, c.value) << c.first.data();
    }
}

TEST(QueryRule, FallbackOnlyWhenTheFirstCommandFailed)
{
    struct Case {
        QList<QByteArray> turns;
        bool twice;
        QByteArrayList sent;
        bool answered, fromFallback;
    };
    const Case cases[] = {
        {{"PBKF30"}, false, {"PBKF?"}, true, false},
        {{"PBKXX"}, false, {"PBKF?"}, true, false},   // answered without the echo: no fallback
        {{"", ".P136 30"}, false, {"PBKF?", ".?P136"}, true, true},
        {{"", "", ".P136 30"}, true, {"PBKF?", "PBKF?", ".?P136"}, true, true},
        {{"", "PBKF30"}, true, {"PBKF?", "PBKF?"}, true, false},
        {{"", ""}, false, {"PBKF?", ".?P136"}, false, false},
    };
    for (const Case& c : cases) {
        TestProgram t;
        answerInTurn(t, c.turns);
        const auto r = AskWithFallback(t.p(), "PBKF?", ".?P136", c.twice);
        EXPECT_EQ(t.commands, c.sent);
        ASSERT_EQ(r.has_value(), c.answered);
        if (r) {
            EXPECT_EQ(r->fromFallback, c.fromFallback);
        }
    }
}

TEST(QueryRule, Conversions)
{
    EXPECT_EQ(*NumericInteger("12.5"), 12);
    EXPECT_EQ(*NumericInteger("13.5"), 14);
    EXPECT_FALSE(NumericInteger("40000"));
    EXPECT_EQ(*NumericInteger("x"), 0);
    EXPECT_FALSE(DirectInteger("x"));
    EXPECT_EQ(*DirectInteger("7"), 7);
    EXPECT_EQ(NumericFormatted("27.6\x03", "##0"), "28");
    EXPECT_EQ(NumericFormatted("5", "#0.0"), "5.0");
}
