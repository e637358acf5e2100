#pragma once
// The per-model option flags: which optional faults and features the unit has, from its
// model code, firmware version and compile date.
#include <QtGlobal>

struct Program;

// Runs every option setter below in order; the first read calls it once the unit is
// identified and its fault-enable words are read.
void SetProjectSpecificValues(Program& p);

void SetUnitHeaterFaultOption(Program& p);
void SetUnit3PhaseFaultOptions(Program& p);
void SetUnitExtRefPresetFaultOption(Program& p);
void SetUnitWGPressureFaultOption(Program& p);
void SetUnitWGArc1FaultOption(Program& p);
void SetUnitWGArc2FaultOption(Program& p);
void SetUnitExtRefLockFaultOption(Program& p);
void SetUnit24VPresentFaultOption(Program& p);
void SetUnitPICProcessorOption(Program& p);
void SetUnitNetburnerProcessorOption(Program& p);
// The second fault-enable word: only when the model and firmware have one and this
// connection's fault-enable reply carried it.
void SetUnitFaultOptions(Program& p);
void SetUnitLinearizerFaultOption(Program& p);
void SetUnitExtRefFaultOption(Program& p);
void SetUnitAtnCountCommand(Program& p);
void SetUnitCommandCSupport(Program& p);

// Set by the identification as its last step.
void SetUnitTouchScreenOption(Program& p);

bool IsTouchScreenModel(qint32 modelCode);
// The main window shows the cathode current for these models.
bool HasCathodeCurrentDisplay(const Program& p);
