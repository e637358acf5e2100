#include "commands/ConfigProductQueries.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>
#include <functional>

using namespace SsaCmds;

namespace {
using ProductQuery = std::function<QString(Program&)>;
ProductQuery asText(qint16 (*query)(CommandContext&))
{
    return [query](Program& p) { return QString::number(query(p)); };
}
QString productIdText(Program& p)
{
    const ProductIdRecord id = ReadProductId(p);
    return QStringList{id.Valid ? "valid" : "invalid", id.PartNumber, id.MfgId, id.SerialNumber, id.FunctionalId}.join(
        '|');
}
}   // namespace

TEST(ConfigProductQueries, RepliesAndDefaults)
{
    struct Case {
        const char* name;
        QByteArray command;
        QByteArray data;   // empty: no answer
        ProductQuery query;
        QString expected;
    };
    const Case cases[] = {
        {"model cfg part", "YJ?", "YJ672-7436-105", ReadModelCfgPartNumber, "672-7436-105"},
        {"model cfg empty", "YJ?", "YJ", ReadModelCfgPartNumber, ""},
        {"model cfg no echo", "YJ?", "XX672", ReadModelCfgPartNumber, ""},
        {"model cfg unanswered", "YJ?", "", ReadModelCfgPartNumber, ""},
        {"type text trimmed", "YT", "YT  TWTA 672-7436-005  ", ReadUnitModelText, "TWTA 672-7436-005"},
        // An answered but empty type text is no type text, not the frame's ETX.
        {"type text empty", "YT", "YT", ReadUnitModelText, ""},
        {"type text unanswered", "YT", "", ReadUnitModelText, ""},
        {"option word", "YM?", "YM513", asText(ReadOptionWord), "513"},
        {"option word 32767", "YM?", "YM32767", asText(ReadOptionWord), "32767"},
        {"option word 32768 out of range", "YM?", "YM32768", asText(ReadOptionWord), "-1"},
        {"option word no echo", "YM?", "XM12", asText(ReadOptionWord), "-1"},
        {"arc detector fiber", "PTW?", "PTW1", asText(GetWGArcDetectorType), "1"},
        {"arc detector unanswered", "PTW?", "", asText(GetWGArcDetectorType), "-1"},
        {"param log on", ".?P349", ".P349 1", asText(ReadUseParamLog), "1"},
        {"param log off", ".?P349", ".P349 0", asText(ReadUseParamLog), "0"},
        {"param log letter", ".?P349", ".P349 A", asText(ReadUseParamLog), "17"},
        {"param log no flag", ".?P349", ".P349 ", asText(ReadUseParamLog), "-1"},
        {"param log other number", ".?P349", ".P348 1", asText(ReadUseParamLog), "-1"},
        {"led mode", "PBW?", "PBW2", asText(ReadLEDMode), "2"},
        {"led mode no echo", "PBW?", "PBX2", asText(ReadLEDMode), "-1"},
        {"uplink power control", "PBUH?", "PBUH1", asText(ReadUplinkPowerControl), "1"},
        {"power save on", "N?", "N1", asText(ReadPowerSaveMode), "1"},
        {"power save N elsewhere", "N?", "XN1", asText(ReadPowerSaveMode), "-1"},
        {"power save level", "NP?", "NP7", asText(ReadPowerSaveLevel), "7"},
        {"power save level elsewhere", "NP?", "XNP7", asText(ReadPowerSaveLevel), "-1"},
        {"prime power", "QmaxSYSPower?", "QmaxSYSPower: 950 ", ReadMaxSystemPrimePower, "950"},
        {"prime power cut at 5", "QmaxSYSPower?", "QmaxSYSPower 123456", ReadMaxSystemPrimePower, "12345"},
        {"prime power misplaced", "QmaxSYSPower?", "QmaxSYSPowe 1450", ReadMaxSystemPrimePower, ""},
        {"product id", "PBO?", "PBO291-7436;ORVAN;S1;FUNC0123", productIdText, "valid|291-7436|ORVAN|S1|FUNC01"},
        // A short functional ID stays short: never the frame's end.
        {"product id short functional id", "PBO?", "PBOP;M;S;F", productIdText, "valid|P|M|S|F"},
        {"product id two separators", "PBO?", "PBOP;M;S", productIdText, "invalid||||"},
        {"product id four separators", "PBO?", "PBOP;M;S;F;X", productIdText, "invalid||||"},
        {"product id unanswered", "PBO?", "", productIdText, "invalid||||"},
        {"cal factor table", "QS?", "QS950,0.5;1450,0.7;", ReadCalFactorText, "950,0.5;1450,0.7;"},
        {"cal factor empty table", "QS?", "QS", ReadCalFactorText, "0.0,0.0;"},
        {"cal factor misplaced", "QS?", "XQS950,0.5;", ReadCalFactorText, ""},
        {"cal factor unanswered", "QS?", "", ReadCalFactorText, ""},
    };
    for (const Case& c : cases) {
        TestProgram t;
        if (!c.data.isEmpty())
            t.replies[c.command] = c.data;
        EXPECT_EQ(c.query(t.p()), c.expected) << c.name;
        EXPECT_EQ(t.commands, QByteArrayList{c.command}) << c.name;
    }
}

TEST(ConfigProductQueries, ProductIdWhoseChecksumIsASeparator)
{
    // Find a functional ID whose frame ends in a ";" checksum.
    QByteArray data;
    for (char c = '0'; c <= 'z' && data.isEmpty(); ++c) {
        const QByteArray candidate = QByteArray("PBO291-7436;ORVAN;S1;FUNC") + c;
        if (unitframes::serialReply('A', candidate).endsWith(';'))
            data = candidate;
    }
    ASSERT_FALSE(data.isEmpty());
    TestProgram t;
    t.replies["PBO?"] = data;
    const ProductIdRecord id = ReadProductId(t.p());
    EXPECT_TRUE(id.Valid);
    EXPECT_EQ(id.PartNumber, "291-7436");
    EXPECT_EQ(id.FunctionalId, QString::fromLatin1(data.right(5)));
}

TEST(ConfigProductQueries, ProfilesAnswerEveryQuery)
{
    TestProgram t;
    t.replies = sspaProfile().replies;
    EXPECT_EQ(ReadModelCfgPartNumber(t.p()), "672-7467-201");
    EXPECT_EQ(ReadUnitModelText(t.p()), "SSPA 672-7467-001");
    EXPECT_EQ(ReadOptionWord(t.p()), 513);
    EXPECT_EQ(GetWGArcDetectorType(t.p()), 0);
    EXPECT_EQ(ReadUseParamLog(t.p()), 0);
    EXPECT_EQ(ReadLEDMode(t.p()), 0);
    EXPECT_EQ(ReadUplinkPowerControl(t.p()), 1);
    EXPECT_EQ(ReadPowerSaveMode(t.p()), 1);
    EXPECT_EQ(ReadPowerSaveLevel(t.p()), 5);
    EXPECT_EQ(ReadMaxSystemPrimePower(t.p()), "1450");
    EXPECT_EQ(ReadProductId(t.p()).FunctionalId, "BUC002");
    EXPECT_EQ(ReadCalFactorText(t.p()), "0.0,0.0;");
}
