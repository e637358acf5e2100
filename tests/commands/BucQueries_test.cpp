#include "commands/BucQueries.h"
#include "commands/ConfigQueryTest.h"

using namespace SsaCmds;
using namespace cfgtest;

TEST(BucQueries, LeadingNumberAfterTheEchoOrTheDefault)
{
    runCases({{"PBCA?", "PBCA10.5", "10.5"},
              {"PBCA?", "PBCA", "0"},   // echo without a number: 0, not the default
              {"PBCA?", "PBXA10.5", "-1"},
              {"PBCA?", std::nullopt, "-1"}},
             [](Program& p) { return text(ReadBucAttenuation(p)); });
    runCases({{"PBCN?", "PBCN30", "30"}, {"PBCN?", std::nullopt, "31.5"}},
             [](Program& p) { return text(ReadBucMaxAttenuation(p)); });
    runCases({{"PBCM?", "PBCM2.5", "2"}, {"PBCM?", "PBCM99999", "-1"}, {"PBCM?", std::nullopt, "-1"}},
             [](Program& p) { return text(ReadBucMode(p)); });
}

TEST(GainBalance, StateDigitAndValue)
{
    const QueryRun gain = [](Program& p) {
        p.ReplyFields[0] = QStringLiteral("old");
        const QString got = text(ReadGainBalance(p));
        return got + "|" + p.ReplyFields[0];
    };
    runCases({{"PG?", "PG1 2.5", "1|2.5"},
              {"PG?", "PG0-1.25", "0|-1.3"},
              {"PG?", "PG1 2", "-1|old"},   // 9 characters: too short
              {"PG?", "PGx 2.5", "-1|old"},
              {"PG?", "XG1 2.5", "-1|old"},
              {"PG?", std::nullopt, "-1|old"}},
             gain);
}

TEST(GainBalance, IfGainBalanceClearsItsFieldFirst)
{
    const QueryRun ifGain = [](Program& p) {
        p.ReplyFields[0] = QStringLiteral("old");
        const QString got = text(ReadIFGainBalance(p));
        return got + "|" + p.ReplyFields[0];
    };
    runCases({{"PBCG?", "PBCG1.5", "True|1.5"},
              {"PBCG?", "PBCG-0.04", "True|0.0"},
              {"PBCG?", "PBCG1", "False|"},   // value start not before Len - 2
              {"PBCG?", "XBCG1.5", "False|"},
              {"PBCG?", std::nullopt, "False|"}},
             ifGain);
}
