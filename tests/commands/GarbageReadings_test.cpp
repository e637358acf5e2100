#include "support/GarbageUnit.h"
#include "ReadingProcedures.h"
#include <gtest/gtest.h>

TEST(GarbageReplies, ReadingQueriesNeverTakeAFrameByte)
{
    QRandomGenerator rng(20261210);
    for (const ReadingCase& c : readingcases::all()) {
        for (int round = 0; round < 60; ++round) {
            TestProgram t;
            garbage::answerWithGarbage(t, rng);
            t.p().unit.id.IsTwtaUnit = c.tube;
            const QString result = c.read(t.p());
            ASSERT_EQ(garbage::frameByteIn(result), -1) << c.name << ": " << result.toStdString();
        }
    }
}
