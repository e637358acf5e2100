#pragma once
// The calibration-table transfer loops: each level of the unit's table read into an open
// file, and each entry line of an open file written into the unit, one command at a time,
// with the progress indicator (levels for a download, the file's lines for an upload).
#include "transfers/LogPaging.h"

class FileIO;
struct CalTableKind;

// Reads the forward RF table from level 0.0 on: the table starts at the first reply
// without "NO ENTRY" and ends at the next "NO ENTRY"; from its start a marker line stands
// before each whole-dB level's entry. Read when the table was read to its end.
PagingResult DownloadRfCalEntries(const LogPaging& c, FileIO& file);
// Reads the attenuator table from `firstTenths` on (after "YAL"): a marker line at every
// whole-dB level before it is read; the table starts with its first entry and ends at the
// next "NO ENTRY".
PagingResult DownloadAtnCalEntries(const LogPaging& c, FileIO& file, int firstTenths);

struct CalUploadPlan;

struct UploadResult {
    enum Outcome {
        Sent,          // every entry line sent, at least one
        NothingSent,   // the file holds no entry line
        Refused,       // a write command was refused or unanswered
        Cancelled,     // the operator pressed Cancel
        Ended,         // the link was lost or the window is closing: nothing more may be sent
    };
    Outcome outcome;
};
// Sends the plan's writes in order, the indicator at the file line of each (of `fileLines`).
UploadResult UploadCalEntries(const LogPaging& c, const CalTableKind& kind, const CalUploadPlan& plan, int fileLines);
