#pragma once
// The lines of the configuration command file's sections, as pure functions of the unit's
// values and the window's read-only state. The section writers gather those values (and
// query the unit where a section asks it) and write the lines through the frame's cleaning
// helper; every decision on what a section holds is made here.
#include <QString>
#include <QStringList>
#include <array>

struct UnitConfig;

namespace cmdlines {

// "Enabled" or "Disabled".
inline QString EnabledText(bool on) { return on ? QStringLiteral("Enabled") : QStringLiteral("Disabled"); }

// A command that a replay must not send: recorded behind "#" for the reader.
QString Recorded(const QString& command);
// The command as it stands when `live`, else Recorded.
QString LiveIf(bool live, const QString& command);

// ---- identity ----
QStringList FirmwareLines(const QString& reportedFw, const QString& frmRev, const QString& cpld);
// Nothing for an empty part-number box; `validated` is ValidatePartNumber of the box.
QStringList PartNumberLines(const QString& partNumber, const QString& validated);
QStringList SerialNumberLines(const QString& serialNumber);
QStringList ModelCfgLines(const QString& modelCfg);

// ---- basic settings ----
QStringList AttenuationLines(const QString& atnBox, bool touchScreen, float maxAttenuation);
QStringList GainBalanceLines(const UnitConfig& c);
QStringList UnitGainLines(const UnitConfig& c);
QStringList LinearizerLines(const QString& amplitude, const QString& phase, const QString& slope, bool withSlope);
QStringList StartUpLines(qint16 startupMode);
QStringList XmitLines(bool transmitterOn);
QStringList XmitRestoreLines(bool hasXmitRestore, bool xmitRestoreDisabled);
QStringList RFInhibitLines(bool inhibitOn);
QStringList RFPolarityLines(bool menuEnabled, bool inverted);
QStringList ConstantPowerLines(const QString& levelBox, bool displayWatts);
// Nothing for an unanswered query (below 0).
QStringList ArcDetectorLines(qint16 detectorType);

struct EnetValues {
    bool addressRead = false;   // the unit reported a usable address
    QString address;
    bool dhcp = false;
    QString netMask;
    QString gateway;
    qint32 port = 0;
};
QStringList EnetLines(const EnetValues& v);
QStringList MaxSystemPowerLines(bool lldpFirmware, const QString& maxSysPrimePower);

// ---- RF bands and sub-bands ----
struct BandValues {
    std::array<QString, 5> names;   // bands 1 to 4
    std::array<QString, 5> freqs;
    bool multiBand = false;
    std::array<QString, 4> maxAtten;   // dB text of bands 1 to 4; "" unanswered
    QString currentBand;               // the selected item of the band list
};
QStringList BandLines(const BandValues& v);

// One sub-band's parameters as GetSubBandSaveParams left them.
struct SubBandParams {
    bool read = false;               // the read succeeded
    std::array<QString, 6> fields;   // amplitude, phase, slope, gain flag, gain value, tilt
    bool tiltRead = false;           // field 5 came from the tilt query
};
struct SubBandTempComp {
    bool written = false;   // per-sub-band coefficients are written
    QString coefficient;
    bool attnTemp = false;
};
// The highest numbered sub-band (1 to 8) that has a frequency; 0 when none has.
int LastSubBand(const std::array<QString, 10>& freqs);
QStringList SubBandLines(int n, const QString& freq, const SubBandParams& params, bool slopeOption, bool gainBalance,
                         const SubBandTempComp& tempComp);
// `gainFlag` is the flag of the last sub-band whose parameters gave one ("" when none did).
QStringList SubBandClosingLines(const QString& gainFlag, qint16 currentSubBand);

struct TempCompValues {
    bool globalCoefficient = false;   // no per-sub-band coefficients
    QString coefficient;
    bool attnTemp = false;
    bool atnRangeSupported = false;
    QString maxCalTemp;
    QString minCalTemp;
    bool writesAtnRange = false;   // the model takes the attenuator range
    QString atnRange;
};
QStringList TempCompLines(const TempCompValues& v);
// `item` is the selected waveguide configuration ("" when none is selected).
QStringList WaveguideLines(const QString& item);
QStringList RedundantModeLines(bool automatic);

// ---- trip levels ----
struct TripLevel {
    const char* label;        // "#RF Power High: "
    const char* letters[3];   // fault, alarm, disabled
    const char* pattern;      // watts pattern of the command
};
extern const TripLevel kFwdHighTrip;
extern const TripLevel kFwdLowTrip;
extern const TripLevel kRevTrip;
QStringList TripLevelLines(const TripLevel& trip, const QString& box, const QString& tripType, bool displayWatts);
QStringList FactoryTripLines(const QString& fwd, const QString& margin, const QString& rev, bool writesMargin);
QStringList PSVsetLines(qint16 value);
// `word` the configuration word as the unit reports it (16 bits).
QStringList UnitCfgLines(qint32 word, bool oduBuc, bool modelWithoutOptions, bool twta, bool monitorDCVInput);

struct BucValues {
    qint16 mode = -1;
    float setPoint = 0, offset = 0, atten = 0, maxAtten = 0;
    bool setPointRead = false, offsetRead = false, maxAttenRead = false;
};
QStringList LowCostBucLines(const BucValues& v);

// ---- fault and alarm enables ----
// What decides the fault bit maps' labels.
struct FaultMapUnit {
    bool twta = false;
    bool picProcessor = false;
    bool not7436 = true;
    bool coverIlok = false;      // not a rack unit, not model 7436
    bool powerSupply2 = false;   // dual-umbilical option, not model 7436
    bool dualTwta = false;
    bool heater = false, phaseSeq = false, missingPhase = false, extRefPresent = false, wgPressure = false;
    bool wgArc1 = false, extRefLock = false, wgArc2 = false, v24Present = false, linearizer = false, extRef = false;
    bool hasMask2 = false;   // this connection's mask reply carried the second word
};
QStringList TWTAFaultMapLines(const FaultMapUnit& u, qint32 mask);
QStringList SSPAFaultMapLines(const FaultMapUnit& u, qint32 mask, qint32 mask2);
QStringList HPBucFaultMapLines(const FaultMapUnit& u, qint32 mask);
QStringList TWTAAlarmMapLines(qint32 mask);
QStringList SSPAAlarmMapLines(qint32 mask);
// `maskRead`: the unit answered its mask query; else the command is recorded only.
QStringList FaultEnableLines(const FaultMapUnit& u, qint32 mask, qint32 mask2, bool maskRead);
QStringList AlarmEnableLines(bool twta, qint32 mask, bool maskRead);
QStringList LatchLines(bool extIlok, bool extIlokRead, bool lowLine, bool lowLineRead);

// ---- limits, heater, supplies ----
QStringList RevRFOffsetLines(float offset);
QStringList MaxPowerLimitLines(const QString& value, const QString& second, const QString& faultLevel, bool enabled);
// `stateShown`: the heater-state menu is visible.
QStringList HeaterStandbyLines(bool stateShown, bool heaterOn, bool standbyOn);
QStringList HelixCurrentRatioLines(qint16 ratio);
QStringList HelixCurrentTripLines(const QString& level);
struct DCVInputValues {
    QString alarmLow, alarmHigh, faultLow, faultHigh, ratio;
};
QStringList DCVInputLines(const DCVInputValues& v);
struct TemperatureTripValues {
    QString fault, alarm, inletAlarm;
    bool latch = false;
    bool picProcessor = false;
    bool writesInlet = false;   // the model has the inlet difference alarm
};
QStringList TemperatureTripLines(const TemperatureTripValues& v);
QStringList FanTemperatureLines(qint16 temperature);
struct CathodeValues {
    bool enabled = false;
    qint16 anodeScale = 0;
    bool negativeAnode = false;
    qint16 negAnodeStart = 0;
    qint16 anodeVoltage = 0;
    qint16 scalar = 0;
    bool countFirmware = false;
    qint16 idealCurrent = 0;
};
QStringList CathodeMonitorLines(const CathodeValues& v);
QStringList UnitHoursLines(bool twta, const QString& psHours, const QString& xmitHours);

// ---- ports, LED, scalers, pots, float supply, product ID ----
struct PortValues {
    qint32 com1Baud = 0;
    QString com1Parity;
    qint16 com1Data = 0, com1Stop = 0;
    qint32 com2Baud = 0;
    QString com2Parity;
    qint16 com2Data = 0, com2Stop = 0;
    qint16 wires = 0;
    QString termination, address;
};
QStringList SerialPortLines(const PortValues& v);
QStringList LEDModeLines(bool shown, bool disabled);
// Elements 0 to 10; -1 for a scaler that did not answer.
QStringList ADCScalerLines(bool twta, const std::array<qint16, 11>& scalers);
struct PotValues {
    std::array<qint16, 7> pots{};   // 1, 4, 5 and 6 used; -1 unanswered
    double overdrive = -1.0;
    bool overdriveRead = false;
    bool uplink = false;
    bool uplinkRead = false;
};
QStringList DigitalPotLines(bool twta, const PotValues& v);
struct FloatSupplyTexts {
    QString heaterVoltage, heaterCurrent, feOff, feOn;
};
QStringList FloatSupplyLines(const FloatSupplyTexts& v);
QStringList ProductIdLines(const QString& part, const QString& mfg, const QString& serial, const QString& function);

}   // namespace cmdlines
