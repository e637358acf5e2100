#pragma once
// Log files as comma-separated rows for the spreadsheet: which log a file holds, its sheet
// title and heading, and each data line cut into its fields with its date and time
// rewritten as MM-DD-YY and HH:MM:SS and its time stamp added in seconds since 1970.
#include <QString>

struct UnitIdentity;

// Log types of the export: 0 10-minute, 1 hourly, 2 daily, 3 monthly, 4 cathode current,
// 5 the fault log (written under the unit's serial number made safe), -1 any other file.
constexpr int CathodeLogType = 4;
int GetLogType(const QString& fileName, const QString& serialNo);
QString GetLogTitle(const QString& fileName, const QString& serialNo);   // the sheet's name
// The heading line of a log type, by the unit's family and model.
QString GetLogCsvHeader(int logType, const UnitIdentity& unit);
// "A" to "O" for 1 to 15; "" for any other number.
QString GetExcelColumnLetter(int number);

// One data line as a row: the event name (or " ," for a line without one), the values
// (a "<" alone joined with the value after it), the date, the time and the seconds, each
// followed by a comma but the seconds; "" for a cathode-current line too short for its
// fixed columns. A line with "SN:" in front stays as it is.
QString ConvertLogLineToCsv(const QString& line, int logType);

// The heading and then one row per data line ("#" header, "-" end lines and empty lines
// left out), each followed by CR LF; "" when the file does not exist or cannot be read.
QString ReadLogFileAsCsv(const QString& path, int logType, const UnitIdentity& unit);
