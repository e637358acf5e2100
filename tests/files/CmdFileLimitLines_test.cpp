// The lines of the limits, heater, supplies, ports and product sections, from plain unit values.
#include "files/CmdFileLines.h"
#include "LineCases.h"
#include <gtest/gtest.h>

using namespace cmdlines;

TEST(CmdFileLimitLines, LimitsHeaterAndHelix)
{
    ExpectLineCases({
        {"offset -50.0", RevRFOffsetLines(-50.0f), {"#Reverse RF Offset: -50.0 dB", "#PR-50.0"}},
        {"offset -50.1", RevRFOffsetLines(-50.1f), {}},
        {"offset none", RevRFOffsetLines(-100.0f), {}},
        {"limit with second",
         MaxPowerLimitLines("40", "43", "47.5", true),
         {"#Max RF Power Limit: 40.0 dBm,43.0 dBm", "PO40;43", "#Max RF Power Fault Level: 47.5 dB", "POO47.5",
          "#Max RF Power Limit Status: Enabled", "PO1"}},
        {"limit alone",
         MaxPowerLimitLines("46.0", "", "x", false),
         {"#Max RF Power Limit: 46.0 dBm", "PO46.0", "#Max RF Power Fault Level: x dB", "POOx",
          "#Max RF Power Limit Status: Disabled", "PO0"}},
        {"heater shown", HeaterStandbyLines(true, true, false), {"#Heater State:    On", "#Heater Standby:  Off"}},
        {"heater hidden", HeaterStandbyLines(false, true, true), {"#Heater Standby:  On"}},
        {"helix ratio", HelixCurrentRatioLines(20), {"#Helix Current Ratio:  20", "YGHI20"}},
        {"no helix ratio", HelixCurrentRatioLines(-1), {}},
        {"helix trip", HelixCurrentTripLines("12.5"), {"#Helix Current Trip Level:  12.5 mA", "#YFTH12.5"}},
        {"no helix trip", HelixCurrentTripLines(""), {}},
        {"fan", FanTemperatureLines(45), {"#Fan Control Temperature: 45 C", "PBG45"}},
        {"hours tube", UnitHoursLines(true, "12345", "321"), {"#Hours timers: ", "#  Heater: 12345", "#  Beam:   321"}},
        {"hours sspa", UnitHoursLines(false, "1", ""), {"#Hours timers: ", "#  Power Supply: 1", "#  Transmitter:  "}},
    });
}

TEST(CmdFileLimitLines, DCInputAndTemperatures)
{
    ExpectLineCases({
        {"dc input",
         DCVInputLines({"42.0", "", "40.0", "58.0", "1.02"}),
         {"#DC Input Voltage Limits: ", "#  Alarm Low Limit: 42.0 V", "PBDAL42.0", "#  Fault Low Limit: 40.0 V",
          "PBDFL40.0", "#  Fault High Limit: 58.0 V", "PBDFH58.0", "#  DCV Input Ratio: 1.02", "PBDR1.02"}},
        {"temperatures",
         TemperatureTripLines({"85", "75", "15", true, false, true}),
         {"#Temperature Fault Level: 85 C", "PBKF85", "#Temperature Alarm Level: 75 C", "PBKA75",
          "#Inlet Temperature Difference Alarm Level: 15 C", "PBKI15", "#Latch Temperature Faults: Enabled", "PBKL1"}},
        {"pic processor",
         TemperatureTripLines({"85", "75", "15", false, true, true}),
         {"#Temperature Fault Level: 85 C", ".P4 85", "#Temperature Alarm Level: 75 C", ".P179 75",
          "#Latch Temperature Faults: Disabled", "PBKL0"}},
        {"model without inlet, nothing read",
         TemperatureTripLines({"", "", "15", false, false, false}),
         {"#Latch Temperature Faults: Disabled", "PBKL0"}},
    });
}

TEST(CmdFileLimitLines, CathodeMonitor)
{
    const CathodeValues on{true, 4000, true, 150, 1200, 2048, false, 350};
    CathodeValues counts = on;
    counts.countFirmware = true;
    counts.enabled = false;
    counts.negativeAnode = false;
    const QStringList tail{"#Anode Voltage: 1200 V", "PBFA1200"};
    ExpectLineCases({
        {"enabled",
         CathodeMonitorLines(on),
         {"#Cathode Current Monitoring: Enabled", "PBFS1", "#Anode Voltage Scale Factor: 4000 V (0.9766V/Count)",
          "PBFT4000", "#Negative Anode: Enabled", "PBFE1", "#Negative Anode Starting Voltage: 150", "PBFF150",
          "#Anode Voltage: 1200 V", "PBFA1200", "#Cathode Current Scalar: 50.0 %", "PBFO2048",
          "#Ideal Cathode Current: 350 ma", "PBFI350"}},
        {"disabled, count firmware",
         CathodeMonitorLines(counts),
         {"#Cathode Current Monitoring: Disabled", "PBFS0", "#Anode Voltage Scale Factor: 4000 V (0.9766V/Count)",
          "PBFT4000", "#Negative Anode: Disabled", "PBFE0", "#Anode Voltage: 1200 V", "PBFA1200",
          "#Cathode Current Scalar: 2048", "PBFO2048", "#Ideal Cathode Current: 350 ma", "PBFI350"}},
    });
}

TEST(CmdFileLimitLines, PortsLedScalersPotsSupplyAndProduct)
{
    const PortValues ports{9600, "N", 8, 1, 38400, "E", 7, 1, 2, "1", "B"};
    std::array<qint16, 11> scalers{};
    scalers.fill(-1);
    scalers[1] = 512;
    scalers[3] = 128;
    scalers[8] = 7;
    PotValues pots;
    pots.pots = {0, 25, 0, 0, 64, -1, 16};
    pots.overdrive = 2.5;
    pots.overdriveRead = true;
    pots.uplink = true;
    pots.uplinkRead = true;
    PotValues unanswered;
    unanswered.pots.fill(-1);
    ExpectLineCases({
        {"ports",
         SerialPortLines(ports),
         {"#COM1 (RS232): ", "#  baud:   9600", "#  Parity: N", "#  Data:   8", "#  Stop:   1", "#X1009600N81", "#",
          "#COM2 (RS485): ", "#  baud:   38400", "#  Parity: E", "#  Data:   7", "#  Stop:   1", "#  Wire:   2",
          "#  Term:   1", "#  Addr:   B", "#X2038400E71", "#XR21B"}},
        {"led shown", LEDModeLines(true, true), {"#Status LED Mode: Disabled", "PBW1"}},
        {"led enabled", LEDModeLines(true, false), {"#Status LED Mode: Enabled", "PBW0"}},
        {"led hidden", LEDModeLines(false, true), {}},
        {"sspa scalers",
         ADCScalerLines(false, scalers),
         {"#", "#Analog Scalers", "#", "#Input Drive Scaler: 512", "YO1 512", "#Fan 1 Tach Scaler: 128", "YO3 128",
          "#Power Supply Temperature Scaler: -1", "#YO4 -1", "#Baseplate Temperature Scaler: -1", "#YO5 -1",
          "#Fan 2 Tach Scaler: 7", "YO8 7"}},
        {"sspa pots",
         DigitalPotLines(false, pots),
         {"#", "#Digital Pots", "#", "#Fast VSWR Digial Pot: 25 counts", "YP1 25",
          "#Overdrive Fault Trip Level: 2.5 dB", "YP3 2.5", "#Overdrive Sensitivity: 64 counts", "YP4 64",
          "#Overdrive Alarm Limit:-1 counts", "#YP5-1", "#VTune Level: 16 counts", "YP6 16"}},
        {"tube pots unanswered",
         DigitalPotLines(true, unanswered),
         {"#", "#Digital Pots", "#", "#Fast VSWR Digial Pot:-1 counts", "#YP1-1",
          "#Overdrive Fault Trip Level: -1.0 dB", "#YP3 -1.0", "#Overdrive Sensitivity:-1 counts", "#YP4-1",
          "#Overdrive Alarm Limit:-1 counts", "#YP5-1", "#VTune Level:-1 counts", "#YP6-1",
          "#Uplink-Power-Control Availability:  Disabled", "#PBUH0"}},
        {"float supply",
         FloatSupplyLines({"6.3", "0.8", "1.5", "2.25"}),
         {"#", "#Float Supply", "#", "#Heater Voltage Set: 6.3 V", "YCD0 6.3", "#Heater Current Set: 0.8 A", "YCD1 0.8",
          "#FE Off Voltage Set: 1.5 kV", "YCD2 1.5", "#FE On Voltage Set: 2.3 kV", "YCD3 2.3"}},
        {"float supply unread",
         FloatSupplyLines({"", "x", "", ""}),
         {"#", "#Float Supply", "#", "#Heater Voltage Set:  V", "#YCD0 ", "#Heater Current Set: x A", "YCD1 x",
          "#FE Off Voltage Set:  kV", "#YCD2 ", "#FE On Voltage Set:  kV", "#YCD3 "}},
        {"product",
         ProductIdLines("291-6316-003", "ORVAN", "T10452", "HPA001"),
         {"#Product ID", "#  PID Part Number:   291-6316-003", "#  PID Mfg ID:        ORVAN",
          "#  PID Serial Number: T10452", "#  PID Functional ID: HPA001", "#PBO291-6316-003;ORVAN;T10452;HPA001"}},
        {"no product", ProductIdLines("", "ORVAN", "", ""), {}},
    });
}
