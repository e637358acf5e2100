#pragma once
// The one text-file class: every file the program writes or reads goes through it.
// Files are Latin-1 bytes with CR LF line ends; reading also takes LF alone.
//
// A file opened for writing is built aside (QSaveFile) and replaces the old file only when
// CloseFile (or the destructor) commits it after every line was written; a failed write
// leaves the old file as it was and CloseFile reports it. Discard gives the file up.
#include <QByteArrayList>
#include <QDateTime>
#include <QLocale>
#include <QSaveFile>
#include <QString>
#include <memory>

class IClock;

// File kinds: each selects the header written when the file is opened for writing.
namespace FileKind {
constexpr int AtnCal = 0;
constexpr int RfCal = 1;
constexpr int FltLog = 5;
constexpr int CmdFile = 7;
constexpr int ParamLog10Min = 9;
constexpr int ParamLogHourly = 10;
constexpr int ParamLogDaily = 11;
constexpr int ParamLogMonthly = 12;
constexpr int ParamLogCathode = 13;
constexpr int TrendLogTwta = 14;
constexpr int TrendLogSspa = 15;
constexpr int Csv = 16;
constexpr int CalFactor = 18;
constexpr int Other = 19;
}   // namespace FileKind

class FileIO {
public:
    // clock gives the local time of "#  Created: " (none: the system clock); locale the
    // date and time format (default: the program's locale).
    explicit FileIO(const IClock* clock = nullptr, const QLocale& locale = QLocale());
    ~FileIO();   // commits a file open for writing
    FileIO(const FileIO&) = delete;
    FileIO& operator=(const FileIO&) = delete;

    bool OpenAtnCalFile(const QString& fileName, bool forReading);
    bool OpenCmdFile(const QString& fileName, bool forReading);
    bool OpenFltLogFile(const QString& fileName, bool forReading, bool noColumnEntry = false);
    bool OpenParamLogFile(const QString& fileName, bool forReading);
    bool OpenRfCalFile(const QString& fileName, bool forReading);
    bool OpenCSVFile(const QString& fileName, bool forReading);
    bool OpenCalFactorFile(const QString& fileName, bool forReading);
    bool OpenTrendLogFile(const QString& fileName, bool forReading);

    // The next line without its line end (never a CR); "" at the end or with no file open.
    QString ReadNextLine();
    // Closes the open file. For a file written: true when it replaced the old file with
    // every line; false when a write failed (the old file is untouched). True with no file.
    bool CloseFile();
    // Gives up a file open for writing: the old file stays as it was.
    void Discard();
    // Writes the line and CR LF; a CR LF inside the line makes several lines.
    void AddToFile(const QString& line);
    // Writes one record from the unit (a log line, a table entry) as one line of the file: a
    // CR or LF inside it is written as a blank.
    void AddRecordLine(const QString& record);
    bool AtEndOfFile() const;

    // Open for writing and every write so far succeeded.
    bool WriteOk() const { return writer_ && !writeFailed_; }
    // The path of the open file ("" none).

    void setProjectID(qint16 v) { projectId_ = v; }
    void setModelCfgPartNumber(const QString& v) { modelCfgPn_ = v; }
    void setFWPartNumber(const QString& v) { fwPn_ = v; }
    void setUnitSerialNumber(const QString& v) { serial_ = v; }
    void setTWTAUnit(bool v) { twta_ = v; }
    void setUseParamLog(bool v) { useParamLog_ = v; }
    void setCurrentRFBand(const QString& v) { rfBand_ = v; }

    // Pure pieces, public for their tests.
    static QString BareFileName(const QString& path);   // after the last "/" or "\"
    static int GetParamLogKind(const QString& fileName);
    static QString GeneralDateText(const QDateTime& when, const QLocale& locale);
    QString GetColumnsEntry(int kind) const;
    QStringList HeaderLines(const QString& bareName, int kind, bool noColumnEntry) const;

private:
    bool OpenFileOfKind(const QString& fileName, int kind, bool forReading, bool noColumnEntry);
    void WriteHeader(const QString& bareName, int kind, bool noColumnEntry);

    const IClock* clock_;
    QLocale locale_;
    std::unique_ptr<QSaveFile> writer_;
    bool writeFailed_ = false;
    QByteArrayList lines_;   // the file read, line by line
    qsizetype next_ = 0;
    bool reading_ = false;

    qint16 projectId_ = 0;
    QString modelCfgPn_;
    QString fwPn_;
    QString serial_;
    bool twta_ = true;
    bool useParamLog_ = false;
    QString rfBand_;
};
