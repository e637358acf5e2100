#include "transfers/LogSheet.h"
#include <QRegularExpression>

namespace logsheet {
namespace {

// The range's edges: a thick frame round it, thin lines between its columns, none between
// its rows; the heading row also thick above and below, as far as the heading goes.
CellFormat rangeFormat(int row, int column, int lastRow, int columns, int headingColumns)
{
    const bool heading = row == HeadingRow && column < headingColumns;
    CellFormat f;
    f.boxed = true;
    f.left = column == 0 ? Edge::Thick : Edge::Thin;
    f.right = column == columns - 1 ? Edge::Thick : Edge::Thin;
    f.top = row == IdentityRow || heading ? Edge::Thick : Edge::None;
    f.bottom = row == lastRow || heading ? Edge::Thick : Edge::None;
    return f;
}

Cell fieldCell(int row, int column, const QString& text, const CellFormat& format)
{
    Cell c{row, column, text, false, 0, format};
    if (IsDecimalNumber(text)) {
        c.number = true;
        c.value = text.toDouble();
    }
    return c;
}

}   // namespace

QString CellName(int row, int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(row + 1);
}

bool IsDecimalNumber(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral(R"(^[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)$)"));
    return decimal.match(text).hasMatch();
}

SheetLayout LayOutLogSheet(const QString& title, const QStringList& identity, const QString& csv)
{
    QStringList lines = csv.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<QStringList> rows{identity};
    for (const QString& line : lines)
        rows.push_back(line.split(u','));
    const int headingColumns = lines.isEmpty() ? 0 : static_cast<int>(rows[1].size());
    int columns = 0;
    for (const QStringList& fields : rows)
        columns = qMax(columns, static_cast<int>(fields.size()));

    SheetLayout sheet;
    sheet.name = title;
    sheet.columns = columns;
    sheet.cells.push_back({0, 0, title, false, 0, {}});
    const int lastRow = IdentityRow + static_cast<int>(rows.size()) - 1;
    for (int row = IdentityRow; row <= lastRow; ++row) {
        const QStringList& fields = rows[static_cast<size_t>(row - IdentityRow)];
        for (int column = 0; column < columns; ++column)
            sheet.cells.push_back(fieldCell(row, column, fields.value(column),
                                            rangeFormat(row, column, lastRow, columns, headingColumns)));
        sheet.rowHeights.push_back({row, row == HeadingRow ? HeadingRowHeight : RowHeightOfRange});
    }
    return sheet;
}

}   // namespace logsheet
