#pragma once
// The TCP connection procedures of the main window, as free functions on the program
// state. What they change of the window goes through LinkContext::hooks.
#include "platform/TcpSocket.h"

struct LinkContext;

// The target of the next TCP connect: the socket's remote host and port and conn's
// UnitIPAddress and EnetPort together, so the menus, the stored settings and Connect all
// hold the one target. Only the operator's choices, and the unit's own report over the
// serial line, set it.
void SetTcpTarget(LinkContext& p, const QString& host, qint32 port);

// Closes the socket, connects it to its preset host and port and waits up to 20 pauses
// of 50 ms for it to report connected (the connect event, and with it the first read,
// may run inside this wait). True when connected.
bool OpenConnection(LinkContext& p);
// Closes the socket; true when it then reads closed (up to 11 reads, no pause).
bool CloseConnection(LinkContext& p);

// The socket's connect event: over TCP only, begins the connection, runs the poll tick
// once (the first read) and then switches the poll timer on.
void sckTcp_Connect(LinkContext& p);
// The socket's data event.
void sckTcp_DataArrival(LinkContext& p);
// The socket's error event: the "TCP/IP Socket Error" box (not while the connect procedure
// waits for the socket: it reports the failure itself), then the window's reset, ready to
// connect again with the connect button on.
void sckTcp_Error(LinkContext& p, const ITcpSocket::ErrorEvent& error);

// Points the socket's events at the three handlers above.
void ConnectTcpSocketEvents(LinkContext& p);

// A command found the socket closed, closing or in error: stop polling, close the socket,
// clear and disable the window, ready to connect again.
void ResetDroppedTcpLink(LinkContext& p);
