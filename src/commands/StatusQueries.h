#pragma once
// The status-word reads: the periodic status query, the connection probe "1" and the
// single status-word read.
#include <QString>

struct CommandContext;

namespace SsaCmds {

// "?!#(" ("?!#9" with LegacyStatusQuery): summary, fault and alarm word into ReplyFields
// 0, 1 and 2 (the alarm word is one character for the legacy query). True when the alarm
// word was taken; a field the reply is too short for keeps its previous entry.
bool QueryStatusWords(CommandContext& p);

// The unit answers the status query: the question a long read asks about the link when its
// commands go unanswered. ReplyFields are left as they were.
bool StatusQueryAnswered(CommandContext& p);

// "1": -1 when unanswered or without its echo; else the low six bits of the two status
// characters packed as c1 * 256 | c2 (0 .. 16191; a character not in the data counts as 0).
qint16 ReadUnitStatusCode(CommandContext& p);

// Type 1 "?!" (summary), 2 "?(" (alarm), 3 "?#" (fault): up to 4 characters after the "?",
// never past the data; "" when unanswered, without "?" or for any other type (nothing sent).
QString ReadSingleStatusWord(CommandContext& p, int type);

}   // namespace SsaCmds
