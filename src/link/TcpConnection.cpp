#include "link/TcpConnection.h"
#include "link/LinkContext.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {
constexpr int ConnectPauses = 20;
constexpr int CloseReads = 11;

template <class Signature, class... Args> void callHook(const std::function<Signature>& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

}   // namespace

void SetTcpTarget(LinkContext& p, const QString& host, qint32 port)
{
    p.conn.UnitIPAddress = host;
    p.conn.EnetPort = port;
    p.platform.tcp.setRemoteHost(host);
    p.platform.tcp.setRemotePort(port);
}

bool OpenConnection(LinkContext& p)
{
    ITcpSocket& socket = p.platform.tcp;
    CloseConnection(p);
    socket.connectToRemote();
    for (int i = 0; i < ConnectPauses; ++i) {
        PauseMilliseconds(p.platform.clock, 50);
        if (socket.state() == ITcpSocket::Connected || p.conn.ShuttingDown)
            break;
    }
    return socket.state() == ITcpSocket::Connected;
}

bool CloseConnection(LinkContext& p)
{
    ITcpSocket& socket = p.platform.tcp;
    socket.close();
    for (int i = 0; i < CloseReads; ++i) {
        if (socket.state() == ITcpSocket::Closed)
            return true;
    }
    return false;
}

void sckTcp_Connect(LinkContext& p)
{
    // A connect that is running keeps to its own link: a serial search has no TCP first read.
    const bool overEnet = p.txn.Connecting ? p.txn.ConnectingOverEnet : p.conn.UseEnet;
    if (!overEnet || p.platform.tcp.state() != ITcpSocket::Connected)
        return;
    BeginUnitConnection(p, true);
    if (p.conn.ConnectWaitRunning)
        p.conn.ConnectionMadeInWait = true;
    p.conn.EnetFirstReadPending = true;
    callHook(p.hooks.runPollTick);
    callHook(p.hooks.setPollTimer, true);
}

void sckTcp_DataArrival(LinkContext& p) { p.tcpTransport.dataArrived(p.platform.tcp.readAll()); }

void sckTcp_Error(LinkContext& p, const ITcpSocket::ErrorEvent& error)
{
    const QString text = QStringLiteral("Error No.: ") + QString::number(error.number) + "\r\n" +
                         QStringLiteral("Descr: ") + error.description + "\r\n" + QStringLiteral("Scode: ") +
                         QString::number(error.scode) + "\r\n" + QStringLiteral("Source: ") + error.source + "\r\n";
    if (!p.conn.ConnectWaitRunning)
        p.platform.prompts.message(text, QStringLiteral("TCP/IP Socket Error"), PromptIcon::Exclamation);
    p.platform.tcp.close();
    EndConnection(p);
    callHook(p.hooks.setPollTimer, false);
    callHook(p.hooks.clearAndDisableWindow);
    callHook(p.hooks.showReadyToConnect, false);
    // The connect procedure switches the button off while it waits for the socket.
    callHook(p.hooks.enableConnectButton, true);
    p.conn.EnetFirstReadPending = false;
    p.conn.FirstReadDone = false;
}

void ConnectTcpSocketEvents(LinkContext& p)
{
    ITcpSocket& socket = p.platform.tcp;
    socket.onConnect = [&p] { sckTcp_Connect(p); };
    socket.onDataArrival = [&p] { sckTcp_DataArrival(p); };
    socket.onError = [&p](const ITcpSocket::ErrorEvent& e) { sckTcp_Error(p, e); };
}

void ResetDroppedTcpLink(LinkContext& p)
{
    callHook(p.hooks.setPollTimer, false);
    CloseEnetConnection(p);
    EndConnection(p);
    callHook(p.hooks.clearAndDisableWindow);
    callHook(p.hooks.showReadyToConnect, false);
    callHook(p.hooks.tcpLinkDropped);
}
