#pragma once
// Linearizer settings and the per-sub-band settings, collected for the command-file writer.
#include <QString>

struct CommandContext;

namespace SsaCmds {

// ReplyFields 0 amplitude, 1 phase, and with the slope 2 the slope ("" when not answered).
bool GetLinearizerParams(CommandContext& p, bool withSlope);
// ReplyFields for sub-band n: 0 amplitude, 1 phase, 2 slope, 3 gain-balance state,
// 4 gain-balance value, 5 tilt (or the sub-band's power-supply set voltage).
// True once the amplitude was read. `tiltRead` (when given) tells a tilt that "P|?" answered
// from the power-supply fallback.
bool GetSubBandSaveParams(CommandContext& p, qint16 n, bool* tiltRead = nullptr);

}   // namespace SsaCmds
