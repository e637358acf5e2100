#pragma once
// What the command console sends: the text as typed, every character of it one byte on the
// link. A character outside Latin-1 has no byte there and would reach the unit as "?".
#include <QString>
#include <optional>

// The box text that refuses a command holding a character outside Latin-1, naming the first
// such character; nothing for a command the link can carry.
std::optional<QString> UnsendableCommandText(const QString& command);
