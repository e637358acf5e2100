#pragma once
#include <QString>

// The four identity boxes of the main window (part number, serial number, firmware
// revision, compile date). The identification fills them; the window shows them and
// clearing the window empties them. The firmware version and the compile-date test are
// taken from these texts, so they live here and not only in the controls.
struct IdentityBoxTexts {
    QString txtPN;
    QString txtSN;
    QString txtFrmRev;
    QString txtCplDate;
};

// The unit's product-ID record ("PBO?"): all four texts are "" unless the reply held
// exactly four parts.
struct ProductIdRecord {
    bool Valid = false;
    QString PartNumber;
    QString MfgId;
    QString SerialNumber;
    QString FunctionalId;
};

// Identity of the unit: what the identification finds right after connecting.
struct UnitIdentity {
    qint32 UnitModelCode = -1;   // middle group of the part number; -1 no type text
    bool IsTwtaUnit = false;
    QString UnitSerialNo;
    QString FirmwarePartNo;   // the whole "672-####-###" found in the type text
    QString ModelCfgPartNo;
    qint32 FirmwareVersion100 = 0;   // revision x 100 (x 1 for a revision without a point)
    qint32 OptionWord = 0;
    bool LegacyStatusQuery = false;

    // --- identification (DetermineUnitType and GetUnitIDVersion) ---
    QString ReportedFwPartNo;   // FirmwarePartNo as taken at identification
    QString CpldVersion;        // "0C" reply; "" without one
    IdentityBoxTexts boxes;
    // Model and firmware families.
    bool ExtRefTwtaModel = false;
    bool ExtRefModelGroup = false;
    bool CathodeCountFirmware = false;
    bool NoSubBandCompFirmware = false;
    bool InputDriveFirmware = false;
    bool LldpFirmware = false;
    bool OduBucUnit = false;           // only set here; clearing the window clears it
    bool DbmLevelsSupported = false;   // stored by the first read from CanUsedBmTripLevels
    ProductIdRecord ProductId;         // stored by the first read
};
