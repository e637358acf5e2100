#pragma once
// What the command module works on: the link layer's context, the reply fields of the
// multi-value queries, what is known of the connected unit and the display unit that
// readings are formatted in.
#include "commands/DisplayState.h"
#include "commands/UnitState.h"
#include "link/LinkContext.h"
#include <QString>
#include <array>

struct CommandContext : LinkContext {
    using LinkContext::LinkContext;

    std::array<QString, 11> ReplyFields;   // reply fields of the multi-value queries
    UnitState unit;                        // identity, option flags and unit values
    DisplayState display;                  // what the window shows and how
};
