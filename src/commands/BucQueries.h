#pragma once
// Queries of the block up-converter and of the gain balance.
#include <QString>

struct Program;

namespace SsaCmds {

float ReadBucAttenuation(Program& p);      // -1.0 when unanswered
float ReadBucPower(Program& p);            // -60.0
float ReadBucSetpoint(Program& p);         // -60.0
float ReadBucTemperature(Program& p);      // -60.0
float ReadBucMaxAttenuation(Program& p);   // 31.5
float ReadBucOffset(Program& p);           // 0.0
qint16 ReadBucMode(Program& p);            // -1
float ReadBucIdeal(Program& p);            // 0.0

// Gain-balance state (-1 when unanswered); its value in dB as "#0.0" into ReplyFields(0).
qint16 ReadGainBalance(Program& p);
// IF gain balance in dB as "#0.0" into ReplyFields(0), which is "" when unanswered.
bool ReadIFGainBalance(Program& p);

} // namespace SsaCmds
