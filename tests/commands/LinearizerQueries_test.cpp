#include "ReplyTable.h"
#include "commands/LinearizerQueries.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {

void expectFields(const Program& p, const QStringList& want, const char* name)
{
    for (int k = 0; k < want.size(); ++k)
        EXPECT_EQ(p.ReplyFields[static_cast<size_t>(k)], want[k]) << name << " field " << k;
}
}   // namespace

TEST(LinearizerQueries, LinearizerParams)
{
    struct Case {
        const char* name;
        bool slope;
        QByteArray zz, dl;   // "" unanswered
        bool result;
        QStringList fields;
        QByteArrayList sent;
    };
    const Case cases[] = {
        {"with slope", true, "?A12 P34 ", "?S056", true, {"A12 ", "P34 ", "S056"}, {"?Zz", "?/"}},
        {"slope unanswered", true, "?A12 P34 ", "", true, {"A12 ", "P34 ", ""}, {"?Zz", "?/"}},
        {"without slope", false, "?A12 P34 ", "?S056", true, {"A12 ", "P34 ", old}, {"?Zz"}},
        {"8 characters", true, "?A12", "?S056", false, {old, old, old}, {"?Zz"}},
        {"no mark", true, "ZA12 P34 ", "?S056", false, {old, old, old}, {"?Zz"}},
        {"unanswered", true, "", "?S056", false, {old, old, old}, {"?Zz"}},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.zz.isEmpty())
            t.replies["?Zz"] = c.zz;
        if (!c.dl.isEmpty())
            t.replies["?/"] = c.dl;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(GetLinearizerParams(t.p(), c.slope), c.result) << c.name;
        expectFields(t.p(), c.fields, c.name);
        EXPECT_EQ(t.commands, c.sent) << c.name;
    }
}

TEST(LinearizerQueries, SubBandSaveParams)
{
    const QMap<QByteArray, QByteArray> all = {
        {"PZ?3", "PZ3A012"}, {"Pz?3", "Pz3P034"}, {"P/?3", "P/3S056"},
        {"PG?3", "PG1-1.5"}, {"P|?3", "P|3T0.5"}, {"YC?:3", "YC1180"},
    };
    struct Case {
        const char* name;
        QByteArrayList missing;   // commands left unanswered
        bool result;
        QStringList fields;
        int sent;
    };
    const Case cases[] = {
        {"all answered", {}, true, {"A012", "P034", "S056", "1", "-1.5", "T0.5"}, 5},
        {"no tilt query", {"P|?3"}, true, {"A012", "P034", "S056", "1", "-1.5", "1180"}, 6},
        {"neither tilt nor vset", {"P|?3", "YC?:3"}, true, {"A012", "P034", "S056", "1", "-1.5", ""}, 6},
        {"middle steps fail", {"Pz?3", "PG?3"}, true, {"A012", "", "S056", "", "", "T0.5"}, 5},
        {"no amplitude", {"PZ?3"}, false, {"", "", "", "", "", ""}, 1},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.replies = all;
        for (const QByteArray& m : c.missing)
            t.replies.remove(m);
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(GetSubBandSaveParams(t.p(), 3), c.result) << c.name;
        expectFields(t.p(), c.fields, c.name);
        EXPECT_EQ(t.p().ReplyFields[6], old) << c.name;
        EXPECT_EQ(t.commands.size(), c.sent) << c.name;
    }

    // A tilt reply without its echo is answered: the supply voltage is not asked.
    TestProgram t;
    t.replies = all;
    t.replies["P|?3"] = "X|3T0.5";
    EXPECT_TRUE(GetSubBandSaveParams(t.p(), 3));
    EXPECT_EQ(t.p().ReplyFields[5], "");
    EXPECT_FALSE(t.commands.contains("YC?:3"));
}
