#pragma once
#include <QString>
#include <array>
#include <optional>

// A power-limit reply ("PO?" fills Values 0 to 2, "POO?" fills Values 0).
struct PowerLimitReply {
    qint16 Valid = 0;   // 1 when the reply was taken
    std::array<QString, 13> Values;
};

// Values the configuration queries leave for their callers.
struct UnitConfig {
    // Fault and alarm enable masks of the last answered "YIF?" / "YIA?".
    qint32 EnableMaskReply = 0;
    qint32 EnableMaskReply2 = 0;
    // This connection's "YIF?" reply carried a second mask; whoever starts a connection's
    // identification clears it, only the fault-mask query sets it.
    bool SecondMaskReceived = false;

    // LLDP agent settings stored by the LLDP parsers; empty while the unit reported none.
    std::optional<qint32> LldpFactoryMed;
    QString LldpFactoryHwRev;
    QString LldpFactoryUuid;
    bool LldpEnabled = false;
    std::optional<qint32> LldpTxTimer;
    std::optional<qint32> LldpHoldTime;
    std::optional<qint16> LldpReinitDelay;
    QString LldpHostName;

    // Indexed values: analog scalers 1 to 10, digital pots 1, 4, 5 and 6.
    std::array<qint16, 11> AdcScalers{};
    std::array<qint16, 7> DigitalPotValues{};
    double OverdriveTripLevel = 0.0;
    bool OverdriveTripLevelRead = false;
    bool UplinkPowerControl = false;
    bool UplinkPowerControlRead = false;

    // --- connect-time reads: configuration word, band, power limit, unit serial ports ---
    // Taken from the configuration word.
    bool DualTwtaUnit = false;
    bool MultiBandUnit = false;
    bool MonitorDCVInput = false;
    float ReturnLossLevel = -1.0f;   // dB; below 0 when the unit has none
    bool ObmipSupported = false;     // the unit takes a protocol tag in "XR"
    bool HasRfBandNames = false;     // the unit names its RF bands
    qint16 SubBandCount = 0;         // sub-bands with a frequency above 0 (0 to 8)
    // The current RF band.
    QString CurrentBandText;
    float BandMaxPower = 50.0f;   // dBm
    float BandMinPower = 0.1f;    // dBm
    // Maximum RF power limit.
    bool MaxPowerLimitEnabled = false;
    QString MaxPowerLimitValue;
    QString MaxPowerLimitSecondValue;
    QString MaxPowerFaultLevel = QStringLiteral("-1");
    // The unit's own RS-232 (Com1) and RS-485 (Com2) ports.
    qint32 Com1Baud = 0;
    QString Com1Parity = QStringLiteral(" ");
    qint16 Com1DataBits = 0;
    qint16 Com1StopBits = 0;
    qint32 Com2Baud = 0;
    QString Com2Parity = QStringLiteral(" ");
    qint16 Com2DataBits = 0;
    qint16 Com2StopBits = 0;
    qint16 Rs485WireCount = 0;
    QString Rs485Termination = QStringLiteral(" ");
    QString Rs485Address;
    QString Rs485Protocol;

    // --- connect-time reads: the other feature groups ---
    bool HasAmc = false;          // the unit has the float supply ("YCI?" answered)
    qint16 PowerSaveMode = -1;    // "N?"; -1 when not supported
    qint16 PowerSaveLevel = -1;   // "NP?"
    // Programmable block up-converter (dB, dBm).
    float LcBucAtten = 0.0f;
    float LcBucMaxAtten = 0.0f;
    float LcBucSetPoint = 0.0f;
    float LcBucOffset = 0.0f;
    qint16 LcBucMode = 0;   // 0 fixed attenuation, 1 variable attenuation, 2 optimized; -1 unanswered
    // The up-converter queries this unit answered at the first read.
    bool LcBucSetPointRead = false;
    bool LcBucOffsetRead = false;
    bool LcBucMaxAttenRead = false;
    bool LcBucInstalled = false;   // configuration word bit 10
    // The unit's own network settings; the octets are what the network dialog shows.
    // UnitOwnIPAddress is the address it reports ("PEI?"; "" when it reported none): over TCP
    // it may differ from the address the PC reaches it at (address translation).
    QString UnitOwnIPAddress;
    QString UnitNetMask;
    QString UnitGateway;
    QString UnitMACAddress;
    bool UnitDhcpEnabled = false;
    bool UnitAddressRead = false;   // the unit reported a usable address of its own
    std::array<qint16, 4> UnitIPOctets{};
    std::array<qint16, 4> UnitNetMaskOctets{};
    std::array<qint16, 4> UnitGatewayOctets{};
    // Current-sense scaling.
    float CurrentSenseGain = 0.0f;
    float CurrentSenseResistor = 0.0f;
    // Temperature compensation; SubBandTempCoefs[n] is sub-band n's coefficient (1 to 8).
    bool TempCompRead = false;
    QString TempCoefText;
    bool TempCoefIsAttnTemp = false;
    std::array<QString, 9> SubBandTempCoefs;
    // Factory RF trip levels; FwdTripMargin is "" unless the unit reported it.
    QString FactoryFwdTripLevel;
    QString FactoryRevTripLevel;
    QString FwdTripMargin;
    float ReverseRFOffset = -100.0f;   // dB; -100 when the unit gives none

    // --- first read: settings kept for the window, the dialogs and the command file ---
    qint16 MinAtnCount = 0;   // lowest valid attenuator count
    QString AtnRangeText;     // ".?P334"; "" when the unit has no attenuator range
    bool AtnRangeSupported = false;
    QString MaxCalTempText;
    QString MinCalTempText;
    qint16 StartupMode = -1;        // "PX?"
    QString MaxSysPrimePower;       // network-discovery family only
    float MaxAttenuation = 30.0f;   // dB
    qint32 FaultEnableMask = 0;
    qint32 AlarmEnableMask = 0;
    bool FaultEnableMaskRead = false;   // "YIF?" answered at the first read
    bool AlarmEnableMaskRead = false;   // "YIA?" answered
    bool LowLineLatched = false;
    bool ExtIlokLatched = false;
    bool LowLineLatchRead = false;   // ".?P151" answered
    bool ExtIlokLatchRead = false;   // ".?P212" answered
    QString TempFaultLevel;
    QString TempAlarmLevel;
    QString InletTempAlarmLevel;
    bool LatchTempFaults = false;
    qint16 PsVsetValue = 0;   // the whole unit's power-supply set value

    // --- RF bands and sub-bands (elements 1 to 4, 1 to 8 used) ---
    std::array<QString, 5> RfBandNames;
    std::array<QString, 5> RfBandFreqs;     // "#0.00" GHz; "" when the band gave none
    std::array<QString, 10> SubBandFreqs;   // GHz text; "" for a sub-band the unit lacks
    qint16 CurrentSubBand = 0;              // 1 to 8; 0 when none is shown; -1 after a failed read
    bool GainBalanceEnabled = false;
    QString GainBalanceValue;   // "#0.0" dB
    bool HasIfGainBalance = false;
    QString IfGainBalanceValue;   // "#0.0" dB
    bool HasUnitGain = false;
    bool UnitGainEnabled = false;
    QString UnitGainValue;   // dB
};
