#include "link/DeferredActions.h"
#include "link/LinkContext.h"
#include <QPointer>
#include <QTimer>
#include <deque>

struct DeferredActions::Queue {
    struct Item {
        quint64 connection;
        std::function<void()> action;
    };
    std::deque<Item> items;
    bool scheduled = false;
};

DeferredActions::DeferredActions() : queue_(std::make_shared<Queue>()) {}
DeferredActions::~DeferredActions() = default;

int DeferredActions::pending() const { return static_cast<int>(queue_->items.size()); }

namespace {

void runKept(LinkContext& p, DeferredActions::Queue& q)
{
    q.scheduled = false;
    // Another transaction may have begun meanwhile (a TCP wait runs this round of events):
    // its end schedules the next try.
    while (!q.items.empty() && !p.txn.InFlight) {
        auto item = std::move(q.items.front());
        q.items.pop_front();
        if (item.connection == p.txn.ConnectionId)
            item.action();
    }
}

}   // namespace

void RunWhenLinkFree(LinkContext& p, std::function<void()> action)
{
    DeferredActions::Queue& q = *p.deferred.queue_;
    if (!p.txn.InFlight && q.items.empty()) {
        action();
        return;
    }
    q.items.push_back({p.txn.ConnectionId, std::move(action)});
    if (!p.txn.InFlight)
        LinkFreed(p);
}

void LinkFreed(LinkContext& p)
{
    const std::shared_ptr<DeferredActions::Queue>& q = p.deferred.queue_;
    if (q->items.empty() || q->scheduled)
        return;
    q->scheduled = true;
    // The queue lives as long as the context; a context gone before the timer fires leaves
    // nothing to run.
    QTimer::singleShot(0, [&p, weak = std::weak_ptr<DeferredActions::Queue>(q)] {
        if (const auto queue = weak.lock())
            runKept(p, *queue);
    });
}

void WhenLinkFree(LinkContext& p, QObject& window, std::function<void()> action)
{
    RunWhenLinkFree(p, [self = QPointer<QObject>(&window), action = std::move(action)] {
        if (self)
            action();
    });
}
