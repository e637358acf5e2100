#pragma once
// Checks of the operator's link-target entries and the menu captions that show the target.
#include <QString>
#include <optional>

// The IP address entry: four dot-separated groups, each ending in a digit, any characters
// before each digit ("**#.**#.**#.**#").
bool MatchesIPPattern(const QString& text);
// An "IP Address" answer that is taken: matches the pattern, is longer than 6 characters
// and is four numbers 0 to 255.
bool IsIPAddressEntry(const QString& answer);
// An "Ethernet Port" answer: numeric and a whole number (rounded) from 1 to 65535.
std::optional<qint32> EthernetPortEntry(const QString& answer);
// A "Poll Address" answer: exactly one character "?", "@" or "A".."Z"; its character code.
std::optional<qint16> PollAddressEntry(const QString& answer);
// The refusal of any other "Poll Address" answer, naming what is taken.
QString PollAddressRefusal();

QString SerialPortCaption(int portNumber);       // "Serial Port:   COM1"
QString EthernetPortCaption(qint32 port);        // "Ethernet Port:2000"
QString IPAddressCaption(const QString& host);   // "IP Address:    10.0.0.254"
