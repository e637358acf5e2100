#pragma once
// Operator actions that arrive while a command waits for its reply. A TCP wait lets
// events run, but the transaction refuses a nested command, so a setting entered then
// would be lost. Such an action is kept here instead and run, in the order they came, once
// the transaction in flight has ended and the code that sent it has gone back to the event
// loop. An action kept for a connection that has ended meanwhile is dropped: it was meant
// for that unit only.
#include <QtGlobal>
class QObject;
#include <functional>
#include <memory>

struct LinkContext;

class DeferredActions {
public:
    DeferredActions();
    ~DeferredActions();
    DeferredActions(const DeferredActions&) = delete;
    DeferredActions& operator=(const DeferredActions&) = delete;

    int pending() const;   // actions kept and not yet run

    struct Queue;

private:
    friend void RunWhenLinkFree(LinkContext& p, std::function<void()> action);
    // The same for an action of a window: a kept action does nothing once `window` is gone.
    void WhenLinkFree(LinkContext& p, QObject& window, std::function<void()> action);
    friend void LinkFreed(LinkContext& p);
    std::shared_ptr<Queue> queue_;
};

// Runs `action` now when no transaction waits for its reply and none is kept before it;
// otherwise keeps it for when the link is free.
void RunWhenLinkFree(LinkContext& p, std::function<void()> action);
// The same for an action of a window: a kept action does nothing once `window` is gone.
void WhenLinkFree(LinkContext& p, QObject& window, std::function<void()> action);
// Called by the transaction as it ends: the kept actions run from the next round of events.
void LinkFreed(LinkContext& p);
