#pragma once
#include <QString>

// Per-model option flags: which optional faults and features the unit has. The unit
// reports few of them; they follow from the model code, the firmware version and the
// compile date. Rewritten at every first read (TouchScreenUnit at identification).
struct OptionFlags {
    bool HasHeaterFault = false;
    bool HasPhaseSeqFault = false;
    bool HasMissingPhaseFault = false;
    bool HasExtRefPresentFault = false;
    bool HasWGPressureFault = false;
    bool HasWGArc1Fault = false;
    bool HasWGArc2Fault = false;
    bool HasExtRefLockFault = false;
    bool Has24VPresentFault = false;
    bool PicProcessorUnit = false;
    bool EnetProcessorUnit = false;
    bool HasFaultEnableMask2 = false;
    qint32 FaultEnableMask2 = 0;   // valid when HasFaultEnableMask2
    bool HasLinearizerFault = false;
    bool HasExtRefFault = false;
    QString AtnCountCmdPrefix = QStringLiteral(".D9");   // raw attenuator-count command
    bool CommandCSupported = false;                      // the unit takes "C" & count
    bool TouchScreenUnit = false;
};
