#pragma once
// The command console's display rules, as functions of their inputs.
#include <QString>
#include <QStringList>

// "[STX]", "[ETX]", "[ACK]" or "[NAK]" for the four framing characters, "" for any other.
QString ControlCharName(QChar c);

// The reply frame as the console shows it: the first character's name, the characters up
// to the first ETX after it unchanged, then "[ETX]"; the checksum and anything after it are
// not shown. "" when the frame has no ETX after its first character.
QString FormatConsoleReply(const QString& replyBuffer);

// The list items of one display line: the line itself when it has at most 100 characters,
// else its first 100 characters and then all the rest.
QStringList SplitConsoleLine(const QString& line);
