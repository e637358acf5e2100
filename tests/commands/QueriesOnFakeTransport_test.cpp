// TransportQuery procedures of the command module on an in-memory transport: the same values from a
// serial frame and from a TCP line, failures as failures, nothing on the real links.
#include "commands/ConfigQueryTest.h"
#include "commands/IndexedQueries.h"
#include "commands/StatusQueries.h"
#include "link/Transaction.h"
#include "support/FakeTransport.h"
#include "support/TestProgram.h"
#include <functional>
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
using cfgtest::fields;
using cfgtest::text;

struct TransportQuery {
    const char* name;
    QByteArray command;
    std::function<QString(Program&)> run;
};
const TransportQuery StatusWords{"status words", "?!#(", [](Program& p) {
                                     const bool ok = QueryStatusWords(p);
                                     return text(ok) + "|" + fields(p, 3);
                                 }};
const TransportQuery StatusCode{"status code", "1", [](Program& p) { return QString::number(ReadUnitStatusCode(p)); }};
const TransportQuery Hours{"transmit hours", "?N", [](Program& p) { return QString::number(ReadTransmitHours(p)); }};
const TransportQuery Port1{"port 1 settings", "X1?", [](Program& p) {
                               const bool ok = GetUnitPortSettings(p, 1);
                               return text(ok) + "|" + fields(p, 4);
                           }};
const TransportQuery Word1{"status word 1", "?!", [](Program& p) { return ReadSingleStatusWord(p, 1); }};
}   // namespace

TEST(QueriesOnFakeTransport, FramesAndLinesGiveTheSameValues)
{
    struct Case {
        const TransportQuery& query;
        QByteArray data;   // "" = no answer
        bool nak;
        QString expected;
    };
    const Case cases[] = {
        {StatusWords, "?ABCDEFGHIJKL", false, "True|ABCD|EFGH|IJKL"},
        {StatusWords, "?ABCDEFGHIJ", false, "True|ABCD|EFGH|IJ"},   // never a frame byte in a field
        {StatusWords, "", false, "False|old|old|old"},
        {StatusWords, "?ABCDEFGHIJKL", true, "False|old|old|old"},
        {StatusCode, "1\x44\x40", false, "1024"},
        {StatusCode, "2DD", false, "-1"},
        {StatusCode, "1\x44\x40", true, "-1"},
        {Hours, "?000321", false, "321"},
        {Port1, "X1009600N81", false, "True|009600|N|8|1"},
        {Port1, "X100960N8", false, "False|old|old|old|old"},   // fields run into ETX
        {Word1, "?ABCD", false, "ABCD"},
        {Word1, "", false, ""},
    };
    for (const bool lines : {false, true}) {
        for (const Case& c : cases) {
            const std::string name =
                std::string(c.query.name) + " " + c.data.toHex().toStdString() + (lines ? " line" : " frame");
            TestProgram t;
            t.p().conn.UseEnet = lines;   // the stand-in carries the command whatever the link
            FakeTransport fake(t.p());
            fake.lines = lines;
            if (!c.data.isEmpty())
                (c.nak ? fake.naks : fake.replies)[c.query.command] = c.data;
            t.p().ReplyFields.fill(QStringLiteral("old"));
            EXPECT_EQ(c.query.run(t.p()), c.expected) << name;
            EXPECT_EQ(fake.commands, QByteArrayList{c.query.command}) << name;
            EXPECT_EQ(fake.addresses, QStringLiteral("A")) << name;
            EXPECT_TRUE(t.serial.written.isEmpty()) << name;
        }
    }
}

TEST(QueriesOnFakeTransport, ALineIsReadInTheFramesForm)
{
    // Without ETX, or with bytes after it: the data end where a serial frame's would.
    const QByteArray lines[] = {"\x06"
                                "A?ABCD\r",
                                "\x06"
                                "A?ABCD\x03xy\r"};
    for (const QByteArray& line : lines) {
        TestProgram t;
        FakeTransport fake(t.p());
        fake.lines = true;
        fake.raw["?!"] = line;
        EXPECT_EQ(ReadSingleStatusWord(t.p(), 1), "ABCD") << line.toHex().toStdString();
        EXPECT_EQ(UnitReply(t.p()), QString::fromLatin1(line));   // kept as it came
    }
}

TEST(QueriesOnFakeTransport, TheTransactionKeepsTheReplyAndShowsTheLinksError)
{
    struct Case {
        bool answered;
        QString error;
        bool showError;
        int boxes;
    };
    const Case cases[] = {
        {true, "No Response", true, 0},
        {false, "No Response", true, 1},
        {false, "No Response", false, 0},
        {false, "", true, 0},   // a link that reports its failures itself, or not at all
    };
    for (const Case& c : cases) {
        TestProgram t;
        FakeTransport fake(t.p());
        fake.error = c.error;
        if (c.answered)
            fake.replies["1"] = "1DD";
        EXPECT_EQ(SendUnitCommand(t.p(), "1", c.showError), c.answered);
        ASSERT_EQ(t.prompts.boxes.size(), c.boxes) << c.error.toStdString();
        if (c.boxes > 0) {
            EXPECT_EQ(t.prompts.boxes[0].text, c.error);
            EXPECT_EQ(t.prompts.boxes[0].title, "Communication Error");
        }
        EXPECT_EQ(UnitReply(t.p()), c.answered ? QString::fromLatin1(unitframes::serialReply('A', "1DD")) : "");
        EXPECT_TRUE(SendUnitCommand(t.p(), ""));   // an empty command clears the reply
        EXPECT_TRUE(UnitReply(t.p()).isEmpty());
    }
}
