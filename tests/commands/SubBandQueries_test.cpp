#include "ReplyTable.h"
#include "commands/SubBandQueries.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {
}

TEST(SubBandQueries, SubBandListStopsAtTheFirstUnanswered)
{
    TestProgram t;
    t.replies["PBS1?"] = "PBS114.25";
    t.replies["PBS2?"] = "PBS2 14.5 ";
    t.replies["PBS3?"] = "PBS314.75";
    t.replies["PBS4?"] = "PBS400.00";   // zero: no sub-band
    t.replies["PBS5?"] = "BS515.00";    // echo before 4
    for (int i = 6; i <= 8; ++i)
        t.replies[QByteArray("PBS") + QByteArray::number(i) + "?"] = QByteArray("PBS") + QByteArray::number(i) + "0";
    t.p().ReplyFields.fill(old);
    EXPECT_TRUE(ReadSubBandList(t.p()));
    EXPECT_EQ(t.commands.size(), 8);
    const QString want[] = {"14.25", "14.5", "14.75", "", "", "", "", "", old};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(t.p().ReplyFields[static_cast<size_t>(k)], want[k]) << k;

    TestProgram silent;
    silent.replies["PBS2?"] = "PBS214.5";
    silent.p().ReplyFields.fill(old);
    EXPECT_FALSE(ReadSubBandList(silent.p()));
    EXPECT_EQ(silent.commands, QByteArrayList{"PBS1?"});
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(silent.p().ReplyFields[static_cast<size_t>(k)], "") << k;
}

TEST(SubBandQueries, CurrentSubBand)
{
    struct Case {
        QByteArray data;
        qint16 result;
        QString f0;
    };
    const Case cases[] = {
        {"PBS314.25", 3, "14.25"}, {"PBSx14.25", -1, "14.25"},   // not a digit, frequency still taken
        {"PBS3", 3, ""},           {"BS314.25", -1, old},      {"", -1, old},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.data.isEmpty())
            t.replies["PBS?"] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(GetCurrentSubBand(t.p()), c.result) << c.data.data();
        EXPECT_EQ(t.p().ReplyFields[0], c.f0) << c.data.data();
    }
}

TEST(SubBandQueries, FrequencyAndSupplyVoltage)
{
    CheckQueryTables<QString>({
        {"TF?",
         ReadRFFrequency,
         {{"TF14250.4", "14250"},
          {"TF14250.5", "14250"},
          {"TF40000", "40000"},
          {"TF3e10", ""},
          {"T14250", ""},
          {"", ""}}},
    });
    struct Case {
        qint16 subBand;
        QByteArray command, data;
        qint16 status;
        qint32 value;
    };
    const Case cases[] = {
        {-1, "YC?", "YC1250", 0, 1250}, {3, "YC?:3", "YC1180.6", 0, 1181},
        {0, "YC?:0", "YC", 0, 0},       {-1, "YC?", "YC40000", -1, 0},   // out of range: not a wrapped number
        {-1, "YC?", "Y1250", -1, 0},    {2, "YC?:2", "", -1, 0},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.data.isEmpty())
            t.replies[c.command] = c.data;
        const PSVsetReply r = ReadPSVsetValue(t.p(), c.subBand);
        EXPECT_EQ(r.Status, c.status) << c.data.data();
        EXPECT_EQ(r.Value, c.value) << c.data.data();
        EXPECT_EQ(t.commands, QByteArrayList{c.command});
    }
}

TEST(SubBandQueries, DcInputTexts)
{
    struct Case {
        QByteArray command, data;
        std::function<bool(Program&)> query;
        bool result;
        QString f0;
    };
    const Case cases[] = {
        {"PBDV?", "PBDV48.2", ReadDCInputVoltage, true, "48.2"},
        {"PBDV?", "PBDVabc", ReadDCInputVoltage, false, ""},   // no number: not kept
        {"PBDV?", "PDV48", ReadDCInputVoltage, false, ""},     // echo before 5: cleared
        {"PBDV?", "", ReadDCInputVoltage, false, ""},
        {"PBDR?", "PBDR1.02", ReadDCVInRatio, true, "1.02"},
        {"PBDAL?", "PBDAL42", [](Program& p) { return GetDCVInLimit(p, 1); }, true, "42"},
        {"PBDAH?", "PBDAH56", [](Program& p) { return GetDCVInLimit(p, 2); }, true, "56"},
        {"PBDFL?", "PBDFL40", [](Program& p) { return GetDCVInLimit(p, 3); }, true, "40"},
        {"PBDFH?", "PBDFH58.5", [](Program& p) { return GetDCVInLimit(p, 4); }, true, "58.5"},
        {"PBDFH?", "PBDFH", [](Program& p) { return GetDCVInLimit(p, 4); }, false, ""},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.data.isEmpty())
            t.replies[c.command] = c.data;
        t.p().ReplyFields.fill(old);
        EXPECT_EQ(c.query(t.p()), c.result) << c.data.data();
        EXPECT_EQ(t.p().ReplyFields[0], c.f0) << c.data.data();
        EXPECT_EQ(t.commands, QByteArrayList{c.command}) << c.data.data();
        EXPECT_EQ(t.p().ReplyFields[1], old);
    }

    TestProgram t;
    EXPECT_FALSE(GetDCVInLimit(t.p(), 5));
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(SubBandQueries, AttenuatorCountCommand)
{
    struct Case {
        bool commandC;
        QString prefix;
        qint16 count;
        QByteArray sent;
    };
    const Case cases[] = {
        {false, ".D9", 4095, ".D9 4095"}, {true, ".D9", 4095, "C4095"}, {false, ".D1", 0, ".D1 0"},
        {false, ".D1", -5, ".D1-5"},      {true, ".D1", -5, "C-5"},
    };
    for (const Case& c : cases) {
        TestProgram t;
        t.p().unit.flags.CommandCSupported = c.commandC;
        t.p().unit.flags.AtnCountCmdPrefix = c.prefix;
        t.replies[c.sent] = "";
        EXPECT_TRUE(SendAtnCountCmd(t.p(), c.count)) << c.sent.data();
        EXPECT_EQ(t.commands, QByteArrayList{c.sent});
    }
    TestProgram t;
    EXPECT_FALSE(SendAtnCountCmd(t.p(), 12));   // not acknowledged
}
