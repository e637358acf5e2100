#pragma once
#include <QChar>
#include <QString>

struct Program;

// The one command transaction: sends one command over the current link, waits for the
// answer and leaves it in LinkObject.ReplyBuffer. Only one runs at a time: a call made
// while another is in flight sends nothing and returns false.
bool SendUnitCommand(Program& p, const QString& command, bool showError = false);

// The TCP leg of SendUnitCommand.
bool SendEnetCommand(Program& p, QChar address, const QString& command);
// Closes the socket and waits up to 3 s for it to report closed.
bool CloseEnetConnection(Program& p);
// The socket's data event: collects bytes up to the first CR and hands the line over.
void TcpDataArrived(Program& p, const QByteArray& bytes);
