#pragma once
// The unit's cal-factor table: up to ten pairs of a frequency (GHz) and a correction (dB),
// reported as "f,dB;" for each pair, and the lines of its file.
#include <QString>
#include <array>
#include <optional>

struct CalFactorPair {
    QString frequency;
    QString calFactor;
    bool operator==(const CalFactorPair&) const = default;
};
constexpr int CalFactorRowCount = 10;
using CalFactorRows = std::array<std::optional<CalFactorPair>, CalFactorRowCount>;

// The rows of the table text: piece i before the i-th ";" fills row i + 1 (what follows the
// last ";" is not used, pieces past the tenth are ignored); a piece of exactly two parts
// split at "," gives the pair with blanks trimmed at both ends, any other leaves its row empty.
CalFactorRows ParseCalFactorTable(const QString& text);

// A row's line in the file: the frequency, three blanks, the cal factor.
QString CalFactorFileLine(const QString& frequency, const QString& calFactor);

// The save dialog's proposed name: "CalFac", the serial number made safe, ".txt".
QString CalFactorFileName(const QString& serialNo);
