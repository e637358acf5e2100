#include "link/Program.h"
#include "link/Transaction.h"

// Placeholder until the TCP leg is built.
bool SendEnetCommand(Program&, QChar, const QString&) { return false; }
bool CloseEnetConnection(Program&) { return false; }
void TcpDataArrived(Program&, const QByteArray&) {}
