#pragma once
// What the log pagings share: the context they work on, how a paging ends, and the checks
// after each page.
#include <QStringList>
#include <optional>

class ConnectionWatch;
class FileIO;
class ProgressScope;
struct CommandContext;
struct TransfersState;

// A paging's context: the command module's (link, platform), the line tables and page
// state, and the connection the download began on.
struct LogPaging {
    CommandContext& p;
    TransfersState& t;
    const ConnectionWatch& connection;
};

enum class PagingResult {
    Read,      // the log was read (it may be empty)
    Failed,    // a page or the link failed, or the pages broke the paging's rules: no file
    Stopped,   // the operator cancelled or the window is closing: no file and no box
};

// The connection ended, the unit closed the TCP connection, or the serial device vanished:
// nothing more may be sent.
bool LinkLost(const LogPaging& c);
// The unit was lost under a transfer on a connection still counted as up: the window is to be
// reset as the next command would find it.
bool LinkLostUnder(const LogPaging& c);
// After each page: Stopped when the window is closing or the operator pressed Cancel,
// Failed when the page's transaction failed (no count) or the link was lost; nothing
// while the paging goes on. Shows `stored` on the indicator first.
std::optional<PagingResult> AfterPage(const LogPaging& c, const ProgressScope& progress,
                                      const std::optional<int>& count, int stored);
// Lets pending window events run (after each entry stored), so the indicator repaints.
void LetEventsRun(const LogPaging& c);
// Stores `line` in slot `index` of the table when the table has that slot.
bool StoreLine(QStringList& table, int index, const QString& line);
// Empties slot `index` when the table has it.
void EndTableAt(QStringList& table, int index);
// Writes the table's lines up to its first empty slot into the file `io` has open for
// writing, each as one line, and closes it; true when the file was written whole.
bool WriteTableLines(FileIO& io, const QStringList& table);
