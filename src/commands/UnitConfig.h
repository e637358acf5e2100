#pragma once
#include <QString>

// Values the configuration queries leave for their callers.
struct UnitConfig {
    // Fault and alarm enable masks of the last answered "YIF?" / "YIA?".
    qint32 EnableMaskReply = 0;
    qint32 EnableMaskReply2 = 0;
    // This connection's "YIF?" reply carried a second mask; whoever starts a connection's
    // identification clears it, only the fault-mask query sets it.
    bool SecondMaskReceived = false;
};
