#pragma once
#include "link/LinkContext.h"
#include <functional>
#include <initializer_list>
#include <optional>

// Remembers the connection a long procedure started on (the first read, a poll, a
// sub-band change), so that it can stop writing the window once that connection has
// ended under it: a Disconnect, a socket error or a dropped link while it let events run.
class ConnectionWatch {
public:
    // While the watch lives, the transaction sends nothing once the watched connection has
    // ended: the rest of a long step sends no command to a unit the operator disconnected,
    // and nothing reopens the serial port he closed.
    // A watch made inside another belongs to the same procedure and so to its connection,
    // also when that one has ended already.
    explicit ConnectionWatch(LinkContext& p)
        : txn_(p.txn), id_(p.txn.BoundConnection.value_or(p.txn.ConnectionId)), outer_(p.txn.BoundConnection)
    {
        txn_.BoundConnection = id_;
    }
    ~ConnectionWatch() { txn_.BoundConnection = outer_; }
    ConnectionWatch(const ConnectionWatch&) = delete;
    ConnectionWatch& operator=(const ConnectionWatch&) = delete;

    // The connection ended (or another began) since this watch was made.
    bool ended() const { return txn_.ConnectionId != id_; }

private:
    TransactionState& txn_;
    quint64 id_;
    std::optional<quint64> outer_;
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
