#include "status/PollRules.h"

namespace poll {

namespace {
constexpr qint16 ReadingsEvery = 4;
constexpr qint16 ClockAfter = 20;
constexpr qint32 MaxHours = 999999;
}   // namespace

Tick CountAnsweredPoll(qint16& readingsTicks, qint16& clockTicks)
{
    ++clockTicks;
    ++readingsTicks;
    if (readingsTicks >= ReadingsEvery) {
        readingsTicks = 0;
        return Tick::Readings;
    }
    if (clockTicks > ClockAfter) {
        clockTicks = 0;
        return Tick::Clock;
    }
    return Tick::Fast;
}

Failure SpendRetry(qint16& retriesLeft)
{
    if (retriesLeft > 0) {
        --retriesLeft;
        return Failure::RetrySpent;
    }
    return Failure::LinkLost;
}

bool HoursShown(qint32 hours) { return hours >= 0 && hours <= MaxHours; }

bool ReadsDCInput(qint32 modelCode, qint32 firmwareVersion100, bool picProcessorUnit)
{
    if (modelCode == 5363)
        return false;
    return (modelCode == 5942 && firmwareVersion100 > 256) || picProcessorUnit;
}

}   // namespace poll
