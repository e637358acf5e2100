#pragma once
#include <QtGlobal>
#include <optional>

// What the unit set-up dialogs keep between their openings.
struct DialogsState {
    bool EnetSettingsChanged = false;   // the network dialog sent changed settings
    // The connection (txn.ConnectionId) whose up-converter has no temperature sensor: the
    // set-up dialog asks its temperature no more until the next connection.
    std::optional<quint64> LcBucNoSensorConnection;
    // The connection (txn.ConnectionId) on which the network dialog last sent a setting; the
    // unit of a later connection has received none, so it is offered no apply step.
    std::optional<quint64> EnetSettingsSentOn;
};
