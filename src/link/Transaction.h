#pragma once
#include <QByteArray>
#include <QString>

struct LinkContext;
class UnitTransport;

// The one command transaction: sends one command over the current link, waits for the
// answer and keeps it for UnitReply. Only one runs at a time: a call made while another
// is in flight sends nothing, leaves the reply alone and returns false.
// While a connection is up, commands go over the link it was made on; otherwise they
// follow conn.UseEnet.
bool SendUnitCommand(LinkContext& p, const QString& command, bool showError = false);
// A transaction is waiting for its reply (the poll tick does nothing then).
bool TransactionInFlight(const LinkContext& p);
// Commands go over TCP: the link the current connection was made on, else that of the
// connect running, else conn.UseEnet.
bool RoutedOverEnet(const LinkContext& p);
// The transport the next command goes over, by RoutedOverEnet's rule (or the stand-in).
UnitTransport& CurrentTransport(LinkContext& p);

// The reply of the last transaction as it came (a serial frame or a TCP line), and in the
// serial frame's form whichever link carried it. Empty when none came.
const QString& UnitReply(const LinkContext& p);
QString UnitReplyFrame(const LinkContext& p);

// A connection to the unit is made over TCP (overEnet) or the serial line / has ended.
// Both bump txn.ConnectionId, so a caller can tell that the connection changed under it.
void BeginConnection(LinkContext& p, bool overEnet);
void EndConnection(LinkContext& p);
// A connect found its unit: the last unit is forgotten (hooks.forgetUnit), then the
// connection begins.
void BeginUnitConnection(LinkContext& p, bool overEnet);

// Closes the socket and waits up to 3 s for it to report closed.
bool CloseEnetConnection(LinkContext& p);
// The socket's data event, handed to the TCP transport.
void TcpDataArrived(LinkContext& p, const QByteArray& bytes);
