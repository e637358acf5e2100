#include "commands/NetworkQueries.h"
#include "commands/ConfigQueryTest.h"
#include "app/Program.h"

using namespace SsaCmds;
using namespace cfgtest;

TEST(NetworkQueries, DottedQuads)
{
    runCases({{"PEI?", "PEI127.000.000.005", "127.0.0.5"},
              {"PEI?", "PEI127.0.0.1.9", "127.0.0.1"},   // parts after the fourth dropped
              {"PEI?", "PEIab.0.0.1", "ab.0.0.1"},       // a part that is no number stays
              {"PEI?", "PEI", ""},
              {"PEI?", "PXI127.0.0.1", ""}},
             [](Program& p) { return GetIPAddress(p); });
    runCases({{"PEN?", "PEN255.0.0", ""}}, [](Program& p) { return GetNetMask(p); });
    runCases({{"PER?", "PER127.0.0.1", "127.0.0.1"}}, [](Program& p) { return GetRouterAddress(p); });
}

TEST(NetworkQueries, TextsToEtxAndDhcp)
{
    runCases(
        {{"PEM?", "PEM00-11-22-33-44-55", "00-11-22-33-44-55"}, {"PEM?", "PEM00-11-22", ""}},   // not longer than 17
        [](Program& p) { return GetMACAddress(p); });
    runCases({{"QlldpFactorySetup?", "QlldpFactorySetup 1;HW2;u-1", "1;HW2;u-1"},
              {"QlldpFactorySetup?", "QlldpFactorySetup 1", ""}},
             [](Program& p) { return GetFactoryLLDPText(p); });
    runCases({{"QlldpSetupConfig?", "QlldpSetupConfig 1;30;4;2;unit-a", "1;30;4;2;unit-a"},
              {"QlldpSetupConfig?", "QlldpSetupConfig 1;30;4", ""}},
             [](Program& p) { return GetUserLLDPText(p); });
    runCases({{"PEO?", "PEO1", "True"}, {"PEO?", "PEO0", "False"}, {"PEO?", "PEOx", "False"}, {"PEO?", "PEO", "False"}},
             [](Program& p) { return text(ReadDhcpEnabled(p)); });
}

namespace {
template <class T> QString number(const std::optional<T>& v) { return v ? QString::number(*v) : QString(); }

QString lldp(const UnitConfig& c)
{
    return QStringList{number(c.LldpFactoryMed),     c.LldpFactoryHwRev,    c.LldpFactoryUuid,
                       c.LldpEnabled ? "on" : "off", number(c.LldpTxTimer), number(c.LldpHoldTime),
                       number(c.LldpReinitDelay),    c.LldpHostName}
        .join('|');
}
}   // namespace

TEST(LldpParsers, TakeOnlyWellFormedFieldsInRange)
{
    struct ParseCase {
        bool factory;
        QString text;
        QString expected;   // med|hw|uuid|enabled|tx|hold|reinit|host, from 7|h|u|on|30|4|3|n
    };
    const std::vector<ParseCase> cases = {
        {true, "12;r2;u-9", "12|r2|u-9|on|30|4|3|n"},
        {true, "x;r2;u-9", "7|r2|u-9|on|30|4|3|n"},
        {true, "12;r2", "7|h|u|on|30|4|3|n"},
        {true, "", "7|h|u|on|30|4|3|n"},
        {false, "0;4;5;2;unit-b", "7|h|u|off|30|5|2|unit-b"},   // interval 4 refused
        {false, "2;65534;70000;6;x", "7|h|u|on|65534|4|3|x"},
        {false, "1;60;0;5;y;", "7|h|u|on|30|4|3|n"},   // six fields
        {false, "a;b;c;d;z", "7|h|u|on|30|4|3|z"},
    };
    for (const ParseCase& c : cases) {
        TestProgram t;
        UnitConfig& cfg = t.p().unit.config;
        cfg = {};
        cfg.LldpFactoryMed = 7;
        cfg.LldpFactoryHwRev = "h";
        cfg.LldpFactoryUuid = "u";
        cfg.LldpEnabled = true;
        cfg.LldpTxTimer = 30;
        cfg.LldpHoldTime = 4;
        cfg.LldpReinitDelay = 3;
        cfg.LldpHostName = "n";
        SCOPED_TRACE(c.text.toStdString());
        if (c.factory)
            ParseFactoryLLDP(t.p(), c.text);
        else
            ParseUserLLDP(t.p(), c.text);
        EXPECT_EQ(lldp(cfg).toStdString(), c.expected.toStdString());
    }
}

TEST(TubeLife, EndOfLifeParamsAndLifeText)
{
    const QueryRun eol = [](Program& p) {
        p.ReplyFields.fill(QStringLiteral("-"));
        const QString got = text(ReadTWTEOLParams(p));
        return got + "|" + fields(p, 3);
    };
    runCases({{"QEP?", "QEP20000;5.5;123", "True|20000|5.5|123"},
              {"QEP?", "QEP1;2;2.5", "True|1|2|2"},
              {"QEP?", "QEP20000;5.5", "False|20000|-|-"},
              {"QEP?", "QEP;1;2", "False|-|-|-"},
              {"QEP?", "QEP1;2;99999", "False|1|2|-"},
              {"QEP?", "XQEP1;2;3", "False|-|-|-"}},
             eol);
    runCases({{"QEC", "QEC15000;", "15000"}, {"QEC", "QEC15000", ""}, {"QEC", "QXEC1;", ""}},
             [](Program& p) { return ReadTWTLifeText(p); });
}
