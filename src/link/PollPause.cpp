#include "link/PollPause.h"

PollPause::PollPause(LinkContext& p, Mode mode)
    : p_(p), mode_(mode), wasActive_(p.hooks.pollTimerActive && p.hooks.pollTimerActive()), linkWasUp_(p.txn.LinkUp),
      connection_(p.txn.ConnectionId)
{
    ++p_.PollPauseDepth;
    if (p_.hooks.setPollTimer)
        p_.hooks.setPollTimer(false);
}

PollPause::~PollPause()
{
    --p_.PollPauseDepth;
    if (p_.PollPauseDepth > 0 || !p_.hooks.setPollTimer)
        return;   // an outer pause holds the poll off until it ends
    const bool sameConnection = linkWasUp_ && p_.txn.LinkUp && p_.txn.ConnectionId == connection_;
    const bool on = mode_ == Mode::On || wasActive_;
    if (sameConnection && on)
        p_.hooks.setPollTimer(true);
}
