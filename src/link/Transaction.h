#pragma once
#include <QChar>
#include <QString>

struct LinkContext;

// The one command transaction: sends one command over the current link, waits for the
// answer and leaves it in LinkObject.ReplyBuffer. Only one runs at a time: a call made
// while another is in flight sends nothing, leaves the buffer alone and returns false.
// While a connection is up, commands go over the link it was made on; otherwise they
// follow conn.UseEnet.
bool SendUnitCommand(LinkContext& p, const QString& command, bool showError = false);
// A transaction is waiting for its reply (the poll tick does nothing then).
bool TransactionInFlight(const LinkContext& p);
// Commands go over TCP: the link the current connection was made on, else that of the
// connect running, else conn.UseEnet.
bool RoutedOverEnet(const LinkContext& p);

// A connection to the unit is made over TCP (overEnet) or the serial line / has ended.
// Both bump txn.ConnectionId, so a caller can tell that the connection changed under it.
void BeginConnection(LinkContext& p, bool overEnet);
void EndConnection(LinkContext& p);

// The TCP leg of SendUnitCommand: sends STX address command ETX "M" CR LF and waits up to
// 15 s (less when the socket stops being connected) for one reply line; true when it starts
// with ACK. A socket found closed, closing or in error resets the window's connection state
// (hooks); one still connecting only fails.
bool SendEnetCommand(LinkContext& p, QChar address, const QString& command);
// Closes the socket and waits up to 3 s for it to report closed.
bool CloseEnetConnection(LinkContext& p);
// The socket's data event: collects bytes up to the first CR and hands the first line over;
// a line longer than TcpLinkState::MaxRx is dropped whole.
void TcpDataArrived(LinkContext& p, const QByteArray& bytes);
