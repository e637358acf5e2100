#include "commands/IndexedQueries.h"
#include "commands/ConfigQueryTest.h"
#include <array>

using namespace SsaCmds;
using namespace cfgtest;

TEST(IndexedReads, ScalersElementByElement)
{
    TestProgram t;
    t.replies["YO1?"] = "YO1 512";
    t.replies["YO2?"] = "YO2512";   // no blank: -1, and the loop goes on
    t.replies["YO4?"] = "YO4 -7";   // "YO3?" goes unanswered
    std::array<qint16, 5> scalers{99, 0, 0, 0, 0};
    EXPECT_TRUE(ReadADCScalers(t.p(), scalers));
    EXPECT_EQ(scalers, (std::array<qint16, 5>{99, 512, -1, -1, -7}));
    EXPECT_EQ(t.commands, (QByteArrayList{"YO1?", "YO2?", "YO3?", "YO4?"}));
}

TEST(IndexedReads, PotsOverdriveAndStartup)
{
    runCases({{"YP4?", "YP4 128", "128"},
              {"YP4?", "YP 12", "12"},   // blank at 5: the value starts at 6
              {"YP4?", "Y 12", "-1"},    // value would start before 6
              {"YP4?", "YP4 40000", "-1"}},
             [](Program& p) { return text(ReadDigitalPot(p, 4)); });
    runCases({{"YP3?", "YP3 2.54", "2.5"}, {"YP3?", "YP3 12.45", "12.5"}, {"YP3?", std::nullopt, "-1.0"}},
             [](Program& p) { return ReadOverdriveFaultTripLevel(p); });
    runCases({{"PX?", "PX1", "1"}, {"PX?", "PXa", "0"}, {"PX?", "PX", "-1"}},
             [](Program& p) { return text(ReadStartupConfig(p)); });
}

TEST(IndexedReads, DigitalPotSettingsInTheirOrder)
{
    TestProgram t;
    UnitConfig& c = t.p().unit.config;
    c.DigitalPotValues.fill(9);
    t.replies["YP1?"] = "YP1 128";
    t.replies["YP5?"] = "YP5 32";   // "YP4?" and "YP6?" go unanswered
    t.replies["YP3?"] = "YP3 2.54";
    t.replies["PBUH?"] = "PBUH1";
    ReadDigitalPotSettings(t.p());
    EXPECT_EQ(c.DigitalPotValues, (std::array<qint16, 7>{9, 128, 9, 9, -1, 32, -1}));
    EXPECT_DOUBLE_EQ(c.OverdriveTripLevel, 2.5);
    EXPECT_TRUE(c.UplinkPowerControl);
    EXPECT_EQ(t.commands, (QByteArrayList{"YP1?", "YP4?", "YP5?", "YP6?", "YP3?", "PBUH?"}));
}

TEST(HourMeters, SixDigitsAfterTheMarkInTheirRange)
{
    runCases({{"?M", "?012345", "12345"},
              {"?M", "?01234", "-1"},    // field short of six characters
              {"?M", "?9E+099", "-1"},   // beyond 32 bits
              {"?M", "012345", "-1"}},
             [](Program& p) { return text(ReadPowerSupplyHours(p)); });
    runCases({{"?N", "?000321", "321"}}, [](Program& p) { return text(ReadTransmitHours(p)); });
    runCases({{"?Q", "? 1.2", "1.2"}, {"?Q", "?1", ""}}, [](Program& p) { return ReadRevRFPower(p); });
}

TEST(UnitPorts, SettingsOfPortOneAndTwo)
{
    const auto ports = [](int port) {
        return [port](Program& p) {
            p.ReplyFields.fill(QStringLiteral("-"));
            const QString got = text(GetUnitPortSettings(p, port));
            return got + "|" + fields(p, 4);
        };
    };
    runCases({{"X1?", "X1009600N81", "True|009600|N|8|1"},
              {"X1?", "X100960N8", "False|-|-|-|-"},   // fields run into ETX
              {"X1?", "Y1009600N81", "False|-|-|-|-"}},
             ports(1));
    runCases({{"X2?", "X2038400E71", "True|038400|E|7|1"}}, ports(2));
    TestProgram t;
    EXPECT_FALSE(GetUnitPortSettings(t.p(), 3));
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(UnitPorts, Rs485ProtocolFieldsAndTag)
{
    const QueryRun protocol = [](Program& p) {
        p.ReplyFields.fill(QStringLiteral("-"));
        const QString got = text(GetPort2Protocol(p));
        return got + "|" + fields(p, 4);
    };
    runCases({{"XR?", "XR21B;OBMIP", "True|2|1|B|OBMIP"},
              {"XR?", "XR21B", "True|2|1|B|"},
              {"XR?", "XR21B;x ORVAN", "True|2|1|B|ORVAN"},
              {"XR?", "XR21B;", "True|2|1|B|"},
              {"XR?", "R41C", "True|4|1|C|"},   // no "XR": fields from position 4
              {"XR?", "XR2", "False||||"},
              {"XR?", std::nullopt, "False||||"}},
             protocol);
}

TEST(TempCoefficients, ShortAndLongReplies)
{
    runCases({{"YB?", "YB0.015abcdefghijk", "0.015"},   // 22 characters
              {"YB?", "YB0.015abcdefghijkl", ""},       // 23: first ETX at 22
              {"YB?", "YB0.015abcdefghijklm", "0.015abcdefghijklm"},
              {"YB?", "YB0.0", ""},
              {"YB?", "XYB0.015", ""}},
             [](Program& p) { return ReadTempCoefficient(p); });
}

TEST(TempCoefficients, PerSubBandUntilOneGoesUnanswered)
{
    TestProgram t;
    t.p().ReplyFields.fill(QStringLiteral("old"));
    t.replies["YB?1"] = "YB-0.02 dB/C";
    t.replies["YB?2"] = "YB1.5:2.5:3.5:4.5:5.5:6.5 sets";
    t.replies["YB?4"] = "YB-0.03 dB/C";   // never asked: "YB?3" ends the loop
    EXPECT_TRUE(ReadBandTempCoefficients(t.p(), 5));
    EXPECT_EQ(fields(t.p(), 9).toStdString(), "-0.02|1.5:2.5:3.5:4.5:5.5:6.5 |||||||old");
    EXPECT_EQ(t.commands, (QByteArrayList{"YB?1", "YB?2", "YB?3"}));

    TestProgram none;
    EXPECT_TRUE(ReadBandTempCoefficients(none.p(), 0));
    EXPECT_EQ(none.commands, QByteArrayList{"YB?1"});
}

TEST(SwitchReads, InhibitInvertAndHeater)
{
    runCases({{".?P54", ".P54 1", "True"},
              {".?P54", ".P54 0", "False"},
              {".?P54", ".P54 x", "False"},
              {".?P54", ".P541", "False"}},
             [](Program& p) { return text(ReadRFInhibit(p)); });
    runCases({{"PTI?", "PTI0", "1"}, {"PTI?", "PTI1", "0"}, {"PTI?", "PTIx", "-1"}},
             [](Program& p) { return text(ReadRfiInvert(p)); });
    runCases({{":?", ":1", "1"}, {":?", ":x", "-1"}, {":?", "x:1", "-1"}},
             [](Program& p) { return text(ReadHeaterStandby(p)); });
    runCases({{"PBH?", "PBH2", "2"}, {"PBH?", "PBH", "-1"}, {"PBH?", "XPBH1", "-1"}},
             [](Program& p) { return text(ReadHeaterState(p)); });
    runCases({{"PBG?", "PBG45", "45"}, {"PBG?", "PBGx", "-1"}, {"PBG?", "XPBG45", "-1"}},
             [](Program& p) { return text(ReadFanControlTemperature(p)); });
}

TEST(Bands, BandTextAndBandNames)
{
    const QueryRun bandText = [](Program& p) {
        p.ReplyFields[0] = QStringLiteral("old");
        const QString got = GetRFBandText(p);
        return got + "|" + p.ReplyFields[0];
    };
    runCases({{"T?", "TKu, 14.250", "Ku|14.250"},
              {"T?", "TKu", "Ku|"},
              {"T?", "TKu,14.2", "Ku|"},   // frequency field short of 7 characters
              {"T?", "XKu, 14.250", "|old"},
              {"T?", std::nullopt, "|old"}},
             bandText);
    const QueryRun bandName = [](Program& p) {
        p.ReplyFields[0] = QStringLiteral("old");
        const QString got = GetBandName(p, 2);
        return got + "|" + p.ReplyFields[0];
    };
    runCases({{".?B2", ".B2Ku,14.25", "Ku|14.25"},
              {".?B2", ".B2C,4.125", "C|4.13"},
              {".?B2", ".B2C,0.015", "C|0.02"},   // rounded as written
              {".?B2", ".B2", "|"},               // answered without a name
              {".?B2", "X2Ku", "|old"},
              {".?B2", std::nullopt, "NOT SUPPORTED|old"}},
             bandName);
}

TEST(FactoryTrips, ForwardThenReverse)
{
    struct TripCase {
        std::optional<QByteArray> forward, reverse;
        QString expected;
    };
    const std::vector<TripCase> cases = {
        {"YFTF 52.0", "YFTR 4 5.0x", "False|52.0|45.0"},
        {"YFTF 52.0", std::nullopt, "False|52.0|"},
        {"YTF 52.0", "YFTR 45.0", "False||45.0"},   // "TF" not above position 4
        {std::nullopt, "YFTR 45.0", "True||"},
    };
    for (const TripCase& c : cases) {
        TestProgram t;
        if (c.forward)
            t.replies["YFTF?"] = *c.forward;
        if (c.reverse)
            t.replies["YFTR?"] = *c.reverse;
        const QString got = text(GetFactoryTripLevels(t.p()));
        EXPECT_EQ((got + "|" + fields(t.p(), 2)).toStdString(), c.expected.toStdString());
        EXPECT_EQ(t.commands.contains("YFTR?"), c.forward.has_value());
    }
}
