#pragma once
// Helpers shared by the configuration query tests.
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace cfgtest {

// One procedure run, its result written as text so cases of any type fit one table.
using QueryRun = std::function<QString(Program&)>;

inline QString text(qint32 v) { return QString::number(v); }
inline QString text(float v) { return QString::number(v); }
inline QString text(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
inline QString text(const QString& v) { return v; }
// A value the unit did not report reads "".
template <class T> QString text(const std::optional<T>& v) { return v ? QString::number(*v) : QString(); }

// Reply fields 0 to n-1 joined with "|".
inline QString fields(const Program& p, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << p.ReplyFields[static_cast<size_t>(i)];
    return out.join(QLatin1Char('|'));
}

// The address letter that makes the frame around `data` end in the checksum `sum`, so a
// separator can be made to stand in the checksum.
inline char addressForChecksum(const QByteArray& data, char sum)
{
    char x = unitframes::ACK ^ unitframes::ETX ^ sum;
    for (char c : data)
        x ^= c;
    return x;
}

// A scripted unit that answers `command` with `data` and a checksum equal to `sum`.
inline void answerWithChecksum(TestProgram& t, const QByteArray& command, const QByteArray& data, char sum)
{
    t.unitAddress = addressForChecksum(data, sum);
    ASSERT_GE(t.unitAddress, ' ') << "pick other data: the address would be a control byte";
    ASSERT_NE(t.unitAddress, '{');
    ASSERT_NE(t.unitAddress, '}');
    t.replies[command] = data;
}

// One reply and the result it gives.
struct Case {
    const char* command;
    std::optional<QByteArray> data;   // nothing: the unit does not answer
    QString expected;
};

inline void runCases(const std::vector<Case>& cases, const QueryRun& run)
{
    for (const Case& c : cases) {
        TestProgram t;
        if (c.data)
            t.replies[c.command] = *c.data;
        SCOPED_TRACE(std::string(c.command) + " " + c.data.value_or("<none>").toStdString());
        EXPECT_EQ(run(t.p()).toStdString(), c.expected.toStdString());
    }
}

inline void answerNak(TestProgram& t, const QByteArray& command)
{
    t.rawReplies[command] = unitframes::serialReply(t.unitAddress, "", unitframes::NAK);
}

}   // namespace cfgtest
