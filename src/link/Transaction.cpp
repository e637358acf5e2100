#include "link/Transaction.h"
#include "link/CommandWatch.h"
#include "link/DeferredActions.h"
#include "link/LinkContext.h"
#include "platform/BusyFlag.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/TcpSocket.h"

namespace {
constexpr qint64 CloseWaitMs = 3000;
constexpr int SocketCloseCheckMs = 10;

void clearReplies(LinkContext& p)
{
    p.serialTransport.setReply(QString());
    p.tcpTransport.setReply(QString());
    if (p.transportStandIn)
        p.transportStandIn->setReply(QString());
}

bool exchange(LinkContext& p, UnitTransport& link, const QString& command, bool showError)
{
    if (link.exchange(p.LinkObject.DeviceAddress().at(0), command))
        return true;
    const QString error = link.errorText();
    if (showError && !error.isEmpty())
        p.platform.prompts.message(error, QStringLiteral("Communication Error"), PromptIcon::Exclamation);
    return false;
}
}   // namespace

bool SendUnitCommand(LinkContext& p, const QString& command, bool showError)
{
    if (p.txn.InFlight)
        return false;   // a nested command would take the outer command's reply
    clearReplies(p);
    if (command.isEmpty())
        return true;
    if (p.txn.Watch) {
        p.txn.Watch->beforeCommand();   // may let events run: what they sent is done with
        clearReplies(p);
    }
    if (p.conn.ShuttingDown)
        return false;   // nothing may reopen the port or wait once shut-down has begun
    if (p.txn.BoundConnection && *p.txn.BoundConnection != p.txn.ConnectionId)
        return false;   // the procedure's connection ended under it
    const quint64 connection = p.txn.ConnectionId;
    bool answered = false;
    {
        BusyFlag inFlight(p.txn.InFlight);
        UnitTransport& link = CurrentTransport(p);
        p.txn.Carrier = &link;
        answered = exchange(p, link, command, showError);
    }
    LinkFreed(p);   // actions that came during the wait run once the caller is done
    // A reply that came in while its connection ended (a socket error in the same round of
    // events) is not taken: nothing of it may reach the window that was cleared meanwhile.
    const bool sameConnection = p.txn.ConnectionId == connection;
    if (p.txn.Watch && sameConnection)
        p.txn.Watch->afterCommand(!UnitReply(p).isEmpty());
    return answered && sameConnection;
}

bool TransactionInFlight(const LinkContext& p) { return p.txn.InFlight; }

bool RoutedOverEnet(const LinkContext& p)
{
    if (p.txn.LinkUp)
        return p.txn.ConnectedOverEnet;
    return p.txn.Connecting ? p.txn.ConnectingOverEnet : p.conn.UseEnet;
}

UnitTransport& CurrentTransport(LinkContext& p)
{
    if (p.transportStandIn)
        return *p.transportStandIn;
    if (RoutedOverEnet(p))
        return p.tcpTransport;
    return p.serialTransport;
}

const QString& UnitReply(const LinkContext& p) { return p.txn.Carrier->reply(); }

QString UnitReplyFrame(const LinkContext& p) { return p.txn.Carrier->replyAsFrame(); }

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

void BeginUnitConnection(LinkContext& p, bool overEnet)
{
    p.conn.RemoteMode = false;   // until this unit's status says otherwise
    if (p.hooks.forgetUnit)
        p.hooks.forgetUnit();
    BeginConnection(p, overEnet);
}

bool CloseEnetConnection(LinkContext& p)
{
    ITcpSocket& socket = p.platform.tcp;
    IClock& clock = p.platform.clock;
    const qint64 start = clock.msNow();
    socket.close();
    for (;;) {
        if (socket.state() == ITcpSocket::Closed)
            return true;
        if (clock.msNow() - start > CloseWaitMs)
            return false;
        clock.waitForEvents(SocketCloseCheckMs, true);
    }
}

void TcpDataArrived(LinkContext& p, const QByteArray& bytes) { p.tcpTransport.dataArrived(bytes); }
