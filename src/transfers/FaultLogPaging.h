#pragma once
// The fault log's two pagings: the paged scheme ("QF": a count query, then pages of at most
// ten entries behind a three-field header) and the legacy one ("4": a first page of up to a
// hundred entries, then pages of ten addressed by entry index, the log ending at a line of
// twenty dashes). Entries go into TransfersState::FaultLogLines as received.
#include "transfers/LogPaging.h"
#include <QString>
#include <optional>

// Slots of FaultLogLines while a download runs.
constexpr int FaultLogSlots = 1002;
// The link time-out of the count query and every page, in seconds.
constexpr float FaultLogTimeout = 900.0f;
// Title of the indicator and of the download's boxes.
inline constexpr const char* FaultLogTitle = "Faultlog Download";

// The file of the unit's fault log: the serial number, made safe, and "fltlog.txt".
QString FaultLogFileName(const QString& serialNo);

// The unit answers the paged scheme's query "QF0;0" (whatever it answers).
bool HasQFFaultLog(CommandContext& p);
// The number of entries the paged log holds; nothing when the query failed.
std::optional<int> GetFaultLogCount(CommandContext& p);

// One page: step -1 asks for the first and starts the page state afresh; any other step
// is added to the page index. The count of entries stored; nothing when the page's
// transaction failed, or when a paged ("QF") page holds fewer entries than its header's
// counts call for.
std::optional<int> ReadFaultLogPageQF(LogPaging& c, int step);
std::optional<int> ReadFaultLogPageLegacy(LogPaging& c, int step);

// The whole paging of `depth` entries (below 100 counts as 100), under the long time-out,
// with the progress indicator.
PagingResult GetFaultLogQF(LogPaging& c, int depth);
PagingResult GetFaultLogLegacy(LogPaging& c, int depth);
