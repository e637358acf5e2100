#include "transfers/CalTables.h"
#include "link/FrameChars.h"
#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"
#include "platform/Conventions.h"
#include <QLocale>

const CalTableKind RfCalTable{
    "YFC",
    "YFF",
    "YFI",
    "YFS",
    "YFA",
    769,
    3.0f,
    2,
    "Rf Cal Table Download",
    "RF Cal Table Upload",
    "Retrieving RF Cal file...",
    "Sending RF Cal file...",
    "RF Power Cal File",
};

const CalTableKind AtnCalTable{
    "YAC",
    "YAF",
    "YAI",
    "YAS",
    "YAA",
    601,
    5.0f,
    1,
    "Attenuator Cal Table Download",
    "Atten Cal Table Upload",
    "Retrieving Atn Cal File...",
    "Sending Atn Cal File...",
    "Attenuator Cal File",
};

namespace {
using framechars::ETX;
const QDate kAtnBeginSaveCutoff(2007, 11, 8);
}   // namespace

int FirstAtnLevelTenths(bool twtaUnit, bool lcBucInstalled, qint32 modelCode)
{
    return (twtaUnit && !lcBucInstalled) || modelCode == 9214 ? 0 : -40;
}

QString CalLevelText(int tenths) { return conv::FormatNumber(tenths / 10.0, QStringLiteral("00.0")); }

QString CalMarkerLine(int tenths) { return QLatin1Char('[') + CalLevelText(tenths) + QStringLiteral(" dBm]"); }

std::optional<QString> CalEntryText(const QString& reply, const QString& echo)
{
    if (reply.size() <= 4 || conv::InStr(reply, echo) != 3)
        return std::nullopt;
    const qsizetype etx = reply.indexOf(ETX, 5);
    if (etx >= 0)
        return reply.mid(5, etx - 5);
    return reply.mid(5, qMax<qsizetype>(reply.size() - 2 - 5, 0));
}

bool IsNoEntryReply(const QString& reply) { return reply.contains(QLatin1String("NO ENTRY")); }

bool TakesAtnBeginSave(bool twtaUnit, qint32 modelCode, qint32 firmwareVersion100, const QString& firmwareDate)
{
    const std::optional<QDate> date = conv::ToDate(firmwareDate);
    const bool lateDate = date && *date > kAtnBeginSaveCutoff;
    if (twtaUnit)
        return date ? lateDate : firmwareVersion100 > 545;
    if (modelCode == 5363)
        return false;
    return lateDate;
}

bool IsCalLineNumber(const QString& text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digit = false, point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

QString GetCalLineValue(const QString& line)
{
    const qsizetype p = line.indexOf(QLatin1String("dB"), 0, Qt::CaseInsensitive);
    if (p < 3)   // not found, or at the 3rd character or earlier
        return QString();
    const QString value = conv::TrimBlanks(line.left(p));
    return IsCalLineNumber(value) ? value : QString();
}

QString GetCalLineEntry(const QString& line)
{
    const QString mark = QStringLiteral("Entry#");
    const qsizetype p = line.indexOf(mark, 0, Qt::CaseInsensitive);
    if (p < 5)   // not found, or at the 5th character or earlier
        return QString();
    return line.mid(p + mark.size(), 4);
}

namespace {
// The file's header (its leading "#" lines) names `title`: a title line is "#", blanks, the title.
bool headerNames(const QString& line, const char* title)
{
    qsizetype i = 1;
    while (i < line.size() && line[i] == QLatin1Char(' '))
        ++i;
    return line.mid(i).startsWith(QLatin1String(title));
}

QString levelRangeText(int firstTenths, int lastTenths)
{
    const auto dB = [](int tenths) { return conv::FormatNumber(tenths / 10.0, QStringLiteral("0.0")); };
    return dB(firstTenths) + QStringLiteral(" to ") + dB(lastTenths);
}

bool levelInRange(const QString& value, int firstTenths, int lastTenths)
{
    bool ok = false;
    const double tenths = QLocale::c().toDouble(value, &ok) * 10.0;
    constexpr double slack = 1e-6;
    return ok && tenths >= firstTenths - slack && tenths <= lastTenths + slack;
}

CalUploadPlan refused(int line, const QString& problem) { return {{}, line, problem}; }
}   // namespace

CalUploadPlan PlanCalUpload(const QStringList& lines, const CalTableKind& kind, int firstTenths, int lastTenths)
{
    const CalTableKind& other = &kind == &RfCalTable ? AtnCalTable : RfCalTable;
    CalUploadPlan plan;
    bool inHeader = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = i + 1;
        const bool comment = line.startsWith(QLatin1Char('#'));
        inHeader = inHeader && comment;
        if (inHeader && headerNames(line, other.fileTitle))
            return refused(number, QStringLiteral("Line %1: the file is an \"%2\", not an \"%3\"; nothing was sent.")
                                       .arg(number)
                                       .arg(QLatin1String(other.fileTitle), QLatin1String(kind.fileTitle)));
        if (comment)
            continue;
        if (HoldsControlChar(line))
            return refused(number, ControlCharText(number));
        const QString value = GetCalLineValue(line);
        const QString entry = GetCalLineEntry(line);
        if (value.isEmpty() || entry.isEmpty())
            continue;
        if (!levelInRange(value, firstTenths, lastTenths))
            return refused(number, QStringLiteral("Line %1: the level %2 dB is outside the table's levels, %3 dB; "
                                                  "nothing was sent.")
                                       .arg(number)
                                       .arg(value, levelRangeText(firstTenths, lastTenths)));
        plan.writes.append({number, QString::fromLatin1(kind.writeCommand) + value + QLatin1Char(' ') + entry});
    }
    return plan;
}
