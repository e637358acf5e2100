#pragma once
// Tables of reply texts and the values a query gives for them, run over the scripted unit.
#include "support/TestProgram.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

// What a field holds before the query runs, to show which fields a query leaves alone.
inline const QString old = QStringLiteral("old");

// Reply data with control characters written as \xNN, for failure messages.
inline std::string Shown(const QByteArray& data)
{
    std::string out;
    for (const char c : data) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u > 126) {
            static const char* hex = "0123456789ABCDEF";
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

// Lets failure messages show texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << Shown(text.toLatin1()) << '"'; }

// One query procedure and what it gives for each reply data ("" = unanswered).
template <typename T> struct QueryTable {
    QByteArray command;
    std::function<T(Program&)> query;
    std::vector<std::pair<QByteArray, T>> cases;
};

template <typename T> void CheckQueryTables(const std::vector<QueryTable<T>>& tables)
{
    for (const QueryTable<T>& table : tables) {
        for (const auto& [data, expected] : table.cases) {
            TestProgram t;
            if (!data.isEmpty())
                t.replies[table.command] = data;
            EXPECT_EQ(table.query(t.p()), expected) << table.command.data() << " <- \"" << Shown(data) << "\"";
        }
    }
}
