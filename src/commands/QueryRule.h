#pragma once
// What every query procedure shares: send the query, copy the reply, find the echo within
// the data, cut the value without reaching into the frame's end, and convert it.
//
// Positions are 1-based and count in the whole reply: 1 start character, 2 address,
// 3 .. Len-2 data, Len-1 ETX, Len checksum (over TCP: ETX and CR).
#include <QString>
#include <optional>

struct Program;

namespace SsaCmds {

// The reply of one answered query.
struct Reply {
    QString text;
    int len() const { return static_cast<int>(text.size()); }
    // Last position that belongs to the data (Len - 2).
    int dataEnd() const { return len() - 2; }

    // First position of `echo` wholly inside the data, searching from `from` (at least 3);
    // 0 when not there.
    int find(const QString& echo, int from = 3) const;
    // Like find, but from position 1 (the "G?" echo starts at the address).
    int findFromStart(const QString& what) const;
    // First ETX position at or after `from`; 0 when none.
    int etxFrom(int from = 1) const;

    // All data characters from `start`.
    QString toEnd(int start) const;
    // From `start` up to (not including) the first ETX found from `etxSearchFrom`;
    // nothing when that ETX does not stand after `start`.
    std::optional<QString> upToEtx(int start, int etxSearchFrom = 1) const;
    // From `start` up to position Len-2.
    QString toLastButOne(int start) const;
    // Exactly `width` characters from `start`, fewer when the data end first.
    QString fixed(int start, int width) const;
    // `width` characters from `start` only when they all lie inside the data.
    std::optional<QString> fixedWhole(int start, int width) const;
};

// Sends `command` with the error box off and copies the reply; nothing when unanswered.
std::optional<Reply> Ask(Program& p, const QString& command);

// Numeric value: the leading number of the text (0 when none).
double NumericValue(const QString& text);
// Numeric value rounded into a 16-bit integer; nothing when out of range.
std::optional<qint16> NumericInteger(const QString& text);
// Numeric value rounded into a 32-bit integer; nothing when out of range.
std::optional<qint32> NumericLong(const QString& text);
// Direct conversion: the whole text must be a number.
std::optional<double> DirectNumber(const QString& text);
std::optional<qint16> DirectInteger(const QString& text);
std::optional<qint32> DirectLong(const QString& text);

} // namespace SsaCmds
