#pragma once
// The layout of one log's worksheet, decided before anything is written: the title in A1,
// the unit's identity in A4 to C4, the heading in row 5 and the rows from row 6, every cell
// from A4 to the last row and the widest column in the log's format.
#include <QString>
#include <QStringList>
#include <vector>

namespace logsheet {

enum class Edge { None, Thin, Thick };

// A cell's format. `boxed` cells (the log's range) are Arial 7 regular, centred and
// wrapped, with the given edges; a cell that is not boxed has the default format.
struct CellFormat {
    bool boxed = false;
    Edge left = Edge::None, right = Edge::None, top = Edge::None, bottom = Edge::None;
    bool operator==(const CellFormat&) const = default;
};

// Rows and columns count from 0 (row 0 is row 1 of the sheet, column 0 column A).
struct Cell {
    int row = 0;
    int column = 0;
    QString text;          // written as text unless `number`
    bool number = false;   // the text reads wholly as a decimal number: written as `value`
    double value = 0;
    CellFormat format;
};

struct RowHeight {
    int row;
    double height;
};

struct SheetLayout {
    QString name;
    std::vector<Cell> cells;   // row by row, left to right; empty cells of the range included
    int columns = 0;           // columns 0 .. columns - 1 have `columnWidth`
    std::vector<RowHeight> rowHeights;
};

inline constexpr const char* FontName = "Arial";
constexpr double FontSize = 7;
constexpr double ColumnWidth = 7;
constexpr double RowHeightOfRange = 23;
constexpr double HeadingRowHeight = 32;
constexpr int IdentityRow = 3;   // row 4
constexpr int HeadingRow = 4;    // row 5

// "A1" style name of a cell.
QString CellName(int row, int column);
// A field such as "42", "-3.5" or ".5": digits with an optional sign and decimal point,
// nothing else (no blanks, no exponent).
bool IsDecimalNumber(const QString& text);

// The sheet of one log: `identity` the texts of A4, B4 and C4; `csv` the heading line and
// the converted rows, each ended by CR LF.
SheetLayout LayOutLogSheet(const QString& title, const QStringList& identity, const QString& csv);

}   // namespace logsheet
