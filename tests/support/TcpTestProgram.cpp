#include "support/TcpTestProgram.h"
#include "link/TcpConnection.h"
#include "support/UnitFrames.h"

TcpTestProgram::TcpTestProgram()
{
    Program& pr = p();
    pr.conn.UseEnet = true;
    tcp.st = ITcpSocket::Connected;
    ConnectTcpSocketEvents(pr);
    clock.onProcessEvents = [this] { tcp.deliverNext(); };
    tcp.responder = [this](const QByteArray& block) -> QByteArrayList {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseTcpRequest(block, address, command))
            return {};
        commands.append(command);
        if (rawReplies.contains(command))
            return {rawReplies.value(command)};
        if (!replies.contains(command))
            return {};
        return {unitframes::tcpReply(unitAddress, replies.value(command))};
    };
    WindowHooks& h = pr.hooks;
    h.tcpLinkDropped = [this] { calls << "dropped"; };
    h.setPollTimer = [this](bool on) { calls << (on ? "timer on" : "timer off"); };
    h.runPollTick = [this] { calls << "tick"; };
    h.clearAndDisableWindow = [this] { calls << "clear and disable"; };
    h.showReadyToConnect = [this](bool overSerial) {
        calls << (overSerial ? "ready to connect, searches" : "ready to connect");
    };
    h.enableConnectButton = [this](bool on) { calls << (on ? "button on" : "button off"); };
}
