#pragma once
// Table cases of the command file's line functions: each case names what it covers.
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

struct LineCase {
    const char* name;
    QStringList lines;
    QStringList expected;
};

inline void ExpectLineCases(std::initializer_list<LineCase> cases)
{
    for (const LineCase& c : cases)
        EXPECT_EQ(c.lines, c.expected) << c.name << ": " << c.lines.join(" | ").toStdString();
}
