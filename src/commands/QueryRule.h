#pragma once
// What every query procedure shares: send the query, copy the reply, find the echo within
// the data, cut the value without reaching into the frame's end, and convert it.
//
// Positions are 1-based and count in the whole reply: 1 start character, 2 address,
// 3 .. Len-2 data, Len-1 ETX, Len checksum (over TCP: ETX and CR). Every search and every
// cut stays inside the data, so frame bytes and the address letter never become a value.
// A TCP line is taken in that same form, its data ending at their ETX (see FromTcpLine).
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

struct CommandContext;

namespace SsaCmds {

// How a fixed-width field after a "?" mark is accepted.
enum class FieldTest {
    Always,    // taken whatever the reply's length (cut at the data's end)
    Whole,     // taken when start + width < Len: the whole field lies inside the data
    Started,   // taken when start < Len (cut at the data's end)
};

// The reply of one answered query.
struct Reply {
    QString text;
    // A TCP reply line in the serial frame's form (TcpLineAsFrame): its data end at the
    // closing ETX, or at the CR of a line without one, and at any earlier frame byte; ETX
    // and CR then stand at Len-1 and Len.
    static Reply FromTcpLine(const QString& line);
    int len() const { return static_cast<int>(text.size()); }
    // Last position that belongs to the data (Len - 2).
    int dataEnd() const { return len() - 2; }

    // First position of `echo` wholly inside the data, searching from `from` (at least 3);
    // 0 when not there. Also finds separators and marks (";", " ", "?").
    int find(const QString& echo, int from = 3) const;
    // Like find, but from position 1 (the "G?" echo starts at the address).
    int findFromStart(const QString& what) const;
    // First ETX position at or after `from`; 0 when none.
    int etxFrom(int from = 1) const;

    // All data characters from `start`.
    QString toEnd(int start) const;
    // From `start` up to (not including) the first ETX found from `etxSearchFrom`;
    // nothing when that ETX does not stand after `start`. Never past the data.
    std::optional<QString> upToEtx(int start, int etxSearchFrom = 1) const;
    // From `start` up to position Len-2.
    QString toLastButOne(int start) const;
    // Exactly `width` characters from `start`, fewer when the data end first.
    QString fixed(int start, int width) const;
    // `width` characters from `start` only when they all lie inside the data.
    std::optional<QString> fixedWhole(int start, int width) const;
    // From `start` up to (not including) position `stop`, both inside the data.
    QString between(int start, int stop) const;
    // Character code at `pos` when it lies inside the data; -1 otherwise.
    int codeAt(int pos) const;

    // Fixed-width field k (from 0) after the mark at `markPos`: it starts at
    // markPos + 1 + k * width and is cut at the data's end.
    static int fieldStart(int markPos, int k, int width) { return markPos + 1 + k * width; }
    QString field(int markPos, int k, int width) const;
    bool fieldTaken(int markPos, int k, int width, FieldTest test) const;
    // The one character at `pos` as a number, when it lies inside the data and is a digit.
    std::optional<qint16> digitAt(int pos) const;
};

// Sends `command` with the error box off and copies the reply at once; nothing when the
// transaction failed (its buffer is never parsed).
std::optional<Reply> Ask(CommandContext& p, const QString& command);
// Sends `command` twice, one transaction after the other; the reply of the last
// transaction that succeeded, nothing when both failed.
std::optional<Reply> AskTwice(CommandContext& p, const QString& command);

// The answer of a query with a fallback command.
struct FallbackReply {
    Reply reply;
    bool fromFallback = false;   // the fallback command gave this reply
};
// Sends `command` (twice when `twice`); only when that fails (both, for a doubled one)
// sends `fallback`. An answered reply without its echo never leads to the fallback.
std::optional<FallbackReply> AskWithFallback(CommandContext& p, const QString& command, const QString& fallback,
                                             bool twice = false);

// ReplyFields entry k; an index outside 0..10 is never written.
void SetReplyField(CommandContext& p, int k, const QString& text);
// Stores `parts` into ReplyFields from entry `first` on (parts beyond entry 10 are dropped);
// returns how many were stored.
int StoreReplyFields(CommandContext& p, const QStringList& parts, int first = 0);
// Takes fixed-width fields after the mark at `markPos` into ReplyFields 0, 1, ... in order,
// field k when tests[k] accepts it; stops at the first field refused. Returns the count taken.
int TakeFields(CommandContext& p, const Reply& r, int markPos, int width, std::initializer_list<FieldTest> tests);

// Numbered-parameter reply (".P" n " " value): the text after the first blank of the data up
// to the data's end, when that blank stands at `minBlankPos` or later; nothing otherwise.
std::optional<QString> NumberedValue(const Reply& r, int minBlankPos);

// Splits `text` at every `separator`, keeping empty parts; an empty text gives no parts.
QStringList SplitFields(const QString& text, const QString& separator);

// Numeric value: the leading number of the text (0 when none).
double NumericValue(const QString& text);
// Numeric value rounded into a 16-bit integer; nothing when out of range.
std::optional<qint16> NumericInteger(const QString& text);
// Numeric value rounded into a 32-bit integer; nothing when out of range.
std::optional<qint32> NumericLong(const QString& text);
// Numeric value written with a format pattern ("##0", "#0.0").
QString NumericFormatted(const QString& text, const QString& pattern);
// A single-precision value written with a format pattern, rounded as the value was written:
// 47.05 gives "47.1" with "#0.0", not the "47.0" of its nearest binary value.
QString SingleFormatted(float value, const QString& pattern);
// Direct conversion: the whole text must be a number.
std::optional<double> DirectNumber(const QString& text);
std::optional<qint16> DirectInteger(const QString& text);
std::optional<qint32> DirectLong(const QString& text);

}   // namespace SsaCmds
