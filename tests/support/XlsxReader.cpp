#include "support/XlsxReader.h"
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <unzip.h>

namespace {
std::optional<QByteArray> zipEntry(unzFile zip, const char* name)
{
    if (unzLocateFile(zip, name, 1) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK)
        return std::nullopt;
    QByteArray data;
    char buffer[4096];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
        data.append(buffer, n);
    unzCloseCurrentFile(zip);
    return n < 0 ? std::nullopt : std::optional<QByteArray>(data);
}

QString attr(const QXmlStreamReader& x, const char* name)
{
    return x.attributes().value(QLatin1String(name)).toString();
}

// A text as the spreadsheet shows it: each escape "_xHHHH_" is the character of that code.
QString unescaped(const QString& text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (auto it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(from, m.capturedStart() - from) + QChar(m.captured(1).toUShort(nullptr, 16));
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

// The shared strings in order; a string of several runs is their <t> texts joined.
QStringList sharedStrings(const QByteArray& xml)
{
    QStringList out;
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si"))
            out << QString();
        else if (x.isStartElement() && x.name() == QLatin1String("t") && !out.isEmpty())
            out.last() += unescaped(x.readElementText());
    }
    return out;
}

std::vector<XlsxStyle> cellStyles(const QByteArray& xml)
{
    struct Font {
        QString name;
        double size = 0;
    };
    std::vector<Font> fonts;
    std::vector<XlsxStyle> borders, xfs;   // borders: only the edges filled
    QXmlStreamReader x(xml);
    QString section, edge;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const QString n = x.name().toString();
        if (n == "fonts" || n == "borders" || n == "cellXfs" || n == "cellStyleXfs")
            section = n;
        else if (section == "fonts" && n == "font")
            fonts.emplace_back();
        else if (section == "fonts" && n == "sz")
            fonts.back().size = attr(x, "val").toDouble();
        else if (section == "fonts" && n == "name")
            fonts.back().name = attr(x, "val");
        else if (section == "borders" && n == "border")
            borders.emplace_back();
        else if (section == "borders" && (n == "left" || n == "right" || n == "top" || n == "bottom")) {
            XlsxStyle& b = borders.back();
            (n == "left" ? b.left : n == "right" ? b.right : n == "top" ? b.top : b.bottom) = attr(x, "style");
            edge = n;
        } else if (section == "borders" && n == "color" && !edge.isEmpty() && attr(x, "auto") != "1")
            borders.back().automaticColour = false;
        else if (section == "cellXfs" && n == "xf") {
            XlsxStyle s = borders.at(attr(x, "borderId").toUInt());
            const Font& f = fonts.at(attr(x, "fontId").toUInt());
            s.font = f.name;
            s.size = f.size;
            xfs.push_back(s);
        } else if (section == "cellXfs" && n == "alignment") {
            xfs.back().horizontal = attr(x, "horizontal");
            xfs.back().wrapped = attr(x, "wrapText") == "1";
        }
    }
    return xfs;
}

XlsxSheet sheet(const QString& name, const QByteArray& xml, const QStringList& strings,
                const std::vector<XlsxStyle>& styles)
{
    XlsxSheet s{name, {}, {}, {}};
    QXmlStreamReader x(xml);
    QString cell;
    bool shared = false;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto n = x.name();
        if (n == QLatin1String("col")) {
            for (int c = attr(x, "min").toInt(); c <= attr(x, "max").toInt(); ++c)
                s.columnWidths[c] = attr(x, "width").toDouble();
        } else if (n == QLatin1String("row") && !attr(x, "ht").isEmpty()) {
            s.rowHeights[attr(x, "r").toInt()] = attr(x, "ht").toDouble();
        } else if (n == QLatin1String("c")) {
            cell = attr(x, "r");
            shared = attr(x, "t") == "s";
            XlsxCell& c = s.cells[cell];
            c.style = styles.at(attr(x, "s").toUInt());   // no "s": style 0
            c.number = !shared && attr(x, "t").isEmpty();
        } else if (n == QLatin1String("v")) {
            const QString v = x.readElementText();
            s.cells[cell].value = shared ? strings.value(v.toInt()) : v;
        }
    }
    // A cell without <v> is blank, not a number.
    for (XlsxCell& c : s.cells)
        if (c.number && c.value.isEmpty())
            c.number = false;
    return s;
}
}   // namespace

std::optional<std::vector<XlsxSheet>> ReadXlsx(const QString& path)
{
    unzFile zip = unzOpen(QFile::encodeName(path).constData());
    if (!zip)
        return std::nullopt;
    const auto book = zipEntry(zip, "xl/workbook.xml");
    const auto strings = zipEntry(zip, "xl/sharedStrings.xml");
    const auto styles = zipEntry(zip, "xl/styles.xml");
    std::optional<std::vector<XlsxSheet>> out;
    if (book && styles) {
        const QStringList shared = strings ? sharedStrings(*strings) : QStringList();
        const std::vector<XlsxStyle> xfs = cellStyles(*styles);
        out.emplace();
        QXmlStreamReader x(*book);
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement() || x.name() != QLatin1String("sheet"))
                continue;
            // The writer names the sheets' parts by their order.
            const QByteArray part = "xl/worksheets/sheet" + QByteArray::number(out->size() + 1) + ".xml";
            const auto xml = zipEntry(zip, part.constData());
            if (!xml) {
                out.reset();
                break;
            }
            out->push_back(sheet(attr(x, "name"), *xml, shared, xfs));
        }
    }
    unzClose(zip);
    return out;
}
