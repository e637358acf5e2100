#pragma once
#include <QString>

// The power-supply voltage setting of the whole unit or of one sub-band ("YC?").
struct PSVsetReply {
    qint16 Status = -1;   // -1: not read; 0: Value holds the setting
    qint32 Value = 0;
};

// The float-supply settings of the last answered "YCD?", by meaning (texts as the unit sends them).
struct FloatSupplyValues {
    QString HeaterVoltage;       // V
    QString HeaterCurrent;       // A
    QString FocusElectrodeOff;   // kV
    QString FocusElectrodeOn;    // kV
};

// Cathode-current monitoring modes as the unit reports them ("PBFS?").
enum CathodeCurrentModes : qint16 {
    CathodeModeUnknown = -1,   // not answered
    CathodeModeOff = 0,
    CathodeModeEnabled = 1,
    CathodeModeMonitor = 2,
};

// Values the reading queries leave for their callers.
struct UnitReadings {
    // The unit's own digit of the last "PBFS?" (CathodeCurrentModes; another digit as read).
    qint16 CathodeCurrentMode = CathodeModeUnknown;
    // Set by ReadFloatSupplySettings when the unit answered it.
    FloatSupplyValues FloatSupplySettings;

    // --- polled readings ---
    QString RfFrequencyText;   // "####0" MHz; "" when the unit gave none
    // DC input limits and ratio, read once at the first read; "" when unanswered.
    QString DCVInAlarmLowLimit;
    QString DCVInAlarmHighLimit;
    QString DCVInFaultLowLimit;
    QString DCVInFaultHighLimit;
    QString DCVInRatio;
};
