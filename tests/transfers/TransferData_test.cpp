// The pure page readers shared by the log transfers: a reply's data, the "!" lines and the
// paged fault log's header, pieces and count.
#include "transfers/TransferData.h"
#include <gtest/gtest.h>

namespace {
const QString kEtx = QStringLiteral("\x03");
}

TEST(TransferData, ReplyDataLeavesOutTheFrameOnBothLinks)
{
    struct {
        QString reply, data;
    } cases[] = {
        {"\x06"
         "A4e1!e2!"
         "\x03"
         "Z",
         "4e1!e2!"},   // serial: ETX and checksum
        {"\x06"
         "A4e1!e2!"
         "\x03"
         "\r",
         "4e1!e2!"},   // TCP: ETX and CR
        {"\x06"
         "Ax"
         "\x03"
         "\r",
         "x"},
        {"\x06"
         "A"
         "\x03"
         "\r",
         ""},
        {"\x06"
         "A",
         ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplyData(c.reply), c.data) << c.reply.toStdString();
}

TEST(TransferData, BangLinesEndAtAShortLineOrTheLastBang)
{
    struct {
        QString data;
        qsizetype from;
        QStringList lines;
    } cases[] = {
        {"ab!cd!", 0, {"ab", "cd"}},
        {"4Pab!cd!ef", 2, {"ab", "cd"}},   // text after the last "!" is no line
        {"ab!x!cd!", 0, {"ab"}},           // a one-character line ends the page
        {"ab!!cd!", 0, {"ab"}},            // so does an empty one
        {"", 0, {}},
        {"abc", 0, {}},
        {"!ab!", 0, {}},
        {"ab!", 5, {}},
        {"--------------------!", 0, {"--------------------"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BangLines(c.data, c.from), c.lines) << c.data.toStdString();
}

TEST(TransferData, QFPagesTakeAtMostTenEntriesAfterAWholeHeader)
{
    const QString ten = "e0!e1!e2!e3!e4!e5!e6!e7!e8!e9!";
    struct {
        QString data;
        QStringList entries;
    } cases[] = {
        {"QF0;25;3;a!b!c!", {"a", "b", "c"}},
        {"QF0;25;3;a!b!c!!", {"a", "b", "c"}},   // closed with an empty entry
        {"QF0;25;3;a!!b!", {"a"}},               // an empty entry ends the page
        {"QF0;25;2;a!b", {"a", "b"}},            // the frame's end closes the last piece
        {"QF0;25;12;" + ten + "x!y!", {"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8", "e9"}},
        {"QF0;0;0;", {}},
        {"QF0;25;a!b!", {}},   // no third ";"
        {"QF0;a!b!", {}},
        {";1;2;a!", {}},   // the first ";" stands first
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QFPageEntries(c.data), c.entries) << c.data.toStdString();
}

TEST(TransferData, QFCountIsTheWholeNumberBetweenTheFirstTwoSemicolons)
{
    struct {
        QString data;
        int count;
    } cases[] = {
        {"QF0;25;0;", 25}, {"QF0;1000;", 1000}, {"QF0; 7 ;", 7}, {"QF0;;0;", 0},
        {"QF0;abc;0;", 0}, {"QF0;25", 0},       {"QF0", 0},      {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QFLogCount(c.data), c.count) << c.data.toStdString();
}
