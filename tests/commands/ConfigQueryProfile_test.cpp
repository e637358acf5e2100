// Every configuration query against the simulated unit's profiles, and unanswered.
#include "support/GarbageUnit.h"
#include "commands/BucQueries.h"
#include "commands/ConfigQueryTest.h"
#include "commands/IndexedQueries.h"
#include "commands/LimitMaskQueries.h"
#include "commands/NetworkQueries.h"
#include "link/Transaction.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitProfile.h"
#include <array>

using namespace SsaCmds;
using namespace cfgtest;

namespace {

struct ProfileQuery {
    const char* name;
    const char* command;   // the first command it sends
    QueryRun run;
    QString none;      // result when unanswered
    QString profile;   // result from a profile that knows the command
};

QString withFields(const QString& result, const Program& p, int n) { return result + "|" + fields(p, n); }

QString limits(const PowerLimitReply& r)
{
    return QString::number(r.Valid) + ":" + QStringList(r.Values.begin(), r.Values.begin() + 3).join('|');
}

QString masks(bool answered, const UnitConfig& c)
{
    return text(answered) + "|" + text(c.EnableMaskReply) + "|" + text(c.EnableMaskReply2) + "|" +
           text(c.SecondMaskReceived);
}

QString lldpText(Program& p, QString (*read)(CommandContext&), void (*parse)(CommandContext&, const QString&))
{
    const QString t = read(p);
    parse(p, t);
    const UnitConfig& c = p.unit.config;
    return t + "|" +
           QStringList{text(c.LldpFactoryMed), c.LldpFactoryHwRev,   c.LldpFactoryUuid,       text(c.LldpEnabled),
                       text(c.LldpTxTimer),    text(c.LldpHoldTime), text(c.LldpReinitDelay), c.LldpHostName}
               .join('|');
}

const std::vector<ProfileQuery>& queries()
{
    static const std::vector<ProfileQuery> all = {
        {"GetBandRCValue", ".?P71", [](Program& p) { return GetBandRCValue(p, 250, 1234, 1); }, "", "46.5"},
        {"GetBandRFValue", ".?P66", [](Program& p) { return GetBandRFValue(p, 250, 1234, 1); }, "", "10.0"},
        {"GetBandRFValue 7467", "PBRF?", [](Program& p) { return GetBandRFValue(p, 310, 7467, 1); }, "", "10.5"},
        {"ReadBandMaxAttenuations", ".?P203",
         [](Program& p) {
             ReadBandMaxAttenuations(p);
             return fields(p, 4);
         },
         "|||", "25|12.5|20|0"},
        {"ReadAttenuatorRange", ".?P334", [](Program& p) { return ReadAttenuatorRange(p); }, "", "30.0"},
        {"ReadMaxAttenuation", ".?P203", [](Program& p) { return text(ReadMaxAttenuation(p)); }, "-1", "250"},
        {"ReadAutoHVDisable", "PBA?", [](Program& p) { return text(ReadAutoHVDisable(p)); }, "-1", "1"},
        {"ReadLowLineLatched", ".?P151", [](Program& p) { return text(ReadLowLineLatched(p)); }, "-1", "1"},
        {"ReadExtIlokLatched", ".?P212", [](Program& p) { return text(ReadExtIlokLatched(p)); }, "-1", "0"},
        {"ReadReturnLossSetting", "PS?", [](Program& p) { return text(ReadReturnLossSetting(p)); }, "-1", "18.5"},
        {"ReadReverseRFOffset", "PR?", [](Program& p) { return ReadReverseRFOffset(p); }, " 0", "-1.5"},
        {"ReadMaxRFPowerLimit", "PO?", [](Program& p) { return limits(ReadMaxRFPowerLimit(p)); }, "0:||",
         "1:1|46.0|40.5"},
        {"ReadMaxRFPowerFaultLevel", "POO?", [](Program& p) { return limits(ReadMaxRFPowerFaultLevel(p)); }, "0:||",
         "1:47.5||"},
        {"ReadFaultEnableMask", "YIF?",
         [](Program& p) {
             const bool ok = ReadFaultEnableMask(p);
             return masks(ok, p.unit.config);
         },
         "False|0|0|False", "True|1048575|255|True"},
        {"ReadAlarmEnableMask", "YIA?",
         [](Program& p) {
             const bool ok = ReadAlarmEnableMask(p);
             return masks(ok, p.unit.config);
         },
         "False|0|0|False", "True|4095|0|False"},

        {"ReadBucAttenuation", "PBCA?", [](Program& p) { return text(ReadBucAttenuation(p)); }, "-1", "10.5"},
        {"ReadBucPower", "PBCP?", [](Program& p) { return text(ReadBucPower(p)); }, "-60", "-12.5"},
        {"ReadBucSetpoint", "PBCS?", [](Program& p) { return text(ReadBucSetpoint(p)); }, "-60", "-10"},
        {"ReadBucTemperature", "PBCT?", [](Program& p) { return text(ReadBucTemperature(p)); }, "-60", "35.5"},
        {"ReadBucMaxAttenuation", "PBCN?", [](Program& p) { return text(ReadBucMaxAttenuation(p)); }, "31.5", "30"},
        {"ReadBucOffset", "PBCO?", [](Program& p) { return text(ReadBucOffset(p)); }, "0", "1.5"},
        {"ReadBucMode", "PBCM?", [](Program& p) { return text(ReadBucMode(p)); }, "-1", "2"},
        {"ReadBucIdeal", "PBCI?", [](Program& p) { return text(ReadBucIdeal(p)); }, "0", "-11"},
        {"ReadGainBalance", "PG?",
         [](Program& p) {
             const qint16 s = ReadGainBalance(p);
             return withFields(text(s), p, 1);
         },
         "-1|", "1|2.5"},
        {"ReadIFGainBalance", "PBCG?",
         [](Program& p) {
             const bool ok = ReadIFGainBalance(p);
             return withFields(text(ok), p, 1);
         },
         "False|", "True|1.5"},

        {"GetIPAddress", "PEI?", [](Program& p) { return GetIPAddress(p); }, "", "127.0.0.5"},
        {"GetNetMask", "PEN?", [](Program& p) { return GetNetMask(p); }, "", "255.0.0.0"},
        {"GetRouterAddress", "PER?", [](Program& p) { return GetRouterAddress(p); }, "", "127.0.0.1"},
        {"GetMACAddress", "PEM?", [](Program& p) { return GetMACAddress(p); }, "", "00-11-22-33-44-55"},
        {"ReadDhcpEnabled", "PEO?", [](Program& p) { return text(ReadDhcpEnabled(p)); }, "False", "True"},
        {"GetFactoryLLDPText", "QlldpFactorySetup?",
         [](Program& p) { return lldpText(p, GetFactoryLLDPText, ParseFactoryLLDP); }, "||||False||||",
         "1;HW2;uuid-0001|1|HW2|uuid-0001|False||||"},
        {"GetUserLLDPText", "QlldpSetupConfig?", [](Program& p) { return lldpText(p, GetUserLLDPText, ParseUserLLDP); },
         "||||False||||", "1;30;4;2;unit-a||||True|30|4|2|unit-a"},
        {"ReadTWTEOLParams", "QEP?",
         [](Program& p) {
             const bool ok = ReadTWTEOLParams(p);
             return withFields(text(ok), p, 3);
         },
         "False|||", "True|20000|5.5|123"},
        {"ReadTWTLifeText", "QEC", [](Program& p) { return ReadTWTLifeText(p); }, "", "15000"},

        {"ReadADCScalers", "YO1?",
         [](Program& p) {
             std::array<qint16, 4> s{};
             ReadADCScalers(p, s);
             return QStringList{text(s[1]), text(s[2]), text(s[3])}.join('|');
         },
         "-1|-1|-1", "512|256|128"},
        {"ReadDigitalPot", "YP1?", [](Program& p) { return text(ReadDigitalPot(p, 1)); }, "-1", "128"},
        {"ReadDigitalPotSettings", "YP1?",
         [](Program& p) {
             ReadDigitalPotSettings(p);
             const UnitConfig& c = p.unit.config;
             return QStringList{text(c.DigitalPotValues[1]), text(c.DigitalPotValues[4]), text(c.DigitalPotValues[5]),
                                text(c.DigitalPotValues[6]), QString::number(c.OverdriveTripLevel)}
                 .join('|');
         },
         "-1|-1|-1|-1|-1", "128|64|32|16|2.5"},
        {"ReadOverdriveFaultTripLevel", "YP3?", [](Program& p) { return ReadOverdriveFaultTripLevel(p); }, "-1.0",
         "2.5"},
        {"ReadStartupConfig", "PX?", [](Program& p) { return text(ReadStartupConfig(p)); }, "-1", "1"},
        {"ReadPowerSupplyHours", "?M", [](Program& p) { return text(ReadPowerSupplyHours(p)); }, "-1", "12345"},
        {"ReadTransmitHours", "?N", [](Program& p) { return text(ReadTransmitHours(p)); }, "-1", "321"},
        {"ReadRevRFPower", "?Q", [](Program& p) { return ReadRevRFPower(p); }, "", "1.2"},
        {"GetUnitPortSettings 1", "X1?",
         [](Program& p) {
             const bool ok = GetUnitPortSettings(p, 1);
             return withFields(text(ok), p, 4);
         },
         "False||||", "True|009600|N|8|1"},
        {"GetUnitPortSettings 2", "X2?",
         [](Program& p) {
             const bool ok = GetUnitPortSettings(p, 2);
             return withFields(text(ok), p, 4);
         },
         "False||||", "True|038400|E|7|1"},
        {"GetPort2Protocol", "XR?",
         [](Program& p) {
             const bool ok = GetPort2Protocol(p);
             return withFields(text(ok), p, 4);
         },
         "False||||", "True|2|1|B|OBMIP"},
        {"ReadTempCoefficient", "YB?", [](Program& p) { return ReadTempCoefficient(p); }, "", "0.015"},
        {"ReadBandTempCoefficients", "YB?1",
         [](Program& p) {
             const bool ok = ReadBandTempCoefficients(p, 1);
             return withFields(text(ok), p, 2);
         },
         "True||", "True|-0.02|"},
        {"ReadRFInhibit", ".?P54", [](Program& p) { return text(ReadRFInhibit(p)); }, "False", "True"},
        {"ReadRfiInvert", "PTI?", [](Program& p) { return text(ReadRfiInvert(p)); }, "-1", "1"},
        {"GetRFBandText", "T?",
         [](Program& p) {
             const QString b = GetRFBandText(p);
             return withFields(b, p, 1);
         },
         "|", "Ku|14.250"},
        {"GetBandName", ".?B1",
         [](Program& p) {
             const QString b = GetBandName(p, 1);
             return withFields(b, p, 1);
         },
         "NOT SUPPORTED|", "Ku|14.25"},
        {"ReadHeaterStandby", ":?", [](Program& p) { return text(ReadHeaterStandby(p)); }, "-1", "1"},
        {"ReadHeaterState", "PBH?", [](Program& p) { return text(ReadHeaterState(p)); }, "-1", "1"},
        {"GetFactoryTripLevels", "YFTF?",
         [](Program& p) {
             const bool none = GetFactoryTripLevels(p);
             return withFields(text(none), p, 2);
         },
         "True||", "False|52.0|45.0"},
        {"ReadFanControlTemperature", "PBG?", [](Program& p) { return text(ReadFanControlTemperature(p)); }, "-1",
         "45"},
    };
    return all;
}

void expectEach(const std::function<void(TestProgram&)>& script,
                const std::function<QString(const ProfileQuery&)>& expected)
{
    for (const ProfileQuery& q : queries()) {
        TestProgram t;
        script(t);
        EXPECT_EQ(q.run(t.p()).toStdString(), expected(q).toStdString()) << q.name;
    }
}

// Runs every query on `p`, each from a clean reply table and configuration.
void expectProfileValues(Program& p, const SimUnitProfile& profile)
{
    for (const ProfileQuery& q : queries()) {
        p.ReplyFields.fill(QString());
        p.unit.config = {};
        EXPECT_EQ(q.run(p).toStdString(), (profile.knows(q.command) ? q.profile : q.none).toStdString()) << q.name;
    }
}

// The unit refuses at once, rather than staying silent, every command of the queries that
// its profile does not know, so no link waits out its time-out.
void refuseUnknownCommands(SimUnitProfile& profile)
{
    for (const ProfileQuery& q : queries()) {
        TestProgram t;
        t.replies = profile.replies;
        q.run(t.p());
        for (const QByteArray& command : t.commands) {
            if (!profile.knows(command))
                profile.behaviour[command].kind = SimBehaviour::Nak;
        }
    }
}

}   // namespace

// Each query returns the profile's value over the scripted fake line, the serial line of a
// pseudo-terminal and a loopback TCP connection; what a profile does not know gives the
// default.
class ConfigQueriesOverLinks : public testing::TestWithParam<std::tuple<UnitLink, bool>> {};

TEST_P(ConfigQueriesOverLinks, ReturnTheProfilesValues)
{
    const auto [link, tube] = GetParam();
    SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
    refuseUnknownCommands(profile);
    RunOverLink(link, profile, [&profile](Program& p) { expectProfileValues(p, profile); });
}

INSTANTIATE_TEST_SUITE_P(ProfilesAndLinks, ConfigQueriesOverLinks,
                         testing::Combine(testing::Values(UnitLink::Fake, UnitLink::Serial, UnitLink::Tcp),
                                          testing::Bool()),
                         [](const auto& info) {
                             return std::string(UnitLinkName(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) ? "Twta" : "Sspa");
                         });

TEST(ConfigQueries, UnansweredOrRefusedGiveTheDefaults)
{
    expectEach([](TestProgram&) {}, [](const ProfileQuery& q) { return q.none; });
    expectEach(
        [](TestProgram& t) {
            t.serial.responder = [](const QByteArray& frame) -> QByteArray {
                char address = 0;
                QByteArray command;
                if (!unitframes::parseSerialRequest(frame, address, command))
                    return {};
                return unitframes::serialReply('A', "", unitframes::NAK);
            };
        },
        [](const ProfileQuery& q) { return q.none; });
}

TEST(ConfigQueries, SeparatorsInTheChecksumAreNotData)
{
    struct SumCase {
        const char* command;
        QByteArray data;
        char sum;
        QueryRun run;
        QString expected;
    };
    const std::vector<SumCase> cases = {
        {"PO?", "PO1 46.0", ';', [](Program& p) { return limits(ReadMaxRFPowerLimit(p)); }, "1:1|46.0|"},
        {"YIF?", "YIF4095", ',',
         [](Program& p) {
             const bool ok = ReadFaultEnableMask(p);
             return masks(ok, p.unit.config);
         },
         "True|4095|0|False"},
        {".?P203", ".P203250", ' ', [](Program& p) { return text(ReadMaxAttenuation(p)); }, "-1"},
        {".?P54", ".P541", ' ', [](Program& p) { return text(ReadRFInhibit(p)); }, "False"},
        {"?M", "M012345", '?', [](Program& p) { return text(ReadPowerSupplyHours(p)); }, "-1"},
        {"QEC", "QEC15000", ';', [](Program& p) { return ReadTWTLifeText(p); }, ""},
        {"QEP?", "QEP1;2", ';',
         [](Program& p) {
             const bool ok = ReadTWTEOLParams(p);
             return withFields(text(ok), p, 2);
         },
         "False|1|"},
        {"XR?", "XR21B", ';',
         [](Program& p) {
             const bool ok = GetPort2Protocol(p);
             return withFields(text(ok), p, 4);
         },
         "True|2|1|B|"},
        {"T?", "TKu", ',',
         [](Program& p) {
             const QString b = GetRFBandText(p);
             return withFields(b, p, 1);
         },
         "Ku|"},
        {".?B1", ".B1Ku", ',',
         [](Program& p) {
             const QString b = GetBandName(p, 1);
             return withFields(b, p, 1);
         },
         "Ku|"},
    };
    for (const SumCase& c : cases) {
        TestProgram t;
        answerWithChecksum(t, c.command, c.data, c.sum);
        SCOPED_TRACE(c.data.toStdString());
        EXPECT_EQ(c.run(t.p()).toStdString(), c.expected.toStdString());
        EXPECT_EQ(UnitReply(t.p()).back(), QLatin1Char(c.sum));
    }
}

TEST(GarbageReplies, ConfigurationQueriesNeverTakeAFrameByte)
{
    QRandomGenerator rng(20261211);
    for (const bool overTcp : {false, true}) {
        for (const ProfileQuery& q : queries()) {
            garbage::forGarbageUnits(overTcp, rng, 60, [&q, overTcp](Program& p) {
                const QString result = q.run(p);
                ASSERT_EQ(garbage::frameByteIn(result), -1)
                    << q.name << (overTcp ? " over TCP: " : ": ") << result.toStdString();
            });
        }
    }
}
