#pragma once
#include "link/LinkContext.h"

// Holds the poll (Timer1) off while a dialog or a transfer runs. On leaving it either puts
// the timer back as it was (Restore) or switches it on (On), but only while the connection
// that was up when the pause began is still up, and only when no outer pause is still
// alive: a transfer run inside a dialog leaves the poll off until the dialog has closed.
class PollPause {
public:
    enum class Mode { Restore, On };

    PollPause(LinkContext& p, Mode mode);
    ~PollPause();
    PollPause(const PollPause&) = delete;
    PollPause& operator=(const PollPause&) = delete;

private:
    LinkContext& p_;
    Mode mode_;
    bool wasActive_;
    bool linkWasUp_;
    quint64 connection_;
};

// Sets the link's message time-out for its lifetime and gives back exactly the value it
// found, on every way out.
class ScopedLinkTimeout {
public:
    ScopedLinkTimeout(OVLink& link, float seconds) : link_(link), saved_(link.MsgTimeout())
    {
        link_.setMsgTimeout(seconds);
    }
    ~ScopedLinkTimeout() { link_.setMsgTimeout(saved_); }
    ScopedLinkTimeout(const ScopedLinkTimeout&) = delete;
    ScopedLinkTimeout& operator=(const ScopedLinkTimeout&) = delete;

private:
    OVLink& link_;
    float saved_;
};
