#include "commands/LimitMaskQueries.h"
#include "commands/ConfigQueryTest.h"

using namespace SsaCmds;
using namespace cfgtest;

namespace {

QString powerLimits(const PowerLimitReply& r)
{
    return QString::number(r.Valid) + ":" + r.Values[0] + "|" + r.Values[1] + "|" + r.Values[2];
}

}   // namespace

TEST(BandRFLimits, ChooseQueryAndScaleByModelAndFirmware)
{
    struct BandCase {
        bool maximum;
        qint32 fw100, model;
        int band;
        const char* command;
        QByteArray data;
        QString expected;
    };
    const std::vector<BandCase> cases = {
        {true, 300, 7428, 1, "PBRC?", "PBRC46.5", "46.5"},
        {true, 300, 7428, 1, "PBRC?", "PBRC47.05", "47.1"},   // rounded as written
        {true, 300, 7428, 1, "PBRC?", "PBRC", "0.0"},         // echo, no number
        {true, 300, 7428, 1, "PBRC?", "PRC", ""},             // too short
        {false, 300, 7467, 2, "PBRF?", "PBRF10", "10.0"},
        {false, 199, 1234, 1, ".?P66", ".P66 150", "150.0"},   // old firmware: whole dBm
        {false, 200, 1234, 1, ".?P66", ".P66 150", "15.0"},    // tenths from 2.00 on
        {false, 150, 5384, 3, ".?P120", ".P120 150", "15.0"},
        {false, 150, 5806, 4, ".?P124", ".P124 150", "15.0"},
        {true, 150, 7467, 2, ".?P118", ".P118 465", "465.0"},   // 7467 has "PBRF?" only
        {true, 250, 1234, 3, ".?P122", ".P122 465", "46.5"},
        {true, 250, 1234, 4, ".?P126", ".P126 -12", "-1.2"},
        {true, 250, 1234, 9, ".?P71", ".P71 465", "46.5"},   // unknown band: band 1
        {true, 250, 1234, 1, ".?P71", ".P71465", ""},        // no blank
    };
    for (const BandCase& c : cases) {
        TestProgram t;
        t.replies[c.command] = c.data;
        SCOPED_TRACE(c.command + (" " + c.data.toStdString()));
        const QString got = c.maximum ? GetBandRCValue(t.p(), c.fw100, c.model, c.band)
                                      : GetBandRFValue(t.p(), c.fw100, c.model, c.band);
        EXPECT_EQ(got.toStdString(), c.expected.toStdString());
        EXPECT_EQ(t.commands, QByteArrayList{c.command});
    }
}

TEST(BandMaxAttenuations, EachBandAnsweredClearedOrKept)
{
    TestProgram t;
    t.p().ReplyFields.fill(QStringLiteral("old"));
    t.replies[".?P203"] = ".P203 250";
    t.replies[".?P321"] = ".P321 125";   // ".?P320" goes unanswered
    t.replies[".?P322"] = ".P32 2";      // blank too early: the field is kept
    ReadBandMaxAttenuations(t.p());
    EXPECT_EQ(fields(t.p(), 5).toStdString(), "25||12.5|old|old");
}

TEST(NumberedValues, AttenuationDirectLatchesByLeadingNumber)
{
    const QueryRun maxAtten = [](Program& p) { return text(ReadMaxAttenuation(p)); };
    runCases({{".?P203", ".P203 250", "250"},
              {".?P203", ".P203 25.5", "26"},
              {".?P203", ".P203 2x", "-1"},      // not a number
              {".?P203", ".P203 40000", "-1"},   // beyond 16 bits
              {".?P203", ".P23 250", "-1"},      // blank not after position 7
              {".?P203", std::nullopt, "-1"}},
             maxAtten);
    runCases({{".?P151", ".P151 1", "1"}, {".?P151", ".P151 1x", "1"}, {".?P151", ".P151 x", "0"}},
             [](Program& p) { return text(ReadLowLineLatched(p)); });
    runCases({{".?P212", ".P212 0", "0"}, {".?P212", ".P212", "-1"}},
             [](Program& p) { return text(ReadExtIlokLatched(p)); });
}

TEST(SingleValueQueries, RangeAutoHVReturnLossAndReverseOffset)
{
    runCases({{".?P334", ".P334 300", "30.0"},
              {".?P334", ".P334 ", "0.0"},
              {".?P334", ".P334300", ""},
              {".?P334", std::nullopt, ""}},
             [](Program& p) { return ReadAttenuatorRange(p); });
    runCases({{"PBA?", "PBA1", "1"}, {"PBA?", "PBA", "-1"}, {"PBA?", "PBAx", "-1"}},
             [](Program& p) { return text(ReadAutoHVDisable(p)); });
    runCases({{"PS?", "PS18.5", "18.5"}, {"PS?", "XS18.5", "-1"}},
             [](Program& p) { return text(ReadReturnLossSetting(p)); });
    runCases({{"PR?", "PR-1.5", "-1.5"},
              {"PR?", "PR2", " 2"},
              {"PR?", "PR1.5dB", " 1.5"},
              {"PR?", "PRx", " 0"},
              {"PR?", std::nullopt, " 0"}},
             [](Program& p) { return ReadReverseRFOffset(p); });
}

TEST(PowerLimits, FlagAndValuesOrNothing)
{
    runCases({{"PO?", "PO1 46.0;40.5", "1:1|46.0|40.5"},
              {"PO?", "PO1 46.0", "1:1|46.0|"},
              {"PO?", "PO046.125;40.555", "1:0|46.125|40.56"},
              {"PO?", "XX1 46.0", "0:||"},   // no echo: not answered
              {"PO?", "PO1", "0:||"},        // too short
              {"PO?", "XXXXPO", "0:||"},     // no flag character before ETX
              {"PO?", std::nullopt, "0:||"}},
             [](Program& p) { return powerLimits(ReadMaxRFPowerLimit(p)); });
    runCases({{"POO?", "POO47.5", "1:47.5||"},
              {"POO?", "POO 47.5 dBm", "1: 47.5 ||"},
              {"POO?", "PXX47.5", "0:||"},   // no echo: not answered
              {"POO?", "POO4", "0:||"}},
             [](Program& p) { return powerLimits(ReadMaxRFPowerFaultLevel(p)); });
}

TEST(EnableMasks, SecondMaskOnlyFromAReplyThatCarriesIt)
{
    struct MaskCase {
        const char* command;
        QByteArray data;
        bool answered;
        qint32 mask, mask2;
        bool second;
    };
    const std::vector<MaskCase> cases = {
        {"YIF?", "YIF1048575,255", true, 1048575, 255, true},
        {"YIF?", "YIF4095", true, 4095, 77, false},
        {"YIF?", "YIF5,3000000000", true, 5, 77, false},   // second beyond 32 bits
        {"YIF?", "YIF3000000000", false, 11, 77, false},   // first beyond 32 bits
        {"YIF?", "YXF1", false, 11, 77, false},
        {"YIA?", "YIA4095,7", true, 4095, 77, false},
        {"YIA?", "YXA1", false, 11, 77, false},
    };
    for (const MaskCase& c : cases) {
        TestProgram t;
        UnitConfig& cfg = t.p().unit.config;
        cfg.EnableMaskReply = 11;
        cfg.EnableMaskReply2 = 77;
        t.replies[c.command] = c.data;
        SCOPED_TRACE(c.data.toStdString());
        const bool got = QByteArray(c.command) == "YIF?" ? ReadFaultEnableMask(t.p()) : ReadAlarmEnableMask(t.p());
        EXPECT_EQ(got, c.answered);
        EXPECT_EQ(cfg.EnableMaskReply, c.mask);
        EXPECT_EQ(cfg.EnableMaskReply2, c.mask2);
        EXPECT_EQ(cfg.SecondMaskReceived, c.second);
    }
}
