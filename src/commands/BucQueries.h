#pragma once
// Queries of the block up-converter and of the gain balance.
#include <QString>

struct CommandContext;

namespace SsaCmds {

float ReadBucAttenuation(CommandContext& p);   // -1.0 when unanswered
float ReadBucPower(CommandContext& p);         // -60.0
// The setting reads tell an unanswered query through `answered` when given.
float ReadBucSetpoint(CommandContext& p, bool* answered = nullptr);         // -60.0
float ReadBucTemperature(CommandContext& p);                                // -60.0
float ReadBucMaxAttenuation(CommandContext& p, bool* answered = nullptr);   // 31.5
float ReadBucOffset(CommandContext& p, bool* answered = nullptr);           // 0.0
qint16 ReadBucMode(CommandContext& p);                                      // -1
float ReadBucIdeal(CommandContext& p);                                      // 0.0

// Gain-balance state (-1 when unanswered); its value in dB as "#0.0" into ReplyFields(0).
qint16 ReadGainBalance(CommandContext& p);
// IF gain balance in dB as "#0.0" into ReplyFields(0), which is "" when unanswered.
bool ReadIFGainBalance(CommandContext& p);

}   // namespace SsaCmds
