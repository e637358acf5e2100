#pragma once
// The unit's calibration tables (forward RF power and attenuator): what the two kinds use
// on the wire and in their files, the levels they are addressed by, and the pure pieces of
// their files' lines.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct CalTableKind {
    const char* readCommand;    // + level text: one entry
    const char* writeCommand;   // + value, " ", entry number
    const char* beginCommand;
    const char* saveCommand;
    const char* abortCommand;
    int levels;        // levels read by a download
    float timeout;     // the link time-out of the transfer, in seconds
    qint16 fileType;   // the file dialogs' type
    const char* downloadTitle;
    const char* uploadTitle;
    const char* retrievingText;   // the status panel while a download runs
    const char* sendingText;      // the status panel while an upload runs
    const char* fileTitle;        // the title its file's header names
};

extern const CalTableKind RfCalTable;
extern const CalTableKind AtnCalTable;

// The first attenuator level in tenths of a dB: 0.0 for a TWTA without the programmable
// up-converter and for model 9214, -4.0 for every other unit.
int FirstAtnLevelTenths(bool twtaUnit, bool lcBucInstalled, qint32 modelCode);

// Levels are counted in whole tenths of a dB. A level's text: "00.0" ("-04.0", "-00.4", "76.8").
QString CalLevelText(int tenths);
// "[" level " dBm]".
QString CalMarkerLine(int tenths);
// The k-th level of a table (from 0) falls on a whole dB.
inline bool IsWholeDbLevel(int k) { return k % 10 == 0; }

// The entry a read command's reply carries: the reply must hold the command's three
// letters at its third character and be longer than 4 characters; the entry runs from the
// 6th character up to the first ETX, or without an ETX up to the last two characters.
std::optional<QString> CalEntryText(const QString& reply, const QString& echo);
// The unit has no entry at the level read.
bool IsNoEntryReply(const QString& reply);

// The attenuator upload sends the begin and save commands: a TWTA whose firmware date
// (the txtCplDate text) is later than 8 November 2007, or, with no valid date there, whose
// firmware version x 100 is above 545; never model 5363; any other unit with that late date.
bool TakesAtnBeginSave(bool twtaUnit, qint32 modelCode, qint32 firmwareVersion100, const QString& firmwareDate);

// The value of a table line: the text before the first "dB" (any case; it must start at
// the 4th character or later), blanks removed at both ends, when it is a decimal number
// (optional sign, digits with at most one decimal point); "" otherwise.
QString GetCalLineValue(const QString& line);
// The entry number of a table line: the (at most) 4 characters after the first "Entry#"
// (any case; it must start at the 6th character or later); "" otherwise.
QString GetCalLineEntry(const QString& line);
// A decimal number as table lines carry it: optional sign, digits with at most one decimal
// point, at least one digit; no exponent, no blanks.
bool IsCalLineNumber(const QString& text);

// One write of an upload: the file line it comes from (from 1) and the command.
struct CalWrite {
    int line;
    QString command;
};
// What an upload of a table file sends, decided from the whole file before anything is sent:
// the writes of its entry lines in order, or the first line that forbids the upload and why.
struct CalUploadPlan {
    QList<CalWrite> writes;
    int badLine = 0;   // 0: the file may be sent
    QString problem;   // the box naming the bad line
};
// A file is refused at the first line that holds a control character (comment lines aside),
// whose header names the other table's file, or whose entry has a level outside
// [firstTenths, lastTenths]. A file without a header is taken; lines that carry no entry
// (a value before "dB" and an entry number) are skipped.
CalUploadPlan PlanCalUpload(const QStringList& lines, const CalTableKind& kind, int firstTenths, int lastTenths);
