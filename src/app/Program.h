#pragma once
// The program-wide state: one object created by main() (or by a test with fakes). app/ hands
// each window and module by reference only the parts it uses: the link a LinkContext, the
// command module a CommandContext, and the files', the transfers' and the dialogs' own state.
#include "commands/CommandContext.h"
#include "dialogs/DialogsState.h"
#include "files/FilesState.h"
#include "transfers/TransfersState.h"

struct Program : CommandContext {
    using CommandContext::CommandContext;

    FilesState files;           // folders and file choices
    TransfersState transfers;   // log downloads: line tables, page state, the lock
    DialogsState dialogs;       // what the unit set-up dialogs keep between openings
};

// A new connection begins: nothing the program kept of the last unit (identity,
// configuration, readings, what the set-up dialogs keep between openings) may stand for
// the next one's, so all of it starts empty.
inline void ForgetUnit(Program& p)
{
    p.ReplyFields = {};
    p.unit = UnitState{};
    p.dialogs = DialogsState{};
}
