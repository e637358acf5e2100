// The lines of the identity and everyday-settings sections, from plain unit values.
#include "commands/UnitConfig.h"
#include "files/CmdFileLines.h"
#include "LineCases.h"
#include <gtest/gtest.h>

using namespace cmdlines;

TEST(CmdFileIdentityLines, FirmwarePartSerialAndModelCfg)
{
    ExpectLineCases({
        {"cpld",
         FirmwareLines("672-6316-003", "5.34", "1.4"),
         {"#Reported Firmware: 672-6316-003, v5.34", "#", "#Reported CPLD: v1.4", "#"}},
        {"empty cpld",
         FirmwareLines("672-6316-003", "5.34", ""),
         {"#Reported Firmware: 672-6316-003, v5.34", "#", "#"}},
        {"part number", PartNumberLines("672-7436-005", "7436005"), {"#Part Number: 672-7436-005", "#YK7436005"}},
        {"invalid part number", PartNumberLines("12-34", ""), {"#Part Number: 12-34", "#YK"}},
        {"no part number", PartNumberLines("", ""), {}},
        {"serial", SerialNumberLines("T10452"), {"#Serial Number: T10452", "#YLT10452"}},
        {"model cfg", ModelCfgLines("672-6316-103"), {"#ModelCfg: 672-6316-103"}},
    });
}

TEST(CmdFileBasicLines, AttenuationGainAndLinearizer)
{
    UnitConfig none;
    none.GainBalanceValue = "2.5";
    none.GainBalanceEnabled = true;
    UnitConfig twoSubBands = none;
    twoSubBands.SubBandCount = 2;
    twoSubBands.HasIfGainBalance = true;
    twoSubBands.IfGainBalanceValue = "1.5";
    UnitConfig gain;
    gain.HasUnitGain = true;
    gain.UnitGainValue = "3.5";
    UnitConfig gainOn = gain;
    gainOn.UnitGainEnabled = true;
    ExpectLineCases({
        {"attenuation",
         AttenuationLines("5.0", false, 30.0f),
         {"#Attenuation: 5.0 dB", "K5.0", "#Max Attenuation: 30.0 dB", "YAM30.0"}},
        {"empty box",
         AttenuationLines("", false, 25.5f),
         {"#Attenuation:  dB", "K", "#Max Attenuation: 25.5 dB", "YAM25.5"}},
        {"touch screen", AttenuationLines("5.0", true, 30.0f), {"#Attenuation: 5.0 dB", "K5.0"}},
        {"no sub-bands", GainBalanceLines(none), {"#Gain Balance Status: Enabled", "#Gain Balance value: 2.5"}},
        {"two sub-bands", GainBalanceLines(twoSubBands), {"#IF Gain Balance value: 1.5 dB"}},
        {"no unit gain", UnitGainLines(UnitConfig{}), {}},
        {"unit gain off", UnitGainLines(gain), {"#Unit Gain Mode: Disabled", "#PBJ0", "#Unit Gain: 3.5 dB", "#PBJ3.5"}},
        {"unit gain on", UnitGainLines(gainOn), {"#Unit Gain Mode: Enabled", "#PBJ1", "#Unit Gain: 3.5 dB", "#PBJ3.5"}},
        {"linearizer",
         LinearizerLines("A012", "P034", "S051", false),
         {"#Linearizer Amp: A012", "PZA012", "#Linearizer Phase: P034", "PzP034"}},
        {"linearizer slope",
         LinearizerLines("A012", "P034", "0512", true),
         {"#Linearizer Amp: A012", "PZA012", "#Linearizer Phase: P034", "PzP034", "#Linearizer Slope: 0512", "P/0512"}},
    });
}

TEST(CmdFileBasicLines, StatesAndToggles)
{
    ExpectLineCases({
        {"startup off", StartUpLines(1), {"#Startup Config: Off", "PX1"}},
        {"startup on", StartUpLines(2), {"#Startup Config: On", "PX2"}},
        {"startup normal", StartUpLines(0), {"#Startup Config: Normal", "PX0"}},
        {"startup 5", StartUpLines(5), {"#Startup Config: Normal", "PX0"}},
        {"startup unread", StartUpLines(-1), {"#Startup Config: Normal", "PX0"}},
        {"xmit on", XmitLines(true), {"#Transmitter: On", "@"}},
        {"xmit off", XmitLines(false), {"#Transmitter: Off", "A"}},
        {"restore answered 0", XmitRestoreLines(true, true), {"#Xmit Restore: Disabled", "PBA0"}},
        {"restore answered 1", XmitRestoreLines(true, false), {"#Xmit Restore: Enabled", "PBA1"}},
        {"no restore", XmitRestoreLines(false, false), {}},
        {"inhibit on", RFInhibitLines(true), {"#RF Inhibit: On", "I"}},
        {"inhibit off", RFInhibitLines(false), {"#RF Inhibit: Off", "J"}},
        {"inverted", RFPolarityLines(true, true), {"#RF Inhibit Polarity: Inverted", "PTI0"}},
        {"normal", RFPolarityLines(true, false), {"#RF Inhibit Polarity: Normal", "PTI1"}},
        {"polarity menu disabled", RFPolarityLines(false, true), {}},
        {"fiber", ArcDetectorLines(1), {"#W/G Arc Detector Type: Fiber", "PTW1"}},
        {"fiber 2", ArcDetectorLines(2), {"#W/G Arc Detector Type: Fiber", "PTW1"}},
        {"tarsel", ArcDetectorLines(0), {"#W/G Arc Detector Type: Tarsel", "PTW0"}},
        {"no arc reply", ArcDetectorLines(-1), {}},
    });
}

TEST(CmdFileBasicLines, ConstantPowerInEitherDisplay)
{
    ExpectLineCases({
        {"dBm",
         ConstantPowerLines("50", false),
         {"#Constant Power Level: 50 dBm (100.0W)", "#G100.0", "#Constant Power: Disabled", "H"}},
        {"watts",
         ConstantPowerLines("100.0", true),
         {"#Constant Power Level: 50.0 dBm (100.0W)", "#G100.0", "#Constant Power: Disabled", "H"}},
        {"empty", ConstantPowerLines("", false), {"#Constant Power: Disabled", "H"}},
    });
}

TEST(CmdFileBasicLines, NetworkAndPrimePower)
{
    const EnetValues fixed{true, "127.0.0.5", false, "255.0.0.0", "127.0.0.1", 2000};
    EnetValues dhcp = fixed;
    dhcp.dhcp = true;
    EnetValues none = fixed;
    none.addressRead = false;
    ExpectLineCases({
        {"static",
         EnetLines(fixed),
         {"#Ethernet Mode: Static IP", "#PEO0", "#Static IP Address: 127.0.0.5", "PEI127.0.0.5", "#Net Mask: 255.0.0.0",
          "PEN255.0.0.0", "#Gateway (Router) IP Address: 127.0.0.1", "PER127.0.0.1", "#Ethernet Port No.: 2000"}},
        {"dhcp", EnetLines(dhcp), {"#Ethernet Mode: DHCP", "#PEO1", "#Ethernet Port No.: 2000"}},
        {"no address reported", EnetLines(none), {"#No Ethernet"}},
        {"prime power", MaxSystemPowerLines(true, "1450"), {"#Max System Prime Power: 1450", "QmaxSYSPower 1450"}},
        {"prime power unread", MaxSystemPowerLines(true, ""), {"#Max System Prime Power: ", "#QmaxSYSPower "}},
        {"no lldp firmware", MaxSystemPowerLines(false, "1450"), {}},
    });
}
