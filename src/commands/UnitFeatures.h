#pragma once
#include <QString>

// What the window layout learns of the unit's optional features after identification
// (InitDisplay and its family parts). Rewritten at every first read; a field that only a
// tube unit sets is put back to its default by the solid-state layout.
struct UnitFeatures {
    bool HasParamLog = false;           // the unit keeps parameter logs
    qint16 FullFaultLogSize = 100;      // entries of a full fault-log download: 100, 500 or 1000
    qint16 HelixCurrentRatio = -1;      // -1 on other than TWTA
    QString HelixCurrentTripLevel;      // "" on other than TWTA
    bool HasXmitRestore = false;        // the unit answered "PBA?"
    bool XmitRestoreDisabled = false;   // ... with 0
    qint16 FanControlTemp = -1;         // -1 when unanswered
    bool HasFanControlTemp = false;
    bool TwtLifeAvailable = false;   // the tube's end-of-life estimate was read
    QString TwtLifeText;             // "12 Years", "06 Months", "???"
};

// The cathode-current monitor of a tube unit, as the layout reads it.
struct CathodeSettings {
    bool NegativeAnodeEnabled = false;
    qint16 NegAnodeStartVoltage = 0;
    qint16 AnodeVoltage = 0;   // also the last anode voltage the poll read
    qint16 AnodeVoltageScale = 0;
    bool CathodeCurrentEnabled = false;
    bool CathodeCurrentMonitor = false;
    qint16 CathodeCurrentScalar = 0;   // 0 to 4095
    qint16 IdealCathodeCurrent = 0;
};
