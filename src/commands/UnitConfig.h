#pragma once
#include <QString>
#include <array>

// A power-limit reply ("PO?" fills Values 0 to 2, "POO?" fills Values 0).
struct PowerLimitReply {
    qint16 Valid = 0;                  // 1 when the reply was taken
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

    // LLDP agent settings stored by the LLDP parsers.
    qint32 LldpFactoryMed = 0;
    QString LldpFactoryHwRev;
    QString LldpFactoryUuid;
    bool LldpEnabled = false;
    qint32 LldpTxTimer = 0;
    qint32 LldpHoldTime = 0;
    qint16 LldpReinitDelay = 0;
    QString LldpHostName;

    // Indexed values: analog scalers 1 to 10, digital pots 1, 4, 5 and 6.
    std::array<qint16, 11> AdcScalers{};
    std::array<qint16, 7> DigitalPotValues{};
    double OverdriveTripLevel = 0.0;
    bool UplinkPowerControl = false;
};
