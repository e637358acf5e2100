#pragma once
#include "link/Program.h"
#include <functional>
#include <initializer_list>

// Remembers the connection a long procedure started on (the first read, a poll, a
// sub-band change), so that it can stop writing the window once that connection has
// ended under it: a Disconnect, a socket error or a dropped link while it let events run.
class ConnectionWatch {
public:
    explicit ConnectionWatch(const Program& p) : txn_(p.txn), id_(p.txn.ConnectionId) {}
    // The connection ended (or another began) since this watch was made.
    bool ended() const { return txn_.ConnectionId != id_; }

private:
    const TransactionState& txn_;
    quint64 id_;
};

// Runs the steps in order while the watched connection lasts; false when it ended before
// all of them had run (the rest are skipped, so nothing more is sent or written).
inline bool RunWhileConnected(const ConnectionWatch& connection, std::initializer_list<std::function<void()>> steps)
{
    for (const auto& step : steps) {
        if (connection.ended())
            return false;
        step();
    }
    return !connection.ended();
}
