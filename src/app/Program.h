#pragma once
// The program-wide state: one object created by main() (or by a test with fakes) and
// handed by reference to the windows and modules that use it. Each layer sees only its
// part: the link a LinkContext, the command module a CommandContext.
#include "commands/CommandContext.h"
#include "files/FilesState.h"
#include "transfers/TransfersState.h"
#include <optional>

struct Program : CommandContext {
    using CommandContext::CommandContext;

    FilesState files;                   // folders and file choices
    TransfersState transfers;           // log downloads: line tables, page state, the lock
    bool EnetSettingsChanged = false;   // the network dialog sent changed settings
    // The connection (txn.ConnectionId) whose up-converter has no temperature sensor: the
    // set-up dialog asks its temperature no more until the next connection.
    std::optional<quint64> LcBucNoSensorConnection;
    // The connection (txn.ConnectionId) on which the network dialog last sent a setting; the
    // unit of a later connection has received none, so it is offered no apply step.
    std::optional<quint64> EnetSettingsSentOn;
};
