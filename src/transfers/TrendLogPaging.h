#pragma once
// The trend logs' paging: "<log><index>" for index 0, 10, 20, ... each page carrying records
// of 200 characters; a record beginning with "----" ends the log. Records go into
// TransfersState::TrendLogLines as received.
#include "transfers/LogPaging.h"
#include <QString>
#include <QStringList>

// The short-term ("4TS") or the long-term ("4TL") log.
struct TrendLogKind {
    const char* command;
    int maximum;     // the most records asked for
    int tableSize;   // slots of TrendLogLines while it downloads
};
const TrendLogKind& TrendLogKindOf(bool longTerm);

constexpr int TrendRecordLength = 200;
// The link time-out of every page, in seconds.
constexpr float TrendLogTimeout = 10.0f;
// Title of the download's box.
inline constexpr const char* TrendLogTitle = "Trend log Download";

// The file of the unit's trend log: the serial number, made safe, and "tlog.txt".
QString TrendLogFileName(const QString& serialNo);

// Records of a range text: " 2-Hours" is 720 short-term records (360 an hour); " 1-Week"
// 42 long-term records (6 a day, 42 a week, 182 a month, 2190 a year). 0 for a text without
// "-" or with another unit.
int ShortTermRecordCount(const QString& range);
int LongTermRecordCount(const QString& range);

// The whole records of a page's data, after the echo of `command` when it has one.
QStringList TrendPageRecords(const QString& data, const QString& command);

// The paging of `count` records (at most the kind's maximum) under its time-out, with the
// progress indicator at the records stored after each page. Read when the count was reached
// or a page ended on the end record; Failed when a page was refused or held fewer whole
// records than its place calls for without ending the log, and for a count of 0, which
// sends nothing.
PagingResult GetTrendLog(LogPaging& c, bool longTerm, int count);
