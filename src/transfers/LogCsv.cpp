#include "transfers/LogCsv.h"
#include "commands/UnitIdentity.h"
#include "files/FileIO.h"
#include "link/SharedRoutines.h"
#include "transfers/FaultLogPaging.h"
#include <QRegularExpression>
#include <QTimeZone>
#include <array>
#include <optional>

namespace {

struct LogName {
    const char* fileName;
    const char* title;
};
constexpr std::array<LogName, 5> kParamLogs = {{
    {"plog.txt", "10-Min Log"},
    {"hlog.txt", "Hourly Log"},
    {"dlog.txt", "Daily Log"},
    {"mlog.txt", "Monthly Log"},
    {"cmlog.txt", "Cathode Current Log"},
}};
constexpr int FaultLogType = 5;

// The event name and the text whose blank-separated pieces follow it; nothing when the line
// gives no row.
struct LineParts {
    QString row;   // "<event>," or ""
    QString body;
};

// The cathode-current log's fixed columns: current, anode voltage, beam and heater hours,
// then (past one separator) the date and the time.
QString cathodeColumns(const QString& line)
{
    return line.mid(0, 3) + u' ' + line.mid(3, 3) + u' ' + line.mid(6, 6) + u' ' + line.mid(12, 6) + u' ' +
           line.mid(19, 6) + u' ' + line.mid(25);
}

std::optional<LineParts> lineParts(const QString& line, int logType)
{
    const QString head = line.left(8);
    if (head.contains(QLatin1String("SN:")))
        return LineParts{QString(), line};
    if (IsLetterChar(line.at(0).unicode()))
        return LineParts{head + u',', line.mid(9)};   // the ninth character separates
    if (logType == CathodeLogType)
        return line.size() > 26 ? std::optional<LineParts>(LineParts{QString(), cathodeColumns(line)}) : std::nullopt;
    return LineParts{QString(), line};
}

// The value pieces first..last, each with its comma; empty pieces are runs of blanks. A "<"
// alone belongs to the value after it.
QString valueFields(const QStringList& pieces, qsizetype first, qsizetype last)
{
    QString row;
    for (qsizetype k = first; k <= last; ++k) {
        const QString& piece = pieces[k];
        if (piece.isEmpty())
            continue;
        if (piece == QLatin1String("<")) {
            qsizetype next = k + 1;
            while (next <= last && pieces[next].isEmpty())
                ++next;
            if (next <= last) {
                row += piece + u' ' + pieces[next] + u',';
                k = next;
                continue;
            }
        }
        row += piece + u',';
    }
    return row;
}

// A whole number of one or two digits.
std::optional<int> twoDigits(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

// Three numbers of one or two digits separated by `separator`.
std::optional<std::array<int, 3>> threeNumbers(const QString& text, QChar separator)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (size_t k = 0; k < numbers.size(); ++k) {
        const auto n = twoDigits(parts[static_cast<qsizetype>(k)]);
        if (!n)
            return std::nullopt;
        numbers[k] = *n;
    }
    return numbers;
}

// "MM-DD-YY", month first; years 00 to 68 are 2000 to 2068, 69 to 99 are 1969 to 1999.
QDate readDate(const QString& text)
{
    const auto mdy = threeNumbers(text, u'-');
    if (!mdy)
        return {};
    const auto [month, day, year] = *mdy;
    return QDate(year <= 68 ? 2000 + year : 1900 + year, month, day);
}

// "HH:MM:SS"
QTime readTime(const QString& text)
{
    const auto hms = threeNumbers(text, u':');
    return hms ? QTime((*hms)[0], (*hms)[1], (*hms)[2]) : QTime();
}

// The seconds of a time piece: two digits, "00" when the piece has none (a four-digit time).
QString secondsText(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("00");
    const auto s = twoDigits(text);
    return s ? QString::number(*s).rightJustified(2, u'0') : text;
}

}   // namespace

int GetLogType(const QString& fileName, const QString& serialNo)
{
    for (size_t k = 0; k < kParamLogs.size(); ++k)
        if (fileName == QLatin1String(kParamLogs[k].fileName))
            return static_cast<int>(k);
    return fileName == FaultLogFileName(serialNo) ? FaultLogType : -1;
}

QString GetLogTitle(const QString& fileName, const QString& serialNo)
{
    const int type = GetLogType(fileName, serialNo);
    if (type == FaultLogType)
        return QStringLiteral("Fault Log");
    return type < 0 ? QStringLiteral("Unknown Log File")
                    : QString::fromLatin1(kParamLogs[static_cast<size_t>(type)].title);
}

QString GetLogCsvHeader(int logType, const UnitIdentity& unit)
{
    if (logType == CathodeLogType)
        return QStringLiteral("Cathode Current, Anode V, Beam Hrs, Heater Hrs, Date, Time, Date/Time in Sec");
    if (!unit.IsTwtaUnit)
        return QStringLiteral("Event, Fwd Pwr (dBm), Rev Pwr (dBm),  Atten (dB), Collector Temp (C), "
                              "RF Inhibit (E=Enabled), Date, Time, Date/Time in Sec");
    const qint32 model = unit.UnitModelCode;
    const bool bucTemp = model == 4471 || model == 4487 || model == 4491;
    return QStringLiteral("Event, RF Out (dBm), Rev Pwr (dBm), Atten. (dB), Helix V (KV), Helix I (mA), Heater (V), "
                          "Collector Temp (C), ") +
           (bucTemp ? QStringLiteral("BUC Temp. (C)") : QStringLiteral("RF Inhibit (E=Enabled)")) +
           QStringLiteral(", Date, Time, Date/Time in Sec");
}

QString GetExcelColumnLetter(int number)
{
    return number >= 1 && number <= 15 ? QString(QChar(u'A' + (number - 1))) : QString();
}

QString ConvertLogLineToCsv(const QString& line, int logType)
{
    if (line.isEmpty())
        return QString();
    const std::optional<LineParts> parts = lineParts(line, logType);
    if (!parts)
        return QString();
    QString row = parts->row;
    const QStringList pieces = parts->body.split(u' ');
    const qsizetype last = pieces.size() - 1;
    const auto piece = [&pieces](qsizetype k) { return k >= 0 && k < pieces.size() ? pieces[k] : QString(); };
    qsizetype first = 0;
    if (pieces[0].isEmpty()) {
        if (row.isEmpty())
            row = QStringLiteral(" ,");   // no event: its column stays empty
        first = 1;
    } else if (pieces[0].contains(QLatin1String("SN:"))) {
        return row + pieces[0] + u' ' + piece(1);
    }
    row += valueFields(pieces, first, last - 2);

    QDate date;
    if (const QString ymd = piece(last - 1); !ymd.isEmpty()) {
        const QString text = ymd.mid(2, 2) + u'-' + ymd.mid(4, 2) + u'-' + ymd.mid(0, 2);
        row += text + u',';
        date = readDate(text);
    }
    QTime time(0, 0);
    if (const QString hms = piece(last); !hms.isEmpty()) {
        const QString text = hms.mid(0, 2) + u':' + hms.mid(2, 2) + u':' + secondsText(hms.mid(4, 2));
        row += text + u',';
        if (const QTime read = readTime(text); read.isValid())
            time = read;
    }
    if (date.isValid())
        if (const auto seconds = DateToUnixSeconds(QDateTime(date, time, QTimeZone::utc())))
            row += QString::number(*seconds);
    return row;
}

QString ReadLogFileAsCsv(const QString& path, int logType, const UnitIdentity& unit)
{
    FileIO io;
    if (!io.OpenCSVFile(path, true))
        return QString();
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = GetLogCsvHeader(logType, unit) + lineEnd;
    while (!io.AtEndOfFile()) {
        const QString line = io.ReadNextLine();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u'-'))
            continue;
        const QString row = ConvertLogLineToCsv(line, logType);
        if (!row.isEmpty())
            text += row + lineEnd;
    }
    io.CloseFile();
    return text;
}
