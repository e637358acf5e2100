#pragma once
// The decisions of the poll: which answered poll also reads the slower readings or the
// clock, what a failed poll costs, and which values the hour meters and DC input take.
#include <QtGlobal>

namespace poll {

enum class Tick {
    Fast,       // status, forward and reflected power only
    Readings,   // also attenuation, temperature, tube or supply readings, trips, sub-band, frequency
    Clock,      // also the unit's date and time, hour meters and trips
};

// Counts one answered poll and tells what it reads. The readings tick comes every 4th
// answered poll; the clock tick on the 21st after the last one, one poll later when that
// poll is a readings tick. The counter of the tick taken starts again at 0.
Tick CountAnsweredPoll(qint16& readingsTicks, qint16& clockTicks);

enum class Failure {
    RetrySpent,   // one failed poll of the budget used up; nothing else changes
    LinkLost,     // the budget was spent already: the link counts as lost
};
// A failed status poll: spends one retry while any are left.
Failure SpendRetry(qint16& retriesLeft);

// Retries a fresh connection and every answered poll give the link.
inline constexpr qint16 RetryBudget = 2;

// An hour meter reading the boxes take: 0 to 999999 (no reply is -1).
bool HoursShown(qint32 hours);

// Whether the DC input voltage is read on the readings tick.
bool ReadsDCInput(qint32 modelCode, qint32 firmwareVersion100, bool picProcessorUnit);

}   // namespace poll
