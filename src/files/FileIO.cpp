#include "files/FileIO.h"
#include "platform/Clock.h"
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString kRule = QString(60, QLatin1Char('#'));
const QString kColumns = QStringLiteral("#  Columns: ");
const QString kCrLf = QStringLiteral("\r\n");

QString paramLogName(int kind)
{
    switch (kind) {
    case FileKind::ParamLog10Min:
        return QStringLiteral("10-Minute");
    case FileKind::ParamLogHourly:
        return QStringLiteral("Hourly");
    case FileKind::ParamLogDaily:
        return QStringLiteral("Daily");
    case FileKind::ParamLogMonthly:
        return QStringLiteral("Monthly");
    default:
        return QStringLiteral("Cathode Current");
    }
}

bool isParamLog(int kind) { return kind >= FileKind::ParamLog10Min && kind <= FileKind::ParamLogCathode; }
bool isTrendLog(int kind) { return kind == FileKind::TrendLogTwta || kind == FileKind::TrendLogSspa; }
}   // namespace

FileIO::FileIO(const IClock* clock, const QLocale& locale) : clock_(clock), locale_(locale) {}

FileIO::~FileIO() { CloseFile(); }

QString FileIO::BareFileName(const QString& path)
{
    const qsizetype cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

int FileIO::GetParamLogKind(const QString& fileName)
{
    const QString bare = BareFileName(fileName);
    if (bare == QLatin1String("plog.txt"))
        return FileKind::ParamLog10Min;
    if (bare == QLatin1String("hlog.txt"))
        return FileKind::ParamLogHourly;
    if (bare == QLatin1String("dlog.txt"))
        return FileKind::ParamLogDaily;
    if (bare == QLatin1String("mlog.txt"))
        return FileKind::ParamLogMonthly;
    if (bare == QLatin1String("cmlog.txt"))
        return FileKind::ParamLogCathode;
    return FileKind::Other;
}

// The locale's short date, a blank and the time with seconds (no time zone); the date
// alone at midnight.
QString FileIO::GeneralDateText(const QDateTime& when, const QLocale& locale)
{
    QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0))
        return date;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?\\s*"));
    timeFormat = timeFormat.replace(zone, QStringLiteral(" ")).trimmed();
    return date + QLatin1Char(' ') + locale.toString(when.time(), timeFormat);
}

QString FileIO::GetColumnsEntry(int kind) const
{
    if (!useParamLog_) {
        if (isTrendLog(kind))
            return kColumns + kCrLf +
                   QStringLiteral("#    Date    Time     Sum/Flt/Alm   Fpr        Tmp       HxI       HxV       "
                                  "HtV       Atn       UPC       CaI       AnV ");
        return QStringLiteral("#");
    }
    if (kind == FileKind::ParamLogCathode)
        return kColumns + kCrLf + QStringLiteral("# Ic Va BmHrs HtHrs YYMMDDHHMM");
    if (!twta_)
        return kColumns + kCrLf + QStringLiteral("# Event  Fpr  Rpr  Atn  Tmp I YYMMDD HHMMSS");
    if (projectId_ == 4471 || projectId_ == 4491)
        return kColumns + kCrLf + QStringLiteral("# Event  Fpr  Rpr  Atn  HlV   HlI  HtV Tmp  Bt YYMMDD HHMMSS");
    return kColumns + kCrLf + QStringLiteral("# Event  Fpr  Rpr  Atn  HlV   HlI  HtV Tmp I YYMMDD HHMMSS");
}

QStringList FileIO::HeaderLines(const QString& bareName, int kind, bool noColumnEntry) const
{
    const QDateTime now = clock_ ? clock_->localDateTime() : QDateTime::currentDateTime();
    const QString created = QStringLiteral("#  Created: ") + GeneralDateText(now, locale_);
    const QString file = QStringLiteral("#  File: ") + bareName;
    const QString hash = QStringLiteral("#");

    if (kind == FileKind::AtnCal || kind == FileKind::RfCal) {
        const QString title = kind == FileKind::AtnCal ? QStringLiteral("#                  Attenuator Cal File")
                                                       : QStringLiteral("#                  RF Power Cal File (") +
                                                             rfBand_ + QStringLiteral(")");
        return {kRule, hash, title, hash, file, created, hash, kRule, QString()};
    }
    if (kind == FileKind::CmdFile)
        return {kRule,
                QStringLiteral("#               Amplifier Configuration File"),
                hash,
                QStringLiteral("#  Command File: ") + bareName,
                created,
                QStringLiteral("#  Firmware: ") + fwPn_,
                QStringLiteral("#  ModelCfg: ") + modelCfgPn_,
                hash,
                kRule,
                QString()};

    QString title;
    QString columns;
    if (kind == FileKind::FltLog) {
        title = QStringLiteral("#              Fault Log File ");
        columns = GetColumnsEntry(kind);
    } else if (isParamLog(kind)) {
        title = QStringLiteral("#      ") + paramLogName(kind) + QStringLiteral(" Parameter Log File ");
        columns = GetColumnsEntry(kind);
    } else if (isTrendLog(kind)) {
        title = QStringLiteral("#       Trend Log File ");
        columns = GetColumnsEntry(kind);
    } else if (kind == FileKind::CalFactor) {
        title = QStringLiteral("#              Cal-Factor Table File ");
        columns = QStringLiteral("#GHz   dB    ");
    } else {
        return {};   // CSV export and unknown parameter logs: no header
    }
    QStringList lines{kRule, hash, title, hash, file, created, QStringLiteral("#  SN: ") + serial_};
    if (!(kind == FileKind::FltLog && noColumnEntry))
        lines += columns.split(kCrLf);
    lines << kRule << QString();
    return lines;
}

bool FileIO::OpenAtnCalFile(const QString& f, bool r) { return OpenFileOfKind(f, FileKind::AtnCal, r, false); }
bool FileIO::OpenCmdFile(const QString& f, bool r) { return OpenFileOfKind(f, FileKind::CmdFile, r, false); }
bool FileIO::OpenFltLogFile(const QString& f, bool r, bool noColumnEntry)
{
    return OpenFileOfKind(f, FileKind::FltLog, r, noColumnEntry);
}
bool FileIO::OpenParamLogFile(const QString& f, bool r) { return OpenFileOfKind(f, GetParamLogKind(f), r, false); }
bool FileIO::OpenRfCalFile(const QString& f, bool r) { return OpenFileOfKind(f, FileKind::RfCal, r, false); }
bool FileIO::OpenCSVFile(const QString& f, bool r) { return OpenFileOfKind(f, FileKind::Csv, r, false); }
bool FileIO::OpenCalFactorFile(const QString& f, bool r) { return OpenFileOfKind(f, FileKind::CalFactor, r, false); }
bool FileIO::OpenTrendLogFile(const QString& f, bool r)
{
    return OpenFileOfKind(f, twta_ ? FileKind::TrendLogTwta : FileKind::TrendLogSspa, r, false);
}

bool FileIO::OpenFileOfKind(const QString& fileName, int kind, bool forReading, bool noColumnEntry)
{
    if (fileName.isEmpty())
        return false;
    CloseFile();
    if (forReading) {
        if (!QFileInfo(fileName).isFile())
            return false;
        QFile in(fileName);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        const QByteArray all = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return false;
        lines_ = all.split('\n');
        if (!lines_.isEmpty() && lines_.last().isEmpty())
            lines_.removeLast();   // the end of the last line is no line of its own
        for (QByteArray& line : lines_)
            if (line.endsWith('\r'))
                line.chop(1);
        next_ = 0;
        reading_ = true;
        return true;
    }
    auto writer = std::make_unique<QSaveFile>(fileName);
    if (!writer->open(QIODevice::WriteOnly))
        return false;
    writer_ = std::move(writer);
    writeFailed_ = false;
    WriteHeader(BareFileName(fileName), kind, noColumnEntry);
    return true;
}

void FileIO::WriteHeader(const QString& bareName, int kind, bool noColumnEntry)
{
    for (const QString& line : HeaderLines(bareName, kind, noColumnEntry))
        AddToFile(line);
}

void FileIO::AddToFile(const QString& line)
{
    if (!writer_)
        return;
    const QByteArray bytes = line.toLatin1() + "\r\n";
    if (writer_->write(bytes) != bytes.size())
        writeFailed_ = true;
}

void FileIO::AddRecordLine(const QString& record)
{
    QString line = record;
    for (QChar& c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    AddToFile(line);
}

QString FileIO::ReadNextLine()
{
    if (!reading_ || next_ >= lines_.size())
        return QString();
    return QString::fromLatin1(lines_.at(next_++));
}

bool FileIO::AtEndOfFile() const { return !reading_ || next_ >= lines_.size(); }

bool FileIO::CloseFile()
{
    bool ok = true;
    if (writer_) {
        if (writeFailed_) {
            writer_->cancelWriting();
            writer_->commit();   // with writing cancelled this only removes the file built aside
            ok = false;
        } else {
            ok = writer_->commit();
        }
        writer_.reset();
    }
    lines_.clear();
    next_ = 0;
    reading_ = false;
    return ok;
}

void FileIO::Discard()
{
    if (writer_) {
        writer_->cancelWriting();
        writer_->commit();
        writer_.reset();
    }
    CloseFile();
}
