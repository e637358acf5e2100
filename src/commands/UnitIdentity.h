#pragma once
#include <QString>

// Identity of the unit and its per-model option flags.
struct UnitIdentity {
    qint32 UnitModelCode = -1;
    bool IsTwtaUnit = false;
    QString UnitSerialNo;
    QString FirmwarePartNo;
    QString ModelCfgPartNo;
    qint32 FirmwareVersion100 = 0;
    qint32 OptionWord = 0;
    bool LegacyStatusQuery = false;
};
