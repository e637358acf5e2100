#include "link/CommandWatch.h"
#include "link/LinkContext.h"
#include "link/UnitTransport.h"
#include "platform/BusyFlag.h"

CommandWatch::CommandWatch(LinkContext& p, std::function<void()> between, std::function<bool()> linkAnswers,
                           std::function<void()> linkLost)
    : p_(p), between_(std::move(between)), linkAnswers_(std::move(linkAnswers)), linkLost_(std::move(linkLost))
{
    if (!p_.txn.Watch) {
        p_.txn.Watch = this;
        installed_ = true;
    }
}

CommandWatch::~CommandWatch()
{
    if (installed_)
        p_.txn.Watch = nullptr;
}

void CommandWatch::beforeCommand()
{
    if (inCallback_)
        return;
    if (sentOne_ && between_) {
        BusyFlag busy(inCallback_);
        between_();
    }
    sentOne_ = true;
}

void CommandWatch::afterCommand(bool replied)
{
    if (inCallback_)
        return;
    if (replied) {
        silentInRow_ = 0;
        return;
    }
    if (++silentInRow_ >= SilentLimit)
        askAboutLink();
}

bool CommandWatch::linkStillUp()
{
    const quint64 connection = p_.txn.ConnectionId;
    if (silentInRow_ > 0 && !askAboutLink())
        return false;
    return p_.txn.ConnectionId == connection && p_.txn.LinkUp;
}

bool CommandWatch::askAboutLink()
{
    silentInRow_ = 0;
    const quint64 connection = p_.txn.ConnectionId;
    // The unanswered command's reply is what its caller finds, whatever the question got.
    UnitTransport* carrier = p_.txn.Carrier;
    const QString unanswered = carrier->reply();
    bool answers = false;
    {
        BusyFlag busy(inCallback_);
        answers = linkAnswers_ && linkAnswers_();
    }
    p_.txn.Carrier = carrier;
    carrier->setReply(unanswered);
    if (p_.txn.ConnectionId != connection)
        return false;   // the question found the link dropped, and whoever saw it has reset it
    if (!answers && linkLost_) {
        BusyFlag busy(inCallback_);
        linkLost_();
    }
    return answers;
}
