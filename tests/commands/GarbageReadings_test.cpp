#include "support/GarbageUnit.h"
#include "ReadingProcedures.h"
#include <gtest/gtest.h>

TEST(GarbageReplies, ReadingQueriesNeverTakeAFrameByte)
{
    QRandomGenerator rng(20261210);
    for (const bool overTcp : {false, true}) {
        for (const ReadingCase& c : readingcases::all()) {
            garbage::forGarbageUnits(overTcp, rng, 60, [&c, overTcp](Program& p) {
                p.unit.id.IsTwtaUnit = c.tube;
                const QString result = c.read(p);
                ASSERT_EQ(garbage::frameByteIn(result), -1)
                    << c.name << (overTcp ? " over TCP: " : ": ") << result.toStdString();
            });
        }
    }
}
