#pragma once
// The parameter logs' paging: "<log><index>" for index 0, 10, 20, ... each page carrying
// lines ended by "!"; a line beginning with "-----" that ends its page ends the log. Lines
// go into TransfersState::ParamLogLines as received.
#include "transfers/LogPaging.h"

// One of the five logs.
struct ParamLogType {
    const char* command;    // "4P", ...
    int limit;              // the highest index asked for, and the most lines read
    const char* fileName;   // in the data folder
    int tableSize;          // slots of ParamLogLines while it downloads
    int lineBound;          // the reader never stores more lines
};

// Types 0 to 4: 10-minute, hourly, daily, monthly and cathode-current log; nothing otherwise.
const ParamLogType* ParamLogTypeOf(int type);

// The link time-out of every page, in seconds.
constexpr float ParamLogTimeout = 10.0f;
// Title of the indicator and of the download's boxes.
inline constexpr const char* ParamLogTitle = "Parameterlog Download";

// The whole paging of one log, under its time-out, with the progress indicator. Reaching the
// log's limit or the line bound ends it as read; so does an answered page that ends on the
// end line, or an empty page before any line was stored. Any other page holding fewer than
// ten lines (or what is left to the bound) fails the paging, as a refused page does.
PagingResult GetParameterLog(LogPaging& c, int type);
