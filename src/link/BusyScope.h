#pragma once
// Held by every handler that lets events run while it waits (the connect, the search, a poll
// tick): a close requested meanwhile ends the waits at once and closes the window only after
// the last such handler has returned.
#include <functional>

class HandlerDepth {
public:
    // `closeLater` closes the window from the event loop, once every handler has unwound.
    explicit HandlerDepth(std::function<void()> closeLater) : closeLater_(std::move(closeLater)) {}
    bool busy() const { return depth_ > 0; }
    void closeWhenDone() { closePending_ = true; }

private:
    friend class BusyScope;
    int depth_ = 0;
    bool closePending_ = false;
    std::function<void()> closeLater_;
};

class BusyScope {
public:
    explicit BusyScope(HandlerDepth& depth) : d_(depth) { ++d_.depth_; }
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    HandlerDepth& d_;
};
