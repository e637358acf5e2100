// The worksheet of one log: where the title, identity, heading and rows go, which fields are
// numbers, the range's format, edges, column widths and row heights.
#include "commands/UnitIdentity.h"
#include "status/QStringPrint.h"
#include "transfers/LogCsv.h"
#include "transfers/LogSheet.h"
#include <gtest/gtest.h>

using namespace logsheet;

namespace {
char edge(Edge e) { return e == Edge::Thick ? '=' : e == Edge::Thin ? '-' : '.'; }

// "A4 n 'text' =-=." : the cell, n for a number (t text), its text, and its left, right, top
// and bottom edges (= thick, - thin, . none); "A1 t 'text' default" outside the range.
QString describe(const Cell& c)
{
    const CellFormat& f = c.format;
    const QString format =
        f.boxed ? QString() + edge(f.left) + edge(f.right) + edge(f.top) + edge(f.bottom) : QStringLiteral("default");
    return CellName(c.row, c.column) + (c.number ? " n '" : " t '") + c.text + "' " + format;
}

// The cells of row 5 framed above and below, as "A5:I5".
QString headingRange(const SheetLayout& s)
{
    QStringList names;
    for (const Cell& c : s.cells)
        if (c.row == HeadingRow && c.format.top == Edge::Thick && c.format.bottom == Edge::Thick)
            names << CellName(c.row, c.column);
    return names.isEmpty() ? QString() : names.first() + ':' + names.last();
}

const QStringList Identity{"SN: 77", "IP Adr: 127.0.0.1", "RS485 Adr: 1"};
}   // namespace

TEST(LogSheet, NineTwelveAndSevenColumnLogs)
{
    UnitIdentity sspa, twta;
    twta.IsTwtaUnit = true;
    twta.UnitModelCode = 4471;
    struct Case {
        int type;
        const UnitIdentity& unit;
        QString line;
        int columns;
        const char* range;
    };
    const Case cases[] = {
        {0, sspa, " 47.5 2.1 10.5 35 E 250101 134500", 9, "A5:I5"},
        {1, twta, " 47.5 2.1 10.5 5120 250.3 6.30 35 40 250101 134500", 12, "A5:L5"},
        {4, twta, "2.55.1010452011890 2603141500", 7, "A5:G5"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.columns);
        const QString csv = GetLogCsvHeader(k.type, k.unit) + "\r\n" + ConvertLogLineToCsv(k.line, k.type) + "\r\n";
        const SheetLayout s = LayOutLogSheet("Title", Identity, csv);
        EXPECT_EQ(s.name, "Title");
        EXPECT_EQ(s.columns, k.columns);
        EXPECT_EQ(headingRange(s), k.range);
        ASSERT_EQ(s.rowHeights.size(), 3u);
        EXPECT_EQ(s.rowHeights[0].row, 3);
        EXPECT_EQ(s.rowHeights[0].height, 23);
        EXPECT_EQ(s.rowHeights[1].height, 32);
        EXPECT_EQ(s.rowHeights[2].height, 23);
        EXPECT_EQ(s.cells.size(), 1u + 3u * static_cast<size_t>(k.columns));   // A1, then the range
        const Cell& heading = s.cells[1 + static_cast<size_t>(k.columns)];
        EXPECT_EQ(describe(heading), k.type == 4 ? "A5 t 'Cathode Current' =-==" : "A5 t 'Event' =-==");
        EXPECT_EQ(s.cells[2 + static_cast<size_t>(k.columns)].text.at(0), ' ');   // leading blank kept
        const Cell& seconds = s.cells.back();
        EXPECT_EQ(describe(seconds),
                  CellName(5, k.columns - 1) + (k.type == 4 ? " n '1773500400' -=.=" : " n '1735739100' -=.="));
    }
}

TEST(LogSheet, EveryCellOfASmallSheet)
{
    const QString csv = "A, B,C\r\nFault   ,< 3.0,-2.5,.5\r\n ,1e3,7,\r\n";
    const SheetLayout s = LayOutLogSheet("Fault Log", Identity, csv);
    QStringList cells;
    for (const Cell& c : s.cells)
        cells << describe(c);
    EXPECT_EQ(cells, QStringList({
                         "A1 t 'Fault Log' default",
                         "A4 t 'SN: 77' =-=.",
                         "B4 t 'IP Adr: 127.0.0.1' --=.",
                         "C4 t 'RS485 Adr: 1' --=.",
                         "D4 t '' -==.",
                         "A5 t 'A' =-==",
                         "B5 t ' B' --==",
                         "C5 t 'C' --==",
                         "D5 t '' -=..",
                         "A6 t 'Fault   ' =-..",
                         "B6 t '< 3.0' --..",
                         "C6 n '-2.5' --..",
                         "D6 n '.5' -=..",
                         "A7 t ' ' =-.=",
                         "B7 t '1e3' --.=",
                         "C7 n '7' --.=",
                         "D7 t '' -=.=",
                     }));
    EXPECT_EQ(s.columns, 4);   // the widest row
    EXPECT_EQ(s.cells[12].value, 0.5);
    for (size_t k = 1; k < s.cells.size(); ++k)
        EXPECT_TRUE(s.cells[k].format.boxed);
    EXPECT_STREQ(FontName, "Arial");
    EXPECT_EQ(FontSize, 7);
    EXPECT_EQ(ColumnWidth, 7);
}

TEST(LogSheet, NumbersAndCellNames)
{
    for (const char* number : {"0", "42", "-3.5", "+1.", ".5", "0001"})
        EXPECT_TRUE(IsDecimalNumber(number)) << number;
    for (const char* text : {"", " 42", "42 ", "1e3", "-", ".", "1.2.3", "01-01-25", "13:45:00", "< 3.0", "0x10"})
        EXPECT_FALSE(IsDecimalNumber(text)) << text;
    EXPECT_EQ(CellName(0, 0), "A1");
    EXPECT_EQ(CellName(4, 11), "L5");
    EXPECT_EQ(CellName(9, 26), "AA10");
}
