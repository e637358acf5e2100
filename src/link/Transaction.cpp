#include "link/Transaction.h"
#include "link/CommandWatch.h"
#include "link/DeferredActions.h"
#include "link/LinkContext.h"
#include "platform/BusyFlag.h"
#include "platform/Prompts.h"

namespace {
constexpr QChar STX(0x02);

bool sendSerial(LinkContext& p, const QString& command, bool showError)
{
    OVLink& link = p.LinkObject;
    qint16 err = 0;
    link.Clear();
    link.send(STX.unicode(), command);
    link.Receive(err);
    if (err != 0) {
        if (showError && p.platform.prompts)
            p.platform.prompts->message(link.ErrString(), QStringLiteral("Communication Error"),
                                        PromptIcon::Exclamation);
        return false;
    }
    return true;
}
}   // namespace

bool SendUnitCommand(LinkContext& p, const QString& command, bool showError)
{
    if (p.txn.InFlight)
        return false;   // a nested command would take the outer command's reply
    p.LinkObject.ReplyBuffer.clear();
    if (command.isEmpty())
        return true;
    if (p.txn.Watch) {
        p.txn.Watch->beforeCommand();   // may let events run: what they sent is done with
        p.LinkObject.ReplyBuffer.clear();
    }
    if (p.conn.ShuttingDown)
        return false;   // nothing may reopen the port or wait once shut-down has begun
    if (p.txn.BoundConnection && *p.txn.BoundConnection != p.txn.ConnectionId)
        return false;   // the procedure's connection ended under it
    const quint64 connection = p.txn.ConnectionId;
    bool answered = false;
    {
        BusyFlag inFlight(p.txn.InFlight);
        p.txn.ReplyOverEnet = RoutedOverEnet(p);
        answered = p.txn.ReplyOverEnet ? SendEnetCommand(p, p.LinkObject.DeviceAddress().at(0), command)
                                       : sendSerial(p, command, showError);
    }
    LinkFreed(p);   // actions that came during the wait run once the caller is done
    // A reply that came in while its connection ended (a socket error in the same round of
    // events) is not taken: nothing of it may reach the window that was cleared meanwhile.
    const bool sameConnection = p.txn.ConnectionId == connection;
    if (p.txn.Watch && sameConnection)
        p.txn.Watch->afterCommand(!p.LinkObject.ReplyBuffer.isEmpty());
    return answered && sameConnection;
}

bool TransactionInFlight(const LinkContext& p) { return p.txn.InFlight; }

bool RoutedOverEnet(const LinkContext& p)
{
    if (p.txn.LinkUp)
        return p.txn.ConnectedOverEnet;
    return p.txn.Connecting ? p.txn.ConnectingOverEnet : p.conn.UseEnet;
}

void BeginConnection(LinkContext& p, bool overEnet)
{
    p.txn.BoundConnection.reset();   // what runs from here on belongs to the new connection
    p.txn.LinkUp = true;
    p.txn.ConnectedOverEnet = overEnet;
    ++p.txn.ConnectionId;
}

void EndConnection(LinkContext& p)
{
    p.txn.LinkUp = false;
    ++p.txn.ConnectionId;
}
