// The lines of the RF set-up sections (bands, sub-bands, temperature compensation, trip
// levels, configuration word, up-converter), from plain unit values.
#include "files/CmdFileLines.h"
#include "LineCases.h"
#include <gtest/gtest.h>

using namespace cmdlines;

namespace {
BandValues bands(bool multi)
{
    BandValues v;
    v.names = {"", "Ku", "Ka", "", "X"};
    v.freqs = {"", "14.25", "29.50", "", ""};
    v.multiBand = multi;
    v.maxAtten = {"25", "12.5", "20", ""};
    v.currentBand = "Ku";
    return v;
}

SubBandParams answered(const char* tilt, bool tiltRead)
{
    return {true, {"A013", "P035", "S057", "1", "-1.5", tilt}, tiltRead};
}
}   // namespace

TEST(CmdFileRfLines, Bands)
{
    BandValues none = bands(false);
    none.names[1].clear();
    none.currentBand.clear();
    ExpectLineCases({
        {"single band",
         BandLines(bands(false)),
         {"#RF Band 1: Ku, 14.25 GHz", ".B1Ku,14.25", "#Current RF Band: Ku", "TKu"}},
        {"multi-band, band 3 disabled",
         BandLines(bands(true)),
         {"#RF Band 1: Ku, 14.25 GHz", ".B1Ku,14.25", "### Multi-Band Configuration", "#RF Band 2: Ka, 29.50 GHz",
          "#Max RF Atten: 12.5 db", ".P320 125", ".B2Ka,29.50", "#RF Band 3: Disabled", ".P110 255", "#RF Band 4: X",
          ".B4X", "#Current RF Band: Ku", "TKu"}},
        {"no band selected", BandLines(none), {"#RF Band 1: Disabled", "#Current RF Band: ", "T"}},
    });
}

TEST(CmdFileRfLines, SubBands)
{
    std::array<QString, 10> freqs{"", "21.75", "23.00", "", "31.55"};
    EXPECT_EQ(LastSubBand(freqs), 4);
    EXPECT_EQ(LastSubBand({}), 0);
    const SubBandTempComp noComp;
    const SubBandTempComp comp{true, "-0.02", false};
    const SubBandTempComp attnTemp{true, "0.5:40", true};
    ExpectLineCases({
        {"empty frequency",
         SubBandLines(3, "", answered("", false), true, true, comp),
         {"#  Sub-Band 3: 0.00 GHz", "PBS300.00"}},
        {"tilt answered",
         SubBandLines(2, "23.00", answered("T0.5", true), false, true, noComp),
         {"#  Sub-Band 2: 23.00 GHz", "PBS223.00", "#  Linearizer Settings for Sub-Band 2", "#    Lin Amp: A013",
          "PZA013:2", "#    Lin Phase: P035", "PzP035:2", "#    Lin Tilt: T0.5", "P|T0.5:2",
          "#    Gain Balance value: -1.5", "PG-1.5:2"}},
        {"tilt from the supply fallback",
         SubBandLines(2, "23.00", answered("1180", false), true, false, comp),
         {"#  Sub-Band 2: 23.00 GHz", "PBS223.00", "#  Linearizer Settings for Sub-Band 2", "#    Lin Amp: A013",
          "PZA013:2", "#    Lin Phase: P035", "PzP035:2", "#    Lin Slope: S057", "P/S057:2",
          "#    Temperature Coefficient: -0.02 dB/Deg C", "YB-0.02s2"}},
        {"negative tilt",
         SubBandLines(1, "21.75", answered("-3", true), false, false, noComp),
         {"#  Sub-Band 1: 21.75 GHz", "PBS121.75", "#  Linearizer Settings for Sub-Band 1", "#    Lin Amp: A013",
          "PZA013:1", "#    Lin Phase: P035", "PzP035:1"}},
        {"coefficient unread",
         SubBandLines(2, "23.00", SubBandParams{}, false, false, SubBandTempComp{true, "", false}),
         {"#  Sub-Band 2: 23.00 GHz", "PBS223.00", "#    Temperature Coefficient:  dB/Deg C", "#YBs2"}},
        {"read failed",
         SubBandLines(4, "31.55", SubBandParams{}, true, true, attnTemp),
         {"#  Sub-Band 4: 31.55 GHz", "PBS431.55", "#    Temperature Coefficient: 0.5:40 (Attn:Temp)", "YB0.5:40s4"}},
        {"no amplitude, phase and gain value unanswered",
         SubBandLines(1, "21.75", SubBandParams{true, {"", "", "", "", "", ""}, false}, true, true, noComp),
         {"#  Sub-Band 1: 21.75 GHz", "PBS121.75", "#    Gain Balance value: ", "#PG:1"}},
        {"closing enabled",
         SubBandClosingLines("1", 2),
         {"#Gain Balance Status: Enabled", "PG1", "#Current SubBand: 2", "PBS2"}},
        {"closing disabled",
         SubBandClosingLines("0", 1),
         {"#Gain Balance Status: Disabled", "PG0", "#Current SubBand: 1", "PBS1"}},
        {"no flag, no sub-band shown", SubBandClosingLines("", 0), {"#Current SubBand: 0", "#PBS0"}},
    });
}

TEST(CmdFileRfLines, TemperatureCompensationWaveguide)
{
    TempCompValues global{true, "0.015", false, true, "70", "-20", true, "30"};
    TempCompValues perSubBand = global;
    perSubBand.globalCoefficient = false;
    perSubBand.writesAtnRange = false;
    TempCompValues noRange = global;
    noRange.atnRangeSupported = false;
    ExpectLineCases({
        {"global",
         TempCompLines(global),
         {"#Temperature Coefficient: 0.015 dB/Deg C", "YB0.015", "#Gain Temperature Compensation: Disabled", "PI0",
          "#Max Cal Temperature: 70 C", ".P332 70", "#Min Cal Temperature: -20 C", ".P333 -20",
          "#Attenuator Range: 30 dB", ".P334 300"}},
        {"per sub-band, model without range",
         TempCompLines(perSubBand),
         {"#Gain Temperature Compensation: Disabled", "PI0", "#Max Cal Temperature: 70 C", ".P332 70",
          "#Min Cal Temperature: -20 C", ".P333 -20"}},
        {"no range",
         TempCompLines(noRange),
         {"#Temperature Coefficient: 0.015 dB/Deg C", "YB0.015", "#Gain Temperature Compensation: Disabled", "PI0"}},
        {"waveguide", WaveguideLines("3 - 1-For-1 w/load"), {"#Waveguide Configuration: 1-For-1 w/load", "PC3"}},
        {"no waveguide item", WaveguideLines(""), {}},
        {"auto", RedundantModeLines(true), {"#Waveguide Automatic mode: Enabled", "UA"}},
        {"manual", RedundantModeLines(false), {"#Waveguide Automatic mode: Disabled", "UM"}},
    });
}

TEST(CmdFileRfLines, TripLevels)
{
    ExpectLineCases({
        {"alarm in dBm",
         TripLevelLines(kFwdHighTrip, "50", "Alarm", false),
         {"#RF Power High: Alarm (50.0 dBm)", "MA100.0"}},
        {"alarm in watts",
         TripLevelLines(kFwdHighTrip, "100.0", "Alarm", true),
         {"#RF Power High: Alarm (50.0 dBm)", "MA100.0"}},
        {"low fault", TripLevelLines(kFwdLowTrip, "40", "Fault", false), {"#RF Low Power: Fault (40.0 dBm)", "LF10.0"}},
        {"reverse disabled",
         TripLevelLines(kRevTrip, "45", "Disabled", false),
         {"#Reflected RF Power: Disabled (45.0 dBm)", "OD31.6"}},
        {"empty box", TripLevelLines(kFwdHighTrip, "", "Fault", false), {}},
        {"factory",
         FactoryTripLines("52", "", "45", true),
         {"#Factory Set Fwd Trip Level: 52.0 dBm", "YFTF52.0", "#Factory Set Rev Trip Level: 45.0 dBm", "YFTR45.0"}},
        {"factory with margin",
         FactoryTripLines("52", "10", "45", true),
         {"#Factory Set Fwd Trip Level: 52.0 dBm", "YFTF52.0", "#Fwd Trip Margin: 10 %", "YFTM10",
          "#Factory Set Rev Trip Level: 45.0 dBm", "YFTR45.0"}},
        {"margin of a model without one",
         FactoryTripLines("52", "10", "45", false),
         {"#Factory Set Fwd Trip Level: 52.0 dBm", "YFTF52.0", "#Factory Set Rev Trip Level: 45.0 dBm", "YFTR45.0"}},
        {"ps vset", PSVsetLines(1250), {"#PS Vset value: 1250", "YC1250"}},
    });
}

TEST(CmdFileRfLines, ConfigurationWord)
{
    const QStringList head{"#", "# Unit Config", "#"};
    ExpectLineCases({
        {"7428", UnitCfgLines(0x7fff, true, false, false, false),
         head + QStringList{"# 0  Rack/Odu:              Odu", "# 9  Auto Clear BUC Fault:  Yes", "YM513", "#"}},
        {"sspa 513", UnitCfgLines(513, false, false, false, true),
         head + QStringList{"# 0  Rack/Odu:              Odu", "# 1  Dual Umbilical:        No",
                            "# 2  Multi-Band:            No", "# 3  2-RF Detectors:        No",
                            "# 5  Monitor DCV Input:     No", "# 6  Orvan Analog:          No",
                            "# 7  Calverdane Analog:     No", "# 8  Use Lin Slope:         No",
                            "# 9  Auto Clear BUC Fault:  Yes", "# 10 Programable BUC:       No",
                            "# 12 No Rev Detector:       No", "YM513", "#"}},
        {"twta bit 15", UnitCfgLines(0x8000 | 0x36, false, false, true, false),
         head + QStringList{"# 0  Rack/Odu:              Rack", "# 1  Dual TWTA:             Yes",
                            "# 2  Multi-Band:            Yes", "# 3  2-RF Detectors:        No",
                            "# 4  Inverted Thermal ILOK (N/O): Yes", "# 5  Use Focus Electrode:   Yes",
                            "# 6  Orvan Analog:          No", "# 7  Calverdane Analog:     No",
                            "# 8  Use Lin Slope:         No", "# 9  Auto Clear BUC Fault:  No",
                            "# 10 Programable BUC:       No", "# 12 No Rev Detector:       No", "YM-32714", "#"}},
        {"7436", UnitCfgLines(0x1000, false, true, false, false),
         head + QStringList{"# 0  Rack/Odu:              Odu", "# 9  Auto Clear BUC Fault:  No",
                            "# 12 No Rev Detector:       Yes", "YM4096", "#"}},
    });
}

TEST(CmdFileRfLines, UpConverter)
{
    const BucValues all{2, -10.0f, 1.5f, 10.5f, 30.0f, true, true, true};
    BucValues mode3 = all;
    mode3.mode = 3;
    BucValues unanswered = all;
    unanswered.mode = -1;
    unanswered.setPointRead = unanswered.offsetRead = unanswered.maxAttenRead = false;
    const QStringList tail{"#  BUC Setpoint: -10.0 dBm", "PBCS-10.0", "#  BUC Offset: 1.5 dBm",    "PBCO1.5",
                           "#  BUC Atten: 10.5 dB",      "PBCA10.5",  "#  BUC Max Atten: 30.0 dB", "PBCN30.0"};
    ExpectLineCases({
        {"optimized", LowCostBucLines(all), QStringList{"#BUC Installed", "#  BUC Mode: Optimized", "PBCM2"} + tail},
        {"mode 3", LowCostBucLines(mode3), QStringList{"#BUC Installed", "#  BUC Mode: ", "PBCM3"} + tail},
        {"unanswered",
         LowCostBucLines(unanswered),
         {"#BUC Installed", "#  BUC Mode: ", "#PBCM-1", "#  BUC Setpoint: -10.0 dBm", "#PBCS-10.0",
          "#  BUC Offset: 1.5 dBm", "#PBCO1.5", "#  BUC Atten: 10.5 dB", "PBCA10.5", "#  BUC Max Atten: 30.0 dB",
          "#PBCN30.0"}},
    });
}
