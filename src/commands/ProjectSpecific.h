#pragma once
// The per-model option flags: which optional faults and features the unit has, from its
// model code, firmware version and compile date.
#include <QtGlobal>

struct CommandContext;

// Runs every option setter below in order; the first read calls it once the unit is
// identified and its fault-enable words are read.
void SetProjectSpecificValues(CommandContext& p);

void SetUnitHeaterFaultOption(CommandContext& p);
void SetUnit3PhaseFaultOptions(CommandContext& p);
void SetUnitExtRefPresetFaultOption(CommandContext& p);
void SetUnitWGPressureFaultOption(CommandContext& p);
void SetUnitWGArc1FaultOption(CommandContext& p);
void SetUnitWGArc2FaultOption(CommandContext& p);
void SetUnitExtRefLockFaultOption(CommandContext& p);
void SetUnit24VPresentFaultOption(CommandContext& p);
void SetUnitPICProcessorOption(CommandContext& p);
void SetUnitNetburnerProcessorOption(CommandContext& p);
// The second fault-enable word: only when the model and firmware have one and this
// connection's fault-enable reply carried it.
void SetUnitFaultOptions(CommandContext& p);
void SetUnitLinearizerFaultOption(CommandContext& p);
void SetUnitExtRefFaultOption(CommandContext& p);
void SetUnitAtnCountCommand(CommandContext& p);
void SetUnitCommandCSupport(CommandContext& p);

// Set by the identification as its last step.
void SetUnitTouchScreenOption(CommandContext& p);

bool IsTouchScreenModel(qint32 modelCode);
// The main window shows the cathode current for these models.
bool HasCathodeCurrentDisplay(const CommandContext& p);
