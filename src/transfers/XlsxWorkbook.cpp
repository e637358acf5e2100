#include "transfers/XlsxWorkbook.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <utility>
#include <xlsxwriter.h>

namespace {
using logsheet::CellFormat;
using logsheet::Edge;

uint8_t borderStyle(Edge e) { return e == Edge::Thick ? LXW_BORDER_THICK : LXW_BORDER_THIN; }

// One libxlsxwriter format per distinct cell format, made on first use.
class Formats {
public:
    explicit Formats(lxw_workbook* book) : book_(book) {}
    lxw_format* of(const CellFormat& f)
    {
        if (!f.boxed)
            return nullptr;
        for (const auto& [key, format] : made_)
            if (key == f)
                return format;
        lxw_format* format = workbook_add_format(book_);
        format_set_font_name(format, logsheet::FontName);
        format_set_font_size(format, logsheet::FontSize);
        format_set_align(format, LXW_ALIGN_CENTER);
        format_set_text_wrap(format);
        const std::pair<Edge, void (*)(lxw_format*, uint8_t)> edges[] = {{f.left, format_set_left},
                                                                         {f.right, format_set_right},
                                                                         {f.top, format_set_top},
                                                                         {f.bottom, format_set_bottom}};
        for (const auto& [edge, set] : edges)
            if (edge != Edge::None)
                set(format, borderStyle(edge));
        made_.emplace_back(f, format);
        return format;
    }

private:
    lxw_workbook* book_;
    std::vector<std::pair<CellFormat, lxw_format*>> made_;
};

// XML holds no NUL and no control character but tab, LF and CR.
bool storable(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 || u == u'\t' || u == u'\n' || u == u'\r') && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF;
}

// A cell's text as the workbook stores it: a character it cannot hold is "?", one for one, and
// a text that reads as the workbook's escape of a character ("_x0041_") has its "_" escaped,
// so that the spreadsheet shows the text as it stands.
QByteArray cellText(const QString& text)
{
    static const QRegularExpression escapeLike(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    QString out = text;
    for (QChar& c : out)
        if (!storable(c))
            c = QLatin1Char('?');
    return out.replace(escapeLike, QStringLiteral("_x005F_")).toUtf8();
}

lxw_error writeCell(lxw_worksheet* sheet, const logsheet::Cell& c, lxw_format* format)
{
    const auto row = static_cast<lxw_row_t>(c.row);
    const auto column = static_cast<lxw_col_t>(c.column);
    if (c.number)
        return worksheet_write_number(sheet, row, column, c.value, format);
    if (c.text.isEmpty())
        return format ? worksheet_write_blank(sheet, row, column, format) : LXW_NO_ERROR;
    return worksheet_write_string(sheet, row, column, cellText(c.text).constData(), format);
}

lxw_error writeSheet(lxw_workbook* book, Formats& formats, const logsheet::SheetLayout& layout)
{
    const QByteArray name = layout.name.toUtf8();
    if (const lxw_error e = workbook_validate_sheet_name(book, name.constData()); e != LXW_NO_ERROR)
        return e;
    lxw_worksheet* sheet = workbook_add_worksheet(book, name.constData());
    if (!sheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    if (layout.columns > 0)
        if (const lxw_error e = worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(layout.columns - 1),
                                                     logsheet::ColumnWidth, nullptr);
            e != LXW_NO_ERROR)
            return e;
    for (const logsheet::RowHeight& r : layout.rowHeights)
        if (const lxw_error e = worksheet_set_row(sheet, static_cast<lxw_row_t>(r.row), r.height, nullptr);
            e != LXW_NO_ERROR)
            return e;
    for (const logsheet::Cell& c : layout.cells)
        if (const lxw_error e = writeCell(sheet, c, formats.of(c.format)); e != LXW_NO_ERROR)
            return e;
    return LXW_NO_ERROR;
}

WorkbookError errorOf(lxw_error e) { return {static_cast<int>(e), QString::fromUtf8(lxw_strerror(e))}; }

}   // namespace

std::optional<WorkbookError> WriteWorkbook(const QString& path, const std::vector<logsheet::SheetLayout>& sheets)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return errorOf(LXW_ERROR_CREATING_XLSX_FILE);
    QTemporaryFile part(QFileInfo(path).absoluteDir().filePath(QStringLiteral("XXXXXX.part")));
    if (!part.open())
        return errorOf(LXW_ERROR_CREATING_XLSX_FILE);
    part.close();
    lxw_workbook* book = workbook_new(QFile::encodeName(part.fileName()).constData());
    if (!book)
        return errorOf(LXW_ERROR_MEMORY_MALLOC_FAILED);
    Formats formats(book);
    lxw_error failed = LXW_NO_ERROR;
    for (const logsheet::SheetLayout& sheet : sheets)
        if ((failed = writeSheet(book, formats, sheet)) != LXW_NO_ERROR)
            break;
    const lxw_error closed = workbook_close(book);   // frees the workbook in every case
    if (failed == LXW_NO_ERROR)
        failed = closed;
    if (failed != LXW_NO_ERROR)
        return errorOf(failed);
    // Renamed as a plain file, so that nothing removes it afterwards; never over a file that
    // appeared meanwhile.
    const QString built = part.fileName();
    part.setAutoRemove(false);
    if (!QFile::rename(built, path)) {
        QFile::remove(built);
        return errorOf(LXW_ERROR_CREATING_XLSX_FILE);
    }
    return std::nullopt;
}
