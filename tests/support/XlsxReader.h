#pragma once
// Reads back a workbook the export wrote: the sheets in order with each cell's value, type
// and format, the rows' heights and the columns' widths (unzipped with minizip, the XML
// parsed with QXmlStreamReader); texts as the spreadsheet shows them, escapes decoded.
#include <QMap>
#include <QString>
#include <optional>
#include <vector>

struct XlsxStyle {
    QString font;
    double size = 0;
    QString horizontal;   // "center", or "" (general)
    bool wrapped = false;
    QString left, right, top, bottom;   // "thick", "thin" or ""
    bool automaticColour = true;        // every edge's colour is automatic
};

struct XlsxCell {
    QString value;
    bool number = false;   // a number cell; else a shared string or blank
    XlsxStyle style;
};

struct XlsxSheet {
    QString name;
    QMap<QString, XlsxCell> cells;    // by name, "A1"
    QMap<int, double> rowHeights;     // by row number from 1, rows with a height of their own
    QMap<int, double> columnWidths;   // by column number from 1
};

// Nothing when the file is no readable workbook.
std::optional<std::vector<XlsxSheet>> ReadXlsx(const QString& path);
